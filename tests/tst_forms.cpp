// The forms layer's focus and validation rules, on a small window of the
// test's own.
#include "forms/Controls.h"
#include "forms/FocusController.h"
#include "forms/FormWindow.h"
#include "forms/MessageBox.h"

#include "Driving.h"
#include "GuiTestMain.h"
#include "ModalAnswerer.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>

using namespace orvanta::forms;

namespace {

// Three fields, two options, three buttons; every event goes to `log`.
class SampleForm : public FormWindow {
public:
    SampleForm()
        : FormWindow(QStringLiteral("sample"))
        , a(field("a", 0, 0))
        , b(field("b", 1, 1))
        , c(field("c", 2, 2))
        , frame(new QFrame(this))
        , x(new OptionButton(*frame, QStringLiteral("x"), QStringLiteral("X")))
        , y(new OptionButton(*frame, QStringLiteral("y"), QStringLiteral("Y")))
        , ok(button("ok", QStringLiteral("&OK"), 10))
        , cancel(button("cancel", QStringLiteral("Ca&ncel"), 11))
        , go(button("go", QStringLiteral("&Go"), 12))
        , gone(button("gone", QStringLiteral("G&one"), 13))
        , label(new QLabel(QStringLiteral("label"), this))
    {
        setFixedSize(400, 200);
        frame->setGeometry(10, 100, 100, 60);
        x->setGeometry(5, 5, 80, 20);
        y->setGeometry(5, 30, 80, 20);
        addToTabOrder(x, 4);
        addToTabOrder(y, 5);
        label->setGeometry(300, 150, 90, 20);
        setDefaultButton(ok);
        setCancelButton(cancel);
        // "Go" and "Gone" both take Alt+G; the first in tab order wins.
        go->setText(QStringLiteral("&Go"));
        gone->setText(QStringLiteral("&Gone"));
    }

    void Form_Load() override
    {
        log << QStringLiteral("load");
        x->setChecked(true);
    }

    TextBox* field(const char* name, int column, int tabIndex)
    {
        auto* box = new TextBox(*this, QString::fromLatin1(name));
        box->setGeometry(10 + column * 120, 10, 100, 24);
        box->setGotFocusHandler([this, box] { log << QStringLiteral("got:") + box->objectName(); });
        box->setValidateHandler([this, box](bool& cancelMove) {
            log << QStringLiteral("validate:") + box->objectName();
            if (onValidate) {
                onValidate(box, cancelMove);
            }
        });
        addToTabOrder(box, tabIndex);
        return box;
    }

    CommandButton* button(const char* name, const QString& caption, int tabIndex)
    {
        auto* made = new CommandButton(*this, QString::fromLatin1(name), caption);
        made->setGeometry(150 + (tabIndex - 10) * 60, 100, 55, 30);
        connect(made, &QPushButton::clicked, this,
                [this, made] { log << QStringLiteral("click:") + made->objectName(); });
        addToTabOrder(made, tabIndex);
        return made;
    }

    std::function<void(TextBox*, bool&)> onValidate;
    QStringList log;
    TextBox* a;
    TextBox* b;
    TextBox* c;
    QFrame* frame;
    OptionButton* x;
    OptionButton* y;
    CommandButton* ok;
    CommandButton* cancel;
    CommandButton* go;
    CommandButton* gone;
    QLabel* label;
};

} // namespace

class FormsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SampleForm> form;
    std::unique_ptr<ModalAnswerer> answerer;

    QWidget* focused() const { return form->focus().current(); }

