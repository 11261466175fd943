#include "FrmThread.h"

#include "forms/Accessibility.h"
#include "forms/CompletionPopup.h"
#include "forms/Look.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace orvanta {

namespace {

using forms::FontSpec;
using forms::LabelLook;

const QColor kFormGrey(224, 224, 224);
const QColor kYellow(255, 255, 0);
const QColor kDarkRed(192, 0, 0);
const QColor kHeadingGrey(128, 128, 128);

QLabel* label(QWidget& parent, const char* name, const LabelLook& look, const QString& caption = QString())
{
    QLabel* made = forms::makeLabel(parent, QString::fromLatin1(name), caption, QRect(), look);
    made->setWordWrap(false);
    return made;
}

// A value the dialog shows: yellow and bordered like the calculator's suggestions.
QLabel* value(QWidget& parent, const char* name)
{
    QLabel* made = label(parent, name, {kYellow, std::nullopt, true, Qt::AlignHCenter, std::nullopt});
    made->setMinimumWidth(made->fontMetrics().horizontalAdvance(QStringLiteral("000.0000 mm")));
    made->setAlignment(Qt::AlignCenter);
    return made;
}

QLabel* heading(QWidget& parent, const QString& caption)
{
    QLabel* made =
        label(parent, "",
              {kHeadingGrey, QPalette::HighlightedText, true, Qt::AlignHCenter, FontSpec{8.25, true, false}}, caption);
    made->setAlignment(Qt::AlignCenter);
    return made;
}

QLabel* caption(QWidget& parent, const QString& text)
{
    return label(parent, "", {}, text);
}

} // namespace

FrmThread::FrmThread(QWidget* parent, const QStringList& completions, const QStringList& coatings)
    : QDialog(parent)
    , txtdesignation(new QLineEdit(this))
    , lblresolved(
          label(*this, "lblresolved", {std::nullopt, std::nullopt, false, Qt::AlignLeft, FontSpec{9.75, true, false}}))
    , optclasslimits(new QRadioButton(QStringLiteral("Class limits apply after plating"), this))
    , optallowance(new QRadioButton(QStringLiteral("Plating may use the allowance"), this))
    , lblextmax(value(*this, "lblextmax"))
    , lblextmin(value(*this, "lblextmin"))
    , lblintmin(value(*this, "lblintmin"))
    , lblintmax(value(*this, "lblintmax"))
    , lblextmajormax(value(*this, "lblextmajormax"))
    , lblextmajormin(value(*this, "lblextmajormin"))
    , lblintmajormin(value(*this, "lblintmajormin"))
    , lblintmajormax(value(*this, "lblintmajormax"))
    , lblextminormax(value(*this, "lblextminormax"))
    , lblextminormin(value(*this, "lblextminormin"))
    , lblintminormin(value(*this, "lblintminormin"))
    , lblintminormax(value(*this, "lblintminormax"))
    , lblbasic(value(*this, "lblbasic"))
    , lblextallowance(value(*this, "lblextallowance"))
    , lblintallowance(value(*this, "lblintallowance"))
    , lblexttolerance(value(*this, "lblexttolerance"))
    , lblinttolerance(value(*this, "lblinttolerance"))
    , cbocoating(new QComboBox(this))
    , txtcoatingmin(new QLineEdit(this))
    , txtcoatingmax(new QLineEdit(this))
    , lblgrowth(label(*this, "lblgrowth", {}))
    , lblextfit(label(*this, "lblextfit", {}))
    , lblintfit(label(*this, "lblintfit", {}))
    , lblmessage(
          label(*this, "lblmessage", {std::nullopt, kDarkRed, false, Qt::AlignLeft, FontSpec{8.25, true, false}}))
    , lblnotes(label(*this, "lblnotes", {}))
    , cmdfill(new QPushButton(QStringLiteral("&Fill"), this))
    , cmdclose(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("frmthread"));
    setWindowTitle(QStringLiteral("Standard Thread"));
    setModal(true);
    setFont(forms::formFont(FontSpec{}));
    forms::setBackground(*this, kFormGrey);
    txtdesignation->setObjectName(QStringLiteral("txtdesignation"));
    optclasslimits->setObjectName(QStringLiteral("optclasslimits"));
    optallowance->setObjectName(QStringLiteral("optallowance"));
    cmdfill->setObjectName(QStringLiteral("cmdfill"));
    cmdclose->setObjectName(QStringLiteral("cmdclose"));

    auto* completer = new QCompleter(completions, this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchStartsWith);
    txtdesignation->setCompleter(completer);
    new forms::CompletionPopup(*completer);
    txtdesignation->setPlaceholderText(QStringLiteral("1/2-13 UNC-2A, M10x1.5-6H/6g"));

    cbocoating->setObjectName(QStringLiteral("cbocoating"));
    txtcoatingmin->setObjectName(QStringLiteral("txtcoatingmin"));
    txtcoatingmax->setObjectName(QStringLiteral("txtcoatingmax"));
    cbocoating->setEditable(true);
    cbocoating->setInsertPolicy(QComboBox::NoInsert);
    cbocoating->addItem(QString::fromLatin1(kTypedByHand));
    cbocoating->addItems(coatings);
    // Empty until chosen, so typing searches rather than adds to a name.
    cbocoating->setCurrentIndex(-1);
    cbocoating->lineEdit()->setPlaceholderText(QString::fromLatin1(kTypedByHand));
    // Searchable as typed: any part of a name finds it ("B633", "anodize").
    cbocoating->completer()->setCompletionMode(QCompleter::PopupCompletion);
    cbocoating->completer()->setFilterMode(Qt::MatchContains);
    cbocoating->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    txtcoatingmin->setPlaceholderText(QStringLiteral("minimum"));
    txtcoatingmax->setPlaceholderText(QStringLiteral("maximum"));
    for (QLabel* verdict : {lblgrowth, lblextfit, lblintfit}) {
        verdict->setWordWrap(true);
    }

    optclasslimits->setChecked(true);
    lblmessage->setWordWrap(true);
    lblnotes->setWordWrap(true);
    cmdfill->setDefault(true);
    cmdfill->setAutoDefault(true);
    cmdclose->setAutoDefault(false);
    cmdfill->setEnabled(false);
    connect(cmdfill, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdclose, &QPushButton::clicked, this, &QDialog::reject);

    layOut();
    describeControls();
    txtdesignation->setFocus();
}

