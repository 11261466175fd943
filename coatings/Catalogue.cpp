// Callouts read as drawings write them. A callout names a standard and
// its class; the catalogue gives what that standard states, and a
// thickness written in the callout narrows it. Anything not understood is
// refused with what is known, never guessed.
//
// No maximum is ever defaulted: the "nominal plus 50 %" default quoted from
// ASME B1.1 section 7 was found at one published page only, so where a
// standard sets a minimum alone the maximum stays the user's.
#include "CoatingData.h"
#include "Coatings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <regex>
#include <sstream>

namespace orvanta::coatings {

namespace {

constexpr const char* kKnown =
    "known: ASTM B633 SC1-SC4 (Fe/Zn 5, 8, 12, 25) Type I-VI; ISO 2081 Fe/Zn n; ISO 4042 Fe/Zn 3-30 (local or "
    "batch average); QQ-P-416 / AMS-QQ-P-416 Class 1-3 Type I-III; ASTM B766 Class 5, 8, 12, 25; ISO 10683 zinc "
    "flake 240, 480, 600, 720, 960 h; MIL-A-8625 Type II, Type III (hard anodize); electroless nickel; plating; ISO "
    "10684 hot-dip galvanized M8-M64 (local or batch average); ASTM F2329 over 3/8 in or 3/8 in and under "
    "(individual specimen, batch lot or production lot average); ASTM A153 Class C, D (individual or average); "
    "HDG by the drawing's unit";

constexpr const char* kHotDipFamily = "hot-dip galvanizing";

constexpr double kMmPerInch = 25.4;

enum class Standard {
    None,
    B633,
    Iso2081,
    Iso4042,
    Qqp416,
    B766,
    Iso10683,
    Mil8625,
    ElectrolessNickel,
    Plating,
    Iso10684,
    F2329,
    A153
};

bool isHotDip(Standard s)
{
    return s == Standard::Iso10684 || s == Standard::F2329 || s == Standard::A153;
}

struct Callout {
    Standard standard = Standard::None;
    bool ams = false;
    std::optional<int> serviceCondition;
    std::optional<int> feZn;
    std::string finishCode;
    std::optional<int> type;
    std::optional<int> cls;
    std::optional<int> hours;
    bool hard = false;
    bool anodize = false;
    bool zincWord = false;
    bool flakeWord = false;
    bool electroless = false;
    bool nickel = false;
    bool plating = false;
    bool batch = false; // "batch" or "average"
    bool local = false;
    bool batchWord = false;
    bool averageWord = false;
    bool production = false;
    bool hotDip = false;
    bool galvanized = false;
    bool byUnit = false;                  // a bare HDG, given its standard by the drawing's unit
    char letterClass = 0;                 // ASTM A153 Class C or D
    std::optional<bool> overThreeEighths; // the size range the callout writes
};

// What the caller knows of the part: the drawing's unit and the thread's nominal diameter in it.
struct Part {
    std::optional<UnitSystem> unit;
    std::optional<double> diameter;
};

struct Thickness {
    std::optional<double> minMm;
    std::optional<double> maxMm;
    std::string text; // as the normal name shows it
};

std::string lowerAscii(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (const char c : s) {
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return out;
}

void replaceAll(std::string& s, std::string_view from, std::string_view to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) {
        s.replace(at, from.size(), to);
    }
}

std::string roman(int n)
{
    static constexpr std::array<const char*, 7> kRoman{"", "I", "II", "III", "IV", "V", "VI"};
    return n >= 1 && n <= 6 ? kRoman[static_cast<std::size_t>(n)] : std::to_string(n);
}

std::optional<int> typeNumber(const std::string& token)
{
    static constexpr std::array<const char*, 6> kRoman{"i", "ii", "iii", "iv", "v", "vi"};
    for (std::size_t i = 0; i < kRoman.size(); ++i) {
        if (token == kRoman[i] || token == std::to_string(i + 1)) {
            return static_cast<int>(i) + 1;
        }
    }
    return std::nullopt;
}

std::optional<int> wholeNumber(const std::string& token)
{
    if (token.empty() || token.size() > 4 ||
        !std::all_of(token.begin(), token.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        return std::nullopt;
    }
    return std::stoi(token);
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

// The unit's millimetres, or 0 when the text names none.
double unitFactor(const std::string& unit)
{
    if (unit == "in" || unit == "inch" || unit == "inches") {
        return kMmPerInch;
    }
    if (unit == "mm") {
        return 1.0;
    }
    if (unit == "um" || unit == "micron" || unit == "microns") {
        return 0.001;
    }
    return 0.0;
}

std::string unitName(double factor)
{
    return factor == kMmPerInch ? "in" : (factor == 1.0 ? "mm" : "µm");
}

// Takes the thickness phrase out of the text: "0.002 +/- 0.0002 in", ".0003-.0005", "25 um", ".0003 max".
// Whole numbers without a unit are left: they are classes ("Fe/Zn 8", "Class 3").
std::optional<std::string> takeThickness(std::string& text, std::optional<UnitSystem> drawingUnit, Thickness& out)
{
    static const std::string num = R"((\d+\.\d*|\.\d+|\d+))";
    static const std::string unit = R"((?:\s*(inches|inch|in|mm|um|microns|micron)\b)?)";
    static const std::regex tolerance("(^|\\s)" + num + unit + R"(\s*\+/?-\s*)" + num + unit);
    static const std::regex range("(^|\\s)" + num + unit + R"(\s*(?:-|\bto\b)\s*)" + num + unit);
    static const std::regex single("(^|\\s)" + num + unit + R"((?:\s+(min|minimum|max|maximum)\b)?)");
    std::smatch m;
    enum { Tolerance, Range, Single } form{};
    if (std::regex_search(text, m, tolerance)) {
        form = Tolerance;
    } else if (std::regex_search(text, m, range)) {
        form = Range;
    } else {
        // A bare whole number is a class ("Fe/Zn 8", "Class 3"), not a thickness: look past it.
        bool found = false;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), single); it != std::sregex_iterator(); ++it) {
            if ((*it)[3].matched || (*it)[2].str().find('.') != std::string::npos) {
                m = *it;
                found = true;
                break;
            }
        }
        if (!found) {
            return std::nullopt;
        }
        form = Single;
    }
    if (form == Range && !m[3].matched && !m[5].matched && m[2].str().find('.') == std::string::npos &&
        m[4].str().find('.') == std::string::npos) {
        return std::nullopt; // "5-8" with no unit and no point is not a thickness
    }
    double factor = unitFactor(m[3].str());
    if (form != Single) {
        const double second = unitFactor(m[5].str());
        if (factor != 0 && second != 0 && factor != second) {
            return "the thickness mixes units";
        }
        factor = factor != 0 ? factor : second;
    }
    if (factor == 0) {
        if (!drawingUnit) {
            return "give the thickness's unit (in, mm or µm)";
        }
        factor = *drawingUnit == UnitSystem::Inch ? kMmPerInch : 1.0;
    }
    const double a = std::stod(m[2].str());
    const std::string u = " " + unitName(factor);
    if (form == Tolerance) {
        const double t = std::stod(m[4].str());
        if (t > a) {
            return "the tolerance is larger than the thickness";
        }
        out.minMm = (a - t) * factor;
        out.maxMm = (a + t) * factor;
        out.text = number(a - t) + "-" + number(a + t) + u;
    } else if (form == Range) {
        const double b = std::stod(m[4].str());
        out.minMm = std::min(a, b) * factor;
        out.maxMm = std::max(a, b) * factor;
        out.text = number(std::min(a, b)) + "-" + number(std::max(a, b)) + u;
    } else if (m[4].matched && m[4].str().rfind("max", 0) == 0) {
        out.maxMm = a * factor;
        out.text = number(a) + u + " max";
    } else {
        out.minMm = a * factor;
        out.text = number(a) + u + " min";
    }
    if (out.maxMm && !(*out.maxMm > 0)) {
        return "a thickness must be more than zero";
    }
    text.erase(static_cast<std::size_t>(m.position(0)), static_cast<std::size_t>(m.length(0)));
    return std::nullopt;
}

// Lowercase, one blank between words, punctuation drawings use as separators dropped.
std::string normalised(std::string_view written)
{
    std::string s(written);
    replaceAll(s, "\xC2\xB1", " +/- "); // ±
    replaceAll(s, "\xC2\xB5", "u");     // µ (micro sign)
    replaceAll(s, "\xCE\xBC", "u");     // μ (Greek mu)
    replaceAll(s, "\"", " in ");
    s = lowerAscii(s);
    for (char& c : s) {
        if (c == ',' || c == ';' || c == '(' || c == ')' || c == ':' || c == '\t') {
            c = ' ';
        }
    }
    s = std::regex_replace(s, std::regex(R"(\bfe\s*/\s*zn\s*(\d+)\s*([a-z]\w*)?)"), " fe/zn $1 $2 ");
    s = std::regex_replace(s, std::regex(R"(\bsc\s+(\d))"), "sc$1");
    s = std::regex_replace(s, std::regex(R"((\d+)\s*(h|hr|hrs|hours)\b)"), "$1h");
    s = std::regex_replace(s, std::regex(R"(\b(astm|iso)-)"), "$1 ");
    s = std::regex_replace(s, std::regex(R"(\b(astm|iso)(b?\d))"), "$1 $2");
    // Hot-dip galvanizing's words and size ranges, made single words before a "3/8 in" could read as a thickness.
    s = std::regex_replace(s, std::regex(R"(\bhot[\s-]*dip(ped)?\b)"), " hot-dip ");
    s = std::regex_replace(s, std::regex(R"(\b3\s*/\s*8\s*(in|inch|inches)?\s*(and|&)\s*(under|smaller|less)\b)"),
                           " upto-3/8 ");
    s = std::regex_replace(s, std::regex(R"(\bover\s+3\s*/\s*8\s*(in\b|inch\b|inches\b)?)"), " over-3/8 ");
    return s;
}

std::vector<std::string> words(const std::string& s)
{
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;) {
        out.push_back(w);
    }
    return out;
}

