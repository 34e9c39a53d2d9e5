// The calculator window "Calculatrice": the display, the 4 × 5 key grid and "Fermer".
#pragma once

#include "CalculatorEngine.h"
#include "FormDialog.h"

class Notice;
class QLabel;
class QPushButton;

class TPocket : public FormDialog
{
    Q_OBJECT

public:
    explicit TPocket(QWidget *parent = nullptr);

    const CalculatorEngine &engine() const { return m_engine; }

    // Runs once per opening: clears the calculator and puts the focus on "=".
    void FormActivate() override;
    // A typed character, as the keyboard table dispatches it; Escape (27) closes.
    void FormKeyPress(QChar key);

    void Button0Click() { digitClick(0); }
    void Button1Click() { digitClick(1); }
    void Button2Click() { digitClick(2); }
    void Button3Click() { digitClick(3); }
    void Button4Click() { digitClick(4); }
    void Button5Click() { digitClick(5); }
    void Button6Click() { digitClick(6); }
    void Button7Click() { digitClick(7); }
    void Button8Click() { digitClick(8); }
    void Button9Click() { digitClick(9); }
    void Button10Click();
    void Button11Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();
    void Button15Click();
    void Button16Click();
    void Button17Click();
    void Button18Click();
    void Button19Click();

protected:
    bool formKeyDown(QKeyEvent *event) override;

private:
    void createDisplay();
    void createKeys();
    void digitClick(int digit);

    CalculatorEngine m_engine;
    QLabel *m_label1 = nullptr;
    QPushButton *m_button11 = nullptr;
    Notice *m_notice = nullptr;
    bool m_opening = false;
};
