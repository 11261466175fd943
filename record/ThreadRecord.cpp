#include "ThreadRecord.h"

#include "NumberText.h"
#include "PlatedDiameters.h"
#include "PlatingArithmetic.h"

#include <algorithm>

namespace orvanta::record {

namespace {

const char* sideHeading(ThreadSide side)
{
    return side == ThreadSide::External ? "External thread (GO and NOT GO ring or set plug)"
                                        : "Internal thread (GO and NOT GO work plug)";
}

std::optional<double> shownNumber(const std::string& text, const std::string& separator)
{
    return text.empty() ? std::nullopt : parseNumber(text, separator);
}

Section header(const RecordInput& input)
{
    Section section;
    const std::string thread = input.thread ? input.thread->description : std::string("limits entered by hand");
    section.rows = {{"Date", input.date},
                    {"Program", input.program},
                    {"Part number", input.partNumber.empty() ? std::string("(not given)") : input.partNumber},
                    {"Thread", thread},
                    {"Unit", input.unit == UnitSystem::Inch ? "inch" : "millimetre"}};
    return section;
}

const threads::SideLimits* classLimits(const RecordInput& input, ThreadSide side)
{
    if (!input.thread || input.thread->edited) {
        return nullptr;
    }
    const auto& limits = side == ThreadSide::External ? input.thread->limits.external : input.thread->limits.internal;
    return limits ? &*limits : nullptr;
}

Section limitsSection(const RecordInput& input, const ShownSide& side)
{
    Section section;
    section.heading = sideHeading(side.side);
    const auto number = [&](double value) { return formatPitchValue(value, input.decimalSeparator); };
    section.rows.push_back({"After-plate PD maximum", side.afterPlateMax});
    section.rows.push_back({"After-plate PD minimum", side.afterPlateMin});
    if (const threads::SideLimits* limits = classLimits(input, side.side)) {
        section.rows.push_back({"Basic PD", number(limits->basic)});
        section.rows.push_back({"Allowance", number(limits->allowance)});
        section.rows.push_back({"Class tolerance", number(limits->classTolerance)});
    }
    section.rows.push_back({"Plating thickness minimum", side.minThickness});
    section.rows.push_back({"Plating thickness maximum", side.maxThickness});
    if (!side.message.empty()) {
        section.rows.push_back({"Pre-plate PD", side.message});
    } else {
        section.rows.push_back({"Pre-plate PD maximum", side.preplateMax});
        section.rows.push_back({"Pre-plate PD minimum", side.preplateMin});
    }
    return section;
}

// Pitch, major and minor diameters of each side filled from a designation,
// after plating and before: one table, so the job keeps to its page.
void addDiameterRows(Section& section, const RecordInput& input, const ShownSide& side)
{
    const auto& limits =
        side.side == ThreadSide::External ? input.thread->limits.external : input.thread->limits.internal;
    if (!limits) {
        return;
    }
    const std::string& separator = input.decimalSeparator;
    const auto cell = [&](const std::optional<double>& value) {
        return value ? formatPitchValue(*value, separator) : std::string("not set");
    };
    const auto minThickness = shownNumber(side.minThickness, separator);
    const auto maxThickness = shownNumber(side.maxThickness, separator);
    const bool prePlate = side.message.empty() && minThickness && maxThickness;
    threads::SideDiameters plated;
    if (prePlate) {
        plated = threads::prePlateDiameters(*limits, *minThickness, *maxThickness);
    }
    // A limit the coating would cross over is no band, not an unset limit.
    const auto before = [&](const std::optional<double>& preplate, const std::optional<double>& after) {
        return !prePlate ? std::string() : preplate || !after ? cell(preplate) : std::string("no band");
    };
    const std::string sideName = side.side == ThreadSide::External ? "External" : "Internal";
    section.rows.push_back({sideName, "Pitch", side.afterPlateMax, side.afterPlateMin, prePlate ? side.preplateMax : "",
                            prePlate ? side.preplateMin : ""});
    const auto row = [&](const char* name, const threads::DiameterLimits& after,
                         const threads::DiameterLimits& preplate) {
        section.rows.push_back({sideName, name, cell(after.max), cell(after.min), before(preplate.max, after.max),
                                before(preplate.min, after.min)});
    };
    row("Major", limits->major, plated.major);
    // ASME B1.1 gives an external thread's root only as the UNR maximum, for reference.
    const bool reference = input.unit == UnitSystem::Inch && side.side == ThreadSide::External;
    row(reference ? "Minor (UNR, reference)" : "Minor", limits->minor, plated.minor);
}

// The coating filled with the designation: what it is, its thickness and
// growth with their source, and whether each side's class takes it.
Section coatingSection(const RecordInput& input, const FilledCoating& coating)
{
    const std::string& separator = input.decimalSeparator;
    const std::string unit = input.unit == UnitSystem::Inch ? " in" : " mm";
    const auto range = [&](double min, double max) {
        return formatPitchValue(min, separator) + " to " + formatPitchValue(max, separator) + unit;
    };
    Section section;
    section.heading = "Coating";
    section.job = false;
    section.rows.push_back({"Coating", coating.name.empty() ? std::string("thickness typed by hand") : coating.name});
    if (!coating.source.empty()) {
        section.rows.push_back({"Source", coating.source});
    }
    if (coating.rangeKnown) {
        section.rows.push_back({"Thickness", range(coating.minThickness, coating.maxThickness)});
        section.rows.push_back({"Growth", range(coating.minGrowth, coating.maxGrowth)});
    } else {
        section.rows.push_back({"Thickness", "at least " + formatPitchValue(coating.minThickness, separator) + unit});
    }
    for (const std::string& note : coating.notes) {
        section.rows.push_back({"Note", note});
    }
    if (input.thread->limits.external) {
        section.rows.push_back({"External fit", coating.externalFit});
    }
    if (input.thread->limits.internal) {
        section.rows.push_back({"Internal fit", coating.internalFit});
    }
    return section;
}

Section diametersSection(const RecordInput& input)
{
    Section section;
    section.table = true;
    section.heading = "Diameters";
    section.job = false;
    section.rows.push_back(
        {"Side", "Diameter", "After-plate maximum", "After-plate minimum", "Pre-plate maximum", "Pre-plate minimum"});
    for (const ShownSide& side : input.sides) {
        addDiameterRows(section, input, side);
    }
    return section;
}

const char* stageTitle(gauging::Stage stage)
{
    return stage == gauging::Stage::PrePlate ? "pre-plate (to order)" : "after plating (final inspection)";
}

// The checks of a stage into its table and their notes; the drill goes
// with the diameters instead, after the job.
void addChecks(Section& section, std::vector<std::string>& notes, std::vector<std::string>& drills,
               const gauging::StageChecks& stage, const std::string& separator)
{
    for (const gauging::Check& check : stage.checks) {
        if (check.item == gauging::Item::Drill) {
            drills.push_back(check.error.empty() ? check.name.written(separator) + ": " + check.note.written(separator)
                                                 : check.error.written(separator));
            continue;
        }
        const std::string name = check.name.written(separator) + (check.picked ? " (pick)" : "");
        const auto addNote = [&notes](const std::string& note) {
            if (!note.empty() && std::find(notes.begin(), notes.end(), note) == notes.end()) {
                notes.push_back(note);
            }
        };
        if (!check.error.empty()) {
            section.rows.push_back({stageTitle(stage.band.stage), name, "", "", "", check.standard});
            addNote(name + ": " + check.error.written(separator));
            continue;
        }
        section.rows.push_back({stageTitle(stage.band.stage), name, formatPitchValue(check.min, separator),
                                formatPitchValue(check.max, separator),
                                check.wearLimit ? formatPitchValue(*check.wearLimit, separator) : std::string(),
                                check.standard});
        // A tap's note is its own (the pick); gauges and wires share theirs.
        const std::string note = check.note.written(separator);
        addNote(check.item == gauging::Item::Tap && !note.empty() ? check.name.written(separator) + ": " + note : note);
    }
}

// Wires, gauges and taps for each band the side passes through: the
// machined thread before plating and the finished part after.
std::vector<Section> gaugingSections(const RecordInput& input, std::vector<std::string>& drills)
{
    std::vector<Section> sections;
    for (const ShownSide& side : input.sides) {
        const auto afterMax = shownNumber(side.afterPlateMax, input.decimalSeparator);
        const auto afterMin = shownNumber(side.afterPlateMin, input.decimalSeparator);
        const auto preMax = shownNumber(side.preplateMax, input.decimalSeparator);
        const auto preMin = shownNumber(side.preplateMin, input.decimalSeparator);
        const auto minThickness = shownNumber(side.minThickness, input.decimalSeparator);
        const auto maxThickness = shownNumber(side.maxThickness, input.decimalSeparator);
        if (!side.message.empty() || !afterMax || !afterMin || !preMax || !preMin || !minThickness || !maxThickness) {
            continue;
        }
        const auto& limits =
            side.side == ThreadSide::External ? input.thread->limits.external : input.thread->limits.internal;
        if (!limits) {
            continue;
        }
        threads::SideLimits shown = *limits;
        shown.max = *afterMax;
        shown.min = *afterMin;
        Section section;
        section.table = true;
        section.heading =
            side.side == ThreadSide::External ? "External thread: make and check" : "Internal thread: make and check";
        section.rows.push_back({"Stage", "Check", "Minimum", "Maximum", "Wear limit", "Standard"});
        std::vector<std::string> notes;
        const threads::DiameterLimits preMinor = threads::prePlateDiameters(shown, *minThickness, *maxThickness).minor;
        const gauging::SideBands bands{{*afterMin, *afterMax, gauging::Stage::AfterPlate, shown.minor},
                                       true,
                                       gauging::Band{*preMin, *preMax, gauging::Stage::PrePlate, preMinor}};
        for (const gauging::StageChecks& stage :
             gauging::inspectSide(input.thread->limits, shown, bands, gauging::Options{input.wire})) {
            addChecks(section, notes, drills, stage, input.decimalSeparator);
        }
        sections.push_back(std::move(section));
        Section noteSection;
        noteSection.heading = side.side == ThreadSide::External ? "External thread: notes on the checks"
                                                                : "Internal thread: notes on the checks";
        for (const std::string& note : notes) {
            noteSection.rows.push_back({note});
        }
        sections.push_back(std::move(noteSection));
    }
    return sections;
}

Section standardsSection(const RecordInput& input)
{
    Section section;
    section.heading = "Standards";
    section.job = false;
    const bool inch = input.unit == UnitSystem::Inch;
    section.rows.push_back({"Limits", inch ? "ASME B1.1 (Unified inch screw threads)"
                                           : "ISO 965-1 / ASME B1.13M (ISO metric screw threads)"});
    section.rows.push_back({"Plating", "each pitch diameter limit moves by four times a plating thickness (60 degree "
                                       "threads), each major and minor diameter limit by twice"});
    if (input.thread) {
        section.rows.push_back({"Gauges", inch ? "ASME B1.2" : "ISO 1502"});
        section.rows.push_back({"Taps", inch ? "ASME B94.9" : "ISO 2857"});
        section.rows.push_back({"Wires", "three-wire formula of Machinery's Handbook"});
    }
    return section;
}

} // namespace

ThreadRecord buildRecord(const RecordInput& input)
{
    ThreadRecord record;
    record.title = "Thread Record: pre-plate pitch diameter limits";
    record.sections.push_back(header(input));
    for (const ShownSide& side : input.sides) {
        record.sections.push_back(limitsSection(input, side));
    }
    if (input.thread) {
        if (!input.wireError.empty()) {
            record.sections.push_back({"Wire", {{input.wireError}}, false});
        }
        std::vector<std::string> drills;
        for (Section& section : gaugingSections(input, drills)) {
            record.sections.push_back(std::move(section));
        }
        if (!input.sides.empty()) {
            Section diameters = diametersSection(input);
            for (const std::string& drill : drills) {
                diameters.rows.push_back({"Internal", "Drill", drill});
            }
            record.sections.push_back(std::move(diameters));
        }
        if (input.thread->coating) {
            record.sections.push_back(coatingSection(input, *input.thread->coating));
        }
    } else {
        record.sections.push_back({"Gauges, wires and taps",
                                   {{"Not given: the limits were entered by hand. Fill them from a designation "
                                     "(Thread...) for the wire readings, gauges and taps."}},
                                   false});
    }
    if (!input.notes.empty()) {
        record.sections.push_back({"Notes", {{input.notes}}, false, false});
    }
    record.sections.push_back(standardsSection(input));
    return record;
}

std::string plainText(const ThreadRecord& record)
{
    std::string text = record.title + "\n";
    for (const Section& section : record.sections) {
        if (!section.heading.empty()) {
            text += "\n" + section.heading + "\n";
        }
        for (const std::vector<std::string>& row : section.rows) {
            std::string line;
            for (const std::string& cell : row) {
                line += (line.empty() ? "" : section.table ? "  " : ": ") + cell;
            }
            text += line + "\n";
        }
    }
    return text;
}

} // namespace orvanta::record
