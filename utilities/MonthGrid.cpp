// Drawing the month grid and choosing a day with the mouse or the arrow keys.
#include "MonthGrid.h"

#include "MonthMove.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The header row of day names, then the weeks.
constexpr int GridRows = MonthPage::Rows + 1;

} // namespace

MonthGrid::MonthGrid(const QDate &date, QWidget *parent) : QWidget(parent), m_date(date)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MonthGrid::setDate(const QDate &date)
{
    if (!date.isValid() || date == m_date)
        return;
    m_date = date;
    update();
    emit changed();
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
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -MonthPage::Columns;
        break;
    case Qt::Key_Down:
        step = MonthPage::Columns;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const QDate target = m_date.addDays(step);
    if (target.month() == m_date.month())
        setDate(target);
}
