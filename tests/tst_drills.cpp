// Tap drills against published tap-drill charts: for the unplated thread's
// own minor band the pick must be the chart's drill. A row that names a
// disagreement must not be matched: it says why.
#include "Drills.h"

#include <QFile>
#include <QTest>
#include <algorithm>

using orvanta::gauging::Drill;
using orvanta::gauging::DrillChoice;
using orvanta::gauging::drillsForHole;

namespace {

orvanta::threads::ThreadLimits threadOf(const QString& designation)
{
    const auto lookup = orvanta::threads::lookUpThread(designation.toStdString());
    if (!lookup.limits || !lookup.limits->internal) {
        qFatal("%s: %s", qPrintable(designation), lookup.error.c_str());
    }
    return *lookup.limits;
}

DrillChoice ownBand(const orvanta::threads::ThreadLimits& thread, double raise = 0, double widen = 0)
{
    const auto& minor = thread.internal->minor;
    if (!minor.min || !minor.max) {
        qFatal("%s: no minor band", thread.designation.c_str());
    }
    return drillsForHole(thread, *minor.min + raise, *minor.max + raise + widen);
}

QString name(const std::optional<Drill>& drill)
{
    return drill ? QString::fromStdString(drill->name.written(".")) : QStringLiteral("(none)");
}

} // namespace

class TestDrills : public QObject {
    Q_OBJECT
private slots:
    void the_chart_drill_is_picked_for_the_threads_own_band_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("drill");
        QTest::addColumn<QString>("disagreement");
        QFile file(QStringLiteral(ORVANTA_TEST_DATA_DIR "/published_tap_drills.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        file.readLine();
        int line = 1;
        while (!file.atEnd()) {
            const QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
            ++line;
            QCOMPARE(cells.size(), 4);
            const QByteArray row = QStringLiteral("%1: %2").arg(line).arg(cells[0]).toUtf8();
            QTest::newRow(row.constData()) << cells[0] << cells[1] << cells[3];
        }
    }
    void the_chart_drill_is_picked_for_the_threads_own_band()
    {
        QFETCH(QString, designation);
        QFETCH(QString, drill);
        QFETCH(QString, disagreement);
        const DrillChoice choice = ownBand(threadOf(designation));
        if (disagreement.isEmpty()) {
            QCOMPARE(name(choice.picked), drill);
        } else {
            QVERIFY2(name(choice.picked) != drill, qPrintable(disagreement));
        }
    }

    // Drills whose diameter no drill of the table has: nothing is picked.
    void a_band_no_drill_fits_picks_nothing_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("between #7 and 13/64") << "1/4-20 UNC-2B" << 0.2015 << 0.2025;
        QTest::newRow("between 8.5 and 8.6 mm") << "M10" << 8.51 << 8.59;
        QTest::newRow("reversed") << "1/4-20 UNC-2B" << 0.207 << 0.196;
        QTest::newRow("not a number") << "M10" << std::nan("") << 8.6;
    }
    void a_band_no_drill_fits_picks_nothing()
    {
        QFETCH(QString, designation);
        QFETCH(double, low);
        QFETCH(double, high);
        const DrillChoice choice = drillsForHole(threadOf(designation), low, high);
        QVERIFY(choice.fitting.empty());
        QVERIFY(!choice.picked);
    }

    // A plated hole is drilled to a larger band: it holds more drills, and
    // the pick stays inside it, from the thread's own series when it can.
    void a_plated_band_picks_within_it_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<double>("raise");
        QTest::addColumn<double>("widen");
        QTest::newRow("1/4-20 wider") << "1/4-20 UNC-2B" << 0.0 << 0.004;
        QTest::newRow("1/4-20 raised") << "1/4-20 UNC-2B" << 0.008 << 0.0;
        QTest::newRow("#10-32 raised") << "#10-32 UNF-2B" << 0.006 << 0.002;
        QTest::newRow("M6 wider") << "M6" << 0.0 << 0.1;
        QTest::newRow("M12 raised") << "M12" << 0.2 << 0.0;
    }
    void a_plated_band_picks_within_it()
    {
        QFETCH(QString, designation);
        QFETCH(double, raise);
        QFETCH(double, widen);
        const auto thread = threadOf(designation);
        const DrillChoice bare = ownBand(thread);
        const DrillChoice plated = ownBand(thread, raise, widen);
        QVERIFY(plated.picked);
        // A drill on the edge of the band is in it.
        const double edge = 1e-9;
        QVERIFY(plated.picked->diameter >= plated.bandMin - edge && plated.picked->diameter <= plated.bandMax + edge);
        const bool metricName = name(plated.picked).endsWith(QLatin1String(" mm"));
        QCOMPARE(metricName, thread.unit == orvanta::UnitSystem::Metric);
        QVERIFY(std::is_sorted(plated.fitting.begin(), plated.fitting.end(),
                               [](const Drill& a, const Drill& b) { return a.diameter < b.diameter; }));
        if (raise == 0) {
            QVERIFY(plated.fitting.size() > bare.fitting.size());
            QCOMPARE(name(plated.picked), name(bare.picked));
        } else {
            QVERIFY(name(plated.picked) != name(bare.picked));
        }
    }

    // Decimal equivalents against published drill tables: blackwalnutjigs.com/tapchart.asp (#7 to 27/64),
    // sequoia-brass-copper.com/tap-drill-selector-chart (#36, #56, W), solarbotics.net drill bit sizes (#69),
    // paperzz.com/doc/8844239 CircuitousRoot table (#80), slashgear.com/2029899 (A, Z).
    void drill_diameters_match_published_tables_data()
    {
        QTest::addColumn<QString>("drill");
        QTest::addColumn<double>("inches");
        for (const auto& [drill, inches] : {std::pair{"#7", .2010},
                                            {"#25", .1495},
                                            {"#53", .0595},
                                            {"F", .2570},
                                            {"Q", .3320},
                                            {"27/64", .4219},
                                            {"#36", .1065},
                                            {"#56", .0465},
                                            {"W", .3860},
                                            {"#69", .0292},
                                            {"#80", .0135},
                                            {"A", .234},
                                            {"Z", .413}}) {
            QTest::newRow(drill) << drill << inches;
        }
    }
    void drill_diameters_match_published_tables()
    {
        QFETCH(QString, drill);
        QFETCH(double, inches);
        const auto& table = orvanta::gauging::drillTable();
        const auto found = std::find_if(table.begin(), table.end(),
                                        [&](const auto& row) { return QString::fromStdString(row.name) == drill; });
        QVERIFY(found != table.end());
        QVERIFY2(std::abs(found->diameter - inches) < 0.00005, qPrintable(QString::number(found->diameter)));
    }
};

QTEST_GUILESS_MAIN(TestDrills)
#include "tst_drills.moc"
