#include "InternalEntry.h"

#include "Captions.h"
#include "SideCalculation.h"

namespace orvanta {

InternalEntry::InternalEntry(PitchContext& context)
    : m_context(context)
    , m_form(context.form)
{
}

void InternalEntry::txtinternalmin_GotFocus()
{
    if (!forwardReentry(m_context, ThreadSide::External)) {
        m_context.setInstruction(captions::kEnterMinPitch);
    }
}

void InternalEntry::txtinternalmax_GotFocus()
{
    m_context.setInstruction(captions::kEnterMaxPitch);
}

void InternalEntry::txtintminthickness_GotFocus()
{
    if (!forwardReentry(m_context, ThreadSide::External)) {
        m_context.setInstruction(captions::kEnterMinThickness);
        m_form.txtintminthickness->selectAll();
    }
}

void InternalEntry::txtintmaxthickness_GotFocus()
{
    m_form.txtintmaxthickness->selectAll();
    m_context.setInstruction(captions::kEnterMaxThicknessAndCalculate);
}

void InternalEntry::txtinternalmin_Validate(bool& cancel)
{
    m_context.applyEntryRule(*m_form.txtinternalmin, cancel);
}

void InternalEntry::txtinternalmax_Validate(bool& cancel)
{
    leaveSecondPitch(m_context, ThreadSide::Internal, cancel);
}

void InternalEntry::txtintminthickness_Validate(bool& cancel)
{
    m_context.applyEntryRule(*m_form.txtintminthickness, cancel);
}

void InternalEntry::txtintmaxthickness_Validate(bool& cancel)
{
    leaveLastThickness(m_context, ThreadSide::Internal, cancel);
}

} // namespace orvanta
