// Start-up in its order, the ways the program ends besides a window close, and the folder's lock.
#include "Program.h"

#include "About.h"
#include "Calend.h"
#include "EndSignals.h"
#include "ErrorReport.h"
#include "FirstPaintProbe.h"
#include "FolderLock.h"
#include "Fonts.h"
#include "Horloge1.h"
#include "Main.h"
#include "MessageBox.h"
#include "ModalCloseFilter.h"
#include "Pocket1.h"
#include "RaiseChannel.h"
#include "Session.h"
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
#include <QSessionManager>
#include <cstdlib>
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

// The main window brought forward, with the window it waits on when one is open.
void bringForward(TMainForm &mainForm)
{
    mainForm.setWindowState(mainForm.windowState() & ~Qt::WindowMinimized);
    mainForm.show();
    mainForm.raise();
    mainForm.activateWindow();
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

// The display's plug-in ends the program by exit() when its connection breaks, from inside the
// event loop: the closing then runs at exit, without a window. Off once the event loop is over.
bool closeAtExit = false;

void closingAtExit()
{
    if (closeAtExit)
        Session::shutDownAllAtExit();
}

} // namespace

int Program::run(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Fonts::installSubstitutions();

    // A second game in the folder would overwrite the first one's files at its exit: it brings the
    // first one's window forward instead, or says where the lock is when that one cannot answer.
    // A folder where no lock can be held is played without it.
    FolderLock lock;
    if (lock.heldByAnother()) {
        if (RaiseChannel(lock.folderKey()).askToRaise())
            return 0;
        MessageBox::showPlain(nullptr, QStringLiteral("Orv Pendu est déjà ouvert dans ce dossier (verrou\u00A0: %1).")
                                           .arg(QDir::toNativeSeparators(lock.heldPath())));
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
    // Only now is there a shown window whose closing a signal can run, or that a second start can raise.
    endSignals.listen();
    RaiseChannel raiseChannel(lock.folderKey());
    connectGuarded(&raiseChannel, &RaiseChannel::raiseRequested, &mainForm, [&mainForm] { bringForward(mainForm); });
    raiseChannel.listen();

    static const bool hooked = std::atexit(closingAtExit) == 0;
    closeAtExit = hooked;
    const int code = app.exec();
    closeAtExit = false;
    return code;
}
