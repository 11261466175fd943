// The external side's guided entry: maximum before minimum, pitch diameters
// before thicknesses; leaving the minimum thickness calculates the side.
#pragma once

#include "PitchContext.h"

namespace orvanta {

class ExternalEntry {
public:
    explicit ExternalEntry(PitchContext& context);

    void txtexternalmax_GotFocus();
    void txtexternalmin_GotFocus();
    void txtextmaxthickness_GotFocus();
    void txtextminthickness_GotFocus();

    void txtexternalmax_Validate(bool& cancel);
    void txtexternalmin_Validate(bool& cancel);
    void txtextmaxthickness_Validate(bool& cancel);
    void txtextminthickness_Validate(bool& cancel);

private:
    PitchContext& m_context;
    FrmPitch& m_form;
};

} // namespace orvanta
