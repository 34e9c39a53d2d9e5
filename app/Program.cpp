// Start-up in its order, the ways the program ends besides a window close, and the folder's lock.
#include "Program.h"

#include "About.h"
#include "Calend.h"
#include "EndSignals.h"
#include "ErrorReport.h"
#include "FirstPaintProbe.h"
#include "Fonts.h"
#include "Horloge1.h"
#include "Main.h"
#include "MessageBox.h"
#include "ModalCloseFilter.h"
#include "Pocket1.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QApplication>
#include <QLocale>
#include <QLockFile>
#include <QSessionManager>
#include <memory>

namespace {

void createForms(TMainForm &mainForm)
{
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
}

// Signals and the session end the program through the main window's own closing.
void connectEndings(TMainForm &mainForm, EndSignals &endSignals)
{
    connectGuarded(&endSignals, &EndSignals::received, &mainForm, [&mainForm] {
        if (mainForm.isVisible())
            mainForm.close();
    });
    // The session may end the program without closing its window: save now, as the closing does.
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, &mainForm,
        [&mainForm](QSessionManager &manager) {
            bool saved = false;
            ErrorReport::guarded(&mainForm, [&] { saved = mainForm.FormClose(); });
            if (!saved)
                manager.cancel();
        },
        Qt::DirectConnection);
}

} // namespace

int Program::run(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Fonts::installSubstitutions();

    // By its bare name, like the data files, so that it stays with a folder renamed during the run.
    // A lock left by a game that has ended is taken over, however old; a folder that cannot hold
    // the lock is played without it.
    QLockFile lock(LockFileName);
    lock.setStaleLockTime(0);
    if (!lock.tryLock() && lock.error() == QLockFile::LockFailedError) {
        MessageBox::showPlain(nullptr, QStringLiteral("Orv Pendu est déjà ouvert dans ce dossier."));
        return 1;
    }
    EndSignals endSignals;

    auto splash = std::make_unique<TSplash>();
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("Orv Pendu"));
    // Lets the desktop match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.orvpendu.OrvPendu"));
    app.setProperty("helpFile", QStringLiteral("Orvpendu.hlp"));

    TMainForm mainForm;
    createForms(mainForm);
    connectEndings(mainForm, endSignals);
    ModalCloseFilter closeFilter(&mainForm);
    app.installNativeEventFilter(&closeFilter);

    splash.reset();
    FirstPaintProbe::watch(&mainForm);
    mainForm.show();
    // Only now is there a shown window whose closing a signal can run.
    endSignals.listen();
    return app.exec();
}
