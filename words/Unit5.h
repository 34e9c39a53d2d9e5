// TRMots: the word search utility, words of a given length with given letters at given places.
#pragma once

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

public:
    explicit LengthField(QWidget *parent = nullptr);

    int value() const;
    void setValue(int value);

    void stepBy(int steps) override;
    QValidator::State validate(QString &input, int &pos) const override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent *event) override;
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
    std::array<QLabel *, WordSearch::Cells> m_cells{};
    QLineEdit *m_edit1 = nullptr;
    QListView *m_listBox1 = nullptr;
    QWidget *m_panel1 = nullptr;
};
