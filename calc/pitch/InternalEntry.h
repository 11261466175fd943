// The internal side's guided entry: minimum before maximum in both pairs;
// leaving the maximum thickness calculates the side.
#pragma once

#include "PitchContext.h"

namespace orvanta {

class InternalEntry {
public:
    explicit InternalEntry(PitchContext& context);

    void txtinternalmin_GotFocus();
    void txtinternalmax_GotFocus();
    void txtintminthickness_GotFocus();
    void txtintmaxthickness_GotFocus();

    void txtinternalmin_Validate(bool& cancel);
    void txtinternalmax_Validate(bool& cancel);
    void txtintminthickness_Validate(bool& cancel);
    void txtintmaxthickness_Validate(bool& cancel);

private:
    PitchContext& m_context;
    FrmPitch& m_form;
};

} // namespace orvanta
