// The top-ten window: names at the left, score texts right-aligned in their column, exactly as stored.
#include "Unit7.h"

#include "ErrorReport.h"
#include "Fonts.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int NameLeft = 16;
constexpr int ScoreLeft = 232;
constexpr int ScoreWidth = 81;
constexpr int RowTop = 48;
constexpr int RowStep = 24;
constexpr int RowHeight = 16;
// A name keeps a small gap before the score column.
constexpr int NameRoom = ScoreLeft - NameLeft - 6;

} // namespace

TMeilleurs::TMeilleurs(QWidget *parent)
    : FormDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Meilleurs"));
    setWindowTitle(QStringLiteral("Les meilleurs scores"));
    setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 13));
    resize(clientSizeFor(QSize(350, 339)));
    move(200, 121);
    createControls();
}

void TMeilleurs::createControls()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bar->setGeometry(0, 0, width(), 33);
    m_panel1 = bar;

    // No cancel button: Escape has no effect in this window.
    m_button1 = addButton(m_panel1, QStringLiteral("Fermer"), "Button1", {246, 4, 75, 25}, [this] { Button1Click(); });

    for (int r = 1; r <= Ranks; ++r) {
        const int top = RowTop + RowStep * (r - 1);
        QLabel *name = new QLabel(this);
        name->setObjectName(QStringLiteral("Label%1").arg(2 * r - 1));
        name->setGeometry(NameLeft, top, 0, RowHeight);
        name->setTextFormat(Qt::PlainText);
        QLabel *score = new QLabel(this);
        score->setObjectName(QStringLiteral("Label%1").arg(2 * r));
        score->setGeometry(ScoreLeft, top, ScoreWidth, RowHeight);
        score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        score->setTextFormat(Qt::PlainText);
        // Each row is read by the keyboard through its score, named after the whole row.
        score->setFocusPolicy(Qt::TabFocus);
        m_labels[2 * r - 2] = name;
        m_labels[2 * r - 1] = score;
    }
    for (int r = 1; r <= Ranks; ++r)
        nameRow(r);
}

void TMeilleurs::Init(const QString &name, const QString &score, int rank)
{
    if (rank < 1 || rank > Ranks)
        return;
    showName(m_labels[2 * rank - 2], name);
    m_labels[2 * rank - 1]->setText(score);
    nameRow(rank);
}

// "Rang 1 : Ana, 120", with the whole name even when it is shown elided.
void TMeilleurs::nameRow(int rank)
{
    QLabel *name = m_labels[2 * rank - 2];
    const QString fullName = name->toolTip().isEmpty() ? name->text() : name->toolTip();
    const QString score = m_labels[2 * rank - 1]->text();
    m_labels[2 * rank - 1]->setAccessibleName(fullName.isEmpty() && score.isEmpty()
                                                  ? QStringLiteral("Rang %1 : vide").arg(rank)
                                                  : QStringLiteral("Rang %1 : %2, %3").arg(rank).arg(fullName, score));
}

bool TMeilleurs::formKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Up && event->key() != Qt::Key_Down)
        return FormDialog::formKeyDown(event);
    const auto row = std::find(m_labels.begin(), m_labels.end(), focusWidget());
    if (row == m_labels.end())
        return false;
    const auto at = std::distance(m_labels.begin(), row) + (event->key() == Qt::Key_Down ? 2 : -2);
    if (at > 0 && at < qsizetype(m_labels.size()))
        m_labels[std::size_t(at)]->setFocus(Qt::TabFocusReason);
    return true;
}

// The label is as wide as its text; a name too wide for its room is elided and shown whole in the tooltip.
void TMeilleurs::showName(QLabel *label, const QString &name)
{
    const QFontMetrics metrics(label->font());
    const QString shown = metrics.elidedText(name, Qt::ElideRight, NameRoom);
    label->setText(shown);
    label->setToolTip(shown == name ? QString() : name);
    label->resize(std::min(metrics.horizontalAdvance(shown) + 1, NameRoom), RowHeight);
}

void TMeilleurs::Button1Click()
{
    close();
}

void TMeilleurs::resizeEvent(QResizeEvent *event)
{
    FormDialog::resizeEvent(event);
    if (m_panel1)
        m_panel1->resize(width(), m_panel1->height());
}
