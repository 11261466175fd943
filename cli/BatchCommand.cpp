#include "BatchCommand.h"

#include "CsvWriter.h"
#include "InspectRows.h"
#include "NumberText.h"
#include "PlatingText.h"
#include "ResultRow.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <span>
#include <unordered_map>
#include <vector>

namespace orvanta::cli {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first, last - first + 1);
}

std::string lowered(std::string_view view)
{
    std::string text(view);
    for (char& c : text) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return text;
}

constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

// One input row: the fields libcsv gathered, valid until the next row.
using Fields = std::span<const std::string>;

// The input columns the batch reads, beside the result columns.
enum class InputColumn { AfterPlate, Count };

class Batch {
public:
    Batch(OutputOpener& output, std::FILE* err, const BatchOptions& options)
        : m_output(output)
        , m_err(err)
        , m_options(options)
    {
        m_format.decimalSeparator = options.decimalComma ? "," : ".";
    }

    // A complete input row; false once the run has to stop.
    bool row(Fields fields)
    {
        if (!m_headerSeen) {
            return header(fields);
        }
        if (std::all_of(fields.begin(), fields.end(), [](const std::string& f) { return trimmed(f).empty(); })) {
            return true; // a blank line, or one of delimiters only
        }
        if (!openOutput()) {
            return false;
        }
        process(fields);
        m_sawDataRow = true;
        return true;
    }

    // A part of the file libcsv could not read as CSV.
    bool unreadable(long line, long column, const char* reason)
    {
        if (!m_sawDataRow) {
            std::fprintf(m_err, "orvanta-cli: line %ld, column %ld: not readable as CSV (%s)\n", line, column, reason);
            return false;
        }
        const std::vector<std::string> fields(m_header.size());
        writeError(fields, "line " + std::to_string(line) + ", column " + std::to_string(column) +
                               ": not readable as CSV (" + reason + "); the line was skipped");
        return true;
    }

