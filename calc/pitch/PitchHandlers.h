// The calculator window's behaviour: attaches the entry sequences of both
// sides, the Calculate command and the clearing to the window's events.
#pragma once

#include "CalculateCommand.h"
#include "Clearing.h"
#include "ExternalEntry.h"
#include "InternalEntry.h"
#include "PitchContext.h"
#include "SheetCommand.h"
#include "ThreadFill.h"

namespace orvanta {

class PitchHandlers {
public:
    explicit PitchHandlers(FrmPitch& form);
    PitchHandlers(const PitchHandlers&) = delete;
    PitchHandlers& operator=(const PitchHandlers&) = delete;

private:
    PitchContext m_context;
    ExternalEntry m_external;
    InternalEntry m_internal;
    CalculateCommand m_calculate;
    Clearing m_clearing;
    ThreadFill m_threadFill;
    SheetCommand m_sheet;
};

} // namespace orvanta
