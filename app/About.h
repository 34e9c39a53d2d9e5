// TAboutBox: the "A propos" box with the program's name and version.
#pragma once

#include <QDialog>

class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    void OKButtonClick();

protected:
    void showEvent(QShowEvent *event) override;
};
