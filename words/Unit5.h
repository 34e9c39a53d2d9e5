// TRMots: the word search utility, words of a given length with given letters at given places.
#pragma once

#include "Accessibility.h"
#include "WordSearch.h"

#include <QAbstractSpinBox>
#include <QDialog>
#include <QStringListModel>
#include <array>

class HeaderBar;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;
class WordList;

// The length field: digits that may stray out of 6..12 while typed, set back to the nearer bound on leaving.
class LengthField : public QAbstractSpinBox
{
    Q_OBJECT
    // Read by assistive technology, as for a QSpinBox.
    Q_PROPERTY(int value READ value WRITE setValue)
    Q_PROPERTY(int minimum READ minimum CONSTANT)
    Q_PROPERTY(int maximum READ maximum CONSTANT)
    Q_PROPERTY(int stepSize READ stepSize CONSTANT)

public:
    explicit LengthField(QWidget *parent = nullptr);

    int value() const;
    void setValue(int value);
    int minimum() const { return WordSearch::MinLength; }
    int maximum() const { return WordSearch::MaxLength; }
    int stepSize() const { return 1; }

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent *event) override;
};

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

class TRMots : public QDialog
{
    Q_OBJECT

public:
    explicit TRMots(QWidget *parent = nullptr);

    // Takes a copy of the list to search; nothing else changes.
    void Init(const WordList &list);
    void FormShow();
    void LabelClick(int position);
    // A character typed in a focused cell: that cell is chosen as by a click, then filled.
    void LabelKeyPress(int position, QChar character);
    void Lettre(QChar character);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    // The window closes: its copy of the list is emptied.
    void FormClose();

    int copyCount() const { return m_search.copyCount(); }

    void reject() override;
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

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
};