void FrmThread::layOut()
{
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    // Its access key moves to the field, so this caption is not a plain-text one.
    auto* designationCaption = new QLabel(QStringLiteral("&Designation:"), this);
    designationCaption->setBuddy(txtdesignation);
    grid->addWidget(designationCaption, 0, 0);
    grid->addWidget(txtdesignation, 0, 1, 1, 4);
    grid->addWidget(lblresolved, 1, 1, 1, 4);
    grid->addWidget(caption(*this, QStringLiteral("After plating:")), 2, 0);
    grid->addWidget(optclasslimits, 2, 1, 1, 2);
    grid->addWidget(optallowance, 2, 3, 1, 2);

    grid->addWidget(heading(*this, QStringLiteral("EXTERNAL")), 3, 1, 1, 2);
    grid->addWidget(heading(*this, QStringLiteral("INTERNAL")), 3, 3, 1, 2);
    const QString columns[] = {QStringLiteral("MAXIMUM"), QStringLiteral("MINIMUM"), QStringLiteral("MINIMUM"),
                               QStringLiteral("MAXIMUM")};
    for (int column = 0; column < 4; ++column) {
        QLabel* title = caption(*this, columns[column]);
        title->setAlignment(Qt::AlignCenter);
        grid->addWidget(title, 4, column + 1);
    }
    grid->addWidget(caption(*this, QStringLiteral("After-plate PD")), 5, 0);
    grid->addWidget(lblextmax, 5, 1);
    grid->addWidget(lblextmin, 5, 2);
    grid->addWidget(lblintmin, 5, 3);
    grid->addWidget(lblintmax, 5, 4);
    grid->addWidget(caption(*this, QStringLiteral("After-plate major")), 6, 0);
    grid->addWidget(lblextmajormax, 6, 1);
    grid->addWidget(lblextmajormin, 6, 2);
    grid->addWidget(lblintmajormin, 6, 3);
    grid->addWidget(lblintmajormax, 6, 4);
    grid->addWidget(caption(*this, QStringLiteral("After-plate minor")), 7, 0);
    grid->addWidget(lblextminormax, 7, 1);
    grid->addWidget(lblextminormin, 7, 2);
    grid->addWidget(lblintminormin, 7, 3);
    grid->addWidget(lblintminormax, 7, 4);
    grid->addWidget(caption(*this, QStringLiteral("Allowance")), 8, 0);
    grid->addWidget(lblextallowance, 8, 1, 1, 2);
    grid->addWidget(lblintallowance, 8, 3, 1, 2);
    grid->addWidget(caption(*this, QStringLiteral("Class tolerance")), 9, 0);
    grid->addWidget(lblexttolerance, 9, 1, 1, 2);
    grid->addWidget(lblinttolerance, 9, 3, 1, 2);
    grid->addWidget(caption(*this, QStringLiteral("Basic PD")), 10, 0);
    grid->addWidget(lblbasic, 10, 1, 1, 2);
    auto* coatingCaption = new QLabel(QStringLiteral("C&oating:"), this);
    coatingCaption->setBuddy(cbocoating);
    grid->addWidget(coatingCaption, 11, 0);
    grid->addWidget(cbocoating, 11, 1, 1, 2);
    grid->addWidget(txtcoatingmin, 11, 3);
    grid->addWidget(txtcoatingmax, 11, 4);
    grid->addWidget(lblgrowth, 12, 1, 1, 4);
    grid->addWidget(caption(*this, QStringLiteral("Fit")), 13, 0);
    grid->addWidget(lblextfit, 13, 1, 1, 2);
    grid->addWidget(lblintfit, 13, 3, 1, 2);
    grid->addWidget(lblmessage, 14, 0, 1, 5);
    grid->addWidget(lblnotes, 15, 0, 1, 5);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdfill);
    buttons->addWidget(cmdclose);
    grid->addLayout(buttons, 16, 0, 1, 5);
    lblmessage->setMinimumHeight(lblmessage->fontMetrics().lineSpacing() * 2);
    lblnotes->setMinimumHeight(lblnotes->fontMetrics().lineSpacing() * 3);
    setTabOrder(txtdesignation, optclasslimits);
    setTabOrder(optclasslimits, optallowance);
    setTabOrder(optallowance, cbocoating);
    setTabOrder(cbocoating, txtcoatingmin);
    setTabOrder(txtcoatingmin, txtcoatingmax);
    setTabOrder(txtcoatingmax, cmdfill);
    setTabOrder(cmdfill, cmdclose);
}

