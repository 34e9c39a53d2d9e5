// Everything but the copy of the list and the palette's visibility is kept from one opening to the next.
#include "Unit5.h"

#include "AnnouncingArea.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "HeaderBar.h"
#include "LengthField.h"
#include "Palette.h"
#include "WordList.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>

namespace {

constexpr int CellsLeft = 80;
constexpr int CellPitch = 32;
constexpr char PaletteCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ.";
// How many of the words found are read out after the count.
constexpr int SpokenResults = 5;

QFrame *frame(QWidget *parent, QRect geometry)
{
    auto *box = new QFrame(parent);
    box->setFrameStyle(QFrame::Panel | QFrame::Raised);
    box->setGeometry(geometry);
    return box;
}

} // namespace

PatternCell::PatternCell(int position, QWidget *parent)
    : Readout(QStringLiteral("Position %1").arg(position), parent, QAccessible::EditableText)
{
    // Tab only: a click chooses the cell as before and leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(QStringLiteral("Tapez une lettre, Suppr remet le point"));
}

void PatternCell::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const QChar typed = text.size() == 1 ? text.front().toUpper() : QChar();
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace || typed == WordSearch::AnyLetter)
        Q_EMIT this->typed(WordSearch::AnyLetter);
    else if (typed >= u'A' && typed <= u'Z' && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        Q_EMIT this->typed(typed);
    else if (event->key() == Qt::Key_Space)
        Q_EMIT chosen();
    else
        Readout::keyPressEvent(event);
}

void PatternCell::paintEvent(QPaintEvent *event)
{
    Readout::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

TRMots::TRMots(QWidget *parent) : FormDialog(parent)
{
    setWindowTitle(QStringLiteral("Utilitaire de recherche de mots"));
    setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 13));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(520, 343);
    move(128, 111);

    createPatternFrame();
    createResultFrame();
    createPalette();

    addButton(this, QStringLiteral("Rechercher"), "Button2", {400, 287, 108, 23}, [this] { Button2Click(); });
    auto *button3 =
        addButton(this, QStringLiteral("Fermer"), "Button3", {400, 312, 108, 23}, [this] { Button3Click(); });
    // "Fermer" is not a cancel button: Escape does nothing here, the close box closes as "Fermer" does.
    setCloseBoxButton(button3);
    m_notice = new Notice(this);

    renderPattern();
}

void TRMots::createPatternFrame()
{
    QFrame *upper = frame(this, QRect(8, 8, 504, 72));

    auto *label1 = new QLabel(QStringLiteral("Longueur"), upper);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(12, 10, 60, 20);

    m_spinEdit1 = new LengthField(upper);
    m_spinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    m_spinEdit1->setGeometry(12, 36, 52, 24);
    // The cells open and close with the length, whichever way it is changed.
    m_spinEdit1->installEventFilter(this);
    label1->setBuddy(m_spinEdit1);

    // The position numbers only label the cells: no clicks, no resizing.
    m_header1 = new HeaderBar(upper);
    m_header1->setObjectName(QStringLiteral("Header1"));
    m_header1->setGeometry(CellsLeft, 10, CellPitch * WordSearch::Cells, 20);
    for (int p = 1; p <= WordSearch::Cells; ++p)
        m_header1->addSection(QString::number(p), CellPitch)->setAlignment(Qt::AlignCenter);

    const QFont cellFont = Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 16, true);
    for (int p = 1; p <= WordSearch::Cells; ++p) {
        auto *cell = new PatternCell(p, upper);
        cell->setObjectName(QStringLiteral("Label%1").arg(p + 1));
        cell->setGeometry(CellsLeft + CellPitch * (p - 1) + 1, 37, 29, 22);
        cell->setFont(cellFont);
        cell->setAlignment(Qt::AlignCenter);
        Palette::setColours(cell, Qt::white, Qt::black);
        cell->installEventFilter(this);
        connect(cell, &PatternCell::typed, this,
                [this, p](QChar c) { ErrorReport::guarded(this, [this, p, c] { LabelKeyPress(p, c); }); });
        connectGuarded(cell, &PatternCell::chosen, this, [this, p] { LabelClick(p); });
        m_cells[std::size_t(p - 1)] = cell;
    }

    addButton(upper, QStringLiteral("C"), "Button1", {472, 36, 24, 24}, [this] { Button1Click(); });
}

