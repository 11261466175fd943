// The thread engine against published tables, and designations as people
// write them on drawings.
#include "MetricThreads.h"
#include "NumberText.h"
#include "ThreadLimits.h"

#include <algorithm>

#include <QFile>
#include <QTest>

using orvanta::threads::AfterPlate;
using orvanta::threads::SideLimits;
using orvanta::threads::ThreadLookup;

namespace {

QString limitText(double value, orvanta::UnitSystem unit)
{
    return QString::fromStdString(orvanta::formatFixed(value, unit == orvanta::UnitSystem::Inch ? 4 : 3, "."));
}

// "max/min" of a side, or empty when the designation names no such side.
QString sideText(const ThreadLookup& lookup, bool external, AfterPlate rule = AfterPlate::ClassLimits)
{
    const std::optional<SideLimits>& side = external ? lookup.limits->external : lookup.limits->internal;
    if (!side) {
        return {};
    }
    const SideLimits limits = orvanta::threads::afterPlateLimits(*side, rule);
    return limitText(limits.max, lookup.limits->unit) + "/" + limitText(limits.min, lookup.limits->unit);
}

} // namespace

class ThreadsTest : public QObject {
    Q_OBJECT

private slots:
    // Rows copied from handbooks, makers' charts and standards' tables; a row
    // that names a disagreement is a published typo the engine must not repeat.
    void matches_published_rows_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<bool>("external");
        QTest::addColumn<QString>("published");
        QTest::addColumn<QString>("disagreement");
        QFile file(QStringLiteral(ORVANTA_TEST_DATA_DIR "/published_pd_limits.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        file.readLine(); // header
        int row = 1;
        while (!file.atEnd()) {
            // The file is ours: no field holds a comma or a quote.
            const QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
            QCOMPARE(cells.size(), 6);
            QTest::addRow("%d %s %s", ++row, qPrintable(cells[0]), qPrintable(cells[1]))
                << cells[0] << (cells[1] == QLatin1String("external")) << cells[2] + "/" + cells[3] << cells[5];
        }
        QVERIFY(row > 250);
    }
    void matches_published_rows()
    {
        QFETCH(QString, designation);
        QFETCH(bool, external);
        QFETCH(QString, published);
        QFETCH(QString, disagreement);
        const ThreadLookup lookup = orvanta::threads::lookUpThread(designation.toStdString());
        const QString computed = lookup.limits ? sideText(lookup, external) : QString::fromStdString(lookup.error);
        if (disagreement.isEmpty()) {
            QCOMPARE(computed, published);
        } else {
            QVERIFY2(computed != published, qPrintable(disagreement));
        }
    }

    // Major and minor diameter limits against published rows, one file per
    // unit (published_diameters_inch.csv, published_diameters_metric.csv):
    // designation,side,major_max,major_min,minor_max,minor_min,source,
    // disagreement. An empty cell is one its source does not print; "none"
    // is a limit the standard does not set, which must stay absent.
    void matches_published_diameters_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<bool>("external");
        QTest::addColumn<QStringList>("published");
        QTest::addColumn<QString>("disagreement");
        int rows = 0;
        for (const char* name : {"published_diameters_inch.csv", "published_diameters_metric.csv"}) {
            QFile file(QStringLiteral(ORVANTA_TEST_DATA_DIR "/") + QLatin1String(name));
            QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), name);
            file.readLine(); // header
            int line = 1;
            while (!file.atEnd()) {
                const QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
                QCOMPARE(cells.size(), 8);
                ++line;
                ++rows;
                QTest::addRow("%s:%d %s %s", name, line, qPrintable(cells[0]), qPrintable(cells[1]))
                    << cells[0] << (cells[1] == QLatin1String("external")) << cells.mid(2, 4) << cells[7];
            }
        }
        QVERIFY(rows > 200);
    }
    void matches_published_diameters()
    {
        QFETCH(QString, designation);
        QFETCH(bool, external);
        QFETCH(QStringList, published);
        QFETCH(QString, disagreement);
        const ThreadLookup lookup = orvanta::threads::lookUpThread(designation.toStdString());
        QVERIFY2(lookup.limits, lookup.error.c_str());
        const auto& side = external ? lookup.limits->external : lookup.limits->internal;
        QVERIFY(side);
        const int decimals = lookup.limits->unit == orvanta::UnitSystem::Inch ? 4 : 3;
        const auto shown = [&](const std::optional<double>& value) {
            return value ? QString::fromStdString(orvanta::formatFixed(*value, decimals, ".")) : QStringLiteral("none");
        };
        const QStringList computed{shown(side->major.max), shown(side->major.min), shown(side->minor.max),
                                   shown(side->minor.min)};
        bool same = true;
        for (int i = 0; i < 4; ++i) {
            if (published[i].isEmpty()) {
                continue;
            }
            const std::optional<double> value = orvanta::parseNumber(published[i].toStdString(), ".");
            const QString expected =
                value ? QString::fromStdString(orvanta::formatFixed(*value, decimals, ".")) : published[i];
            same = same && computed[i] == expected;
            if (disagreement.isEmpty()) {
                QCOMPARE(computed[i], expected);
            }
        }
        if (!disagreement.isEmpty()) {
            QVERIFY2(!same, qPrintable(disagreement));
        }
    }

    void reads_designations_as_written_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("normal");
        QTest::addColumn<QString>("external"); // max/min
        QTest::addColumn<QString>("internal"); // max/min
        QTest::newRow("plain") << "1/2-13 UNC-2A"
                               << "1/2-13 UNC-2A"
                               << "0.4485/0.4435"
                               << "";
        QTest::newRow("no blank") << "1/2-13UNC-2A"
                                  << "1/2-13 UNC-2A"
                                  << "0.4485/0.4435"
                                  << "";
        QTest::newRow("decimal size") << ".500-13 UNC-2A"
                                      << "1/2-13 UNC-2A"
                                      << "0.4485/0.4435"
                                      << "";
        QTest::newRow("mixed size") << "1-1/4-7 UNC-2A"
                                    << "1-1/4-7 UNC-2A"
                                    << "1.1550/1.1476"
                                    << "";
        QTest::newRow("mixed size, blank") << "1 1/4-7 UNC-2A"
                                           << "1-1/4-7 UNC-2A"
                                           << "1.1550/1.1476"
                                           << "";
        QTest::newRow("number size") << "#10-32 UNF-3B"
                                     << "#10-32 UNF-3B"
                                     << ""
                                     << "0.1726/0.1697";
        QTest::newRow("number size, no #") << "10-32 UNF-2B"
                                           << "#10-32 UNF-2B"
                                           << ""
                                           << "0.1736/0.1697";
        QTest::newRow("UNR") << "1/2-13 UNRC-2A"
                             << "1/2-13 UNRC-2A"
                             << "0.4485/0.4435"
                             << "";
        QTest::newRow("fit") << "1/2-13 UNC-2A/2B"
                             << "1/2-13 UNC-2A/2B"
                             << "0.4485/0.4435"
                             << "0.4565/0.4500";
        QTest::newRow("fit, internal first") << "1/2-13 UNC-2B/2A"
                                             << "1/2-13 UNC-2A/2B"
                                             << "0.4485/0.4435"
                                             << "0.4565/0.4500";
        QTest::newRow("no series or class") << "1/2-13"
                                            << "1/2-13 UNC-2A/2B"
                                            << "0.4485/0.4435"
                                            << "0.4565/0.4500";
        QTest::newRow("half threads per inch") << "2-4 1/2 UNC-2B"
                                               << "2-4.5 UNC-2B"
                                               << ""
                                               << "1.8681/1.8557";
        QTest::newRow("not a standard pitch") << "1/2-18 UN-2A"
                                              << "1/2-18 UNS-2A"
                                              << "0.4626/0.4582"
                                              << "";
        QTest::newRow("metric fit") << "M10x1.5-6H/6g"
                                    << "M10x1.5-6H/6g"
                                    << "8.994/8.862"
                                    << "9.206/9.026";
        QTest::newRow("metric fit, external first") << "M10x1.5-6g/6H"
                                                    << "M10x1.5-6H/6g"
                                                    << "8.994/8.862"
                                                    << "9.206/9.026";
        QTest::newRow("times sign") << "M10×1.5-6g"
                                    << "M10x1.5-6g"
                                    << "8.994/8.862"
                                    << "";
        QTest::newRow("coarse pitch implied") << "M10-6g"
                                              << "M10x1.5-6g"
                                              << "8.994/8.862"
                                              << "";
        QTest::newRow("two-part class") << "M10x1.25-4g6g"
                                        << "M10x1.25-4g6g"
                                        << "9.160/9.085"
                                        << "";
        QTest::newRow("blanks") << "M8 x 1.25 - 6g"
                                << "M8x1.25-6g"
                                << "7.160/7.042"
                                << "";
        QTest::newRow("class after a blank") << "M8x1.25 6g"
                                             << "M8x1.25-6g"
                                             << "7.160/7.042"
                                             << "";
        QTest::newRow("inch class after a blank") << "1/2-13 UNC 2A"
                                                  << "1/2-13 UNC-2A"
                                                  << "0.4485/0.4435"
                                                  << "";
        QTest::newRow("metric default class") << "M10"
                                              << "M10x1.5-6H/6g"
                                              << "8.994/8.862"
                                              << "9.206/9.026";
        QTest::newRow("smallest sizes default") << "M1.2"
                                                << "M1.2x0.25-5H/6h"
                                                << "1.038/0.985"
                                                << "1.094/1.038";
        QTest::newRow("position G") << "M10x1.5-6G"
                                    << "M10x1.5-6G"
                                    << ""
                                    << "9.238/9.058";
        QTest::newRow("left hand after the class") << "1/2-13 UNC-2A-LH"
                                                   << "1/2-13 UNC-2A-LH"
                                                   << "0.4485/0.4435"
                                                   << "";
        QTest::newRow("left hand after a blank") << "1/2-13 unc-2a/2b lh"
                                                 << "1/2-13 UNC-2A/2B-LH"
                                                 << "0.4485/0.4435"
                                                 << "0.4565/0.4500";
        QTest::newRow("right hand not written") << "1/2-13 UNC-2A RH"
                                                << "1/2-13 UNC-2A"
                                                << "0.4485/0.4435"
                                                << "";
        QTest::newRow("metric hand after the pitch") << "M10x1.5LH-6g"
                                                     << "M10x1.5LH-6g"
                                                     << "8.994/8.862"
                                                     << "";
        QTest::newRow("metric hand last") << "M10x1.5-6H LH"
                                          << "M10x1.5LH-6H"
                                          << ""
                                          << "9.206/9.026";
        QTest::newRow("fraction character") << "\u00BC-20 UNC-2A"
                                            << "1/4-20 UNC-2A"
                                            << "0.2164/0.2127"
                                            << "";
        QTest::newRow("whole and fraction character") << "2\u00BD-4 UNC-2A"
                                                      << "2-1/2-4 UNC-2A"
                                                      << "2.3345/2.3241"
                                                      << "";
        QTest::newRow("fraction character after a blank") << "2 \u00BD-12 UN-3B"
                                                          << "2-1/2-12 UN-3B"
                                                          << ""
                                                          << "2.4519/2.4459";
        QTest::newRow("class run into the series") << "1/4-20UNC2A"
                                                   << "1/4-20 UNC-2A"
                                                   << "0.2164/0.2127"
                                                   << "";
        QTest::newRow("whole inches, coarser than a number size") << "6-10 UNS-2A"
                                                                  << "6-10 UNS-2A"
                                                                  << "5.9328/5.9254"
                                                                  << "";
        QTest::newRow("whole inches, listed pitch") << "6-16 UN-2B"
                                                    << "6-16 UN-2B"
                                                    << ""
                                                    << "5.9675/5.9594";
    }
    void reads_designations_as_written()
    {
        QFETCH(QString, written);
        QFETCH(QString, normal);
        QFETCH(QString, external);
        QFETCH(QString, internal);
        const ThreadLookup lookup = orvanta::threads::lookUpThread(written.toStdString());
        QVERIFY2(lookup.limits, lookup.error.c_str());
        QCOMPARE(QString::fromStdString(lookup.limits->designation), normal);
        QCOMPARE(sideText(lookup, true), external);
        QCOMPARE(sideText(lookup, false), internal);
    }

    // What the window and the console program show reads back as the same thread.
    void normal_form_reads_back_as_itself_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("normal");
        QTest::newRow("whole inches off the series") << "1.0-2"
                                                     << "1-2 UNS-2A/2B";
        QTest::newRow("whole inches a number size could be") << "3.0-28"
                                                             << "3.000-28 UNS-2A/2B";
        QTest::newRow("whole inches a number size is") << "10.0-24 UNS-2A"
                                                       << "10.000-24 UNS-2A";
        QTest::newRow("left hand") << "M10x1.5-6g LH"
                                   << "M10x1.5LH-6g";
        QTest::newRow("number size off the series") << "#1-20"
                                                    << "#1-20 UNS-2A/2B";
        QTest::newRow("whole inches past the number sizes") << "11.0-28 UNR"
                                                            << "11.000-28 UNRS-2A";
        QTest::newRow("sixty-fourths") << "0.515625-20 UNS-3A"
                                       << "33/64-20 UNS-3A";
        QTest::newRow("decimal inches") << "0.53-20 UNS-3A"
                                        << "0.530-20 UNS-3A";
    }
    void normal_form_reads_back_as_itself()
    {
        QFETCH(QString, written);
        QFETCH(QString, normal);
        const ThreadLookup lookup = orvanta::threads::lookUpThread(written.toStdString());
        QVERIFY2(lookup.limits, lookup.error.c_str());
        QCOMPARE(QString::fromStdString(lookup.limits->designation), normal);
        const ThreadLookup again = orvanta::threads::lookUpThread(lookup.limits->designation);
        QVERIFY2(again.limits, again.error.c_str());
        QCOMPARE(QString::fromStdString(again.limits->designation), normal);
        QCOMPARE(sideText(again, true), sideText(lookup, true));
    }

    void refuses_with_the_fault_named_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("message");
        QTest::newRow("inch class") << "1/2-13 UNC-4A"
                                    << "class 4A does not exist for UN threads: use 1A, 2A or 3A";
        QTest::newRow("metric pitch") << "M7x2"
                                      << "M7 has no pitch 2";
        QTest::newRow("text") << "bolt"
                              << "not a thread designation: bolt";
        QTest::newRow("UNR internal") << "1/2-13 UNRC-2B"
                                      << "UNRC is an external thread form: class 2B is internal (the mating thread is "
                                         "UNC)";
        QTest::newRow("wrong series") << "1/2-13 UNF-2A"
                                      << "1/2 UNF has 20 threads per inch, not 13";
        QTest::newRow("two external classes") << "1/2-13 UNC-2A/3A"
                                              << "a fit names one external and one internal class, not 2A/3A";
        QTest::newRow("class 1 of a number size") << "#10-24 UNC-1A"
                                                  << "class 1A is tabulated for UNC and UNF threads of 1/4 in. and "
                                                     "larger only";
        QTest::newRow("number size or inches")
            << "3-28"
            << "3-28 reads as number size 3 or as 3 in., and neither is in a "
               "standard series: write #3-28 for number size 3 or 3.000-28 for 3 in.";
        QTest::newRow("unread column") << "4-1/4-4 UN-2A"
                                       << "4-1/4-4 UN: whether this is a standard constant-pitch thread could not "
                                          "be verified at this size; write 4-1/4-4 UNS to compute it by the UNS "
                                          "formulas";
        QTest::newRow("taper pipe thread") << "1/2-14 NPT"
                                           << "NPT is a taper pipe thread: Orvanta covers straight UN and M threads "
                                              "only";
        QTest::newRow("MJ") << "MJ10x1.5-4h6h"
                            << "MJ threads are not covered: their limits differ from M threads (ISO 5855)";
        QTest::newRow("UNJ") << "1/4-20 UNJC-3A"
                             << "UNJ threads are not covered: their limits differ from UN and UNR threads";
        QTest::newRow("Acme") << "1/2-10 ACME-2G"
                              << "Acme threads are not covered: Orvanta covers 60 degree UN and M threads only";
        QTest::newRow("e at fine pitch") << "M1.6x0.35-6e"
                                         << "tolerance position e is not in Orvanta's verified ISO 965-1 tables for "
                                            "pitch 0.35";
        QTest::newRow("grade the table leaves blank") << "M3x0.5-8g"
                                                      << "ISO 965-1 gives no tolerance grade 8 for pitch 0.5: grades "
                                                         "3 to 7 only";
        QTest::newRow("metric position") << "M10-6k"
                                         << "class 6k does not exist for metric threads: use the positions e, f, g or "
                                            "h (external) or G or H (internal)";
        QTest::newRow("metric grade") << "M10-2g"
                                      << "class 2g does not exist: pitch diameter grades run from 3 to 9 for external "
                                         "threads";
        QTest::newRow("not an ISO 261 size") << "M7.3"
                                             << "M7.3 is not an ISO 261 size";
        QTest::newRow("size off the series, range and pitch not tabled") << "M7.3x3"
                                                                         << "M7.3 is not an ISO 261 size";
        QTest::newRow("above the series, pitch not tabled") << "M150x1.5"
                                                            << "M150 is above the ISO 261 sizes Orvanta's tables "
                                                               "cover (M1 to M100)";
        QTest::newRow("empty") << "  "
                               << "no thread designation given";
    }
    void refuses_with_the_fault_named()
    {
        QFETCH(QString, written);
        QFETCH(QString, message);
        const ThreadLookup lookup = orvanta::threads::lookUpThread(written.toStdString());
        QVERIFY(!lookup.limits);
        QCOMPARE(QString::fromStdString(lookup.error), message);
    }

    // A size ISO 261 does not list is still computed when ISO 965-1's tables
    // cover its diameter range and pitch, and says so; a listed one does not.
    void notes_combinations_outside_the_series_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("note"); // empty: no such note
        QTest::newRow("fine pitch not listed for the size")
            << "M12x0.75-6H"
            << "M12x0.75 is not an ISO 261 diameter/pitch combination; its limits follow ISO 965-1's tables for its "
               "diameter range and pitch";
        QTest::newRow("diameter not listed") << "M2.6x0.45-6g"
                                             << "M2.6x0.45 is not an ISO 261 diameter/pitch combination; its limits "
                                                "follow ISO 965-1's tables for its diameter range and pitch";
        QTest::newRow("above the listed sizes")
            << "M200x8-6H"
            << "M200x8 is beyond the ISO 261 sizes Orvanta's tables list (M1 to M100); its limits follow ISO 965-1's "
               "tables for its diameter range and pitch";
        QTest::newRow("listed") << "M12x1.25-6H"
                                << "";
    }
    void notes_combinations_outside_the_series()
    {
        QFETCH(QString, written);
        QFETCH(QString, note);
        const ThreadLookup lookup = orvanta::threads::lookUpThread(written.toStdString());
        QVERIFY2(lookup.limits, lookup.error.c_str());
        const std::vector<std::string>& notes = lookup.limits->notes;
        const bool noted = std::any_of(notes.begin(), notes.end(), [](const std::string& n) {
            return n.find("ISO 965-1's tables for its diameter range") != std::string::npos;
        });
        QCOMPARE(noted, !note.isEmpty());
        if (noted) {
            QVERIFY(std::find(notes.begin(), notes.end(), note.toStdString()) != notes.end());
        }
    }

    // The two readings of a plated thread's limits.
    void after_plate_choices_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<bool>("external");
        QTest::addColumn<QString>("classLimits");
        QTest::addColumn<QString>("allowance");
        QTest::newRow("2A") << "1/2-13 UNC-2A" << true << "0.4485/0.4435"
                            << "0.4500/0.4435";
        QTest::newRow("3A") << "1/2-13 UNC-3A" << true << "0.4500/0.4463"
                            << "0.4500/0.4463";
        QTest::newRow("2B") << "1/2-13 UNC-2B" << false << "0.4565/0.4500"
                            << "0.4565/0.4500";
        QTest::newRow("6g") << "M10x1.5-6g" << true << "8.994/8.862"
                            << "9.026/8.862";
        QTest::newRow("6G") << "M10x1.5-6G" << false << "9.238/9.058"
                            << "9.238/9.026";
    }
    void after_plate_choices()
    {
        QFETCH(QString, written);
        QFETCH(bool, external);
        QFETCH(QString, classLimits);
        QFETCH(QString, allowance);
        const ThreadLookup lookup = orvanta::threads::lookUpThread(written.toStdString());
        QVERIFY(lookup.limits);
        QCOMPARE(sideText(lookup, external, AfterPlate::ClassLimits), classLimits);
        QCOMPARE(sideText(lookup, external, AfterPlate::UseAllowance), allowance);
    }

    // Nearest in the log scale, then whole micrometres half to even below 100.
    void r40_rounding_data()
    {
        QTest::addColumn<double>("micrometres");
        QTest::addColumn<int>("rounded");
        QTest::newRow("M10x1.5 6H") << 174.24 << 180;
        QTest::newRow("log, not linear") << 165.0 << 170;
        QTest::newRow("42.5 to even") << 42.4 << 42;
        QTest::newRow("47.5 to even") << 47.52 << 48;
        QTest::newRow("4g of 132") << 83.16 << 85;
    }
    void r40_rounding()
    {
        QFETCH(double, micrometres);
        QFETCH(int, rounded);
        QCOMPARE(orvanta::threads::roundToR40(micrometres), rounded);
    }

    // The O-ring port threads of SAE J1926 / ISO 11926-1, sizes -2 to -32
    // (port table: industrialmonitordirect.com, "SAE O-Ring Boss Port
    // Dimensions"; -32 from a fitting maker's identification guide).
    void port_threads_are_standard_series()
    {
        for (const char* port : {"5/16-24", "3/8-24", "7/16-20", "1/2-20", "9/16-18", "3/4-16", "7/8-14", "1-1/16-12",
                                 "1-3/16-12", "1-5/16-12", "1-5/8-12", "1-7/8-12", "2-1/2-12"}) {
            const ThreadLookup lookup = orvanta::threads::lookUpThread(std::string(port) + "-2B");
            QVERIFY2(lookup.limits, lookup.error.c_str());
            const std::string& normal = lookup.limits->designation;
            QVERIFY2(normal.find(" UNF-2B") != std::string::npos || normal.find(" UN-2B") != std::string::npos,
                     normal.c_str());
        }
    }

    void completion_lists_standard_series()
    {
        const std::vector<std::string>& list = orvanta::threads::standardDesignations();
        for (const char* expected : {"1/2-13 UNC", "#12-32 UNEF", "2-4.5 UNC", "1-1/16-8 UN", "M10x1.25", "M64x6"}) {
            QVERIFY2(std::find(list.begin(), list.end(), expected) != list.end(), expected);
        }
        for (const std::string& designation : list) {
            const std::string someClass = designation.front() == 'M' ? designation + "-6H" : designation;
            QVERIFY2(orvanta::threads::lookUpThread(someClass).limits, designation.c_str());
        }
    }

    // Limits ISO 965-1 does not set, and crest tolerances no table cell
    // backs (4h and 8g: no published Td of grades 4 and 8 found; P 4.5:
    // its Td is printed only to 0.01 mm), stay empty while the rest is set.
    void leaves_unset_diameter_limits_empty_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<bool>("external");
        QTest::addColumn<QString>("absent"); // which limits must be empty
        QTest::newRow("external minor minimum") << "M10x1.5-6g" << true << "minor.min";
        QTest::newRow("internal major maximum") << "M10x1.5-6H" << false << "major.max";
        QTest::newRow("4h major minimum") << "M10x1.5-4h" << true << "major.min minor.min";
        QTest::newRow("8g major minimum") << "M10x1.5-8g" << true << "major.min minor.min";
        QTest::newRow("coarse P 4.5 major minimum") << "M42-6h" << true << "major.min minor.min";
        QTest::newRow("TD1 grade 6 at P 0.25") << "M1x0.25-6H" << false << "major.max minor.max";
        QTest::newRow("TD1 grade 7 at P 1.5") << "M10x1.5-7H" << false << "major.max minor.max";
    }
    void leaves_unset_diameter_limits_empty()
    {
        QFETCH(QString, designation);
        QFETCH(bool, external);
        QFETCH(QString, absent);
        const ThreadLookup lookup = orvanta::threads::lookUpThread(designation.toStdString());
        QVERIFY2(lookup.limits, lookup.error.c_str());
        const auto& side = external ? lookup.limits->external : lookup.limits->internal;
        QVERIFY(side);
        const std::pair<const char*, const std::optional<double>*> limits[] = {{"major.max", &side->major.max},
                                                                               {"major.min", &side->major.min},
                                                                               {"minor.max", &side->minor.max},
                                                                               {"minor.min", &side->minor.min}};
        for (const auto& [name, value] : limits) {
            QVERIFY2(absent.contains(QLatin1String(name)) != value->has_value(), name);
        }
    }

    // The tables print one row for a UN thread and its UNR form, and a fit
    // names both sides: the diameters must not depend on how it was written.
    void inch_diameters_follow_the_thread_not_the_spelling_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<bool>("external");
        QTest::newRow("UNRC") << "2-1/2-4 UNRC-1A"
                              << "2-1/2-4 UNC-1A" << true;
        QTest::newRow("UNR 8-pitch") << "2-1/2-8 UNR-3A"
                                     << "2-1/2-8 UN-3A" << true;
        QTest::newRow("fit, external") << "1/4-20 UNC-2A/2B"
                                       << "1/4-20 UNC-2A" << true;
        QTest::newRow("fit, internal") << "#10-24 UNC-3A/3B"
                                       << "#10-24 UNC-3B" << false;
        QTest::newRow("left hand") << "1/2-13 UNC-2B-LH"
                                   << "1/2-13 UNC-2B" << false;
    }
    void inch_diameters_follow_the_thread_not_the_spelling()
    {
        QFETCH(QString, written);
        QFETCH(QString, plain);
        QFETCH(bool, external);
        const ThreadLookup a = orvanta::threads::lookUpThread(written.toStdString());
        const ThreadLookup b = orvanta::threads::lookUpThread(plain.toStdString());
        QVERIFY2(a.limits && b.limits, (a.error + b.error).c_str());
        const auto& sa = external ? a.limits->external : a.limits->internal;
        const auto& sb = external ? b.limits->external : b.limits->internal;
        QVERIFY(sa && sb);
        QVERIFY(sb->major.min && sb->minor.max);
        QCOMPARE(sa->major.max, sb->major.max);
        QCOMPARE(sa->major.min, sb->major.min);
        QCOMPARE(sa->minor.max, sb->minor.max);
        QCOMPARE(sa->minor.min, sb->minor.min);
    }
};

QTEST_GUILESS_MAIN(ThreadsTest)
#include "tst_threads.moc"
