// Seeded random use of the real program: keys, clicks and answers to every
// box, with the invariants of the calculator window checked after each action.
//
//   ORVANTA_SOAK_SEQUENCES=N  how many sequences of 60 actions (default 2000)
//   ORVANTA_SOAK_SEED=S       replay the one sequence with seed S
#include "Application.h"
#include "FrmAgreement.h"
#include "FrmPitch.h"
#include "NumberText.h"
#include "PlatingArithmetic.h"
#include "forms/FocusController.h"

#include "Driving.h"
#include "GuiTestMain.h"
#include "ModalAnswerer.h"

#include <QLineEdit>
#include <QLoggingCategory>
#include <QPrinter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>

using namespace orvanta;

namespace {

constexpr int kActionsPerSequence = 60;

const QStringList kCaptions = {
    "Enter Nominal Thread Size and Class and press <TAB>.",
    "Enter Maximum After Plate Pitch Diameter and press <TAB>.",
    "Enter Minimum After Plate Pitch Diameter and press <TAB>.",
    "Enter Maximum Plating or Coating Thickness and press <TAB>.",
    "Enter Minimum Plating or Coating Thickness and press <TAB>.",
    "Enter Minimum Plating or Coating Thickness and Press <ENTER> to calculate Suggested Pre-Plate Pitch Diameter.",
    "Enter Maximum Plating or Coating Thickness and Press <ENTER> to calculate Suggested Pre-Plate Pitch Diameter.",
    "The Suggested Pre-Plate Pitch Diameter is Shown Below.  Press <ESC> to Clear form and begin again.",
    "Re-Enter external plate thicknesses.",
    "Re-Enter internal plate thicknesses.",
};

const QStringList kMessages = {
    "Enter Numeric Value.",
    "Enter Numberic Value.",
    "Minimum entry must be less than Maximum entry",
    "Maximum entry must be greater than Minimum entry",
    "Plate thickness is too great.",
    "Value too large to calculate.",
    "printer setup canceled",
    "Make sure you are connected to the internet, then press OK.",
    "Unable to connect to the Internet at this time",
};

const QStringList kPitchFields = {"txtexternalmax", "txtexternalmin", "txtinternalmin", "txtinternalmax"};

std::optional<double> numberIn(const QString& text)
{
    return parseNumber(text.toStdString(), ".");
}

struct SideView {
    ThreadSide side;
    QLineEdit* afterPlateMax;
    QLineEdit* afterPlateMin;
    QLineEdit* maxThickness;
    QLineEdit* minThickness;
    QLabel* maxLabel;
    QLabel* minLabel;
};

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

    QTemporaryDir scratch;
    QRandomGenerator random;
    QStringList actions;
    std::unique_ptr<ModalAnswerer> answerer;
    std::unique_ptr<Application> app;
    long actionsRun = 0;
    bool cancelClicked = false; // during the current action
    long messagesAnswered = 0;
    long computationsChecked = 0;

    FrmPitch& form() { return app->calculator(); }

    std::vector<SideView> sides()
    {
        FrmPitch& f = form();
        return {{ThreadSide::External, f.txtexternalmax, f.txtexternalmin, f.txtextmaxthickness, f.txtextminthickness,
                 f.lblextmaxsug, f.lblextminsug},
                {ThreadSide::Internal, f.txtinternalmax, f.txtinternalmin, f.txtintmaxthickness, f.txtintminthickness,
                 f.lblintminsug, f.lblintmaxsug}};
    }

    void startProgram()
    {
        WindowPrinter printer([this](QPrinter& chosen, QWidget&) {
            if (random.bounded(4) != 0) {
                return false; // the dialog cancelled
            }
            chosen.setOutputFormat(QPrinter::PdfFormat);
            chosen.setOutputFileName(scratch.filePath(QStringLiteral("soak.pdf")));
            return true;
        });
        ChartLink chart([this](const QUrl&) -> bool {
            const int outcome = random.bounded(3);
            if (outcome == 0) {
                throw std::runtime_error("no opener");
            }
            return outcome == 1;
        });
        app = std::make_unique<Application>(printer, chart);
        connect(app->calculator().cmdcancel, &QPushButton::clicked, this, [this] { cancelClicked = true; });
        app->start();
        driving::click(app->agreement().cmdagree);
        ensureActive();
    }

    // A user clicks back into the calculator after a box or another window.
    void ensureActive()
    {
        if (form().isActiveWindow()) {
            return;
        }
        form().activateWindow();
        QCoreApplication::processEvents();
        if (!form().isActiveWindow()) {
            QVERIFY(QTest::qWaitForWindowActive(&form()));
        }
    }

