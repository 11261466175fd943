// Esc and Cancel, and the re-entry signals the two sides pass through the
// instruction line.
#include "CalculatorDriver.h"
#include "ExpectedTexts.h"
#include "GuiTestMain.h"

#include <memory>

class ClearingTest : public QObject {
    Q_OBJECT
    std::unique_ptr<CalculatorDriver> calc;

    void expectFresh()
    {
        for (const QString& name : kEntryFields) {
            QVERIFY2(calc->text(name).isEmpty() && calc->enabled(name), qPrintable(name));
        }
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
    }

    // Internal plating too great, left by Tab to the unit option.
    void raiseInternalSignal()
    {
        calc->click(calc->form().txtinternalmin);
        calc->typeAndTab({"0.4500", "0.4510", "0.0001", "0.0005"});
        QCOMPARE(calc->instruction(), kReenterInternal);
        QCOMPARE(calc->focusedName(), QStringLiteral("optinch"));
        calc->answerer().clear();
    }

private slots:
    void init() { calc = std::make_unique<CalculatorDriver>(); }
    void cleanup() { calc.reset(); }

    void esc_ends_the_program_when_no_pd_was_entered_data()
    {
        QTest::addColumn<QStringList>("thicknesses"); // internal min, max
        QTest::newRow("fresh window") << QStringList{};
        QTest::newRow("thicknesses do not count") << QStringList{"0.0002", "0.0005"};
    }
    void esc_ends_the_program_when_no_pd_was_entered()
    {
        QFETCH(QStringList, thicknesses);
        calc->form().txtintminthickness->setText(thicknesses.value(0));
        calc->form().txtintmaxthickness->setText(thicknesses.value(1));
        calc->esc();
        QVERIFY(calc->programEnded());
        QVERIFY(calc->messages().isEmpty());
    }

    void esc_clears_a_window_with_one_pd()
    {
        // State: only the internal maximum, with the focus in it.
        calc->click(calc->form().txtinternalmax);
        calc->type("0.4565");
        // Action: Esc.
        calc->esc();
        // Expected: cleared, the focus in the first field with its prompt, the program running.
        QVERIFY(!calc->programEnded());
        expectFresh();
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmax"));
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Maximum After Plate Pitch Diameter and press <TAB>."));
        QVERIFY(calc->messages().isEmpty());
    }

    void esc_twice_clears_then_ends()
    {
        calc->type("0.4485");
        calc->esc();
        QVERIFY(!calc->programEnded());
        calc->esc();
        QVERIFY(calc->programEnded());
    }

    void esc_after_both_sides_keeps_the_unit()
    {
        // State: Metric, both sides computed and locked.
        calc->clickName("optmetric");
        calc->click(calc->form().txtexternalmax);
        calc->typeAndTab({"11.884", "11.826", "0.008", "0.008", "10.863", "11.063", "0.005", "0.010"});
        QCOMPARE(calc->suggestions(), QStringList({"11.8360", "11.7940", "10.9030", "11.0830"}));
        // Action: Esc.
        calc->esc();
        // Expected: everything empty and open, Metric still chosen.
        expectFresh();
        QVERIFY(calc->form().optmetric->isChecked());
    }

    void esc_in_the_first_field_moves_nothing()
    {
        // State: the focus already in txtexternalmax, something typed there.
        calc->type("0.4485");
        // Action: Esc.
        calc->esc();
        // Expected: no focus handler ran, so the start-up caption stands.
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmax"));
        QCOMPARE(calc->instruction(), kStartup);
        expectFresh();
    }

    void cancel_button_click_validates_the_field_it_leaves()
    {
        // State: abc typed in a PD field.
        calc->type("abc");
        // Action: click Cancel.
        calc->click(calc->form().cmdcancel);
        // Expected: refused; nothing cleared.
        QCOMPARE(calc->messages(), QStringList{"Enter Numeric Value."});
        QCOMPARE(calc->text("txtexternalmax"), QStringLiteral("abc"));
        // Esc does not validate: it clears.
        calc->esc();
        expectFresh();
    }

    void full_cycle_enter_calculate_clear_enter_again()
    {
        calc->typeAndTab({"0.4485", "0.4435", "0.0005"});
        calc->type("0.0002");
        calc->enter();
        QCOMPARE(calc->suggestions(), QStringList({"0.4465", "0.4427", "", ""}));
        calc->esc();
        expectFresh();
        calc->typeAndTab({"0.4485", "0.4435", "0.0003", "0.0003"});
        QCOMPARE(calc->suggestions(), QStringList({"0.4467", "0.4423", "", ""}));
        QVERIFY(calc->messages().isEmpty());
    }

