// The rule every entry field opens its validation with: empty passes, text
// that is not a number is refused with the field's message, a number is
// written back in the display pattern.
#include "CalculatorDriver.h"
#include "GuiTestMain.h"

#include <memory>

class EntryRuleTest : public QObject {
    Q_OBJECT
    std::unique_ptr<CalculatorDriver> calc;

    // Puts the focus into `name` by clicking it (fields before it stay empty,
    // so nothing is computed on the way).
    void focusField(const QString& name)
    {
        calc->clickName(name);
        QCOMPARE(calc->focusedName(), name);
    }

private slots:
    void init() { calc = std::make_unique<CalculatorDriver>(); }
    void cleanup() { calc.reset(); }

    void refuses_text_that_is_not_a_number_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        for (const QString& field : kEntryFields) {
            const QString message = field == "txtexternalmin" ? "Enter Numberic Value." : "Enter Numeric Value.";
            QTest::newRow(qPrintable(field + " abc")) << field << "abc" << message;
        }
        QTest::newRow("blanks are not empty") << "txtexternalmax"
                                              << "   "
                                              << "Enter Numeric Value.";
        QTest::newRow("group separator") << "txtinternalmax"
                                         << "1,234"
                                         << "Enter Numeric Value.";
        QTest::newRow("two points") << "txtextmaxthickness"
                                    << "0.0.1"
                                    << "Enter Numeric Value.";
        QTest::newRow("beyond the double range") << "txtintmaxthickness"
                                                 << "1e999"
                                                 << "Enter Numeric Value.";
    }
    void refuses_text_that_is_not_a_number()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        // State: the focus in the field, the text typed.
        focusField(field);
        calc->type(typed);
        const QString instruction = calc->instruction();
        // Action: Tab.
        calc->tab();
        // Expected: the field's message alone; focus kept, the text as typed and all selected.
        QCOMPARE(calc->messages(), QStringList{message});
        QCOMPARE(calc->focusedName(), field);
        QCOMPARE(calc->text(field), typed);
        QCOMPARE(calc->selection(), typed);
        QCOMPARE(calc->instruction(), instruction);
        QCOMPARE(calc->answerer().shown().front().title, QStringLiteral("Orvanta"));
        QCOMPARE(calc->answerer().shown().front().icon, QMessageBox::NoIcon);
    }

    void refused_text_can_be_replaced_by_typing()
    {
        // State: abc refused in txtexternalmax.
        calc->type("abc");
        calc->tab();
        // Action: type over the selection and Tab.
        calc->type(".5");
        calc->tab();
        // Expected: accepted and written back; the focus moved on.
        QCOMPARE(calc->text("txtexternalmax"), QStringLiteral("0.5000"));
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmin"));
    }

    void writes_numbers_back_with_four_decimals_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("written");
        for (const char* field : {"txtexternalmax", "txtextmaxthickness", "txtinternalmin", "txtintminthickness"}) {
            QTest::addRow("%s 0.25", field) << QString::fromLatin1(field) << "0.25" << false << "0.2500";
        }
        QTest::newRow("leading point") << "txtexternalmax"
                                       << ".5" << false << "0.5000";
        QTest::newRow("rounded") << "txtexternalmax"
                                 << "1.23456" << false << "1.2346";
        QTest::newRow("negative") << "txtinternalmin"
                                  << "-2" << false << "-2.0000";
        QTest::newRow("integer") << "txtextmaxthickness"
                                 << "12" << false << "12.0000";
        QTest::newRow("exponent") << "txtintminthickness"
                                  << "5e-4" << false << "0.0005";
        QTest::newRow("blanks around") << "txtexternalmax"
                                       << " 0.4485 " << false << "0.4485";
        QTest::newRow("metric thickness") << "txtextmaxthickness"
                                          << "0.0125" << true << "0.0125";
        QTest::newRow("metric pitch") << "txtinternalmin"
                                      << "11.884" << true << "11.8840";
    }
    void writes_numbers_back_with_four_decimals()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, metric);
        if (metric) {
            calc->clickName("optmetric");
        }
        focusField(field);
        calc->type(typed);
        calc->tab();
        QVERIFY(calc->messages().isEmpty());
        QTEST(calc->text(field), "written");
        // Leaving it again leaves it as it is.
        calc->shiftTab();
        calc->tab();
        QTEST(calc->text(field), "written");
    }

    void empty_field_passes_untouched()
    {
        // Action: Tab through all eight empty fields and around.
        for (int i = 0; i < 9; ++i) {
            calc->tab();
        }
        // Expected: no message, nothing written, nothing locked.
        QVERIFY(calc->messages().isEmpty());
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmax"));
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
        for (const QString& field : kEntryFields) {
            QVERIFY(calc->text(field).isEmpty() && calc->enabled(field));
        }
    }

    // Fixed fault: under Metric the external minimum thickness used to be
    // written with three decimals, so 0.0006 became 0.001 and was refused.
    void metric_minimum_thickness_keeps_four_decimals()
    {
        calc->clickName("optmetric");
        calc->click(calc->form().txtextmaxthickness);
        calc->typeAndTab({"0.0006", "0.0006"});
        QCOMPARE(calc->text("txtextminthickness"), QStringLiteral("0.0006"));
        QVERIFY(calc->messages().isEmpty());
    }

    void entries_that_differ_beyond_four_decimals_become_equal()
    {
        // 0.44851 and 0.44849 are both written 0.4485, and then compared as equal.
        calc->typeAndTab({"0.44851", "0.44849"});
        QCOMPARE(calc->text("txtexternalmax"), QStringLiteral("0.4485"));
        QCOMPARE(calc->text("txtexternalmin"), QStringLiteral("0.4485"));
        QCOMPARE(calc->messages(), QStringList{"Minimum entry must be less than Maximum entry"});
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmin"));
    }
};

ORVANTA_GUI_TEST_MAIN(EntryRuleTest)
#include "tst_entryrule.moc"