bool isFiller(const std::string& w)
{
    static constexpr std::array<const char*, 19> kFiller{
        "per",    "astm",   "iso",   "cadmium", "cad",           "coating",
        "finish", "to",     "and",   "with",    "electroplated", "electrodeposited",
        "other",  "plated", "plate", "coat",    "lot",           "diameter",
        "dia"};
    return std::find(kFiller.begin(), kFiller.end(), w) != kFiller.end();
}

std::optional<std::string> setStandard(Callout& c, Standard s)
{
    if (c.standard != Standard::None && c.standard != s) {
        return std::string("the callout names two standards");
    }
    c.standard = s;
    return std::nullopt;
}

std::optional<std::string> readWords(const std::vector<std::string>& w, Callout& c)
{
    for (std::size_t i = 0; i < w.size(); ++i) {
        const std::string& t = w[i];
        const std::string next = i + 1 < w.size() ? w[i + 1] : std::string();
        std::optional<std::string> error;
        if (t == "b633") {
            error = setStandard(c, Standard::B633);
        } else if (t == "b766") {
            error = setStandard(c, Standard::B766);
        } else if (t == "2081" || t == "4042" || t == "10683" || t == "10684") {
            if (i == 0 || w[i - 1] != "iso") {
                return "\"" + t + "\" without ISO";
            }
            error = setStandard(c, t == "2081"    ? Standard::Iso2081
                                   : t == "4042"  ? Standard::Iso4042
                                   : t == "10683" ? Standard::Iso10683
                                                  : Standard::Iso10684);
        } else if (t == "f2329") {
            error = setStandard(c, Standard::F2329);
        } else if (t == "a153") {
            error = setStandard(c, Standard::A153);
        } else if (t == "hot-dip" || t == "hdg") {
            c.hotDip = true;
            c.galvanized = c.galvanized || t == "hdg";
        } else if (t == "galvanized" || t == "galvanised" || t == "galvanizing" || t == "galvanising" || t == "galv") {
            c.galvanized = true;
        } else if (t == "over-3/8" || t == "upto-3/8") {
            if (c.overThreeEighths && *c.overThreeEighths != (t == "over-3/8")) {
                return std::string("over 3/8 in or 3/8 in and under: one of them");
            }
            c.overThreeEighths = t == "over-3/8";
        } else if ((t == "class" || t == "cl") && next.size() == 1 && next[0] >= 'a' && next[0] <= 'd') {
            c.letterClass = static_cast<char>(std::toupper(static_cast<unsigned char>(next[0])));
            ++i;
        } else if (c.standard == Standard::A153 && (t == "c" || t == "d")) {
            c.letterClass = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
        } else if (t == "qq-p-416" || t == "ams-qq-p-416") {
            c.ams = t == "ams-qq-p-416";
            error = setStandard(c, Standard::Qqp416);
        } else if (t == "mil-a-8625" || t == "mil-prf-8625") {
            error = setStandard(c, Standard::Mil8625);
        } else if (t.size() == 3 && t.rfind("sc", 0) == 0 && std::isdigit(static_cast<unsigned char>(t[2]))) {
            c.serviceCondition = t[2] - '0';
        } else if (t == "fe/zn") {
            const std::optional<int> n = wholeNumber(next);
            if (!n) {
                return std::string("Fe/Zn needs its thickness number, as in Fe/Zn 8");
            }
            c.feZn = *n;
            ++i;
            static constexpr std::array<const char*, 5> kFinish{"c1a", "c1b", "c2c", "c2d", "bk"};
            static const std::regex finishLike("c\\d[a-z]|bk");
            if (i + 1 < w.size() && std::regex_match(w[i + 1], finishLike)) {
                const std::string& code = w[i + 1];
                if (std::find(kFinish.begin(), kFinish.end(), code) == kFinish.end()) {
                    return "finish \"" + code + "\" is not known: c1A, c1B, c2C, c2D, Bk";
                }
                c.finishCode =
                    code == "bk" ? "Bk" : "c" + std::string(1, code[1]) + static_cast<char>(std::toupper(code[2]));
                ++i;
            }
        } else if (t == "type") {
            const std::optional<int> n = typeNumber(next);
            if (!n) {
                return "type \"" + next + "\" is not known: Type I to VI";
            }
            c.type = n;
            ++i;
        } else if (t == "class" || t == "cl") {
            const std::optional<int> n = wholeNumber(next);
            if (!n) {
                return "class \"" + next + "\" is not known";
            }
            c.cls = n;
            ++i;
        } else if (t.size() > 1 && t.back() == 'h' && wholeNumber(t.substr(0, t.size() - 1))) {
            c.hours = wholeNumber(t.substr(0, t.size() - 1));
        } else if (t == "hard" || t == "hardcoat") {
            c.hard = true;
            c.anodize = c.anodize || t == "hardcoat";
        } else if (t == "anodize" || t == "anodise" || t == "anodized" || t == "anodised" || t == "anodizing" ||
                   t == "anodising" || t == "anodic") {
            c.anodize = true;
        } else if (t == "zinc" || t == "zn") {
            c.zincWord = true;
        } else if (t == "flake" || t == "flzn" || t == "flznyc" || t == "flznnc") {
            c.flakeWord = true;
            c.zincWord = true;
        } else if (t == "electroless") {
            c.electroless = true;
        } else if (t == "nickel" || t == "ni") {
            c.nickel = true;
        } else if (t == "plating") {
            c.plating = true;
        } else if (t == "batch" || t == "average") {
            c.batch = true;
            c.batchWord = c.batchWord || t == "batch";
            c.averageWord = c.averageWord || t == "average";
        } else if (t == "production") {
            c.production = true;
        } else if (t == "local") {
            c.local = true;
        } else if (!isFiller(t)) {
            return "\"" + t + "\" is not understood";
        }
        if (error) {
            return error;
        }
    }
    return std::nullopt;
}

