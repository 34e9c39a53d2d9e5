// The clock window: a black panel with the time and date boxes, the field selector, the arrows and "Set".
#include "Horloge1.h"

#include "Accessibility.h"
#include "BevelPanel.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "Pictures.h"
#include "SpinButton.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace {

const QStringList FieldNames{QStringLiteral("Hr"), QStringLiteral("Mn"), QStringLiteral("Jo"), QStringLiteral("Mo"),
                             QStringLiteral("An")};
// The captions are abbreviations; a screen reader says the words.
const QStringList SpokenFieldNames{QStringLiteral("Heure"), QStringLiteral("Minute"), QStringLiteral("Jour"),
                                   QStringLiteral("Mois"), QStringLiteral("Année")};

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

THorloge::THorloge(QWidget *parent, ClockFace::TimeSource now)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint),
      m_face(now ? std::move(now) : ClockFace::TimeSource([] { return QDateTime::currentDateTime(); }))
{
    setObjectName(QStringLiteral("Horloge"));
    setWindowTitle(QStringLiteral("Horloge"));
    setWindowIcon(Pictures::icon(QStringLiteral("clock"), QSize(32, 32)));
    setFont(Fonts::pixelFont(QStringLiteral("System"), 17));
    setFixedSize(277, 156);
    move(231, 112);

    auto *panel = new BevelPanel(Qt::black, {{BevelPanel::Edge::Raised, 3}}, this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(rect());
    createDisplay(panel);
    createControls(panel);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connectGuarded(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    render();
}

QLabel *THorloge::createReadout(QWidget *panel, const QString &name, const QString &boxName,
                                const QString &accessibleName, int top)
{
    auto *box = new BevelPanel(QColor(192, 192, 192), {{BevelPanel::Edge::Lowered, 2}}, panel);
    box->setObjectName(boxName);
    box->setGeometry(12, top, 142, 34);
    auto *label = new Readout(accessibleName, box);
    label->setObjectName(name);
    label->setGeometry(4, 4, 134, 26);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Fonts::pixelFont(QStringLiteral("Arial"), 23, true));
    setTextColour(label, Qt::black);
    return label;
}

void THorloge::createDisplay(QWidget *panel)
{
    Label1 = createReadout(panel, QStringLiteral("Label1"), QStringLiteral("Panel2"), QStringLiteral("Heure"), 12);

    // A white line whose text its 2-pixel height hides.
    auto *line = new Decoration(panel);
    line->setText(QStringLiteral("---------"));
    line->setObjectName(QStringLiteral("Label4"));
    line->setGeometry(8, 52, 153, 2);
    line->setAutoFillBackground(true);
    QPalette white = line->palette();
    white.setColor(QPalette::Window, Qt::white);
    line->setPalette(white);

    Label2 = createReadout(panel, QStringLiteral("Label2"), QStringLiteral("Panel3"), QStringLiteral("Date"), 63);

    auto *initials = new QLabel(QStringLiteral("ORV"), panel);
    initials->setObjectName(QStringLiteral("Label3"));
    initials->setGeometry(12, 116, 61, 32);
    QFont initialsFont = Fonts::pixelFont(QStringLiteral("Arial"), 27, true);
    initialsFont.setItalic(true);
    initials->setFont(initialsFont);
    setTextColour(initials, Qt::white);
}

void THorloge::createControls(QWidget *panel)
{
    auto *group = new QGroupBox(panel);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    group->setGeometry(162, 6, 58, 94);
    group->setFont(Fonts::pixelFont(QStringLiteral("System"), 17, true));
    group->setAccessibleName(QStringLiteral("Champ à régler"));
    setTextColour(group, Qt::white);
    m_fields = new QButtonGroup(this);
    for (int i = 0; i < FieldNames.size(); ++i) {
        auto *item = new QRadioButton(FieldNames.at(i), group);
        item->setObjectName(QStringLiteral("RadioGroup1") + FieldNames.at(i));
        item->setAccessibleName(SpokenFieldNames.at(i));
        item->setGeometry(7, 5 + 17 * i, 48, 17);
        m_fields->addButton(item, i);
    }

    SpinButton1 = new SpinButton(panel);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    SpinButton1->setGeometry(236, 26, 20, 25);
    connectGuarded(SpinButton1, &SpinButton::upClick, this, [this] { SpinButton1UpClick(); });
    connectGuarded(SpinButton1, &SpinButton::downClick, this, [this] { SpinButton1DownClick(); });

    Button2 = new QPushButton(QStringLiteral("Set"), panel);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(228, 66, 37, 24);
    connectGuarded(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    Button1 = new QPushButton(QStringLiteral("Fermer"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(162, 112, 86, 32);
    connectGuarded(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    setTabOrder(Button1, m_fields->button(0));
    for (int i = 1; i < FieldNames.size(); ++i)
        setTabOrder(m_fields->button(i - 1), m_fields->button(i));
    // The arrows come after the selector, Up and Down on them step the chosen field.
    setTabOrder(m_fields->button(int(FieldNames.size()) - 1), SpinButton1->upArrow());
    setTabOrder(SpinButton1->upArrow(), SpinButton1->downArrow());
    setTabOrder(SpinButton1->downArrow(), Button2);
    Button1->setFocus();
}

std::optional<ClockField> THorloge::selectedField() const
{
    const int id = m_fields->checkedId();
    if (id < 0)
        return std::nullopt;
    return ClockField(id);
}

void THorloge::render()
{
    Label1->setText(m_face.timeText());
    Label2->setText(m_face.dateText());
    if (m_face.ticking() != Timer1->isActive()) {
        if (m_face.ticking())
            Timer1->start();
        else
            Timer1->stop();
    }
}

void THorloge::FormActivate()
{
    m_face.activate();
    render();
}

void THorloge::FormDeactivate()
{
    m_face.deactivate();
    render();
}

void THorloge::Timer1Timer()
{
    m_face.showNow();
    render();
}

void THorloge::Button2Click()
{
    m_face.toggleSetMode();
    render();
}

void THorloge::SpinButton1UpClick()
{
    m_face.step(selectedField(), +1);
    render();
}

void THorloge::SpinButton1DownClick()
{
    m_face.step(selectedField(), -1);
    render();
}

void THorloge::Button1Click()
{
    close();
}

bool THorloge::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        ErrorReport::guarded(this, [this] { FormActivate(); });
    else if (event->type() == QEvent::WindowDeactivate)
        ErrorReport::guarded(this, [this] { FormDeactivate(); });
    return QDialog::event(event);
}

// Closing deactivates the window, whichever way it closes.
void THorloge::hideEvent(QHideEvent *event)
{
    ErrorReport::guarded(this, [this] { FormDeactivate(); });
    QDialog::hideEvent(event);
}

void THorloge::keyPressEvent(QKeyEvent *event)
{
    ErrorReport::guarded(this, [this, event] {
        switch (event->key()) {
        case Qt::Key_Escape:
            Button1Click();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A focused button takes Enter itself; elsewhere it presses nothing.
            break;
        default:
            QDialog::keyPressEvent(event);
        }
    });
}
