// The options `limits` and `inspect` share: the plating or coating, the
// after-plate rule and the output format.
#pragma once

#include "LimitsCommand.h"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>

namespace orvanta::cli {

class ThreadOptions {
public:
    explicit ThreadOptions(CLI::App& command);

    // What the options say; false, with the message on standard error, when
    // the plating is not read.
    [[nodiscard]] bool read(threads::AfterPlate& rule, std::optional<PlatingSpec>& plating, OutputFormat& format) const;
    // The coating as written and the part's length; false, with the message
    // on standard error, when the length is not read.
    [[nodiscard]] bool read(CoatingRequest& coating) const;

private:
    std::string m_plating;
    std::string m_coating;
    std::string m_length;
    std::string m_afterPlate = "class";
    std::string m_format = "text";
};

} // namespace orvanta::cli