// The standard the words point to when the callout names none. A bare
// hot-dip galvanizing sets no thickness: the drawing's unit picks the
// fastener standard of its system.
std::optional<std::string> inferStandard(Callout& c, const Part& part)
{
    if (c.standard == Standard::None && (c.hotDip || c.galvanized)) {
        if (!c.hotDip) {
            return std::string("\"galvanized\" alone may be zinc plating or hot-dip: write hot-dip galvanized (HDG) "
                               "or name the standard");
        }
        if (!part.unit) {
            return std::string("hot-dip galvanizing needs its standard (ISO 10684 for metric, ASTM F2329 or "
                               "A153 Class C/D for inch fasteners), or the drawing's unit");
        }
        c.standard = *part.unit == UnitSystem::Metric ? Standard::Iso10684 : Standard::F2329;
        c.byUnit = true;
    }
    if (c.hotDip && c.standard != Standard::None && !isHotDip(c.standard)) {
        return std::string("hot-dip galvanizing is ISO 10684, ASTM F2329 or ASTM A153, not this standard");
    }
    if (c.galvanized && c.standard != Standard::None && !isHotDip(c.standard) && c.standard != Standard::B633 &&
        c.standard != Standard::Iso2081 && c.standard != Standard::Iso4042) {
        return std::string("galvanizing is a zinc coating, not this standard");
    }
    if (c.standard == Standard::None) {
        if (c.flakeWord) {
            c.standard = Standard::Iso10683;
        } else if (c.anodize || c.hard) {
            c.standard = Standard::Mil8625;
        } else if (c.electroless && c.nickel) {
            c.standard = Standard::ElectrolessNickel;
        } else if (c.serviceCondition) {
            c.standard = Standard::B633;
        } else if (c.feZn) {
            c.standard = Standard::Iso2081;
        } else if (c.plating) {
            c.standard = Standard::Plating;
        } else {
            return std::string("no coating named");
        }
    }
    if (c.standard == Standard::Mil8625 && c.hard) {
        if (c.type && *c.type != 3) {
            return std::string("hard anodize is MIL-A-8625 Type III, not Type ") + roman(*c.type);
        }
        c.type = 3;
    }
    if (c.electroless != c.nickel && c.standard != Standard::Plating) {
        return std::string("\"electroless nickel\" is written in full");
    }
    return std::nullopt;
}

