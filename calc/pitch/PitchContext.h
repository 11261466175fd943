// What the calculator window's handlers share: the window's controls grouped
// by thread side, numbers read from fields at the moment of use, the entry
// rule every field opens its validation with, messages and the locks.
#pragma once

#include "FrmPitch.h"
#include "PlatingArithmetic.h"

#include <functional>
#include <optional>
#include <vector>

namespace orvanta {

// One side's controls. The internal side enters its minimum first, so its
// first and last thickness fields are the other way round.
struct SideControls {
    ThreadSide side;
    forms::TextBox* afterPlateMax;
    forms::TextBox* afterPlateMin;
    forms::TextBox* maxThickness;
    forms::TextBox* minThickness;
    forms::TextBox* secondPitch;    // entered after its partner, and compared with it
    forms::TextBox* firstThickness; // where a re-entry of the thicknesses starts
    forms::TextBox* lastThickness;  // leaving it calculates the side
    QLabel* preplateMaxLabel;
    QLabel* preplateMinLabel;
    const char* reentrySignal; // written when the plating leaves no band
};

// A field's value when it is used: absent for an empty field. `failed` means
// its text was not a number; that has been reported and the focus sent there.
struct FieldValue {
    std::optional<double> value;
    bool failed = false;
};

// How the numeric entry rule ended for a field being left.
enum class EntryCheck { Empty, Refused, Number };

class PitchContext {
public:
    explicit PitchContext(FrmPitch& form);

    FrmPitch& form;
    [[nodiscard]] const SideControls& controls(ThreadSide side) const
    {
        return side == ThreadSide::External ? m_external : m_internal;
    }

    // The entry rule's test: an empty field passes untouched; a text that is
    // not a number is refused with the field's message, selected, and keeps
    // the focus.
    EntryCheck checkEntry(forms::TextBox& field, bool& cancel);
    // The entry rule's write-back: the number in the display pattern.
    void writeBack(forms::TextBox& field);
    // The whole rule, for a field with no checks of its own.
    void applyEntryRule(forms::TextBox& field, bool& cancel);

    FieldValue readField(forms::TextBox& field);
    [[nodiscard]] std::optional<double> numberInLabel(const QLabel& label) const;
    [[nodiscard]] QString formatted(double value) const;

    void showMessage(const char* text);
    void setInstruction(const char* caption);
    [[nodiscard]] bool instructionIs(const char* caption) const;

    // Every listener is called whenever the suggestions shown change
    // (shown, or cleared); the Sheet command is one of them.
    void addSuggestionsListener(std::function<void()> listener);
    void suggestionsChanged() const;

    // A side's after-plate fields locked once its suggestion is shown.
    void freezeext();
    void freezeint();
    void freeze(ThreadSide side);

private:
    [[nodiscard]] const char* notNumericMessage(const forms::TextBox& field) const;
    void reportNotNumeric(forms::TextBox& field);

    SideControls m_external;
    SideControls m_internal;
    std::vector<std::function<void()>> m_suggestionsListeners;
};

} // namespace orvanta