private slots:
    void init()
    {
        answerer = std::make_unique<ModalAnswerer>();
        form = std::make_unique<SampleForm>();
        form->showForm();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        form->log.clear();
    }
    void cleanup()
    {
        form.reset();
        answerer.reset();
    }

    void show_loads_once_and_focuses_the_first_tab_stop()
    {
        // State: a fresh window, shown once by init.
        SampleForm fresh;
        QSignalSpy noEnd(&fresh, &FormWindow::programEndRequested);
        // Action: show, hide, show again.
        fresh.showForm();
        fresh.hideForm();
        fresh.showForm();
        // Expected: one load, the first field got the focus once, the window kept its state.
        QCOMPARE(fresh.log, QStringList({"load", "got:a"}));
        QCOMPARE(fresh.focus().current(), fresh.a);
        QVERIFY(fresh.isLoaded());
        QCOMPARE(noEnd.count(), 0);
    }

    void tab_visits_stops_in_tab_index_order_and_wraps_data()
    {
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QStringList>("visited");
        QTest::newRow("tab") << true << QStringList{"b", "c", "x", "a", "b"};
        QTest::newRow("shift+tab") << false << QStringList{"x", "c", "b", "a", "x"};
    }
    void tab_visits_stops_in_tab_index_order_and_wraps()
    {
        QFETCH(bool, forward);
        QFETCH(QStringList, visited);
        // State: focus in a; only option x is selected; buttons are no Tab stops.
        QStringList seen;
        // Action: Tab (or Shift+Tab) five times.
        for (int i = 0; i < visited.size(); ++i) {
            driving::key(forward ? Qt::Key_Tab : Qt::Key_Backtab);
            seen << focused()->objectName();
        }
        // Expected: the order given, wrapping around; the real focus agrees.
        QCOMPARE(seen, visited);
        QCOMPARE(QApplication::focusWidget(), focused());
    }

    void only_the_selected_option_is_a_tab_stop()
    {
        // State: option y selected instead of x.
        form->y->setChecked(true);
        form->c->moveFocusHere();
        // Action: Tab from the last field.
        driving::key(Qt::Key_Tab);
        // Expected: y, not x.
        QCOMPARE(focused(), form->y);
    }

    void disabled_box_is_skipped_and_keeps_its_text()
    {
        // State: b holds text and is disabled.
        form->b->setText(QStringLiteral("kept"));
        form->b->disable();
        // Action: Tab from a; click on b.
        driving::key(Qt::Key_Tab);
        QCOMPARE(focused(), form->c);
        driving::click(form->b);
        // Expected: b is skipped and cannot be clicked into; its text stays.
        QCOMPARE(focused(), form->c);
        QCOMPARE(form->b->text(), QStringLiteral("kept"));
        QVERIFY(!form->log.contains("got:b"));
    }

    void leaving_a_box_raises_validate_then_gotfocus()
    {
        // Action: Tab from a to b.
        driving::key(Qt::Key_Tab);
        // Expected: a is validated before b receives the focus.
        QCOMPARE(form->log, QStringList({"validate:a", "got:b"}));
    }

    void cancel_keeps_the_focus_and_swallows_the_click_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("tab") << "tab";
        QTest::newRow("click on a field") << "c";
        QTest::newRow("click on a button") << "ok";
        QTest::newRow("click on an option") << "y";
        QTest::newRow("access key") << "alt+g";
        QTest::newRow("handler's move") << "code";
    }
    void cancel_keeps_the_focus_and_swallows_the_click()
    {
        QFETCH(QString, target);
        // State: a refuses to be left.
        form->onValidate = [](TextBox*, bool& cancel) { cancel = true; };
        // Action: try to leave a.
        if (target == "tab") {
            driving::key(Qt::Key_Tab);
        } else if (target == "alt+g") {
            driving::key(Qt::Key_G, Qt::AltModifier);
        } else if (target == "code") {
            QVERIFY(!form->c->moveFocusHere());
        } else {
            driving::click(form->findChild<QWidget*>(target));
        }
        // Expected: a validated once, focus still in a, nothing clicked or changed.
        QCOMPARE(form->log, QStringList({"validate:a"}));
        QCOMPARE(focused(), form->a);
        QCOMPARE(QApplication::focusWidget(), form->a);
        QVERIFY(form->x->isChecked());
    }

    void click_on_a_button_validates_then_clicks()
    {
        // Action: click OK while in a, which passes.
        driving::click(form->ok);
        // Expected: validate, then the click; the button has the focus.
        QCOMPARE(form->log, QStringList({"validate:a", "click:ok"}));
        QCOMPARE(focused(), form->ok);
    }

    void handler_move_during_validate_supersedes_the_move_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("tab") << "tab";
        QTest::newRow("click on a button") << "click";
    }
    void handler_move_during_validate_supersedes_the_move()
    {
        QFETCH(QString, how);
        // State: a's validation sends the focus to c (once) without cancelling.
        form->onValidate = [this](TextBox* box, bool&) {
            if (box == form->a) {
                form->c->moveFocusHere();
            }
        };
        // Action: Tab to b, or click OK.
        if (how == "tab") {
            driving::key(Qt::Key_Tab);
        } else {
            driving::click(form->ok);
        }
        // Expected: focus in c; b got nothing, OK was not clicked; a was validated once.
        QCOMPARE(form->log, QStringList({"validate:a", "got:c"}));
        QCOMPARE(focused(), form->c);
        QCOMPARE(QApplication::focusWidget(), form->c);
    }

    void move_from_gotfocus_validates_the_box_it_leaves()
    {
        // State: b forwards the focus to c as soon as it receives it.
        form->b->setGotFocusHandler([this] {
            form->log << "got:b";
            form->c->moveFocusHere();
        });
        // Action: Tab from a.
        driving::key(Qt::Key_Tab);
        // Expected: b is left like any field: validated, then c gets the focus.
        QCOMPARE(form->log, QStringList({"validate:a", "got:b", "validate:b", "got:c"}));
        QCOMPARE(QApplication::focusWidget(), form->c);
    }

    void enter_and_esc_click_without_validating_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicked");
        QTest::newRow("enter") << int(Qt::Key_Return) << "click:ok";
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << "click:ok";
        QTest::newRow("esc") << int(Qt::Key_Escape) << "click:cancel";
    }
    void enter_and_esc_click_without_validating()
    {
        QFETCH(int, key);
        QFETCH(QString, clicked);
        // State: focus in b, which would refuse to be left.
        form->b->moveFocusHere();
        form->log.clear();
        form->onValidate = [](TextBox*, bool& cancel) { cancel = true; };
        // Action: the key.
        driving::key(static_cast<Qt::Key>(key));
        // Expected: the button is clicked, nothing validated, the focus stays.
        QCOMPARE(form->log, QStringList({clicked}));
        QCOMPARE(focused(), form->b);
    }

    void enter_clicks_the_button_that_has_the_focus()
    {
        // State: the focus on Go, put there by a click.
        driving::click(form->go);
        form->log.clear();
        // Action: Enter.
        driving::key(Qt::Key_Return);
        // Expected: Go is clicked again, not the default button.
        QCOMPARE(form->log, QStringList({"click:go"}));
    }

    void shared_access_key_takes_the_first_button_in_tab_order()
    {
        // Action: Alt+G, shared by Go and Gone.
        driving::key(Qt::Key_G, Qt::AltModifier);
        // Expected: a validated, Go focused and clicked.
        QCOMPARE(form->log, QStringList({"validate:a", "click:go"}));
        QCOMPARE(focused(), form->go);
    }

    void clicking_a_label_moves_no_focus()
    {
        driving::click(form->label);
        QVERIFY(form->log.isEmpty());
        QCOMPARE(focused(), form->a);
    }

    void focus_arriving_selects_nothing()
    {
        // State: b holds text.
        form->b->setText(QStringLiteral("0.4485"));
        // Action: Tab into it.
        driving::key(Qt::Key_Tab);
        // Expected: nothing selected (Qt would select all on Tab).
        QCOMPARE(focused(), form->b);
        QVERIFY(!form->b->hasSelectedText());
    }

    void select_all_and_set_text_raise_nothing()
    {
        form->b->setText(QStringLiteral("abc"));
        form->b->selectAll();
        QCOMPARE(form->b->selectionStart(), 0);
        QCOMPARE(form->b->selectedText(), QStringLiteral("abc"));
        QVERIFY(form->log.isEmpty());
    }

    void regaining_activation_raises_no_event()
    {
        // State: a handler on OK shows a message box, then writes a caption.
        connect(form->ok, &QPushButton::clicked, form.get(), [this] {
            showMessage(form.get(), QStringLiteral("hello"));
            form->label->setText(QStringLiteral("after"));
        });
        // Action: Enter in a; the box is answered; the window is activated again.
        driving::key(Qt::Key_Return);
        QVERIFY(driving::activate(form.get()));
        // Expected: the box was real and plain; the focus is back in a with no GotFocus.
        QCOMPARE(answerer->texts(), QStringList({"hello"}));
        QCOMPARE(answerer->shown().front().title, QStringLiteral("Orvanta"));
        QCOMPARE(answerer->shown().front().icon, QMessageBox::NoIcon);
        QCOMPARE(answerer->shown().front().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(form->log, QStringList({"click:ok"}));
        QCOMPARE(QApplication::focusWidget(), form->a);
        QCOMPARE(form->label->text(), QStringLiteral("after"));
    }

    void ok_cancel_box_answers_which_was_pressed()
    {
        answerer->answerNext(QMessageBox::Ok);
        QVERIFY(askOkCancel(form.get(), QStringLiteral("sure?")));
        answerer->answerNext(QMessageBox::Cancel);
        QVERIFY(!askOkCancel(form.get(), QStringLiteral("sure?")));
        QCOMPARE(answerer->shown().back().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        // Closing the box (Esc) counts as Cancel.
        answerer->answerNext(QMessageBox::NoButton);
        QVERIFY(!askOkCancel(form.get(), QStringLiteral("sure?")));
    }

    void message_during_validate_still_lets_the_click_through()
    {
        // State: a's validation shows a message but lets the focus go.
        form->onValidate = [this](TextBox*, bool&) { showMessage(form.get(), QStringLiteral("note")); };
        // Action: click OK.
        driving::click(form->ok);
        // Expected: the message, then the click.
        QCOMPARE(answerer->texts(), QStringList({"note"}));
        QCOMPARE(form->log, QStringList({"validate:a", "click:ok"}));
    }

    void disabling_the_focused_box_hands_the_focus_on_silently()
    {
        // Action: a, which has the focus, is disabled.
        form->a->disable();
        // Expected: b holds the focus; no event ran.
        QCOMPARE(focused(), form->b);
        QCOMPARE(QApplication::focusWidget(), form->b);
        QVERIFY(form->log.isEmpty());
        // Tab from there goes on normally.
        driving::key(Qt::Key_Tab);
        QCOMPARE(form->log, QStringList({"validate:b", "got:c"}));
    }

    void ended_program_takes_no_more_input()
    {
        QSignalSpy ended(form.get(), &FormWindow::programEndRequested);
        connect(form->cancel, &QPushButton::clicked, form.get(), [this] { form->endProgram(); });
        driving::key(Qt::Key_Escape);
        QCOMPARE(ended.count(), 1);
        form->log.clear();
        driving::key(Qt::Key_Tab);
        driving::key(Qt::Key_Return);
        QVERIFY(form->log.isEmpty());
    }
};

ORVANTA_GUI_TEST_MAIN(FormsTest)
#include "tst_forms.moc"
