// Wires, gauges and taps against published rows: gauge makers' charts,
// handbook tap and wire tables, tap catalogues and AS 1014's plug gauge
// deviations, through the rows `orvanta-cli inspect` writes. A row that
// names a disagreement must not be matched: it says why.
#include "InspectRows.h"
#include "NumberText.h"

#include <QFile>
#include <QTest>

using orvanta::cli::InspectColumn;
using orvanta::cli::InspectRow;

namespace {

QString cell(const InspectRow& row, InspectColumn column)
{
    return QString::fromStdString(row[column]);
}

QString fourDecimals(double value)
{
    return QString::fromStdString(orvanta::formatPitchValue(value));
}

double number(const QString& text)
{
    return orvanta::parseNumber(text.toStdString(), ".").value_or(std::nan(""));
}

// The product limit a gauge is set from: GO at the maximum-material limit.
double anchor(const orvanta::threads::SideLimits& side, const QString& item)
{
    const bool go = item == QLatin1String("go_gauge");
    return (side.side == orvanta::ThreadSide::External) == go ? side.max : side.min;
}

} // namespace

class GaugingTest : public QObject {
    Q_OBJECT

private slots:
    void matches_published_rows_data()
    {
        const char* columns[] = {"designation", "plating", "wire",  "stage",       "item",
                                 "name",        "field",   "value", "disagreement"};
        for (const char* column : columns) {
            QTest::addColumn<QString>(column);
        }
        QFile file(QStringLiteral(ORVANTA_TEST_DATA_DIR "/published_gauging.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        file.readLine(); // header
        int row = 1;
        while (!file.atEnd()) {
            // The file is ours: no field holds a comma or a quote.
            const QStringList cells = QString::fromUtf8(file.readLine()).trimmed().split(QLatin1Char(','));
            QCOMPARE(cells.size(), 10);
            QTest::addRow("%d %s %s %s", ++row, qPrintable(cells[0]), qPrintable(cells[5]), qPrintable(cells[6]))
                << cells[0] << cells[1] << cells[2] << cells[3] << cells[4] << cells[5] << cells[6] << cells[7]
                << cells[9];
        }
        QVERIFY(row > 90);
    }
    void matches_published_rows()
    {
        QFETCH(QString, designation);
        QFETCH(QString, plating);
        QFETCH(QString, wire);
        QFETCH(QString, stage);
        QFETCH(QString, item);
        QFETCH(QString, name);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, disagreement);

        const orvanta::threads::ThreadLookup lookup = orvanta::threads::lookUpThread(designation.toStdString());
        QVERIFY2(lookup.limits, lookup.error.c_str());
        orvanta::cli::InspectChoices choices;
        std::string error;
        if (!plating.isEmpty()) {
            choices.plating = orvanta::cli::parsePlating(plating.toStdString(), error);
        }
        if (!wire.isEmpty()) {
            choices.wire = orvanta::cli::parseThickness(wire.toStdString(), ".", "--wire", error);
        }
        QVERIFY2(error.empty(), error.c_str());
        const std::vector<InspectRow> rows =
            orvanta::cli::inspectRows(lookup, designation.toStdString(), choices, orvanta::cli::Formatting{});

        QString computed;
        if (field == QLatin1String("picked")) {
            for (const InspectRow& row : rows) {
                if (cell(row, InspectColumn::Stage) == stage && cell(row, InspectColumn::Note).startsWith("picked")) {
                    computed = cell(row, InspectColumn::Name);
                }
            }
        } else {
            const InspectRow* found = nullptr;
            for (const InspectRow& row : rows) {
                if (cell(row, InspectColumn::Stage) == stage && cell(row, InspectColumn::Item) == item &&
                    cell(row, InspectColumn::Name).startsWith(name)) {
                    found = &row;
                }
            }
            QVERIFY2(found != nullptr, "no such check");
            const InspectRow& row = *found;
            const auto& side = lookup.limits->external ? *lookup.limits->external : *lookup.limits->internal;
            const double min = number(cell(row, InspectColumn::Min));
            const double max = number(cell(row, InspectColumn::Max));
            const double wear = number(cell(row, InspectColumn::WearLimit));
            if (field == QLatin1String("error")) {
                computed = cell(row, InspectColumn::Error).contains(value) ? value : cell(row, InspectColumn::Error);
            } else if (field == QLatin1String("min")) {
                computed = fourDecimals(min);
            } else if (field == QLatin1String("max")) {
                computed = fourDecimals(max);
            } else if (field == QLatin1String("width")) {
                computed = fourDecimals(max - min);
            } else if (field == QLatin1String("min_from_limit")) {
                computed = fourDecimals(min - anchor(side, item));
            } else if (field == QLatin1String("max_from_limit")) {
                computed = fourDecimals(max - anchor(side, item));
            } else if (field == QLatin1String("wear_from_limit")) {
                computed = fourDecimals(wear - anchor(side, item));
            } else {
                QFAIL("unknown field");
            }
        }
        const QString published =
            field == QLatin1String("picked") || field == QLatin1String("error") ? value : fourDecimals(number(value));
        if (disagreement.isEmpty()) {
            QCOMPARE(computed, published);
        } else {
            QVERIFY2(computed != published, qPrintable(disagreement));
        }
    }

    // ISO 1502's row follows the band being checked: a pre-plate band falls
    // into a narrower row than the class tolerance, and says so.
    void pre_plate_gauges_take_the_row_of_their_own_band()
    {
        const auto lookup = orvanta::threads::lookUpThread("M10x1.5-6g");
        orvanta::cli::InspectChoices choices;
        std::string error;
        choices.plating = orvanta::cli::parsePlating("5um:8um", error);
        QStringList notes;
        for (const InspectRow& row : orvanta::cli::inspectRows(lookup, "M10x1.5-6g", choices, {})) {
            if (cell(row, InspectColumn::Item) == QLatin1String("go_gauge")) {
                notes << cell(row, InspectColumn::Stage) + ": " + cell(row, InspectColumn::Note).section(';', 0, 0);
            }
        }
        QCOMPARE(notes, QStringList({"after_plate: row for a pitch diameter tolerance over 125 up to 200 \u00B5m (this "
                                     "band: 0.1320 mm)",
                                     "pre_plate: row for a pitch diameter tolerance over 80 up to 125 \u00B5m (this "
                                     "band: 0.1200 mm)"}));
    }
};

QTEST_GUILESS_MAIN(GaugingTest)
#include "tst_gauging.moc"
