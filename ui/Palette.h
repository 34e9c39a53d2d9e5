// The colours a window gives its controls, set in one way.
#pragma once

class QColor;
class QWidget;

namespace Palette {

// A background colour is filled by the widget itself, whatever its parent paints.
void setColours(QWidget *widget, const QColor &background, const QColor &text);
void setBackground(QWidget *widget, const QColor &background);
void setTextColour(QWidget *widget, const QColor &text);

} // namespace Palette
