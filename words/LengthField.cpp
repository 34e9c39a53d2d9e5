// The field keeps what is typed and lets WordSearch read it; leaving it shows the length searched.
#include "LengthField.h"

#include "ErrorReport.h"

#include <QLineEdit>

LengthField::LengthField(QWidget *parent) : QAbstractSpinBox(parent)
{
    lineEdit()->setMaxLength(2);
    setValue(WordSearch::MinLength);
}

int LengthField::value() const
{
    return WordSearch::lengthFromText(text());
}

void LengthField::setValue(int value)
{
    lineEdit()->setText(QString::number(value));
}

void LengthField::stepBy(int steps)
{
    setValue(WordSearch::nearestLength(value() + steps));
    selectAll();
}

QValidator::State LengthField::validate(QString &input, int &) const
{
    for (QChar c : input)
        if (c < u'0' || c > u'9')
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled LengthField::stepEnabled() const
{
    StepEnabled enabled = StepNone;
    if (value() < WordSearch::MaxLength)
        enabled |= StepUpEnabled;
    if (value() > WordSearch::MinLength)
        enabled |= StepDownEnabled;
    return enabled;
}

void LengthField::focusOutEvent(QFocusEvent *event)
{
    QAbstractSpinBox::focusOutEvent(event);
    ErrorReport::guarded(this, [this] {
        const QString shown = QString::number(WordSearch::nearestLength(value()));
        if (text() != shown)
            setValue(shown.toInt());
    });
}
