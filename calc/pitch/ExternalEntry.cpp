#include "ExternalEntry.h"

#include "Captions.h"
#include "SideCalculation.h"

namespace orvanta {

ExternalEntry::ExternalEntry(PitchContext& context)
    : m_context(context)
    , m_form(context.form)
{
}

void ExternalEntry::txtexternalmax_GotFocus()
{
    if (!forwardReentry(m_context, ThreadSide::Internal)) {
        m_context.setInstruction(captions::kEnterMaxPitch);
    }
}

void ExternalEntry::txtexternalmin_GotFocus()
{
    m_context.setInstruction(captions::kEnterMinPitch);
}

void ExternalEntry::txtextmaxthickness_GotFocus()
{
    if (!forwardReentry(m_context, ThreadSide::Internal)) {
        m_form.txtextmaxthickness->selectAll();
        m_context.setInstruction(captions::kEnterMaxThickness);
    }
}

void ExternalEntry::txtextminthickness_GotFocus()
{
    m_form.txtextminthickness->selectAll();
    m_context.setInstruction(captions::kEnterMinThicknessAndCalculate);
}

void ExternalEntry::txtexternalmax_Validate(bool& cancel)
{
    // Not compared with the minimum here: that is the minimum's check.
    m_context.applyEntryRule(*m_form.txtexternalmax, cancel);
}

void ExternalEntry::txtexternalmin_Validate(bool& cancel)
{
    leaveSecondPitch(m_context, ThreadSide::External, cancel);
}

void ExternalEntry::txtextmaxthickness_Validate(bool& cancel)
{
    m_context.applyEntryRule(*m_form.txtextmaxthickness, cancel);
}

void ExternalEntry::txtextminthickness_Validate(bool& cancel)
{
    leaveLastThickness(m_context, ThreadSide::External, cancel);
}

} // namespace orvanta