std::optional<std::string> notUsed(const Callout& c, bool serviceCondition, bool feZn, bool type, bool cls, bool hours)
{
    if (!serviceCondition && c.serviceCondition) {
        return std::string("a service condition (SC) does not belong to this standard");
    }
    if (!feZn && c.feZn) {
        return std::string("Fe/Zn does not belong to this standard");
    }
    if (!type && c.type) {
        return std::string("a type does not belong to this standard");
    }
    if (!cls && c.cls) {
        return std::string("a class does not belong to this standard");
    }
    if (!hours && c.hours) {
        return std::string("salt-spray hours do not belong to this standard");
    }
    if (!c.finishCode.empty() && c.standard != Standard::Iso2081) {
        return std::string("a finish code such as c1A belongs to ISO 2081");
    }
    if (c.local && c.standard != Standard::Iso4042 && c.standard != Standard::Iso10684) {
        return std::string("local limits are ISO 4042's and ISO 10684's");
    }
    if (c.batch && c.standard != Standard::Iso4042 && !isHotDip(c.standard)) {
        return std::string("local or batch-average limits are ISO 4042's (and hot-dip galvanizing's)");
    }
    if (c.production && c.standard != Standard::F2329) {
        return std::string("a production lot average belongs to ASTM F2329");
    }
    if (c.letterClass != 0 && c.standard != Standard::A153) {
        return std::string("a class letter belongs to ASTM A153 (Class C, D)");
    }
    if (c.overThreeEighths && c.standard != Standard::F2329 && c.standard != Standard::A153) {
        return std::string("a size range over 3/8 in or 3/8 in and under belongs to ASTM F2329 and A153");
    }
    return std::nullopt;
}