    QWidget* randomClickTarget()
    {
        static const QStringList names = {"txtexternalmax",
                                          "txtexternalmin",
                                          "txtextmaxthickness",
                                          "txtextminthickness",
                                          "txtinternalmin",
                                          "txtinternalmax",
                                          "txtintminthickness",
                                          "txtintmaxthickness",
                                          "optinch",
                                          "optmetric",
                                          "cmdok",
                                          "cmdcancel",
                                          "cmdprint",
                                          "cmddownload",
                                          "Image1",
                                          "lblinst",
                                          "lblextmaxsug",
                                          "lblintminsug",
                                          "Label12",
                                          "Label17",
                                          "Frame1"};
        return form().findChild<QWidget*>(names[random.bounded(static_cast<int>(names.size()))]);
    }

    // One random action; its description goes to the action list.
    void act()
    {
        ensureActive();
        const int roll = random.bounded(100);
        if (roll < 35) {
            // A whole value as a user types it, mostly one that suits the field,
            // now and then an absurd one.
            static const QStringList pitches = {"0.4485", "0.4435", "0.4500", "0.4565", "0.4510",
                                                "11.884", "11.826", "10.863", "11.063", "0.44851"};
            static const QStringList thicknesses = {"0.0005", "0.0002", "0.0003", "0.00025", ".0015", "0.008", "0"};
            static const QStringList absurd = {"-2", "1e308", "-1.7e308", "1e-9", "1e300", "  "};
            const QWidget* field = app->calculator().focus().current();
            const int pick = random.bounded(10);
            const QStringList& pool = pick == 0                                                         ? absurd
                                      : (field != nullptr && field->objectName().contains("thickness")) ? thicknesses
                                                                                                        : pitches;
            const QString value = pool[random.bounded(static_cast<int>(pool.size()))];
            actions << "type " + value;
            driving::key(Qt::Key_A, Qt::ControlModifier);
            for (const QChar c : value) {
                if (app->ended()) {
                    break; // a blank typed on the Cancel button clicked it
                }
                ensureActive();
                QTest::keyClick(static_cast<QWindow*>(nullptr), c.toLatin1());
            }
        } else if (roll < 45) {
            static const QString keys = QStringLiteral("0123456789012345678900000.....---ee ax");
            const QChar key = keys[random.bounded(static_cast<int>(keys.size()))];
            actions << QStringLiteral("type '%1'").arg(key);
            QTest::keyClick(static_cast<QWindow*>(nullptr), key.toLatin1());
        } else if (roll < 48) {
            actions << "backspace";
            driving::key(Qt::Key_Backspace);
        } else if (roll < 68) {
            actions << "tab";
            driving::key(Qt::Key_Tab);
        } else if (roll < 72) {
            actions << "shift+tab";
            driving::key(Qt::Key_Backtab);
        } else if (roll < 80) {
            actions << "enter";
            driving::key(Qt::Key_Return);
        } else if (roll < 82) {
            actions << "esc";
            driving::key(Qt::Key_Escape);
        } else if (roll < 84) {
            const bool calculate = random.bounded(2) == 0;
            actions << (calculate ? "alt+c" : "alt+p");
            driving::key(calculate ? Qt::Key_C : Qt::Key_P, Qt::AltModifier);
        } else {
            QWidget* target = randomClickTarget();
            actions << "click " + target->objectName();
            driving::click(target);
        }
        ++actionsRun;
    }

    // Checks every invariant; an empty answer when all hold.
    QString brokenInvariant(const QStringList& labelsBefore, qsizetype messagesBefore, bool pitchWasEntered)
    {
        const QStringList shown = answerer->texts().mid(messagesBefore);
        for (const QString& message : shown) {
            if (!kMessages.contains(message)) {
                return "a message outside the program's own: " + message;
            }
        }
        if (app->ended()) {
            return cancelClicked && !pitchWasEntered ? QString() : "the program ended after " + actions.last();
        }
        FrmPitch& f = form();
        if (!kCaptions.contains(f.lblinst->text())) {
            return "lblinst holds " + f.lblinst->text();
        }
        static const QRegularExpression pattern(QStringLiteral("^-?[0-9]+\\.[0-9]{4}$"));
        for (QLabel* label : {f.lblextmaxsug, f.lblextminsug, f.lblintmaxsug, f.lblintminsug}) {
            if (!label->text().isEmpty() && !pattern.match(label->text()).hasMatch()) {
                return label->objectName() + " shows " + label->text();
            }
        }
        for (auto* field : f.findChildren<QLineEdit*>()) {
            if (!field->isEnabled()) {
                if (!kPitchFields.contains(field->objectName())) {
                    return field->objectName() + " is disabled";
                }
                if (!field->text().isEmpty() && !numberIn(field->text())) {
                    return field->objectName() + " is disabled holding " + field->text();
                }
            }
        }
        if (!shown.isEmpty()) {
            return {};
        }
        // A side just computed without a message: its labels follow from its fields.
        const QStringList labelsNow = {f.lblextmaxsug->text(), f.lblextminsug->text(), f.lblintminsug->text(),
                                       f.lblintmaxsug->text()};
        for (int s = 0; s < 2; ++s) {
            const bool changed = (labelsNow[2 * s] != labelsBefore[2 * s] && !labelsNow[2 * s].isEmpty()) ||
                                 (labelsNow[2 * s + 1] != labelsBefore[2 * s + 1] && !labelsNow[2 * s + 1].isEmpty());
            if (changed) {
                ++computationsChecked;
                if (QString problem = arithmeticMismatch(sides()[static_cast<std::size_t>(s)]); !problem.isEmpty()) {
                    return problem;
                }
            }
        }
        return {};
    }

