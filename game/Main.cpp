// The main window's handlers: start-up, shut-down, the game's input and the routing of the menus.
#include "Main.h"

#include "AnnouncingArea.h"
#include "CaptionButton.h"
#include "ErrorReport.h"
#include "HeaderBar.h"
#include "HelpViewer.h"
#include "Hints.h"
#include "MainAnnouncement.h"
#include "MessageBox.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "WordEditing.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTime>
#include <QToolButton>

namespace {
const QString QuitWithoutWordsQuestion = QStringLiteral("Quitter sans enregistrer la liste de mots\u00A0? Les mots "
                                                        "ajoutés ou supprimés depuis le lancement seront perdus.");
}

TMainForm::TMainForm(const QString &folder, RandomSource &random, QWidget *parent)
    : QMainWindow(parent)
    , m_session(folder, random)
{
    setObjectName(QStringLiteral("MainForm"));
    createControls();
    connect(&rules(), &GameRules::displayChanged, this, &TMainForm::render);
    m_timer1.setInterval(1000);
    connect(&m_timer1, &QTimer::timeout, this, [this] { ErrorReport::guarded(this, [this] { Timer1Timer(); }); });
    m_timer1.start();
    Timer1Timer();
    render();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormShow()
{
    FormResize();
    m_session.startUp();
}

// Returns false when the word file could not be written: the window then stays open.
bool TMainForm::FormClose()
{
    return m_session.shutDown([this](const std::function<void()> &step) { return ErrorReport::guarded(this, step); });
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    ErrorReport::guardedDeferred(this, [this] { FormShow(); });
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (m_closing || !closeModalWindows()) {
        event->ignore();
        return;
    }
    m_closing = true;
    // When the word file cannot be written the closing stops; the score file is written already,
    // so the player may still leave without the word list.
    const bool mayClose = FormClose() || ErrorReport::confirm(this, QuitWithoutWordsQuestion);
    m_closing = false;
    if (!mayClose) {
        event->ignore();
        return;
    }
    // The help window would otherwise keep the program running.
    if (m_helpViewer)
        m_helpViewer->close();
    event->accept();
}

// A close request that comes while a window is open modally (a signal, the session's end) closes
// that window first. False when one refuses to close.
bool TMainForm::closeModalWindows()
{
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (!modal->close() || modal->isVisible())
            return false;
    }
    return true;
}

void TMainForm::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.size() == 1)
        ErrorReport::guarded(this, [this, c = text.at(0)] {
            const GameMoment before = momentOf(rules());
            rules().FormKeyPress(c);
            announce(letterAnnouncement(c, before, momentOf(rules())));
        });
    QMainWindow::keyPressEvent(event);
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

bool TMainForm::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_F1: ErrorReport::guarded(this, [this] { showHelpContext(2); }); return true;
        case Qt::Key_F3: ErrorReport::guarded(this, [this] { SayState(); }); return true;
        default: break;
        }
    }
    return QMainWindow::event(event);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == centralWidget())
            layoutClientArea(centralWidget());
        break;
    case QEvent::Enter:
        if (qobject_cast<QToolButton *>(watched))
            ShowHint(longHint(watched));
        break;
    case QEvent::Leave:
        if (qobject_cast<QToolButton *>(watched))
            ShowHint(QString());
        break;
    case QEvent::KeyPress:
        // The menu bar hands the focus back only to a widget that had it before; the game takes it otherwise.
        if (watched == menuBar() && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            static_cast<QObject *>(menuBar())->event(event);
            focusGameArea();
            return true;
        }
        if (auto *menu = qobject_cast<QMenu *>(watched); menu && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
            const int context = menu->property("helpContext").toInt();
            menu->close();
            ErrorReport::guarded(this, [this, context] { showHelpContext(context); });
            return true;
        }
        break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::render()
{
    const GameDisplay &d = rules().display();
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        m_boxes[i]->setVisible(d.boxVisible[i]);
        m_boxes[i]->setText(d.boxCaption[i]);
        m_boxes[i]->setAccessibleName(d.boxCaption[i] == QLatin1String(".") ? QStringLiteral("lettre cachée")
                                                                            : d.boxCaption[i]);
        // Empty boxes before the first game hold nothing to read.
        m_boxes[i]->setFocusPolicy(d.boxCaption[i].isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    }
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        m_keys[i]->setEnabled(d.keyEnabled[i]);
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        m_lines[i]->setText(d.lines[i]);
    const QString counters[4] = {d.gamesCounter, d.winsCounter, d.lossesCounter, d.scoreCounter};
    for (std::size_t i = 0; i < m_counters.size(); ++i)
        m_counters[i]->setSectionText(1, counters[i]);
    m_gallows->setCurrentIndex(d.gallowsPage);
    m_gallows->setAccessibleDescription(QStringLiteral("Étape %1 sur 6").arg(d.gallowsPage));
    m_vitamin->setVisible(d.vitaminVisible);
    // The revealed letter is spoken as the Joker is used and by F3; the name stays "Joker".
    m_joker->setText(d.jokerCaption);
}

