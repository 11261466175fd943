// The coating catalogue against published rows: standard thicknesses,
// ASTM F1941's and ISO 4042's largest coating on threads, and callouts read
// and refused as drawings write them.
#include "Coatings.h"
#include "NumberText.h"
#include "ThreadLimits.h"

#include <cmath>

#include <QFile>
#include <QTest>

using orvanta::coatings::CoatingLookup;
using orvanta::coatings::GrowthLimit;

namespace {

constexpr double kMmPerInch = 25.4;

// Millimetres in one of the units the published rows use.
double millimetresPer(const QString& unit)
{
    return unit == QLatin1String("in") ? kMmPerInch : (unit == QLatin1String("mil") ? kMmPerInch / 1000 : 0.001);
}

// A callout read for a drawing: "inch" or "metric" gives the unit alone, anything else is a thread designation
// whose unit and nominal diameter are passed.
CoatingLookup lookUpFor(const QString& input, const QString& drawing)
{
    if (drawing == QLatin1String("inch") || drawing == QLatin1String("metric")) {
        return orvanta::coatings::lookUpCoating(input.toStdString(), drawing == QLatin1String("inch")
                                                                         ? orvanta::UnitSystem::Inch
                                                                         : orvanta::UnitSystem::Metric);
    }
    const orvanta::threads::ThreadLookup t = orvanta::threads::lookUpThread(drawing.toStdString());
    if (!t.limits) {
        CoatingLookup refused;
        refused.error = "thread refused: " + t.error;
        return refused;
    }
    return orvanta::coatings::lookUpCoating(input.toStdString(), t.limits->unit, t.limits->nominalDiameter);
}

// Rows of one kind from published_coatings.csv: kind,input,a,b,c,source. The file is ours: no field holds a
// comma or a quote, and a ';' in the input or in a stands for the comma a drawing or a message writes.
void addRows(const char* kind)
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QFile file(QStringLiteral(ORVANTA_TEST_DATA_DIR "/published_coatings.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    file.readLine(); // header
    int line = 1;
    int rows = 0;
    while (!file.atEnd()) {
        ++line;
        QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
        QCOMPARE(cells.size(), 6);
        QVERIFY2(!cells[5].isEmpty(), "every row names its source");
        if (cells[0] == QLatin1String(kind)) {
            cells[1].replace(QLatin1Char(';'), QLatin1Char(','));
            cells[2].replace(QLatin1Char(';'), QLatin1Char(','));
            QTest::addRow("%d %s", line, qPrintable(cells[1])) << cells[1] << cells[2] << cells[3] << cells[4];
            ++rows;
        }
    }
    QVERIFY(rows > 0);
}

// A value printed with the decimals of the published text it is compared with.
QString like(double value, const QString& published)
{
    const qsizetype point = published.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : static_cast<int>(published.size() - point - 1);
    return QString::fromStdString(orvanta::formatFixed(value, decimals, "."));
}

GrowthLimit growthOf(const QString& designation, std::optional<double> lengthMm = std::nullopt)
{
    const orvanta::threads::ThreadLookup t = orvanta::threads::lookUpThread(designation.toStdString());
    if (!t.limits) {
        GrowthLimit g;
        g.reason = "thread refused: " + t.error;
        return g;
    }
    const auto& side = t.limits->external ? t.limits->external : t.limits->internal;
    return orvanta::coatings::largestGrowth(*t.limits, *side, lengthMm);
}

} // namespace

class CoatingsTest : public QObject {
    Q_OBJECT

private slots:
    // What a standard states for a class: minimum (and maximum) in the unit it is published in.
    void standard_thicknesses_match_published_data() { addRows("thickness"); }
    void standard_thicknesses_match_published()
    {
        QFETCH(QString, input);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        const CoatingLookup lookup = orvanta::coatings::lookUpCoating(input.toStdString());
        QVERIFY2(lookup.coating, lookup.error.c_str());
        const double perUnit = millimetresPer(c);
        QVERIFY(lookup.coating->minThicknessMm);
        QCOMPARE(like(*lookup.coating->minThicknessMm / perUnit, a), a);
        if (b.isEmpty()) {
            QVERIFY2(!lookup.coating->maxThicknessMm, "a minimum-only standard leaves the maximum to the user");
        } else {
            QVERIFY(lookup.coating->maxThicknessMm);
            QCOMPARE(like(*lookup.coating->maxThicknessMm / perUnit, b), b);
        }
        QVERIFY(!lookup.coating->maxIsDefault);
    }

    // ASTM F1941 Table X3.1: the engine's allowance and the largest coating, as the table prints them.
    void inch_growth_matches_f1941_data() { addRows("f1941"); }
    void inch_growth_matches_f1941()
    {
        QFETCH(QString, input);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const orvanta::threads::ThreadLookup t = orvanta::threads::lookUpThread(input.toStdString());
        QVERIFY2(t.limits && t.limits->external, t.error.c_str());
        QCOMPARE(like(t.limits->external->allowance, a), a);
        const GrowthLimit g = orvanta::coatings::largestGrowth(*t.limits, *t.limits->external, std::nullopt);
        QVERIFY2(g.maxGrowth, g.reason.c_str());
        QCOMPARE(g.decimals, 6);
        QCOMPARE(like(*g.maxGrowth * 1e4, b), b);
    }

