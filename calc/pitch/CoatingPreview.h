// The dialog's coating as the user sets it: a catalogue entry or the
// thickness typed by hand, read against the designated thread into the
// growth Fill writes and the fit of each side's class.
#pragma once

#include "FrmThread.h"
#include "ThreadLimits.h"
#include "ThreadRecord.h"

#include <QString>

#include <optional>

namespace orvanta {

// What Fill carries of the coating: what the record names.
using CoatingFill = record::FilledCoating;

struct CoatingReading {
    std::optional<CoatingFill> fill; // nothing asked for, or not readable
    QString message;                 // what is missing or wrong; empty when all is well
    // Without a fill: what the standard's minimum alone says of each side.
    QString externalFit;
    QString internalFit;
};

[[nodiscard]] CoatingReading readCoating(const FrmThread& dialog, const threads::ThreadLimits& limits);

} // namespace orvanta
