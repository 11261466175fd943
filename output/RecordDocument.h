// The thread record drawn: HTML for the screen, and one renderer for PDF
// and paper, so both carry the same pages.
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

// Draws the whole record on `device` as vector text: on one page, shrunk
// from 9 pt to no less than 7 pt if need be; a record that does not fit goes
// on to further pages, numbered "page 1 of 2" at their feet, with the
// thread, its limits and its checks together on the first. Nothing is cut.
// False when the device would not paint or start a page.
[[nodiscard]] bool drawRecord(const record::ThreadRecord& record, QPagedPaintDevice& device);

// Writes the record as a PDF of as many pages as drawRecord needs, at
// `path`: a temporary file renamed into place, so a failure leaves no half
// PDF and keeps an existing file. Empty on success, else what went wrong.
[[nodiscard]] QString saveRecordPdf(const record::ThreadRecord& record, const QString& path);

// Prints the record on the printer as set up, page for page as the PDF.
bool printRecord(const record::ThreadRecord& record, QPrinter& printer);

} // namespace orvanta