    int finish()
    {
        if (!m_headerSeen) {
            std::fprintf(m_err, "orvanta-cli: line 1: the input is empty: a parts list starts with a header\n");
            return 2;
        }
        if (!openOutput()) {
            return 2;
        }
        return m_anyError ? 1 : 0;
    }

private:
    // The header is the first row: libcsv passes over blank lines before it.
    bool header(Fields fields)
    {
        m_header.assign(fields.begin(), fields.end());
        for (std::size_t i = 0; i < m_header.size(); ++i) {
            if (i == 0 && m_header[i].rfind("\xEF\xBB\xBF", 0) == 0) {
                m_header[i].erase(0, 3); // a byte-order mark
            }
            const std::string name = lowered(trimmed(m_header[i]));
            const auto& names = columnNames();
            for (std::size_t c = 0; c < kColumnCount; ++c) {
                if (name == names[c] && m_resultIndex[c] == kAbsent) {
                    m_resultIndex[c] = i;
                }
            }
            if (name == "after_plate" && m_afterPlateIndex == kAbsent) {
                m_afterPlateIndex = i;
            }
        }
        if (m_resultIndex[static_cast<std::size_t>(Column::Designation)] == kAbsent &&
            m_resultIndex[static_cast<std::size_t>(Column::Side)] == kAbsent) {
            std::fprintf(m_err, "orvanta-cli: line 1, column 1: the header names neither a designation nor a side "
                                "column, so this is not a parts list\n");
            return false;
        }
        m_outputHeader = m_header;
        if (m_options.inspect) {
            m_outputColumn = appendColumns(inspectColumnNames());
            m_headerSeen = true;
            return true;
        }
        // Result columns the input lacks go after its own, in their order.
        std::size_t next = m_header.size();
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            if (m_resultIndex[c] == kAbsent) {
                m_resultIndex[c] = next++;
                m_outputHeader.emplace_back(columnNames()[c]);
            }
        }
        m_outputColumn.assign(m_outputHeader.size(), kAbsent);
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            m_outputColumn[m_resultIndex[c]] = c;
        }
        m_headerSeen = true;
        return true;
    }

    // Output column -> result column: an input column of a result's name is
    // that result's; the other result columns follow the input's.
    template <typename Names> std::vector<std::size_t> appendColumns(const Names& names)
    {
        std::vector<std::size_t> mapping(m_header.size(), kAbsent);
        for (std::size_t c = 0; c < names.size(); ++c) {
            std::size_t at = kAbsent;
            for (std::size_t i = 0; i < m_header.size() && at == kAbsent; ++i) {
                if (lowered(trimmed(m_header[i])) == names[c] && mapping[i] == kAbsent) {
                    at = i;
                }
            }
            if (at == kAbsent) {
                at = m_outputHeader.size();
                m_outputHeader.emplace_back(names[c]);
                mapping.push_back(kAbsent);
            }
            mapping[at] = c;
        }
        return mapping;
    }

    bool openOutput()
    {
        if (m_out != nullptr) {
            return true;
        }
        std::string error;
        m_out = m_output.open(error);
        if (m_out == nullptr) {
            std::fprintf(m_err, "orvanta-cli: %s\n", error.c_str());
            return false;
        }
        m_writer.emplace(m_out, m_options.delimiter);
        for (const std::string& name : m_outputHeader) {
            m_writer->field(name);
        }
        m_writer->endRow();
        return true;
    }

    const std::string& cell(Fields fields, Column column) const
    {
        static const std::string kEmpty;
        const std::size_t i = m_resultIndex[static_cast<std::size_t>(column)];
        return i < fields.size() && i < m_header.size() ? fields[i] : kEmpty;
    }

    std::optional<double> number(Fields fields, Column column, std::string& error) const
    {
        const std::string_view text = trimmed(cell(fields, column));
        if (text.empty()) {
            return std::nullopt;
        }
        std::optional<double> value = parseNumber(text, m_format.decimalSeparator);
        if (!value && error.empty()) {
            error =
                std::string(columnNames()[static_cast<std::size_t>(column)]) + " is not a number: " + std::string(text);
        }
        return value;
    }

    static ResultRow errorRow(std::string message)
    {
        ResultRow row;
        row[Column::Error] = std::move(message);
        return row;
    }

    // Parts lists repeat their threads: each designation and rule is looked
    // up and formatted once. The cache stays small.
    const PreparedThread& prepared(const std::string& designation, threads::AfterPlate rule)
    {
        constexpr std::size_t kCacheLimit = 4096;
        std::string key = designation;
        key.push_back(rule == threads::AfterPlate::ClassLimits ? 'c' : 'a');
        auto found = m_cache.find(key);
        if (found == m_cache.end()) {
            if (m_cache.size() >= kCacheLimit) {
                m_cache.clear();
            }
            found = m_cache
                        .emplace(std::move(key),
                                 prepareThread(threads::lookUpThread(designation), designation, rule, m_format))
                        .first;
        }
        return found->second;
    }

    // The plating as shown in a thread's unit, remembered by its texts:
    // parts lists repeat them.
    const ShownPlating& shown(const std::optional<PlatingSpec>& plating, UnitSystem unit, Fields fields)
    {
        constexpr std::size_t kCacheLimit = 1024;
        std::string key(unit == UnitSystem::Inch ? "in:" : "mm:");
        key.append(trimmed(cell(fields, Column::PlatingMin)));
        key.push_back(':');
        key.append(trimmed(cell(fields, Column::PlatingMax)));
        auto found = m_platingCache.find(key);
        if (found == m_platingCache.end()) {
            if (m_platingCache.size() >= kCacheLimit) {
                m_platingCache.clear();
            }
            found = m_platingCache.emplace(std::move(key), shownPlating(inThreadUnit(plating, unit), m_format)).first;
        }
        return found->second;
    }

    std::optional<Thickness> thickness(Fields fields, Column column, std::string& error) const
    {
        const std::string_view text = trimmed(cell(fields, column));
        if (text.empty()) {
            return std::nullopt;
        }
        std::string fault;
        std::optional<Thickness> value =
            parseThickness(text, m_format.decimalSeparator, columnNames()[static_cast<std::size_t>(column)], fault);
        if (!value && error.empty()) {
            error = std::move(fault);
        }
        return value;
    }

    void process(Fields fields)
    {
        if (fields.size() != m_header.size()) {
            writeError(fields, "the row has " + std::to_string(fields.size()) + " fields where the header has " +
                                   std::to_string(m_header.size()));
            return;
        }
        std::string error;
        threads::AfterPlate rule = threads::AfterPlate::ClassLimits;
        if (m_afterPlateIndex != kAbsent) {
            const std::string choice = lowered(trimmed(fields[m_afterPlateIndex]));
            if (choice == "allowance") {
                rule = threads::AfterPlate::UseAllowance;
            } else if (!choice.empty() && choice != "class") {
                error = "after_plate is class or allowance, not " + std::string(trimmed(fields[m_afterPlateIndex]));
            }
        }
        const std::optional<Thickness> platingMin = thickness(fields, Column::PlatingMin, error);
        const std::optional<Thickness> platingMax = thickness(fields, Column::PlatingMax, error);
        if (error.empty() && platingMin.has_value() != platingMax.has_value()) {
            error = "plating_min and plating_max go together: give both or neither";
        }
        const std::optional<PlatingSpec> plating =
            platingMin && platingMax ? std::optional<PlatingSpec>(PlatingSpec{*platingMin, *platingMax}) : std::nullopt;

        CoatingRequest coating;
        coating.written = trimmed(cell(fields, Column::Coating));
        const std::string designation(trimmed(cell(fields, Column::Designation)));
        // A coating is read against its thread: its unit and size pick the standard's row.
        if (!coating.written.empty() && error.empty()) {
            const threads::ThreadLookup thread = threads::lookUpThread(designation);
            if (designation.empty()) {
                error = "coating: a coating is read against a designated thread; give the designation";
            } else if (thread.limits && !resolveCoating(coating, *thread.limits, error)) {
                error = "coating: " + error;
            }
        }

        if (m_options.inspect) {
            inspect(fields, designation, error, InspectChoices{rule, plating, std::nullopt, coating});
            return;
        }
        if (!error.empty()) {
            writeError(fields, error);
        } else if (!designation.empty()) {
            const PreparedThread& thread = prepared(designation, rule);
            if (coating.coating) {
                const Coated coated = coatedPlating(coating, inThreadUnit(plating, thread.unit), thread.unit);
                completeRows(thread, shownPlating(coated.growth, m_format), m_results, coating, coated);
            } else {
                completeRows(thread, shown(plating, thread.unit, fields), m_results, coating,
                             coatedPlating(coating, inThreadUnit(plating, thread.unit), thread.unit));
            }
            writeRows(fields, m_results);
        } else {
            writeRows(fields, std::vector<ResultRow>{ownLimits(fields, plating)});
        }
    }

    void inspect(Fields fields, const std::string& designation, const std::string& error, const InspectChoices& choices)
    {
        if (!error.empty() || designation.empty()) {
            writeError(fields, !error.empty() ? error : "a row without a designation cannot be inspected");
            return;
        }
        writeRows(fields, inspectRows(threads::lookUpThread(designation), designation, choices, m_format));
    }

    ResultRow ownLimits(Fields fields, const std::optional<PlatingSpec>& plating)
    {
        const std::string sideText = lowered(trimmed(cell(fields, Column::Side)));
        const std::string unitText = lowered(trimmed(cell(fields, Column::Unit)));
        if (sideText.empty()) {
            return errorRow("the row names neither a designation nor a side");
        }
        if (sideText != "external" && sideText != "internal") {
            return errorRow("side is external or internal, not " + std::string(trimmed(cell(fields, Column::Side))));
        }
        if (unitText != "in" && unitText != "mm") {
            return errorRow("unit is in or mm, not " + (unitText.empty()
                                                            ? std::string("empty")
                                                            : std::string(trimmed(cell(fields, Column::Unit)))));
        }
        std::string error;
        const std::optional<double> max = number(fields, Column::AfterPlateMax, error);
        const std::optional<double> min = number(fields, Column::AfterPlateMin, error);
        if (!error.empty()) {
            return errorRow(error);
        }
        if (!max && !min) {
            return errorRow("after_plate_max and after_plate_min are empty");
        }
        const UnitSystem unit = unitText == "in" ? UnitSystem::Inch : UnitSystem::Metric;
        return rowForLimits(sideText == "external" ? ThreadSide::External : ThreadSide::Internal, unit, max, min,
                            inThreadUnit(plating, unit), m_format);
    }

    // A row that gives no result, only its message.
    void writeError(Fields fields, std::string message)
    {
        if (m_options.inspect) {
            InspectRow row;
            row[InspectColumn::Error] = std::move(message);
            writeRows(fields, std::vector<InspectRow>{std::move(row)});
        } else {
            writeRows(fields, std::vector<ResultRow>{errorRow(std::move(message))});
        }
    }

    // One output row per result: the input's cells, result cells in place.
    template <typename Row> void writeRows(Fields fields, const std::vector<Row>& results)
    {
        static const std::string kEmpty;
        for (const Row& result : results) {
            m_anyError = m_anyError || result.failed();
            for (std::size_t column = 0; column < m_outputColumn.size(); ++column) {
                const std::size_t c = m_outputColumn[column];
                const std::string& input = column < fields.size() && column < m_header.size() ? fields[column] : kEmpty;
                // A refused row keeps what it was given.
                const bool fromResult = c != kAbsent && (!result.cells[c].empty() || !result.failed());
                m_writer->field(fromResult ? result.cells[c] : input);
            }
            m_writer->endRow();
        }
    }

    OutputOpener& m_output;
    std::FILE* m_err;
    BatchOptions m_options;
    Formatting m_format;
    std::FILE* m_out = nullptr;
    std::optional<CsvWriter> m_writer;
    bool m_headerSeen = false;
    bool m_sawDataRow = false;
    bool m_anyError = false;
    std::vector<std::string> m_header;
    std::vector<std::string> m_outputHeader;
    std::array<std::size_t, kColumnCount> m_resultIndex = [] {
        std::array<std::size_t, kColumnCount> absent{};
        absent.fill(kAbsent);
        return absent;
    }();
    std::size_t m_afterPlateIndex = kAbsent;
    std::unordered_map<std::string, PreparedThread> m_cache;
    std::vector<ResultRow> m_results;
    std::unordered_map<std::string, ShownPlating> m_platingCache;
    std::vector<std::size_t> m_outputColumn; // output column -> result column, or kAbsent
};

