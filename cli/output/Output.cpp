#include "cli/output/Output.h"

#include "core/catalogue/untKonstanty.h"
#include "core/display/FieldDisplay.h"
#include "core/display/NumberText.h"
#include "core/export/ResultFields.h"
#include "core/export/ResultsCsv.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace dorvanta::cli {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::array<std::pair<std::string_view, TOutputFormat>, 4> kFormats = {{
    {"text", TOutputFormat::Text},
    {"csv", TOutputFormat::Csv},
    {"json", TOutputFormat::Json},
    {"pdf", TOutputFormat::Pdf},
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

Json JsonValue(const TResultField& field, const TResultRow& row) {
    switch (field.Kind) {
    case TResultFieldKind::Text:
        return field.Text(row);
    case TResultFieldKind::Number:
        return JsonReal(FieldNumber(field, row));
    case TResultFieldKind::Array:
        break;
    }
    Json values = Json::array();
    for (std::size_t t = 0; t < kTemperatureCount; ++t) {
        const auto value = FieldAt(field, row, t);
        values.push_back(value ? JsonReal(*value) : Json(nullptr));
    }
    return values;
}

Json JsonPart(const TResultLine& line) {
    const TResultRow row(line);
    Json part = Json::object();
    for (const TResultField& field : ResultFields) {
        part[std::string(field.Name)] = JsonValue(field, row);
    }
    return part;
}

// {"catalogue": ..., "closest_match": ..., "reasons": [...], "parts": [
// one part a line, then "]}".
void WriteSearchJson(std::ostream& out, const TSearchListing& o) {
    const Json catalogue = {{"note", o.Catalogue.Note}, {"entries", o.Catalogue.Entries.size()}};
    out << "{\"catalogue\":" << JsonText(catalogue)
        << ",\n\"closest_match\":" << (o.ClosestMatch ? "true" : "false")
        << ",\n\"reasons\":" << JsonText(ReasonNames(o.Reasons)) << ",\n\"parts\":[";
    const char* separator = "\n";
    for (const TResultLine& line : o.Parts) {
        if (!out) {
            return;
        }
        out << separator << JsonText(JsonPart(line));
        separator = ",\n";
    }
    out << "]}\n";
}

// A column of the text table: a shown field at one temperature index.
struct TTextColumn {
    TField Field;
    std::size_t Temperature;
};

constexpr std::array<TTextColumn, 10> kTextColumns = {{
    {TField::CaseSize, kTemperature25},
    {TField::Capacitance, kTemperature25},
    {TField::RatedVoltage, kTemperature25},
    {TField::ESRmax, kTemperature25},
    {TField::Derating, kTemperature25},
    {TField::TestSurge, kTemperature25},
    {TField::AppSurge, kTemperature25},
    {TField::Irms, kTemperature25},
    {TField::DCLtypical, kTemperature25},
    {TField::FIT, kTemperature25},
}};

constexpr std::string_view kPartNumberHeading = "part_number";
constexpr std::size_t kPartNumberWidth = kPartNumberCapacity; // the longest part number

// The export name (with the temperature for a temperature row) and the
// shown unit: "irms_25 [mA]".
std::string Heading(const TTextColumn& column) {
    const TFieldDisplay& display = FieldDisplay(column.Field);
    std::string heading(display.Name);
    if (display.ByTemperature) {
        heading += "_" + std::string(TemperatureCaptions[column.Temperature]);
    }
    if (!display.Unit.empty()) {
        heading += " [" + std::string(display.Unit) + "]";
    }
    return heading;
}

// Characters, not bytes, of a UTF-8 text.
std::size_t Width(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// One row of cells, each padded to its column's width and two blanks.
void WriteRow(std::ostream& out, const std::vector<std::string>& cells,
              const std::vector<std::size_t>& widths) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
        out << cells[c];
        if (c + 1 < cells.size()) {
            out << std::string(widths[c] + 2 - std::min(Width(cells[c]), widths[c]), ' ');
        }
    }
    out << "\n";
}

