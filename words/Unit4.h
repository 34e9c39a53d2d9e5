// TDico: the dictionary browser, the words of one initial letter at a time.
#pragma once

#include "FormDialog.h"
#include "WordBrowser.h"

#include <QStringListModel>

class QListView;
class QPushButton;
class QToolButton;
class WordList;

class TDico : public FormDialog
{
    Q_OBJECT

public:
    explicit TDico(QWidget *parent = nullptr);

    // Takes a copy of the list and shows its "A" words.
    void Init(const WordList &list);
    void AffMots(char letter);
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Button27Click();
    // The window closes: its copy of the list is emptied.
    void FormClose() override;

    char currentLetter() const { return m_browser.letter(); }
    int copyCount() const { return m_browser.copyCount(); }

    // Each opening starts on "Fermer".
    void FormShow() override;

protected:
    bool formKeyDown(QKeyEvent *event) override;

private:
    QWidget *createTopBar();
    QWidget *createLetterColumn();
    void render(const QStringList &words);

    WordBrowser m_browser;
    QStringListModel m_words;
    QListView *m_listBox1 = nullptr;
    QToolButton *m_speedButton1 = nullptr;
    QToolButton *m_speedButton2 = nullptr;
    QPushButton *m_button27 = nullptr;
};
