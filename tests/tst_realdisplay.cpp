// The forms layer on a real X display, with input through the X server
// (xdotool moves the real pointer): the paths where the offscreen platform
// behaves differently. Run under xvfb-run with QT_QPA_PLATFORM=xcb.
#include "CalculatorDriver.h"
#include "ExpectedTexts.h"
#include "GuiTestMain.h"

#include <QProcess>

namespace {

// A click of the real pointer on the middle of `widget`.
bool clickThroughXServer(const QWidget* widget)
{
    const QPoint at = widget->mapToGlobal(widget->rect().center());
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
                              QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")}) == 0;
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
};

ORVANTA_GUI_TEST_MAIN(RealDisplayTest)
#include "tst_realdisplay.moc"
