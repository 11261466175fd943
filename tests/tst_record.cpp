// The thread record built on its own from what the calculator shows: the
// header, each side's limits exactly as shown, and the make-and-check table
// whose gauges must follow the band of their own stage. The shown texts are
// the calculator's (tst_sheet, tst_batch) or published limits
// (data/published_pd_limits.csv); a gauge limit is compared with the shown
// band text it is anchored on, never recomputed here.
#include "SideSuggestion.h"
#include "ThreadRecord.h"

#include <QRegularExpression>
#include <QTest>

#include <set>

using orvanta::ThreadSide;
using orvanta::UnitSystem;
using orvanta::record::RecordInput;
using orvanta::record::Section;
using orvanta::record::ShownSide;
using orvanta::record::ThreadRecord;

Q_DECLARE_METATYPE(RecordInput)

namespace {

const QString kPrePlate = QStringLiteral("pre-plate (to order)");
const QString kAfterPlate = QStringLiteral("after plating (final inspection)");
const QString kByHand = QStringLiteral("limits entered by hand");
const QString kAbsent = QStringLiteral("<absent>");

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

QString sideName(ThreadSide side)
{
    return side == ThreadSide::External ? QStringLiteral("External") : QStringLiteral("Internal");
}

QString limitsHeading(ThreadSide side)
{
    return side == ThreadSide::External ? QStringLiteral("External thread (GO and NOT GO ring or set plug)")
                                        : QStringLiteral("Internal thread (GO and NOT GO work plug)");
}

ShownSide shown(ThreadSide side, const char* afterMax, const char* afterMin, const char* maxThickness,
                const char* minThickness, const char* preMax, const char* preMin, const char* message = "")
{
    return {side, afterMax, afterMin, maxThickness, minThickness, preMax, preMin, message};
}

// A record as the window fills it. An empty designation: limits typed by
// hand. A designation the thread engine refuses leaves no thread, which the
// header's Thread row then shows.
RecordInput input(const char* designation, const char* description, UnitSystem unit, const char* separator,
                  std::vector<ShownSide> sides, bool edited = false)
{
    RecordInput in;
    in.date = "1 March 2025";
    in.program = "Orvanta 0.1.0";
    in.partNumber = "PN-4711/B";
    in.unit = unit;
    in.decimalSeparator = separator;
    if (*designation != '\0') {
        const auto lookup = orvanta::threads::lookUpThread(designation);
        if (lookup.limits) {
            in.thread = orvanta::record::FilledThread{*lookup.limits, description, edited, std::nullopt};
        }
    }
    in.sides = std::move(sides);
    return in;
}

RecordInput withWire(RecordInput in, std::optional<double> wire, std::string wireError = {})
{
    in.wire = wire;
    in.wireError = std::move(wireError);
    return in;
}

RecordInput withNotes(RecordInput in, std::string notes)
{
    in.notes = std::move(notes);
    return in;
}

const Section* section(const ThreadRecord& record, const QString& heading)
{
    const Section* found = nullptr;
    for (const Section& s : record.sections) {
        if (q(s.heading) == heading) {
            if (found != nullptr) {
                return nullptr; // a heading twice is as wrong as none
            }
            found = &s;
        }
    }
    return found;
}

QStringList headingsEndingWith(const ThreadRecord& record, const QString& end)
{
    QStringList found;
    for (const Section& s : record.sections) {
        if (q(s.heading).endsWith(end)) {
            found << q(s.heading);
        }
    }
    return found;
}

QString value(const Section& section, const QString& label)
{
    for (const auto& row : section.rows) {
        if (row.size() == 2 && q(row[0]) == label) {
            return q(row[1]);
        }
    }
    return kAbsent;
}

QList<QStringList> rowsOf(const Section& section)
{
    QList<QStringList> rows;
    for (const auto& row : section.rows) {
        QStringList cells;
        for (const std::string& cell : row) {
            cells << q(cell);
        }
        rows << cells;
    }
    return rows;
}

// The rows a side's limits section must hold: the shown texts in order, the
// class values between the after-plate limits and the thicknesses.
QList<QStringList> expectedLimitRows(const ShownSide& side, const QStringList& classValues)
{
    QList<QStringList> rows{{"After-plate PD maximum", q(side.afterPlateMax)},
                            {"After-plate PD minimum", q(side.afterPlateMin)}};
    if (!classValues.isEmpty()) {
        rows << QStringList{"Basic PD", classValues[0]} << QStringList{"Allowance", classValues[1]}
             << QStringList{"Class tolerance", classValues[2]};
    }
    rows << QStringList{"Plating thickness minimum", q(side.minThickness)}
         << QStringList{"Plating thickness maximum", q(side.maxThickness)};
    if (side.message.empty()) {
        rows << QStringList{"Pre-plate PD maximum", q(side.preplateMax)}
             << QStringList{"Pre-plate PD minimum", q(side.preplateMin)};
    } else {
        rows << QStringList{"Pre-plate PD", q(side.message)};
    }
    return rows;
}

enum Column { Stage, Check, Minimum, Maximum, WearLimit, Standard };

// A gauge anchored on a band limit: that cell of its row shows the limit.
// Inch (ASME B1.2, Vermont Gage's setting plugs): GO set plug max is the
// product maximum, NOT GO set plug min the minimum; work plugs the other
// way. Metric (ISO 1502; AS 1014 prints the NOT GO plug 0 from D2max): the
// NOT GO gauges sit on the limit, the GO gauges are offset into the band.
struct Anchor {
    UnitSystem unit;
    const char* check;
    Column cell;
    bool bandMax;
};
constexpr Anchor kAnchors[] = {
    {UnitSystem::Inch, "GO setting plug", Maximum, true}, {UnitSystem::Inch, "NOT GO setting plug", Minimum, false},
    {UnitSystem::Inch, "GO plug", Minimum, false},        {UnitSystem::Inch, "NOT GO plug", Maximum, true},
    {UnitSystem::Metric, "NOT GO ring", Maximum, false},  {UnitSystem::Metric, "NOT GO plug", Minimum, true},
};

bool isTap(const QStringList& row)
{
    return row[Standard] == QLatin1String("ASME B94.9") || row[Standard] == QLatin1String("ISO 2857");
}

bool isWires(const QStringList& row)
{
    return row[Standard] == QLatin1String("Machinery's Handbook");
}

// A decimal number written with `separator` that does not belong to a
// name: "ASME B1.2" and "M10x1.5" have a letter before their digits.
QRegularExpression decimalWith(const QString& separator)
{
    return QRegularExpression(
        QStringLiteral("(?<![A-Za-z0-9.,])[0-9]+%1[0-9]").arg(QRegularExpression::escape(separator)));
}

} // namespace

