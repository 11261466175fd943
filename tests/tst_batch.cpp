// orvanta-cli batch over parts lists, awkward and malformed ones included:
// what it writes, what it says on standard error and its exit status.
#include "BatchCommand.h"
#include "ResultRow.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

struct BatchRun {
    QByteArray output;
    QByteArray errors;
    int status = -1;
};

std::FILE* fileWith(const QByteArray& bytes)
{
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), file);
    std::rewind(file);
    return file;
}

QByteArray contents(std::FILE* file)
{
    QByteArray bytes;
    std::rewind(file);
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, static_cast<qsizetype>(read));
    }
    return bytes;
}

class TemporaryOutput : public orvanta::cli::OutputOpener {
public:
    std::FILE* open(std::string&) override { return file = std::tmpfile(); }
    std::FILE* file = nullptr;
};

// A stream that gives `bytes` up to `failAt`, then fails as a disk or a
// network share can.
struct FailingSource {
    QByteArray bytes;
    qsizetype failAt = 0;
    qsizetype offset = 0;

    static ssize_t read(void* self, char* buffer, std::size_t size)
    {
        auto& source = *static_cast<FailingSource*>(self);
        if (source.offset >= source.failAt) {
            errno = EIO;
            return -1;
        }
        const qsizetype count = std::min(static_cast<qsizetype>(size), source.failAt - source.offset);
        std::memcpy(buffer, source.bytes.constData() + source.offset, static_cast<std::size_t>(count));
        source.offset += count;
        return count;
    }
};

std::FILE* failingFile(FailingSource& source)
{
    return fopencookie(&source, "rb", cookie_io_functions_t{FailingSource::read, nullptr, nullptr, nullptr});
}

BatchRun runBatch(std::FILE* in, const orvanta::cli::BatchOptions& options)
{
    std::FILE* err = std::tmpfile();
    TemporaryOutput out;
    BatchRun run;
    run.status = orvanta::cli::runBatch(in, out, err, options);
    if (out.file != nullptr) {
        std::fflush(out.file);
        run.output = contents(out.file);
        std::fclose(out.file);
    }
    run.errors = contents(err);
    std::fclose(err);
    return run;
}

BatchRun runBatch(const QByteArray& input, const orvanta::cli::BatchOptions& options = {})
{
    std::FILE* in = fileWith(input);
    const BatchRun run = runBatch(in, options);
    std::fclose(in);
    return run;
}

// A list longer than the batch reads at once.
QByteArray longList(int rows)
{
    QByteArray list = "part,designation\n";
    for (int row = 0; row < rows; ++row) {
        list += "P" + QByteArray::number(row) + ",M10x1.5-6g\n";
    }
    return list;
}

// The columns after `error` (the diameters, the drill, the coating): the
// pitch diameter's cases compare what comes before them.
constexpr int kCoatingColumns = 7;
constexpr int kAfterErrorColumns =
    static_cast<int>(orvanta::cli::kColumnCount) - static_cast<int>(orvanta::cli::Column::Error) - 1;

QByteArray withoutLastColumns(const QByteArray& csv, int count, char delimiter = ',')
{
    QByteArray kept;
    QList<QByteArray> fields{QByteArray()};
    bool quoted = false;
    for (const char c : csv) {
        if (c == '"') {
            quoted = !quoted;
        }
        if (!quoted && c == delimiter) {
            fields.append(QByteArray());
        } else if (!quoted && c == '\n') {
            fields.resize(std::max<qsizetype>(1, fields.size() - count));
            kept += fields.join(delimiter) + '\n';
            fields = {QByteArray()};
        } else {
            fields.last() += c;
        }
    }
    return kept;
}

const QByteArray kResultColumns = "side,unit,basic,allowance,class_tolerance,after_plate_max,after_plate_min,"
                                  "plating_min,plating_max,pre_plate_max,pre_plate_min,error";

} // namespace

