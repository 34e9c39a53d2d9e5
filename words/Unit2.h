// TStats: the dictionary statistics, the number of words in all and of each playable length.
#pragma once

#include "FormDialog.h"

#include <array>

class QLabel;
class QPushButton;
class WordList;

class TStats : public FormDialog
{
    Q_OBJECT

public:
    explicit TStats(QWidget *parent = nullptr);

    // Counts the list's entries and sets the eight lines; the list is not kept.
    void Init(const WordList &list);
    void Button1Click();

private:
    // Top to bottom: Label1, Label3, Label2, Label4 ... Label8.
    std::array<QLabel *, 8> m_lines{};
    QPushButton *m_button1 = nullptr;
};