// libcsv calls back per field and per row; this gathers a row.
struct Reader {
    Batch& batch;
    std::vector<std::string> fields;
    std::size_t fieldCount = 0;
    long linesConsumed = 0; // line breaks before the current chunk
    bool stopped = false;

    static void onField(void* data, std::size_t size, void* self)
    {
        auto& reader = *static_cast<Reader*>(self);
        if (reader.fieldCount == reader.fields.size()) {
            reader.fields.emplace_back();
        }
        reader.fields[reader.fieldCount++].assign(static_cast<const char*>(data), size);
    }
    static void onRow(int, void* self)
    {
        auto& reader = *static_cast<Reader*>(self);
        const std::size_t count = reader.fieldCount;
        reader.fieldCount = 0;
        if (!reader.stopped && !reader.batch.row(Fields(reader.fields.data(), count))) {
            reader.stopped = true;
        }
    }
};

// The input in chunks. A failed read ends the reading, even if a later read
// would give data again: what follows a gap is not the rest of the list.
class ChunkReader {
public:
    explicit ChunkReader(std::FILE* in)
        : m_in(in)
    {
    }
    // The bytes read; 0 at the end or on a failure.
    std::size_t read(std::vector<char>& buffer)
    {
        if (m_error != 0) {
            return 0;
        }
        errno = 0;
        const std::size_t size = std::fread(buffer.data(), 1, buffer.size(), m_in);
        if (std::ferror(m_in) != 0) {
            m_error = errno != 0 ? errno : EIO;
            return 0;
        }
        return size;
    }
    // The system's error number of a failed read, 0 when none failed.
    [[nodiscard]] int error() const { return m_error; }

private:
    std::FILE* m_in;
    int m_error = 0;
};

} // namespace

