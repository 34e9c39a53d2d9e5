// The main window's controls, at the fixed places of its layout.
#include "Main.h"

#include "AnnouncingArea.h"
#include "CaptionButton.h"
#include "ErrorReport.h"
#include "FocusFrame.h"
#include "Fonts.h"
#include "HeaderBar.h"
#include "Hints.h"
#include "Palette.h"
#include "Pictures.h"
#include "Readout.h"
#include "SvgPicture.h"

#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>

namespace {

const QColor Orange(254, 127, 7);
const QColor Silver(192, 192, 192);

constexpr int ToolbarHeight = 33;
constexpr int KeyboardHeight = 72;
constexpr int StatusHeight = 25;
constexpr int RightPanelWidth = 351;
constexpr int BoxesLeft = 24;
constexpr int BoxesTop = 352;
constexpr int BoxSize = 30;
constexpr int FieldFrameMargin = 2;
constexpr int ClientWidth = TMainForm::OuterWidth - 8;             // a 4-pixel frame on each side
constexpr int ClientHeight = TMainForm::OuterHeight - 8 - 23 - 19; // frame, caption, menu

QFont arial(int pixels)
{
    return Fonts::pixelFont(QStringLiteral("Arial"), pixels, true);
}

} // namespace

void TMainForm::createControls()
{
    setWindowTitle(QStringLiteral("Orv Pendu"));
    setWindowIcon(Pictures::icon(QStringLiteral("orv-pendu"), QSize(256, 256)));
    setFont(arial(30));
    setProperty("helpContext", 2);

    auto *client = new AnnouncingArea(QStringLiteral("Jeu"), this);
    client->setObjectName(QStringLiteral("ClientArea"));
    // Tab reaches it too; a click on the background leaves the focus where it was.
    client->setFocusPolicy(Qt::TabFocus);
    client->setAccessibleDescription(QStringLiteral("Tapez une lettre pour la jouer"));
    m_gameArea = client;
    Palette::setBackground(client, Orange);
    setCentralWidget(client);
    client->installEventFilter(this);
    // The panels cover the area's edges: its frame goes round the orange field they leave.
    FocusFrame::follow(client, [client] {
        return QRect(0, ToolbarHeight, client->width() - RightPanelWidth,
                     client->height() - KeyboardHeight - ToolbarHeight)
            .adjusted(FieldFrameMargin, FieldFrameMargin, -FieldFrameMargin, -FieldFrameMargin);
    });
    // Any smaller, the right panel and the keyboard would slide over the gallows and the letter boxes.
    client->setMinimumSize(BoxesLeft + BoxSize * GameDisplay::BoxCount + RightPanelWidth,
                           BoxesTop + BoxSize + KeyboardHeight);

    menuBar()->setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 13));
    menuBar()->installEventFilter(this);
    createMenu();
    createToolbar(client);
    createGallows(client);
    createLetterBoxes(client);
    createRightPanel(client);
    createKeyboard(client);
    createStatusBar();

    move(29, 23);
    resize(ClientWidth, menuBar()->sizeHint().height() + ClientHeight);
    client->setFocus();
}