void TMainForm::announce(const QString &text)
{
    m_gameArea->announce(text);
}

void TMainForm::focusGameArea()
{
    const QWidget *focus = focusWidget();
    if (focus != m_gameArea && !m_gameArea->isAncestorOf(focus))
        m_gameArea->setFocus(Qt::OtherFocusReason);
}

void TMainForm::OpenItemClick()
{
    rules().OpenItemClick();
    announce(newGameAnnouncement(momentOf(rules())));
}

void TMainForm::ExitItemClick()
{
    close();
}

void TMainForm::SpeedButtonClick(int index)
{
    const GameMoment before = momentOf(rules());
    rules().LetterKeyClick(char('A' + index));
    announce(letterAnnouncement(QChar(u'A' + index), before, momentOf(rules())));
}

void TMainForm::Button13Click()
{
    const GameMoment before = momentOf(rules());
    rules().Button13Click();
    announce(jokerAnnouncement(before, momentOf(rules())));
}

void TMainForm::SayState()
{
    announce(stateAnnouncement(momentOf(rules())));
}

void TMainForm::Timer1Timer()
{
    m_clockPanel->setText(QStringLiteral("    ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void TMainForm::ShowHint(const QString &hint)
{
    m_hintPanel->setText(hint);
}

void TMainForm::FormResize()
{
    m_hintPanel->setFixedWidth(std::max(0, frameGeometry().width() - 100));
}

void TMainForm::runModal(QDialog *dialog)
{
    if (dialog)
        dialog->exec();
}

QString TMainForm::askWord(const QString &caption)
{
    // A list that may not change is refused before any word is typed.
    if (wordList().fileUnread())
        return QString();
    m_forms.Ajout->setWindowTitle(caption);
    m_forms.Ajout->exec();
    QString word;
    m_forms.Ajout->Result(word);
    return word;
}

void TMainForm::Ajoutermot1Click()
{
    const QString message = messageFor(addWord(wordList(), askWord(QStringLiteral("Ajouter un mot"))));
    if (!message.isEmpty())
        MessageBox::showPlain(this, message);
}

void TMainForm::Supprimermot1Click()
{
    const QString message = messageFor(removeWord(wordList(), askWord(QStringLiteral("Supprimer un mot"))));
    if (!message.isEmpty())
        MessageBox::showPlain(this, message);
}

void TMainForm::Dictionnaire1Click()
{
    m_forms.Dico->Init(wordList());
    m_forms.Dico->exec();
}

void TMainForm::Statistiques1Click()
{
    m_forms.Stats->Init(wordList());
    m_forms.Stats->exec();
}

void TMainForm::Recherchedemots1Click()
{
    m_forms.RMots->Init(wordList());
    m_forms.RMots->exec();
}

void TMainForm::Joueur1Click()
{
    m_forms.FJoueur->Init(scores().playerNameText());
    m_forms.FJoueur->exec();
    QString name = scores().playerNameText();
    m_forms.FJoueur->Result(name);
    scores().setPlayerNameText(name);
}

void TMainForm::Top101Click()
{
    for (int rank = 1; rank <= ScoreFile::Ranks; ++rank) {
        const TopTenEntry &entry = scores().TopTen()[std::size_t(rank - 1)];
        m_forms.Meilleurs->Init(entry.nameText(), entry.scoreText(), rank);
    }
    m_forms.Meilleurs->exec();
}

void TMainForm::Calendrier1Click()
{
    runModal(m_forms.Calendrier);
}

void TMainForm::Calculatrice1Click()
{
    runModal(m_forms.Pocket);
}

void TMainForm::Hotloge1Click()
{
    runModal(m_forms.Horloge);
}

void TMainForm::About1Click()
{
    runModal(m_forms.AboutBox);
}

HelpViewer *TMainForm::helpViewer()
{
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer(this);
    return m_helpViewer;
}

void TMainForm::HContents()
{
    helpViewer()->showContents();
}

void TMainForm::HSearch()
{
    helpViewer()->showSearch(QString());
}

void TMainForm::HowToUse()
{
    helpViewer()->showHelpOnHelp();
}

void TMainForm::showHelpContext(int contextNumber)
{
    helpViewer()->showContext(contextNumber);
}
