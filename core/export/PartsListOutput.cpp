#include "core/export/PartsListOutput.h"

#include "core/display/NumberText.h"
#include "core/engine/DeratingRule.h"
#include "core/export/ResultsCsv.h"

#include <array>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace dorvanta {

std::string Joined(const std::vector<std::string>& texts, std::string_view separator) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += joined.empty() ? "" : separator;
        joined += text;
    }
    return joined;
}

namespace {

std::string Shown(const std::optional<Real>& value, TNumberPattern pattern) {
    return value ? FormatPattern(*value, pattern) : std::string("-");
}

std::string Padded(std::string text, std::size_t width) {
    std::size_t shown = 0; // characters, not bytes, for the UTF-8 "µ" and "°"
    for (const char c : text) {
        shown += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    }
    if (shown < width) {
        text.append(width - shown, ' ');
    }
    return text;
}

} // namespace

std::string CircuitText(const TCircuit& circuit) {
    return "Va " + FormatGeneral(circuit.Va) + " V, Imax " + FormatGeneral(circuit.Imax) +
           " A, Rs " + FormatGeneral(circuit.Rs) + " ohm, Rl " + FormatGeneral(circuit.Rl) + " ohm";
}

std::vector<std::string> PartValueTexts(const TCheckedPart& part) {
    if (!part.Info) {
        return {};
    }
    const TPartNoInfo& info = *part.Info;
    return {FormatGeneral(info.Capacitance) + " \u00B5F", FormatGeneral(info.RatedVoltage) + " V",
            "case " + info.CaseSize, "ESR " + FormatGeneral(info.ESRmax / 1000) + " ohm"};
}

std::string FiguresText(const TCheckedPart& part, int temperatureIndex) {
    if (!part.Info) {
        return "no figures: the evaluation fails";
    }
    const TPartFigures f = FiguresAt(part, temperatureIndex);
    std::string text = "derating " + Shown(f.Derating, TNumberPattern::OneDecimal) + " %, surge " +
                       Shown(f.AppSurge, TNumberPattern::TwoDecimals) + " A of test surge " +
                       Shown(f.TestSurge, TNumberPattern::TwoDecimals) + " A (margin " +
                       Shown(f.SurgeMargin, TNumberPattern::OneDecimal) + " %); at " +
                       TemperatureText(temperatureIndex, part.Series) + ": ";
    if (!f.Irms) {
        return text + "no values (KMD/KYD derating note)";
    }
    return text + "Irms " + Shown(f.Irms, TNumberPattern::OneDecimal) + " mA, Vrms " +
           Shown(f.Vrms, TNumberPattern::OneDecimal) + " mV, DCL " +
           Shown(f.DCL, TNumberPattern::ThreeDecimals) + " \u00B5A, failure rate " +
           Shown(f.FailureRate, TNumberPattern::Scientific) + " %/1000 h, FIT " +
           Shown(f.FIT, TNumberPattern::TwoDecimals) + ", MTBF " +
           Shown(f.MTBF, TNumberPattern::Integer) + " years";
}

