#include "core/review/PartsList.h"

#include "core/display/NumberText.h"
#include "core/record/TextCase.h"
#include "platform/SafeFileWriter.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
#include <utility>

namespace dorvanta {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Rows searched for the header; schematic tools may write a few lines of
// preamble (source, date, tool) above it.
constexpr std::size_t kHeaderSearchRows = 20;

// The longest designator range expanded.
constexpr long kMaxRange = 10000;

constexpr std::array<std::string_view, 5> kDesignatorNames = {"Reference", "References",
                                                              "Designator", "RefDes", "Ref"};
// In order of preference; Value only when none of the others is present.
constexpr std::array<std::string_view, 5> kPartNames = {"MPN", "Manufacturer Part Number",
                                                        "Part Number", "PN", "Value"};

bool IsBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) noexcept {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

struct TPhysicalLine {
    std::size_t Number;
    std::string_view Text;
};

// The lines of `text` without their LF or CRLF ends.
std::vector<TPhysicalLine> SplitLines(std::string_view text) {
    std::vector<TPhysicalLine> lines;
    std::size_t number = 1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back({number++, line});
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The fields of one line. A field that begins with a quote (blanks before it
// allowed) runs to the closing quote, a doubled quote standing for one; text
// between the closing quote and the next separator is kept. Fails when a
// quote is left open at the end of the line.
Expected<std::vector<std::string>> SplitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        std::string field;
        while (i < line.size() && IsBlank(line[i])) {
            ++i;
        }
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= line.size()) {
                    return Unexpected("unbalanced quote");
                }
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
        }
        while (i < line.size() && line[i] != separator) {
            field += line[i++];
        }
        fields.emplace_back(Trim(field));
        if (i >= line.size()) {
            return fields;
        }
        ++i; // the separator
    }
}

// The separator of the list: the one of ',' and ';' that occurs more often
// outside quotes in the first line that holds either; ',' on a tie.
char DetectSeparator(const std::vector<TPhysicalLine>& lines) {
    for (const TPhysicalLine& line : lines) {
        std::size_t commas = 0;
        std::size_t semicolons = 0;
        bool quoted = false;
        for (const char c : line.Text) {
            if (c == '"') {
                quoted = !quoted;
            } else if (!quoted) {
                commas += c == ',' ? 1 : 0;
                semicolons += c == ';' ? 1 : 0;
            }
        }
        if (commas + semicolons > 0) {
            return semicolons > commas ? ';' : ',';
        }
    }
    return ',';
}

bool IsEmptyRow(const std::vector<std::string>& fields) noexcept {
    for (const std::string& field : fields) {
        if (!field.empty()) {
            return false;
        }
    }
    return true;
}

using TColumn = std::optional<std::size_t>;

TColumn FindHeader(const std::vector<std::string>& headers, std::string_view name) {
    for (std::size_t i = 0; i < headers.size(); ++i) {
        if (EqualsIgnoringCase(headers[i], name)) {
            return i;
        }
    }
    return std::nullopt;
}

template <std::size_t N>
TColumn FindAnyHeader(const std::vector<std::string>& headers,
                      const std::array<std::string_view, N>& names) {
    for (const std::string_view name : names) {
        if (const TColumn column = FindHeader(headers, name)) {
            return column;
        }
    }
    return std::nullopt;
}

// The columns of one list, by index into a row.
struct TColumnMap {
    TColumn Designator;
    TColumn Part;
    TColumn Va;
    TColumn Rs;
    TColumn Rl;
    TColumn Imax;
};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string JoinQuoted(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += text.empty() ? "" : ", ";
        text += Quoted(name);
    }
    return text;
}

// A column named by the user must exist; otherwise the usual names are tried.
template <std::size_t N>
Expected<TColumn> ResolveColumn(const std::vector<std::string>& headers,
                                const std::string& override,
                                const std::array<std::string_view, N>& names) {
    if (override.empty()) {
        return FindAnyHeader(headers, names);
    }
    if (const TColumn column = FindHeader(headers, override)) {
        return column;
    }
    return Unexpected("no column named " + Quoted(override) + "; the header row holds " +
                      JoinQuoted(headers));
}

Expected<TColumnMap> MapColumns(const std::vector<std::string>& headers,
                                const TPartsListColumns& names) {
    TColumnMap map;
    struct Slot {
        TColumn& Target;
        const std::string& Override;
        std::string_view Usual;
    };
    for (const Slot& slot : {Slot{map.Va, names.Va, "Va"}, Slot{map.Rs, names.Rs, "Rs"},
                             Slot{map.Rl, names.Rl, "Rl"}, Slot{map.Imax, names.Imax, "Imax"}}) {
        auto column = ResolveColumn(headers, slot.Override, std::array{slot.Usual});
        if (!column) {
            return Unexpected(column.error());
        }
        slot.Target = *column;
    }
    auto designator = ResolveColumn(headers, names.Designator, kDesignatorNames);
    if (!designator) {
        return Unexpected(designator.error());
    }
    map.Designator = *designator;
    auto part = ResolveColumn(headers, names.Part, kPartNames);
    if (!part) {
        return Unexpected(part.error());
    }
    map.Part = *part;
    return map;
}

