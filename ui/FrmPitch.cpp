#include "FrmPitch.h"

#include "forms/Accessibility.h"
#include "forms/Look.h"

#include <QFrame>
#include <QPixmap>

namespace orvanta {

using forms::FontSpec;
using forms::LabelLook;
using forms::TwipsRect;

namespace {

const QColor kFormGrey(224, 224, 224);
const QColor kYellow(255, 255, 0);
const QColor kHeadingGrey(128, 128, 128);
const QColor kDarkGrey(64, 64, 64);
const QColor kGreen(0, 128, 0);
const QColor kDarkRed(192, 0, 0);

constexpr FontSpec kHeadingFont{8.25, true, false};
constexpr FontSpec kLargeBold{9.75, true, false};

struct Decoration {
    const char* name;
    QString caption;
    TwipsRect rect;
    LabelLook look;
};

// A heading label: bordered, centred, bold, in the highlight-text colour.
LabelLook heading(const QColor& background)
{
    return {background, QPalette::HighlightedText, true, Qt::AlignHCenter, kHeadingFont};
}

// A column heading: white with the default black text.
LabelLook columnHeading()
{
    return {QPalette::HighlightedText, std::nullopt, true, Qt::AlignHCenter, FontSpec{}};
}

LabelLook filler()
{
    return {kHeadingGrey, std::nullopt, false, Qt::AlignLeft, std::nullopt};
}

} // namespace

FrmPitch::FrmPitch()
    : FormWindow(QStringLiteral("frmpitch"))
    , txtexternalmax(entryField("txtexternalmax", {240, 3600, 1335, 285}, 0))
    , txtexternalmin(entryField("txtexternalmin", {1560, 3600, 1335, 285}, 1))
    , txtextmaxthickness(entryField("txtextmaxthickness", {240, 4200, 1335, 285}, 2))
    , txtextminthickness(entryField("txtextminthickness", {1560, 4200, 1335, 285}, 3))
    , txtinternalmin(entryField("txtinternalmin", {7440, 3600, 1310, 285}, 4))
    , txtinternalmax(entryField("txtinternalmax", {8760, 3600, 1335, 285}, 5))
    , txtintminthickness(entryField("txtintminthickness", {7440, 4200, 1310, 285}, 6))
    , txtintmaxthickness(entryField("txtintmaxthickness", {8760, 4200, 1335, 285}, 7))
    , lblextmaxsug(suggestionLabel("lblextmaxsug", {240, 4800, 1335, 285}))
    , lblextminsug(suggestionLabel("lblextminsug", {1560, 4800, 1335, 285}))
    , lblintmaxsug(suggestionLabel("lblintmaxsug", {7440, 4800, 1335, 285}))
    , lblintminsug(suggestionLabel("lblintminsug", {8760, 4800, 1335, 285}))
    , lblinst(forms::makeLabel(*this, QStringLiteral("lblinst"), QString(), pixels({2400, 600, 5175, 1335}),
                               {kFormGrey, kDarkRed, false, Qt::AlignLeft, FontSpec{12, true, true}}))
    , Frame1(unitFrame())
    , optinch(unitOption("optinch", "Inch", {120, 120, 855, 195}, 41))
    , optmetric(unitOption("optmetric", "Metric", {120, 360, 855, 255}, 42))
    , cmdok(commandButton("cmdok", QStringLiteral("&Calculate"), {1200, 120, 975, 375}, 8))
    , cmdcancel(commandButton("cmdcancel", QStringLiteral("&Cancel"), {240, 120, 975, 375}, 9))
    , cmdprint(commandButton("cmdprint", QStringLiteral("&Print"), {2160, 120, 1095, 375}, 29))
    , cmddownload(commandButton("cmddownload",
                                QStringLiteral("Click here to download a PDF Pitch Diamter Chart for 60° threads. "),
                                {240, 600, 1815, 1095}, 39))
    , cmdthread(commandButton("cmdthread", QStringLiteral("&Thread..."), {3360, 120, 1215, 375}, 30))
    , cmdsheet(commandButton("cmdsheet", QStringLiteral("&Sheet..."), {4680, 120, 1215, 375}, 31))
    , lblthread(forms::makeLabel(*this, QStringLiteral("lblthread"), QString(), pixels({1800, 2160, 8280, 375}),
                                 {std::nullopt, std::nullopt, false, Qt::AlignLeft, kLargeBold}))
    , Image1(new forms::PictureBox(*this, QStringLiteral("Image1")))
{
    setWindowTitle(QStringLiteral("ORVANTA"));
    setFont(forms::formFont(FontSpec{}));
    forms::setBackground(*this, kFormGrey);
    setClientSizeTwips(10350, 6315);

    setDefaultButton(cmdok);
    setCancelButton(cmdcancel);
    cmddownload->setFont(forms::formFont(kHeadingFont));
    cmddownload->setWordWrap(true);
    cmdsheet->setEnabled(false); // until a side shows its suggestions

    Image1->setGeometry(pixels({7920, 120, 2250, 1020}));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QStringLiteral(":/orvanta/logo.gif")));

    addDecoration();
    describeControls();
}

