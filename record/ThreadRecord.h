// The thread record: the whole job on one sheet, as rows of text, built
// from what the calculator shows and the gauging library. Plain C++, so
// that anything that draws or prints it (the window, a PDF, paper, the
// console) shows the same rows.
#pragma once

#include "Inspection.h"
#include "ThreadLimits.h"

#include <optional>
#include <string>
#include <vector>

namespace orvanta::record {

// One side as the calculator shows it: every text exactly as in its field
// or label.
struct ShownSide {
    ThreadSide side = ThreadSide::External;
    std::string afterPlateMax;
    std::string afterPlateMin;
    std::string maxThickness;
    std::string minThickness;
    std::string preplateMax;
    std::string preplateMin;
    std::string message; // what the calculator said of this side instead of numbers that do not hold
};

// The coating chosen with the designation, in the thread's unit.
struct FilledCoating {
    std::string name;   // the catalogue's normal name; empty for a thickness typed by hand
    std::string source; // where its thickness and growth come from
    double minThickness = 0;
    double maxThickness = 0;
    double minGrowth = 0;
    double maxGrowth = 0;
    std::vector<std::string> notes;
    std::string externalFit; // "fits", "does not fit: ...", or why the class sets no limit
    std::string internalFit;
    // Hot-dip galvanizing: the sides are made to these limits (a galvanizing
    // class, an overtapped nut), not moved by a growth the calculator gets.
    bool growthFilled = true;
    bool rangeKnown = true; // false: only the minimum thickness is known
    std::optional<threads::SideLimits> madeExternal;
    std::optional<threads::SideLimits> madeInternal;
};

// The designation filled in from the Standard Thread window, if any.
struct FilledThread {
    threads::ThreadLimits limits;
    std::string description; // "1/2-13 UNC-2A/2B, class limits after plating[, edited]"
    bool edited = false;
    std::optional<FilledCoating> coating;
};

struct RecordInput {
    std::string date;    // as the record prints it
    std::string program; // "Orvanta 0.1.0"
    std::string partNumber;
    std::string notes;
    std::optional<double> wire; // in the record's unit; the best wire when absent
    std::string wireError;      // the wire as typed could not be read: why
    UnitSystem unit = UnitSystem::Inch;
    std::string decimalSeparator = "."; // as the calculator shows numbers
    std::optional<FilledThread> thread;
    std::vector<ShownSide> sides; // the sides that show suggestions (or a message)
};

// A block of the record: a heading, then rows of cells; the first row of a
// table is its header.
struct Section {
    std::string heading;
    std::vector<std::vector<std::string>> rows;
    bool table = false; // false: label and value pairs
    // The thread, its limits and its checks: kept together on the first
    // page; what follows (notes, standards) may go on to further pages.
    bool job = true;
};

struct ThreadRecord {
    std::string title;
    std::vector<Section> sections;
};

[[nodiscard]] ThreadRecord buildRecord(const RecordInput& input);

// The record as plain text, one line a row: for a screen reader, a search
// or the console.
[[nodiscard]] std::string plainText(const ThreadRecord& record);

} // namespace orvanta::record