bool HasPartColumn(const std::vector<std::string>& headers, const TPartsListColumns& names) {
    return names.Part.empty() ? FindAnyHeader(headers, kPartNames).has_value()
                              : FindHeader(headers, names.Part).has_value();
}

std::string_view Cell(const std::vector<std::string>& fields, TColumn column) noexcept {
    return column && *column < fields.size() ? std::string_view(fields[*column])
                                             : std::string_view();
}

// A circuit value of a row: empty cell, a number within its range, or an
// error naming the column.
Expected<std::optional<Real>> ReadCircuitValue(std::string_view cell, std::string_view name,
                                               bool zeroAllowed) {
    if (cell.empty()) {
        return std::optional<Real>();
    }
    const std::optional<Real> value = ParseGeneral(cell, ".");
    if (!value) {
        return Unexpected(std::string(name) + " is not a number: " + Quoted(cell));
    }
    if (zeroAllowed ? *value < 0 : *value <= 0) {
        return Unexpected(std::string(name) +
                          (zeroAllowed ? " is negative: " : " is not above 0: ") + Quoted(cell));
    }
    return value;
}

// Fills the circuit values of `line` from a row; the first bad value ends it.
Expected<void> ReadApplication(const std::vector<std::string>& fields, const TColumnMap& map,
                               TLineApplication& application) {
    struct Slot {
        TColumn Source;
        std::string_view Name;
        bool ZeroAllowed;
        std::optional<Real>& Target;
    };
    for (const Slot& slot :
         {Slot{map.Va, "Va", false, application.Va}, Slot{map.Rs, "Rs", true, application.Rs},
          Slot{map.Rl, "Rl", true, application.Rl},
          Slot{map.Imax, "Imax", false, application.Imax}}) {
        auto value = ReadCircuitValue(Cell(fields, slot.Source), slot.Name, slot.ZeroAllowed);
        if (!value) {
            return Unexpected(value.error());
        }
        slot.Target = *value;
    }
    return {};
}

TPartsListLine ReadRow(const TPhysicalLine& physical, char separator, const TColumnMap& map) {
    TPartsListLine line;
    line.Line = physical.Number;
    auto fields = SplitFields(physical.Text, separator);
    if (!fields) {
        line.Error = fields.error();
        return line;
    }
    line.Designators = ExpandDesignators(Cell(*fields, map.Designator));
    line.PartNumber = std::string(Cell(*fields, map.Part));
    if (auto application = ReadApplication(*fields, map, line.Application); !application) {
        line.Error = application.error();
    }
    return line;
}

struct THeaderRow {
    std::size_t Index; // into the physical lines
    std::vector<std::string> Fields;
};

// The first of the leading rows that names a part-number column.
Expected<THeaderRow> FindHeaderRow(const std::vector<TPhysicalLine>& lines, char separator,
                                   const TPartsListColumns& names) {
    std::optional<THeaderRow> first;
    std::size_t searched = 0;
    for (std::size_t i = 0; i < lines.size() && searched < kHeaderSearchRows; ++i) {
        auto fields = SplitFields(lines[i].Text, separator);
        if (!fields || IsEmptyRow(*fields)) {
            continue;
        }
        ++searched;
        if (HasPartColumn(*fields, names)) {
            return THeaderRow{i, std::move(*fields)};
        }
        if (!first) {
            first = THeaderRow{i, std::move(*fields)};
        }
    }
    if (!first) {
        return Unexpected("the parts list is empty");
    }
    const std::string wanted = names.Part.empty()
                                   ? "MPN, Manufacturer Part Number, Part Number, PN or Value"
                                   : Quoted(names.Part);
    return Unexpected("line " + std::to_string(lines[first->Index].Number) +
                      ": no part-number column (" + wanted + "); the header row holds " +
                      JoinQuoted(first->Fields));
}

// Blanks next to a '-' are dropped, so that "C1 - C3" reads as one range.
std::string JoinRanges(std::string_view cell) {
    std::string joined;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (IsBlank(cell[i])) {
            const std::size_t next = cell.find_first_not_of(" \t", i);
            const bool beforeDash = next != std::string_view::npos && cell[next] == '-';
            const bool afterDash = !joined.empty() && joined.back() == '-';
            if (beforeDash || afterDash) {
                continue;
            }
        }
        joined += cell[i];
    }
    return joined;
}

struct TDesignator {
    std::string_view Prefix;
    long Number;
};

