// The result of one thread side as the command line reports it: every cell
// already in the calculator's four-decimal pattern, an empty cell where
// nothing was computed or the standard sets no limit.
#pragma once

#include "CoatingCells.h"
#include "Inspection.h"
#include "PlatingText.h"
#include "SideSuggestion.h"
#include "ThreadLimits.h"

#include <array>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

enum class Column {
    Designation,
    Side,
    Unit,
    Basic,
    Allowance,
    ClassTolerance,
    AfterPlateMax,
    AfterPlateMin,
    PlatingMin,
    PlatingMax,
    PrePlateMax,
    PrePlateMin,
    Error,
    // The crest and root diameters, after the pitch diameter's columns so
    // that those keep their places.
    AfterPlateMajorMax,
    AfterPlateMajorMin,
    AfterPlateMinorMax,
    AfterPlateMinorMin,
    PrePlateMajorMax,
    PrePlateMajorMin,
    PrePlateMinorMax,
    PrePlateMinorMin,
    Drill,
    // The coating, after every column before it.
    Coating,
    ThicknessMin,
    ThicknessMax,
    GrowthMin,
    GrowthMax,
    MaxGrowth,
    Fits,
};
inline constexpr std::size_t kColumnCount = 29;

// The result columns' names, in their order.
[[nodiscard]] const std::array<std::string_view, kColumnCount>& columnNames();

struct ResultRow {
    std::array<std::string, kColumnCount> cells;
    [[nodiscard]] std::string& operator[](Column c) { return cells[static_cast<std::size_t>(c)]; }
    [[nodiscard]] const std::string& operator[](Column c) const { return cells[static_cast<std::size_t>(c)]; }
    [[nodiscard]] bool failed() const { return !(*this)[Column::Error].empty(); }
};

struct Formatting {
    std::string decimalSeparator = ".";
};

// A designation's sides with every cell that does not depend on the plating
// already written: what a parts list that repeats its threads reuses.
struct PreparedSide {
    ResultRow row;
    ThreadSide side = ThreadSide::External;
    threads::SideLimits limits;          // after plating, under the rule chosen
    std::optional<double> afterPlateMax; // as the calculator shows it
    std::optional<double> afterPlateMin;
};
struct PreparedThread {
    std::vector<PreparedSide> sides; // a fit: external first
    std::string error;               // a refused designation: its message
    std::optional<threads::ThreadLimits> thread;
    std::string written;
    UnitSystem unit = UnitSystem::Inch;
    Formatting format;
};

[[nodiscard]] PreparedThread prepareThread(const threads::ThreadLookup& lookup, std::string_view written,
                                           threads::AfterPlate rule, const Formatting& format);

// The plating as its fields would show it, and its texts.
struct ShownPlating {
    std::optional<Plating> plating;
    std::string minText;
    std::string maxText;
};
[[nodiscard]] ShownPlating shownPlating(const std::optional<Plating>& plating, const Formatting& format);

// The drill for an internal side's hole: in the minor band before plating,
// or the thread's own without a plating (shown thicknesses, thread unit).
// Absent for an external side or a minor band the standard leaves open.
[[nodiscard]] std::optional<gauging::Check> holeDrill(const threads::ThreadLimits& thread,
                                                      const threads::SideLimits& limits,
                                                      const std::optional<Plating>& plating);

// The head of a text answer: the designation and unit, then the plating as
// used, or the coating with its thickness and the growth the limits use.
void writeTextHeading(std::FILE* out, const threads::ThreadLimits& limits, const ShownPlating& plating,
                      const CoatingRequest& coating = {}, const Coated& coated = {});

// The rows of a prepared thread with this plating, in place of `rows`' own:
// one a side, or one with the refusal. With a coating, `plating` is its
// growth as shown, and `coated` says what it came from.
void completeRows(const PreparedThread& thread, const ShownPlating& plating, std::vector<ResultRow>& rows,
                  const CoatingRequest& coating = {}, const Coated& coated = {});

// Every side a designation names (a fit: external first); a refused
// designation gives one row with its message.
[[nodiscard]] std::vector<ResultRow> rowsForDesignation(const threads::ThreadLookup& lookup, std::string_view written,
                                                        threads::AfterPlate rule, const std::optional<Plating>& plating,
                                                        const Formatting& format, const CoatingRequest& coating = {});

// A side given by its own after-plate limits.
[[nodiscard]] ResultRow rowForLimits(ThreadSide side, UnitSystem unit, std::optional<double> afterPlateMax,
                                     std::optional<double> afterPlateMin, const std::optional<Plating>& plating,
                                     const Formatting& format);

} // namespace orvanta::cli
