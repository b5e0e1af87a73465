#include "ResultsCsv.h"

#include "NumberText.h"
#include "ResultFields.h"
#include "untKonstanty.h"

namespace dorvanta {

namespace {

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    quoted += '"';
    return quoted;
}

// One row: `scalar(field)` for a text or number field, `element(field, t)`
// for each temperature index t of an array field.
template <typename Scalar, typename Element> std::string Row(Scalar scalar, Element element) {
    std::string row;
    auto add = [&row](const std::string& text) {
        if (!row.empty()) {
            row += ',';
        }
        row += text;
    };
    for (const TResultField& field : ResultFields) {
        if (field.Kind != TResultFieldKind::Array) {
            add(scalar(field));
            continue;
        }
        for (std::size_t t = 0; t < kTemperatureCount; ++t) {
            add(element(field, t));
        }
    }
    row += '\n';
    return row;
}

} // namespace

std::string ResultsCsvHeader() {
    return Row([](const TResultField& field) { return std::string(field.Name); },
               [](const TResultField& field, std::size_t t) {
                   return std::string(field.Name) + "_" + std::string(TemperatureCaptions[t]);
               });
}

std::string ResultsCsvRow(const TResultLine& line) {
    const TPartNoInfo candidate = CandidateInfo(line);
    return Row(
        [&](const TResultField& field) {
            return field.Kind == TResultFieldKind::Text
                       ? CsvField(field.Text(line, candidate))
                       : FormatGeneral(field.Number(line, candidate));
        },
        [&](const TResultField& field, std::size_t t) {
            return FormatGeneral(field.Array(line, candidate)[t]);
        });
}

std::string ResultsCsv(const TResultList& list) {
    std::string csv = ResultsCsvHeader();
    for (const TResultLine& line : list) {
        csv += ResultsCsvRow(line);
    }
    return csv;
}

} // namespace dorvanta
