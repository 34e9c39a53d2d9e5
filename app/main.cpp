// Program entry: the splash, the windows created once in their order, then the event loop.
#include "About.h"
#include "Calend.h"
#include "FirstPaintProbe.h"
#include "Fonts.h"
#include "Horloge1.h"
#include "Main.h"
#include "Pocket1.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <memory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Fonts::installSubstitutions();

    auto splash = std::make_unique<TSplash>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("Orv Pendu"));
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.orvpendu.OrvPendu"));
    app.setProperty("helpFile", QStringLiteral("Orvpendu.hlp"));

    TMainForm mainForm;
    TMainForm::Forms forms;
    forms.Ajout = new TAjout(&mainForm);
    forms.AboutBox = new TAboutBox(&mainForm);
    forms.Stats = new TStats(&mainForm);
    forms.Dico = new TDico(&mainForm);
    forms.RMots = new TRMots(&mainForm);
    forms.FJoueur = new TFJoueur(&mainForm);
    forms.Meilleurs = new TMeilleurs(&mainForm);
    forms.Calendrier = new TCalendrier(&mainForm);
    forms.Horloge = new THorloge(&mainForm);
    forms.Pocket = new TPocket(&mainForm);
    mainForm.setForms(forms);

    splash.reset();
    FirstPaintProbe::watch(&mainForm);
    mainForm.show();
    return app.exec();
}
