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

namespace {

// True when both suggestions are shown and the minimum is not below the
// maximum. Compared as shown: two values that display alike leave no band.
bool noBandLeft(const PitchContext& context, const SideControls& fields)
{
    const std::optional<double> maximum = context.numberInLabel(*fields.preplateMaxLabel);
    const std::optional<double> minimum = context.numberInLabel(*fields.preplateMinLabel);
    return maximum && minimum && *minimum >= *maximum;
}

} // namespace

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

} // namespace orvanta
