// The About box: OK is both the default and the cancel button, so Enter and Escape close it too.
#include "About.h"

#include "ErrorReport.h"
#include "Fonts.h"
#include "SvgPicture.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget *parent) : FormDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(329, 218);
    setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 11));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 313, 161);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto *picture = new SvgPicture(QStringLiteral("program-picture"), QSize(57, 65), panel);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setGeometry(12, 8, 57, 65);

    auto *product = new QLabel(QStringLiteral("Orv Pendu"), panel);
    product->setObjectName(QStringLiteral("ProductName"));
    product->setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 17, true));
    product->move(88, 16);
    product->adjustSize();

    auto *version = new QLabel(QStringLiteral("Version 2.0"), panel);
    version->setObjectName(QStringLiteral("Version"));
    version->setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 17));
    version->move(88, 40);
    version->adjustSize();

    auto *ok = addButton(this, QStringLiteral("OK"), "OKButton", {136, 178, 65, 33}, [this] { OKButtonClick(); });
    ok->setFocus();
    // OK is the only button and keeps the focus, so it is the default one too.
    setCancelButton(ok);
    // Centred on the screen at every opening, not over the main window as a dialog would be.
    setCentredOnScreen(true);
}

void TAboutBox::OKButtonClick()
{
    accept();
}
