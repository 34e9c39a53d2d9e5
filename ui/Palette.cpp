// Each call changes only the roles it names and keeps the rest of the widget's palette.
#include "Palette.h"

#include <QPalette>
#include <QWidget>

void Palette::setColours(QWidget *widget, const QColor &background, const QColor &text)
{
    setBackground(widget, background);
    setTextColour(widget, text);
}

void Palette::setBackground(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void Palette::setTextColour(QWidget *widget, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}
