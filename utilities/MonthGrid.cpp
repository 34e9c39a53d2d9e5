// Drawing the month grid and choosing a day with the mouse or the arrow keys.
#include "MonthGrid.h"

#include "Accessibility.h"
#include "MonthMove.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

// The header row of day names, then the weeks.
constexpr int GridRows = MonthPage::Rows + 1;

QLocale french()
{
    return QLocale(QLocale::French, QLocale::France);
}

// The accessible children: the seven column headers, then the weeks row by row.
int childIndexOfDay(const QDate &date)
{
    const int place = MonthPage::firstColumn(date) + date.day() - 1;
    return MonthPage::Columns + place;
}

// A cell of the grid: a column header (row -1) or a day's place in the weeks, blank outside the month.
class MonthCellInterface : public QAccessibleInterface, public QAccessibleTableCellInterface
{
public:
    MonthCellInterface(MonthGrid *grid, int row, int column) : m_grid(grid), m_row(row), m_column(column) {}

    bool isValid() const override { return !m_grid.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_grid.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}

    int day() const { return m_grid && m_row >= 0 ? MonthPage::dayAt(m_grid->date(), m_row, m_column) : 0; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !m_grid)
            return QString();
        if (m_row < 0)
            return MonthPage::dayHeader(m_column);
        const QDate date = m_grid->date();
        return day() ? spokenDate(QDate(date.year(), date.month(), day())) : QString();
    }

    QRect rect() const override
    {
        if (!m_grid || !m_grid->isVisible())
            return QRect();
        const QRect cell = m_grid->cellRect(m_row, m_column);
        return QRect(m_grid->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::Role role() const override { return m_row < 0 ? QAccessible::ColumnHeader : QAccessible::Cell; }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        if (!m_grid || !m_grid->isVisible()) {
            s.invisible = true;
            return s;
        }
        s.selectable = s.focusable = day() != 0;
        s.selected = isSelected();
        s.focused = s.selected && m_grid->hasFocus();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableCellInterface && m_row >= 0)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override { return day() != 0 && day() == m_grid->date().day(); }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        QAccessibleInterface *grid = parent();
        return grid ? QList<QAccessibleInterface *>{grid->child(m_column)} : QList<QAccessibleInterface *>();
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<MonthGrid> m_grid;
    int m_row;
    int m_column;
};

class MonthGridInterface : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit MonthGridInterface(MonthGrid *grid) : QAccessibleWidget(grid, QAccessible::Table)
    {
        for (int row = -1; row < MonthPage::Rows; ++row)
            for (int column = 0; column < MonthPage::Columns; ++column)
                m_children << QAccessible::registerAccessibleInterface(new MonthCellInterface(grid, row, column));
    }

    ~MonthGridInterface() override
    {
        for (QAccessible::Id id : std::as_const(m_children))
            QAccessible::deleteAccessibleInterface(id);
    }

    const MonthGrid *grid() const { return static_cast<const MonthGrid *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return widget()->accessibleName().isEmpty() ? QStringLiteral("Jours du mois") : widget()->accessibleName();
        case QAccessible::Value: return spokenDate(grid()->date());
        case QAccessible::Description:
            return QStringLiteral("Les flèches choisissent le jour, Page précédente et Page suivante le mois");
        default: return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return int(m_children.size()); }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < m_children.size() ? QAccessible::accessibleInterface(m_children.at(index))
                                                       : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(m_children.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child))));
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int index = 0; index < m_children.size(); ++index)
            if (child(index)->rect().contains(x, y))
                return child(index);
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        return widget()->hasFocus() ? child(childIndexOfDay(grid()->date())) : nullptr;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row >= MonthPage::Rows || column < 0 || column >= MonthPage::Columns)
            return nullptr;
        return child(MonthPage::Columns + row * MonthPage::Columns + column);
    }
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface *> selectedCells() const override { return {child(childIndexOfDay(grid()->date()))}; }
    QString columnDescription(int column) const override
    {
        return french().dayName(column == 0 ? 7 : column, QLocale::LongFormat);
    }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return MonthPage::Columns; }
    int rowCount() const override { return MonthPage::Rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    QList<QAccessible::Id> m_children;
};

