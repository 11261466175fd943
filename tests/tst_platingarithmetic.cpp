// The plating allowance arithmetic on worked examples and its edge cases.
#include "PlatingArithmetic.h"

#include <QTest>

#include <cfloat>
#include <limits>
#include <optional>

using namespace orvanta;

Q_DECLARE_METATYPE(orvanta::ThreadSide)
Q_DECLARE_METATYPE(orvanta::ThicknessOrder)
Q_DECLARE_METATYPE(orvanta::SideEntry)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

using Maybe = std::optional<double>;
const QString kAbsent = QStringLiteral("absent");

QString shown(Maybe value)
{
    return value ? QString::fromStdString(formatPitchValue(*value)) : kAbsent;
}

} // namespace

class PlatingArithmeticTest : public QObject {
    Q_OBJECT
private slots:
    void classifies_thicknesses_exactly_data()
    {
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<ThicknessOrder>("expected");
        QTest::newRow("equal") << 0.0003 << 0.0003 << ThicknessOrder::Equal;
        QTest::newRow("both zero") << 0.0 << 0.0 << ThicknessOrder::Equal;
        QTest::newRow("below") << 0.0003 << 0.0004 << ThicknessOrder::Ascending;
        QTest::newRow("a hair below is not equal") << 0.0003 << 0.00031 << ThicknessOrder::Ascending;
        QTest::newRow("above") << 0.0004 << 0.0003 << ThicknessOrder::Reversed;
        QTest::newRow("negative zero equals zero") << -0.0 << 0.0 << ThicknessOrder::Equal;
    }
    void classifies_thicknesses_exactly()
    {
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(ThicknessOrder, expected);
        QCOMPARE(classifyThicknesses(minimum, maximum), expected);
    }

    void reversed_message_names_the_side()
    {
        QCOMPARE(thicknessOrderMessage(ThreadSide::External), "Minimum entry must be less than Maximum entry");
        QCOMPARE(thicknessOrderMessage(ThreadSide::Internal), "Maximum entry must be greater than Minimum entry");
    }

    void computes_preplate_limits_data()
    {
        QTest::addColumn<ThreadSide>("side");
        QTest::addColumn<Maybe>("afterPlateMax");
        QTest::addColumn<Maybe>("afterPlateMin");
        QTest::addColumn<double>("maxThickness");
        QTest::addColumn<double>("minThickness");
        QTest::addColumn<QString>("preplateMax");
        QTest::addColumn<QString>("preplateMin");

        const auto ext = ThreadSide::External;
        const auto in = ThreadSide::Internal;
        QTest::newRow("external ascending") << ext << Maybe(0.4485) << Maybe(0.4435) << 0.0005 << 0.0002 << "0.4465"
                                            << "0.4427";
        QTest::newRow("external equal uses 6x on the maximum")
            << ext << Maybe(0.4485) << Maybe(0.4435) << 0.0003 << 0.0003 << "0.4467"
            << "0.4423";
        QTest::newRow("internal ascending") << in << Maybe(0.4565) << Maybe(0.4500) << 0.0005 << 0.0002 << "0.4573"
                                            << "0.4520";
        QTest::newRow("internal equal uses 6x on the minimum")
            << in << Maybe(0.4565) << Maybe(0.4500) << 0.0003 << 0.0003 << "0.4577"
            << "0.4518";
        QTest::newRow("metric external equal") << ext << Maybe(11.884) << Maybe(11.826) << 0.008 << 0.008 << "11.8360"
                                               << "11.7940";
        QTest::newRow("metric internal ascending") << in << Maybe(10.05) << Maybe(9.98) << 0.004 << 0.002 << "10.0580"
                                                   << "9.9960";
        QTest::newRow("ascending by a hair uses 4x")
            << ext << Maybe(0.4485) << Maybe(0.4435) << 0.0004 << 0.0003 << "0.4469"
            << "0.4423";
        QTest::newRow("zero thickness leaves the limits")
            << ext << Maybe(0.4485) << Maybe(0.4435) << 0.0 << 0.0 << "0.4485"
            << "0.4435";
        QTest::newRow("only the maximum present")
            << ext << Maybe(0.4485) << Maybe() << 0.0005 << 0.0002 << "0.4465" << kAbsent;
        QTest::newRow("only the internal minimum present")
            << in << Maybe() << Maybe(0.4500) << 0.0005 << 0.0002 << kAbsent << "0.4520";
        QTest::newRow("result below zero is shown") << ext << Maybe(0.0) << Maybe(0.0) << 0.003 << 0.002 << "-0.0120"
                                                    << "-0.0080";
        QTest::newRow("results round to four decimals")
            << ext << Maybe(0.44692) << Maybe(0.44696) << 0.0005 << 0.0004 << "0.4449"
            << "0.4454";
        QTest::newRow("a half rounds away from zero")
            << ext << Maybe(0.44705) << Maybe(0.44565) << 0.0005 << 0.0004 << "0.4451"
            << "0.4441";
    }
    void computes_preplate_limits()
    {
        QFETCH(ThreadSide, side);
        QFETCH(Maybe, afterPlateMax);
        QFETCH(Maybe, afterPlateMin);
        QFETCH(double, maxThickness);
        QFETCH(double, minThickness);
        const SideEntry entry{afterPlateMax, afterPlateMin, maxThickness, minThickness};
        const PrePlateLimits limits =
            computePrePlateLimits(side, entry, classifyThicknesses(minThickness, maxThickness));
        QVERIFY(!limits.overflowed);
        QTEST(shown(limits.preplateMax), "preplateMax");
        QTEST(shown(limits.preplateMin), "preplateMin");
    }

