// Eight labels one below the other and "OK"; only the label texts survive from one opening to the next.
#include "Unit2.h"

#include "ErrorReport.h"
#include "Fonts.h"
#include "WordStatistics.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr const char *LabelNames[8] = {"Label1", "Label3", "Label2", "Label4", "Label5", "Label6", "Label7", "Label8"};
constexpr int LineLeft = 24;
constexpr int FirstLineTop = 16;
constexpr int LinePitch = 29;

} // namespace

TStats::TStats(QWidget *parent) : FormDialog(parent)
{
    setWindowTitle(QStringLiteral("Statistiques"));
    setFont(Fonts::pixelFont(QStringLiteral("MS Sans Serif"), 13));
    setWindowFlags(Qt::Dialog | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    const QFont lineFont = Fonts::pixelFont(QStringLiteral("Arial"), 16, true);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        auto *label = new QLabel(QStringLiteral("Nombre de mots"), this);
        label->setObjectName(QString::fromLatin1(LabelNames[i]));
        label->setFont(lineFont);
        label->setGeometry(LineLeft, FirstLineTop + LinePitch * int(i), 280, 22);
        m_lines[i] = label;
    }

    m_button1 = addButton(this, QStringLiteral("OK"), "Button1", {123, FirstLineTop + LinePitch * 8 + 10, 75, 25},
                          [this] { Button1Click(); });
    // Escape and the close box both press "OK".
    setCancelButton(m_button1);

    resize(clientSizeFor(QSize(329, 313)));
    setCentredOnScreen(true);
}

void TStats::Init(const WordList &list)
{
    const std::array<QString, 8> lines = statisticsLines(countWords(list));
    for (std::size_t i = 0; i < lines.size(); ++i)
        m_lines[i]->setText(lines[i]);
}

void TStats::Button1Click()
{
    done(Accepted);
}
