// The calculator engine: key sequences, failing keys, the 6-byte real and the number texts.
#include "CalculatorChecks.h"
#include "CalculatorEngine.h"
#include "NumberText.h"
#include "OrvError.h"
#include "Real48.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <random>

Q_DECLARE_METATYPE(long double)

namespace {

using Operator = CalculatorEngine::Operator;

const QString NotANumber = QStringLiteral("'%1' n'est pas une valeur flottante correcte");
const QString DivisionByZero = QStringLiteral("Division flottante par zéro");
const QString Invalid = QStringLiteral("Opération flottante incorrecte");
const QString Overflow = QStringLiteral("Débordement flottant");

// "1" followed by that many zeros, typed digit by digit.
QString tenTo(int power)
{
    return u'1' + QString(power, u'0');
}

// Digits, "," and + - * / as written, "=" for equals, "x" for "1/x", "s" for "sqr" and "C" for
// "C", which is also what every activation of the window runs.
void pressKey(CalculatorEngine &engine, QChar key)
{
    switch (key.unicode()) {
    case u',': engine.separatorKey(); break;
    case u'=': engine.equalsKey(); break;
    case u'+': engine.operatorKey(Operator::Add); break;
    case u'-': engine.operatorKey(Operator::Subtract); break;
    case u'*': engine.operatorKey(Operator::Multiply); break;
    case u'/': engine.operatorKey(Operator::Divide); break;
    case u'x': engine.reciprocalKey(); break;
    case u's': engine.squareRootKey(); break;
    case u'C': engine.clear(); break;
    default:
        QVERIFY2(key.isDigit(), "unknown key in a test sequence");
        engine.digitKey(key.digitValue());
    }
}

// Presses every key as the window would, going on after an error; returns the last error's text.
QString press(CalculatorEngine &engine, const QString &keys)
{
    QString error;
    for (const QChar key : keys)
        if (const QString text = errorOf([&] { pressKey(engine, key); }); !text.isEmpty())
            error = text;
    return error;
}

// One to ten digits, with a "," at a random place or none, sometimes after "0,000".
QString randomNumber(std::mt19937_64 &random)
{
    QString digits;
    for (int n = 1 + int(random() % 10); n > 0; --n)
        digits += QChar(u'0' + int(random() % 10));
    switch (random() % 4) {
    case 0:
        return digits;
    case 1:
        return QStringLiteral("0,000") + digits;
    default:
        return digits.insert(qsizetype(random() % (digits.size() + 1)), u',');
    }
}

Real48 stored(const QString &text)
{
    return Real48::fromExtended(readNumber(text));
}

struct Snapshot
{
    QString display;
    Real48 accumulator;
    Operator pendingOperator;
    bool accumulatorValid;
    bool newNumber;

    explicit Snapshot(const CalculatorEngine &e)
        : display(e.display()), accumulator(e.Accumulator()), pendingOperator(e.PendingOperator()),
          accumulatorValid(e.AccumulatorValid()), newNumber(e.NewNumber())
    {
    }
    bool operator==(const Snapshot &) const = default;
};

} // namespace

char *toString(const Real48 &value)
{
    return qstrdup(qPrintable(generalText(value.toExtended())));
}

class TestCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysGiveTheirDisplay_data();
    void keysGiveTheirDisplay();
    void keysLeaveTheirState_data();
    void keysLeaveTheirState();
    void failingKeyChangesNothingButOperand_data();
    void failingKeyChangesNothingButOperand();
    void reciprocalShowsItsTextBeforeAnOverflowingStore();

    void storeCutsToFortyBits_data();
    void storeCutsToFortyBits();
    void decimalsCarryTheirNoise_data();
    void decimalsCarryTheirNoise();

    void displayIsReadByItsGrammar_data();
    void displayIsReadByItsGrammar();
    void generalTextLaysOutFifteenDigits_data();
    void generalTextLaysOutFifteenDigits();
    void resultTextIsTheShortestThatReadsBack();
};

