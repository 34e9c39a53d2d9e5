// A push button whose caption is drawn centred over the whole face, so large letters are not clipped.
#pragma once

#include <QPushButton>

class CaptionButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CaptionButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
