// The focus frame is painted by an event filter, so the widgets' own painting stays as it is.
#include "FocusFrame.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace {

const QColor FrameColour(0x00, 0x2b, 0x80);
constexpr int FrameWidth = 2;

class FocusFramePainter : public QObject
{
public:
    FocusFramePainter(QWidget *widget, std::function<QRect()> frameRect)
        : QObject(widget)
        , m_frameRect(std::move(frameRect))
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() != QEvent::Paint || !widget->hasFocus())
            return false;
        // The widget paints itself first; the frame goes over it.
        static_cast<QObject *>(widget)->event(event);
        QPainter painter(widget);
        FocusFrame::paint(painter, m_frameRect ? m_frameRect() : widget->rect());
        return true;
    }

private:
    std::function<QRect()> m_frameRect;
};

} // namespace

void FocusFrame::paint(QPainter &painter, const QRect &rect)
{
    const QRect r = rect.normalized();
    painter.fillRect(r.left(), r.top(), r.width(), FrameWidth, FrameColour);
    painter.fillRect(r.left(), r.bottom() - FrameWidth + 1, r.width(), FrameWidth, FrameColour);
    painter.fillRect(r.left(), r.top(), FrameWidth, r.height(), FrameColour);
    painter.fillRect(r.right() - FrameWidth + 1, r.top(), FrameWidth, r.height(), FrameColour);
}

void FocusFrame::follow(QWidget *widget, std::function<QRect()> frameRect)
{
    widget->installEventFilter(new FocusFramePainter(widget, std::move(frameRect)));
}
