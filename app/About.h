// TAboutBox: the "A propos" box with the program's name and version.
#pragma once

#include "FormDialog.h"

class TAboutBox : public FormDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);

    void OKButtonClick();
};
