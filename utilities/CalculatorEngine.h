// The calculator's state and keys: the window forwards each key here and shows the display text.
#pragma once

#include "Real48.h"

#include <QObject>
#include <QString>

// Kept for the whole run: closing the window forgets nothing, and activating it runs clear().
// A key either completes or throws OrvError with the display and the state as they were, with
// two exceptions: Operand may already hold the number read, and "1/x" shows its reciprocal
// before an overflowing store.
class CalculatorEngine : public QObject
{
    Q_OBJECT

public:
    enum class Operator : char { None = 0, Add = '+', Subtract = '-', Multiply = '*', Divide = '/' };

    explicit CalculatorEngine(QObject *parent = nullptr);

    // displayChanged follows every change, also the one made by a "1/x" that then fails.
    const QString &display() const { return m_display; }

    void digitKey(int digit);
    void separatorKey();
    void equalsKey();
    void operatorKey(Operator op);
    void reciprocalKey();
    void squareRootKey();
    // "C" and every activation: NewNumber is left as it is.
    void clear();

    Real48 Accumulator() const { return m_accumulator; }
    Real48 Operand() const { return m_operand; }
    Operator PendingOperator() const { return m_pendingOperator; }
    bool AccumulatorValid() const { return m_accumulatorValid; }
    bool NewNumber() const { return m_newNumber; }

Q_SIGNALS:
    void displayChanged(const QString &text);

private:
    void evaluate();
    void takeFirstNumber();
    long double readOperand();
    void showAndStore(long double value);
    void setDisplay(const QString &text);

    QString m_display;
    Real48 m_accumulator;
    Real48 m_operand;
    Operator m_pendingOperator = Operator::None;
    bool m_accumulatorValid = false;
    bool m_newNumber = false;
};
