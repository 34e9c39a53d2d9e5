// TSplash: the borderless window shown while the program creates its windows.
#pragma once

#include <QWidget>

class TSplash : public QWidget
{
    Q_OBJECT

public:
    explicit TSplash(QWidget *parent = nullptr);
};