std::string typeText(const Callout& c)
{
    return c.type ? " Type " + roman(*c.type) : std::string();
}

std::string sizeText(bool over)
{
    return over ? "over 3/8 in" : "3/8 in and under";
}

// Over 3/8 in or not: from the callout's words, else from the thread's
// diameter; where both speak they must agree.
std::optional<std::string> sizeRange(const Callout& c, const Part& part, std::optional<bool>& over)
{
    over = c.overThreeEighths;
    if (part.diameter) {
        const double inches = *part.diameter / (part.unit == UnitSystem::Metric ? kMmPerInch : 1.0);
        const bool threadOver = inches > 0.375 + 1e-9;
        if (over && *over != threadOver) {
            return "the callout says " + sizeText(*over) + "; the thread's diameter (" + number(*part.diameter) +
                   (part.unit == UnitSystem::Metric ? " mm" : " in") + ") is " + sizeText(threadOver);
        }
        over = threadOver;
    }
    return std::nullopt;
}

std::optional<std::string> buildHotDip(const Callout& c, const Part& part, Coating& out)
{
    if (std::optional<std::string> error = notUsed(c, false, false, false, false, false)) {
        return error;
    }
    if (c.batch && c.local) {
        return std::string("local or batch average: one of them");
    }
    out.family = kHotDipFamily;
    out.basis = c.batch ? Basis::BatchAverage : Basis::Local;
    if (c.standard == Standard::Iso10684) {
        const Iso10684Thickness& t = iso10684Thickness();
        if (part.diameter && part.unit == UnitSystem::Inch) {
            return std::string("ISO 10684 is for ISO metric threads M8 to M64, not an inch thread");
        }
        if (part.diameter && (*part.diameter < t.smallestMm - 1e-9 || *part.diameter > t.largestMm + 1e-9)) {
            return "ISO 10684 covers threads M" + std::to_string(t.smallestMm) + " to M" + std::to_string(t.largestMm) +
                   "; not M" + number(*part.diameter);
        }
        out.name = std::string("ISO 10684 hot-dip galvanized") + (c.batch ? " batch average" : "");
        out.minThicknessMm = (c.batch ? t.batchMin : t.localMin) / 1000.0;
        out.source = std::string(c.byUnit ? "HDG on a metric drawing is taken as ISO 10684; " : "") + kIso10684Source;
        return std::nullopt;
    }
    std::optional<bool> over;
    if (std::optional<std::string> error = sizeRange(c, part, over)) {
        return error;
    }
    if (c.standard == Standard::F2329) {
        if (c.averageWord && !c.batchWord && !c.production) {
            return std::string("ASTM F2329 sets a production lot average and a batch lot average: write which");
        }
        if (c.batchWord && c.production) {
            return std::string("production lot or batch lot average: one of them");
        }
        if (!over) {
            return std::string("ASTM F2329's thickness depends on the fastener's diameter: write over 3/8 in or "
                               "3/8 in and under, or give the thread");
        }
        for (const F2329Row& row : f2329Rows()) {
            if (row.overThreeEighths == *over) {
                const int tenThousandths = c.production ? row.productionLot : (c.batch ? row.batchLot : row.individual);
                out.name = "ASTM F2329 " + sizeText(*over) +
                           (c.production ? " production lot average" : (c.batch ? " batch lot average" : ""));
                out.minThicknessMm = tenThousandths * 1e-4 * kMmPerInch;
                out.source = std::string(c.byUnit ? "HDG on an inch drawing is taken as ASTM F2329, the fastener "
                                                    "standard replacing A153 Class C and D; "
                                                  : "") +
                             kF2329Source;
                return std::nullopt;
            }
        }
        return std::string("ASTM F2329 has no row for this size");
    }
    if (c.letterClass == 'A' || c.letterClass == 'B') {
        return std::string("ASTM A153 Class A and B are not fastener classes: Class C (fasteners over 3/8 in) or "
                           "D (3/8 in and under)");
    }
    if (c.letterClass == 0 && !over) {
        return std::string("ASTM A153 needs Class C (fasteners over 3/8 in) or Class D (3/8 in and under), or the "
                           "thread");
    }
    const char cls = c.letterClass != 0 ? c.letterClass : (*over ? 'C' : 'D');
    for (const A153Row& row : a153Rows()) {
        if (row.cls == cls) {
            if (over && *over != row.overThreeEighths) {
                return "ASTM A153 Class " + std::string(1, cls) + " is for fasteners " +
                       sizeText(row.overThreeEighths) + "; this one is " + sizeText(*over);
            }
            out.name = "ASTM A153 Class " + std::string(1, cls) + (c.batch ? " average" : "");
            out.minThicknessMm = (c.batch ? row.average : row.individual) * 1e-4 * kMmPerInch;
            out.source = kA153Source;
            return std::nullopt;
        }
    }
    return std::string("ASTM A153 has no such class");
}