void TestCalculator::keysGiveTheirDisplay_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("error");

    QTest::newRow("12+3= shows 15") << "12+3=" << "15" << "";
    QTest::newRow("a further = adds the displayed 15") << "12+3==" << "30" << "";
    QTest::newRow("* first applies the pending +") << "1+2=*4=" << "24" << "";
    QTest::newRow("no precedence") << "2+3*4=" << "20" << "";
    QTest::newRow("first number stays as typed") << "9=" << "9" << "";
    QTest::newRow("= without operator shows Accumulator") << "9==" << "9" << "";
    QTest::newRow("3/2") << "3/2=" << "1,5" << "";
    QTest::newRow("1/4") << "1/4=" << "0,25" << "";
    QTest::newRow("5-9") << "5-9=" << "-4" << "";
    QTest::newRow("0,1+0,2 without noise") << "0,1+0,2=" << "0,3" << "";
    QTest::newRow("1E15 whole") << "1000000*1000000000=" << "1E15" << "";
    QTest::newRow("1/x text not cut") << "3x" << "0,333333333333333" << "";
    QTest::newRow("sqr is the root") << "2s" << "1,4142135623731" << "";
    QTest::newRow("1/0") << "1/0=" << "0" << DivisionByZero;
    QTest::newRow("0/0") << "0/0=" << "0" << Invalid;
    QTest::newRow("sqr of a negative") << "5-9=s" << "-4" << Invalid;
    QTest::newRow("1,,2 as first number: silent") << "1,,2=" << "" << "";
    QTest::newRow("1,,2 as second number: reported") << "5+1,,2=" << "1,,2" << NotANumber.arg("1,,2");
    QTest::newRow("1/x on the empty display") << "x" << "" << NotANumber.arg("");
    QTest::newRow("sqr on the empty display") << "s" << "" << NotANumber.arg("");
    QTest::newRow(", then = keeps the text") << ",=" << "," << "";
    QTest::newRow(", then = takes 0") << ",=*7=" << "0" << "";
    QTest::newRow(", extends a result") << "12+3=," << "15," << "";
    QTest::newRow("digit after 15, starts anew") << "12+3=,3" << "3" << "";
    QTest::newRow("NewNumber survives an activation") << "12+3=C,5" << "5" << "";
    QTest::newRow("activation forgets the operator") << "12+3=C4==" << "4" << "";
    QTest::newRow("10^38 first number accepted") << tenTo(38) + "==" << "1E38" << "";
    QTest::newRow("10^39 first number silent") << tenTo(39) + "=" << "" << "";
    QTest::newRow("10^39 second number overflows") << "5+" + tenTo(39) + "=" << tenTo(39) << Overflow;

    QTest::newRow("0,7 without noise") << "0,7==" << "0,7" << "";
    QTest::newRow("0,1+0,6 is not the stored 0,7") << "0,1+0,6=" << "0,700000000001" << "";
    QTest::newRow("0,7-0,6 keeps the operands' noise") << "0,7-0,6=" << "0,0999999999995" << "";
    QTest::newRow("0,3-0,1-0,2 shows what is left") << "0,3-0,1-0,2=" << "2,273736754432E-13" << "";
    QTest::newRow("difference keeps its digits") << "1000000,123-1000000=" << "0,1230001449585" << "";
    QTest::newRow("1/20 keeps its inner zero") << "1/20=" << "0,05" << "";
    QTest::newRow("1,5E20 keeps its exponent") << "15000000000*10000000000=" << "1,5E20" << "";
    QTest::newRow("1/3 keeps the digits it holds") << "1/3=" << "0,3333333333335" << "";
    QTest::newRow("1/x then = shows what was stored") << "3x=" << "0,3333333333335" << "";
    QTest::newRow("0902*2/4,53- keeps every digit") << "0902*2/4,53-" << "398,2339955852" << "";
    QTest::newRow("equally near: away from zero") << "200000000000,25+0=" << "200000000000,3" << "";
    QTest::newRow("equally near, negative") << "0-200000000000,25=" << "-200000000000,3" << "";
    QTest::newRow("1E-5 reads back exactly") << "1/100000==" << "1" << "";
    QTest::newRow("leading zeros kept") << "007" << "007" << "";
    QTest::newRow("digits after a result are the right-hand number") << "12+3=45=" << "60" << "";
    QTest::newRow("silent first failure records the operator") << "1,,2+3=4=" << "7" << "";
    QTest::newRow("1/x replaces Accumulator, keeps the operator") << "2+8x=" << "0,25" << "";
    QTest::newRow("second , fails when read") << "3/2=,=" << "1,5," << NotANumber.arg("1,5,");
    QTest::newRow("overflowing product") << tenTo(20) + "*" + tenTo(20) + "=" << tenTo(20) << Overflow;
    QTest::newRow("vanishing product is 0")
        << "0," + QString(19, u'0') + "1*0," + QString(19, u'0') + "1=" << "0" << "";
}

