// The thread record drawn: HTML for the screen, and one renderer for PDF
// and paper, so both carry the same page.
#pragma once

#include "ThreadRecord.h"

#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPrinter;

namespace orvanta {

[[nodiscard]] QString recordHtml(const record::ThreadRecord& record);

// The page of the locale's paper: Letter in the United States and Canada, A4 elsewhere.
[[nodiscard]] QPageSize::PageSizeId localePaper();

// Draws the record on one page of `device`, as vector text, shrunk to fit.
void drawRecord(const record::ThreadRecord& record, QPagedPaintDevice& device);

// Writes the record as a one-page PDF at `path`: a temporary file renamed
// into place, so a failure leaves no half PDF and keeps an existing file.
// Empty on success, else what went wrong.
[[nodiscard]] QString saveRecordPdf(const record::ThreadRecord& record, const QString& path);

// Prints the record on the printer as set up.
bool printRecord(const record::ThreadRecord& record, QPrinter& printer);

} // namespace orvanta