void FrmPitch::Form_Load()
{
    optinch->setChecked(true);
    forms::setLiveText(*lblinst, QString::fromLatin1(kStartupInstruction));
}

void FrmPitch::describeControls()
{
    const QString entry = QStringLiteral("Type the value in the chosen unit and press Tab.");
    const QString suggestion = QStringLiteral("Computed from the after-plate limit and the plating thickness.");
    const struct {
        QWidget* control;
        const char* name;
        QString description;
    } descriptions[] = {
        {txtexternalmax, "External thread, after-plate maximum pitch diameter", entry},
        {txtexternalmin, "External thread, after-plate minimum pitch diameter", entry},
        {txtextmaxthickness, "External thread, maximum plating or coating thickness", entry},
        {txtextminthickness, "External thread, minimum plating or coating thickness",
         QStringLiteral("Type the value and press Enter to calculate.")},
        {txtinternalmin, "Internal thread, after-plate minimum pitch diameter", entry},
        {txtinternalmax, "Internal thread, after-plate maximum pitch diameter", entry},
        {txtintminthickness, "Internal thread, minimum plating or coating thickness", entry},
        {txtintmaxthickness, "Internal thread, maximum plating or coating thickness",
         QStringLiteral("Type the value and press Enter to calculate.")},
        {lblextmaxsug, "Suggested pre-plate maximum, GO ring or set plug", suggestion},
        {lblextminsug, "Suggested pre-plate minimum, NOGO ring or set plug", suggestion},
        {lblintmaxsug, "Suggested pre-plate minimum, GO work plug", suggestion},
        {lblintminsug, "Suggested pre-plate maximum, NOGO work plug", suggestion},
        {lblinst, "Instructions", QStringLiteral("What to enter next, or the outcome of the calculation.")},
        {optinch, "Inch", QStringLiteral("Values are entered and shown in inches.")},
        {optmetric, "Metric", QStringLiteral("Values are entered and shown in millimetres.")},
        {cmdok, "Calculate", QStringLiteral("Calculates both thread sides from the values entered (Enter).")},
        {cmdcancel, "Cancel", QStringLiteral("Clears the form; on an empty form, exits the program (Esc).")},
        {cmdprint, "Print", QStringLiteral("Prints an image of this window.")},
        {cmddownload, "Pitch diameter chart", QStringLiteral("Opens the pitch diameter chart page in the browser.")},
        {cmdthread, "Standard thread",
         QStringLiteral("Fills in the after-plate limits of a standard thread designation (Alt+T).")},
        {cmdsheet, "Thread record",
         QStringLiteral("Shows the whole job as one sheet, to save as a PDF or print (Alt+S).")},
        {lblthread, "Standard thread filled in", QStringLiteral("The thread whose limits were filled in.")},
        {Image1, "Orvanta logo", QStringLiteral("Opens how to contact Orvanta.")},
    };
    for (const auto& entryText : descriptions) {
        forms::setAccessibleText(*entryText.control, QString::fromLatin1(entryText.name), entryText.description);
    }
}

forms::TextBox* FrmPitch::entryField(const char* name, const TwipsRect& rect, int tabIndex)
{
    auto* field = new forms::TextBox(*this, QString::fromLatin1(name));
    field->setGeometry(pixels(rect));
    addToTabOrder(field, tabIndex);
    return field;
}

QLabel* FrmPitch::suggestionLabel(const char* name, const TwipsRect& rect)
{
    return forms::makeLabel(*this, QString::fromLatin1(name), QString(), pixels(rect),
                            {kYellow, std::nullopt, true, Qt::AlignHCenter, std::nullopt});
}

