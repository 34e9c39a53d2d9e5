// TMainForm: the main window — the game, the letter keyboard, the menus, the toolbar and the status bar.
#pragma once

#include "RandomSource.h"
#include "Session.h"

#include <QDialog>
#include <QMainWindow>
#include <QTimer>
#include <array>

class AnnouncingArea;
class CaptionButton;
class HeaderBar;
class HelpViewer;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;
class TAjout;
class TDico;
class TFJoueur;
class TMeilleurs;
class TRMots;
class TStats;

class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int OuterWidth = 765;
    static constexpr int OuterHeight = 542;

    // The windows it opens, created once at start-up after the main window.
    struct Forms
    {
        TAjout *Ajout = nullptr;
        QDialog *AboutBox = nullptr;
        TStats *Stats = nullptr;
        TDico *Dico = nullptr;
        TRMots *RMots = nullptr;
        TFJoueur *FJoueur = nullptr;
        TMeilleurs *Meilleurs = nullptr;
        QDialog *Calendrier = nullptr;
        QDialog *Horloge = nullptr;
        QDialog *Pocket = nullptr;
    };

    // FormCreate. The data files live in folder. The program keeps the default: the files are then
    // named relative to the current directory at each use, and follow the folder when it is renamed.
    // The rules draw from random, the program's own source unless a test gives its own.
    explicit TMainForm(const QString &folder = QStringLiteral("."), RandomSource &random = systemRandomSource(),
                       QWidget *parent = nullptr);
    ~TMainForm() override;

    void setForms(const Forms &forms) { m_forms = forms; }
    bool wordFileLoaded() const { return m_session.wordFileLoaded(); }

    WordList &wordList() { return m_session.wordList(); }
    GameRules &rules() { return m_session.rules(); }
    ScoreFile &scores() { return m_session.scores(); }

    // The session's start-up and shut-down, with their errors reported; the events call them,
    // tests may too.
    void FormShow();
    bool FormClose();

    // Menu and toolbar commands.
    void OpenItemClick();
    void ExitItemClick();
    void Ajoutermot1Click();
    void Supprimermot1Click();
    void Dictionnaire1Click();
    void Statistiques1Click();
    void Recherchedemots1Click();
    void Joueur1Click();
    void Top101Click();
    void Calendrier1Click();
    void Calculatrice1Click();
    void Hotloge1Click();
    void HContents();
    void HSearch();
    void HowToUse();
    void About1Click();
    void showHelpContext(int contextNumber);

    void SpeedButtonClick(int index);
    void Button13Click();
    // F3: the game told again, for a player who cannot see it.
    void SayState();
    void Timer1Timer();
    void ShowHint(const QString &hint);
    void FormResize();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Layout, in MainLayout.cpp.
    void createControls();
    void createMenu();
    void createToolbar(QWidget *client);
    void createGallows(QWidget *client);
    void createLetterBoxes(QWidget *client);
    void createRightPanel(QWidget *client);
    void createKeyboard(QWidget *client);
    void createStatusBar();
    void layoutClientArea(QWidget *client);
    QAction *addMenuEntry(QMenu *menu, const char *name, const QString &caption, const QString &hint,
                          void (TMainForm::*handler)());
    QToolButton *addSpeedButton(QWidget *panel, const char *name, int left, const QString &picture, const QString &hint,
                                void (TMainForm::*handler)());

    void render();
    // Spoken by the screen reader wherever the focus is in the window.
    void announce(const QString &text);
    // Letters typed anywhere in the game area play; menus and commands give the focus back to it.
    void focusGameArea();
    bool closeModalWindows();
    void runModal(QDialog *dialog);
    QString askWord(const QString &caption);
    HelpViewer *helpViewer();

    Session m_session;
    Forms m_forms;
    HelpViewer *m_helpViewer = nullptr;

    bool m_shown = false;
    bool m_closing = false;

    std::array<CaptionButton *, GameDisplay::BoxCount> m_boxes{};
    std::array<CaptionButton *, GameDisplay::KeyCount> m_keys{};
    std::array<QLabel *, GameDisplay::LineCount> m_lines{};
    std::array<HeaderBar *, 4> m_counters{};
    QStackedWidget *m_gallows = nullptr;
    AnnouncingArea *m_gameArea = nullptr;
    QToolButton *m_vitamin = nullptr;
    QPushButton *m_joker = nullptr;
    QLabel *m_hintPanel = nullptr;
    QLabel *m_clockPanel = nullptr;
    QTimer m_timer1;
};
