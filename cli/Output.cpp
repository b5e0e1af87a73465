#include "Output.h"

#include "Json.h"
#include "NumberText.h"
#include "ResultFields.h"
#include "ResultsCsv.h"
#include "untKonstanty.h"

#include <algorithm>
#include <array>
#include <iomanip>

namespace dorvanta::cli {

namespace {

constexpr std::array<std::pair<std::string_view, OutputFormat>, 3> kFormats = {{
    {"text", OutputFormat::Text},
    {"csv", OutputFormat::Csv},
    {"json", OutputFormat::Json},
}};

std::vector<std::string> ReasonNames(const TRejectReasons& reasons) {
    std::vector<std::string> names;
    for (const TRejectReason reason : {rrVoltage, rrSurge}) {
        if (reasons.Contains(reason)) {
            names.emplace_back(RejectReasonName(reason));
        }
    }
    return names;
}

std::vector<std::string> JsonStrings(const std::vector<std::string>& texts) {
    std::vector<std::string> json;
    json.reserve(texts.size());
    for (const auto& text : texts) {
        json.push_back(JsonString(text));
    }
    return json;
}

std::string JsonValue(const TResultField& field, const TResultLine& line,
                      const TPartNoInfo& candidate) {
    switch (field.Kind) {
    case TResultFieldKind::Text:
        return JsonString(field.Text(line, candidate));
    case TResultFieldKind::Number:
        return JsonNumber(field.Number(line, candidate));
    case TResultFieldKind::Array:
        break;
    }
    std::vector<std::string> items;
    for (const Real value : field.Array(line, candidate)) {
        items.push_back(JsonNumber(value));
    }
    return JsonArray(items);
}

std::string JsonPart(const TResultLine& line) {
    const TPartNoInfo candidate = CandidateInfo(line);
    std::string json = "{";
    for (const TResultField& field : ResultFields) {
        if (json.size() > 1) {
            json += ", ";
        }
        json += JsonString(field.Name) + ": " + JsonValue(field, line, candidate);
    }
    return json + "}";
}

void WriteSearchJson(std::ostream& out, const SearchOutcome& o) {
    out << "{\"catalogue\": {\"note\": " << JsonString(o.Catalogue.Note)
        << ", \"entries\": " << o.Catalogue.Entries.size() << "},\n"
        << " \"closest_match\": " << (o.ClosestMatch ? "true" : "false") << ",\n"
        << " \"reasons\": " << JsonArray(JsonStrings(ReasonNames(o.Reasons))) << ",\n"
        << " \"parts\": [";
    for (std::size_t i = 0; i < o.Parts.size(); ++i) {
        out << (i == 0 ? "\n  " : ",\n  ") << JsonPart(o.Parts[i]);
    }
    out << "]}\n";
}

// One row of the text table: the values an engineer reads first.
struct TextColumn {
    std::string_view Heading;
    std::string (*Cell)(const TResultLine&, const TPartNoInfo&);
};

std::string Shown(Real value, NumberPattern pattern) {
    return FormatPattern(value, pattern, ".");
}

// clang-format off
const std::array<TextColumn, 11> kTextColumns = {{
    {"Part number", [](const TResultLine& l, const TPartNoInfo&) { return std::string(l.PartNumber()); }},
    {"Case", [](const TResultLine&, const TPartNoInfo& c) { return c.CaseSize; }},
    {"C uF", [](const TResultLine&, const TPartNoInfo& c) { return FormatGeneral(c.Capacitance); }},
    {"Vr V", [](const TResultLine&, const TPartNoInfo& c) { return FormatGeneral(c.RatedVoltage); }},
    {"ESR ohm", [](const TResultLine&, const TPartNoInfo& c) { return Shown(c.ESRmax / 1000, NumberPattern::ThreeDecimals); }},
    {"Derating %", [](const TResultLine&, const TPartNoInfo& c) { return Shown(c.Pocitane.Derating, NumberPattern::OneDecimal); }},
    {"Test surge A", [](const TResultLine&, const TPartNoInfo& c) { return Shown(c.Pocitane.TestSurge, NumberPattern::TwoDecimals); }},
    {"App surge A", [](const TResultLine&, const TPartNoInfo& c) { return Shown(c.Pocitane.AppSurge, NumberPattern::TwoDecimals); }},
    {"Irms 25C mA", [](const TResultLine&, const TPartNoInfo& c) { return Shown(c.Pocitane.Irms[kTemperature25], NumberPattern::Integer); }},
    {"DCL 25C uA", [](const TResultLine&, const TPartNoInfo& c) { return Shown(c.Pocitane.DCL[kTemperature25], NumberPattern::TwoDecimals); }},
    {"FIT 25C", [](const TResultLine&, const TPartNoInfo& c) { return Shown(c.Pocitane.FIT[kTemperature25], NumberPattern::Scientific); }},
}};
// clang-format on

void WriteSearchText(std::ostream& out, const SearchOutcome& o) {
    if (o.Parts.empty()) {
        out << "No parts found.";
        const auto reasons = ReasonNames(o.Reasons);
        if (!reasons.empty()) {
            out << " Rejected by:";
            for (const auto& reason : reasons) {
                out << " " << reason;
            }
            if (o.Reasons.Contains(rrSurge) && !o.ClosestMatch) {
                out << " (--closest-match admits up to 15 % over the test surge)";
            }
        }
        out << "\n";
        return;
    }
    std::vector<std::vector<std::string>> rows(1);
    for (const TextColumn& column : kTextColumns) {
        rows[0].emplace_back(column.Heading);
    }
    for (const TResultLine& line : o.Parts) {
        auto& row = rows.emplace_back();
        const TPartNoInfo candidate = CandidateInfo(line);
        for (const TextColumn& column : kTextColumns) {
            row.push_back(column.Cell(line, candidate));
        }
    }
    std::vector<std::size_t> widths(kTextColumns.size(), 0);
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            const bool last = c + 1 == row.size();
            out << std::left << std::setw(last ? 0 : static_cast<int>(widths[c] + 2)) << row[c];
        }
        out << "\n";
    }
    out << o.Parts.size() << (o.Parts.size() == 1 ? " part" : " parts")
        << (o.ClosestMatch ? " (closest match)" : "") << "\n";
}

