#include "ThreadOptions.h"

#include <cstdio>

namespace orvanta::cli {

ThreadOptions::ThreadOptions(CLI::App& command)
{
    command.add_option("--plating", m_plating,
                       "plating thickness MIN:MAX, or T for both, in the designation's unit or with "
                       "in, mm, um or \xC2\xB5m after each number");
    command.add_option("--coating", m_coating,
                       "a coating as drawings call it out (\"ASTM B633 SC2 Type II\", \"Fe/Zn 8\", \"MIL-A-8625 "
                       "Type III\", \"electroless nickel\"): its thickness from the standard, given or "
                       "narrowed by --plating, and the growth it gives");
    command.add_option("--length", m_length,
                       "the part's nominal length, in mm unless a unit follows: chooses ISO 4042's column for "
                       "long parts");
    command
        .add_option("--after-plate", m_afterPlate,
                    "class: the class limits apply after plating (default); allowance: plating may use "
                    "the allowance, GO at basic size")
        ->check(CLI::IsMember({"class", "allowance"}));
    command.add_option("--format", m_format, "text (default), csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}));
}

bool ThreadOptions::read(threads::AfterPlate& rule, std::optional<PlatingSpec>& plating, OutputFormat& format) const
{
    if (!m_plating.empty()) {
        std::string error;
        plating = parsePlating(m_plating, error);
        if (!plating) {
            std::fprintf(stderr, "orvanta-cli: %s; --plating takes MIN:MAX or T, numbers with a point\n",
                         error.c_str());
            return false;
        }
    }
    rule = m_afterPlate == "allowance" ? threads::AfterPlate::UseAllowance : threads::AfterPlate::ClassLimits;
    format = m_format == "csv" ? OutputFormat::Csv : (m_format == "json" ? OutputFormat::Json : OutputFormat::Text);
    return true;
}

bool ThreadOptions::read(CoatingRequest& coating) const
{
    coating.written = m_coating; // read once the thread is known
    if (!m_length.empty()) {
        std::string error;
        const std::optional<Thickness> length = parseThickness(m_length, ".", "--length", error);
        if (!length || length->value <= 0) {
            std::fprintf(stderr, "orvanta-cli: %s\n",
                         length ? "--length is the part's nominal length: above zero" : error.c_str());
            return false;
        }
        coating.lengthMm = inThreadUnit(*length, UnitSystem::Metric);
    }
    return true;
}

} // namespace orvanta::cli
