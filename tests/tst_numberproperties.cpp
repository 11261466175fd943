// The fuzzer's properties over seeded generated inputs, so that a build
// without clang checks them too.
#include "NumberProperties.h"

#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cstdint>

namespace {

// Texts near the accepted grammar: signs, digits, one or two separators,
// exponents, blanks, and now and then a character that does not belong.
std::string generatedText(QRandomGenerator& random, char separator)
{
    static const std::string stray = "xe+-.,$ \t0x";
    std::string text;
    const auto chance = [&random](int percent) { return random.bounded(100) < percent; };
    if (chance(20)) {
        text += ' ';
    }
    if (chance(30)) {
        text += chance(50) ? '-' : '+';
    }
    const int integerDigits = random.bounded(chance(10) ? 40 : 8);
    for (int i = 0; i < integerDigits; ++i) {
        text += static_cast<char>('0' + random.bounded(10));
    }
    if (chance(70)) {
        text += separator;
        const int fractionDigits = random.bounded(chance(10) ? 40 : 8);
        for (int i = 0; i < fractionDigits; ++i) {
            text += static_cast<char>('0' + random.bounded(10));
        }
    }
    if (chance(25)) {
        text += chance(50) ? 'e' : 'E';
        if (chance(50)) {
            text += chance(50) ? '-' : '+';
        }
        text += std::to_string(random.bounded(chance(10) ? 400 : 30));
    }
    if (chance(10)) {
        text.insert(static_cast<std::size_t>(random.bounded(static_cast<int>(text.size()) + 1)), 1,
                    stray[static_cast<std::size_t>(random.bounded(static_cast<int>(stray.size())))]);
    }
    if (chance(20)) {
        text += ' ';
    }
    return text;
}

// Doubles of every kind: any bit pattern, decimal-looking values, and values
// a hair either side of a decimal half.
double generatedValue(QRandomGenerator& random)
{
    switch (random.bounded(3)) {
    case 0:
        return std::bit_cast<double>(random.generate64());
    case 1:
        return (random.bounded(2) == 0 ? -1 : 1) * std::pow(10.0, random.bounded(40.0) - 20.0);
    default: {
        const double half = (std::floor(random.bounded(1e6)) + 0.5) / 1e4;
        return std::nextafter(half, random.bounded(2) == 0 ? 0.0 : 1e9);
    }
    }
}

} // namespace

class NumberPropertiesTest : public QObject {
    Q_OBJECT
private slots:
    void hold_over_generated_inputs_data()
    {
        QTest::addColumn<char>("separator");
        QTest::newRow("point") << '.';
        QTest::newRow("comma") << ',';
    }
    void hold_over_generated_inputs()
    {
        QFETCH(char, separator);
        const std::string sep(1, separator);
        QRandomGenerator random(0x0a7a17a);
        int accepted = 0;
        for (int i = 0; i < 60000; ++i) {
            const std::string text = generatedText(random, separator);
            const std::string textProblem = numberproperties::checkText(text, sep);
            QVERIFY2(textProblem.empty(), textProblem.c_str());
            accepted += orvanta::parseNumber(text, sep) ? 1 : 0;

            const double value = generatedValue(random);
            if (std::isfinite(value)) {
                for (const int decimals : numberproperties::kCheckedDecimals) {
                    const std::string problem = numberproperties::checkFormatted(value, decimals, sep);
                    QVERIFY2(problem.empty(), problem.c_str());
                }
            }
        }
        // The generator must reach both sides of the grammar.
        QVERIFY(accepted > 10000);
        QVERIFY(accepted < 55000);
    }

    void reference_agrees_on_known_values_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("half") << 1.00005 << "1.0001";
        QTest::newRow("noise below half") << 0.00025 << "0.0003";
        QTest::newRow("negative to zero") << -0.00001 << "0.0000";
        QTest::newRow("carry") << 9.99995 << "10.0000";
    }
    void reference_agrees_on_known_values()
    {
        QFETCH(double, value);
        QTEST(QString::fromStdString(numberproperties::referenceFixed(value, 4, ".")), "expected");
    }
};

QTEST_GUILESS_MAIN(NumberPropertiesTest)
#include "tst_numberproperties.moc"