void TestCalculator::keysGiveTheirDisplay()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    QFETCH(QString, error);

    CalculatorEngine engine;
    QCOMPARE(press(engine, keys), error);
    QCOMPARE(engine.display(), display);
}

void TestCalculator::keysLeaveTheirState_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("accumulator");
    QTest::addColumn<bool>("accumulatorValid");
    QTest::addColumn<bool>("newNumber");
    QTest::addColumn<char>("pendingOperator");

    QTest::newRow("start") << "" << "0" << false << false << '\0';
    QTest::newRow("first number taken") << "9=" << "9" << true << true << '\0';
    QTest::newRow("silent = changes nothing else") << "1,,2=" << "0" << false << false << '\0';
    QTest::newRow("silent operator still recorded") << "1,,2-" << "0" << false << false << '-';
    QTest::newRow("1/x keeps the operator") << "2+8x" << "0,125" << true << true << '+';
    QTest::newRow("C keeps NewNumber") << "12+3=C" << "0" << false << true << '\0';
}

void TestCalculator::keysLeaveTheirState()
{
    QFETCH(QString, keys);
    QFETCH(QString, accumulator);
    QFETCH(bool, accumulatorValid);
    QFETCH(bool, newNumber);
    QFETCH(char, pendingOperator);

    CalculatorEngine engine;
    QCOMPARE(press(engine, keys), QString());
    QCOMPARE(engine.Accumulator(), stored(accumulator));
    QCOMPARE(engine.AccumulatorValid(), accumulatorValid);
    QCOMPARE(engine.NewNumber(), newNumber);
    QCOMPARE(char(engine.PendingOperator()), pendingOperator);
}

void TestCalculator::failingKeyChangesNothingButOperand_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("operand");

    // An empty operand column: the key failed before it read a number.
    QTest::newRow("= on 1/0") << "1/0" << QChar(u'=') << DivisionByZero << "0";
    QTest::newRow("operator on 1/0 keeps /") << "1/0" << QChar(u'-') << DivisionByZero << "0";
    QTest::newRow("= on 0/0") << "0/0" << QChar(u'=') << Invalid << "0";
    QTest::newRow("sqr on -4") << "5-9=" << QChar(u's') << Invalid << "-4";
    QTest::newRow("operator on 1,,2 keeps +") << "5+1,,2" << QChar(u'*') << NotANumber.arg("1,,2") << "";
    QTest::newRow("1/x on the empty display") << "" << QChar(u'x') << NotANumber.arg("") << "";
    QTest::newRow("sqr on 1,,") << "1,," << QChar(u's') << NotANumber.arg("1,,") << "";
    QTest::newRow("= on an overflowing operand") << "5+" + tenTo(39) << QChar(u'=') << Overflow << "";
    QTest::newRow("1/x on an overflowing operand") << tenTo(39) << QChar(u'x') << Overflow << "";
    QTest::newRow("= on an overflowing result") << tenTo(20) + "*" + tenTo(20) << QChar(u'=') << Overflow
                                                 << tenTo(20);
}

void TestCalculator::failingKeyChangesNothingButOperand()
{
    QFETCH(QString, before);
    QFETCH(QChar, key);
    QFETCH(QString, error);
    QFETCH(QString, operand);

    CalculatorEngine engine;
    QCOMPARE(press(engine, before), QString());
    const Snapshot state(engine);
    const Real48 operandBefore = engine.Operand();
    QSignalSpy changes(&engine, &CalculatorEngine::displayChanged);

    QCOMPARE(press(engine, QString(key)), error);
    QVERIFY(Snapshot(engine) == state);
    QCOMPARE(engine.Operand(), operand.isEmpty() ? operandBefore : stored(operand));
    QCOMPARE(changes.count(), 0);
}

void TestCalculator::reciprocalShowsItsTextBeforeAnOverflowingStore()
{
    // 4E-39 as stored has a reciprocal of 2,5E38: shown, then too large for Accumulator.
    CalculatorEngine engine;
    press(engine, "7+0," + QString(38, u'0') + "4");
    Snapshot expected(engine);
    expected.display = QStringLiteral("2,50000000000141E38");
    QSignalSpy changes(&engine, &CalculatorEngine::displayChanged);

    QCOMPARE(press(engine, "x"), Overflow);
    QVERIFY(Snapshot(engine) == expected);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), expected.display);
}

