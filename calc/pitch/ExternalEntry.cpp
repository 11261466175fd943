#include "ExternalEntry.h"

#include "Captions.h"
#include "SideCalculation.h"

namespace orvanta {

ExternalEntry::ExternalEntry(PitchContext& context)
    : m_context(context)
    , m_form(context.form)
{
}

bool ExternalEntry::forwardInternalReentry()
{
    if (!m_context.instructionIs(captions::kReenterInternal)) {
        return false;
    }
    m_form.txtintminthickness->moveFocusHere();
    return true;
}

void ExternalEntry::txtexternalmax_GotFocus()
{
    if (!forwardInternalReentry()) {
        m_context.setInstruction(captions::kEnterMaxPitch);
    }
}

void ExternalEntry::txtexternalmin_GotFocus()
{
    m_context.setInstruction(captions::kEnterMinPitch);
}

void ExternalEntry::txtextmaxthickness_GotFocus()
{
    if (!forwardInternalReentry()) {
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
    if (m_context.checkEntry(*m_form.txtexternalmax, cancel) == EntryCheck::Number) {
        m_context.writeBack(*m_form.txtexternalmax);
    }
}

void ExternalEntry::txtexternalmin_Validate(bool& cancel)
{
    forms::TextBox& field = *m_form.txtexternalmin;
    if (m_context.checkEntry(field, cancel) != EntryCheck::Number) {
        return;
    }
    if (m_form.txtexternalmax->text().isEmpty()) {
        m_form.txtexternalmax->moveFocusHere();
        return;
    }
    m_context.writeBack(field);
    const FieldValue maximum = m_context.readField(*m_form.txtexternalmax);
    if (maximum.failed) {
        return;
    }
    const FieldValue minimum = m_context.readField(field);
    if (*minimum.value < *maximum.value) {
        return;
    }
    // Equal limits are refused too: a thread needs a tolerance band.
    m_context.showMessage(thicknessOrderMessage(ThreadSide::External).data());
    cancel = true;
    field.selectAll();
}

void ExternalEntry::txtextmaxthickness_Validate(bool& cancel)
{
    if (m_context.checkEntry(*m_form.txtextmaxthickness, cancel) == EntryCheck::Number) {
        m_context.writeBack(*m_form.txtextmaxthickness);
    }
}

void ExternalEntry::txtextminthickness_Validate(bool& cancel)
{
    forms::TextBox& field = *m_form.txtextminthickness;
    if (m_context.checkEntry(field, cancel) != EntryCheck::Number) {
        return;
    }
    if (m_form.txtextmaxthickness->text().isEmpty()) {
        m_form.txtextmaxthickness->moveFocusHere();
        return;
    }
    m_context.writeBack(field);
    const std::optional<ThicknessOrder> order = readThicknessOrder(m_context, ThreadSide::External);
    if (!order) {
        return;
    }
    if (*order == ThicknessOrder::Reversed) {
        refuseReversedThicknesses(m_context, ThreadSide::External);
        cancel = true;
        return;
    }
    showSuggestion(m_context, ThreadSide::External, *order, OnPlatingTooGreat::FocusFirstThickness);
}

} // namespace orvanta