void TRMots::createResultFrame()
{
    QFrame *lower = frame(this, QRect(8, 88, 380, 247));

    auto *label14 = new QLabel(QStringLiteral("Résultat de la recherche"), lower);
    label14->setObjectName(QStringLiteral("Label14"));
    label14->setGeometry(12, 12, 160, 20);

    m_edit1 = new QLineEdit(lower);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setReadOnly(true);
    m_edit1->setGeometry(176, 10, 100, 24);
    label14->setBuddy(m_edit1);

    m_listBox1 = new QListView(lower);
    m_listBox1->setObjectName(QStringLiteral("ListBox1"));
    m_listBox1->setAccessibleName(QStringLiteral("Mots trouvés"));
    m_listBox1->setModel(&m_results);
    m_listBox1->setUniformItemSizes(true);
    m_listBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listBox1->setGeometry(12, 42, 356, 193);
}

void TRMots::createPalette()
{
    m_panel1 = frame(this, QRect(400, 88, 108, 183));
    m_panel1->setObjectName(QStringLiteral("Panel1"));
    const QFont font = Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 13, true);
    for (int i = 0; i < 27; ++i) {
        const QChar character = QLatin1Char(PaletteCharacters[i]);
        auto *key = new QToolButton(m_panel1);
        key->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        key->setText(QString(character));
        if (character == WordSearch::AnyLetter)
            key->setAccessibleName(QStringLiteral("Point"));
        key->setFont(font);
        key->setFocusPolicy(Qt::NoFocus);
        key->setGeometry(4 + 25 * (i % 4), 4 + 25 * (i / 4), 25, 25);
        connectGuarded(key, &QToolButton::clicked, this, [this, character] { Lettre(character); });
    }
}

void TRMots::Init(const WordList &list)
{
    m_search.Init(list);
}

void TRMots::FormShow()
{
    m_search.FormShow();
    renderPattern();
}

void TRMots::LabelClick(int position)
{
    m_search.selectCell(position, m_spinEdit1->value());
    renderPattern();
}

void TRMots::LabelKeyPress(int position, QChar character)
{
    if (m_search.selectCell(position, m_spinEdit1->value()))
        m_search.Lettre(character);
    renderPattern();
}

void TRMots::Lettre(QChar character)
{
    m_search.Lettre(character);
    renderPattern();
}

void TRMots::Button1Click()
{
    m_search.clearCells();
    renderPattern();
}

void TRMots::Button2Click()
{
    m_search.search(m_spinEdit1->value());
    m_results.setStringList(m_search.results());
    m_edit1->setText(m_search.countText());
    const QStringList first = m_search.results().mid(0, SpokenResults);
    m_notice->say(first.isEmpty() ? m_search.countText()
                                  : QStringLiteral("%1 : %2").arg(m_search.countText(), first.join(QStringLiteral(", "))));
}

void TRMots::Button3Click()
{
    done(Rejected);
}

void TRMots::FormClose()
{
    m_search.FormClose();
}

void TRMots::renderPattern()
{
    const int length = m_spinEdit1->value();
    for (int p = 1; p <= WordSearch::Cells; ++p) {
        PatternCell *cell = m_cells[std::size_t(p - 1)];
        cell->setText(QString(m_search.cell(p)));
        // A cell beyond the length takes no letter, so it takes no focus either.
        const bool open = p <= WordSearch::MinLength || p <= length;
        cell->setEnabled(open);
        cell->setFocusPolicy(open ? Qt::TabFocus : Qt::NoFocus);
    }
    m_panel1->setVisible(m_search.paletteShown());
}

bool TRMots::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_spinEdit1) {
        const bool handled = FormDialog::eventFilter(watched, event);
        if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease
            || event->type() == QEvent::Wheel || event->type() == QEvent::FocusOut)
            renderPattern();
        return handled;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        for (int p = 1; p <= WordSearch::Cells; ++p) {
            QLabel *cell = m_cells[std::size_t(p - 1)];
            if (watched == cell && mouse->button() == Qt::LeftButton
                && cell->rect().contains(mouse->position().toPoint())) {
                ErrorReport::guarded(this, [this, p] { LabelClick(p); });
                return true;
            }
        }
    }
    return FormDialog::eventFilter(watched, event);
}
