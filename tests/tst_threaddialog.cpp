// The standard thread dialog driven as a user drives it: Alt+T, typing,
// choosing the plating rule, Fill or Esc, on the real calculator window.
#include "CalculatorDriver.h"
#include "FrmThread.h"
#include "GuiTestMain.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <memory>

namespace {

// What the user does in the dialog, and what it showed before closing.
struct DialogVisit {
    QString designation;
    bool allowance = false;
    Qt::Key closeWith = Qt::Key_Return;
    // lblextmax, lblextmin, lblintmin, lblintmax, the major diameters in the
    // same order, then the minor diameters, lblmessage
    QStringList shown{};
    bool fillEnabled = false;
    bool focusInDesignation = false;
};

} // namespace

class ThreadDialogTest : public QObject {
    Q_OBJECT
    std::unique_ptr<CalculatorDriver> calc;

    // Opens the dialog with Alt+T and runs `act` in it once.
    void inDialog(const std::function<void(orvanta::FrmThread&)>& act)
    {
        bool visited = false;
        calc->answerer().setDialogHandler([&](QWidget* modal) {
            auto* dialog = qobject_cast<orvanta::FrmThread*>(modal);
            if (dialog != nullptr && !visited) {
                visited = true;
                act(*dialog);
            }
        });
        QTest::keyClick(calc->form().windowHandle(), Qt::Key_T, Qt::AltModifier);
        QTRY_VERIFY(visited);
        calc->answerer().setDialogHandler({});
    }

    // Opens the dialog with Alt+T and runs `visit` in it.
    void useDialog(DialogVisit& visit)
    {
        inDialog([&](orvanta::FrmThread& thread) {
            orvanta::FrmThread* dialog = &thread;
            visit.focusInDesignation = dialog->focusWidget() == dialog->txtdesignation;
            QTest::keyClicks(dialog->txtdesignation, visit.designation);
            if (visit.allowance) {
                QTest::mouseClick(dialog->optallowance, Qt::LeftButton, {},
                                  QPoint(5, dialog->optallowance->height() / 2));
            }
            for (QLabel* label :
                 {dialog->lblextmax, dialog->lblextmin, dialog->lblintmin, dialog->lblintmax, dialog->lblextmajormax,
                  dialog->lblextmajormin, dialog->lblintmajormin, dialog->lblintmajormax, dialog->lblextminormax,
                  dialog->lblextminormin, dialog->lblintminormin, dialog->lblintminormax, dialog->lblmessage}) {
                visit.shown << label->text();
            }
            visit.fillEnabled = dialog->cmdfill->isEnabled();
            QTest::keyClick(dialog->txtdesignation, visit.closeWith);
            if (dialog->isVisible()) {
                QTest::keyClick(dialog, Qt::Key_Escape);
            }
        });
    }

    [[nodiscard]] QStringList pitchFields() const
    {
        return {calc->text("txtexternalmax"), calc->text("txtexternalmin"), calc->text("txtinternalmin"),
                calc->text("txtinternalmax")};
    }

private slots:
    void init() { calc = std::make_unique<CalculatorDriver>(); }
    void cleanup() { calc.reset(); }

