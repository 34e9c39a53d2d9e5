// Painting an SVG resource centred in the widget.
#include "SvgPicture.h"

#include <QPainter>

SvgPicture::SvgPicture(const QString &name, QSize pictureSize, QWidget *parent)
    : QWidget(parent), m_name(name), m_pictureSize(pictureSize),
      m_renderer(QStringLiteral(":/pictures/%1.svg").arg(name))
{
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect target(QPoint((width() - m_pictureSize.width()) / 2, (height() - m_pictureSize.height()) / 2),
                       m_pictureSize);
    m_renderer.render(&painter, target);
}
