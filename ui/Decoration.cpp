#include "Decoration.h"

#include "Accessibility.h"

Decoration::Decoration(QWidget *parent) : QLabel(parent)
{
    Accessibility::install();
}
