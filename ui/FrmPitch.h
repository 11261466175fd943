// The calculator window: external product threads on the left, internal
// product threads on the right. It owns the controls; the calculator's
// handlers attach to them from outside.
#pragma once

#include "forms/Controls.h"
#include "forms/FormWindow.h"

#include <QLabel>

class QFrame;

namespace orvanta {

class FrmPitch : public forms::FormWindow {
    Q_OBJECT
public:
    static constexpr const char* kStartupInstruction = "Enter Nominal Thread Size and Class and press <TAB>.";

    FrmPitch();

    // Entry fields, in tab order.
    forms::TextBox* const txtexternalmax;
    forms::TextBox* const txtexternalmin;
    forms::TextBox* const txtextmaxthickness;
    forms::TextBox* const txtextminthickness;
    forms::TextBox* const txtinternalmin;
    forms::TextBox* const txtinternalmax;
    forms::TextBox* const txtintminthickness;
    forms::TextBox* const txtintmaxthickness;

    // Suggested pre-plate limits. On the internal side the names run against
    // their columns: lblintmaxsug stands in the MINIMUM column.
    QLabel* const lblextmaxsug;
    QLabel* const lblextminsug;
    QLabel* const lblintmaxsug;
    QLabel* const lblintminsug;

    // The guidance line; some of its captions are signals between the sides.
    QLabel* const lblinst;

    QFrame* const Frame1;
    forms::OptionButton* const optinch;
    forms::OptionButton* const optmetric;

    forms::CommandButton* const cmdok;
    forms::CommandButton* const cmdcancel;
    forms::CommandButton* const cmdprint;
    forms::CommandButton* const cmddownload;
    forms::CommandButton* const cmdthread;
    forms::CommandButton* const cmdsheet;

    // Names the standard thread whose limits were filled in, so a printout records it.
    QLabel* const lblthread;

    forms::PictureBox* const Image1;

protected:
    void Form_Load() override;

private:
    forms::TextBox* entryField(const char* name, const forms::TwipsRect& rect, int tabIndex);
    QLabel* suggestionLabel(const char* name, const forms::TwipsRect& rect);
    QFrame* unitFrame();
    forms::OptionButton* unitOption(const char* name, const char* caption, const forms::TwipsRect& rect, int tabIndex);
    forms::CommandButton* commandButton(const char* name, const QString& caption, const forms::TwipsRect& rect,
                                        int tabIndex);
    void addDecoration();
    void describeControls();
};

} // namespace orvanta