    // Where no table row is held, a quarter of the allowance rounded down to 0.000001 in: never above it, and
    // less than 0.000001 in below it.
    void inch_growth_is_a_quarter_of_the_allowance_rounded_down()
    {
        int checked = 0;
        for (const std::string& series : orvanta::threads::standardDesignations()) {
            const orvanta::threads::ThreadLookup t = orvanta::threads::lookUpThread(series + "-2A");
            if (!t.limits || t.limits->unit != orvanta::UnitSystem::Inch) {
                continue;
            }
            const GrowthLimit g = orvanta::coatings::largestGrowth(*t.limits, *t.limits->external, std::nullopt);
            QVERIFY2(g.maxGrowth, (series + ": " + g.reason).c_str());
            const double quarter = t.limits->external->allowance / 4;
            QVERIFY2(*g.maxGrowth <= quarter + 1e-12 && *g.maxGrowth > quarter - 1e-6, series.c_str());
            QCOMPARE(std::round(*g.maxGrowth * 1e6), *g.maxGrowth * 1e6);
            ++checked;
        }
        QVERIFY(checked > 50);
    }

    // ISO 4042 Table 2 cells; the column is "local" or the nominal length as a multiple of d.
    void metric_growth_matches_iso4042_data() { addRows("iso4042"); }
    void metric_growth_matches_iso4042()
    {
        QFETCH(QString, input);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const orvanta::threads::ThreadLookup t = orvanta::threads::lookUpThread(input.toStdString());
        QVERIFY2(t.limits, t.error.c_str());
        std::optional<double> length;
        if (a != QLatin1String("local")) {
            length = a.chopped(1).toDouble() * t.limits->nominalDiameter;
        }
        const GrowthLimit g = growthOf(input, length);
        QVERIFY2(g.maxGrowth, g.reason.c_str());
        QCOMPARE(g.decimals, 3);
        QCOMPARE(like(*g.maxGrowth * 1000, b), b);
    }

    // Classes that leave no room, and combinations the tables cannot back: refused with the reason.
    void growth_refused_data() { addRows("nogrowth"); }
    void growth_refused()
    {
        QFETCH(QString, input);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const GrowthLimit g = growthOf(input, b.isEmpty() ? std::nullopt : std::optional<double>(b.toDouble()));
        QVERIFY(!g.maxGrowth);
        QVERIFY2(QString::fromStdString(g.reason).contains(a), g.reason.c_str());
    }

    void callouts_read_data() { addRows("reads"); }
    void callouts_read()
    {
        QFETCH(QString, input);
        QFETCH(QString, a);
        const CoatingLookup lookup = orvanta::coatings::lookUpCoating(input.toStdString());
        QVERIFY2(lookup.coating, lookup.error.c_str());
        QCOMPARE(QString::fromStdString(lookup.coating->name), a);
    }

    // How the published limit is measured: a local (per part) minimum or a batch average.
    void thickness_basis_data() { addRows("basis"); }
    void thickness_basis()
    {
        QFETCH(QString, input);
        QFETCH(QString, a);
        const CoatingLookup lookup = orvanta::coatings::lookUpCoating(input.toStdString());
        QVERIFY2(lookup.coating, lookup.error.c_str());
        QCOMPARE(lookup.coating->basis == orvanta::coatings::Basis::BatchAverage ? QStringLiteral("batch average")
                                                                                 : QStringLiteral("local"),
                 a);
    }

    // Callouts whose standard or row follows the drawing: its unit, or the thread's diameter.
    void callouts_read_for_drawing_data() { addRows("readsfor"); }
    void callouts_read_for_drawing()
    {
        QFETCH(QString, input);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const CoatingLookup lookup = lookUpFor(input, b);
        QVERIFY2(lookup.coating, lookup.error.c_str());
        QCOMPARE(QString::fromStdString(lookup.coating->name), a);
        QCOMPARE(lookup.coating->family, std::string("hot-dip galvanizing"));
    }

    void callouts_refused_for_drawing_data() { addRows("refusesfor"); }
    void callouts_refused_for_drawing()
    {
        QFETCH(QString, input);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const CoatingLookup lookup = lookUpFor(input, b);
        QVERIFY2(!lookup.coating, lookup.coating ? lookup.coating->name.c_str() : "");
        QVERIFY2(QString::fromStdString(lookup.error).contains(a), lookup.error.c_str());
    }

    void callouts_refused_data() { addRows("refuses"); }
    void callouts_refused()
    {
        QFETCH(QString, input);
        QFETCH(QString, a);
        const CoatingLookup lookup = orvanta::coatings::lookUpCoating(input.toStdString());
        QVERIFY2(!lookup.coating, lookup.coating ? lookup.coating->name.c_str() : "");
        QVERIFY2(QString::fromStdString(lookup.error).contains(a), lookup.error.c_str());
    }

    // Every completion reads back as itself, so what the list offers is what the catalogue holds.
    void catalogue_names_read_back()
    {
        for (const std::string& name : orvanta::coatings::catalogueNames()) {
            const CoatingLookup lookup = orvanta::coatings::lookUpCoating(name);
            QVERIFY2(lookup.coating, lookup.error.c_str());
            QCOMPARE(lookup.coating->name, name);
        }
    }
};

QTEST_GUILESS_MAIN(CoatingsTest)
#include "tst_coatings.moc"
