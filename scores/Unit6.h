// The player dialog "Définir joueur": shows the player's name and hands an edited one back.
#pragma once

#include "FormDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TFJoueur : public FormDialog
{
    Q_OBJECT

public:
    explicit TFJoueur(QWidget *parent = nullptr);

    void Init(const QString &name);
    // Replaces name with the edit box's text when the last closing was "OK"; leaves it otherwise.
    void Result(QString &name) const;
    // Set by "OK", cleared by "Annuler" and the close box, kept from one opening to the next.
    bool OkPressed() const { return m_okPressed; }

    void Button1Click();
    void Button2Click();

private:
    void createControls();

    QLabel *m_label1 = nullptr;
    QLineEdit *m_edit1 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;

    bool m_okPressed = false;
};
