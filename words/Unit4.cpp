// The browser works on its own copy of the list, taken at each opening and emptied at each closing.
#include "Unit4.h"

#include "CaptionButton.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "Pictures.h"
#include "WordList.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int TopBarHeight = 33;
constexpr int ColumnWidth = 20;

QToolButton *arrowButton(QWidget *parent, const char *name, const QString &picture, const QString &accessibleName,
                         int left)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessibleName);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(Pictures::icon(picture, QSize(16, 16)));
    button->setIconSize(QSize(16, 16));
    button->setGeometry(left, 4, 25, 25);
    return button;
}

} // namespace

TDico::TDico(QWidget *parent) : FormDialog(parent)
{
    setWindowTitle(QStringLiteral("Dictionnaire"));
    setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 13));
    setWindowFlags(Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    m_listBox1 = new QListView(this);
    m_listBox1->setObjectName(QStringLiteral("ListBox1"));
    m_listBox1->setAccessibleName(QStringLiteral("Mots"));
    m_listBox1->setModel(&m_words);
    m_listBox1->setUniformItemSizes(true);
    m_listBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab does not reach the list; a click still does, and then Page Up / Page Down scroll it.
    m_listBox1->setFocusPolicy(Qt::ClickFocus);

    auto *below = new QHBoxLayout;
    below->setContentsMargins(0, 0, 0, 0);
    below->setSpacing(0);
    below->addWidget(m_listBox1);
    below->addWidget(createLetterColumn());

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createTopBar());
    layout->addLayout(below);

    resize(clientSizeFor(QSize(298, 469)));
    move(374, 77);
}

QWidget *TDico::createTopBar()
{
    auto *bar = new QWidget(this);
    bar->setFixedHeight(TopBarHeight);
    m_speedButton2 =
        arrowButton(bar, "SpeedButton2", QStringLiteral("arrow-left"), QStringLiteral("Lettre précédente"), 4);
    m_speedButton1 =
        arrowButton(bar, "SpeedButton1", QStringLiteral("arrow-right"), QStringLiteral("Lettre suivante"), 29);
    m_button27 = addButton(bar, QStringLiteral("Fermer"), "Button27", {62, 4, 75, 25}, [this] { Button27Click(); });

    connectGuarded(m_speedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connectGuarded(m_speedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    // Escape and the close box both press "Fermer".
    setCancelButton(m_button27);
    return bar;
}

QWidget *TDico::createLetterColumn()
{
    auto *column = new QFrame(this);
    column->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    column->setLineWidth(1);
    column->setFixedWidth(ColumnWidth);
    auto *letters = new QVBoxLayout(column);
    letters->setContentsMargins(1, 1, 1, 1);
    letters->setSpacing(0);
    const QFont font = Fonts::pixelFont(QStringLiteral("Times New Roman"), 12, true);
    for (int n = 1; n <= 26; ++n) {
        const char letter = char('A' + n - 1);
        auto *button = new CaptionButton(QString(QLatin1Char(letter)), column);
        button->setObjectName(QStringLiteral("Button%1").arg(n));
        button->setFont(font);
        button->setMinimumSize(1, 1);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        letters->addWidget(button);
        connectGuarded(button, &QPushButton::clicked, this, [this, letter] { AffMots(letter); });
    }
    return column;
}

void TDico::Init(const WordList &list)
{
    render(m_browser.Init(list));
}

void TDico::AffMots(char letter)
{
    render(m_browser.AffMots(letter));
}

void TDico::SpeedButton1Click()
{
    render(m_browser.next());
}

void TDico::SpeedButton2Click()
{
    render(m_browser.previous());
}

void TDico::render(const QStringList &words)
{
    m_words.setStringList(words);
}

void TDico::Button27Click()
{
    done(Rejected);
}

void TDico::FormClose()
{
    m_browser.FormClose();
}

// Reached from the window, its letter buttons and "Fermer"; the list keeps its own paging.
bool TDico::formKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_PageDown)
        SpeedButton1Click();
    else if (event->key() == Qt::Key_PageUp)
        SpeedButton2Click();
    else
        return false;
    return true;
}

void TDico::FormShow()
{
    m_button27->setFocus();
}