namespace {

// "KRBD227*006#  220 µF  6.3 V  case D  ESR 0.23 ohm"
std::string PartText(const TCheckedPart& part) {
    constexpr std::array<std::size_t, 4> kWidths = {9, 7, 8, 0};
    std::string text = Padded(part.PartNumber, 17);
    const std::vector<std::string> values = PartValueTexts(part);
    for (std::size_t i = 0; i < values.size(); ++i) {
        text += Padded(values[i], kWidths[i]);
    }
    return text;
}

void WritePart(std::ostream& out, std::string_view role, const TCheckedPart& part,
               int temperatureIndex) {
    out << "      " << Padded(std::string(role), 12) << PartText(part) << "  " << part.Message
        << "\n"
        << "      " << std::string(12, ' ') << FiguresText(part, temperatureIndex) << "\n";
}

std::string CsvNumber(const std::optional<Real>& value) {
    return value ? FormatGeneral(*value) : std::string();
}

constexpr std::array<std::string_view, 31> kCsvColumns = {
    "line",
    "designators",
    "part_number",
    "verdict",
    "message",
    "rs",
    "rl",
    "imax",
    "va",
    "role",
    "catalogue_part_number",
    "part_verdict",
    "part_message",
    "note",
    "case_size",
    "capacitance",
    "rated_voltage",
    "esr_max",
    "temperature",
    "derating",
    "app_surge",
    "test_surge",
    "surge_margin",
    "irms",
    "vrms",
    "dcl",
    "failure_rate",
    "fit",
    "mtbf",
    "dcl_max",
    "df",
};

void WriteCsvRow(std::ostream& out, const std::vector<std::string>& fields) {
    std::string row;
    for (const std::string& field : fields) {
        row += row.empty() ? "" : ",";
        row += CsvField(field);
    }
    out << row << "\r\n";
}

// The columns of a part, from "catalogue_part_number" on; all empty without
// a part.
std::vector<std::string> PartColumns(const TCheckedPart* part, int temperatureIndex) {
    if (part == nullptr) {
        return std::vector<std::string>(kCsvColumns.size() - 10);
    }
    const TPartFigures f = FiguresAt(*part, temperatureIndex);
    const auto info = [&part](Real TPartNoInfo::*member) {
        return part->Info ? FormatGeneral((*part->Info).*member) : std::string();
    };
    return {part->PartNumber,
            std::string(VerdictCode(part->Verdict)),
            part->Message,
            part->DeratingNote ? DeratingNoteText(part->Series, temperatureIndex) : std::string(),
            part->Info ? part->Info->CaseSize : std::string(),
            info(&TPartNoInfo::Capacitance),
            info(&TPartNoInfo::RatedVoltage),
            info(&TPartNoInfo::ESRmax),
            TemperatureText(temperatureIndex, part->Series),
            CsvNumber(f.Derating),
            CsvNumber(f.AppSurge),
            CsvNumber(f.TestSurge),
            CsvNumber(f.SurgeMargin),
            CsvNumber(f.Irms),
            CsvNumber(f.Vrms),
            CsvNumber(f.DCL),
            CsvNumber(f.FailureRate),
            CsvNumber(f.FIT),
            CsvNumber(f.MTBF),
            info(&TPartNoInfo::DCLmax),
            info(&TPartNoInfo::DF)};
}

std::vector<std::string> LineColumns(const TCheckedLine& line, std::string_view role) {
    return {std::to_string(line.Line),
            Joined(line.Designators, " "),
            line.PartNumber,
            std::string(VerdictCode(line.Verdict)),
            line.Message,
            FormatGeneral(line.Application.Rs),
            FormatGeneral(line.Application.Rl),
            FormatGeneral(line.Application.Imax),
            FormatGeneral(line.Application.Va),
            std::string(role)};
}

void WriteCsvPart(std::ostream& out, const TCheckedLine& line, std::string_view role,
                  const TCheckedPart* part, int temperatureIndex) {
    std::vector<std::string> row = LineColumns(line, role);
    std::vector<std::string> partColumns = PartColumns(part, temperatureIndex);
    row.insert(row.end(), std::make_move_iterator(partColumns.begin()),
               std::make_move_iterator(partColumns.end()));
    WriteCsvRow(out, row);
}

} // namespace

TPartFigures FiguresAt(const TCheckedPart& part, int temperatureIndex) {
    TPartFigures figures;
    if (!part.Info) {
        return figures;
    }
    const TPocitaneInfo& values = part.Info->Pocitane;
    figures.Derating = values.Derating;
    figures.AppSurge = values.AppSurge;
    figures.TestSurge = values.TestSurge;
    figures.SurgeMargin = (1 - values.AppSurge / values.TestSurge) * 100;
    if (!HasTemperatureValues(part.Series, temperatureIndex, values.Derating)) {
        return figures;
    }
    const auto t = static_cast<std::size_t>(temperatureIndex);
    figures.Irms = values.Irms[t];
    figures.Vrms = values.Vrms[t];
    figures.DCL = values.DCL[t];
    figures.FailureRate = values.FailureRate[t];
    figures.FIT = values.FIT[t];
    figures.MTBF = values.MTBF[t];
    return figures;
}

std::string ReviewSummaryText(const TCheckSummary& summary) {
    return std::to_string(summary.Lines) + " lines: " + std::to_string(summary.Recommended) +
           " recommended, " + std::to_string(summary.NotRecommended) + " not recommended, " +
           std::to_string(summary.NotInCatalogue) + " not in catalogue, " +
           std::to_string(summary.Bad) + " bad";
}

void WriteReviewText(std::ostream& out, const TPartsListReview& review) {
    const int temperature = review.Options.TemperatureIndex;
    for (const TCheckedLine& line : review.Lines) {
        out << Padded(std::to_string(line.Line), 5) << " "
            << Padded(Joined(line.Designators, ", "), 14) << " " << Padded(line.PartNumber, 20)
            << " " << line.Message << "\n";
        if (!line.Matches.empty()) {
            out << "      " << Padded("circuit", 12) << CircuitText(line.Application) << "\n";
        }
        for (const TCheckedPart& match : line.Matches) {
            WritePart(out, "catalogue", match, temperature);
        }
        for (const TCheckedPart& replacement : line.Replacements) {
            WritePart(out, "replacement", replacement, temperature);
        }
    }
    out << ReviewSummaryText(review.Summary) << "\n";
}

void WriteReviewCsv(std::ostream& out, const TPartsListReview& review) {
    WriteCsvRow(out, std::vector<std::string>(kCsvColumns.begin(), kCsvColumns.end()));
    const int temperature = review.Options.TemperatureIndex;
    for (const TCheckedLine& line : review.Lines) {
        if (line.Matches.empty()) {
            WriteCsvPart(out, line, "", nullptr, temperature);
        }
        for (const TCheckedPart& match : line.Matches) {
            WriteCsvPart(out, line, "match", &match, temperature);
        }
        for (const TCheckedPart& replacement : line.Replacements) {
            WriteCsvPart(out, line, "replacement", &replacement, temperature);
        }
    }
}

} // namespace dorvanta
