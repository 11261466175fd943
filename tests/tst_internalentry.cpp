// The internal side's guided entry, driven through the window.
#include "CalculatorDriver.h"
#include "ExpectedTexts.h"
#include "GuiTestMain.h"

#include <memory>

class InternalEntryTest : public QObject {
    Q_OBJECT
    std::unique_ptr<CalculatorDriver> calc;

    void startInternalSide() { calc->click(calc->form().txtinternalmin); }

private slots:
    void init() { calc = std::make_unique<CalculatorDriver>(); }
    void cleanup() { calc.reset(); }

    void prompts_guide_minimum_before_maximum()
    {
        startInternalSide();
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Minimum After Plate Pitch Diameter and press <TAB>."));
        calc->typeAndTab({"0.4500"});
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Maximum After Plate Pitch Diameter and press <TAB>."));
        calc->typeAndTab({"0.4565"});
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Minimum Plating or Coating Thickness and press <TAB>."));
        calc->typeAndTab({"0.0002"});
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Maximum Plating or Coating Thickness and Press <ENTER> to "
                                                     "calculate Suggested Pre-Plate Pitch Diameter."));
    }

    void calculates_when_the_last_field_is_left_data()
    {
        QTest::addColumn<QStringList>("entries"); // min PD, max PD, min thickness, max thickness
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("minimumColumn"); // lblintmaxsug
        QTest::addColumn<QString>("maximumColumn"); // lblintminsug
        QTest::newRow("inch") << QStringList{"0.4500", "0.4565", "0.0002", "0.0005"} << false << "0.4520"
                              << "0.4573";
        QTest::newRow("equal thicknesses take 6x on the minimum")
            << QStringList{"0.4500", "0.4565", "0.0003", "0.0003"} << false << "0.4518"
            << "0.4577";
        QTest::newRow("maximum thickness rounded to equal first")
            << QStringList{"0.4500", "0.4565", "0.0003", "0.00025"} << false << "0.4518"
            << "0.4577";
        QTest::newRow("metric") << QStringList{"9.9800", "10.0500", "0.0020", "0.0040"} << true << "9.9960"
                                << "10.0580";
        QTest::newRow("metric M12x1.75 6H") << QStringList{"10.863", "11.063", "0.005", "0.010"} << true << "10.9030"
                                            << "11.0830";
    }
    void calculates_when_the_last_field_is_left()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, metric);
        if (metric) {
            calc->clickName("optmetric");
        }
        startInternalSide();
        // Action: the four entries, Tab after each; the last Tab reaches the unit option.
        calc->typeAndTab(entries);
        // Expected: the columns' suggestions, the outcome caption still standing,
        // the PD fields locked, the thicknesses open.
        QVERIFY(calc->messages().isEmpty());
        QTEST(calc->text("lblintmaxsug"), "minimumColumn");
        QTEST(calc->text("lblintminsug"), "maximumColumn");
        QCOMPARE(calc->instruction(), kShown);
        QCOMPARE(calc->focusedName(), metric ? QStringLiteral("optmetric") : QStringLiteral("optinch"));
        QVERIFY(!calc->enabled("txtinternalmin") && !calc->enabled("txtinternalmax"));
        QVERIFY(calc->enabled("txtintminthickness") && calc->enabled("txtintmaxthickness"));
        QCOMPARE(calc->text("lblextmaxsug"), QString());
    }

    void maximum_pd_must_be_above_the_minimum()
    {
        startInternalSide();
        calc->typeAndTab({"0.4565", "0.4565"});
        QCOMPARE(calc->messages(), QStringList{kInternalOrderMessage});
        QCOMPARE(calc->focusedName(), QStringLiteral("txtinternalmax"));
        QCOMPARE(calc->selection(), QStringLiteral("0.4565"));
    }

    void maximum_without_minimum_goes_back_to_it()
    {
        calc->click(calc->form().txtinternalmax);
        calc->type(".457");
        calc->tab();
        QVERIFY(calc->messages().isEmpty());
        QCOMPARE(calc->focusedName(), QStringLiteral("txtinternalmin"));
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Minimum After Plate Pitch Diameter and press <TAB>."));
        QCOMPARE(calc->text("txtinternalmax"), QStringLiteral(".457"));
    }

    void maximum_thickness_without_minimum_goes_back_to_it()
    {
        startInternalSide();
        calc->typeAndTab({"0.4500", "0.4565", ""});
        calc->type("0.0005");
        calc->tab();
        QVERIFY(calc->messages().isEmpty());
        QCOMPARE(calc->focusedName(), QStringLiteral("txtintminthickness"));
        QCOMPARE(calc->text("txtintmaxthickness"), QStringLiteral("0.0005"));
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
    }

    void thicknesses_without_both_pds_wait()
    {
        // State: only the minimum PD.
        startInternalSide();
        calc->typeAndTab({"0.4500", "", "0.0002", ".0005"});
        // Expected: nothing computed or written back; the focus went on.
        QVERIFY(calc->messages().isEmpty());
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
        QCOMPARE(calc->text("txtintmaxthickness"), QStringLiteral(".0005"));
        QCOMPARE(calc->focusedName(), QStringLiteral("optinch"));
    }

    void reversed_thicknesses_are_refused()
    {
        startInternalSide();
        calc->typeAndTab({"0.4500", "0.4565", "0.0005", "0.0002"});
        QCOMPARE(calc->messages(), QStringList{kInternalOrderMessage});
        QCOMPARE(calc->focusedName(), QStringLiteral("txtintmaxthickness"));
        QCOMPARE(calc->selection(), QStringLiteral("0.0002"));
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
        QVERIFY(calc->enabled("txtinternalmin") && calc->enabled("txtinternalmax"));
    }

    void plating_too_great_signals_without_moving_the_focus_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("minimumColumn");
        QTest::addColumn<QString>("maximumColumn");
        QTest::newRow("minimum above maximum") << QStringList{"0.4500", "0.4510", "0.0001", "0.0005"} << "0.4520"
                                               << "0.4514";
        QTest::newRow("equal as shown") << QStringList{"0.4500", "0.4512", "0.0001", "0.0004"} << "0.4516"
                                        << "0.4516";
    }
    void plating_too_great_signals_without_moving_the_focus()
    {
        QFETCH(QStringList, entries);
        startInternalSide();
        calc->typeAndTab(entries);
        QCOMPARE(calc->messages(), QStringList{kPlateTooGreat});
        QTEST(calc->text("lblintmaxsug"), "minimumColumn");
        QTEST(calc->text("lblintminsug"), "maximumColumn");
        QCOMPARE(calc->instruction(), QStringLiteral("Re-Enter internal plate thicknesses."));
        QCOMPARE(calc->focusedName(), QStringLiteral("optinch"));
        QVERIFY(!calc->enabled("txtinternalmin") && !calc->enabled("txtinternalmax"));
    }
};

ORVANTA_GUI_TEST_MAIN(InternalEntryTest)
#include "tst_internalentry.moc"
