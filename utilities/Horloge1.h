// The clock window "Horloge": the time and date, refreshed every second, and a mode to set them by hand.
#pragma once

#include "ClockFace.h"
#include "FormDialog.h"

class Notice;
class QButtonGroup;
class QLabel;
class QPushButton;
class QTimer;
class SpinButton;

class THorloge : public FormDialog
{
    Q_OBJECT

public:
    // now gives the local date and time; the system clock when left empty.
    explicit THorloge(QWidget *parent = nullptr, ClockFace::TimeSource now = {});

    bool SetMode() const { return m_face.SetMode(); }

    void FormActivate() override;
    void FormDeactivate() override;
    void Timer1Timer();
    void Button2Click();
    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void Button1Click();

protected:
    // The clock stops while another window is active, and starts again when it comes back.
    void activatedAgain() override;

private:
    void createDisplay(QWidget *panel);
    void createControls(QWidget *panel);
    QLabel *createReadout(QWidget *panel, const QString &name, const QString &boxName, const QString &accessibleName,
                          int top);
    std::optional<ClockField> selectedField() const;
    void render();
    void sayStepped();

    ClockFace m_face;
    QLabel *m_label1 = nullptr;
    QLabel *m_label2 = nullptr;
    QButtonGroup *m_fields = nullptr;
    SpinButton *m_spinButton1 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
    QTimer *m_timer1 = nullptr;
    Notice *m_notice = nullptr;
};
