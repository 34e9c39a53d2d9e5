// A header strip of raised sections, each a label so assistive technology reads its text.
// A counter reads as one control instead: its first section names it, its last one is its value.
#pragma once

#include <QFrame>
#include <QList>

class QLabel;

class HeaderBar : public QFrame
{
    Q_OBJECT

public:
    explicit HeaderBar(QWidget *parent = nullptr);

    // A width of -1 fills what the other sections leave.
    QLabel *addSection(const QString &text, int width = -1);
    int sectionCount() const { return int(m_sections.size()); }
    QLabel *section(int index) const { return m_sections.at(index); }
    QString sectionText(int index) const;
    void setSectionText(int index, const QString &text);
    bool isCounter() const { return m_counter; }
    void setCounter(bool counter) { m_counter = counter; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void layoutSections();

    QList<QLabel *> m_sections;
    QList<int> m_widths;
    bool m_counter = false;
};