    QString arithmeticMismatch(const SideView& view)
    {
        const std::optional<double> maxThickness = numberIn(view.maxThickness->text());
        const std::optional<double> minThickness = numberIn(view.minThickness->text());
        if (!maxThickness || !minThickness) {
            return "a side was computed without both thicknesses";
        }
        const ThicknessOrder order = classifyThicknesses(*minThickness, *maxThickness);
        if (order == ThicknessOrder::Reversed) {
            return "a side was computed with reversed thicknesses";
        }
        const SideEntry entry{numberIn(view.afterPlateMax->text()), numberIn(view.afterPlateMin->text()), maxThickness,
                              minThickness};
        const PrePlateLimits limits = computePrePlateLimits(view.side, entry, order);
        for (auto [label, value] :
             {std::pair{view.maxLabel, limits.preplateMax}, std::pair{view.minLabel, limits.preplateMin}}) {
            if (value && label->text() != QString::fromStdString(formatPitchValue(*value))) {
                return label->objectName() + " shows " + label->text() + " instead of " +
                       QString::fromStdString(formatPitchValue(*value));
            }
        }
        return {};
    }

    bool pitchEntered()
    {
        for (const QString& name : kPitchFields) {
            if (!form().findChild<QLineEdit*>(name)->text().isEmpty()) {
                return true;
            }
        }
        return false;
    }

    // Runs one sequence; false (after printing how to replay it) when an invariant broke.
    bool runSequence(quint32 seed)
    {
        random.seed(seed);
        actions.clear();
        answerer->clear();
        startProgram();
        for (int i = 0; i < kActionsPerSequence; ++i) {
            const QStringList labelsBefore = {form().lblextmaxsug->text(), form().lblextminsug->text(),
                                              form().lblintminsug->text(), form().lblintmaxsug->text()};
            const qsizetype messagesBefore = answerer->texts().size();
            const bool entered = pitchEntered();
            cancelClicked = false;
            act();
            if (const QString problem = brokenInvariant(labelsBefore, messagesBefore, entered); !problem.isEmpty()) {
                std::fprintf(stderr, "Soak failure, replay with ORVANTA_SOAK_SEED=%u\n%s\nactions: %s\nmessages: %s\n",
                             seed, qPrintable(problem), qPrintable(actions.join(", ")),
                             qPrintable(answerer->texts().join(" | ")));
                return false;
            }
            if (app->ended()) {
                // The program ended as it should: the sequence goes on in a new one.
                actions << "(program restarted)";
                app.reset();
                startProgram();
            }
        }
        messagesAnswered += answerer->texts().size();
        app.reset();
        return true;
    }

private slots:
    void initTestCase()
    {
        // The offscreen platform warns about every window it cannot raise or
        // hint; over thousands of sequences that would bury a real failure.
        QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
        answerer = std::make_unique<ModalAnswerer>();
        answerer->setPolicy([this](const QMessageBox& box) {
            if (box.standardButtons().testFlag(QMessageBox::Cancel)) {
                return random.bounded(3) == 0 ? QMessageBox::NoButton
                                              : (random.bounded(2) == 0 ? QMessageBox::Ok : QMessageBox::Cancel);
            }
            return random.bounded(5) == 0 ? QMessageBox::NoButton : QMessageBox::Ok;
        });
    }
    void cleanupTestCase()
    {
        app.reset();
        answerer.reset();
    }

    void random_use_keeps_the_window_consistent()
    {
        const QByteArray replay = qgetenv("ORVANTA_SOAK_SEED");
        const int sequences = qEnvironmentVariableIsSet("ORVANTA_SOAK_SEQUENCES")
                                  ? qEnvironmentVariableIntValue("ORVANTA_SOAK_SEQUENCES")
                                  : 2000;
        if (!replay.isEmpty()) {
            QVERIFY(runSequence(replay.toUInt()));
            return;
        }
        for (int i = 0; i < sequences; ++i) {
            QVERIFY2(runSequence(static_cast<quint32>(20261208 + i)), "see the replay line above");
        }
        std::printf("soak: %d sequences, %ld actions, %ld message boxes answered, %ld computed sides checked\n",
                    sequences, actionsRun, messagesAnswered, computationsChecked);
    }
};

namespace {

// A long soak runs for as long as it takes: Qt Test's five-minute watchdog
// on one test function must not end it half-way.
const bool kWatchdogWidened = [] {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        qputenv("QTEST_FUNCTION_TIMEOUT", "86400000"); // a day, in milliseconds
    }
    return true;
}();

} // namespace

ORVANTA_GUI_TEST_MAIN(SoakTest)
#include "tst_soak.moc"
