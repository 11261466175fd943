// The tables behind the Unified inch threads: the standard series and the
// few published values the formulas do not reproduce. The numbers live in
// data/, each beside the source it was checked against.
#pragma once

#include <span>

namespace orvanta::threads {

enum class UnifiedSeries { UNC, UNF, UNEF, UN4, UN6, UN8, UN12, UN16, UN20, UN28, UN32 };

struct UnifiedSize {
    const char* name;   // as written in a designation: "#10", "1/2", "1-1/4"
    long diameterMicro; // millionths of an inch
};

struct UnifiedSeriesEntry {
    long diameterMicro;
    int tpiTenths; // threads per inch, in tenths
    UnifiedSeries series;
};

// A published allowance that differs from 0.3 x Td2 rounded.
struct UnifiedAllowanceException {
    long diameterMicro;
    int tpiTenths; // threads per inch, in tenths
    long allowanceTenThousandths;
};

[[nodiscard]] std::span<const UnifiedSize> unifiedSizes();
[[nodiscard]] std::span<const UnifiedSeriesEntry> unifiedSeriesEntries();
[[nodiscard]] std::span<const UnifiedAllowanceException> unifiedAllowanceExceptions();

// A constant-pitch thread whose column could not be read at this size:
// whether it is a standard thread is not known, so it is not guessed.
[[nodiscard]] bool unverifiedConstantPitch(long diameterMicro, int tpiTenths);

// Class 1A and 1B limits are tabulated for the coarse and fine series only,
// from this size up.
[[nodiscard]] long classOneSmallestDiameterMicro();

} // namespace orvanta::threads
