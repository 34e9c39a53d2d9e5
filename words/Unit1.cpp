// The dialog asks for one word of capitals; the main window's handlers change the list after it closes.
#include "Unit1.h"

#include "ErrorReport.h"
#include "Fonts.h"
#include "WordField.h"

#include <QPushButton>

TAjout::TAjout(QWidget *parent) : FormDialog(parent)
{
    setWindowTitle(QStringLiteral("Ajouter mot"));
    setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 13));
    setFixedSize(287, 81);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setCentredOnScreen(true);
    createControls();
}

void TAjout::createControls()
{
    m_edit1 = new WordField(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setFont(Fonts::pixelFont(QStringLiteral("Arial"), 16, true));
    m_edit1->setGeometry(16, 10, 255, 26);
    m_edit1->setAccessibleName(QStringLiteral("Mot"));

    m_button1 = addButton(this, QStringLiteral("OK"), "Button1", {56, 46, 75, 25}, [this] { Button1Click(); });
    m_button2 = addButton(this, QStringLiteral("Annuler"), "Button2", {156, 46, 75, 25}, [this] { Button2Click(); });
    connectGuarded(m_edit1, &WordField::enterPressed, this, [this] { Button1Click(); });
    // Escape and the close box both act as "Annuler".
    setCancelButton(m_button2);
}

void TAjout::Result(QString &S) const
{
    S = m_okPressed ? m_edit1->text() : QString();
}

void TAjout::FormShow()
{
    m_edit1->setFocus();
}

// Runs once per opening; coming back from another program or a message box keeps the text.
void TAjout::FormActivate()
{
    m_edit1->clear();
}

void TAjout::Button1Click()
{
    m_okPressed = true;
    done(Accepted);
}

void TAjout::Button2Click()
{
    m_okPressed = false;
    done(Rejected);
}
