#include "Designation.h"

#include <cctype>

namespace orvanta::threads {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Characters drawings and web pages write, in UTF-8, and what they stand for:
// the times sign for the pitch's "x", the fraction slash, and the fractions.
struct Spelling {
    std::string_view written;
    std::string_view meant;
    bool fraction; // joins a whole number before it: 1½ is 1-1/2
};
constexpr Spelling kSpellings[] = {
    {"\xC3\x97", "x", false},      {"\xE2\x81\x84", "/", false},  {"\xC2\xBC", "1/4", true},
    {"\xC2\xBD", "1/2", true},     {"\xC2\xBE", "3/4", true},     {"\xE2\x85\x9B", "1/8", true},
    {"\xE2\x85\x9C", "3/8", true}, {"\xE2\x85\x9D", "5/8", true}, {"\xE2\x85\x9E", "7/8", true},
};

std::string normalised(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Spelling* spelling = nullptr;
        for (const Spelling& candidate : kSpellings) {
            if (text.substr(i, candidate.written.size()) == candidate.written) {
                spelling = &candidate;
            }
        }
        if (spelling == nullptr) {
            out.push_back(text[i] == '\t' ? ' ' : text[i]);
            continue;
        }
        if (spelling->fraction && !out.empty() && isDigit(out.back())) {
            out.push_back('-');
        }
        out += spelling->meant;
        i += spelling->written.size() - 1;
    }
    const auto first = out.find_first_not_of(' ');
    const auto last = out.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : out.substr(first, last - first + 1);
}

class Cursor {
public:
    explicit Cursor(std::string_view text)
        : m_text(text)
    {
    }

