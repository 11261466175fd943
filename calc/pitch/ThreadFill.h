// The Thread button: the standard thread dialog, and Fill, which clears the
// calculator and writes the designated sides' after-plate limits into it.
// lblthread then names what was filled, and says so once a filled field is
// changed by hand; clearing blanks it.
#pragma once

#include "Clearing.h"
#include "PitchContext.h"
#include "ThreadPreview.h"

namespace orvanta {

class ThreadFill {
public:
    ThreadFill(PitchContext& context, Clearing& clearing);

    void cmdthread_Click();
    // What was filled, while the calculator still shows it: nothing once
    // cleared; `edited` once a filled limit was changed by hand.
    [[nodiscard]] std::optional<ThreadChoice> filled(bool& edited) const;
    // Fill: what the dialog's Fill does to the calculator.
    void fill(const ThreadChoice& choice);

private:
    void noteEdit();

    PitchContext& m_context;
    Clearing& m_clearing;
    // The after-plate fields Fill wrote, and their texts.
    std::vector<std::pair<forms::TextBox*, QString>> m_filled;
    QString m_description;
    std::optional<ThreadChoice> m_choice;
};

} // namespace orvanta