std::optional<std::string> build(const Callout& c, const Part& part, Coating& out)
{
    std::optional<std::string> error;
    switch (c.standard) {
    case Standard::B633: {
        if ((error = notUsed(c, true, true, true, false, false))) {
            return error;
        }
        if (!c.serviceCondition && !c.feZn) {
            return std::string("ASTM B633 needs a service condition (SC1-SC4) or its Fe/Zn class");
        }
        const B633Class* found = nullptr;
        for (const B633Class& row : b633Classes()) {
            if ((!c.serviceCondition || row.serviceCondition == *c.serviceCondition) &&
                (!c.feZn || row.feZn == *c.feZn)) {
                found = &row;
            }
        }
        if (found == nullptr) {
            return std::string("ASTM B633 has SC1 Fe/Zn 5, SC2 Fe/Zn 8, SC3 Fe/Zn 12, SC4 Fe/Zn 25; the callout "
                               "matches none");
        }
        if (c.type && *c.type > 6) {
            return std::string("ASTM B633 has Types I to VI");
        }
        out.name = "ASTM B633 Fe/Zn " + std::to_string(found->feZn) + " (SC" + std::to_string(found->serviceCondition) +
                   ")" + typeText(c);
        out.family = "electroplated zinc";
        out.minThicknessMm = found->feZn / 1000.0;
        out.source = kB633Source;
        return std::nullopt;
    }
    case Standard::Iso2081:
        if ((error = notUsed(c, false, true, false, false, false))) {
            return error;
        }
        if (!c.feZn || *c.feZn <= 0) {
            return std::string("ISO 2081 needs Fe/Zn n, n the minimum thickness in µm");
        }
        out.name = "ISO 2081 Fe/Zn " + std::to_string(*c.feZn) + (c.finishCode.empty() ? "" : " " + c.finishCode);
        out.family = "electroplated zinc";
        out.minThicknessMm = *c.feZn / 1000.0;
        out.basis = Basis::Local;
        out.source = kIso2081Source;
        return std::nullopt;
    case Standard::Iso4042: {
        if ((error = notUsed(c, false, true, false, false, false))) {
            return error;
        }
        if (c.batch && c.local) {
            return std::string("local or batch average: one of them");
        }
        for (const Iso4042Thickness& row : iso4042Thicknesses()) {
            if (c.feZn && row.nominal == *c.feZn) {
                out.name = "ISO 4042 Fe/Zn " + std::to_string(row.nominal) + (c.batch ? " batch average" : "");
                out.family = "electroplated zinc";
                out.minThicknessMm = (c.batch ? row.batchMin : row.localMin) / 1000.0;
                if (c.batch) {
                    out.maxThicknessMm = row.batchMax / 1000.0;
                }
                out.basis = c.batch ? Basis::BatchAverage : Basis::Local;
                out.source = kIso4042ThicknessSource;
                return std::nullopt;
            }
        }
        return std::string("ISO 4042's nominal thicknesses are Fe/Zn 3, 5, 8, 10, 12, 15, 20, 25, 30");
    }
    case Standard::Qqp416:
    case Standard::B766: {
        const bool qq = c.standard == Standard::Qqp416;
        if ((error = notUsed(c, false, false, true, true, false))) {
            return error;
        }
        const std::string spec = qq ? (c.ams ? "AMS-QQ-P-416" : "QQ-P-416") : "ASTM B766";
        if (c.type && *c.type > 3) {
            return spec + " has Types I to III";
        }
        for (const ThicknessClass& row : qq ? qqp416Classes() : b766Classes()) {
            if (c.cls && row.code == *c.cls) {
                out.name = spec + typeText(c) + " Class " + std::to_string(row.code);
                out.family = "cadmium";
                out.minThicknessMm = row.microns > 0 ? row.microns / 1000.0 : row.tenThousandthsIn * 1e-4 * kMmPerInch;
                out.source = qq ? kQqp416Source : kB766Source;
                return std::nullopt;
            }
        }
        return spec + (qq ? " needs Class 1, 2 or 3" : " needs Class 5, 8, 12 or 25");
    }
    case Standard::Iso10683:
        if ((error = notUsed(c, false, false, false, false, true))) {
            return error;
        }
        for (const ThicknessClass& row : iso10683Classes()) {
            if (c.hours && row.code == *c.hours) {
                out.name = "ISO 10683 zinc flake " + std::to_string(row.code) + " h";
                out.family = "zinc flake";
                out.minThicknessMm = row.microns / 1000.0;
                out.source = kIso10683Source;
                return std::nullopt;
            }
        }
        return std::string("ISO 10683 zinc flake is tabulated for 240, 480, 600, 720 and 960 h of salt spray; "
                           "give one of them");
    case Standard::Mil8625:
        if ((error = notUsed(c, false, false, true, false, false))) {
            return error;
        }
        if (!c.type) {
            return std::string("anodize needs its type: MIL-A-8625 Type II, or Type III (hard anodize)");
        }
        if (*c.type != 2 && *c.type != 3) {
            return "MIL-A-8625 Type " + roman(*c.type) + " has no growth rule in the catalogue: Type II and III only";
        }
        out.name = "MIL-A-8625" + typeText(c);
        out.family = "anodize";
        // Type II grows a third of its film outward, hard anodize half: the
        // finishers' rule of thumb (sources in CoatingData.h).
        out.outwardFraction = *c.type == 3 ? 0.5 : 1.0 / 3.0;
        out.outwardFractionIsRuleOfThumb = true;
        out.source = *c.type == 3 ? kAnodizeHardSource : kAnodizeSource;
        return std::nullopt;
    case Standard::ElectrolessNickel:
    case Standard::Plating:
        if ((error = notUsed(c, false, false, false, false, false))) {
            return error;
        }
        if (c.standard == Standard::Plating && (c.nickel || c.zincWord)) {
            return std::string("name the standard of the plating, or write \"plating\" with its thickness");
        }
        out.name = c.standard == Standard::Plating ? "plating" : "electroless nickel";
        out.family = out.name;
        out.source = "thickness as the drawing gives it; the whole thickness grows outward";
        return std::nullopt;
    case Standard::Iso10684:
    case Standard::F2329:
    case Standard::A153:
        return buildHotDip(c, part, out);
    case Standard::None:
        break;
    }
    return std::string("no coating named");
}