void TMainForm::createMenu()
{
    const auto addMenu = [this](const QString &title, const char *name, int helpContext) {
        QMenu *menu = menuBar()->addMenu(title);
        menu->setFont(menuBar()->font());
        menu->setObjectName(QLatin1String(name));
        menu->setProperty("helpContext", helpContext);
        menu->installEventFilter(this);
        connect(menu, &QMenu::aboutToHide, this, [this] { ShowHint(QString()); });
        return menu;
    };

    QMenu *file = addMenu(QStringLiteral("&Fichier"), "Fichier1", 3);
    addMenuEntry(file, "OpenItem", QStringLiteral("&Nouvelle partie"), QStringLiteral("Nouvelle partie"),
                 &TMainForm::OpenItemClick)
        ->setShortcut(Qt::Key_F2);
    file->addSeparator();
    addMenuEntry(file, "ExitItem", QStringLiteral("&Quitter"), QStringLiteral("Quitter l'application"),
                 &TMainForm::ExitItemClick)
        ->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    QMenu *words = addMenu(QStringLiteral("&Mots"), "Mots1", 4);
    addMenuEntry(words, "Ajoutermot1", QStringLiteral("&Ajouter mot"), QStringLiteral("Ajouter un mot"),
                 &TMainForm::Ajoutermot1Click);
    addMenuEntry(words, "Supprimermot1", QStringLiteral("&Supprimer mot"), QStringLiteral("Supprimer un mot"),
                 &TMainForm::Supprimermot1Click);
    words->addSeparator();
    addMenuEntry(words, "Dictionnaire1", QStringLiteral("&Dictionnaire"), QStringLiteral("Liste des mots"),
                 &TMainForm::Dictionnaire1Click);
    addMenuEntry(words, "Statistiques1", QStringLiteral("&Statistiques"),
                 QStringLiteral("Statistiques sur le dictionnaire"), &TMainForm::Statistiques1Click);
    words->addSeparator();
    addMenuEntry(words, "Recherchedemots1", QStringLiteral("&Recherche de mots"), QStringLiteral("Rechercher un mot"),
                 &TMainForm::Recherchedemots1Click);

    QMenu *game = addMenu(QStringLiteral("&Jeu"), "Jeu1", 5);
    addMenuEntry(game, "Joueur1", QStringLiteral("&Joueur..."), QStringLiteral("Définir le joueur"),
                 &TMainForm::Joueur1Click);
    addMenuEntry(game, "Top101", QStringLiteral("Top 10"), QStringLiteral("Le top du classement"),
                 &TMainForm::Top101Click);

    QMenu *tools = addMenu(QStringLiteral("&Utilitaires"), "Utilitaires1", 6);
    addMenuEntry(tools, "Calendrier1", QStringLiteral("&Calendrier"), QStringLiteral("Calendrier"),
                 &TMainForm::Calendrier1Click);
    addMenuEntry(tools, "Calculatrice1", QStringLiteral("C&alculatrice"), QStringLiteral("Calculatrice"),
                 &TMainForm::Calculatrice1Click);
    addMenuEntry(tools, "Hotloge1", QStringLiteral("&Horloge"), QStringLiteral("Horloge"), &TMainForm::Hotloge1Click);

    QMenu *help = addMenu(QStringLiteral("&Aide"), "Aide1", 7);
    addMenuEntry(help, "Index1", QStringLiteral("&Index"), QStringLiteral("Sommaire de l'aide"), &TMainForm::HContents);
    addMenuEntry(help, "Recherche1", QStringLiteral("&Recherche"), QStringLiteral("Chercher mot clé"),
                 &TMainForm::HSearch);
    addMenuEntry(help, "Utiliserlaide1", QStringLiteral("&Utiliser l'aide"), QStringLiteral("Utilisation de l'aide"),
                 &TMainForm::HowToUse);
    help->addSeparator();
    addMenuEntry(help, "About1", QStringLiteral("&A propos..."), QStringLiteral("Informations sur le logiciel"),
                 &TMainForm::About1Click);
}

QAction *TMainForm::addMenuEntry(QMenu *menu, const char *name, const QString &caption, const QString &hint,
                                 void (TMainForm::*handler)())
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    setHint(action, hint);
    connect(action, &QAction::hovered, this, [this, action] { ShowHint(longHint(action)); });
    connectGuarded(action, &QAction::triggered, this, [this, handler] {
        focusGameArea();
        (this->*handler)();
    });
    return action;
}