    void internal_signal_is_forwarded_by_the_first_external_field()
    {
        // State: internal plating too great, external side open.
        raiseInternalSignal();
        // Action: Tab from the unit option.
        calc->tab();
        // Expected: txtexternalmax forwarded the focus to the internal minimum thickness.
        QCOMPARE(calc->focusedName(), QStringLiteral("txtintminthickness"));
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Minimum Plating or Coating Thickness and press <TAB>."));
        QCOMPARE(calc->selection(), QStringLiteral("0.0001"));
        QVERIFY(calc->messages().isEmpty());
    }

    void internal_signal_is_forwarded_past_a_locked_external_side()
    {
        // State: external side computed and locked, then the internal signal.
        calc->typeAndTab({"0.4485", "0.4435", "0.0005"});
        calc->type("0.0002");
        calc->enter();
        raiseInternalSignal();
        // Action: Tab skips the disabled PD fields and reaches the maximum thickness.
        calc->tab();
        // Expected: forwarded the same way.
        QCOMPARE(calc->focusedName(), QStringLiteral("txtintminthickness"));
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Minimum Plating or Coating Thickness and press <TAB>."));
    }

    void clicking_into_an_external_field_forwards_the_internal_signal()
    {
        raiseInternalSignal();
        calc->click(calc->form().txtextmaxthickness);
        QCOMPARE(calc->focusedName(), QStringLiteral("txtintminthickness"));
    }

    void external_signal_is_forwarded_by_the_first_internal_field_data()
    {
        QTest::addColumn<bool>("internalLocked");
        QTest::newRow("internal side open") << false;
        QTest::newRow("internal side locked") << true;
    }
    void external_signal_is_forwarded_by_the_first_internal_field()
    {
        QFETCH(bool, internalLocked);
        if (internalLocked) {
            calc->click(calc->form().txtinternalmin);
            calc->typeAndTab({"0.4500", "0.4565", "0.0002"});
            calc->type("0.0005");
            calc->enter();
        }
        // State: external plating too great; the focus sent to its maximum thickness.
        calc->click(calc->form().txtexternalmax);
        calc->typeAndTab({"0.4485", "0.4435", "0.0015", "0.0002"});
        QCOMPARE(calc->focusedName(), QStringLiteral("txtextmaxthickness"));
        QCOMPARE(calc->instruction(), kReenterExternal);
        calc->answerer().clear();
        // Action: the user clicks into the internal side's first open field.
        calc->click(internalLocked ? calc->form().txtintminthickness : calc->form().txtinternalmin);
        // Expected: sent back to the external maximum thickness, whose prompt ends the signal.
        QCOMPARE(calc->focusedName(), QStringLiteral("txtextmaxthickness"));
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Maximum Plating or Coating Thickness and press <TAB>."));
        QCOMPARE(calc->selection(), QStringLiteral("0.0015"));
    }

    void corrected_thickness_clears_the_signal_and_recomputes()
    {
        calc->typeAndTab({"0.4485", "0.4435", "0.0015", "0.0002"});
        QCOMPARE(calc->instruction(), kReenterExternal);
        calc->answerer().clear();
        calc->typeAndTab({"0.0005", "0.0002"});
        QVERIFY(calc->messages().isEmpty());
        QCOMPARE(calc->suggestions(), QStringList({"0.4465", "0.4427", "", ""}));
    }

    // The Sheet command listens for shown and cleared suggestions; a second
    // listener must not silence it, nor it the second.
    void every_suggestions_listener_is_told()
    {
        orvanta::FrmPitch form;
        orvanta::PitchContext context(form);
        int first = 0;
        int second = 0;
        context.addSuggestionsListener([&] { ++first; });
        context.addSuggestionsListener([&] { ++second; });
        context.suggestionsChanged();
        QCOMPARE(first, 1);
        QCOMPARE(second, 1);
    }

    void esc_clears_a_standing_signal()
    {
        raiseInternalSignal();
        calc->esc();
        expectFresh();
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Maximum After Plate Pitch Diameter and press <TAB>."));
    }
};

ORVANTA_GUI_TEST_MAIN(ClearingTest)
#include "tst_clearing.moc"
