// The calculator window as it opens: its controls, names, places and Tab order.
#include "FrmPitch.h"
#include "forms/FocusController.h"

#include "Driving.h"
#include "GuiTestMain.h"

#include <QFrame>
#include <QLabel>

using namespace orvanta;

class FrmPitchTest : public QObject {
    Q_OBJECT
    std::unique_ptr<FrmPitch> form;

private slots:
    void init()
    {
        form = std::make_unique<FrmPitch>();
        form->showForm();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void opens_in_its_start_state()
    {
        QCOMPARE(form->objectName(), QStringLiteral("frmpitch"));
        QCOMPARE(form->windowTitle(), QStringLiteral("ORVANTA"));
        QVERIFY(form->optinch->isChecked());
        QVERIFY(!form->optmetric->isChecked());
        for (auto* field : form->findChildren<forms::TextBox*>()) {
            QVERIFY2(field->text().isEmpty() && field->isEnabled(), qPrintable(field->objectName()));
        }
        for (QLabel* label : {form->lblextmaxsug, form->lblextminsug, form->lblintmaxsug, form->lblintminsug}) {
            QVERIFY2(label->text().isEmpty(), qPrintable(label->objectName()));
        }
        QCOMPARE(form->focus().current(), form->txtexternalmax);
        QCOMPARE(QApplication::focusWidget(), form->txtexternalmax);
        QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void load_writes_the_startup_instruction()
    {
        // No handler is attached here, so the caption from the load stands.
        QCOMPARE(form->lblinst->text(), QStringLiteral("Enter Nominal Thread Size and Class and press <TAB>."));
    }

    void controls_carry_their_names_and_captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("cmdok") << "cmdok"
                               << "&Calculate";
        QTest::newRow("cmdcancel") << "cmdcancel"
                                   << "&Cancel";
        QTest::newRow("cmdprint") << "cmdprint"
                                  << "&Print";
        QTest::newRow("cmddownload") << "cmddownload"
                                     << QStringLiteral(
                                            "Click here to download a PDF Pitch Diamter Chart for 60° threads. ");
        QTest::newRow("optinch") << "optinch"
                                 << "Inch";
        QTest::newRow("optmetric") << "optmetric"
                                   << "Metric";
        QTest::newRow("Label5") << "Label5"
                                << "  INTERNAL PRODUCT THREADS";
        QTest::newRow("Label13") << "Label13"
                                 << " GO RING OR  SET PLUG";
        QTest::newRow("Label15") << "Label15"
                                 << "  GO WORK    PLUG";
        QTest::newRow("Label17") << "Label17" << QString(75, QLatin1Char(' ')) + "FIXED LIMIT GAGES";
        QTest::newRow("Label19") << "Label19"
                                 << "Calculations Refer to ASME  B1.1 and B1.13M ";
        QTest::newRow("lbl60") << "lbl60" << QStringLiteral("60°");
        QTest::newRow("Label1") << "Label1"
                                << " ORVANTA";
    }
    void controls_carry_their_names_and_captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        auto* widget = form->findChild<QWidget*>(name);
        QVERIFY2(widget != nullptr, qPrintable(name));
        const QString text = widget->property("text").toString();
        QCOMPARE(text, caption);
    }

