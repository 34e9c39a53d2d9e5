// Painting an SVG resource centred in the widget.
#include "SvgPicture.h"

#include <QPainter>

SvgPicture::SvgPicture(const QString &name, QSize pictureSize, QWidget *parent)
    : QWidget(parent)
    , m_name(name)
    , m_pictureSize(pictureSize)
{
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    if (!m_renderer)
        m_renderer = std::make_unique<QSvgRenderer>(QStringLiteral(":/pictures/%1.svg").arg(m_name));
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect target(QPoint((width() - m_pictureSize.width()) / 2, (height() - m_pictureSize.height()) / 2),
                       m_pictureSize);
    m_renderer->render(&painter, target);
}
