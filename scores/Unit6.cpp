// The player dialog: a name in an edit box, "Annuler" and "OK".
#include "Unit6.h"

#include "ErrorReport.h"
#include "Fonts.h"
#include "ScoreFile.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFJoueur::TFJoueur(QWidget *parent)
    : FormDialog(parent,
                 Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                     | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FJoueur"));
    setWindowTitle(QStringLiteral("Définir joueur"));
    setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 13));
    setFixedSize(362, 84);
    move(200, 144);
    createControls();
}

void TFJoueur::createControls()
{
    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bevel->setGeometry(8, 8, 225, 65);

    m_label1 = new QLabel(QStringLiteral("Joueur actuel"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(12, 10, 80, 16);

    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setGeometry(16, 32, 193, 24);
    m_label1->setBuddy(m_edit1);

    m_button1 = addButton(this, QStringLiteral("Annuler"), "Button1", {264, 16, 75, 25}, [this] { Button1Click(); });
    m_button2 = addButton(this, QStringLiteral("OK"), "Button2", {264, 48, 75, 25}, [this] { Button2Click(); });

    // Escape and the close box act as "Annuler"; Enter in the edit box presses nothing.
    setCancelButton(m_button1);

    setTabOrder(m_edit1, m_button1);
    setTabOrder(m_button1, m_button2);
    // Later openings keep the control that had the focus at the last closing.
    m_edit1->setFocus();
}

void TFJoueur::Init(const QString &name)
{
    m_edit1->setText(name);
}

void TFJoueur::Result(QString &name) const
{
    if (m_okPressed)
        name = ScoreFile::storableName(m_edit1->text());
}

void TFJoueur::Button1Click()
{
    m_okPressed = false;
    QDialog::reject();
}

void TFJoueur::Button2Click()
{
    m_okPressed = true;
    QDialog::accept();
}