QFrame* FrmPitch::unitFrame()
{
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(pixels({240, 1800, 1455, 735}));
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

forms::OptionButton* FrmPitch::unitOption(const char* name, const char* caption, const TwipsRect& rect, int tabIndex)
{
    auto* option = new forms::OptionButton(*Frame1, QString::fromLatin1(name), QString::fromLatin1(caption));
    QRect geometry = pixels(rect);
    // Leave room for the indicator and the caption's descenders.
    geometry.setHeight(std::max(geometry.height(), option->sizeHint().height()));
    option->setGeometry(geometry);
    addToTabOrder(option, tabIndex);
    return option;
}

forms::CommandButton* FrmPitch::commandButton(const char* name, const QString& caption, const TwipsRect& rect,
                                              int tabIndex)
{
    auto* button = new forms::CommandButton(*this, QString::fromLatin1(name), caption);
    button->setGeometry(pixels(rect));
    addToTabOrder(button, tabIndex);
    return button;
}

void FrmPitch::addDecoration()
{
    const QString fixedLimitGages = QString(75, QLatin1Char(' ')) + QStringLiteral("FIXED LIMIT GAGES");
    const Decoration labels[] = {
        {"Label18", QStringLiteral("Brought to you by:"), {6360, 120, 1455, 255}, {}},
        {"Label37",
         QStringLiteral("Click our logo above to contact us or order."),
         {7920, 1320, 2055, 615},
         {std::nullopt, QPalette::Highlight, false, Qt::AlignLeft, FontSpec{9.75, false, false}}},
        {"Label4", QStringLiteral("EXTERNAL PRODUCT THREADS"), {240, 2760, 2655, 495}, heading(kHeadingGrey)},
        {"Label5", QStringLiteral("  INTERNAL PRODUCT THREADS"), {7440, 2760, 2655, 495}, heading(kHeadingGrey)},
        {"Label10", QStringLiteral("ENTER AFTER PLATE PITCH DIAMETER"), {2880, 3600, 4575, 315}, heading(kDarkGrey)},
        {"Label11", QStringLiteral("ENTER PLATING OR COATING THICKNESS"), {2880, 4200, 4575, 285}, heading(kDarkGrey)},
        {"Label12", QStringLiteral("SUGGESTED PRE-PLATE PITCH DIAMETER"), {2880, 4800, 4575, 285}, heading(kDarkGrey)},
        {"Label13", QStringLiteral(" GO RING OR  SET PLUG"), {240, 5160, 1335, 615}, heading(kGreen)},
        {"Label14", QStringLiteral("NOGO RING OR SET PLUG"), {1560, 5160, 1335, 615}, heading(kDarkRed)},
        {"Label15", QStringLiteral("  GO WORK    PLUG"), {7440, 5160, 1335, 615}, heading(kGreen)},
        {"Label16", QStringLiteral("NOGO WORK PLUG"), {8760, 5160, 1335, 615}, heading(kDarkRed)},
        {"Label17",
         fixedLimitGages,
         {2880, 5160, 4575, 615},
         {kHeadingGrey, QPalette::HighlightedText, true, Qt::AlignHCenter, kLargeBold}},
        {"Label6", QStringLiteral("MAXIMUM"), {240, 3240, 1335, 375}, columnHeading()},
        {"Label7", QStringLiteral("MINIMUM"), {1560, 3240, 1335, 375}, columnHeading()},
        {"Label8", QStringLiteral("MINIMUM"), {7440, 3240, 1335, 375}, columnHeading()},
        {"Label9", QStringLiteral("MAXIMUM"), {8760, 3240, 1335, 375}, columnHeading()},
        {"Label1",
         QStringLiteral(" ORVANTA"),
         {3960, 2880, 3135, 735},
         {kHeadingGrey, QPalette::HighlightedText, false, Qt::AlignLeft, kLargeBold}},
        {"lbl60",
         QStringLiteral("60°"),
         {2880, 2880, 1095, 375},
         {kHeadingGrey, QPalette::HighlightedText, false, Qt::AlignRight, kLargeBold}},
        {"Label19",
         QStringLiteral("Calculations Refer to ASME  B1.1 and B1.13M "),
         {240, 5880, 9855, 375},
         {QColor(Qt::white), std::nullopt, false, Qt::AlignLeft, FontSpec{9.75, true, true}}},
        {"Label2", QString(), {2880, 2760, 1095, 135}, filler()},
        {"Label22", QString(), {3960, 2760, 3495, 135}, filler()},
        {"Label20", QString(), {2880, 3240, 1095, 375}, filler()},
        {"Label21", QString(), {7080, 2880, 375, 735}, filler()},
    };
    for (const Decoration& label : labels) {
        QLabel* made =
            forms::makeLabel(*this, QString::fromLatin1(label.name), label.caption, pixels(label.rect), label.look);
        made->lower(); // behind the entry fields it touches
    }

    const auto point = [this](int x, int y) { return pixels({x, y, 0, 0}).topLeft(); };
    forms::makeLine(*this, QStringLiteral("Line6"), point(240, 2760), point(240, 5760), 2);
    forms::makeLine(*this, QStringLiteral("Line8"), point(10080, 2760), point(10080, 5760), 2);
    forms::makeLine(*this, QStringLiteral("Line9"), point(240, 5760), point(10080, 5760), 2);
    forms::makeLine(*this, QStringLiteral("Line1"), point(2880, 2760), point(2880, 3240), 1);
}

} // namespace orvanta