    void fill_writes_the_designated_sides_data()
    {
        QTest::addColumn<QString>("designation");
        QTest::addColumn<bool>("allowance");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("fields"); // external max, min, internal min, max
        QTest::addColumn<bool>("metric");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("named");
        QTest::newRow("inch fit") << "1/2-13 UNC-2A/2B" << false
                                  << QStringList{"0.4485 in", "0.4435 in", "0.4500 in", "0.4565 in", "0.4985 in",
                                                 "0.4876 in", "0.5000 in", "not set",   "0.4069 in", "not set",
                                                 "0.4170 in", "0.4340 in", ""}
                                  << QStringList{"0.4485", "0.4435", "0.4500", "0.4565"} << false
                                  << "txtextmaxthickness"
                                  << "1/2-13 UNC-2A/2B, class limits after plating";
        QTest::newRow("metric fit, allowance")
            << "M10x1.5-6H/6g" << true
            << QStringList{"9.0260 mm", "8.8620 mm", "9.0260 mm", "9.2060 mm", "10.0000 mm", "9.7320 mm", "10.0000 mm",
                           "not set",   "8.3760 mm", "not set",   "8.3760 mm", "8.6760 mm",  ""}
            << QStringList{"9.0260", "8.8620", "9.0260", "9.2060"} << true << "txtextmaxthickness"
            << "M10x1.5-6H/6g, plating may use the allowance";
        QTest::newRow("internal only") << "M10x1.5-6G" << false
                                       << QStringList{"", "", "9.0580 mm", "9.2380 mm", "", "", "10.0320 mm", "not set",
                                                      "", "", "8.4080 mm", "8.7080 mm", ""}
                                       << QStringList{"", "", "9.0580", "9.2380"} << true << "txtintminthickness"
                                       << "M10x1.5-6G, class limits after plating";
    }
    void fill_writes_the_designated_sides()
    {
        QFETCH(QString, designation);
        QFETCH(bool, allowance);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, fields);
        QFETCH(bool, metric);
        QFETCH(QString, focus);
        QFETCH(QString, named);
        DialogVisit visit{.designation = designation, .allowance = allowance};
        useDialog(visit);
        QVERIFY(visit.focusInDesignation);
        QCOMPARE(visit.shown, shown);
        QCOMPARE(pitchFields(), fields);
        QCOMPARE(calc->form().optmetric->isChecked(), metric);
        QCOMPARE(calc->focusedName(), focus);
        QVERIFY(calc->instruction().startsWith("Enter M")); // the thickness field's own prompt
        QCOMPARE(calc->form().lblthread->text(), named);
        // From here the calculator runs as always.
        const bool external = focus == QLatin1String("txtextmaxthickness"); // maximum first
        calc->typeAndTab({external ? "0.0005" : "0.0002"});
        calc->type(external ? "0.0002" : "0.0005");
        calc->enter();
        QVERIFY(calc->suggestions() != QStringList({"", "", "", ""}));
    }

    void fill_on_a_locked_window_clears_it_first()
    {
        calc->typeAndTab({"1.0000", "0.9000", "0.0005", "0.0002"});
        QVERIFY(!calc->enabled("txtexternalmax"));
        DialogVisit visit{.designation = "M10x1.5-6g"};
        useDialog(visit);
        QCOMPARE(pitchFields(), QStringList({"8.9940", "8.8620", "", ""}));
        QVERIFY(calc->enabled("txtexternalmax") && calc->enabled("txtexternalmin"));
        QCOMPARE(calc->text("txtextmaxthickness"), QString());
        QCOMPARE(calc->suggestions(), QStringList({"", "", "", ""}));
    }

    void an_invalid_designation_leaves_the_calculator_untouched()
    {
        calc->typeAndTab({"0.4485"});
        calc->type("0.44");
        DialogVisit visit{.designation = "1/2-13 UNC-4A"};
        useDialog(visit);
        QVERIFY(!visit.fillEnabled);
        QCOMPARE(visit.shown.last(), QStringLiteral("class 4A does not exist for UN threads: use 1A, 2A or 3A"));
        // Leaving the field for the button validated it; closing gives its focus back.
        QCOMPARE(pitchFields(), QStringList({"0.4485", "0.4400", "", ""}));
        QCOMPARE(calc->focusedName(), QStringLiteral("txtexternalmin"));
        QCOMPARE(calc->form().lblthread->text(), QString());
        QVERIFY(calc->messages().isEmpty());
    }

    void esc_returns_the_focus_so_enter_still_calculates()
    {
        calc->typeAndTab({"0.4485", "0.4435", "0.0005"});
        calc->type("0.0002");
        DialogVisit visit{.designation = "1/2-13 UNC-2A", .closeWith = Qt::Key_Escape};
        useDialog(visit);
        QCOMPARE(calc->focusedName(), QStringLiteral("txtextminthickness"));
        QCOMPARE(calc->instruction(), QStringLiteral("Enter Minimum Plating or Coating Thickness and Press <ENTER> to "
                                                     "calculate Suggested Pre-Plate Pitch Diameter."));
        calc->enter();
        QCOMPARE(calc->suggestions(), QStringList({"0.4465", "0.4427", "", ""}));
    }

    // A coating chosen from the catalogue: Fill writes its growth into the
    // thicknesses, so Enter gives the pre-plate limits. Hard anodize of
    // .002 +/- .0002 in on 7/16-20 UNF-3B, half of the film outward: the
    // shops' worked example machines the P.D. to .4094/.4127.
    void a_coating_fills_its_growth_and_says_whether_it_fits()
    {
        QString fit;
        QString growth;
        inDialog([&](orvanta::FrmThread& dialog) {
            QTest::keyClicks(dialog.txtdesignation, QStringLiteral("7/16-20 UNF-3B"));
            QTest::keyClicks(dialog.cbocoating->lineEdit(), QStringLiteral("MIL-A-8625 Type III"));
            QTest::keyClicks(dialog.txtcoatingmin, QStringLiteral("0.0018"));
            QTest::keyClicks(dialog.txtcoatingmax, QStringLiteral("0.0022"));
            fit = dialog.lblintfit->text();
            growth = dialog.lblgrowth->text();
            if (dialog.cmdfill->isEnabled()) {
                QTest::mouseClick(dialog.cmdfill, Qt::LeftButton);
            } else {
                dialog.reject();
            }
        });
        QCOMPARE(growth, QStringLiteral("thickness 0.0018 to 0.0022 in, growth 0.0009 to 0.0011 in"));
        QCOMPARE(fit, QStringLiteral("class 3B is an internal class with no allowance: machine to the pre-plate "
                                     "limits"));
        QCOMPARE(calc->text("txtintminthickness"), QStringLiteral("0.0009"));
        QCOMPARE(calc->text("txtintmaxthickness"), QStringLiteral("0.0011"));
        calc->enter();
        QCOMPARE(calc->suggestions(), QStringList({"", "", "0.4094", "0.4127"}));
    }

    // Hot-dip galvanizing: Fill carries the limits the nut is tapped to
    // after galvanizing (ASTM A563: 0.020 in. over 2B at 3/4-10), and no growth.
    void hot_dip_galvanizing_fills_the_overtapped_limits()
    {
        QString notes;
        inDialog([&](orvanta::FrmThread& dialog) {
            QTest::keyClicks(dialog.txtdesignation, QStringLiteral("3/4-10 UNC-2B"));
            QTest::keyClicks(dialog.cbocoating->lineEdit(), QStringLiteral("HDG"));
            notes = dialog.lblgrowth->text();
            if (dialog.cmdfill->isEnabled()) {
                QTest::mouseClick(dialog.cmdfill, Qt::LeftButton);
            } else {
                dialog.reject();
            }
        });
        QVERIFY2(notes.contains(QStringLiteral("tapped after galvanizing")), qPrintable(notes));
        QCOMPARE(pitchFields(), QStringList({"", "", "0.7050", "0.7127"}));
        QCOMPARE(calc->text("txtintminthickness"), QString());
    }

    // A standard that gives a minimum only leaves Fill off until the
    // maximum is typed, and still says when even that minimum is too much.
    void a_coating_without_its_maximum_cannot_fill()
    {
        bool fillEnabled = true;
        QString growth;
        QString fit;
        inDialog([&](orvanta::FrmThread& dialog) {
            QTest::keyClicks(dialog.txtdesignation, QStringLiteral("#8-32 UNC-2A"));
            QTest::keyClicks(dialog.cbocoating->lineEdit(), QStringLiteral("ASTM B633 SC2"));
            fillEnabled = dialog.cmdfill->isEnabled();
            growth = dialog.lblgrowth->text();
            fit = dialog.lblextfit->text();
            dialog.reject();
        });
        QVERIFY(!fillEnabled);
        QVERIFY2(growth.endsWith(QStringLiteral("only: give the maximum")), qPrintable(growth));
        QVERIFY2(fit.startsWith(QStringLiteral("does not fit: the least growth")), qPrintable(fit));
        QCOMPARE(pitchFields(), QStringList({"", "", "", ""}));
    }

    // Esc with the list open closes only the list; a click on Fill with the
    // list open again fills at once.
    void the_completion_list_gives_way()
    {
        inDialog([](orvanta::FrmThread& thread) {
            orvanta::FrmThread* dialog = &thread;
            QWidget* list = dialog->txtdesignation->completer()->popup();
            QTest::keyClicks(dialog->txtdesignation, QStringLiteral("M6"));
            QTRY_VERIFY(list->isVisible());
            QTest::keyClick(list, Qt::Key_Escape);
            QVERIFY(!list->isVisible() && dialog->isVisible());
            QTest::keyClick(dialog->txtdesignation, Qt::Key_Backspace);
            QTest::keyClicks(dialog->txtdesignation, QStringLiteral("6"));
            QTRY_VERIFY(list->isVisible());
            QTest::mouseClick(dialog->cmdfill, Qt::LeftButton);
            if (dialog->isVisible()) {
                dialog->reject();
            }
        });
        QCOMPARE(pitchFields(), QStringList({"5.3240", "5.2120", "5.3500", "5.5000"}));
    }

    void editing_a_filled_limit_is_named_until_cleared()
    {
        DialogVisit visit{.designation = "1/2-13 UNC-2A"};
        useDialog(visit);
        calc->click(calc->form().txtexternalmin);
        calc->type("0.4440");
        QCOMPARE(calc->form().lblthread->text(), QStringLiteral("1/2-13 UNC-2A, class limits after plating, edited"));
        calc->esc();
        QCOMPARE(calc->form().lblthread->text(), QString());
    }
};

ORVANTA_GUI_TEST_MAIN(ThreadDialogTest)
#include "tst_threaddialog.moc"