class RecordTest : public QObject {
    Q_OBJECT

private slots:
    void builds_the_record_data()
    {
        QTest::addColumn<RecordInput>("in");
        QTest::addColumn<QString>("thread");      // the header's Thread row
        QTest::addColumn<QString>("unit");        // the header's Unit row
        QTest::addColumn<QStringList>("classes"); // basic, allowance, class tolerance, side by side
        QTest::addColumn<QString>("wires");       // the wires check of the external side
        QTest::addColumn<QStringList>("notes");   // "Side: start" of a note on the checks found once

        const auto ext = ThreadSide::External;
        const auto in = ThreadSide::Internal;
        const char* const userNotes = "Zinc, clear chromate.\nDeburr before plating;\n  keep the threads clean.";

        // tst_sheet's job: 1/2-13 with 0.0002 to 0.0005 in of plating. The
        // class values come from the published limits: basic = the 2B
        // minimum 0.4500; 2A allowance 0.4500 - 0.4485; tolerances max - min.
        // Best wire for 13 threads per inch: Machinery's Handbook 0.04441.
        const std::vector<ShownSide> halfInch{shown(ext, "0.4485", "0.4435", "0.0005", "0.0002", "0.4465", "0.4427"),
                                              shown(in, "0.4565", "0.4500", "0.0005", "0.0002", "0.4573", "0.4520")};
        QTest::newRow("1/2-13 UNC-2A/2B, both sides")
            << withNotes(input("1/2-13 UNC-2A/2B", "1/2-13 UNC-2A/2B, class limits after plating", UnitSystem::Inch,
                               ".", halfInch),
                         userNotes)
            << "1/2-13 UNC-2A/2B, class limits after plating"
            << "inch" << QStringList{"0.4500", "0.0015", "0.0050", "0.4500", "0.0000", "0.0065"}
            << "best wire 0.0444 in"
            << QStringList{"External: X tolerance ", "External: M = E - 0.866025 P + 3 W", "Internal: X tolerance ",
                           "Internal: H8: picked: "};

        // The after-plate maximum changed by hand: the class values no
        // longer describe what is shown, the gauges follow the shown band.
        QTest::newRow("1/2-13 UNC-2A/2B, edited")
            << input("1/2-13 UNC-2A/2B", "1/2-13 UNC-2A/2B, class limits after plating, edited", UnitSystem::Inch, ".",
                     {shown(ext, "0.4480", "0.4435", "0.0005", "0.0002", "0.4460", "0.4427"), halfInch[1]}, true)
            << "1/2-13 UNC-2A/2B, class limits after plating, edited"
            << "inch" << QStringList{} << "best wire 0.0444 in"
            << QStringList{"External: X tolerance ", "Internal: H8: picked: "};

        // tst_batch's 1/4-20 UNC-2A row with 0.0002 to 0.0003 in; ASME
        // B1.2's X tolerance at 20 threads per inch, 1/4 in: 0.0003 in.
        const std::vector<ShownSide> quarterInch{
            shown(ext, "0.2164", "0.2127", "0.0003", "0.0002", "0.2152", "0.2119")};
        QTest::newRow("1/4-20 UNC-2A, X tolerance 0.0003")
            << input("1/4-20 UNC-2A", "1/4-20 UNC-2A, class limits after plating", UnitSystem::Inch, ".", quarterInch)
            << "1/4-20 UNC-2A, class limits after plating"
            << "inch" << QStringList{"0.2175", "0.0011", "0.0037"} << "best wire 0.0289 in"
            << QStringList{"External: X tolerance 0.0003 in, taken inward from the limit",
                           "External: M = E - 0.866025 P + 3 W"};

        QTest::newRow("1/4-20 UNC-2A, decimal comma, a wire typed")
            << withWire(input("1/4-20 UNC-2A", "1/4-20 UNC-2A, class limits after plating", UnitSystem::Inch, ",",
                              {shown(ext, "0,2164", "0,2127", "0,0003", "0,0002", "0,2152", "0,2119")}),
                        0.030)
            << "1/4-20 UNC-2A, class limits after plating"
            << "inch" << QStringList{"0,2175", "0,0011", "0,0037"} << "wire 0,0300 in (best wire 0,0289 in)"
            << QStringList{"External: X tolerance 0,0003 in, taken inward from the limit",
                           "External: M = E - 0,866025 P + 3 W"};

        // tst_batch's M10x1.5 rows: 6g with 0.005 to 0.008 mm, 6H with
        // 0.002 to 0.004 mm. Best wire for a 1.5 mm pitch: 0.866 mm. ISO
        // 1502's row follows the band of each stage (tst_gauging: the 6g
        // pre-plate band of 0.1200 mm falls in the row up to 125 µm).
        QTest::newRow("M10x1.5-6H/6g, decimal comma")
            << withNotes(input("M10x1.5-6H/6g", "M10x1.5-6H/6g, class limits after plating", UnitSystem::Metric, ",",
                               {shown(ext, "8,9940", "8,8620", "0,008", "0,005", "8,9620", "8,8420"),
                                shown(in, "9,2060", "9,0260", "0,004", "0,002", "9,2140", "9,0420")}),
                         "Chromate after zinc.\nBatch 7 of 12.")
            << "M10x1.5-6H/6g, class limits after plating"
            << "millimetre" << QStringList{"9,0260", "0,0320", "0,1320", "9,0260", "0,0000", "0,1800"}
            << "best wire 0,8660 mm"
            << QStringList{
                   "External: row for a pitch diameter tolerance over 125 up to 200 \u00B5m (this band: 0,1320 mm)",
                   "External: row for a pitch diameter tolerance over 80 up to 125 \u00B5m (this band: 0,1200 mm)",
                   "External: M = E - 0,866025 P + 3 W",
                   "Internal: row for a pitch diameter tolerance over 125 up to 200 \u00B5m (this band: 0,1800 mm)",
                   "Internal: row for a pitch diameter tolerance over 125 up to 200 \u00B5m (this band: 0,1720 mm)",
                   "Internal: ISO 3: picked: "};

        QTest::newRow("M10x1.5-6g, decimal point")
            << input("M10x1.5-6g", "M10x1.5-6g, class limits after plating", UnitSystem::Metric, ".",
                     {shown(ext, "8.9940", "8.8620", "0.008", "0.005", "8.9620", "8.8420")})
            << "M10x1.5-6g, class limits after plating"
            << "millimetre" << QStringList{"9.0260", "0.0320", "0.1320"} << "best wire 0.8660 mm"
            << QStringList{
                   "External: M = E - 0.866025 P + 3 W",
                   "External: row for a pitch diameter tolerance over 125 up to 200 \u00B5m (this band: 0.1320 mm)",
                   "External: row for a pitch diameter tolerance over 80 up to 125 \u00B5m (this band: 0.1200 mm)"};

        QTest::newRow("limits typed by hand, inch")
            << withNotes(input("", "", UnitSystem::Inch, ".", {halfInch[0]}), userNotes) << kByHand << "inch"
            << QStringList{} << "" << QStringList{};

        QTest::newRow("limits typed by hand, metric, decimal comma")
            << input("", "", UnitSystem::Metric, ",",
                     {shown(ext, "8,9940", "8,8620", "0,008", "0,005", "8,9620", "8,8420"),
                      shown(in, "9,2060", "9,0260", "0,004", "0,002", "9,2140", "9,0420")})
            << kByHand << "millimetre" << QStringList{} << "" << QStringList{};
    }
    void builds_the_record()
    {
        QFETCH(RecordInput, in);
        QFETCH(QString, thread);
        QFETCH(QString, unit);
        QFETCH(QStringList, classes);
        QFETCH(QString, wires);
        QFETCH(QStringList, notes);

        const ThreadRecord record = orvanta::record::buildRecord(in);
        QVERIFY(!record.sections.empty());
        const Section& header = record.sections.front();
        QCOMPARE(value(header, "Thread"), thread);
        QCOMPARE(value(header, "Unit"), unit);
        QCOMPARE(value(header, "Part number"), QStringLiteral("PN-4711/B"));

        // Each side's limits exactly as shown.
        for (std::size_t i = 0; i < in.sides.size(); ++i) {
            const ShownSide& side = in.sides[i];
            const Section* limits = section(record, limitsHeading(side.side));
            QVERIFY2(limits != nullptr, qPrintable(limitsHeading(side.side)));
            const QStringList sideClasses = classes.isEmpty() ? QStringList{} : classes.mid(3 * int(i), 3);
            QCOMPARE(rowsOf(*limits), expectedLimitRows(side, sideClasses));
        }

        if (!in.thread) {
            QVERIFY(headingsEndingWith(record, QStringLiteral("make and check")).isEmpty());
            QVERIFY(headingsEndingWith(record, QStringLiteral("notes on the checks")).isEmpty());
            const Section* none = section(record, QStringLiteral("Gauges, wires and taps"));
            QVERIFY(none != nullptr);
            QCOMPARE(none->rows.size(), std::size_t(1));
            QVERIFY(q(none->rows.front().front())
                        .startsWith(QStringLiteral("Not given: the limits were entered by hand.")));
        } else {
            QVERIFY(section(record, QStringLiteral("Gauges, wires and taps")) == nullptr);
            int picks = 0;
            for (const ShownSide& side : in.sides) {
                const QString name = sideName(side.side);
                const Section* table = section(record, name + QStringLiteral(" thread: make and check"));
                QVERIFY2(table != nullptr, qPrintable(name));
                QVERIFY(table->table);
                const QList<QStringList> rows = rowsOf(*table);
                QCOMPARE(rows.front(), QStringList({"Stage", "Check", "Minimum", "Maximum", "Wear limit", "Standard"}));
                std::set<QString> stages;
                int anchored = 0;
                int wireRows = 0;
                int taps = 0;
                for (const QStringList& row : rows.mid(1)) {
                    QCOMPARE(row.size(), 6);
                    QVERIFY2(row[Stage] == kPrePlate || row[Stage] == kAfterPlate, qPrintable(row[Stage]));
                    stages.insert(row[Stage]);
                    const bool pre = row[Stage] == kPrePlate;
                    const QString bandMax = q(pre ? side.preplateMax : side.afterPlateMax);
                    const QString bandMin = q(pre ? side.preplateMin : side.afterPlateMin);
                    for (const Anchor& anchor : kAnchors) {
                        if (anchor.unit == in.unit && row[Check] == QLatin1String(anchor.check)) {
                            QCOMPARE(row[anchor.cell], anchor.bandMax ? bandMax : bandMin);
                            ++anchored;
                        }
                    }
                    // Every number the table shows, in the calculator's pattern.
                    for (const Column cell : {Minimum, Maximum}) {
                        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+%1\\d{4}$")
                                                        .arg(QRegularExpression::escape(q(in.decimalSeparator))))
                                     .match(row[cell])
                                     .hasMatch(),
                                 qPrintable(row.join(QLatin1Char('|'))));
                    }
                    if (isWires(row)) {
                        QCOMPARE(row[Check], wires);
                        ++wireRows;
                    }
                    if (isTap(row)) {
                        // The thread is cut to the pre-plate band: taps only there.
                        QCOMPARE(row[Stage], kPrePlate);
                        QCOMPARE(side.side, ThreadSide::Internal);
                        ++taps;
                    }
                    if (row[Check].endsWith(QLatin1String(" (pick)"))) {
                        QVERIFY(isTap(row));
                        ++picks;
                    }
                }
                QCOMPARE(stages.size(), std::size_t(2));
                QCOMPARE(anchored, in.unit == UnitSystem::Inch ? 4 : 2); // two a stage inch, one metric
                QCOMPARE(wireRows, side.side == ThreadSide::External ? 2 : 0);
                QCOMPARE(taps > 0, side.side == ThreadSide::Internal);
                if (side.side == ThreadSide::Internal) {
                    QCOMPARE(picks, 1);
                    picks = 0;
                }

                const Section* noteSection = section(record, name + QStringLiteral(" thread: notes on the checks"));
                QVERIFY(noteSection != nullptr);
                QStringList written;
                for (const QStringList& row : rowsOf(*noteSection)) {
                    QCOMPARE(row.size(), 1);
                    QVERIFY2(!written.contains(row.front()), qPrintable(row.front())); // once each
                    written << row.front();
                }
                for (const QString& expected : notes) {
                    if (expected.startsWith(name + QStringLiteral(": "))) {
                        const QString start = expected.mid(name.size() + 2);
                        QCOMPARE(
                            written.filter(QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(start)))
                                .size(),
                            1);
                    }
                }
            }
            QCOMPARE(picks, 0); // none on an external side
        }

        // What the user typed, whole.
        if (in.notes.empty()) {
            QVERIFY(section(record, QStringLiteral("Notes")) == nullptr);
        } else {
            const Section* typed = section(record, QStringLiteral("Notes"));
            QVERIFY(typed != nullptr);
            QCOMPARE(rowsOf(*typed), QList<QStringList>{{q(in.notes)}});
        }

        // One separator in every number the record writes. The program's
        // version and the designation are names, and the notes are the user's.
        const QString separator = q(in.decimalSeparator);
        const QRegularExpression wrong = decimalWith(separator == QLatin1String(",") ? "." : ",");
        const QRegularExpression right = decimalWith(separator);
        int numbers = 0;
        for (const Section& s : record.sections) {
            if (q(s.heading) == QLatin1String("Notes")) {
                continue;
            }
            for (const auto& row : s.rows) {
                if (&s == &header && (row.front() == "Program" || row.front() == "Thread")) {
                    continue;
                }
                for (const std::string& cell : row) {
                    QVERIFY2(!wrong.match(q(cell)).hasMatch(), cell.c_str());
                    numbers += right.match(q(cell)).hasMatch() ? 1 : 0;
                }
            }
        }
        QVERIFY(numbers >= 6);
    }

    void says_what_it_cannot_give_data()
    {
        QTest::addColumn<RecordInput>("in");
        QTest::addColumn<QStringList>("tables");   // the sides with a make-and-check table
        QTest::addColumn<QString>("wireSection");  // the Wire section's text
        QTest::addColumn<QString>("wires");        // the wires check's name
        QTest::addColumn<QString>("wiresRefused"); // why the wires check shows no numbers

        const auto ext = ThreadSide::External;
        const auto in = ThreadSide::Internal;
        const ShownSide halfExternal = shown(ext, "0.4485", "0.4435", "0.0005", "0.0002", "0.4465", "0.4427");
        const ShownSide halfInternal = shown(in, "0.4565", "0.4500", "0.0005", "0.0002", "0.4573", "0.4520");
        // tst_batch's 1/2-13 UNC-2A with 0.0001 to 0.003 in: the pre-plate
        // limits cross, and the calculator says so.
        const ShownSide tooThick =
            shown(ext, "0.4485", "0.4435", "0.0030", "0.0001", "0.4365", "0.4431", orvanta::kPlateTooGreatMessage);
        const ShownSide quarter = shown(ext, "0.2164", "0.2127", "0.0003", "0.0002", "0.2152", "0.2119");
        const char* const halfFilled = "1/2-13 UNC-2A/2B, class limits after plating";
        const char* const quarterFilled = "1/4-20 UNC-2A, class limits after plating";

        QTest::newRow("plate too great on the external side")
            << input("1/2-13 UNC-2A/2B", halfFilled, UnitSystem::Inch, ".", {tooThick, halfInternal})
            << QStringList{"Internal"} << ""
            << ""
            << "";
        QTest::newRow("plate too great, limits typed by hand")
            << input("", "", UnitSystem::Inch, ".", {tooThick}) << QStringList{} << ""
            << ""
            << "";
        QTest::newRow("a wire that cannot be read")
            << withWire(input("1/4-20 UNC-2A", quarterFilled, UnitSystem::Inch, ".", {quarter}), std::nullopt,
                        "the wire diameter is not a number: 0.03x; the best wire is used")
            << QStringList{"External"} << "the wire diameter is not a number: 0.03x; the best wire is used"
            << "best wire 0.0289 in"
            << "";
        // Thread Check: wires touch the flanks from 0.505182 P to 1.010362 P.
        QTest::newRow("a wire that does not touch the flanks")
            << withWire(input("1/4-20 UNC-2A", quarterFilled, UnitSystem::Inch, ".", {quarter}), 1.0)
            << QStringList{"External"} << ""
            << "wire 1.0000 in (best wire 0.0289 in)"
            << "a wire of 1.0000 in does not touch the flanks of this thread";
        QTest::newRow("a wire that does not touch the flanks, decimal comma")
            << withWire(input("1/4-20 UNC-2A", quarterFilled, UnitSystem::Inch, ",",
                              {shown(ext, "0,2164", "0,2127", "0,0003", "0,0002", "0,2152", "0,2119")}),
                        1.0)
            << QStringList{"External"} << ""
            << "wire 1,0000 in (best wire 0,0289 in)"
            << "a wire of 1,0000 in does not touch the flanks of this thread";
        QTest::newRow("no after-plate maximum shown on the internal side")
            << input("1/2-13 UNC-2A/2B", halfFilled, UnitSystem::Inch, ".",
                     {halfExternal, shown(in, "", "0.4500", "0.0005", "0.0002", "0.4573", "0.4520")})
            << QStringList{"External"} << ""
            << "best wire 0.0444 in"
            << "";
        QTest::newRow("no after-plate minimum shown on the external side")
            << input("1/2-13 UNC-2A/2B", halfFilled, UnitSystem::Inch, ".",
                     {shown(ext, "0.4485", "", "0.0005", "0.0002", "0.4465", "0.4427"), halfInternal})
            << QStringList{"Internal"} << ""
            << ""
            << "";
    }
    void says_what_it_cannot_give()
    {
        QFETCH(RecordInput, in);
        QFETCH(QStringList, tables);
        QFETCH(QString, wireSection);
        QFETCH(QString, wires);
        QFETCH(QString, wiresRefused);

        const ThreadRecord record = orvanta::record::buildRecord(in);

        // The limits as shown; a message in place of pre-plate limits that
        // do not hold.
        for (const ShownSide& side : in.sides) {
            const Section* limits = section(record, limitsHeading(side.side));
            QVERIFY(limits != nullptr);
            const QList<QStringList> rows = rowsOf(*limits);
            QCOMPARE(rows.contains(QStringList{"Pre-plate PD", q(side.message)}), !side.message.empty());
            QCOMPARE(value(*limits, "Pre-plate PD maximum"), side.message.empty() ? q(side.preplateMax) : kAbsent);
            QCOMPARE(value(*limits, "Pre-plate PD minimum"), side.message.empty() ? q(side.preplateMin) : kAbsent);
            QCOMPARE(value(*limits, "After-plate PD maximum"), q(side.afterPlateMax));
            QCOMPARE(value(*limits, "After-plate PD minimum"), q(side.afterPlateMin));
        }

        QStringList expectedTables;
        QStringList expectedNotes;
        for (const QString& side : tables) {
            expectedTables << side + QStringLiteral(" thread: make and check");
            expectedNotes << side + QStringLiteral(" thread: notes on the checks");
        }
        QCOMPARE(headingsEndingWith(record, QStringLiteral("make and check")), expectedTables);
        QCOMPARE(headingsEndingWith(record, QStringLiteral("notes on the checks")), expectedNotes);

        const Section* wire = section(record, QStringLiteral("Wire"));
        if (wireSection.isEmpty()) {
            QVERIFY(wire == nullptr);
        } else {
            QVERIFY(wire != nullptr);
            QCOMPARE(rowsOf(*wire), QList<QStringList>{{wireSection}});
        }

        if (wires.isEmpty()) {
            return;
        }
        const Section* table = section(record, QStringLiteral("External thread: make and check"));
        QVERIFY(table != nullptr);
        int wireRows = 0;
        for (const QStringList& row : rowsOf(*table).mid(1)) {
            if (isWires(row)) {
                QCOMPARE(row[Check], wires);
                // A refused check shows no numbers at all.
                const bool refused = !wiresRefused.isEmpty();
                QCOMPARE(row[Minimum].isEmpty(), refused);
                QCOMPARE(row[Maximum].isEmpty(), refused);
                QCOMPARE(row[WearLimit], QString());
                ++wireRows;
            }
        }
        QCOMPARE(wireRows, 2); // one a stage
        const Section* notes = section(record, QStringLiteral("External thread: notes on the checks"));
        QVERIFY(notes != nullptr);
        QStringList written;
        for (const QStringList& row : rowsOf(*notes)) {
            written << row.front();
        }
        QStringList distinct = written;
        distinct.removeDuplicates();
        QCOMPARE(written, distinct); // once each
        // The reason, named by its check.
        const QStringList reasons = distinct.filter(QRegularExpression(QStringLiteral("does not touch the flanks")));
        if (wiresRefused.isEmpty()) {
            QVERIFY(reasons.isEmpty());
        } else {
            QCOMPARE(reasons.size(), 1);
            QVERIFY2(reasons.front().startsWith(wires + QStringLiteral(": ") + wiresRefused),
                     qPrintable(reasons.front()));
        }
    }

    // The standards behind the record follow its unit; the gauges, taps and
    // wires are named only where a designation gave them.
    // The diameters a drawing before plating gives, and the hole's drill:
    // the minor band grows by twice the thickness, and #7 lies in it.
    void gives_the_diameters_before_plating_and_the_drill()
    {
        const RecordInput in =
            input("1/4-20 UNC-2B", "1/4-20 UNC-2B, class limits after plating", UnitSystem::Inch, ".",
                  {shown(ThreadSide::Internal, "0.2224", "0.2175", "0.0003", "0.0002", "0.2232", "0.2187")});
        const QStringList lines = QString::fromStdString(plainText(buildRecord(in))).split(QLatin1Char('\n'));
        const qsizetype heading = lines.indexOf(QStringLiteral("Diameters"));
        QVERIFY(heading > 0);
        QCOMPARE(lines.mid(heading + 1, 5),
                 QStringList({"Side  Diameter  After-plate maximum  After-plate minimum  Pre-plate maximum  "
                              "Pre-plate minimum",
                              "Internal  Pitch  0.2224  0.2175  0.2232  0.2187",
                              "Internal  Major  not set  0.2500  not set  0.2506",
                              "Internal  Minor  0.2070  0.1960  0.2074  0.1966",
                              "Internal  Drill  #7: the tap-drill chart's drill for the minor diameter band 0.1966 in "
                              "to 0.2074 in; also in it: 5 mm, #8, 5.1 mm, 13/64, #6, 5.2 mm, #5"}));
    }

    // The coating filled with the designation: its name, thickness, growth,
    // source and each side's fit, after the diameters.
    void names_the_coating_its_growth_and_the_fit()
    {
        RecordInput in =
            input("7/16-20 UNF-3B", "7/16-20 UNF-3B, class limits after plating, MIL-A-8625 Type III", UnitSystem::Inch,
                  ",", {shown(ThreadSide::Internal, "0,4091", "0,4050", "0,0011", "0,0009", "0,4127", "0,4094")});
        orvanta::record::FilledCoating coating;
        coating.name = "MIL-A-8625 Type III";
        coating.source = "finishers' rule";
        coating.minThickness = 0.0018;
        coating.maxThickness = 0.0022;
        coating.minGrowth = 0.0009;
        coating.maxGrowth = 0.0011;
        coating.internalFit = "no allowance";
        in.thread->coating = coating;
        const std::string text = plainText(buildRecord(in));
        for (const char* line : {"\nCoating\nCoating: MIL-A-8625 Type III\nSource: finishers' rule\n"
                                 "Thickness: 0,0018 to 0,0022 in\nGrowth: 0,0009 to 0,0011 in\n"
                                 "Internal fit: no allowance\n"}) {
            QVERIFY2(text.find(line) != std::string::npos, text.c_str());
        }
        QVERIFY(text.find("External fit") == std::string::npos); // no external side named
    }

    void names_the_standards_of_its_unit_data()
    {
        QTest::addColumn<RecordInput>("in");
        QTest::addColumn<QStringList>("rows");
        const QString plating = QStringLiteral("Plating: each pitch diameter limit moves by four times a plating "
                                               "thickness (60 degree threads), each major and minor diameter limit "
                                               "by twice");
        QTest::newRow("inch, filled")
            << input("1/2-13 UNC-2A", "1/2-13 UNC-2A, class limits after plating", UnitSystem::Inch, ".",
                     {shown(ThreadSide::External, "0.4485", "0.4435", "0.0005", "0.0002", "0.4465", "0.4427")})
            << QStringList({"Limits: ASME B1.1 (Unified inch screw threads)", plating, "Gauges: ASME B1.2",
                            "Taps: ASME B94.9", "Wires: three-wire formula of Machinery's Handbook"});
        QTest::newRow("metric, filled")
            << input("M10x1.5-6g", "M10x1.5-6g, class limits after plating", UnitSystem::Metric, ".",
                     {shown(ThreadSide::External, "8.9940", "8.8620", "0.0080", "0.0050", "8.9620", "8.8420")})
            << QStringList({"Limits: ISO 965-1 / ASME B1.13M (ISO metric screw threads)", plating, "Gauges: ISO 1502",
                            "Taps: ISO 2857", "Wires: three-wire formula of Machinery's Handbook"});
        QTest::newRow("metric, by hand")
            << input("", "", UnitSystem::Metric, ".",
                     {shown(ThreadSide::External, "8.9940", "8.8620", "0.0080", "0.0050", "8.9620", "8.8420")})
            << QStringList({"Limits: ISO 965-1 / ASME B1.13M (ISO metric screw threads)", plating});
    }
    void names_the_standards_of_its_unit()
    {
        QFETCH(RecordInput, in);
        QFETCH(QStringList, rows);
        const ThreadRecord record = orvanta::record::buildRecord(in);
        QCOMPARE(q(record.sections.back().heading), QStringLiteral("Standards"));
        QStringList written;
        for (const std::vector<std::string>& row : record.sections.back().rows) {
            written << q(row.at(0)) + ": " + q(row.at(1));
        }
        QCOMPARE(written, rows);
    }
};

QTEST_GUILESS_MAIN(RecordTest)
#include "tst_record.moc"
