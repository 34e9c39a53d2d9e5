// The clock window: a black panel with the time and date boxes, the field selector, the arrows and "Set".
#include "Horloge1.h"

#include "BevelPanel.h"
#include "Decoration.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "Palette.h"
#include "Pictures.h"
#include "AnnouncingArea.h"
#include "Readout.h"
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

} // namespace

THorloge::THorloge(QWidget *parent, ClockFace::TimeSource now)
    : FormDialog(parent,
                 Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                     | Qt::WindowCloseButtonHint)
    , m_face(now ? std::move(now) : ClockFace::TimeSource([] { return QDateTime::currentDateTime(); }))
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

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connectGuarded(m_timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
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
    Palette::setTextColour(label, Qt::black);
    return label;
}

void THorloge::createDisplay(QWidget *panel)
{
    m_label1 = createReadout(panel, QStringLiteral("Label1"), QStringLiteral("Panel2"), QStringLiteral("Heure"), 12);

    // A white line whose text its 2-pixel height hides.
    auto *line = new Decoration(panel);
    line->setText(QStringLiteral("---------"));
    line->setObjectName(QStringLiteral("Label4"));
    line->setGeometry(8, 52, 153, 2);
    Palette::setBackground(line, Qt::white);

    m_label2 = createReadout(panel, QStringLiteral("Label2"), QStringLiteral("Panel3"), QStringLiteral("Date"), 63);

    auto *initials = new QLabel(QStringLiteral("ORV"), panel);
    initials->setObjectName(QStringLiteral("Label3"));
    initials->setGeometry(12, 116, 61, 32);
    QFont initialsFont = Fonts::pixelFont(QStringLiteral("Arial"), 27, true);
    initialsFont.setItalic(true);
    initials->setFont(initialsFont);
    Palette::setTextColour(initials, Qt::white);
}

void THorloge::createControls(QWidget *panel)
{
    auto *group = new QGroupBox(panel);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    group->setGeometry(162, 6, 58, 94);
    group->setFont(Fonts::pixelFont(QStringLiteral("System"), 17, true));
    group->setAccessibleName(QStringLiteral("Champ à régler"));
    Palette::setTextColour(group, Qt::white);
    m_fields = new QButtonGroup(this);
    for (int i = 0; i < FieldNames.size(); ++i) {
        auto *item = new QRadioButton(FieldNames.at(i), group);
        item->setObjectName(QStringLiteral("RadioGroup1") + FieldNames.at(i));
        item->setAccessibleName(SpokenFieldNames.at(i));
        item->setGeometry(7, 5 + 17 * i, 48, 17);
        m_fields->addButton(item, i);
    }

    m_spinButton1 = new SpinButton(panel);
    m_spinButton1->setObjectName(QStringLiteral("SpinButton1"));
    m_spinButton1->setGeometry(236, 26, 20, 25);
    connectGuarded(m_spinButton1, &SpinButton::upClick, this, [this] { SpinButton1UpClick(); });
    connectGuarded(m_spinButton1, &SpinButton::downClick, this, [this] { SpinButton1DownClick(); });

    m_button2 = addButton(panel, QStringLiteral("Set"), "Button2", {228, 66, 37, 24}, [this] { Button2Click(); });
    m_button1 = addButton(panel, QStringLiteral("Fermer"), "Button1", {162, 112, 86, 32}, [this] { Button1Click(); });
    // Escape closes from every control, as the close box does.
    setCancelButton(m_button1);

    setTabOrder(m_button1, m_fields->button(0));
    for (int i = 1; i < FieldNames.size(); ++i)
        setTabOrder(m_fields->button(i - 1), m_fields->button(i));
    // The arrows come after the selector, Up and Down on them step the chosen field.
    setTabOrder(m_fields->button(int(FieldNames.size()) - 1), m_spinButton1->upArrow());
    setTabOrder(m_spinButton1->upArrow(), m_spinButton1->downArrow());
    setTabOrder(m_spinButton1->downArrow(), m_button2);
    m_button1->setFocus();
    m_notice = new Notice(this);
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
    m_label1->setText(m_face.timeText());
    m_label2->setText(m_face.dateText());
    if (m_face.ticking() != m_timer1->isActive()) {
        if (m_face.ticking())
            m_timer1->start();
        else
            m_timer1->stop();
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
    sayStepped();
}

void THorloge::SpinButton1DownClick()
{
    m_face.step(selectedField(), -1);
    render();
    sayStepped();
}

// The readout that holds the chosen field, as it now reads.
void THorloge::sayStepped()
{
    const std::optional<ClockField> field = selectedField();
    if (!field)
        return;
    const bool time = *field == ClockField::Hour || *field == ClockField::Minute;
    m_notice->say(QStringLiteral("%1 : %2").arg(SpokenFieldNames.at(int(*field)), time ? m_face.timeText() : m_face.dateText()));
}

void THorloge::Button1Click()
{
    done(Rejected);
}

void THorloge::activatedAgain()
{
    FormActivate();
}
