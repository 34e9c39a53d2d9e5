// TRMots: the word search utility, words of a given length with given letters at given places.
#pragma once

#include "FormDialog.h"
#include "Readout.h"
#include "WordSearch.h"

#include <QStringListModel>
#include <array>

class HeaderBar;
class LengthField;
class Notice;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;
class WordList;

// A pattern cell. A click chooses it for the palette; from the keyboard, Tab reaches it, a typed letter
// goes straight in, Delete or Backspace puts the "." back, and Space opens the palette as a click does.
class PatternCell : public Readout
{
    Q_OBJECT

public:
    PatternCell(int position, QWidget *parent = nullptr);

Q_SIGNALS:
    void typed(QChar character);
    void chosen();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

class TRMots : public FormDialog
{
    Q_OBJECT

public:
    explicit TRMots(QWidget *parent = nullptr);

    // Takes a copy of the list to search; nothing else changes.
    void Init(const WordList &list);
    void FormShow() override;
    void LabelClick(int position);
    // A character typed in a focused cell: that cell is chosen as by a click, then filled.
    void LabelKeyPress(int position, QChar character);
    void Lettre(QChar character);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    // The window closes: its copy of the list is emptied.
    void FormClose() override;

    int copyCount() const { return m_search.copyCount(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPatternFrame();
    void createResultFrame();
    void createPalette();
    void renderPattern();

    WordSearch m_search;
    QStringListModel m_results;
    LengthField *m_spinEdit1 = nullptr;
    HeaderBar *m_header1 = nullptr;
    std::array<PatternCell *, WordSearch::Cells> m_cells{};
    QLineEdit *m_edit1 = nullptr;
    QListView *m_listBox1 = nullptr;
    QWidget *m_panel1 = nullptr;
    Notice *m_notice = nullptr;
};
