// The player dialog: a name in an edit box, "Annuler" and "OK".
#include "Unit6.h"

#include "ErrorReport.h"
#include "Fonts.h"
#include "ScoreFile.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFJoueur::TFJoueur(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
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

    Label1 = new QLabel(QStringLiteral("Joueur actuel"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(12, 10, 80, 16);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 32, 193, 24);
    Label1->setBuddy(Edit1);

    Button1 = new QPushButton(QStringLiteral("Annuler"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(264, 16, 75, 25);
    connectGuarded(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(264, 48, 75, 25);
    connectGuarded(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    // Only the focused button shows as default, as Enter presses it; none while the focus is in the edit box.
    for (QPushButton *button : {Button1, Button2}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }

    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, Button2);
    // Later openings keep the control that had the focus at the last closing.
    Edit1->setFocus();
}

void TFJoueur::Init(const QString &name)
{
    Edit1->setText(name);
}

void TFJoueur::Result(QString &name) const
{
    if (m_okPressed)
        name = ScoreFile::storableName(Edit1->text());
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

void TFJoueur::reject()
{
    ErrorReport::guarded(this, [this] { Button1Click(); });
}

bool TFJoueur::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (auto *button = qobject_cast<QPushButton *>(watched))
            button->setDefault(event->type() == QEvent::FocusIn);
    }
    return QDialog::eventFilter(watched, event);
}

void TFJoueur::keyPressEvent(QKeyEvent *event)
{
    ErrorReport::guarded(this, [this, event] {
        switch (event->key()) {
        case Qt::Key_Escape:
            Button1Click();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A focused button takes Enter itself; anywhere else it closes nothing.
            break;
        default:
            QDialog::keyPressEvent(event);
        }
    });
}
