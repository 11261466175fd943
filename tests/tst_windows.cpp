// The program's start and the moves between its windows.
#include "Application.h"
#include "FrmAgreement.h"
#include "FrmContact.h"
#include "FrmPitch.h"
#include "forms/FocusController.h"

#include "Driving.h"
#include "GuiTestMain.h"
#include "ModalAnswerer.h"

#include <QListWidget>
#include <QPrinter>
#include <QSignalSpy>

#include <memory>

using namespace orvanta;

class WindowsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ModalAnswerer> answerer;
    std::unique_ptr<Application> app;
    QStringList printed; // titles of the windows sent to the (fake) printer

    QWidget* focused(forms::FormWindow& window) { return window.focus().current(); }

    void agree()
    {
        driving::click(app->agreement().cmdagree);
        QVERIFY(QTest::qWaitForWindowActive(&app->calculator()));
    }

private slots:
    void init()
    {
        answerer = std::make_unique<ModalAnswerer>();
        printed.clear();
        WindowPrinter printer([this](QPrinter&, QWidget& window) {
            printed << window.objectName();
            return false; // stands for a cancelled dialog
        });
        app = std::make_unique<Application>(printer, ChartLink([](const QUrl&) { return true; }));
        app->start();
        QVERIFY(QTest::qWaitForWindowActive(&app->agreement()));
    }
    void cleanup()
    {
        app.reset();
        answerer.reset();
    }

    void starts_with_the_agreement()
    {
        FrmAgreement& agreement = app->agreement();
        QVERIFY(agreement.isVisible());
        QVERIFY(!app->calculator().isVisible());
        QCOMPARE(agreement.windowTitle(), QStringLiteral("User Agreement"));
        QCOMPARE(focused(agreement), agreement.cmdexit);
        QCOMPARE(agreement.List1->count(), 37);
        QCOMPARE(agreement.List1->item(0)->text(), QStringLiteral("Orvanta User Agreement"));
        QCOMPARE(agreement.List1->item(36)->text(), QStringLiteral("*"));
        // Five sections, each closed by one empty line, after the heading and two empty lines.
        int empty = 0;
        for (int i = 0; i < agreement.List1->count(); ++i) {
            empty += agreement.List1->item(i)->text().isEmpty() ? 1 : 0;
        }
        QCOMPARE(empty, 7);
    }

    void tab_goes_cancel_agree_list_and_wraps()
    {
        FrmAgreement& agreement = app->agreement();
        QStringList seen;
        for (int i = 0; i < 3; ++i) {
            driving::key(Qt::Key_Tab);
            seen << focused(agreement)->objectName();
        }
        QCOMPARE(seen, QStringList({"cmdagree", "List1", "cmdexit"}));
    }

    void cancel_enter_esc_and_closing_end_the_program_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("enter") << "enter";
        QTest::newRow("esc") << "esc";
        QTest::newRow("click cancel") << "click";
        QTest::newRow("title bar") << "close";
    }
    void cancel_enter_esc_and_closing_end_the_program()
    {
        QFETCH(QString, how);
        QSignalSpy ended(app.get(), &Application::programEnded);
        if (how == "enter") {
            driving::key(Qt::Key_Return);
        } else if (how == "esc") {
            driving::key(Qt::Key_Escape);
        } else if (how == "click") {
            driving::click(app->agreement().cmdexit);
        } else {
            app->agreement().close();
        }
        QCOMPARE(ended.count(), 1);
        QVERIFY(!app->agreement().isVisible());
        QVERIFY(!app->calculator().isVisible());
    }

    void agree_opens_the_calculator_data()
    {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("click") << false;
        QTest::newRow("tab then enter") << true;
    }
    void agree_opens_the_calculator()
    {
        QFETCH(bool, byKeyboard);
        if (byKeyboard) {
            driving::key(Qt::Key_Tab);
            driving::key(Qt::Key_Return);
        } else {
            driving::click(app->agreement().cmdagree);
        }
        FrmPitch& calculator = app->calculator();
        QVERIFY(calculator.isVisible());
        QVERIFY(!app->agreement().isVisible());
        QVERIFY(calculator.optinch->isChecked());
        QCOMPARE(focused(calculator), calculator.txtexternalmax);
        QCOMPARE(calculator.lblinst->text(),
                 QStringLiteral("Enter Maximum After Plate Pitch Diameter and press <TAB>."));
        QVERIFY(!app->ended());
    }

    void logo_opens_one_contact_window()
    {
        agree();
        // Action: click the logo twice.
        driving::click(app->calculator().Image1);
        FrmContact* first = app->contact();
        QVERIFY(first != nullptr);
        QVERIFY(first->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(first));
        QVERIFY(driving::activate(&app->calculator()));
        driving::click(app->calculator().Image1);
        // Expected: the same window, brought to the front; only one exists.
        QCOMPARE(app->contact(), first);
        int contacts = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            contacts += window->objectName() == "frmcontact" ? 1 : 0;
        }
        QCOMPARE(contacts, 1);
        QCOMPARE(first->windowTitle(), QStringLiteral("Form1"));
        QVERIFY(first->findChild<QLabel*>("Label1")->text() == "To Contact Orvanta");
        QVERIFY(first->findChild<QLabel*>("Label6")->text().startsWith("Phone: "));
        QVERIFY(first->findChild<QLabel*>("Label7")->text().startsWith("Fax:     ("));
    }

    void contact_window_closes_and_reopens_fresh_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("esc") << "esc";
        QTest::newRow("close button") << "click";
        QTest::newRow("title bar") << "close";
    }
    void contact_window_closes_and_reopens_fresh()
    {
        QFETCH(QString, how);
        agree();
        driving::click(app->calculator().Image1);
        QPointer<FrmContact> first = app->contact();
        QVERIFY(QTest::qWaitForWindowActive(first));
        first->setProperty("marked", true);
        if (how == "esc") {
            driving::key(Qt::Key_Escape);
        } else if (how == "click") {
            driving::click(first->cmdclose);
        } else {
            first->close();
        }
        // Expected: unloaded (discarded), the program still running.
        QCOMPARE(app->contact(), nullptr);
        QTRY_VERIFY(first.isNull());
        QVERIFY(!app->ended());
        QVERIFY(driving::activate(&app->calculator()));
        driving::click(app->calculator().Image1);
        QVERIFY(app->contact() != nullptr);
        QVERIFY(!app->contact()->property("marked").isValid());
    }

    void enter_prints_the_contact_window()
    {
        agree();
        driving::click(app->calculator().Image1);
        QVERIFY(QTest::qWaitForWindowActive(app->contact()));
        driving::key(Qt::Key_Return);
        QCOMPARE(printed, QStringList{"frmcontact"});
        QCOMPARE(answerer->texts(), QStringList{"printer setup canceled"});
    }

    void closing_the_calculator_ends_the_program()
    {
        agree();
        driving::click(app->calculator().Image1);
        QSignalSpy ended(app.get(), &Application::programEnded);
        app->calculator().close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(app->contact() == nullptr || !app->contact()->isVisible());
    }

    void esc_on_an_empty_calculator_ends_the_program()
    {
        agree();
        QSignalSpy ended(app.get(), &Application::programEnded);
        driving::key(Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
        QVERIFY(!app->calculator().isVisible());
    }

    void calculator_print_button_prints_the_calculator()
    {
        agree();
        driving::click(app->calculator().cmdprint);
        QCOMPARE(printed, QStringList{"frmpitch"});
    }
};

ORVANTA_GUI_TEST_MAIN(WindowsTest)
#include "tst_windows.moc"
