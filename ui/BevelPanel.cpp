// Panel painting: the fill, then each bevel inside the previous one.
#include "BevelPanel.h"

#include <QPainter>

BevelPanel::BevelPanel(const QColor &fill, QList<Bevel> bevels, QWidget *parent)
    : QWidget(parent)
    , m_fill(fill)
    , m_bevels(std::move(bevels))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    const QColor light(Qt::white);
    const QColor shadow(128, 128, 128);
    QRect r = rect();
    for (const Bevel &bevel : m_bevels) {
        if (bevel.edge == Edge::Space) {
            r.adjust(bevel.width, bevel.width, -bevel.width, -bevel.width);
            continue;
        }
        const QColor topLeft = bevel.edge == Edge::Raised ? light : bevel.edge == Edge::Lowered ? shadow : Qt::black;
        const QColor bottomRight = bevel.edge == Edge::Raised ? shadow
            : bevel.edge == Edge::Lowered                     ? light
                                                              : Qt::black;
        for (int i = 0; i < bevel.width; ++i) {
            painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
            painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
            painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
            painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
            r.adjust(1, 1, -1, -1);
        }
    }
}
