// `orvanta-cli inspect`: for each side of a designated thread, and for the
// after-plate and (given a plating) the pre-plate band, what to make and
// check it with: one row per check, the calculator's four-decimal pattern.
#pragma once

#include "PlatingText.h"
#include "ResultRow.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

enum class InspectColumn {
    Designation,
    Side,
    Unit,
    Stage,
    Item,
    Name,
    Min,
    Max,
    WearLimit,
    Standard,
    Note,
    Error,
};
inline constexpr std::size_t kInspectColumnCount = 12;

[[nodiscard]] const std::array<std::string_view, kInspectColumnCount>& inspectColumnNames();

struct InspectRow {
    std::array<std::string, kInspectColumnCount> cells;
    [[nodiscard]] std::string& operator[](InspectColumn c) { return cells[static_cast<std::size_t>(c)]; }
    [[nodiscard]] const std::string& operator[](InspectColumn c) const { return cells[static_cast<std::size_t>(c)]; }
    [[nodiscard]] bool failed() const { return !(*this)[InspectColumn::Error].empty(); }
};

struct InspectChoices {
    threads::AfterPlate rule = threads::AfterPlate::ClassLimits;
    std::optional<PlatingSpec> plating; // with a coating: its thickness, given or narrowed
    std::optional<Thickness> wire;
    CoatingRequest coating;
};

// Every check of every side and stage; a designation that cannot be
// inspected gives one row with its error.
[[nodiscard]] std::vector<InspectRow> inspectRows(const threads::ThreadLookup& lookup, std::string_view written,
                                                  const InspectChoices& choices, const Formatting& format);

} // namespace orvanta::cli
