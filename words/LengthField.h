// LengthField: the length field of the word search.
#pragma once

#include "WordSearch.h"

#include <QAbstractSpinBox>

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
