// The external side's guided entry, driven through the window.
#include "CalculatorDriver.h"
#include "ExpectedTexts.h"
#include "GuiTestMain.h"
#include "forms/FocusController.h"

#include <memory>

class ExternalEntryTest : public QObject {
    Q_OBJECT
    std::unique_ptr<CalculatorDriver> calc;

private slots:
    void init() { calc = std::make_unique<CalculatorDriver>(); }
    void cleanup() { calc.reset(); }

    void prompts_guide_field_by_field()
    {
        // State: the window just opened; the first field's prompt replaced the start-up caption.
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Maximum After Plate Pitch Diameter and press <TAB>."));
        // Action / Expected: each Tab writes the next field's prompt.
        calc->typeAndTab({"0.4485"});
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Minimum After Plate Pitch Diameter and press <TAB>."));
        calc->typeAndTab({"0.4435"});
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Maximum Plating or Coating Thickness and press <TAB>."));
        calc->typeAndTab({"0.0005"});
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Minimum Plating or Coating Thickness and Press <ENTER> to "
                                                     "calculate Suggested Pre-Plate Pitch Diameter."));
    }

    void thickness_fields_select_their_text_on_arrival()
    {
        // State: both thicknesses hold text.
        calc->click(calc->form().txtextmaxthickness);
        calc->typeAndTab({"0.0005", "0.0009"});
        QVERIFY(!calc->messages().isEmpty()); // 0.0009 above 0.0005
        calc->type("0.0002");
        // Action: Shift+Tab back into the maximum thickness.
        calc->shiftTab();
        // Expected: its whole text is selected; the PD fields would not be.
        QCOMPARE(calc->focusedName(), QStringLiteral("txtextmaxthickness"));
        QCOMPARE(calc->selection(), QStringLiteral("0.0005"));
    }

    void calculates_when_the_last_field_is_left_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("preplateMax");
        QTest::addColumn<QString>("preplateMin");
        QTest::newRow("inch") << QStringList{"0.4485", "0.4435", "0.0005", "0.0002"} << false << "0.4465"
                              << "0.4427";
        QTest::newRow("equal thicknesses take 6x on the maximum")
            << QStringList{"0.4485", "0.4435", "0.0003", "0.0003"} << false << "0.4467"
            << "0.4423";
        QTest::newRow("metric M12x1.75 6g, equal")
            << QStringList{"11.884", "11.826", "0.008", "0.008"} << true << "11.8360"
            << "11.7940";
        QTest::newRow("zero thickness") << QStringList{"0.4485", "0.4435", "0", "0"} << false << "0.4485"
                                        << "0.4435";
        QTest::newRow("metric suggestions compared by value")
            << QStringList{"10.0200", "9.9950", "0.0020", "0.0020"} << true << "10.0080"
            << "9.9870";
    }
    void calculates_when_the_last_field_is_left()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, metric);
        if (metric) {
            calc->clickName("optmetric");
            calc->click(calc->form().txtexternalmax);
        }
        // Action: the four entries in tab order, Tab after each.
        calc->typeAndTab(entries);
        // Expected: both suggestions, the PD fields locked, no message; Tab
        // went on into the internal side, whose prompt replaced the outcome caption.
        QVERIFY(calc->messages().isEmpty());
        QTEST(calc->text("lblextmaxsug"), "preplateMax");
        QTEST(calc->text("lblextminsug"), "preplateMin");
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Minimum After Plate Pitch Diameter and press <TAB>."));
        QVERIFY(!calc->enabled("txtexternalmax") && !calc->enabled("txtexternalmin"));
        QVERIFY(calc->enabled("txtextmaxthickness") && calc->enabled("txtextminthickness"));
        QCOMPARE(calc->focusedName(), QStringLiteral("txtinternalmin"));
        QCOMPARE(calc->text("lblintmaxsug"), QString());
    }

    void minimum_pd_must_be_below_the_maximum_data()
    {
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("minimumShown");
        QTest::newRow("equal") << "0.4485"
                               << "0.4485"
                               << "0.4485";
        QTest::newRow("equal once written back") << "0.44851"
                                                 << "0.44849"
                                                 << "0.4485";
        QTest::newRow("above") << "0.4485"
                               << "0.45"
                               << "0.4500";
    }
    void minimum_pd_must_be_below_the_maximum()
    {
        QFETCH(QString, maximum);
        QFETCH(QString, minimum);
        QFETCH(QString, minimumShown);
        calc->typeAndTab({maximum, minimum});
        QCOMPARE(calc->messages(), QStringList{kExternalOrderMessage});
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmin"));
        QCOMPARE(calc->text("txtexternalmin"), minimumShown);
        QCOMPARE(calc->selection(), minimumShown);
    }

    void maximum_is_not_compared_when_left()
    {
        // State: a valid pair.
        calc->typeAndTab({"0.4485", "0.4435"});
        // Action: back to the maximum, make it smaller than the minimum, Tab.
        calc->click(calc->form().txtexternalmax);
        calc->type("0.4400");
        calc->tab();
        // Expected: accepted there; caught when the minimum is left again.
        QVERIFY(calc->messages().isEmpty());
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmin"));
        calc->tab();
        QCOMPARE(calc->messages(), QStringList{kExternalOrderMessage});
    }

    void minimum_without_maximum_goes_back_to_it()
    {
        // State: the maximum left empty.
        calc->tab();
        calc->type(".4435");
        // Action: Tab from the minimum.
        calc->tab();
        // Expected: no message; the focus in the maximum with its prompt; the minimum not yet written back.
        QVERIFY(calc->messages().isEmpty());
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmax"));
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Maximum After Plate Pitch Diameter and press <TAB>."));
        QCOMPARE(calc->text("txtexternalmin"), QStringLiteral(".4435"));
    }

    void minimum_thickness_without_maximum_goes_back_to_it()
    {
        calc->click(calc->form().txtextminthickness);
        calc->type(".0002");
        calc->tab();
        QVERIFY(calc->messages().isEmpty());
        QCOMPARE(calc->focusedName(), QStringLiteral("txtextmaxthickness"));
        QCOMPARE(calc->text("txtextminthickness"), QStringLiteral(".0002"));
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
    }

    void empty_minimum_thickness_does_nothing()
    {
        calc->typeAndTab({"0.4485", "0.4435", "0.0005", ""});
        QVERIFY(calc->messages().isEmpty());
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
        QVERIFY(calc->enabled("txtexternalmax"));
    }

    void reversed_thicknesses_are_refused()
    {
        calc->typeAndTab({"0.4485", "0.4435", "0.0003", "0.0004"});
        QCOMPARE(calc->messages(), QStringList{kExternalOrderMessage});
        QCOMPARE(calc->focusedName(), QStringLiteral("txtextminthickness"));
        QCOMPARE(calc->selection(), QStringLiteral("0.0004"));
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
        QVERIFY(calc->enabled("txtexternalmax") && calc->enabled("txtexternalmin"));
    }

    void plating_too_great_sends_the_user_back_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("preplateMax");
        QTest::addColumn<QString>("preplateMin");
        QTest::newRow("minimum above maximum") << QStringList{"0.4485", "0.4435", "0.0015", "0.0002"} << "0.4425"
                                               << "0.4427";
        QTest::newRow("equal suggestions") << QStringList{"0.4485", "0.4445", "0.0012", "0.0002"} << "0.4437"
                                           << "0.4437";
    }
    void plating_too_great_sends_the_user_back()
    {
        QFETCH(QStringList, entries);
        calc->typeAndTab(entries);
        // Expected: suggestions shown, the message, the focus in the maximum
        // thickness with its text selected, the external signal standing.
        QCOMPARE(calc->messages(), QStringList{kPlateTooGreat});
        QTEST(calc->text("lblextmaxsug"), "preplateMax");
        QTEST(calc->text("lblextminsug"), "preplateMin");
        QCOMPARE(calc->focusedName(), QStringLiteral("txtextmaxthickness"));
        QCOMPARE(calc->selection(), calc->text("txtextmaxthickness"));
        QCOMPARE(calc->instruction(), QStringLiteral("Re-Enter external plate thicknesses."));
        QVERIFY(!calc->enabled("txtexternalmax") && !calc->enabled("txtexternalmin"));
    }

    void locked_side_recomputes_from_its_disabled_fields()
    {
        // State: computed and locked.
        calc->typeAndTab({"0.4485", "0.4435", "0.0005", "0.0002"});
        // Action: a new maximum thickness, then leave the minimum thickness again.
        calc->click(calc->form().txtextmaxthickness);
        calc->typeAndTab({"0.0004", "0.0002"});
        // Expected: recomputed from the locked PD fields.
        QCOMPARE(calc->text("lblextmaxsug"), QStringLiteral("0.4469"));
        QCOMPARE(calc->text("lblextminsug"), QStringLiteral("0.4427"));
        QVERIFY(calc->messages().isEmpty());
    }

    void clicks_into_a_locked_side_reach_only_the_thicknesses()
    {
        calc->typeAndTab({"0.4485", "0.4435", "0.0005", "0.0002"});
        calc->click(calc->form().txtexternalmax);
        QCOMPARE(calc->focusedName(), QStringLiteral("txtinternalmin"));
        calc->click(calc->form().txtextminthickness);
        QCOMPARE(calc->focusedName(), QStringLiteral("txtextminthickness"));
        // Shift+Tab from the first thickness wraps past the disabled fields.
        calc->shiftTab();
        calc->shiftTab();
        QCOMPARE(calc->focusedName(), QStringLiteral("optinch"));
    }

    void only_one_pd_gives_its_own_suggestion()
    {
        // State: the maximum PD only.
        calc->typeAndTab({"0.4485", ""});
        // Action: thicknesses in order; Enter-free, the last one left by a click on the logo
        // would not validate, so it is left by Shift+Tab.
        calc->type("0.0005");
        calc->tab();
        calc->type("0.0002");
        calc->shiftTab();
        // Expected: the maximum's suggestion alone; no band check; locked all the same.
        QCOMPARE(calc->text("lblextmaxsug"), QStringLiteral("0.4465"));
        QCOMPARE(calc->text("lblextminsug"), QString());
        QVERIFY(calc->messages().isEmpty());
        QVERIFY(!calc->enabled("txtexternalmin"));
    }

    void unvalidated_text_in_another_field_is_reported_there()
    {
        // State: abc left in the maximum PD by a click on the logo (which moves no focus)
        // and Enter (which validates nothing).
        calc->type("abc");
        calc->click(calc->form().Image1);
        calc->enter();
        calc->answerer().clear();
        // The field still holds abc; go on in the thickness fields through a click.
        QCOMPARE(calc->text("txtexternalmax"), QStringLiteral("abc"));
        calc->form().txtextmaxthickness->setText(QStringLiteral("0.0005"));
        calc->form().focus().placeFocus(calc->form().txtextminthickness);
        // Action: leave the last field.
        calc->type("0.0002");
        calc->tab();
        // Expected: the PD field's own message, the focus there with its text selected, nothing computed.
        QCOMPARE(calc->messages(), QStringList{"Enter Numeric Value."});
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmax"));
        QCOMPARE(calc->selection(), QStringLiteral("abc"));
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
        QVERIFY(calc->enabled("txtexternalmax"));
    }
};

ORVANTA_GUI_TEST_MAIN(ExternalEntryTest)
#include "tst_externalentry.moc"
