// The calendar window "Calendrier": one month under its name, stepped month by month.
#pragma once

#include <QDate>
#include <QDialog>

class MonthGrid;
class QLabel;
class QPushButton;

class TCalendrier : public QDialog
{
    Q_OBJECT

public:
    // today is the grid's first date, kept from then on across openings.
    explicit TCalendrier(QWidget *parent = nullptr, const QDate &today = QDate::currentDate());

    QDate date() const;

    void FormActivate();
    void Calendar1Change();
    void BitBtn1Click();
    void BitBtn2Click();
    void Button1Click();
    // Page Down, Page Up and Escape from the grid and the three buttons; true when the key was used.
    bool Calendar1KeyDown(int key);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createPanel();
    QPushButton *createButton(const QString &name, const QString &caption, int left);

    QWidget *Panel1 = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label1 = nullptr;
    MonthGrid *Calendar1 = nullptr;
};
