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
    // The SVG icon engine draws each state at the size asked for, when it is first needed.
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/%1.svg").arg(name), size, QIcon::Normal);
    const QString greyed = QStringLiteral(":/pictures/%1-disabled.svg").arg(name);
    if (QFile::exists(greyed))
        icon.addFile(greyed, size, QIcon::Disabled);
    return icon;
}
