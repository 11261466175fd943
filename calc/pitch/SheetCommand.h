// The Sheet button: the thread record window over the calculator. The
// button is enabled while a side shows its suggestions; the record follows
// the part number, notes and wire as they are typed, and is saved as a PDF
// or printed from the same page.
#pragma once

#include "FrmSheet.h"
#include "PitchContext.h"
#include "ThreadFill.h"
#include "ThreadRecord.h"

namespace orvanta {

class SheetCommand {
public:
    SheetCommand(PitchContext& context, const ThreadFill& threadFill);

    void cmdsheet_Click();

    // The record as the calculator and the window's fields make it now.
    [[nodiscard]] record::ThreadRecord currentRecord(const FrmSheet& sheet) const;

private:
    void updateEnabled();
    [[nodiscard]] std::vector<record::ShownSide> shownSides() const;
    void savePdf(FrmSheet& sheet) const;
    void print(FrmSheet& sheet) const;
    [[nodiscard]] QString suggestedFileName(const FrmSheet& sheet) const;

    PitchContext& m_context;
    const ThreadFill& m_threadFill;
};

} // namespace orvanta
