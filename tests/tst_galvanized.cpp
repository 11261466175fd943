// Hot-dip galvanized threads against published tables: the metric classes
// 6az, 6AZ and 6AX, the inch nut overtapped after galvanizing, how the
// classes pair, and what the tables do not cover.
#include "Galvanized.h"
#include "Overtap.h"
#include "ThreadLimits.h"

#include <QFile>
#include <QTest>

using orvanta::ThreadSide;
using orvanta::threads::lookUpThread;
using orvanta::threads::SideLimits;
using orvanta::threads::ThreadLookup;

namespace {

// Rows of a CSV in tests/data, header dropped.
QList<QStringList> rows(const char* name)
{
    QFile file(QStringLiteral(ORVANTA_TEST_DATA_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    file.readLine();
    QList<QStringList> result;
    while (!file.atEnd()) {
        result.append(QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(',')));
    }
    return result;
}

// A limit as the tables print it, "none" when unset.
QString text(const std::optional<double>& value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QStringLiteral("none");
}

} // namespace

class GalvanizedTest : public QObject {
    Q_OBJECT

private slots:
    void metric_limits_match_published_rows()
    {
        const QList<QStringList> table = rows("published_galvanized.csv");
        QVERIFY(table.size() >= 20);
        for (const QStringList& row : table) {
            const ThreadLookup lookup = lookUpThread(row[0].toStdString());
            QVERIFY2(lookup.limits, lookup.error.c_str());
            const auto& side = row[1] == QLatin1String("external") ? lookup.limits->external : lookup.limits->internal;
            QVERIFY(side && !side->galvanizing.empty());
            const QStringList got = {text(side->max, 3),       text(side->min, 3),       text(side->major.max, 3),
                                     text(side->major.min, 3), text(side->minor.max, 3), text(side->minor.min, 3)};
            QCOMPARE(got.join(QLatin1Char(',')) + " " + row[0], row.mid(2, 6).join(QLatin1Char(',')) + " " + row[0]);
        }
    }

    // Rows past the printed limits: the deviation tables, against the
    // thread's 6H limits (basic sizes, checked by tst_threads).
    void metric_deviations_match_published_rows()
    {
        const QList<QStringList> table = rows("published_galvanized_deviations.csv");
        QVERIFY(table.size() >= 40);
        for (const QStringList& row : table) {
            const std::string designation = row[0].toStdString();
            const ThreadLookup lookup = lookUpThread(designation);
            const ThreadLookup basic = lookUpThread(designation.substr(0, designation.find('-')) + "-6H");
            QVERIFY2(lookup.limits && basic.limits, (designation + lookup.error).c_str());
            const auto& side = row[1] == QLatin1String("external") ? lookup.limits->external : lookup.limits->internal;
            const SideLimits& h = *basic.limits->internal;
            QVERIFY(side);
            const bool pitch = row[2] == QLatin1String("pitch");
            const auto& limits = row[2] == QLatin1String("major") ? side->major : side->minor;
            const double zero = pitch ? h.min : (row[2] == QLatin1String("major") ? *h.major.min : *h.minor.min);
            const std::optional<double> upper = pitch ? side->max : limits.max;
            const std::optional<double> lower = pitch ? std::optional(side->min) : limits.min;
            const auto microns = [&](const std::optional<double>& v) {
                return v ? QString::number(std::lround((*v - zero) * 1000)) : QStringLiteral("none");
            };
            QCOMPARE(microns(upper) + "," + microns(lower) + " " + row[0] + " " + row[2],
                     row[3] + "," + row[4] + " " + row[0] + " " + row[2]);
        }
    }

    void notes_say_what_the_class_is_for_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("note");
        QTest::newRow("6az") << "M20-6H/6az"
                             << "limits before hot-dip galvanizing (ISO 965-4)";
        QTest::newRow("6az nut") << "M20-6H/6az"
                                 << "the 6H nut is tapped after galvanizing";
        QTest::newRow("6AZ") << "M20-6AZ/6g"
                             << "for bolts centrifuged after galvanizing (ISO 965-5)";
        QTest::newRow("6AX") << "M20x2.5-6AX/6h"
                             << "for heavier coatings not centrifuged (ISO 965-5)";
    }
    void notes_say_what_the_class_is_for()
    {
        QFETCH(QString, designation);
        QFETCH(QString, note);
        const ThreadLookup lookup = lookUpThread(designation.toStdString());
        QVERIFY2(lookup.limits, lookup.error.c_str());
        QString notes;
        for (const std::string& n : lookup.limits->notes) {
            notes += QString::fromStdString(n) + "\n";
        }
        QVERIFY2(notes.contains(note), qPrintable(notes));
    }