void TestCalculator::storeCutsToFortyBits_data()
{
    // The input is bits / 2^63 * 2^power with the top bit of its 64 set.
    QTest::addColumn<bool>("negative");
    QTest::addColumn<quint64>("bits");
    QTest::addColumn<int>("power");
    QTest::addColumn<quint64>("significand");
    QTest::addColumn<int>("exponent");
    QTest::addColumn<QString>("error");

    const quint64 top = quint64(1) << 63;
    const quint64 half = quint64(1) << 23;
    const quint64 all40 = ~quint64(0) << 24;
    QTest::newRow("40 bits kept") << false << all40 << 3 << (all40 >> 24) << 3 << "";
    QTest::newRow("just under half dropped") << false << top + half - 1 << 0 << (top >> 24) << 0 << "";
    QTest::newRow("exact half of an even significand up") << false << top + half << 0 << (top >> 24) + 1 << 0
                                                          << "";
    QTest::newRow("exact half away from zero") << true << top + half << 0 << (top >> 24) + 1 << 0 << "";
    QTest::newRow("carry raises the exponent") << false << all40 + half << 5 << (top >> 24) << 6 << "";
    QTest::newRow("2^-128 kept") << false << top << -128 << (top >> 24) << -128 << "";
    QTest::newRow("just below 2^-128 rounds up to it") << false << all40 + half << -129 << (top >> 24) << -128
                                                       << "";
    QTest::newRow("just below 2^-128 is 0") << false << all40 + half - 1 << -129 << quint64(0) << 0 << "";
    QTest::newRow("largest below 2^127 kept") << false << all40 << 126 << (all40 >> 24) << 126 << "";
    QTest::newRow("rounding up to 2^127 overflows") << false << all40 + half << 126 << quint64(0) << 0
                                                    << Overflow;
    QTest::newRow("2^127 overflows") << false << top << 127 << quint64(0) << 0 << Overflow;
    QTest::newRow("-2^127 overflows") << true << top << 127 << quint64(0) << 0 << Overflow;
    QTest::newRow("extended subnormal is 0") << false << top << -16400 << quint64(0) << 0 << "";
}

void TestCalculator::storeCutsToFortyBits()
{
    QFETCH(bool, negative);
    QFETCH(quint64, bits);
    QFETCH(int, power);
    QFETCH(quint64, significand);
    QFETCH(int, exponent);
    QFETCH(QString, error);

    const long double magnitude = std::ldexp(static_cast<long double>(bits), power - 63);
    const long double input = negative ? -magnitude : magnitude;
    QCOMPARE(errorOf([&] { Real48::fromExtended(input); }), error);
    if (!error.isEmpty())
        return;
    const Real48 value = Real48::fromExtended(input);
    QCOMPARE(value.significand(), significand);
    if (significand == 0) {
        QVERIFY(value.isZero());
        QCOMPARE(value.toExtended(), 0.0L);
        return;
    }
    QCOMPARE(value.exponent(), exponent);
    const long double expected = std::ldexp(static_cast<long double>(significand), exponent - 39);
    QCOMPARE(value.toExtended(), negative ? -expected : expected);
}

void TestCalculator::decimalsCarryTheirNoise_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("held");
    QTest::addColumn<QString>("general");

    QTest::newRow("0,1") << "0,1=" << 0.10000000000002274 << "0,100000000000023";
    QTest::newRow("0,7") << "0,7=" << 0.69999999999981810 << "0,699999999999818";
    QTest::newRow("0,1+0,2") << "0,1+0,2=" << 0.30000000000018190 << "0,300000000000182";
}

void TestCalculator::decimalsCarryTheirNoise()
{
    QFETCH(QString, keys);
    QFETCH(double, held);
    QFETCH(QString, general);

    // 40 bits fit a double exactly, and 17 digits name a double.
    CalculatorEngine engine;
    press(engine, keys);
    const long double value = engine.Accumulator().toExtended();
    QCOMPARE(static_cast<double>(value), held);
    QCOMPARE(generalText(value), general);
}