// A thickness in the callout narrows what the standard states; it may not loosen it.
std::optional<std::string> applyThickness(const Thickness& t, Coating& coating)
{
    constexpr double kEps = 1e-9;
    if (t.minMm) {
        if (coating.minThicknessMm && *t.minMm < *coating.minThicknessMm - kEps) {
            return std::string("the callout's minimum is below the standard's");
        }
        coating.minThicknessMm = t.minMm;
    }
    if (t.maxMm) {
        if (coating.maxThicknessMm && *t.maxMm > *coating.maxThicknessMm + kEps) {
            return std::string("the callout's maximum is above the standard's");
        }
        coating.maxThicknessMm = t.maxMm;
    }
    if (coating.minThicknessMm && coating.maxThicknessMm && *coating.maxThicknessMm < *coating.minThicknessMm - kEps) {
        return std::string("the callout's maximum is below the standard's minimum");
    }
    coating.name += ", " + t.text;
    return std::nullopt;
}

CoatingLookup lookUp(std::string_view written, std::optional<UnitSystem> drawingUnit,
                     std::optional<double> nominalDiameter = std::nullopt)
{
    CoatingLookup result;
    const auto refuse = [&](const std::string& why) {
        result.error = "cannot read \"" + std::string(written) + "\": " + why + " (" + kKnown + ")";
        return result;
    };
    if (nominalDiameter && !(std::isfinite(*nominalDiameter) && *nominalDiameter > 0)) {
        return refuse("the thread's nominal diameter must be more than zero");
    }
    const Part part{drawingUnit, nominalDiameter};
    std::string text = normalised(written);
    Thickness thickness;
    if (const std::optional<std::string> error = takeThickness(text, drawingUnit, thickness)) {
        return refuse(*error);
    }
    Callout c;
    if (std::optional<std::string> error = readWords(words(text), c)) {
        return refuse(*error);
    }
    if (std::optional<std::string> error = inferStandard(c, part)) {
        return refuse(*error);
    }
    Coating coating;
    if (std::optional<std::string> error = build(c, part, coating)) {
        return refuse(*error);
    }
    if (thickness.minMm || thickness.maxMm) {
        if (std::optional<std::string> error = applyThickness(thickness, coating)) {
            return refuse(*error);
        }
    }
    result.coating = std::move(coating);
    return result;
}

} // namespace

