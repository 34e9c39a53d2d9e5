// The calendar window: a teal panel with the month buttons and the header over the month grid.
#include "Calend.h"

#include "Accessibility.h"
#include "BevelPanel.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "MonthGrid.h"
#include "MonthMove.h"
#include "Pictures.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor Teal(0, 128, 128);
constexpr int HeaderWidth = 372;

} // namespace

TCalendrier::TCalendrier(QWidget *parent, const QDate &today)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Calendrier"));
    setWindowTitle(QStringLiteral("Calendrier"));
    setWindowIcon(Pictures::icon(QStringLiteral("calendar"), QSize(32, 32)));
    setFont(Fonts::pixelFont(QStringLiteral("System"), 17));
    // 377 x 274 with a sizing frame and a title bar.
    resize(369, 247);
    move(200, 112);

    Calendar1 = new MonthGrid(today, this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setGeometry(-3, 98, 372, 143);
    connectGuarded(Calendar1, &MonthGrid::changed, this, [this] { Calendar1Change(); });
    Calendar1->installEventFilter(this);

    createPanel();
    setTabOrder(Calendar1, Button1);
    setTabOrder(Button1, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    // Later openings keep the control that had the focus at the last closing.
    Calendar1->setFocus();
    FormActivate();
}

void TCalendrier::createPanel()
{
    Panel1 = new BevelPanel(Teal, {{BevelPanel::Edge::Line, 1}, {BevelPanel::Edge::Lowered, 2}, {BevelPanel::Edge::Lowered, 2}},
                            this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, width(), 96);

    BitBtn1 = createButton(QStringLiteral("BitBtn1"), QStringLiteral("Mois"), 16);
    BitBtn1->setIcon(Pictures::icon(QStringLiteral("month-previous"), QSize(16, 16)));
    BitBtn1->setAccessibleName(QStringLiteral("Mois précédent"));
    connectGuarded(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });

    // The triangle goes to the right of the caption.
    BitBtn2 = createButton(QStringLiteral("BitBtn2"), QStringLiteral("Mois"), 126);
    BitBtn2->setIcon(Pictures::icon(QStringLiteral("month-next"), QSize(16, 16)));
    BitBtn2->setLayoutDirection(Qt::RightToLeft);
    BitBtn2->setAccessibleName(QStringLiteral("Mois suivant"));
    connectGuarded(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });

    Button1 = createButton(QStringLiteral("Button1"), QStringLiteral("Fermer"), 262);
    connectGuarded(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    Label1 = new Readout(QStringLiteral("Mois affiché"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(-16, 55, HeaderWidth, 27);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(Fonts::pixelFont(QStringLiteral("Arial"), 23, true));
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label1->setPalette(red);
}

QPushButton *TCalendrier::createButton(const QString &name, const QString &caption, int left)
{
    auto *button = new QPushButton(caption, Panel1);
    button->setObjectName(name);
    button->setGeometry(left, 10, 89, 33);
    button->installEventFilter(this);
    return button;
}

QDate TCalendrier::date() const
{
    return Calendar1->date();
}

// The header is re-centred in its full width whatever the length of the month's name.
void TCalendrier::FormActivate()
{
    Label1->setText(monthHeader(Calendar1->date()));
    Label1->resize(HeaderWidth, Label1->height());
}

void TCalendrier::Calendar1Change()
{
    FormActivate();
}

void TCalendrier::BitBtn1Click()
{
    Calendar1->PrevMonth();
}

void TCalendrier::BitBtn2Click()
{
    Calendar1->NextMonth();
}

void TCalendrier::Button1Click()
{
    close();
}

bool TCalendrier::Calendar1KeyDown(int key)
{
    switch (key) {
    case Qt::Key_PageDown:
        Calendar1->NextMonth();
        return true;
    case Qt::Key_PageUp:
        Calendar1->PrevMonth();
        return true;
    case Qt::Key_Escape:
        Button1Click();
        return true;
    default:
        return false;
    }
}

bool TCalendrier::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        ErrorReport::guarded(this, [this] { FormActivate(); });
    return QDialog::event(event);
}

// Key-downs of the grid and the buttons reach the window's handler before the control's own.
bool TCalendrier::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        bool used = false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        ErrorReport::guarded(this, [this, key, &used] { used = Calendar1KeyDown(key); });
        if (used)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TCalendrier::keyPressEvent(QKeyEvent *event)
{
    ErrorReport::guarded(this, [this, event] {
        // A focused button takes Enter itself; in the grid it presses nothing.
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
            QDialog::keyPressEvent(event);
    });
}

void TCalendrier::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (Panel1)
        Panel1->resize(width(), Panel1->height());
}