int runBatch(std::FILE* in, OutputOpener& output, std::FILE* err, const BatchOptions& options)
{
    Batch batch(output, err, options);
    Reader reader{batch, {}, 0, 0, false};
    csv_parser parser;
    const auto start = [&] {
        csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_delim(&parser, static_cast<unsigned char>(options.delimiter));
    };
    start();

    std::vector<char> buffer(1 << 16);
    bool skippingToLineEnd = false;
    bool firstChunk = true;
    std::size_t size = 0;
    ChunkReader chunks(in);
    while (!reader.stopped && (size = chunks.read(buffer)) > 0) {
        const char* data = buffer.data();
        if (firstChunk && size >= 3 && std::string_view(data, 3) == "\xEF\xBB\xBF") {
            data += 3;
            size -= 3;
        }
        firstChunk = false;
        while (size > 0 && !reader.stopped) {
            if (skippingToLineEnd) {
                const char* newline = static_cast<const char*>(std::memchr(data, '\n', size));
                if (newline == nullptr) {
                    break;
                }
                ++reader.linesConsumed;
                size -= static_cast<std::size_t>(newline + 1 - data);
                data = newline + 1;
                skippingToLineEnd = false;
                start();
                continue;
            }
            const std::size_t parsed = csv_parse(&parser, data, size, Reader::onField, Reader::onRow, &reader);
            if (parsed == size) {
                reader.linesConsumed += std::count(data, data + size, '\n');
                break;
            }
            // Not CSV here: report the line and column, then go on after the line.
            const long lineBreaks = std::count(data, data + parsed, '\n');
            const char* lineStart = data + parsed;
            while (lineStart > data && lineStart[-1] != '\n') {
                --lineStart;
            }
            const long line = reader.linesConsumed + lineBreaks + 1;
            const long column = static_cast<long>(data + parsed - lineStart) + 1;
            const char* reason = csv_strerror(csv_error(&parser));
            csv_free(&parser);
            reader.fieldCount = 0;
            if (!batch.unreadable(line, column, reason)) {
                return 2;
            }
            reader.linesConsumed += lineBreaks;
            data += parsed;
            size -= parsed;
            skippingToLineEnd = true;
        }
    }
    if (chunks.error() != 0) {
        // The rows so far are not the list: a truncated output must not
        // pass for a whole one.
        std::fprintf(err, "orvanta-cli: reading %s failed: %s\n", options.inputName.c_str(),
                     std::strerror(chunks.error()));
        reader.stopped = true;
    }
    if (reader.stopped) {
        csv_free(&parser);
        return 2;
    }
    if (!skippingToLineEnd && csv_fini(&parser, Reader::onField, Reader::onRow, &reader) != 0) {
        const char* reason = csv_strerror(csv_error(&parser));
        csv_free(&parser);
        if (!batch.unreadable(reader.linesConsumed + 1, 1, reason)) {
            return 2;
        }
    } else if (!skippingToLineEnd) {
        csv_free(&parser);
    }
    if (reader.stopped) {
        return 2;
    }
    return batch.finish();
}

} // namespace orvanta::cli
