// Random key sequences through the calculator engine: after every key its state stays consistent,
// and a key that fails leaves it as it was.
#include "CalculatorChecks.h"
#include "CalculatorEngine.h"
#include "NumberText.h"
#include "OrvError.h"

namespace {

using Operator = CalculatorEngine::Operator;

struct Snapshot
{
    QString display;
    Real48 accumulator;
    Operator pending;
    bool valid;
    bool newNumber;

    explicit Snapshot(const CalculatorEngine &e)
        : display(e.display())
        , accumulator(e.Accumulator())
        , pending(e.PendingOperator())
        , valid(e.AccumulatorValid())
        , newNumber(e.NewNumber())
    {
    }
};

enum Key {
    Digit0,
    Digit9 = 9,
    Separator,
    Equals,
    Add,
    Subtract,
    Multiply,
    Divide,
    Reciprocal,
    SquareRoot,
    Clear,
    KeyCount
};

Operator operatorOf(int key)
{
    static constexpr Operator ops[] = {Operator::Add, Operator::Subtract, Operator::Multiply, Operator::Divide};
    return ops[key - Add];
}

void press(CalculatorEngine &engine, int key)
{
    if (key <= Digit9)
        engine.digitKey(key);
    else if (key == Separator)
        engine.separatorKey();
    else if (key == Equals)
        engine.equalsKey();
    else if (key <= Divide)
        engine.operatorKey(operatorOf(key));
    else if (key == Reciprocal)
        engine.reciprocalKey();
    else if (key == SquareRoot)
        engine.squareRootKey();
    else
        engine.clear();
}

bool isDisplayCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u',' || c == u'-' || c == u'E';
}

void checkState(const CalculatorEngine &engine)
{
    checkReal48(engine.Accumulator());
    checkReal48(engine.Operand());
    const Operator op = engine.PendingOperator();
    FUZZ_CHECK(op == Operator::None || op == Operator::Add || op == Operator::Subtract || op == Operator::Multiply
               || op == Operator::Divide);
    // Only a clear makes the accumulator invalid, and a clear zeroes it.
    if (!engine.AccumulatorValid())
        FUZZ_CHECK(engine.Accumulator().isZero());
    for (const QChar c : engine.display())
        FUZZ_CHECK(isDisplayCharacter(c));
}

void checkAfterSuccess(const CalculatorEngine &engine, const Snapshot &before, int key)
{
    const Snapshot after(engine);
    if (key <= Digit9) {
        const QChar digit(u'0' + key);
        FUZZ_CHECK(!after.newNumber);
        FUZZ_CHECK(after.display == (before.newNumber ? QString(digit) : before.display + digit));
    } else if (key == Separator) {
        FUZZ_CHECK(after.display == before.display + u',' && after.newNumber == before.newNumber);
    } else if (key == Clear) {
        FUZZ_CHECK(after.display.isEmpty() && !after.valid && after.pending == Operator::None);
        FUZZ_CHECK(after.accumulator.isZero() && engine.Operand().isZero() && after.newNumber == before.newNumber);
    } else if (!before.valid && key >= Equals && key <= Divide) {
        // The first number: taken as typed, or the display emptied without a message.
        if (after.valid)
            FUZZ_CHECK(after.display == before.display && after.newNumber);
        else
            FUZZ_CHECK(after.display.isEmpty() && after.accumulator.isZero());
    } else {
        // A result is shown; the next evaluation reads it back.
        FUZZ_CHECK(after.valid && after.newNumber);
        readNumber(after.display);
    }
    if (key >= Add && key <= Divide)
        FUZZ_CHECK(after.pending == operatorOf(key));
    else if (key != Clear)
        FUZZ_CHECK(after.pending == before.pending);
}

void checkAfterFailure(const CalculatorEngine &engine, const Snapshot &before, int key, const OrvError &error)
{
    FUZZ_CHECK(isCalculatorError(error.text()));
    const Snapshot after(engine);
    // "1/x" and "sqr" show their value before the store that may overflow.
    if (key != Reciprocal && key != SquareRoot)
        FUZZ_CHECK(after.display == before.display);
    FUZZ_CHECK(after.accumulator == before.accumulator && after.pending == before.pending);
    FUZZ_CHECK(after.valid == before.valid && after.newNumber == before.newNumber);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CalculatorEngine engine;
    for (std::size_t i = 0; i < size; ++i) {
        const int key = data[i] % KeyCount;
        const Snapshot before(engine);
        try {
            press(engine, key);
            checkAfterSuccess(engine, before, key);
        } catch (const OrvError &error) {
            checkAfterFailure(engine, before, key, error);
        }
        checkState(engine);
    }
    return 0;
}