    [[nodiscard]] bool atEnd() const { return m_pos >= m_text.size(); }
    [[nodiscard]] char peek(std::size_t ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
    }
    void skipBlanks()
    {
        while (peek() == ' ') {
            ++m_pos;
        }
    }
    bool take(char c)
    {
        if (peek() != c) {
            return false;
        }
        ++m_pos;
        return true;
    }
    // A separator with any blanks around it.
    bool takeSeparator(char c)
    {
        const std::size_t start = m_pos;
        skipBlanks();
        if (take(c)) {
            skipBlanks();
            return true;
        }
        m_pos = start;
        return false;
    }
    // Before a class: a hyphen, or blanks alone when a digit follows them.
    bool takeClassSeparator()
    {
        if (takeSeparator('-')) {
            return true;
        }
        const std::size_t start = m_pos;
        skipBlanks();
        if (m_pos > start && isDigit(peek())) {
            return true;
        }
        m_pos = start;
        return false;
    }
    // Digits, at most nine of them; nothing when there are none.
    std::optional<long> integer()
    {
        long value = 0;
        std::size_t count = 0;
        while (isDigit(peek())) {
            if (++count > 9) {
                return std::nullopt;
            }
            value = value * 10 + (peek() - '0');
            ++m_pos;
        }
        return count == 0 ? std::nullopt : std::optional<long>(value);
    }
    // A decimal number in units of 10^-decimals: "1.25" with 3 gives 1250.
    // Nothing when it has more decimals than that, or no digit.
    std::optional<long> decimal(int decimals)
    {
        long whole = 0;
        const bool hasWhole = isDigit(peek());
        if (hasWhole) {
            const std::optional<long> value = integer();
            if (!value || *value > 100000) {
                return std::nullopt;
            }
            whole = *value;
        }
        long fraction = 0;
        int fractionDigits = 0;
        if (peek() == '.' && isDigit(peek(1))) {
            ++m_pos;
            while (isDigit(peek())) {
                if (++fractionDigits > decimals) {
                    return std::nullopt;
                }
                fraction = fraction * 10 + (peek() - '0');
                ++m_pos;
            }
        } else if (!hasWhole) {
            return std::nullopt;
        }
        long scale = 1;
        for (int i = 0; i < decimals; ++i) {
            scale *= 10;
        }
        for (int i = fractionDigits; i < decimals; ++i) {
            fraction *= 10;
        }
        return whole * scale + fraction;
    }
    std::string letters()
    {
        std::string word;
        while (std::isalpha(static_cast<unsigned char>(peek()))) {
            word.push_back(peek());
            ++m_pos;
        }
        return word;
    }
    [[nodiscard]] std::size_t position() const { return m_pos; }
    void rewind(std::size_t position) { m_pos = position; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::string notADesignation(std::string_view text)
{
    return "not a thread designation: " + std::string(text);
}

// The hand, LH or RH, after a hyphen, blanks or nothing; false when none is
// written here. Written twice, it is an error.
bool readHand(Cursor& cursor, bool& leftHand, bool& handWritten, std::string& error)
{
    const std::size_t start = cursor.position();
    if (!cursor.takeSeparator('-')) {
        cursor.skipBlanks();
    }
    std::string word = cursor.letters();
    for (char& c : word) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (word != "LH" && word != "RH") {
        cursor.rewind(start);
        return false;
    }
    if (handWritten) {
        error = "the hand is written twice";
        return false;
    }
    handWritten = true;
    leftHand = word == "LH";
    return true;
}

// A class, or a fit of one external and one internal class in either order.
template <typename Class>
bool readClassOrFit(Cursor& cursor, bool (*read)(Cursor&, std::optional<Class>&, std::string&),
                    bool (*isExternal)(const Class&), std::string (*text)(const Class&), std::optional<Class>& external,
                    std::optional<Class>& internal, std::string& error)
{
    std::optional<Class> first;
    std::optional<Class> second;
    if (!read(cursor, first, error) || (cursor.takeSeparator('/') && !read(cursor, second, error))) {
        return false;
    }
    if (second && isExternal(*second) == isExternal(*first)) {
        error = "a fit names one external and one internal class, not " + text(*first) + "/" + text(*second);
        return false;
    }
    for (const std::optional<Class>& c : {first, second}) {
        if (c) {
            (isExternal(*c) ? external : internal) = c;
        }
    }
    return true;
}

// ---- Unified inch ----------------------------------------------------------

constexpr long kMicro = 1'000'000;

// The fraction part of a size, "n/d", after its numerator has been read.
std::optional<long> fractionMicro(long numerator, Cursor& cursor)
{
    if (!cursor.take('/')) {
        return std::nullopt;
    }
    const std::optional<long> denominator = cursor.integer();
    if (!denominator || numerator <= 0 || numerator >= *denominator || kMicro % *denominator != 0) {
        return std::nullopt;
    }
    return numerator * (kMicro / *denominator);
}

// Size: #10, 10, 1/2, 1-1/4, 1 1/4, .500, 1.250
bool readUnifiedSize(Cursor& cursor, UnifiedDesignation& thread, std::string& error)
{
    if (cursor.take('#')) {
        const std::optional<long> number = cursor.integer();
        if (!number) {
            return false;
        }
        if (*number > 12) {
            error = "#" + std::to_string(*number) + " is not a number size: they run from #0 to #12";
            return false;
        }
        thread.sizeForm = UnifiedSizeForm::NumberSize;
        thread.numberSize = static_cast<int>(*number);
        return true;
    }
    const std::size_t start = cursor.position();
    if (cursor.peek() == '.' || (isDigit(cursor.peek()) && [&] {
            cursor.integer();
            const bool decimalPoint = cursor.peek() == '.';
            cursor.rewind(start);
            return decimalPoint;
        }())) {
        const std::optional<long> micro = cursor.decimal(6);
        if (!micro || *micro == 0 || *micro > 100 * kMicro) {
            return false;
        }
        thread.sizeForm = UnifiedSizeForm::Inches;
        thread.diameterMicro = *micro;
        return true;
    }
    const std::optional<long> whole = cursor.integer();
    if (!whole) {
        return false;
    }
    if (cursor.peek() == '/') {
        const std::optional<long> micro = fractionMicro(*whole, cursor);
        if (!micro) {
            return false;
        }
        thread.sizeForm = UnifiedSizeForm::Inches;
        thread.diameterMicro = *micro;
        return true;
    }
    // A mixed number: 1-1/4 or 1 1/4.
    const std::size_t afterWhole = cursor.position();
    if (cursor.take('-') || cursor.take(' ')) {
        cursor.skipBlanks();
        if (const std::optional<long> numerator = cursor.integer(); numerator && cursor.peek() == '/') {
            const std::optional<long> micro = fractionMicro(*numerator, cursor);
            if (!micro || *whole > 100) {
                return false;
            }
            thread.sizeForm = UnifiedSizeForm::Inches;
            thread.diameterMicro = *whole * kMicro + *micro;
            return true;
        }
        cursor.rewind(afterWhole);
    }
    if (*whole == 0) {
        thread.sizeForm = UnifiedSizeForm::NumberSize;
        thread.numberSize = 0;
    } else if (*whole <= 12) {
        thread.sizeForm = UnifiedSizeForm::Undecided;
        thread.numberSize = static_cast<int>(*whole);
        thread.diameterMicro = *whole * kMicro;
    } else {
        if (*whole > 100) {
            return false;
        }
        thread.sizeForm = UnifiedSizeForm::Inches;
        thread.diameterMicro = *whole * kMicro;
    }
    return true;
}

// Threads per inch in tenths: 13, 4.5, 4-1/2 or 4 1/2 (4½ is read as 4-1/2).
std::optional<int> readThreadsPerInch(Cursor& cursor)
{
    const std::optional<long> whole = cursor.integer();
    if (!whole || *whole == 0 || *whole > 200) {
        return std::nullopt;
    }
    long tenths = *whole * 10;
    const std::size_t afterWhole = cursor.position();
    if (cursor.peek() == '.' && isDigit(cursor.peek(1))) {
        cursor.take('.');
        const std::optional<long> digit = cursor.integer();
        if (!digit || *digit > 9) {
            return std::nullopt;
        }
        tenths += *digit;
    } else if ((cursor.peek() == '-' || cursor.peek() == ' ') && isDigit(cursor.peek(1)) && cursor.peek(2) == '/') {
        cursor.take(cursor.peek());
        const std::optional<long> numerator = cursor.integer();
        cursor.take('/');
        const std::optional<long> denominator = cursor.integer();
        if (!numerator || !denominator || *numerator >= *denominator || (*numerator * 10) % *denominator != 0) {
            cursor.rewind(afterWhole);
            return std::nullopt;
        }
        tenths += *numerator * 10 / *denominator;
    }
    return static_cast<int>(tenths);
}

bool readUnifiedSeries(Cursor& cursor, UnifiedDesignation& thread, std::string& error)
{
    const std::string word = cursor.letters();
    struct Series {
        std::string_view written;
        std::string_view series;
        bool roundedRoot;
    };
    static constexpr Series kSeries[] = {
        {"UNC", "UNC", false}, {"UNF", "UNF", false}, {"UNEF", "UNEF", false}, {"UN", "UN", false},
        {"UNS", "UNS", false}, {"UNRC", "UNC", true}, {"UNRF", "UNF", true},   {"UNREF", "UNEF", true},
        {"UNR", "UN", true},   {"UNRS", "UNS", true},
    };
    for (const Series& series : kSeries) {
        if (word == series.written) {
            thread.series = series.series;
            thread.roundedRoot = series.roundedRoot;
            return true;
        }
    }
    if (word.rfind("UNJ", 0) == 0) {
        error = "UNJ threads are not covered: their limits differ from UN and UNR threads";
    } else if (word.rfind("NPT", 0) == 0 || word == "ANPT") {
        error = word + " is a taper pipe thread: Orvanta covers straight UN and M threads only";
    } else if (word.rfind("NPS", 0) == 0) {
        error = word + " is a straight pipe thread (ASME B1.20.1): Orvanta covers UN and M threads only";
    } else if (word == "ACME" || word == "STUB") {
        error = "Acme threads are not covered: Orvanta covers 60 degree UN and M threads only";
    }
    return false;
}

std::string classText(const UnifiedClass& c)
{
    return std::to_string(c.grade) + (c.external ? "A" : "B");
}

bool readUnifiedClass(Cursor& cursor, std::optional<UnifiedClass>& out, std::string& error)
{
    const std::optional<long> grade = cursor.integer();
    const char letter = cursor.peek();
    if (!grade || !std::isalpha(static_cast<unsigned char>(letter)) || *grade > 99) {
        return false;
    }
    cursor.take(letter);
    const std::string written = std::to_string(*grade) + letter;
    if (letter == 'A' || letter == 'B') {
        if (*grade < 1 || *grade > 3) {
            error = "class " + written + " does not exist for UN threads: use " +
                    (letter == 'A' ? "1A, 2A or 3A" : "1B, 2B or 3B");
            return false;
        }
        out = UnifiedClass{static_cast<int>(*grade), letter == 'A'};
        return true;
    }
    error =
        "class " + written + " does not exist for UN threads: use 1A, 2A or 3A (external) or 1B, 2B or 3B (internal)";
    return false;
}

ParsedDesignation parseUnified(const std::string& text, std::string_view original)
{
    std::string upper = text;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    Cursor cursor(upper);
    UnifiedDesignation thread;
    std::string error;
    const auto fail = [&] { return ParsedDesignation{thread, error.empty() ? notADesignation(original) : error}; };

    if (!readUnifiedSize(cursor, thread, error) || !cursor.takeSeparator('-')) {
        return fail();
    }
    const std::optional<int> tpiTenths = readThreadsPerInch(cursor);
    if (!tpiTenths) {
        return fail();
    }
    thread.tpiTenths = *tpiTenths;
    bool handWritten = false;
    const auto hand = [&] { return readHand(cursor, thread.leftHand, handWritten, error); };
    hand();
    const std::size_t afterPitch = cursor.position();
    cursor.skipBlanks();
    const bool seriesWritten = std::isalpha(static_cast<unsigned char>(cursor.peek())) != 0;
    if (seriesWritten) {
        if (!readUnifiedSeries(cursor, thread, error)) {
            return fail();
        }
    } else {
        cursor.rewind(afterPitch);
    }
    hand();
    // Drawings also run the class into the series: UNC2A.
    const bool classFollows = cursor.takeClassSeparator() || (seriesWritten && isDigit(cursor.peek()));
    if (!error.empty() ||
        (classFollows && !readClassOrFit<UnifiedClass>(
                             cursor, readUnifiedClass, [](const UnifiedClass& c) { return c.external; }, classText,
                             thread.externalClass, thread.internalClass, error))) {
        return fail();
    }
    hand();
    cursor.skipBlanks();
    if (!error.empty() || !cursor.atEnd()) {
        return fail();
    }
    return {thread, {}};
}

// ---- ISO metric ------------------------------------------------------------

bool isExternalPosition(char c)
{
    return c == 'e' || c == 'f' || c == 'g' || c == 'h';
}
bool isInternalPosition(char c)
{
    return c == 'G' || c == 'H';
}

// The classes for hot-dip galvanized threads after their grade and first
// letter: 6az (ISO 965-4), 6AZ and 6AX (ISO 965-5), grade 6 only.
bool readGalvanizingClass(Cursor& cursor, MetricClass& c, std::optional<MetricClass>& out, std::string& error)
{
    const char second = cursor.peek();
    const bool known = c.position == 'a' ? second == 'z' : (second == 'Z' || second == 'X');
    c.text = std::to_string(c.grade) + c.position;
    if (std::isalpha(static_cast<unsigned char>(second))) {
        c.text += second;
    }
    if (!known) {
        error = "class " + c.text +
                " does not exist for metric threads: the classes for hot-dip galvanizing are 6az, 6AZ and 6AX";
        return false;
    }
    cursor.take(second);
    if (c.grade != 6) {
        error = "class " + c.text + " does not exist: ISO 965-4 and ISO 965-5 give grade 6 only (6az, 6AZ, 6AX)";
        return false;
    }
    if (isDigit(cursor.peek())) {
        error = "class " + c.text + " has no separate crest diameter class";
        return false;
    }
    c.galvanizing = second == 'X' ? 'x' : 'z';
    out = c;
    return true;
}

bool readMetricClass(Cursor& cursor, std::optional<MetricClass>& out, std::string& error)
{
    const auto gradeAndPosition = [&](int& grade, char& position) {
        const std::optional<long> value = cursor.integer();
        const char letter = cursor.peek();
        if (!value || *value > 99 || !std::isalpha(static_cast<unsigned char>(letter))) {
            return false;
        }
        cursor.take(letter);
        grade = static_cast<int>(*value);
        position = letter;
        return true;
    };
    MetricClass c;
    if (!gradeAndPosition(c.grade, c.position)) {
        return false;
    }
    const std::string written = std::to_string(c.grade) + c.position;
    if (c.position == 'a' || c.position == 'A') {
        return readGalvanizingClass(cursor, c, out, error);
    }
    if (!isExternalPosition(c.position) && !isInternalPosition(c.position)) {
        error = "class " + written +
                " does not exist for metric threads: use the positions e, f, g or h (external) or G or H (internal)";
        return false;
    }
    const bool external = isExternalPosition(c.position);
    if (external ? (c.grade < 3 || c.grade > 9) : (c.grade < 4 || c.grade > 8)) {
        error = "class " + written + " does not exist: pitch diameter grades run from " +
                (external ? "3 to 9 for external" : "4 to 8 for internal") + " threads";
        return false;
    }
    c.text = written;
    if (isDigit(cursor.peek())) {
        int crestGrade = 0;
        char crestPosition = 0;
        if (!gradeAndPosition(crestGrade, crestPosition)) {
            return false;
        }
        const std::string crest = std::to_string(crestGrade) + crestPosition;
        if (external ? !isExternalPosition(crestPosition) : !isInternalPosition(crestPosition)) {
            error = "class " + written + crest + " mixes an external and an internal tolerance";
            return false;
        }
        const bool gradeExists =
            external ? (crestGrade == 4 || crestGrade == 6 || crestGrade == 8) : (crestGrade >= 4 && crestGrade <= 8);
        if (!gradeExists) {
            error = "class " + written + crest + " does not exist: the crest diameter grades are " +
                    (external ? "4, 6 and 8 for external" : "4 to 8 for internal") + " threads";
            return false;
        }
        if (crest != written) {
            c.text += crest;
        }
    }
    out = c;
    return true;
}

ParsedDesignation parseMetric(const std::string& text, std::string_view original)
{
    Cursor cursor(text);
    MetricDesignation thread;
    std::string error;
    const auto fail = [&] { return ParsedDesignation{thread, error.empty() ? notADesignation(original) : error}; };

    cursor.take('M') || cursor.take('m');
    const std::optional<long> diameter = cursor.decimal(3);
    if (!diameter || *diameter == 0) {
        return fail();
    }
    thread.diameterMicro = *diameter;
    if (cursor.takeSeparator('x') || cursor.takeSeparator('X')) {
        const std::optional<long> pitch = cursor.decimal(3);
        if (!pitch || *pitch == 0) {
            return fail();
        }
        thread.pitchMicro = *pitch;
    }
    // ISO 965-1 writes the hand after the pitch (M10x1.5LH-6g); drawings
    // also put it last.
    bool handWritten = false;
    const auto hand = [&] { return readHand(cursor, thread.leftHand, handWritten, error); };
    hand();
    if (!error.empty() ||
        (cursor.takeClassSeparator() &&
         !readClassOrFit<MetricClass>(
             cursor, readMetricClass, [](const MetricClass& c) { return c.external(); },
             [](const MetricClass& c) { return c.text; }, thread.externalClass, thread.internalClass, error))) {
        return fail();
    }
    hand();
    cursor.skipBlanks();
    if (!error.empty() || !cursor.atEnd()) {
        return fail();
    }
    return {thread, {}};
}

} // namespace

ParsedDesignation parseDesignation(std::string_view text)
{
    const std::string clean = normalised(text);
    if (clean.empty()) {
        return {UnifiedDesignation{}, "no thread designation given"};
    }
    if ((clean[0] == 'M' || clean[0] == 'm') && clean.size() > 2 && (clean[1] == 'J' || clean[1] == 'j') &&
        isDigit(clean[2])) {
        return {MetricDesignation{}, "MJ threads are not covered: their limits differ from M threads (ISO 5855)"};
    }
    if ((clean[0] == 'M' || clean[0] == 'm') && clean.size() > 1 && (isDigit(clean[1]) || clean[1] == '.')) {
        return parseMetric(clean, clean);
    }
    return parseUnified(clean, clean);
}

} // namespace orvanta::threads
