// The calculator window: binds the display and the keys to the calculator engine.
#include "Pocket1.h"

#include "AnnouncingArea.h"
#include "BevelPanel.h"
#include "CaptionButton.h"
#include "Decoration.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "Palette.h"
#include "Pictures.h"
#include "Readout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScopedValueRollback>
#include <utility>

namespace {

constexpr char16_t EscapeCharacter = 27;

const QColor Teal(0, 128, 128);
const QColor Navy(0, 0, 128);
const QColor Silver(192, 192, 192);

struct Key
{
    const char *name;
    const char *caption;
    int left;
    int top;
    int width;
    void (TPocket::*click)();
};

// In tab order; "3" and "6" stand one pixel right of their column.
const Key Keys[] = {
    {"Button1", "1", 8, 137, 34, &TPocket::Button1Click},
    {"Button2", "2", 56, 137, 34, &TPocket::Button2Click},
    {"Button3", "3", 105, 137, 34, &TPocket::Button3Click},
    {"Button4", "4", 8, 97, 34, &TPocket::Button4Click},
    {"Button5", "5", 56, 97, 34, &TPocket::Button5Click},
    {"Button6", "6", 105, 97, 34, &TPocket::Button6Click},
    {"Button7", "7", 8, 57, 34, &TPocket::Button7Click},
    {"Button8", "8", 56, 57, 34, &TPocket::Button8Click},
    {"Button9", "9", 104, 57, 34, &TPocket::Button9Click},
    {"Button0", "0", 56, 177, 34, &TPocket::Button0Click},
    {"Button10", ",", 8, 177, 34, &TPocket::Button10Click},
    {"Button11", "=", 104, 177, 34, &TPocket::Button11Click},
    {"Button12", "+", 152, 57, 34, &TPocket::Button12Click},
    {"Button13", "-", 152, 97, 34, &TPocket::Button13Click},
    {"Button14", "*", 152, 137, 34, &TPocket::Button14Click},
    {"Button15", "/", 152, 177, 34, &TPocket::Button15Click},
    {"Button16", "1/x", 200, 57, 34, &TPocket::Button16Click},
    {"Button17", "sqr", 200, 97, 34, &TPocket::Button17Click},
    {"Button18", "C", 200, 137, 34, &TPocket::Button18Click},
    {"Button19", "Fermer", 248, 177, 74, &TPocket::Button19Click},
};

// What a screen reader says for the keys whose caption is a sign or an abbreviation.
const std::pair<const char *, const char *> SpokenKeyNames[] = {
    {"Button10", "Virgule"}, {"Button11", "Égal"},          {"Button12", "Plus"},
    {"Button13", "Moins"},   {"Button14", "Multiplier"},    {"Button15", "Diviser"},
    {"Button16", "Inverse"}, {"Button17", "Racine carrée"}, {"Button18", "Effacer"},
};

} // namespace

TPocket::TPocket(QWidget *parent)
    : FormDialog(parent,
                 Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                     | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Pocket"));
    setWindowTitle(QStringLiteral("Calculatrice"));
    setWindowIcon(Pictures::icon(QStringLiteral("calculator"), QSize(32, 32)));
    setFont(Fonts::pixelFont(QStringLiteral("System"), 17));
    Palette::setColours(this, Teal, Qt::black);
    setFixedSize(342, 219);
    move(251, 116);

    createDisplay();
    createKeys();
    setCancelButton(findChild<QPushButton *>(QStringLiteral("Button19")));
    connect(&m_engine, &CalculatorEngine::displayChanged, m_label1, &QLabel::setText);
    // Each key that changes the display has it spoken; the clearing at opening is not a key.
    m_notice = new Notice(this);
    connect(&m_engine, &CalculatorEngine::displayChanged, m_notice, [this](const QString &text) {
        if (!m_opening)
            m_notice->say(text);
    });
}

void TPocket::createDisplay()
{
    using Edge = BevelPanel::Edge;
    auto *panel1 = new BevelPanel(Qt::white, {{Edge::Space, 2}, {Edge::Lowered, 1}}, this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(0, 0, 342, 49);

    auto *panel2 = new BevelPanel(Navy, {{Edge::Line, 1}, {Edge::Space, 5}, {Edge::Lowered, 4}}, panel1);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(4, 4, 185, 41);

    m_label1 = new Readout(QStringLiteral("Affichage"), panel2);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(10, 10, 165, 21);
    m_label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Palette::setColours(m_label1, Silver, Qt::black);

    auto *label2 = new Decoration(panel1);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(192, 8, 147, 9);
    Palette::setColours(label2, Qt::red, Qt::black);
}

void TPocket::createKeys()
{
    QWidget *previous = nullptr;
    for (const Key &key : Keys) {
        auto *button = new CaptionButton(QString::fromUtf8(key.caption), this);
        button->setObjectName(QLatin1String(key.name));
        button->setGeometry(key.left, key.top, key.width, 33);
        connectGuarded(button, &QPushButton::clicked, this, [this, click = key.click] { (this->*click)(); });
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    m_button11 = findChild<QPushButton *>(QStringLiteral("Button11"));
    for (const auto &[name, spoken] : SpokenKeyNames)
        findChild<QPushButton *>(QLatin1String(name))->setAccessibleName(QString::fromUtf8(spoken));
}

void TPocket::digitClick(int digit)
{
    m_engine.digitKey(digit);
}

void TPocket::Button10Click()
{
    m_engine.separatorKey();
}

void TPocket::Button11Click()
{
    m_engine.equalsKey();
}

void TPocket::Button12Click()
{
    m_engine.operatorKey(CalculatorEngine::Operator::Add);
}

void TPocket::Button13Click()
{
    m_engine.operatorKey(CalculatorEngine::Operator::Subtract);
}

void TPocket::Button14Click()
{
    m_engine.operatorKey(CalculatorEngine::Operator::Multiply);
}

void TPocket::Button15Click()
{
    m_engine.operatorKey(CalculatorEngine::Operator::Divide);
}

void TPocket::Button16Click()
{
    m_engine.reciprocalKey();
}

void TPocket::Button17Click()
{
    m_engine.squareRootKey();
}

// "C" clears as an opening does; the display is then blank, and the clearing is spoken.
void TPocket::Button18Click()
{
    FormActivate();
    m_notice->say(QStringLiteral("Effacé"));
}

void TPocket::Button19Click()
{
    done(Rejected);
}

void TPocket::FormActivate()
{
    const QScopedValueRollback opening(m_opening, true);
    m_engine.clear();
    m_button11->setFocus();
}

void TPocket::FormKeyPress(QChar key)
{
    const char16_t typed = key.unicode();
    if (typed >= u'0' && typed <= u'9') {
        digitClick(typed - u'0');
        return;
    }
    switch (typed) {
    case EscapeCharacter: Button19Click(); break;
    case u',':
    case u'.': Button10Click(); break;
    case u'=': Button11Click(); break;
    case u'+': Button12Click(); break;
    case u'-': Button13Click(); break;
    case u'*': Button14Click(); break;
    case u'/': Button15Click(); break;
    case u'X':
    case u'x': Button16Click(); break;
    case u'S':
    case u's': Button17Click(); break;
    case u'C':
    case u'c': Button18Click(); break;
    default: break;
    }
}

// The focused key takes Space and Enter and passes the rest on to here: a typed character goes
// through the keyboard table whichever key has the focus, and Escape presses "Fermer" from every key.
bool TPocket::formKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape && !event->text().isEmpty())
        FormKeyPress(event->text().front());
    return false;
}
