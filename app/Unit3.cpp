// The splash: the program's picture, its name and its version on a silver panel.
#include "Unit3.h"

#include "Fonts.h"
#include "Palette.h"
#include "SvgPicture.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>

TSplash::TSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Splash"));
    setFixedSize(318, 221);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(rect());
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    Palette::setColours(panel, QColor(192, 192, 192), Qt::black);

    auto *bevel = new QFrame(panel);
    bevel->setGeometry(rect().adjusted(1, 1, -1, -1));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setLineWidth(3);

    auto *picture = new SvgPicture(QStringLiteral("program-picture"), QSize(89, 113), panel);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(32, 16, 89, 113);

    auto *name = new QLabel(QStringLiteral("Orv Pendu"), panel);
    name->setObjectName(QStringLiteral("Label1"));
    name->setFont(Fonts::pixelFont(QStringLiteral("Arial"), 23, true));
    name->move(144, 48);
    name->adjustSize();

    auto *version = new QLabel(QStringLiteral("Version 2.0"), panel);
    version->setObjectName(QStringLiteral("Label2"));
    version->setFont(Fonts::pixelFont(QStringLiteral("System"), 17, true));
    version->move(144, 96);
    version->adjustSize();

    if (const QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());
}