QAccessibleInterface *monthGridInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("MonthGrid"))
        return new MonthGridInterface(static_cast<MonthGrid *>(object));
    return nullptr;
}

} // namespace

QString spokenDate(const QDate &date)
{
    return french().toString(date, QStringLiteral("dddd d MMMM yyyy"));
}

MonthGrid::MonthGrid(const QDate &date, QWidget *parent) : QWidget(parent), m_date(date)
{
    static const bool installed = [] {
        QAccessible::installFactory(monthGridInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonthGrid::setDate(const QDate &date)
{
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    update();
    reportSelection();
    emit changed();
}

void MonthGrid::reportSelection()
{
    const int cell = childIndexOfDay(m_date);
    if (hasFocus()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(cell);
        Accessibility::notify(&focus);
    }
    QAccessibleEvent selection(this, QAccessible::Selection);
    selection.setChild(cell);
    Accessibility::notify(&selection);
}

// The grid's own focus is reported by Qt; the selected day follows, as an item view's current cell does.
void MonthGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(childIndexOfDay(m_date));
    Accessibility::notify(&focus);
}

void MonthGrid::PrevMonth()
{
    setDate(moveMonth(m_date, -1));
}

void MonthGrid::NextMonth()
{
    setDate(moveMonth(m_date, +1));
}

// Row -1 is the header row.
QRect MonthGrid::cellRect(int row, int column) const
{
    const int gridRow = row + 1;
    const int left = column * width() / MonthPage::Columns;
    const int right = (column + 1) * width() / MonthPage::Columns;
    const int top = gridRow * height() / GridRows;
    const int bottom = (gridRow + 1) * height() / GridRows;
    return QRect(left, top, right - left, bottom - top);
}

int MonthGrid::dayAt(const QPoint &point) const
{
    if (!rect().contains(point))
        return 0;
    const int column = point.x() * MonthPage::Columns / width();
    const int row = point.y() * GridRows / height() - 1;
    if (row < 0)
        return 0;
    return MonthPage::dayAt(m_date, row, column);
}

void MonthGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 255, 0));
    painter.setPen(QColor(0, 128, 0));
    for (int column = 1; column < MonthPage::Columns; ++column) {
        const int x = cellRect(0, column).left();
        painter.drawLine(x, 0, x, height());
    }
    for (int row = 0; row < MonthPage::Rows; ++row) {
        const int y = cellRect(row, 0).top();
        painter.drawLine(0, y, width(), y);
    }

    painter.setPen(Qt::black);
    for (int column = 0; column < MonthPage::Columns; ++column)
        painter.drawText(cellRect(-1, column), Qt::AlignCenter, MonthPage::dayHeader(column));

    for (int row = 0; row < MonthPage::Rows; ++row) {
        for (int column = 0; column < MonthPage::Columns; ++column) {
            const int day = MonthPage::dayAt(m_date, row, column);
            if (day == 0)
                continue;
            const QRect cell = cellRect(row, column);
            const bool selected = day == m_date.day();
            if (selected)
                painter.fillRect(cell.adjusted(1, 1, 0, 0), hasFocus() ? QColor(0, 0, 128) : QColor(64, 64, 64));
            painter.setPen(selected ? Qt::white : Qt::black);
            painter.drawText(cell, Qt::AlignCenter, QString::number(day));
        }
    }
}

void MonthGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int day = dayAt(event->position().toPoint());
    if (day != 0)
        setDate(QDate(m_date.year(), m_date.month(), day));
}

// The arrows move the selection inside the shown month; a move onto a blank cell is refused.
void MonthGrid::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -MonthPage::Columns; break;
    case Qt::Key_Down: step = MonthPage::Columns; break;
    default: QWidget::keyPressEvent(event); return;
    }
    const QDate target = m_date.addDays(step);
    if (target.month() == m_date.month())
        setDate(target);
}
