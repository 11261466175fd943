// The forms layer on a real X display, with input through the X server
// (xdotool moves the real pointer): the paths where the offscreen platform
// behaves differently. Run under xvfb-run with QT_QPA_PLATFORM=xcb.
#include "CalculatorDriver.h"
#include "ExpectedTexts.h"
#include "FrmThread.h"
#include "GuiTestMain.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>

namespace {

// A click of the real pointer on the middle of `widget`.
bool clickThroughXServer(const QWidget* widget)
{
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                              QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")}) == 0;
}

bool typeThroughXServer(const QString& text)
{
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text}) == 0;
}

} // namespace

class RealDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs an X display: run under xvfb-run with QT_QPA_PLATFORM=xcb");
        }
    }

    // The press that leaves the field raises its validation's box; Qt's own
    // record of that press is stale once the box has closed.
    void a_box_raised_by_a_mouse_press_lets_the_click_through()
    {
        CalculatorDriver calc;
        calc.click(calc.form().txtinternalmin);
        calc.typeAndTab({"0.4500", "0.4510", "0.0002"});
        calc.type("0.0010");
        QVERIFY(clickThroughXServer(calc.form().cmdok));
        // The field's own check, then Calculate, which finds the same.
        QTRY_COMPARE(calc.messages(), QStringList({kPlateTooGreat, kPlateTooGreat}));
        QCOMPARE(calc.suggestions(), QStringList({"", "", "0.4540", "0.4518"}));
    }

    void a_refused_field_keeps_the_focus_from_a_real_click()
    {
        CalculatorDriver calc;
        calc.type("abc");
        QVERIFY(clickThroughXServer(calc.form().txtexternalmin));
        QTRY_COMPARE(calc.messages(), QStringList({"Enter Numeric Value."}));
        QTest::qWait(100); // the release, which must not reach the other field
        QCOMPARE(calc.focusedName(), QStringLiteral("txtexternalmax"));
        QCOMPARE(calc.selection(), QStringLiteral("abc"));
    }

    // Typing opens the completion list; the first click on Fill must fill,
    // and the live limits must stay in sight while the list is open.
    void one_click_on_fill_fills_while_the_completion_list_is_open()
    {
        CalculatorDriver calc;
        bool filledByClick = false;
        calc.answerer().setDialogHandler([&](QWidget* modal) {
            auto* dialog = qobject_cast<orvanta::FrmThread*>(modal);
            if (dialog == nullptr || filledByClick) {
                return;
            }
            filledByClick = true;
            const auto closeOnFailure = qScopeGuard([dialog] {
                if (dialog->isVisible()) {
                    dialog->reject();
                }
            });
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            // Without a window manager nobody gives the new window the keyboard.
            QVERIFY(
                QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                                              QString::number(dialog->winId())}) == 0);
            QVERIFY(typeThroughXServer(QStringLiteral("M6")));
            QAbstractItemView* list = dialog->txtdesignation->completer()->popup();
            QTRY_VERIFY(list->isVisible());
            QTRY_COMPARE(dialog->lblextmax->text(), QStringLiteral("5.3240 mm"));
            const QRect listArea = list->geometry();
            for (const QWidget* limit : {dialog->lblextmax, dialog->lblextmin, dialog->lblintmin, dialog->lblintmax}) {
                QVERIFY(!listArea.intersects(QRect(limit->mapToGlobal(QPoint(0, 0)), limit->size())));
            }
            QVERIFY(clickThroughXServer(dialog->cmdfill));
            QTRY_VERIFY(!dialog->isVisible());
        });
        calc.clickName(QStringLiteral("cmdthread"));
        QTRY_VERIFY(filledByClick);
        QTRY_COMPARE(calc.text(QStringLiteral("txtexternalmax")), QStringLiteral("5.3240"));
        QCOMPARE(calc.text(QStringLiteral("txtexternalmin")), QStringLiteral("5.2120"));
    }
};

ORVANTA_GUI_TEST_MAIN(RealDisplayTest)
#include "tst_realdisplay.moc"