void WriteListsText(std::ostream& out, const ValueLists& lists) {
    const std::pair<std::string_view, const TValueList*> rows[] = {
        {"case sizes", &lists.CaseSizes},
        {"capacitances", &lists.Capacitances},
        {"voltages", &lists.Voltages},
    };
    for (const auto& [caption, list] : rows) {
        out << caption << ":";
        for (const auto& text : *list) {
            out << " " << text;
        }
        out << "\n";
    }
}

} // namespace

OutputFormat FormatOption(const Arguments& args, std::initializer_list<OutputFormat> allowed) {
    const std::string text = args.ValueOr("--format", "text");
    for (const auto& [name, format] : kFormats) {
        if (name == text && std::find(allowed.begin(), allowed.end(), format) != allowed.end()) {
            return format;
        }
    }
    throw UsageError("--format: unknown format '" + text + "'");
}

void WriteSearch(std::ostream& out, const SearchOutcome& outcome, OutputFormat format) {
    switch (format) {
    case OutputFormat::Text:
        WriteSearchText(out, outcome);
        break;
    case OutputFormat::Csv:
        out << ResultsCsv(outcome.Parts);
        break;
    case OutputFormat::Json:
        WriteSearchJson(out, outcome);
        break;
    }
}

void WriteLists(std::ostream& out, const ValueLists& lists, OutputFormat format) {
    if (format != OutputFormat::Json) {
        WriteListsText(out, lists);
        return;
    }
    out << "{\"case_sizes\": " << JsonArray(JsonStrings(lists.CaseSizes))
        << ", \"capacitances\": " << JsonArray(JsonStrings(lists.Capacitances))
        << ", \"voltages\": " << JsonArray(JsonStrings(lists.Voltages)) << "}\n";
}

} // namespace dorvanta::cli
