#include "Readout.h"

#include "Accessibility.h"

Readout::Readout(const QString &name, QWidget *parent, QAccessible::Role role) : QLabel(parent), m_role(role)
{
    Accessibility::install();
    setAccessibleName(name);
}
