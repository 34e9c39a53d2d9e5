// The player dialog "Définir joueur": shows the player's name and hands an edited one back.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TFJoueur : public QDialog
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

    // The close box acts as "Annuler".
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();

    QLabel *Label1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    QPushButton *Button2;

    bool m_okPressed = false;
};