// "C12" as prefix "C" and number 12; nothing when it does not end in digits.
std::optional<TDesignator> SplitDesignator(std::string_view text) noexcept {
    std::size_t digits = text.size();
    while (digits > 0 && text[digits - 1] >= '0' && text[digits - 1] <= '9') {
        --digits;
    }
    long number = 0;
    const auto [end, error] =
        std::from_chars(text.data() + digits, text.data() + text.size(), number);
    if (digits == text.size() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return TDesignator{text.substr(0, digits), number};
}

void AppendDesignator(std::vector<std::string>& out, std::string_view token) {
    const std::size_t dash = token.find('-');
    if (dash != std::string_view::npos) {
        const auto from = SplitDesignator(token.substr(0, dash));
        const auto to = SplitDesignator(token.substr(dash + 1));
        if (from && to && from->Prefix == to->Prefix && from->Number <= to->Number &&
            to->Number - from->Number < kMaxRange) {
            for (long n = from->Number; n <= to->Number; ++n) {
                out.push_back(std::string(from->Prefix) + std::to_string(n));
            }
            return;
        }
    }
    out.emplace_back(token);
}

std::string SystemFailure(const std::filesystem::path& file, int error) {
    return file.string() + ": " + SystemErrorText(error);
}

} // namespace

Expected<void> SetPartsListColumn(TPartsListColumns& columns, std::string_view assignment) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos) {
        return Unexpected("a column is named as KEY=NAME, not " + Quoted(assignment));
    }
    const std::string_view key = Trim(assignment.substr(0, equals));
    const std::string_view name = Trim(assignment.substr(equals + 1));
    if (name.empty()) {
        return Unexpected("the column name for " + Quoted(key) + " is empty");
    }
    const std::array<std::pair<std::string_view, std::string*>, 6> slots = {{
        {"designator", &columns.Designator},
        {"part", &columns.Part},
        {"va", &columns.Va},
        {"rs", &columns.Rs},
        {"rl", &columns.Rl},
        {"imax", &columns.Imax},
    }};
    for (const auto& [slotKey, target] : slots) {
        if (EqualsIgnoringCase(key, slotKey)) {
            *target = std::string(name);
            return {};
        }
    }
    return Unexpected("unknown column key " + Quoted(key) +
                      " (designator, part, va, rs, rl or imax)");
}

std::vector<std::string> ExpandDesignators(std::string_view cell) {
    const std::string joined = JoinRanges(cell);
    std::vector<std::string> designators;
    std::size_t i = 0;
    while (i < joined.size()) {
        const std::size_t start = joined.find_first_not_of(", ;\t", i);
        if (start == std::string::npos) {
            break;
        }
        std::size_t end = joined.find_first_of(", ;\t", start);
        if (end == std::string::npos) {
            end = joined.size();
        }
        AppendDesignator(designators, std::string_view(joined).substr(start, end - start));
        i = end;
    }
    return designators;
}

Expected<TPartsList> ReadPartsList(std::string_view text, const TPartsListColumns& columns) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const std::vector<TPhysicalLine> lines = SplitLines(text);
    const char separator = DetectSeparator(lines);
    auto header = FindHeaderRow(lines, separator, columns);
    if (!header) {
        return Unexpected(header.error());
    }
    auto map = MapColumns(header->Fields, columns);
    if (!map) {
        return Unexpected("line " + std::to_string(lines[header->Index].Number) + ": " +
                          map.error());
    }
    TPartsList list;
    list.Headers = std::move(header->Fields);
    for (std::size_t i = header->Index + 1; i < lines.size(); ++i) {
        if (Trim(lines[i].Text).empty()) {
            continue;
        }
        TPartsListLine line = ReadRow(lines[i], separator, *map);
        if (line.Error.empty() && line.PartNumber.empty() && line.Designators.empty()) {
            continue; // a row of empty cells, as spreadsheets leave them
        }
        list.Lines.push_back(std::move(line));
    }
    if (list.Lines.empty()) {
        return Unexpected("the parts list holds no lines below its header row (line " +
                          std::to_string(lines[header->Index].Number) + ")");
    }
    return list;
}

Expected<TPartsList> ReadPartsListFile(const std::filesystem::path& file,
                                       const TPartsListColumns& columns) {
    errno = 0;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return Unexpected(SystemFailure(file, errno));
    }
    std::string text;
    std::array<char, 65536> block{};
    while (text.size() <= kMaxPartsListBytes && in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        text.append(block.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return Unexpected(SystemFailure(file, errno));
    }
    if (text.size() > kMaxPartsListBytes) {
        return Unexpected(file.string() + ": the parts list is larger than " +
                          std::to_string(kMaxPartsListBytes / (1024U * 1024U)) + " MiB");
    }
    return ReadPartsList(text, columns);
}

} // namespace dorvanta
