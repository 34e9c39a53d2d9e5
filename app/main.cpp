// Program entry: the splash, the windows created once in their order, then the event loop.
#include "About.h"
#include "FirstPaintProbe.h"
#include "Fonts.h"
#include "Main.h"
#include "Pocket1.h"
#include "Calend.h"
#include "Horloge1.h"
#include "Unit3.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <memory>

namespace {

// Windows whose content comes later show their caption only.
QDialog *placeholder(QWidget *parent, const QString &caption)
{
    auto *dialog = new QDialog(parent);
    dialog->setWindowTitle(caption);
    dialog->resize(320, 200);
    return dialog;
}

} // namespace

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

    TMainForm mainForm(QDir::currentPath());
    TMainForm::Forms forms;
    forms.Ajout = placeholder(&mainForm, QStringLiteral("Ajouter mot"));
    forms.AboutBox = new TAboutBox(&mainForm);
    forms.Stats = placeholder(&mainForm, QStringLiteral("Statistiques"));
    forms.Dico = placeholder(&mainForm, QStringLiteral("Dictionnaire"));
    forms.RMots = placeholder(&mainForm, QStringLiteral("Utilitaire de recherche de mots"));
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
