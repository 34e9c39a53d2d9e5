// The clock window "Horloge": the time and date, refreshed every second, and a mode to set them by hand.
#pragma once

#include "ClockFace.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPushButton;
class QTimer;
class SpinButton;

class THorloge : public QDialog
{
    Q_OBJECT

public:
    // now gives the local date and time; the system clock when left empty.
    explicit THorloge(QWidget *parent = nullptr, ClockFace::TimeSource now = {});

    bool SetMode() const { return m_face.SetMode(); }

    void FormActivate();
    void FormDeactivate();
    void Timer1Timer();
    void Button2Click();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void Button1Click();

protected:
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createDisplay(QWidget *panel);
    void createControls(QWidget *panel);
    QLabel *createReadout(QWidget *panel, const QString &name, const QString &boxName, const QString &accessibleName,
                          int top);
    std::optional<ClockField> selectedField() const;
    void render();

    ClockFace m_face;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QButtonGroup *m_fields = nullptr;
    SpinButton *SpinButton1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QTimer *Timer1 = nullptr;
};
