// Inch nuts for hot-dip galvanized bolts: bolts galvanized to ASTM F2329 keep
// their class 2A limits, and the nut is tapped after galvanizing to the
// class 2B pitch diameter limits plus a diametral allowance for the zinc,
// ASTM A563's overtapping table (UNC, and 8-UN where the table lists it).
#pragma once

#include "ThreadLimits.h"

#include <optional>
#include <span>
#include <string>

namespace orvanta::threads {

struct OvertapAllowance {
    long diameterMicro;       // millionths of an inch
    int tpiTenths;            // threads per inch, in tenths
    int allowanceThousandths; // diametral allowance, thousandths of an inch
};

[[nodiscard]] std::span<const OvertapAllowance> overtapAllowances();

// The limits to tap an internal inch thread to after galvanizing: its class
// 2B pitch diameter limits, both raised by the allowance. The table sets the
// pitch diameter only, so the major and minor limits are left empty. Empty,
// with the reason in `error`, for a thread the table does not list or one
// that is not a class 2B internal thread.
[[nodiscard]] std::optional<SideLimits> overtappedNut(const ThreadLimits& thread, std::string& error);

} // namespace orvanta::threads
