// The calculator's keys: digit entry, left-to-right evaluation, reciprocal, square root, clear.
#include "CalculatorEngine.h"

#include "NumberText.h"
#include "OrvError.h"

#include <cmath>

namespace {

using Operator = CalculatorEngine::Operator;

long double divide(long double dividend, long double divisor)
{
    if (divisor == 0)
        throw OrvError(dividend == 0 ? QStringLiteral("Opération flottante incorrecte")
                                     : QStringLiteral("Division flottante par zéro"));
    return dividend / divisor;
}

long double squareRoot(long double value)
{
    if (value < 0)
        throw OrvError(QStringLiteral("Opération flottante incorrecte"));
    return std::sqrt(value);
}

long double apply(Operator op, long double left, long double right)
{
    switch (op) {
    case Operator::Add: return left + right;
    case Operator::Subtract: return left - right;
    case Operator::Multiply: return left * right;
    case Operator::Divide: return divide(left, right);
    case Operator::None: break;
    }
    return left;
}

} // namespace

CalculatorEngine::CalculatorEngine(QObject *parent) : QObject(parent)
{
}

void CalculatorEngine::digitKey(int digit)
{
    Q_ASSERT(digit >= 0 && digit <= 9);
    const QString kept = m_newNumber ? QString() : m_display;
    m_newNumber = false;
    setDisplay(kept + QChar(u'0' + digit));
}

void CalculatorEngine::separatorKey()
{
    setDisplay(m_display + u',');
}

void CalculatorEngine::equalsKey()
{
    evaluate();
}

void CalculatorEngine::operatorKey(Operator op)
{
    Q_ASSERT(op != Operator::None);
    evaluate();
    m_pendingOperator = op;
}

void CalculatorEngine::reciprocalKey()
{
    showAndStore(divide(1, readOperand()));
}

void CalculatorEngine::squareRootKey()
{
    showAndStore(squareRoot(readOperand()));
}

void CalculatorEngine::clear()
{
    setDisplay(QString());
    m_accumulator = Real48();
    m_operand = Real48();
    m_accumulatorValid = false;
    m_pendingOperator = Operator::None;
}

void CalculatorEngine::evaluate()
{
    if (!m_accumulatorValid) {
        takeFirstNumber();
        return;
    }
    const long double left = m_accumulator.toExtended();
    const long double right = readOperand();
    m_accumulator = Real48::fromExtended(apply(m_pendingOperator, left, right));
    m_newNumber = true;
    setDisplay(resultText(m_accumulator));
}

// The one error the calculator swallows: a first number it cannot take empties the display.
void CalculatorEngine::takeFirstNumber()
{
    try {
        m_accumulator = Real48::fromExtended(readNumber(m_display));
        m_accumulatorValid = true;
        m_newNumber = true;
    } catch (const OrvError &) {
        setDisplay(QString());
    }
}

// Operand keeps the number read even when the operation that follows fails.
long double CalculatorEngine::readOperand()
{
    m_operand = Real48::fromExtended(readNumber(m_display));
    return m_operand.toExtended();
}

// The display shows the value as computed, before the store that may still overflow.
void CalculatorEngine::showAndStore(long double value)
{
    setDisplay(generalText(value));
    m_accumulator = Real48::fromExtended(value);
    m_accumulatorValid = true;
    m_newNumber = true;
}

void CalculatorEngine::setDisplay(const QString &text)
{
    if (text == m_display)
        return;
    m_display = text;
    Q_EMIT displayChanged(m_display);
}
