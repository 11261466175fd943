// How to reach the maker; opened from the calculator's logo, and printable.
#pragma once

#include "forms/Controls.h"
#include "forms/FormWindow.h"

namespace orvanta {

class FrmContact : public forms::FormWindow {
    Q_OBJECT
public:
    FrmContact();

    forms::CommandButton* const cmdclose;
    forms::CommandButton* const cmdprint;
};

} // namespace orvanta
