// The standard thread dialog's behaviour while the user types: the
// designation looked up at each change, its after-plate limits under the
// chosen plating rule shown, Fill enabled only for a valid designation.
#pragma once

#include "CoatingPreview.h"
#include "FrmThread.h"
#include "ThreadLimits.h"

#include <optional>

namespace orvanta {

// What Fill carries into the calculator.
struct ThreadChoice {
    threads::ThreadLimits limits; // the after-plate limits under `rule`
    threads::AfterPlate rule = threads::AfterPlate::ClassLimits;
    std::optional<CoatingFill> coating; // its growth goes into the thickness fields
};

class ThreadPreview {
public:
    explicit ThreadPreview(FrmThread& dialog);

    [[nodiscard]] const std::optional<ThreadChoice>& choice() const { return m_choice; }

    // The caption that names a choice on the calculator.
    [[nodiscard]] static QString describe(const ThreadChoice& choice);

private:
    void refresh();
    void clearValues();
    void show(const ThreadChoice& choice);
    void showCoating(const CoatingReading& reading, UnitSystem unit);

    FrmThread& m_dialog;
    std::optional<ThreadChoice> m_choice;
};

} // namespace orvanta
