#include "InternalEntry.h"

#include "Captions.h"
#include "SideCalculation.h"

namespace orvanta {

InternalEntry::InternalEntry(PitchContext& context)
    : m_context(context)
    , m_form(context.form)
{
}

bool InternalEntry::forwardExternalReentry()
{
    if (!m_context.instructionIs(captions::kReenterExternal)) {
        return false;
    }
    m_form.txtextmaxthickness->moveFocusHere();
    return true;
}

void InternalEntry::txtinternalmin_GotFocus()
{
    if (!forwardExternalReentry()) {
        m_context.setInstruction(captions::kEnterMinPitch);
    }
}

void InternalEntry::txtinternalmax_GotFocus()
{
    m_context.setInstruction(captions::kEnterMaxPitch);
}

void InternalEntry::txtintminthickness_GotFocus()
{
    if (!forwardExternalReentry()) {
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
    if (m_context.checkEntry(*m_form.txtinternalmin, cancel) == EntryCheck::Number) {
        m_context.writeBack(*m_form.txtinternalmin);
    }
}

void InternalEntry::txtinternalmax_Validate(bool& cancel)
{
    forms::TextBox& field = *m_form.txtinternalmax;
    if (m_context.checkEntry(field, cancel) != EntryCheck::Number) {
        return;
    }
    if (m_form.txtinternalmin->text().isEmpty()) {
        m_form.txtinternalmin->moveFocusHere();
        return;
    }
    m_context.writeBack(field);
    const FieldValue maximum = m_context.readField(field);
    const FieldValue minimum = m_context.readField(*m_form.txtinternalmin);
    if (minimum.failed) {
        return;
    }
    if (*minimum.value < *maximum.value) {
        return;
    }
    m_context.showMessage(thicknessOrderMessage(ThreadSide::Internal).data());
    cancel = true;
    field.selectAll();
}

void InternalEntry::txtintminthickness_Validate(bool& cancel)
{
    if (m_context.checkEntry(*m_form.txtintminthickness, cancel) == EntryCheck::Number) {
        m_context.writeBack(*m_form.txtintminthickness);
    }
}

void InternalEntry::txtintmaxthickness_Validate(bool& cancel)
{
    forms::TextBox& field = *m_form.txtintmaxthickness;
    if (m_context.checkEntry(field, cancel) != EntryCheck::Number) {
        return;
    }
    // As on the external side, a missing partner thickness is asked for.
    if (m_form.txtintminthickness->text().isEmpty()) {
        m_form.txtintminthickness->moveFocusHere();
        return;
    }
    // Without both after-plate limits the side waits; the focus goes on.
    if (m_form.txtinternalmin->text().isEmpty() || m_form.txtinternalmax->text().isEmpty()) {
        return;
    }
    m_context.writeBack(field);
    const std::optional<ThicknessOrder> order = readThicknessOrder(m_context, ThreadSide::Internal);
    if (!order) {
        return;
    }
    if (*order == ThicknessOrder::Reversed) {
        refuseReversedThicknesses(m_context, ThreadSide::Internal);
        cancel = true;
        return;
    }
    showSuggestion(m_context, ThreadSide::Internal, *order, OnPlatingTooGreat::KeepFocus);
}

} // namespace orvanta
