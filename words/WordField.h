// WordField: the one-word field of "Ajouter mot" and "Supprimer mot".
#pragma once

#include <QLineEdit>

// The word field: every character goes through the typing filter, and pasted text through the same filter.
class WordField : public QLineEdit
{
    Q_OBJECT

public:
    explicit WordField(QWidget *parent = nullptr);

    // Filters the text as if typed and inserts what fits at the cursor.
    void insertFiltered(const QString &text);

Q_SIGNALS:
    void enterPressed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void typeCharacter(QChar typed);
};