    void reversed_or_missing_thickness_computes_nothing()
    {
        const SideEntry full{0.4485, 0.4435, 0.0003, 0.0004};
        const PrePlateLimits reversed = computePrePlateLimits(ThreadSide::External, full, ThicknessOrder::Reversed);
        QVERIFY(!reversed.preplateMax && !reversed.preplateMin);

        const SideEntry noMinThickness{0.4485, 0.4435, 0.0003, std::nullopt};
        const PrePlateLimits missing =
            computePrePlateLimits(ThreadSide::Internal, noMinThickness, ThicknessOrder::Ascending);
        QVERIFY(!missing.preplateMax && !missing.preplateMin && !missing.overflowed);
    }

    // The allowance is rounded to double before it is subtracted. 0.1 + 4 x
    // 0.1 differs in its last bit from the fused result; the displayed value
    // must match the two-step IEEE computation exactly.
    void allowance_is_rounded_before_the_difference()
    {
        const double afterPlate = 0.7;
        const double thickness = 0.1;
        volatile double product = kThicknessMultiplier * thickness;
        const double twoStep = afterPlate - product;
        const SideEntry entry{afterPlate, std::nullopt, thickness, 0.05};
        const PrePlateLimits limits = computePrePlateLimits(ThreadSide::External, entry, ThicknessOrder::Ascending);
        QVERIFY(limits.preplateMax.has_value());
        QCOMPARE(*limits.preplateMax, twoStep);
    }

    void overflow_stops_at_the_value_data()
    {
        QTest::addColumn<ThreadSide>("side");
        QTest::addColumn<SideEntry>("entry");
        QTest::addColumn<ThicknessOrder>("order");
        QTest::addColumn<Maybe>("preplateMax");
        QTest::addColumn<Maybe>("preplateMin");

        const double huge = DBL_MAX;
        QTest::newRow("product overflows on the first value")
            << ThreadSide::External << SideEntry{0.4485, 0.4435, huge, 0.0002} << ThicknessOrder::Ascending << Maybe()
            << Maybe();
        QTest::newRow("difference overflows on the second value, the first stays")
            << ThreadSide::External << SideEntry{0.4485, -huge, 0.0005, huge / 4} << ThicknessOrder::Ascending
            << Maybe(0.4485 - 4 * 0.0005) << Maybe();
        QTest::newRow("internal equal computes the minimum first")
            << ThreadSide::Internal << SideEntry{huge, -huge, huge / 8, huge / 8} << ThicknessOrder::Equal << Maybe()
            << Maybe(-huge + 6 * (huge / 8));
        QTest::newRow("internal sum overflows") << ThreadSide::Internal << SideEntry{huge, 0.45, huge / 2, 0.2 * huge}
                                                << ThicknessOrder::Ascending << Maybe() << Maybe();
    }
    void overflow_stops_at_the_value()
    {
        QFETCH(ThreadSide, side);
        QFETCH(SideEntry, entry);
        QFETCH(ThicknessOrder, order);
        QFETCH(Maybe, preplateMax);
        QFETCH(Maybe, preplateMin);
        const PrePlateLimits limits = computePrePlateLimits(side, entry, order);
        QVERIFY(limits.overflowed);
        QVERIFY(limits.preplateMax == preplateMax);
        QVERIFY(limits.preplateMin == preplateMin);
    }

    void write_order_follows_the_gauge_columns()
    {
        const WriteOrder internalEqual = writeOrder(ThreadSide::Internal, ThicknessOrder::Equal);
        QCOMPARE(internalEqual.first, PrePlateLimit::Minimum);
        const WriteOrder internalAscending = writeOrder(ThreadSide::Internal, ThicknessOrder::Ascending);
        QCOMPARE(internalAscending.first, PrePlateLimit::Maximum);
        const WriteOrder externalEqual = writeOrder(ThreadSide::External, ThicknessOrder::Equal);
        QCOMPARE(externalEqual.first, PrePlateLimit::Maximum);
    }
};

QTEST_GUILESS_MAIN(PlatingArithmeticTest)
#include "tst_platingarithmetic.moc"
