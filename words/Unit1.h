// TAjout: the one-word dialog of "Ajouter mot" and "Supprimer mot".
#pragma once

#include "FormDialog.h"

class QPushButton;
class WordField;

class TAjout : public FormDialog
{
    Q_OBJECT

public:
    explicit TAjout(QWidget *parent = nullptr);

    // The typed word after "OK" or Enter, the empty string after "Annuler", Escape or the close box.
    void Result(QString &S) const;
    bool OkPressed() const { return m_okPressed; }

    // Each opening starts in the field, emptied.
    void FormShow() override;
    void FormActivate() override;
    void Button1Click();
    void Button2Click();

private:
    void createControls();

    WordField *m_edit1 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
    // Kept from one closing to the next opening, as the caller reads it after the dialog has closed.
    bool m_okPressed = false;
};
