// The calendar window: a teal panel with the month buttons and the header over the month grid.
#include "Calend.h"

#include "AnnouncingArea.h"
#include "BevelPanel.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "MonthGrid.h"
#include "MonthMove.h"
#include "Palette.h"
#include "Pictures.h"
#include "Readout.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor Teal(0, 128, 128);
constexpr int HeaderWidth = 372;

} // namespace

TCalendrier::TCalendrier(QWidget *parent, const QDate &today)
    : FormDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Calendrier"));
    setWindowTitle(QStringLiteral("Calendrier"));
    setWindowIcon(Pictures::icon(QStringLiteral("calendar"), QSize(32, 32)));
    setFont(Fonts::pixelFont(QStringLiteral("System"), 17));
    resize(clientSizeFor(QSize(377, 274)));
    move(200, 112);

    m_calendar1 = new MonthGrid(today, this);
    m_calendar1->setObjectName(QStringLiteral("Calendar1"));
    m_calendar1->setGeometry(-3, 98, 372, 143);
    connectGuarded(m_calendar1, &MonthGrid::changed, this, [this] { Calendar1Change(); });
    m_calendar1->installEventFilter(this);

    createPanel();
    setTabOrder(m_calendar1, m_button1);
    setTabOrder(m_button1, m_bitBtn1);
    setTabOrder(m_bitBtn1, m_bitBtn2);
    // Later openings keep the control that had the focus at the last closing.
    m_calendar1->setFocus();
    m_notice = new Notice(this);
    FormActivate();
}

void TCalendrier::createPanel()
{
    using Edge = BevelPanel::Edge;
    m_panel1 = new BevelPanel(Teal, {{Edge::Line, 1}, {Edge::Lowered, 2}, {Edge::Lowered, 2}}, this);
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    m_panel1->setGeometry(0, 0, width(), 96);

    m_bitBtn1 = createButton("BitBtn1", QStringLiteral("Mois"), 16, [this] { BitBtn1Click(); });
    m_bitBtn1->setIcon(Pictures::icon(QStringLiteral("month-previous"), QSize(16, 16)));
    m_bitBtn1->setAccessibleName(QStringLiteral("Mois précédent"));

    // The triangle goes to the right of the caption.
    m_bitBtn2 = createButton("BitBtn2", QStringLiteral("Mois"), 126, [this] { BitBtn2Click(); });
    m_bitBtn2->setIcon(Pictures::icon(QStringLiteral("month-next"), QSize(16, 16)));
    m_bitBtn2->setLayoutDirection(Qt::RightToLeft);
    m_bitBtn2->setAccessibleName(QStringLiteral("Mois suivant"));

    m_button1 = createButton("Button1", QStringLiteral("Fermer"), 262, [this] { Button1Click(); });
    setCancelButton(m_button1);

    m_label1 = new Readout(QStringLiteral("Mois affiché"), m_panel1);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(-16, 55, HeaderWidth, 27);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setFont(Fonts::pixelFont(QStringLiteral("Arial"), 23, true));
    Palette::setTextColour(m_label1, Qt::red);
}

QPushButton *TCalendrier::createButton(const char *name, const QString &caption, int left,
                                       std::function<void()> onClick)
{
    auto *button = addButton(m_panel1, caption, name, {left, 10, 89, 33}, std::move(onClick));
    button->installEventFilter(this);
    return button;
}

QDate TCalendrier::date() const
{
    return m_calendar1->date();
}

// The header is re-centred in its full width whatever the length of the month's name.
void TCalendrier::FormActivate()
{
    m_label1->setText(monthHeader(m_calendar1->date()));
    m_label1->resize(HeaderWidth, m_label1->height());
}

// The grid speaks the day it moves its focus to; a change made from a button is spoken here.
void TCalendrier::Calendar1Change()
{
    FormActivate();
    if (!m_calendar1->hasFocus())
        m_notice->say(QStringLiteral("%1 : %2").arg(m_label1->text(), spokenDate(m_calendar1->date())));
}

void TCalendrier::BitBtn1Click()
{
    m_calendar1->PrevMonth();
}

void TCalendrier::BitBtn2Click()
{
    m_calendar1->NextMonth();
}

void TCalendrier::Button1Click()
{
    done(Rejected);
}

bool TCalendrier::Calendar1KeyDown(int key)
{
    switch (key) {
    case Qt::Key_PageDown: m_calendar1->NextMonth(); return true;
    case Qt::Key_PageUp: m_calendar1->PrevMonth(); return true;
    case Qt::Key_Escape: Button1Click(); return true;
    default: return false;
    }
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
    return FormDialog::eventFilter(watched, event);
}

void TCalendrier::resizeEvent(QResizeEvent *event)
{
    FormDialog::resizeEvent(event);
    if (m_panel1)
        m_panel1->resize(width(), m_panel1->height());
}
