// Sections laid out left to right; text 3 pixels from the left edge, centred vertically.
#include "HeaderBar.h"

#include "Accessibility.h"

#include <QLabel>

HeaderBar::HeaderBar(QWidget *parent) : QFrame(parent)
{
    Accessibility::install();
}

QLabel *HeaderBar::addSection(const QString &text, int width)
{
    auto *label = new QLabel(text, this);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setLineWidth(1);
    label->setIndent(3);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Button);
    label->setForegroundRole(QPalette::ButtonText);
    m_sections.append(label);
    m_widths.append(width);
    layoutSections();
    label->show();
    return label;
}

QString HeaderBar::sectionText(int index) const
{
    return m_sections.at(index)->text();
}

void HeaderBar::setSectionText(int index, const QString &text)
{
    m_sections.at(index)->setText(text);
}

void HeaderBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutSections();
}

void HeaderBar::layoutSections()
{
    int fixed = 0;
    for (int w : m_widths)
        fixed += w < 0 ? 0 : w;
    int x = 0;
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        const int w = m_widths.at(i) < 0 ? std::max(0, width() - fixed) : m_widths.at(i);
        m_sections.at(i)->setGeometry(x, 0, w, height());
        x += w;
    }
}
