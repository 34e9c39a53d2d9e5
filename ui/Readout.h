// Readout: a label whose text is read as the value of the control it names.
#pragma once

#include <QAccessible>
#include <QLabel>

// A label that shows a value: its accessible name says what it shows ("Heure"), and its text is
// read as the value, through the text interface.
class Readout : public QLabel
{
    Q_OBJECT

public:
    explicit Readout(const QString &name, QWidget *parent = nullptr, QAccessible::Role role = QAccessible::StaticText);

    QAccessible::Role accessibleRole() const { return m_role; }

private:
    QAccessible::Role m_role;
};