void TMainForm::createToolbar(QWidget *client)
{
    auto *panel = new QFrame(client);
    panel->setObjectName(QStringLiteral("SpeedPanel"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Palette::setBackground(panel, Silver);

    addSpeedButton(panel, "OpenBtn", 12, QStringLiteral("new-game"), QStringLiteral("Nouvelle partie"),
                   &TMainForm::OpenItemClick);
    addSpeedButton(panel, "SpeedButton28", 54, QStringLiteral("add-word"), QStringLiteral("Ajouter mot"),
                   &TMainForm::Ajoutermot1Click);
    addSpeedButton(panel, "SpeedButton27", 78, QStringLiteral("remove-word"), QStringLiteral("Supprimer mot"),
                   &TMainForm::Supprimermot1Click);
    addSpeedButton(panel, "SpeedButton31", 103, QStringLiteral("dictionary"), QStringLiteral("Dictionnaire"),
                   &TMainForm::Dictionnaire1Click);
    addSpeedButton(panel, "SpeedButton32", 128, QStringLiteral("statistics"), QStringLiteral("Statistiques"),
                   &TMainForm::Statistiques1Click);
    addSpeedButton(panel, "SpeedButton30", 152, QStringLiteral("search"), QStringLiteral("Chercher"),
                   &TMainForm::Recherchedemots1Click);
    addSpeedButton(panel, "SpeedButton33", 176, QStringLiteral("player"), QStringLiteral("Joueur"),
                   &TMainForm::Joueur1Click);
    addSpeedButton(panel, "SpeedButton34", 200, QStringLiteral("top-ten"), QStringLiteral("Top 10"),
                   &TMainForm::Top101Click);
    addSpeedButton(panel, "ExitBtn", 257, QStringLiteral("exit"), QStringLiteral("Quitter|"), &TMainForm::ExitItemClick)
        ->setIconSize(QSize(20, 20));
}

QToolButton *TMainForm::addSpeedButton(QWidget *panel, const char *name, int left, const QString &picture,
                                       const QString &hint, void (TMainForm::*handler)())
{
    auto *button = new QToolButton(panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 4, 25, 25);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(Pictures::icon(picture, QSize(20, 20)));
    button->setIconSize(QSize(20, 20));
    setHint(button, hint);
    button->setAccessibleName(splitHint(hint).shortPart);
    button->installEventFilter(this);
    connectGuarded(button, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    return button;
}

void TMainForm::createGallows(QWidget *client)
{
    m_gallows = new QStackedWidget(client);
    m_gallows->setObjectName(QStringLiteral("Notebook1"));
    m_gallows->setGeometry(42, 81, 287, 240);
    Palette::setBackground(m_gallows, Silver);
    m_gallows->setAccessibleName(QStringLiteral("Potence"));

    auto *empty = new QWidget(m_gallows);
    empty->setObjectName(QStringLiteral("Page0"));
    m_gallows->addWidget(empty);
    for (int page = 1; page <= 6; ++page) {
        auto *picture = new SvgPicture(QStringLiteral("gallows%1").arg(page), QSize(218, 240), m_gallows);
        picture->setObjectName(QStringLiteral("Page%1").arg(page));
        m_gallows->addWidget(picture);
    }
    m_gallows->setCurrentIndex(6);
}

void TMainForm::createLetterBoxes(QWidget *client)
{
    for (int i = 0; i < GameDisplay::BoxCount; ++i) {
        auto *box = new CaptionButton(QString(), client);
        box->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        box->setGeometry(BoxesLeft + BoxSize * i, BoxesTop, BoxSize, BoxSize);
        box->setFont(arial(30));
        box->setFocusPolicy(Qt::StrongFocus);
        FocusFrame::follow(box);
        box->setAccessibleDescription(QStringLiteral("Lettre %1 du mot").arg(i + 1));
        m_boxes[std::size_t(i)] = box;
    }
}

void TMainForm::createRightPanel(QWidget *client)
{
    auto *panel = new QFrame(client);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    const int lineTops[GameDisplay::LineCount] = {8, 40, 80, 112, 152};
    for (int i = 0; i < GameDisplay::LineCount; ++i) {
        auto *line = new QLabel(panel);
        line->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        line->setGeometry(24, lineTops[i], RightPanelWidth - 34, 30);
        line->setFont(arial(23));
        m_lines[std::size_t(i)] = line;
    }

    const QString captions[4] = {QStringLiteral("Nombre de parties"), QStringLiteral("Gagnées"),
                                 QStringLiteral("Perdues"), QStringLiteral("Score")};
    for (int i = 0; i < 4; ++i) {
        auto *header = new HeaderBar(panel);
        header->setObjectName(QStringLiteral("Header%1").arg(i + 2));
        header->setGeometry(10, 217 + 29 * i, 319, 30);
        header->setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 20, true));
        header->setCounter(true);
        header->addSection(captions[i], i == 0 ? 205 : 204);
        header->addSection(QStringLiteral("0"));
        m_counters[std::size_t(i)] = header;
    }
}

void TMainForm::createKeyboard(QWidget *client)
{
    auto *panel = new QFrame(client);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    static constexpr int LowerRowLefts[13] = {13, 42, 71, 100, 128, 157, 186, 215, 244, 273, 302, 331, 360};
    for (int i = 0; i < GameDisplay::KeyCount; ++i) {
        const QChar letter(u'A' + i);
        auto *key = new CaptionButton(QString(letter), panel);
        key->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        const bool upper = i < 13;
        const int width = (letter >= u'R' && letter <= u'V') ? 31 : 30;
        key->setGeometry(upper ? 12 + 29 * i : LowerRowLefts[i - 13], upper ? 4 : 38, width, 30);
        key->setFont(arial(30));
        key->setFocusPolicy(Qt::NoFocus);
        key->setEnabled(false);
        connectGuarded(key, &QPushButton::clicked, this, [this, i] { SpeedButtonClick(i); });
        m_keys[std::size_t(i)] = key;
    }

    m_joker = new QPushButton(QStringLiteral("Joker"), panel);
    m_joker->setObjectName(QStringLiteral("Button13"));
    m_joker->setGeometry(408, 24, 75, 25);
    m_joker->setFont(arial(20));
    // The caption shows the revealed letter; the name stays, the letter goes to the description.
    m_joker->setAccessibleName(QStringLiteral("Joker"));
    FocusFrame::follow(m_joker);
    connectGuarded(m_joker, &QPushButton::clicked, this, [this] { Button13Click(); });

    m_vitamin = new QToolButton(panel);
    m_vitamin->setObjectName(QStringLiteral("SpeedButton29"));
    m_vitamin->setGeometry(504, 24, 25, 25);
    m_vitamin->setAutoRaise(true);
    m_vitamin->setFocusPolicy(Qt::NoFocus);
    m_vitamin->setIcon(Pictures::icon(QStringLiteral("vitamin"), QSize(20, 20)));
    m_vitamin->setIconSize(QSize(20, 20));
    m_vitamin->setAccessibleName(QStringLiteral("Vitamine"));
    m_vitamin->setVisible(false);
}

void TMainForm::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(StatusHeight);
    bar->setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 13));

    m_hintPanel = new QLabel(bar);
    m_hintPanel->setObjectName(QStringLiteral("HintPanel"));
    m_hintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_clockPanel = new Readout(QStringLiteral("Heure"), bar);
    m_clockPanel->setObjectName(QStringLiteral("ClockPanel"));
    m_clockPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(m_hintPanel);
    bar->addWidget(m_clockPanel, 1);
}

// The panels keep their sides as the window changes size; the rest stays where it was put.
void TMainForm::layoutClientArea(QWidget *client)
{
    const int w = client->width(), h = client->height();
    findChild<QFrame *>(QStringLiteral("SpeedPanel"))->setGeometry(0, 0, w, ToolbarHeight);
    findChild<QFrame *>(QStringLiteral("Panel1"))->setGeometry(0, h - KeyboardHeight, w, KeyboardHeight);
    findChild<QFrame *>(QStringLiteral("Panel2"))
        ->setGeometry(w - RightPanelWidth, ToolbarHeight, RightPanelWidth, h - KeyboardHeight - ToolbarHeight);
}
