// The major and minor diameters before plating, and what the allowance rule
// does to them. The after-plate limits are the published ones the engine is
// checked against elsewhere; each case here adds the coating's growth.
#include "NumberText.h"
#include "PlatedDiameters.h"
#include "ThreadLimits.h"

#include <QTest>

using orvanta::threads::AfterPlate;
using orvanta::threads::DiameterLimits;
using orvanta::threads::SideLimits;

namespace {

// "max/min", four decimals, "-" for a limit left open.
QString text(const DiameterLimits& limits)
{
    const auto one = [](const std::optional<double>& value) {
        return value ? QString::fromStdString(orvanta::formatFixed(*value, 4, ".")) : QStringLiteral("-");
    };
    return one(limits.max) + "/" + one(limits.min);
}

SideLimits sideOf(const QString& designation, AfterPlate rule = AfterPlate::ClassLimits)
{
    const orvanta::threads::ThreadLookup lookup = orvanta::threads::lookUpThread(designation.toStdString());
    const auto& side = lookup.limits->external ? lookup.limits->external : lookup.limits->internal;
    return orvanta::threads::afterPlateLimits(*side, rule);
}

} // namespace

class PlateDiametersTest : public QObject {
    Q_OBJECT

private slots:
    // External: max - 2 x the thickest coating, min - 2 x the thinnest;
    // internal the other way round, each limit by the thickness that can
    // push it past its own after-plate limit.
    void moves_each_limit_by_twice_its_thickness_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<double>("thinnest");
        QTest::addColumn<double>("thickest");
        QTest::addColumn<QString>("major");
        QTest::addColumn<QString>("minor");
        // 2A: major 0.2489/0.2408, UNR minor max 0.1894 (reference, no minimum)
        QTest::newRow("2A") << "1/4-20 UNC-2A" << 0.0002 << 0.0003 << "0.2483/0.2404"
                            << "0.1888/-";
        // 2B: minor 0.2070/0.1960, major min 0.2500, no major max
        QTest::newRow("2B") << "1/4-20 UNC-2B" << 0.0002 << 0.0003 << "-/0.2506"
                            << "0.2074/0.1966";
        // 6H: D1 8.676/8.376, D min 10.000
        QTest::newRow("6H") << "M10x1.5-6H" << 0.005 << 0.008 << "-/10.0160"
                            << "8.6860/8.3920";
        QTest::newRow("no coating") << "M10x1.5-6g" << 0.0 << 0.0 << "9.9680/9.7320"
                                    << "8.3440/-";
        // 0.02 to 0.2 mm closes D1's 0.300 mm band (8.716 against 8.776):
        // no limits at all, rather than a minimum above the maximum.
        QTest::newRow("band closed") << "M10x1.5-6H" << 0.02 << 0.2 << "-/10.4000"
                                     << "-/-";
    }
    void moves_each_limit_by_twice_its_thickness()
    {
        QFETCH(QString, designation);
        QFETCH(double, thinnest);
        QFETCH(double, thickest);
        QFETCH(QString, major);
        QFETCH(QString, minor);
        const orvanta::threads::SideDiameters before =
            orvanta::threads::prePlateDiameters(sideOf(designation), thinnest, thickest);
        QCOMPARE(text(before.major), major);
        QCOMPARE(text(before.minor), minor);
    }

    // Letting the coating use the allowance moves every maximum-material
    // limit to basic (a class 3A GO gauge checks the coated thread); the
    // other limits stay the class's.
    void allowance_rule_moves_the_maximum_material_limits_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("major");
        QTest::addColumn<QString>("minor");
        // 1/2-13 UNC-2A: major 0.4985/0.4876, UNR minor max 0.4069; allowance
        // 0.0015. The root goes to 0.4084, the basic UNR minor diameter.
        QTest::newRow("2A") << "1/2-13 UNC-2A"
                            << "0.5000/0.4876"
                            << "0.4084/-";
        // 3A has no allowance: nothing moves
        QTest::newRow("3A") << "1/2-13 UNC-3A"
                            << "0.5000/0.4891"
                            << "0.4084/-";
        // 6g: d 9.968/9.732, es -0.032
        QTest::newRow("6g") << "M10x1.5-6g"
                            << "10.0000/9.7320"
                            << "8.3760/-";
        // 6G: D min 10.032, D1 8.708/8.408, EI +0.032
        QTest::newRow("6G") << "M10x1.5-6G"
                            << "-/10.0000"
                            << "8.7080/8.3760";
    }
    void allowance_rule_moves_the_maximum_material_limits()
    {
        QFETCH(QString, designation);
        QFETCH(QString, major);
        QFETCH(QString, minor);
        const SideLimits side = sideOf(designation, AfterPlate::UseAllowance);
        QCOMPARE(text(side.major), major);
        QCOMPARE(text(side.minor), minor);
    }
};

QTEST_APPLESS_MAIN(PlateDiametersTest)
#include "tst_platediameters.moc"
