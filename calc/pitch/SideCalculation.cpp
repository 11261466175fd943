#include "SideCalculation.h"

#include "Captions.h"

namespace orvanta {

std::optional<ThicknessOrder> readThicknessOrder(PitchContext& context, ThreadSide side)
{
    const SideControls& fields = context.controls(side);
    const FieldValue maxThickness = context.readField(*fields.maxThickness);
    if (maxThickness.failed) {
        return std::nullopt;
    }
    const FieldValue minThickness = context.readField(*fields.minThickness);
    if (minThickness.failed || !maxThickness.value || !minThickness.value) {
        return std::nullopt;
    }
    return classifyThicknesses(*minThickness.value, *maxThickness.value);
}

void refuseReversedThicknesses(PitchContext& context, ThreadSide side)
{
    context.showMessage(thicknessOrderMessage(side).data());
    context.controls(side).lastThickness->selectAll();
}

bool noBandLeft(const PitchContext& context, const SideControls& fields)
{
    const std::optional<double> maximum = context.numberInLabel(*fields.preplateMaxLabel);
    const std::optional<double> minimum = context.numberInLabel(*fields.preplateMinLabel);
    return maximum && minimum && leavesNoBand(*maximum, *minimum);
}

SideOutcome showSuggestion(PitchContext& context, ThreadSide side, ThicknessOrder order, OnPlatingTooGreat focusPolicy)
{
    const SideControls& fields = context.controls(side);
    SideEntry entry;
    for (auto [field, value] :
         {std::pair{fields.afterPlateMax, &entry.afterPlateMax}, std::pair{fields.afterPlateMin, &entry.afterPlateMin},
          std::pair{fields.maxThickness, &entry.maxThickness}, std::pair{fields.minThickness, &entry.minThickness}}) {
        const FieldValue read = context.readField(*field);
        if (read.failed) {
            return SideOutcome::Stopped;
        }
        *value = read.value;
    }

    const PrePlateLimits limits = computePrePlateLimits(side, entry, order);
    const WriteOrder sequence = writeOrder(side, order);
    for (const PrePlateLimit which : {sequence.first, sequence.second}) {
        if (const std::optional<double> value = limits.value(which)) {
            QLabel* label = which == PrePlateLimit::Maximum ? fields.preplateMaxLabel : fields.preplateMinLabel;
            label->setText(context.formatted(*value));
        }
    }
    context.suggestionsChanged();
    if (limits.overflowed) {
        context.showMessage(captions::kValueTooLarge);
        return SideOutcome::Stopped;
    }

    context.setInstruction(captions::kSuggestionShown);
    context.freeze(side);

    if (!noBandLeft(context, fields)) {
        return SideOutcome::Shown;
    }
    if (focusPolicy == OnPlatingTooGreat::FocusFirstThickness) {
        fields.firstThickness->moveFocusHere();
        fields.firstThickness->selectAll();
    }
    context.showMessage(captions::kPlateTooGreat);
    context.setInstruction(fields.reentrySignal);
    return SideOutcome::PlatingTooGreat;
}

void leaveSecondPitch(PitchContext& context, ThreadSide side, bool& cancel)
{
    const SideControls& fields = context.controls(side);
    forms::TextBox& field = *fields.secondPitch;
    forms::TextBox& partner = &field == fields.afterPlateMin ? *fields.afterPlateMax : *fields.afterPlateMin;
    if (context.checkEntry(field, cancel) != EntryCheck::Number) {
        return;
    }
    if (partner.text().isEmpty()) {
        partner.moveFocusHere();
        return;
    }
    context.writeBack(field);
    const FieldValue maximum = context.readField(*fields.afterPlateMax);
    const FieldValue minimum = maximum.failed ? FieldValue{} : context.readField(*fields.afterPlateMin);
    if (maximum.failed || minimum.failed || *minimum.value < *maximum.value) {
        return;
    }
    // Equal limits are refused too: a thread needs a tolerance band.
    context.showMessage(thicknessOrderMessage(side).data());
    cancel = true;
    field.selectAll();
}

void leaveLastThickness(PitchContext& context, ThreadSide side, bool& cancel)
{
    const SideControls& fields = context.controls(side);
    forms::TextBox& field = *fields.lastThickness;
    if (context.checkEntry(field, cancel) != EntryCheck::Number) {
        return;
    }
    if (fields.firstThickness->text().isEmpty()) {
        fields.firstThickness->moveFocusHere();
        return;
    }
    if (side == ThreadSide::Internal &&
        (fields.afterPlateMin->text().isEmpty() || fields.afterPlateMax->text().isEmpty())) {
        return;
    }
    context.writeBack(field);
    const std::optional<ThicknessOrder> order = readThicknessOrder(context, side);
    if (!order) {
        return;
    }
    if (*order == ThicknessOrder::Reversed) {
        refuseReversedThicknesses(context, side);
        cancel = true;
        return;
    }
    showSuggestion(context, side, *order,
                   side == ThreadSide::External ? OnPlatingTooGreat::FocusFirstThickness
                                                : OnPlatingTooGreat::KeepFocus);
}

bool forwardReentry(PitchContext& context, ThreadSide signalling)
{
    const SideControls& fields = context.controls(signalling);
    if (!context.instructionIs(fields.reentrySignal)) {
        return false;
    }
    fields.firstThickness->moveFocusHere();
    return true;
}

} // namespace orvanta
