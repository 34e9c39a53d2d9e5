// TAjout: the one-word dialog of "Ajouter mot" and "Supprimer mot".
#pragma once

#include <QDialog>
#include <QLineEdit>

class QPushButton;

// The word field: every character goes through the typing filter, and pasted text through the same filter.
class WordField : public QLineEdit
{
    Q_OBJECT

public:
    explicit WordField(QWidget *parent = nullptr);

    // Filters the text as if typed and inserts what fits at the cursor.
    void insertFiltered(const QString &text);

Q_SIGNALS:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void typeCharacter(QChar typed);
};

class TAjout : public QDialog
{
    Q_OBJECT

public:
    explicit TAjout(QWidget *parent = nullptr);

    // The typed word after "OK" or Enter, the empty string after "Annuler", Escape or the close box.
    void Result(QString &S) const;
    bool OkPressed() const { return m_okPressed; }

    // Runs at each opening, when the dialog becomes the program's active window.
    void FormActivate();
    void Button1Click();
    void Button2Click();

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void setVisible(bool visible) override;

private:
    void createControls();

    WordField *m_edit1 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
    // Kept from one closing to the next opening, as the caller reads it after the dialog has closed.
    bool m_okPressed = false;
};
