// The calendar's month grid: weeks from Sunday, French short day names, blank cells outside the month.
// Screen readers see a table: the day names as column headers, each day a cell named with its full date.
#pragma once

#include <QDate>
#include <QWidget>

// "mercredi 9 décembre 2026": how a day is read.
QString spokenDate(const QDate &date);

class MonthGrid : public QWidget
{
    Q_OBJECT

public:
    MonthGrid(const QDate &date, QWidget *parent = nullptr);

    QDate date() const { return m_date; }
    // Moves the date and raises changed() when it differs.
    void setDate(const QDate &date);
    void PrevMonth();
    void NextMonth();

    // The day shown at a point, 0 over the header row or a blank cell.
    int dayAt(const QPoint &point) const;
    // Where a day of the shown month is drawn.
    QRect cellRect(int row, int column) const;

Q_SIGNALS:
    void changed();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Tells assistive technology which cell is now the selected day.
    void reportSelection();

    QDate m_date;
};
