// The calendar window "Calendrier": one month under its name, stepped month by month.
#pragma once

#include "FormDialog.h"

#include <QDate>

class MonthGrid;
class Notice;
class QLabel;
class QPushButton;

class TCalendrier : public FormDialog
{
    Q_OBJECT

public:
    // today is the grid's first date, kept from then on across openings.
    explicit TCalendrier(QWidget *parent = nullptr, const QDate &today = QDate::currentDate());

    QDate date() const;

    void FormActivate() override;
    void Calendar1Change();
    void BitBtn1Click();
    void BitBtn2Click();
    void Button1Click();
    // Page Down, Page Up and Escape from the grid and the three buttons; true when the key was used.
    bool Calendar1KeyDown(int key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createPanel();
    QPushButton *createButton(const char *name, const QString &caption, int left, std::function<void()> onClick);

    QWidget *m_panel1 = nullptr;
    QPushButton *m_bitBtn1 = nullptr;
    QPushButton *m_bitBtn2 = nullptr;
    QPushButton *m_button1 = nullptr;
    QLabel *m_label1 = nullptr;
    MonthGrid *m_calendar1 = nullptr;
    Notice *m_notice = nullptr;
};
