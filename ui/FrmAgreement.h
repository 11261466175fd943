// The user agreement shown at start: AGREE opens the calculator, CANCEL
// (also Enter and Esc, where it has the focus at start) ends the program.
#pragma once

#include "forms/Controls.h"
#include "forms/FormWindow.h"

class QListWidget;

namespace orvanta {

class FrmAgreement : public forms::FormWindow {
    Q_OBJECT
public:
    FrmAgreement();

    QListWidget* const List1;
    forms::CommandButton* const cmdagree;
    forms::CommandButton* const cmdexit;

    // The agreement text, one entry a line.
    static QStringList agreementLines();

private:
    forms::CommandButton* button(const char* name, const char* caption, const forms::TwipsRect& rect, int tabIndex);
};

} // namespace orvanta