    void geometry_follows_the_twips_layout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels"); // at 96 dpi: 15 twips a pixel
        QTest::newRow("txtexternalmax") << "txtexternalmax" << QRect(16, 240, 89, 19);
        QTest::newRow("txtinternalmin") << "txtinternalmin" << QRect(496, 240, 87, 19);
        QTest::newRow("txtintmaxthickness") << "txtintmaxthickness" << QRect(584, 280, 89, 19);
        QTest::newRow("lblintminsug") << "lblintminsug" << QRect(584, 320, 89, 19);
        QTest::newRow("lblinst") << "lblinst" << QRect(160, 40, 345, 89);
        QTest::newRow("cmddownload") << "cmddownload" << QRect(16, 40, 121, 73);
        QTest::newRow("Frame1") << "Frame1" << QRect(16, 120, 97, 49);
        QTest::newRow("Image1") << "Image1" << QRect(528, 8, 150, 68);
        QTest::newRow("Label19") << "Label19" << QRect(16, 392, 657, 25);
    }
    void geometry_follows_the_twips_layout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(form->logicalDpiX(), 96);
        auto* widget = form->findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->geometry(), pixels);
    }

    void client_area_is_fixed_at_its_drawn_size()
    {
        QCOMPARE(form->size(), QSize(690, 421));
        QCOMPARE(form->minimumSize(), form->maximumSize());
    }

    void logo_is_a_150_by_68_picture() { QCOMPARE(form->Image1->pixmap().size(), QSize(150, 68)); }

    void tab_visits_the_fields_then_the_selected_option()
    {
        // Action: Tab nine times from txtexternalmax.
        QStringList seen;
        for (int i = 0; i < 9; ++i) {
            driving::key(Qt::Key_Tab);
            seen << form->focus().current()->objectName();
        }
        // Expected: the fields in tab-index order, the unit option, and around again;
        // never a command button.
        QCOMPARE(seen, QStringList({"txtexternalmin", "txtextmaxthickness", "txtextminthickness", "txtinternalmin",
                                    "txtinternalmax", "txtintminthickness", "txtintmaxthickness", "optinch",
                                    "txtexternalmax"}));
    }

    void enter_and_esc_reach_calculate_and_cancel()
    {
        int calculate = 0;
        int cancel = 0;
        connect(form->cmdok, &QPushButton::clicked, form.get(), [&calculate] { ++calculate; });
        connect(form->cmdcancel, &QPushButton::clicked, form.get(), [&cancel] { ++cancel; });
        driving::key(Qt::Key_Return);
        driving::key(Qt::Key_Escape);
        QCOMPARE(calculate, 1);
        QCOMPARE(cancel, 1);
        QCOMPARE(form->focus().current(), form->txtexternalmax);
    }

    // Entry fields, results, buttons and the unit frame never cover one
    // another; neighbours drawn edge to edge may share their one-pixel seam.
    void controls_do_not_overlap()
    {
        QList<QWidget*> controls;
        for (QWidget* child : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool suggestion = child->objectName().endsWith(QLatin1String("sug"));
            if (qobject_cast<forms::TextBox*>(child) || qobject_cast<QPushButton*>(child) || child == form->Frame1 ||
                child == form->Image1 || child == form->lblinst || child == form->lblthread || suggestion) {
                controls << child;
            }
        }
        QCOMPARE(controls.size(), 22);
        for (int i = 0; i < controls.size(); ++i) {
            for (int j = i + 1; j < controls.size(); ++j) {
                const QRect shared = controls[i]->geometry() & controls[j]->geometry();
                QVERIFY2(shared.isEmpty() || shared.width() <= 1 || shared.height() <= 1,
                         qPrintable(controls[i]->objectName() + " covers " + controls[j]->objectName()));
            }
        }
    }

    void no_caption_is_clipped()
    {
        // Every caption fits its box: wrapped labels in height, buttons in width.
        for (QLabel* label : form->findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {
                const QRect needed = label->fontMetrics().boundingRect(
                    label->contentsRect(), Qt::TextWordWrap | label->alignment(), label->text());
                QVERIFY2(needed.height() <= label->contentsRect().height() + 2, qPrintable(label->objectName()));
            }
        }
        for (auto* button : form->findChildren<QPushButton*>()) {
            if (button != form->cmddownload) {
                const int width = button->fontMetrics().horizontalAdvance(button->text().remove('&'));
                QVERIFY2(width < button->width() - 4, qPrintable(button->objectName()));
            }
        }
    }
};

ORVANTA_GUI_TEST_MAIN(FrmPitchTest)
#include "tst_frmpitch.moc"