void WriteNothingFound(std::ostream& out, const TSearchListing& o) {
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
}

// The values an engineer reads first, as the details panel shows them at
// 25 °C; the columns are as wide as their headings (the part number as the
// longest part number), so each part is written as it comes.
void WriteSearchText(std::ostream& out, const TSearchListing& o) {
    if (o.Parts.empty()) {
        WriteNothingFound(out, o);
        return;
    }
    std::vector<std::string> cells{std::string(kPartNumberHeading)};
    std::vector<std::size_t> widths{kPartNumberWidth};
    for (const TTextColumn& column : kTextColumns) {
        cells.push_back(Heading(column));
        widths.push_back(Width(cells.back()));
    }
    WriteRow(out, cells, widths);
    for (const TResultLine& line : o.Parts) {
        if (!out) {
            return;
        }
        const TResultRow row(line);
        cells.assign(1, std::string(line.PartNumber()));
        for (const TTextColumn& column : kTextColumns) {
            cells.push_back(FieldText(column.Field, row.Part, row.Series, column.Temperature));
        }
        WriteRow(out, cells, widths);
    }
    out << o.Parts.size() << (o.Parts.size() == 1 ? " part" : " parts")
        << (o.ClosestMatch ? " (closest match)" : "") << "\n";
}

void WriteListsText(std::ostream& out, const TListedValues& lists) {
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

std::string JsonText(const nlohmann::ordered_json& value) {
    return value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

CLI::Option* AddFormatOption(CLI::App& command, TOutputFormat& target,
                             std::initializer_list<TOutputFormat> allowed) {
    std::vector<std::pair<std::string, TOutputFormat>> names;
    std::string placeholder;
    for (const auto& [name, format] : kFormats) {
        if (std::find(allowed.begin(), allowed.end(), format) != allowed.end()) {
            names.emplace_back(name, format);
            placeholder += (placeholder.empty() ? "" : "|") + std::string(name);
        }
    }
    target = TOutputFormat::Text;
    // The format that a text names, if it is allowed.
    const auto find = [names](const std::string& text) -> std::optional<TOutputFormat> {
        const auto found = std::find_if(names.begin(), names.end(),
                                        [&text](const auto& entry) { return entry.first == text; });
        return found == names.end() ? std::nullopt : std::optional(found->second);
    };
    const CLI::Validator known(
        [find](const std::string& text) {
            return find(text) ? std::string() : "unknown format '" + text + "'";
        },
        "", "format");
    return command
        .add_option_function<std::string>(
            "--format",
            [&target, find](const std::string& text) {
                target = find(text).value_or(TOutputFormat::Text);
            },
            "output format (default text)")
        ->check(known)
        ->type_name(placeholder);
}

void WriteJsonLine(std::ostream& out, const nlohmann::ordered_json& value) {
    out << JsonText(value) << "\n";
}

nlohmann::ordered_json JsonReal(Real value) {
    const auto narrowed = static_cast<double>(value);
    const bool held = std::isfinite(narrowed) && (narrowed != 0 || value == 0);
    return held ? Json(narrowed) : Json(FormatGeneral(value));
}

void WriteSearch(std::ostream& out, const TSearchListing& outcome, TOutputFormat format) {
    switch (format) {
    case TOutputFormat::Text:
        WriteSearchText(out, outcome);
        break;
    case TOutputFormat::Csv:
        WriteResultsCsv(out, outcome.Parts);
        break;
    case TOutputFormat::Json:
        WriteSearchJson(out, outcome);
        break;
    case TOutputFormat::Pdf: // not one of the search's formats
        break;
    }
}

void WriteLists(std::ostream& out, const TListedValues& lists, TOutputFormat format) {
    if (format != TOutputFormat::Json) {
        WriteListsText(out, lists);
        return;
    }
    WriteJsonLine(out, Json{{"case_sizes", lists.CaseSizes},
                            {"capacitances", lists.Capacitances},
                            {"voltages", lists.Voltages}});
}

} // namespace dorvanta::cli
