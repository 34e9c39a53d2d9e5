// Decoration: a label drawn for its looks, which screen readers skip.
#pragma once

#include <QLabel>

// A label drawn for its looks only, a line or a bar: screen readers skip it and its hidden text.
class Decoration : public QLabel
{
    Q_OBJECT

public:
    explicit Decoration(QWidget *parent = nullptr);
};