void FrmThread::describeControls()
{
    const struct {
        QWidget* control;
        const char* name;
        const char* description;
    } descriptions[] = {
        {txtdesignation, "Thread designation", "A standard thread and class, such as 1/2-13 UNC-2A or M10x1.5-6H/6g."},
        {lblresolved, "Designation read as", "The designation in its standard form."},
        {optclasslimits, "Class limits apply after plating", "The after-plate limits are the class limits."},
        {optallowance, "Plating may use the allowance",
         "After plating the maximum-material limit is basic size; the other limit stays the class's."},
        {lblextmax, "External after-plate maximum pitch diameter", ""},
        {lblextmin, "External after-plate minimum pitch diameter", ""},
        {lblintmin, "Internal after-plate minimum pitch diameter", ""},
        {lblintmax, "Internal after-plate maximum pitch diameter", ""},
        {lblextmajormax, "External after-plate maximum major diameter", ""},
        {lblextmajormin, "External after-plate minimum major diameter", ""},
        {lblintmajormin, "Internal after-plate minimum major diameter", ""},
        {lblintmajormax, "Internal after-plate maximum major diameter", "Not set by the standard."},
        {lblextminormax, "External after-plate maximum minor diameter",
         "Inch threads: the rounded root's, for reference only."},
        {lblextminormin, "External after-plate minimum minor diameter", ""},
        {lblintminormin, "Internal after-plate minimum minor diameter", ""},
        {lblintminormax, "Internal after-plate maximum minor diameter", ""},
        {lblbasic, "Basic pitch diameter", ""},
        {lblextallowance, "External allowance", "With the plating it absorbs (a quarter of the allowance)."},
        {lblintallowance, "Internal allowance", "With the plating it absorbs (a quarter of the allowance)."},
        {lblexttolerance, "External class tolerance", ""},
        {lblinttolerance, "Internal class tolerance", ""},
        {cbocoating, "Coating",
         "A coating as drawings call it out, or the thickness typed by hand; type any part of its name."},
        {txtcoatingmin, "Coating thickness minimum", "Gives or narrows the coating's thickness."},
        {txtcoatingmax, "Coating thickness maximum", "Gives or narrows the coating's thickness."},
        {lblgrowth, "Coating growth", "The thickness and what it grows each flank by."},
        {lblextfit, "External fit", "Whether the external class takes the growth."},
        {lblintfit, "Internal fit", "Whether the internal class takes the growth."},
        {lblmessage, "Message", "What is wrong with the designation."},
        {lblnotes, "Notes", "What was assumed in reading the designation."},
        {cmdfill, "Fill",
         "Clears the calculator and fills in these after-plate limits, and a coating's growth as the thicknesses "
         "(Enter)."},
        {cmdclose, "Close", "Closes without changing the calculator (Esc)."},
    };
    for (const auto& entry : descriptions) {
        forms::setAccessibleText(*entry.control, QString::fromLatin1(entry.name),
                                 QString::fromLatin1(entry.description));
    }
    // The focus goes to the editable list's own field and its drop-down: they carry the list's name.
    forms::setAccessibleText(*cbocoating->lineEdit(), cbocoating->accessibleName(),
                             cbocoating->accessibleDescription());
    forms::setAccessibleText(*cbocoating->view(), QStringLiteral("Coatings"),
                             QStringLiteral("The catalogue's coatings."));
}

} // namespace orvanta
