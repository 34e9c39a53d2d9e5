// FocusFrame: the frame that shows which control holds the keyboard focus, on any background.
#pragma once

#include <QRect>
#include <functional>

class QPainter;
class QWidget;

namespace FocusFrame {

// Two logical pixels of dark blue just inside rect: clear on the orange, the greys and the whites.
void paint(QPainter &painter, const QRect &rect);

// From now on the frame is painted over widget, after its own painting, while it holds the focus:
// around frameRect() when given (for an area whose children cover its edges), else around the widget.
void follow(QWidget *widget, std::function<QRect()> frameRect = {});

} // namespace FocusFrame
