// The console program answers as the calculator window does: one table of
// entries drives both, and every shown text and message must agree.
#include "CalculatorDriver.h"
#include "GuiTestMain.h"
#include "ResultRow.h"

#include <memory>

using orvanta::cli::Column;

class CliAgreementTest : public QObject {
    Q_OBJECT

private slots:
    void cli_answers_as_the_window_data()
    {
        QTest::addColumn<bool>("external");
        QTest::addColumn<bool>("metric");
        // In the side's entry order: external max, min, max thickness, min
        // thickness; internal min, max, min thickness, max thickness.
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("external") << true << false << QStringList{"0.4485", "0.4435", "0.0005", "0.0002"};
        QTest::newRow("external, equal") << true << false << QStringList{"0.4485", "0.4435", "0.0003", "0.0003"};
        QTest::newRow("external, rounds to equal")
            << true << false << QStringList{"0.4485", "0.4435", "0.0003", "0.00025"};
        QTest::newRow("external, reversed") << true << false << QStringList{"0.4485", "0.4435", "0.0002", "0.0005"};
        QTest::newRow("external, too great") << true << false << QStringList{"0.4485", "0.4435", "0.003", "0.0001"};
        QTest::newRow("internal") << false << false << QStringList{"0.4500", "0.4565", "0.0002", "0.0005"};
        QTest::newRow("internal, equal") << false << false << QStringList{"0.4500", "0.4565", "0.0003", "0.0003"};
        QTest::newRow("internal, reversed") << false << false << QStringList{"0.4500", "0.4565", "0.0005", "0.0002"};
        QTest::newRow("internal, displays equal")
            << false << false << QStringList{"0.4500", "0.4512", "0.0001", "0.0004"};
        QTest::newRow("metric") << false << true << QStringList{"9.98", "10.05", "0.002", "0.004"};
        QTest::newRow("metric external, equal") << true << true << QStringList{"11.884", "11.826", "0.008", "0.008"};
    }
    void cli_answers_as_the_window()
    {
        QFETCH(bool, external);
        QFETCH(bool, metric);
        QFETCH(QStringList, entries);

        CalculatorDriver calc;
        if (metric) {
            calc.click(calc.form().optmetric);
        }
        calc.click(external ? static_cast<QWidget*>(calc.form().txtexternalmax) : calc.form().txtinternalmin);
        calc.typeAndTab(entries.mid(0, 3));
        calc.type(entries[3]);
        calc.enter();
        const QStringList labels = calc.suggestions();
        const QString windowMax = external ? labels[0] : labels[3];
        const QString windowMin = external ? labels[1] : labels[2];
        const QString windowMessage = calc.messages().value(0);

        const auto number = [](const QString& text) { return text.toDouble(); };
        const double afterMax = number(external ? entries[0] : entries[1]);
        const double afterMin = number(external ? entries[1] : entries[0]);
        const double maxThickness = number(external ? entries[2] : entries[3]);
        const double minThickness = number(external ? entries[3] : entries[2]);
        const orvanta::cli::ResultRow row =
            orvanta::cli::rowForLimits(external ? orvanta::ThreadSide::External : orvanta::ThreadSide::Internal,
                                       metric ? orvanta::UnitSystem::Metric : orvanta::UnitSystem::Inch, afterMax,
                                       afterMin, orvanta::cli::Plating{minThickness, maxThickness}, {});

        QCOMPARE(QString::fromStdString(row[Column::PrePlateMax]), windowMax);
        QCOMPARE(QString::fromStdString(row[Column::PrePlateMin]), windowMin);
        QCOMPARE(QString::fromStdString(row[Column::Error]), windowMessage);
        // The thicknesses as the window's fields show them.
        const QString minField = external ? "txtextminthickness" : "txtintminthickness";
        const QString maxField = external ? "txtextmaxthickness" : "txtintmaxthickness";
        QCOMPARE(QString::fromStdString(row[Column::PlatingMin]), calc.text(minField));
        QCOMPARE(QString::fromStdString(row[Column::PlatingMax]), calc.text(maxField));
    }
};

ORVANTA_GUI_TEST_MAIN(CliAgreementTest)
#include "tst_cliagreement.moc"