    void refuses_what_the_standards_forbid_or_do_not_print_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("6AZ nut on 6az bolt") << "M20-6AZ/6az"
                                             << "severe risk of thread stripping";
        QTest::newRow("6AX nut on 6az bolt") << "M36-6AX/6az"
                                             << "severe risk of thread stripping";
        QTest::newRow("6AZ nut on an f bolt") << "M20-6AZ/6f"
                                              << "position g or h before galvanizing";
        QTest::newRow("M8, Annex B") << "M8-6az"
                                     << "ISO 10684 Annex B";
        QTest::newRow("under M8") << "M6-6AZ"
                                  << "does not recommend hot-dip galvanizing threads under M8";
        QTest::newRow("fine pitch") << "M20x1.5-6az"
                                    << "coarse threads M10 to M64 only, not for M20x1.5";
        QTest::newRow("above M64") << "M68-6AX"
                                   << "coarse threads M10 to M64 only";
        QTest::newRow("other grade") << "M20-7AZ"
                                     << "grade 6 only";
        QTest::newRow("no such class") << "M20-6AY"
                                       << "the classes for hot-dip galvanizing are 6az, 6AZ and 6AX";
    }
    void refuses_what_the_standards_forbid_or_do_not_print()
    {
        QFETCH(QString, designation);
        QFETCH(QString, reason);
        const ThreadLookup lookup = lookUpThread(designation.toStdString());
        QVERIFY(!lookup.limits);
        QVERIFY2(QString::fromStdString(lookup.error).contains(reason), lookup.error.c_str());
    }

    // Room for zinc from the published deviations: az, AZ, AX (ISO 965-4/-5)
    // and g, G at P 2.5 (42 µm, ISO 965-1 as tst_threads' tables have it).
    void a_pair_leaves_its_deviations_for_zinc_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("deviation"); // "none" when nothing is galvanized
        QTest::newRow("6az alone") << "M20-6az"
                                   << "0.350";
        QTest::newRow("6az in 6H") << "M20-6H/6az"
                                   << "0.350";
        QTest::newRow("6az in 6G") << "M20-6G/6az"
                                   << "0.392";
        QTest::newRow("6AZ on 6g") << "M20-6AZ/6g"
                                   << "0.392";
        QTest::newRow("6AX on 6h") << "M20x2.5-6AX/6h"
                                   << "0.530";
        QTest::newRow("plain fit") << "M20-6H/6g"
                                   << "none";
    }
    void a_pair_leaves_its_deviations_for_zinc()
    {
        QFETCH(QString, designation);
        QFETCH(QString, deviation);
        const ThreadLookup lookup = lookUpThread(designation.toStdString());
        QVERIFY2(lookup.limits, lookup.error.c_str());
        const ThreadSide side = lookup.limits->external ? ThreadSide::External : ThreadSide::Internal;
        QCOMPARE(text(orvanta::threads::galvanizedDeviation(*lookup.limits, side), 3), deviation);
    }

    void overtapped_nuts_match_published_rows()
    {
        const QList<QStringList> table = rows("published_overtap.csv");
        QVERIFY(table.size() >= 27);
        for (const QStringList& row : table) {
            ThreadLookup lookup = lookUpThread(row[0].toStdString());
            QVERIFY2(lookup.limits, lookup.error.c_str());
            std::string error;
            const std::optional<SideLimits> nut = orvanta::threads::overtappedNut(*lookup.limits, error);
            QVERIFY2(nut, error.c_str());
            const QString got =
                text(nut->min, 4) + "," + (row[3] == QLatin1String("none") ? row[3] : text(nut->max, 4));
            QCOMPARE(got + " " + row[0], row[2] + "," + row[3] + " " + row[0]);
            QVERIFY(QString::fromStdString(nut->galvanizing).contains("tapped after galvanizing"));
            lookup.limits->internal = nut;
            QCOMPARE(text(orvanta::threads::galvanizedDeviation(*lookup.limits, ThreadSide::Internal), 3), row[1]);
        }
    }

    void overtap_refuses_what_the_table_does_not_list_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<QString>("reason");
        QTest::newRow("4 in, past the transcription") << "4-4 UNC-2B"
                                                      << "not 4-4 UNC-2B";
        QTest::newRow("fine series") << "1/2-20 UNF-2B"
                                     << "not 1/2-20 UNF-2B";
        QTest::newRow("8-UN past 1-1/2") << "2-8 UN-2B"
                                         << "not 2-8 UN-2B";
        QTest::newRow("class 3B") << "1/2-13 UNC-3B"
                                  << "is not class 2B";
        QTest::newRow("a bolt") << "1/2-13 UNC-2A"
                                << "name the internal thread";
        QTest::newRow("metric") << "M20-6H"
                                << "6AZ or 6AX";
    }
    void overtap_refuses_what_the_table_does_not_list()
    {
        QFETCH(QString, designation);
        QFETCH(QString, reason);
        const ThreadLookup lookup = lookUpThread(designation.toStdString());
        QVERIFY2(lookup.limits, lookup.error.c_str());
        std::string error;
        QVERIFY(!orvanta::threads::overtappedNut(*lookup.limits, error));
        QVERIFY2(QString::fromStdString(error).contains(reason), error.c_str());
    }
};

QTEST_GUILESS_MAIN(GalvanizedTest)
#include "tst_galvanized.moc"
