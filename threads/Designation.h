// What a thread designation says, read from the text people write on
// drawings, before any table is consulted: size, pitch, series and classes.
// Plain C++; no data here, so every fault of the text itself is named here
// and every fault against the standards' tables is named by the engine.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orvanta::threads {

// A Unified class: grade 1, 2 or 3; A external, B internal.
struct UnifiedClass {
    int grade = 2;
    bool external = true;
    friend bool operator==(const UnifiedClass&, const UnifiedClass&) = default;
};

enum class UnifiedSizeForm {
    NumberSize, // #10
    Inches,     // 1/2, 1-1/4, .500, 2.000
    Undecided,  // a bare 1 to 12: a number size or whole inches, the pitch decides
};

struct UnifiedDesignation {
    UnifiedSizeForm sizeForm = UnifiedSizeForm::Inches;
    int numberSize = 0;       // NumberSize and Undecided
    long diameterMicro = 0;   // Inches and Undecided: the size in millionths of an inch
    int tpiTenths = 0;        // threads per inch, in tenths: 4-1/2 is 45
    std::string series;       // "UNC", "UNF", "UNEF", "UN", "UNS", or empty when not written
    bool roundedRoot = false; // the UNR form: an external thread, UN for the pitch diameter
    std::optional<UnifiedClass> externalClass;
    std::optional<UnifiedClass> internalClass;
    bool leftHand = false; // LH written; RH is the default and not kept
};

// A metric class: tolerance grade and position for the pitch diameter, and
// the crest diameter's when the class is written in two parts (4g6g).
struct MetricClass {
    int grade = 6;
    char position = 'g'; // e f g h external, G H internal
    std::string text;    // as it goes into the normal form: "6g", "4g6g"
    // The classes for hot-dip galvanizing: 'z' in 6az (position 'a') and
    // 6AZ, 'x' in 6AX (position 'A'); 0 for the ISO 965-1 classes.
    char galvanizing = 0;
    [[nodiscard]] bool external() const { return position >= 'a' && position <= 'z'; }
};

struct MetricDesignation {
    long diameterMicro = 0; // d in micrometres
    long pitchMicro = 0;    // 0 when not written: coarse pitch implied
    std::optional<MetricClass> externalClass;
    std::optional<MetricClass> internalClass;
    bool leftHand = false;
};

struct ParsedDesignation {
    std::variant<UnifiedDesignation, MetricDesignation> thread;
    std::string error; // empty when the text reads as a designation
};

[[nodiscard]] ParsedDesignation parseDesignation(std::string_view text);

} // namespace orvanta::threads