void TestCalculator::displayIsReadByItsGrammar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<long double>("value");

    QTest::newRow(", alone is 0") << "," << true << 0.0L;
    QTest::newRow("12, is 12") << "12," << true << 12.0L;
    QTest::newRow(",5") << ",5" << true << 0.5L;
    QTest::newRow("signs") << "-,25" << true << -0.25L;
    QTest::newRow("blanks at both ends") << "  4,5 " << true << 4.5L;
    QTest::newRow("exponent") << "1,5E20" << true << 1.5e20L;
    QTest::newRow("small e and signs") << "-2e-3" << true << -2e-3L;
    QTest::newRow("plus signs") << "+1E+2" << true << 100.0L;
    QTest::newRow("correctly rounded") << "0,1" << true << 0.1L;
    QTest::newRow("beyond extended range") << "1E99999" << true << HUGE_VALL;
    QTest::newRow("empty") << "" << false << 0.0L;
    QTest::newRow("blanks only") << "  " << false << 0.0L;
    QTest::newRow("second ,") << "1,,2" << false << 0.0L;
    QTest::newRow("sign alone") << "-" << false << 0.0L;
    QTest::newRow("exponent without digits") << "1E" << false << 0.0L;
    QTest::newRow("exponent without mantissa") << "E5" << false << 0.0L;
    QTest::newRow("point is not the separator") << "1.5" << false << 0.0L;
    QTest::newRow("inner blank") << "1 2" << false << 0.0L;
    QTest::newRow("sign after") << "1-" << false << 0.0L;
}

void TestCalculator::displayIsReadByItsGrammar()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(long double, value);

    long double read = 0;
    QCOMPARE(errorOf([&] { read = readNumber(text); }), valid ? QString() : NotANumber.arg(text));
    if (valid)
        QVERIFY(read == value);
}

void TestCalculator::generalTextLaysOutFifteenDigits_data()
{
    QTest::addColumn<long double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0L << "0";
    QTest::newRow("negative zero") << -0.0L << "0";
    QTest::newRow("zeros filled in") << 1000.0L << "1000";
    QTest::newRow("negative") << -4.25L << "-4,25";
    QTest::newRow("0,0001 fixed") << 0.0001L << "0,0001";
    QTest::newRow("rounds up into fixed") << 0.0000999999999999999999L << "0,0001";
    QTest::newRow("1E-5") << 0.00001L << "1E-5";
    QTest::newRow("1,5E-5") << 0.000015L << "1,5E-5";
    QTest::newRow("largest fixed") << 999999999999999.0L << "999999999999999";
    QTest::newRow("1E15") << 1e15L << "1E15";
    QTest::newRow("rounds up to 1E15") << 999999999999999.6L << "1E15";
    QTest::newRow("fifteen digits kept") << 123456789012345678.0L << "1,23456789012346E17";
    QTest::newRow("exact half away from zero") << 100000000000000.5L << "100000000000001";
    QTest::newRow("1/3") << 1.0L / 3 << "0,333333333333333";
}

void TestCalculator::generalTextLaysOutFifteenDigits()
{
    QFETCH(long double, value);
    QFETCH(QString, text);

    QCOMPARE(generalText(value), text);
}

void TestCalculator::resultTextIsTheShortestThatReadsBack()
{
    // Chains of random operations on random typed numbers, then random stored values over the
    // whole range: each result shown reads back as Accumulator and no shorter text does.
    std::mt19937_64 random(14);
    int checked = 0;
    for (int chain = 0; chain < 1500; ++chain) {
        CalculatorEngine engine;
        press(engine, randomNumber(random) + u'=');
        for (int step = 0; step < 4; ++step) {
            const QString keys = randomNumber(random) + QChar(u"+-*/="[random() % 5]);
            if (!press(engine, keys).isEmpty())
                break;
            const QString fault = resultTextFault(engine.Accumulator(), engine.display());
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            ++checked;
        }
    }
    // Powers of two, which read back from a narrower interval below than above, and the largest
    // significands, at every exponent; then random ones.
    const quint64 lowest = quint64(1) << 39;
    const int exponents = Real48::MaxExponent - Real48::MinExponent + 1;
    QList<std::pair<quint64, int>> stores;
    for (int exponent = Real48::MinExponent; exponent <= Real48::MaxExponent; ++exponent)
        stores << std::pair(lowest, exponent) << std::pair(2 * lowest - 1, exponent);
    for (int n = 0; n < 3000; ++n)
        stores << std::pair(lowest | (random() >> 25), Real48::MinExponent + int(random() % exponents));
    for (const auto &[significand, exponent] : stores) {
        const long double magnitude = std::ldexp(static_cast<long double>(significand), exponent - 39);
        const Real48 value = Real48::fromExtended(random() % 2 ? -magnitude : magnitude);
        const QString fault = resultTextFault(value, resultText(value));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        ++checked;
    }
    qDebug("%d results checked", checked);
    QVERIFY(checked > 8000);
}

QTEST_GUILESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
