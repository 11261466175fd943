#include "CalculateCommand.h"

#include "SideCalculation.h"

namespace orvanta {

CalculateCommand::CalculateCommand(PitchContext& context)
    : m_context(context)
{
}

void CalculateCommand::cmdok_Click()
{
    const FrmPitch& form = m_context.form;
    if (!form.optinch->isChecked() && !form.optmetric->isChecked()) {
        return;
    }
    if (calculateSide(ThreadSide::External) == Continue::Stop) {
        return;
    }
    calculateSide(ThreadSide::Internal);
}

CalculateCommand::Continue CalculateCommand::calculateSide(ThreadSide side)
{
    const SideControls& fields = m_context.controls(side);
    if (fields.maxThickness->text().isEmpty() || fields.minThickness->text().isEmpty()) {
        return Continue::NextSide;
    }
    // The side is locked on every path below: its after-plate fields must
    // hold numbers first, or a text left there unvalidated (Enter validates
    // nothing) could never be corrected. Reported like the field's own rule.
    for (forms::TextBox* field : {fields.afterPlateMax, fields.afterPlateMin, fields.lastThickness}) {
        if (m_context.readField(*field).failed) {
            return Continue::Stop;
        }
    }
    m_context.writeBack(*fields.lastThickness);

    const std::optional<ThicknessOrder> order = readThicknessOrder(m_context, side);
    if (!order) {
        return Continue::Stop;
    }
    if (*order == ThicknessOrder::Reversed) {
        refuseReversedThicknesses(m_context, side);
        m_context.freeze(side);
        return Continue::Stop;
    }
    // The command moves no focus: a re-entry signal waits for the fields
    // that forward it. A side that failed ends the command.
    const SideOutcome outcome = showSuggestion(m_context, side, *order, OnPlatingTooGreat::KeepFocus);
    return outcome == SideOutcome::Shown ? Continue::NextSide : Continue::Stop;
}

} // namespace orvanta
