// Rendering SVG resources into pixmaps and icons.
#include "Pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

QPixmap Pictures::pixmap(const QString &name, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QPixmap image(size * devicePixelRatio);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image;
}

QIcon Pictures::icon(const QString &name, QSize size)
{
    QIcon icon;
    const QString greyed = name + QStringLiteral("-disabled");
    const bool hasGreyed = QFile::exists(QStringLiteral(":/pictures/%1.svg").arg(greyed));
    for (qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(pixmap(name, size, ratio), QIcon::Normal);
        if (hasGreyed)
            icon.addPixmap(pixmap(greyed, size, ratio), QIcon::Disabled);
    }
    return icon;
}
