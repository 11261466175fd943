// The number reader and the display patterns: what passes as a number, how
// values are written back, and that a written text reads back unchanged.
#include "NumberText.h"
#include "PlatingArithmetic.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <string>

using namespace orvanta;

namespace {

std::string utf8(const QString& text)
{
    return text.toStdString();
}

QString readBack(const QString& text, const QString& separator)
{
    const std::optional<double> value = parseNumber(utf8(text), utf8(separator));
    return value ? QString::number(*value, 'g', 15) : QStringLiteral("refused");
}

} // namespace

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void reads_numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected"); // the value, or "refused"

        const QString point = QStringLiteral(".");
        const QString comma = QStringLiteral(",");
        QTest::newRow("plain decimal") << "0.4485" << point << "0.4485";
        QTest::newRow("no digit before the point") << ".5" << point << "0.5";
        QTest::newRow("no digit after the point") << "5." << point << "5";
        QTest::newRow("negative integer") << "-2" << point << "-2";
        QTest::newRow("plus sign") << "+12" << point << "12";
        QTest::newRow("exponent") << "1e-3" << point << "0.001";
        QTest::newRow("capital exponent with sign") << "2.5E+2" << point << "250";
        QTest::newRow("blanks around") << "  0.25 " << point << "0.25";
        QTest::newRow("tab around") << "\t7\t" << point << "7";
        QTest::newRow("underflow reads as zero") << "1e-400" << point << "0";
        QTest::newRow("many zeros then digits") << "0.000000000000000000001" << point << "1e-21";
        QTest::newRow("comma locale") << "0,4485" << comma << "0.4485";
        QTest::newRow("comma locale, leading separator") << ",5" << comma << "0.5";

        QTest::newRow("empty") << "" << point << "refused";
        QTest::newRow("blanks only") << "   " << point << "refused";
        QTest::newRow("letters") << "abc" << point << "refused";
        QTest::newRow("separator alone") << "." << point << "refused";
        QTest::newRow("sign alone") << "-" << point << "refused";
        QTest::newRow("two separators") << "1.2.3" << point << "refused";
        QTest::newRow("group separator") << "1,234.5" << point << "refused";
        QTest::newRow("point in a comma locale") << "0.5" << comma << "refused";
        QTest::newRow("group point in a comma locale") << "1.234,5" << comma << "refused";
        QTest::newRow("hexadecimal") << "0x1A" << point << "refused";
        QTest::newRow("hex float") << "0x1p3" << point << "refused";
        QTest::newRow("infinity") << "inf" << point << "refused";
        QTest::newRow("nan") << "nan" << point << "refused";
        QTest::newRow("currency") << "$5" << point << "refused";
        QTest::newRow("beyond the double range") << "1e400" << point << "refused";
        QTest::newRow("long digits beyond the range") << QString(400, QLatin1Char('9')) << point << "refused";
        QTest::newRow("exponent without digits") << "1e" << point << "refused";
        QTest::newRow("blank inside") << "0. 5" << point << "refused";
        QTest::newRow("two signs") << "--5" << point << "refused";
        QTest::newRow("trailing letter") << "5d" << point << "refused";
    }
    void reads_numbers()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QTEST(readBack(text, separator), "expected");
    }

    void formats_in_the_display_pattern_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("expected");

        const QString point = QStringLiteral(".");
        QTest::newRow("half rounds up") << 1.00005 << 4 << point << "1.0001";
        QTest::newRow("binary noise below a half") << 0.00025 << 4 << point << "0.0003";
        QTest::newRow("below the half") << 0.44672 << 4 << point << "0.4467";
        QTest::newRow("above the half") << 0.44676 << 4 << point << "0.4468";
        QTest::newRow("leading zero added") << 0.5 << 4 << point << "0.5000";
        QTest::newRow("negative") << -2.0 << 4 << point << "-2.0000";
        QTest::newRow("integer") << 12.0 << 4 << point << "12.0000";
        QTest::newRow("rounds to four") << 1.23456 << 4 << point << "1.2346";
        QTest::newRow("negative half away from zero") << -0.00005 << 4 << point << "-0.0001";
        QTest::newRow("negative rounding to zero has no sign") << -0.00001 << 4 << point << "0.0000";
        QTest::newRow("negative zero") << -0.0 << 4 << point << "0.0000";
        QTest::newRow("carry through nines") << 9.99996 << 4 << point << "10.0000";
        QTest::newRow("three decimals") << 0.01234 << 3 << point << "0.012";
        QTest::newRow("three decimals, half") << 0.0125 << 3 << point << "0.013";
        QTest::newRow("tiny") << 1e-20 << 4 << point << "0.0000";
        QTest::newRow("large, no group separators") << 1234567.0 << 4 << point << "1234567.0000";
        QTest::newRow("comma separator") << 0.4465 << 4 << QStringLiteral(",") << "0,4465";
        QTest::newRow("15 significant digits first") << 123456789012.34567 << 4 << point << "123456789012.3460";
        // Rounded to 15 digits the largest double would leave the range: it keeps 1.79769313486231e308.
        QTest::newRow("largest double stays readable")
            << -1.7976931348623157e308 << 4 << point << "-179769313486231" + QString(294, QLatin1Char('0')) + ".0000";
    }
    void formats_in_the_display_pattern()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, separator);
        QTEST(QString::fromStdString(formatFixed(value, decimals, utf8(separator))), "expected");
    }

    void pitch_values_use_four_decimals()
    {
        QCOMPARE(formatPitchValue(0.4465), "0.4465");
        QCOMPARE(formatPitchValue(11.836, ","), "11,8360");
    }

    // Writing a value back and reading it again must give the same text, for
    // any value the calculator can meet, in both separators and patterns.
    void written_text_reads_back_unchanged_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("decimals");
        QTest::newRow("point, four") << QStringLiteral(".") << 4;
        QTest::newRow("comma, four") << QStringLiteral(",") << 4;
        QTest::newRow("point, three") << QStringLiteral(".") << 3;
    }
    void written_text_reads_back_unchanged()
    {
        QFETCH(QString, separator);
        QFETCH(int, decimals);
        const std::string sep = utf8(separator);
        QRandomGenerator random(20261208);
        for (int i = 0; i < 50000; ++i) {
            // Magnitudes from 1e-8 to 1e16, both signs, and values near decimal halves.
            const double magnitude = std::pow(10.0, random.bounded(-8.0) + random.bounded(24.0));
            double value = (random.bounded(2) == 0 ? -1.0 : 1.0) * magnitude;
            if (i % 3 == 0) {
                value = (std::floor(value * 1e4) + 0.5) / 1e4;
            }
            const std::string written = formatFixed(value, decimals, sep);
            const std::optional<double> read = parseNumber(written, sep);
            QVERIFY2(read.has_value(), written.c_str());
            const std::string again = formatFixed(*read, decimals, sep);
            QVERIFY2(again == written, (written + " became " + again).c_str());
            QVERIFY2(written.rfind("-0" + sep + std::string(static_cast<std::size_t>(decimals), '0'), 0) != 0,
                     written.c_str());
        }
    }
};

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