class BatchTest : public QObject {
    Q_OBJECT

private slots:
    void writes_each_row_and_side_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("status");
        QTest::newRow("fit with plating, extra columns kept")
            << QByteArray("part,designation,plating_min,plating_max,customer\n"
                          "A-1,1/2-13 UNC-2A/2B,0.0002,0.0005,Acme\n")
            << QByteArray("part,designation,plating_min,plating_max,customer,side,unit,basic,allowance,"
                          "class_tolerance,after_plate_max,after_plate_min,pre_plate_max,pre_plate_min,error\n"
                          "A-1,1/2-13 "
                          "UNC-2A,0.0002,0.0005,Acme,external,in,0.4500,0.0015,0.0050,0.4485,0.4435,0.4465,0.4427,\n"
                          "A-1,1/2-13 "
                          "UNC-2B,0.0002,0.0005,Acme,internal,in,0.4500,0.0000,0.0065,0.4565,0.4500,0.4573,0.4520,\n")
            << 0;
        QTest::newRow("own limits, allowance rule ignored for them")
            << QByteArray("side,unit,after_plate_max,after_plate_min,plating_min,plating_max\n"
                          "external,in,.4485,.4435,.0003,.0003\n")
            << QByteArray(
                   "side,unit,after_plate_max,after_plate_min,plating_min,plating_max,designation,basic,allowance,"
                   "class_tolerance,pre_plate_max,pre_plate_min,error\n"
                   "external,in,0.4485,0.4435,0.0003,0.0003,,,,,0.4467,0.4423,\n")
            << 0;
        QTest::newRow("refused designation keeps its text")
            << QByteArray("designation\n1/2-13 UNC-4A\n")
            << "designation," + kResultColumns + "\n" +
                   "1/2-13 UNC-4A,,,,,,,,,,,,\"class 4A does not exist for UN threads: use 1A, 2A or 3A\"\n"
            << 1;
        QTest::newRow("text that is not a number")
            << QByteArray("designation,plating_min,plating_max\nM10-6g,abc,0.008\n")
            << QByteArray(
                   "designation,plating_min,plating_max,side,unit,basic,allowance,class_tolerance,after_plate_max,"
                   "after_plate_min,pre_plate_max,pre_plate_min,error\n"
                   "M10-6g,abc,0.008,,,,,,,,,,plating_min is not a number: abc\n")
            << 1;
        QTest::newRow("reversed thickness, then a good row")
            << QByteArray("designation,plating_min,plating_max\nM10x1.5-6g,0.008,0.005\nM10x1.5-6g,0.005,0.008\n")
            << QByteArray(
                   "designation,plating_min,plating_max,side,unit,basic,allowance,class_tolerance,after_plate_max,"
                   "after_plate_min,pre_plate_max,pre_plate_min,error\n"
                   "M10x1.5-6g,0.0080,0.0050,external,mm,9.0260,0.0320,0.1320,8.9940,8.8620,,,"
                   "Minimum entry must be less than Maximum entry\n"
                   "M10x1.5-6g,0.0050,0.0080,external,mm,9.0260,0.0320,0.1320,8.9940,8.8620,8.9620,8.8420,\n")
            << 1;
        QTest::newRow("plating too great still shows the limits")
            << QByteArray("designation,plating_min,plating_max\n1/2-13 UNC-2A,0.0001,0.003\n")
            << QByteArray(
                   "designation,plating_min,plating_max,side,unit,basic,allowance,class_tolerance,after_plate_max,"
                   "after_plate_min,pre_plate_max,pre_plate_min,error\n"
                   "1/2-13 UNC-2A,0.0001,0.0030,external,in,0.4500,0.0015,0.0050,0.4485,0.4435,0.4365,0.4431,"
                   "Plate thickness is too great.\n")
            << 1;
        QTest::newRow("row too short") << QByteArray("part,designation\nA-1\n")
                                       << "part,designation," + kResultColumns +
                                              "\nA-1,,,,,,,,,,,,,the row has 1 fields where the header has 2\n"
                                       << 1;
        QTest::newRow("quotes, embedded comma and newline, CRLF, BOM, blank lines")
            << QByteArray("\xEF\xBB\xBFnote,designation\r\n\r\n\"bolt, \"\"long\"\"\nrow\",1/2-13 UNC-3A\r\n\r\n")
            << "note,designation," + kResultColumns +
                   "\n\"bolt, \"\"long\"\"\nrow\",1/2-13 UNC-3A,external,in,0.4500,0.0000,0.0037,0.4500,0.4463,,,,,\n"
            << 0;
        QTest::newRow("plating with units, shown in the thread's unit")
            << QByteArray("designation,plating_min,plating_max\nM10x1.5-6g,5um,8 \xC2\xB5m\n"
                          "M10x1.5-6g,0.0002in,0.0003in\n1/4-20 UNC-2A,5um,0.008mm\nM10x1.5-6g,5mil,8um\n")
            << QByteArray(
                   "designation,plating_min,plating_max,side,unit,basic,allowance,class_tolerance,after_plate_max,"
                   "after_plate_min,pre_plate_max,pre_plate_min,error\n"
                   "M10x1.5-6g,0.0050,0.0080,external,mm,9.0260,0.0320,0.1320,8.9940,8.8620,8.9620,8.8420,\n"
                   "M10x1.5-6g,0.0051,0.0076,external,mm,9.0260,0.0320,0.1320,8.9940,8.8620,8.9636,8.8416,\n"
                   "1/4-20 UNC-2A,0.0002,0.0003,external,in,0.2175,0.0011,0.0037,0.2164,0.2127,0.2152,0.2119,\n"
                   "M10x1.5-6g,5mil,8um,,,,,,,,,,\"plating_min has a unit Orvanta does not know: mil (use in, mm, "
                   "um or \xC2\xB5m)\"\n")
            << 1;
        QTest::newRow("thickness below zero, then zero")
            << QByteArray("designation,plating_min,plating_max\nM10x1.5-6g,-0.001,0.008\nM10x1.5-6g,0.005,-5um\n"
                          "M10x1.5-6g,0,0.008\n")
            << QByteArray(
                   "designation,plating_min,plating_max,side,unit,basic,allowance,class_tolerance,after_plate_max,"
                   "after_plate_min,pre_plate_max,pre_plate_min,error\n"
                   "M10x1.5-6g,-0.001,0.008,,,,,,,,,,plating_min is below zero: -0.001\n"
                   "M10x1.5-6g,0.005,-5um,,,,,,,,,,plating_max is below zero: -5um\n"
                   "M10x1.5-6g,0.0000,0.0080,external,mm,9.0260,0.0320,0.1320,8.9940,8.8620,8.9620,8.8620,\n")
            << 1;
        QTest::newRow("allowance column")
            << QByteArray("designation,after_plate\nM10x1.5-6g,allowance\nM10x1.5-6g,maybe\n")
            << "designation,after_plate," + kResultColumns +
                   "\nM10x1.5-6g,allowance,external,mm,9.0260,0.0320,0.1320,9.0260,8.8620,,,,,\n"
                   "M10x1.5-6g,maybe,,,,,,,,,,,,\"after_plate is class or allowance, not maybe\"\n"
            << 1;
    }
    void writes_each_row_and_side()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        QFETCH(int, status);
        const BatchRun run = runBatch(input);
        QCOMPARE(withoutLastColumns(run.output, kAfterErrorColumns), output);
        QCOMPARE(run.status, status);
    }

    // The diameters after the pitch diameter's columns: the published
    // limits of 1/4-20 UNC-2A/2B and M10x1.5-6H, each moved by twice the
    // coating, empty where the standard sets none; the drill of the hole.
    void writes_the_diameters_and_the_drill()
    {
        const BatchRun run = runBatch("designation,plating_min,plating_max\n1/4-20 UNC-2A/2B,0.0002,0.0003\n"
                                      "M10x1.5-6H,,\n1/2-13 UNC-2B,0.0001,0.003\n");
        const QList<QByteArray> lines = withoutLastColumns(run.output, kCoatingColumns).split('\n');
        QVERIFY(lines[0].endsWith(",error,after_plate_major_max,after_plate_major_min,after_plate_minor_max,"
                                  "after_plate_minor_min,pre_plate_major_max,pre_plate_major_min,pre_plate_minor_max,"
                                  "pre_plate_minor_min,drill"));
        QVERIFY(lines[1].endsWith(",0.2489,0.2408,0.1894,,0.2483,0.2404,0.1888,,"));
        QVERIFY(lines[2].endsWith(",,0.2500,0.2070,0.1960,,0.2506,0.2074,0.1966,#7"));
        QVERIFY(lines[3].endsWith(",,10.0000,8.6760,8.3760,,,,,8.5 mm"));
        // No pre-plate band: no pre-plate diameters and no drill.
        QVERIFY(lines[4].endsWith("Plate thickness is too great.,,0.5000,0.4340,0.4170,,,,,"));
    }

    // A coating column: its normal name, thickness, growth, the class's
    // largest growth (ASTM F1941 Table X3.1 prints 0.000275 in. for
    // 1/4-20; #8-32 is not in it: a quarter of its 0.0009 allowance) and the fit.
    void reads_a_coating_column()
    {
        const BatchRun run = runBatch("designation,coating,plating_min,plating_max\n"
                                      "1/4-20 UNC-2A,plating,0.0002,0.0003\n"
                                      "1/2-13 UNC-2A,electroless nickel,0.0002,0.0003\n"
                                      "#8-32 UNC-2A,ASTM B633 SC2,,\n"
                                      "1/4-20 UNC-2A,B633 SC2,0.0003,0.0004\n"
                                      "7/16-20 UNF-3B,hard anodize,0.0018,0.0022\n");
        const QList<QByteArray> lines = run.output.split('\n');
        // The list's own coating column takes the normal name; the plating
        // columns hold what the calculator used: the growth.
        QVERIFY(lines[0].startsWith("designation,coating,plating_min,plating_max,side,"));
        QVERIFY(lines[0].endsWith(",drill,thickness_min,thickness_max,growth_min,growth_max,max_growth,fits"));
        QVERIFY(lines[1].endsWith(",0.0002,0.0003,0.0002,0.0003,0.000275,no"));
        QVERIFY(lines[2].endsWith(",0.0002,0.0003,0.0002,0.0003,0.000375,yes"));
        QVERIFY(lines[3].startsWith("#8-32 UNC-2A,ASTM B633 Fe/Zn 8 (SC2),,,"));
        QVERIFY(lines[3].endsWith(",0.000225,no"));
        QVERIFY(lines[3].contains("sets a minimum of 0.000315 in only: give the maximum"));
        QVERIFY(lines[4].contains("0.0003 in is below ASTM B633 Fe/Zn 8 (SC2)'s minimum of 0.000315 in"));
        // Half the film grows: the P.D. is machined to .4094/.4127.
        QVERIFY(lines[5].startsWith("7/16-20 UNF-3B,MIL-A-8625 Type III,0.0009,0.0011,internal,"));
        QVERIFY(lines[5].contains(",0.4127,0.4094,"));
        QVERIFY(lines[5].endsWith(",0.0018,0.0022,0.0009,0.0011,,"));
        QCOMPARE(run.status, 1);
    }

    // Hot-dip galvanizing does not move the limits by its zinc: the inch
    // nut is tapped oversize after galvanizing (ASTM A563: 0.020 in. over
    // 3/4-10 UNC-2B), the bolt keeps its class limits, a metric bolt is made
    // to 6az; a plain 6g is refused. The fit is the pair's room over four.
    void hot_dip_galvanizing_gives_the_limits_to_make_to()
    {
        const BatchRun run = runBatch("designation,coating,plating_min,plating_max\n"
                                      "3/4-10 UNC-2B,HDG,,\n"
                                      "3/4-10 UNC-2A,HDG,0.0017,0.004\n"
                                      "M20-6g,HDG,,\n"
                                      "M20-6az,hot-dip galvanized,40um,60um\n");
        const QList<QByteArray> lines = run.output.split('\n');
        QVERIFY(lines[1].startsWith("3/4-10 UNC-2B,ASTM F2329 over 3/8 in,,,internal,in,0.6850,0.0000,0.0077,0.6927,"
                                    "0.6850,0.7127,0.7050,,"));
        QVERIFY(lines[2].startsWith("3/4-10 UNC-2A,ASTM F2329 over 3/8 in,0.0017,0.0040,external,in,0.6850,0.0018,"
                                    "0.0059,0.6832,0.6773,0.6832,0.6773,,"));
        QVERIFY(lines[2].endsWith(",0.0017,0.0040,0.0017,0.0040,0.005450,yes")); // (0.0018 + 0.020) / 4
        QVERIFY(lines[3].contains("M20x2.5-6g is not a class for hot-dip galvanizing"));
        QVERIFY(lines[4].contains(",18.0260,17.8560,18.0260,17.8560,,"));
        QVERIFY(lines[4].endsWith(",0.0400,0.0600,0.0400,0.0600,0.0875,yes")); // es 0.350 / 4
        QCOMPARE(run.status, 1);
    }

    // Checked at the limits made to: a 6az bolt before galvanizing, the
    // overtapped nut after it.
    void hot_dip_galvanized_threads_are_inspected_where_they_are_made()
    {
        const BatchRun run = runBatch("designation,coating\nM20-6az,HDG\n3/4-10 UNC-2B,HDG\n", {.inspect = true});
        QVERIFY(run.output.contains("\nM20x2.5-6az,HDG,external,mm,pre_plate,go_gauge,GO ring,18.0090,18.0270,"));
        QVERIFY(run.output.contains("\n3/4-10 UNC-2B,HDG,internal,in,after_plate,go_gauge,GO plug,0.7050,0.7053,"));
        QVERIFY(!run.output.contains(",after_plate,wires,"));
    }

    void semicolons_and_decimal_commas()
    {
        const BatchRun run = runBatch("designation;plating_min;plating_max\nM10x1.5-6H;0,002;0,004\n",
                                      {.delimiter = ';', .decimalComma = true});
        QVERIFY(withoutLastColumns(run.output, kCoatingColumns, ';').endsWith(";;10,0080;8,6800;8,3840;8,5 mm\n"));
        QCOMPARE(withoutLastColumns(run.output, kAfterErrorColumns, ';'),
                 QByteArray("designation;plating_min;plating_max;side;unit;basic;allowance;"
                            "class_tolerance;after_plate_max;after_plate_min;pre_plate_max;"
                            "pre_plate_min;error\n"
                            "M10x1.5-6H;0,0020;0,0040;internal;mm;9,0260;0,0000;0,1800;9,2060;9,0260;"
                            "9,2140;9,0420;\n"));
        QCOMPARE(run.status, 0);
    }

    // --inspect: the list's own columns first, then a row per check; a row
    // that cannot be inspected says why in one row.
    void inspect_writes_a_row_per_check()
    {
        const BatchRun run = runBatch("part,designation,plating_min,plating_max\n"
                                      "A-1,1/4-20 UNC-2A/2B,0.0002,0.0003\nA-2,M7x2,,\nA-3,,,\n",
                                      {.inspect = true});
        const QList<QByteArray> lines = run.output.split('\n');
        QCOMPARE(lines[0], QByteArray("part,designation,plating_min,plating_max,side,unit,stage,item,name,min,max,"
                                      "wear_limit,standard,note,error"));
        QCOMPARE(run.status, 1);
        QVERIFY(
            lines[1].startsWith("A-1,1/4-20 UNC-2A,0.0002,0.0003,external,in,after_plate,wires,")); // each side named
        // 1/4-20: wires and two gauges a stage outside; two gauges a stage
        // inside, and the seven H-limits that fit the pre-plate band and the
        // drill: a plated thread is tapped before plating, never to its final band.
        QCOMPARE(run.output.count("\nA-1,"), 3 + 3 + 2 + 2 + 7 + 1);
        QVERIFY(run.output.contains("\nA-1,1/4-20 UNC-2B,0.0002,0.0003,internal,in,pre_plate,drill,#7,0.2010,0.2010,"));
        QVERIFY(run.output.contains("\nA-2,M7x2,,,,,,,,,,,,,M7 has no pitch 2\n"));
        QVERIFY(run.output.contains("\nA-3,,,,,,,,,,,,,,a row without a designation cannot be inspected\n"));
    }

    // --inspect --decimal-comma: every number of a row with a comma, the
    // wire names, notes and errors among them; a point only in names
    // (ASME B1.2, M10x1.5).
    void inspect_with_a_decimal_comma_writes_no_point()
    {
        const BatchRun run = runBatch("part;designation;plating_min;plating_max\n"
                                      "A-1;1/4-20 UNC-2A/2B;0,0002;0,0003\nA-2;M10x1.5-6H/6g;5um;8um\n"
                                      "A-3;1/4-20 UNC-2B;0,0001;0,0013\n",
                                      {.delimiter = ';', .decimalComma = true, .inspect = true});
        QCOMPARE(run.status, 1); // A-3's band is too narrow for a tap
        const QRegularExpression pointNumber(QStringLiteral("(?<![A-Za-z\\d.,])\\d+\\.\\d"));
        const QString output = QString::fromUtf8(run.output);
        QVERIFY2(!output.contains(pointNumber), qPrintable(pointNumber.match(output).captured()));
        for (const char* expected : {"best wire 0,0289 in", "X tolerance 0,0003 in", "this band: 0,1320 mm",
                                     "the band (0,0001 in) is narrower"}) {
            QVERIFY2(output.contains(QLatin1String(expected)), expected);
        }
    }

    void refuses_what_is_not_a_parts_list_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("empty") << QByteArray() << QByteArray("line 1");
        QTest::newRow("no designation or side column")
            << QByteArray("part,size\nA,B\n") << QByteArray("line 1, column 1");
        QTest::newRow("broken quote in the header")
            << QByteArray("part,\"designation\"x\nA,B\n") << QByteArray("line 1, column 19");
        QTest::newRow("broken quote before the first row")
            << QByteArray("designation\n\"M10\"x\n") << QByteArray("line 2, column 6");
    }
    void refuses_what_is_not_a_parts_list()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, error);
        const BatchRun run = runBatch(input);
        QCOMPARE(run.status, 2);
        QVERIFY(run.output.isEmpty());
        QVERIFY2(run.errors.contains(error), run.errors.constData());
    }

    void a_broken_row_later_is_reported_and_the_batch_goes_on()
    {
        const BatchRun run = runBatch("designation\nM10-6g\n\"M8\"x\nM6-6g\n");
        const QList<QByteArray> lines = run.output.split('\n');
        QCOMPARE(run.status, 1);
        QCOMPARE(lines.size(), 5); // header, three rows, the final line end
        QVERIFY(lines[2].contains("line 3, column 5: not readable as CSV"));
        QVERIFY(lines[3].startsWith("M6x1-6g,"));
    }

    // A read that fails is never the end of the list, wherever it comes.
    void a_read_error_fails_the_run_data()
    {
        QTest::addColumn<double>("failAt"); // a fraction of the list
        QTest::newRow("first read") << 0.0;
        QTest::newRow("midway, rows already written") << 0.6;
        QTest::newRow("after the last byte") << 1.0;
    }
    void a_read_error_fails_the_run()
    {
        QFETCH(double, failAt);
        FailingSource source{longList(10000), 0, 0};
        QVERIFY(source.bytes.size() > 2 * 65536); // more than one read
        source.failAt = static_cast<qsizetype>(failAt * static_cast<double>(source.bytes.size()));
        std::FILE* in = failingFile(source);
        QVERIFY(in != nullptr);
        const BatchRun run = runBatch(in, {.inputName = "parts.csv"});
        std::fclose(in);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.errors, QByteArray("orvanta-cli: reading parts.csv failed: Input/output error\n"));
        if (failAt > 0.5) {
            QVERIFY(run.output.count('\n') > 1000); // rows had been written: the failure is not the list's end
        }
    }

    // Rows in = rows out per side, over generated lists.
    void every_row_comes_out_once_per_side()
    {
        const struct {
            const char* designation;
            int sides;
        } pool[] = {{"1/2-13 UNC-2A/2B", 2},
                    {"M10", 2},
                    {"#10-32 UNF-3B", 1},
                    {"M6x1-6g", 1},
                    {"1/2-13 UNC-4A", 1},
                    {"M7x2", 1},
                    {"2-4.5 UNC-2A", 1},
                    {"not a thread", 1},
                    {"1/2-13", 2},
                    {"M10x1.5-6G", 1},
                    {"", 1}};
        QRandomGenerator random(20261208);
        for (int file = 0; file < 20; ++file) {
            QByteArray input = "part,designation,plating_min,plating_max\n";
            int expected = 0;
            const int rows = static_cast<int>(random.bounded(1, 200));
            for (int row = 0; row < rows; ++row) {
                const auto& pick = pool[random.bounded(static_cast<int>(std::size(pool)))];
                input += "P" + QByteArray::number(row) + "," + pick.designation + ",0.0001,0.000" +
                         QByteArray::number(random.bounded(1, 9)) + "\n";
                expected += pick.sides;
            }
            const BatchRun run = runBatch(input);
            QCOMPARE(run.output.count('\n'), expected + 1);
        }
    }
};

QTEST_GUILESS_MAIN(BatchTest)
#include "tst_batch.moc"