CoatingLookup lookUpCoating(std::string_view written)
{
    return lookUp(written, std::nullopt);
}

CoatingLookup lookUpCoating(std::string_view written, UnitSystem drawingUnit)
{
    return lookUp(written, drawingUnit);
}

CoatingLookup lookUpCoating(std::string_view written, UnitSystem drawingUnit, double nominalDiameter)
{
    return lookUp(written, drawingUnit, nominalDiameter);
}

const std::vector<std::string>& catalogueNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> n;
        for (const B633Class& row : b633Classes()) {
            n.push_back("ASTM B633 Fe/Zn " + std::to_string(row.feZn) + " (SC" + std::to_string(row.serviceCondition) +
                        ")");
        }
        for (const Iso4042Thickness& row : iso4042Thicknesses()) {
            n.push_back("ISO 4042 Fe/Zn " + std::to_string(row.nominal));
            n.push_back("ISO 4042 Fe/Zn " + std::to_string(row.nominal) + " batch average");
        }
        for (const ThicknessClass& row : qqp416Classes()) {
            n.push_back("QQ-P-416 Class " + std::to_string(row.code));
        }
        for (const ThicknessClass& row : b766Classes()) {
            n.push_back("ASTM B766 Class " + std::to_string(row.code));
        }
        for (const ThicknessClass& row : iso10683Classes()) {
            n.push_back("ISO 10683 zinc flake " + std::to_string(row.code) + " h");
        }
        n.insert(n.end(), {"MIL-A-8625 Type II", "MIL-A-8625 Type III", "electroless nickel", "plating"});
        n.insert(n.end(), {"ISO 10684 hot-dip galvanized", "ISO 10684 hot-dip galvanized batch average"});
        for (const F2329Row& row : f2329Rows()) {
            const std::string name = "ASTM F2329 " + sizeText(row.overThreeEighths);
            n.insert(n.end(), {name, name + " batch lot average", name + " production lot average"});
        }
        for (const A153Row& row : a153Rows()) {
            const std::string name = "ASTM A153 Class " + std::string(1, row.cls);
            n.insert(n.end(), {name, name + " average"});
        }
        return n;
    }();
    return names;
}

} // namespace orvanta::coatings
