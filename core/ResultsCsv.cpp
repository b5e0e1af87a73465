#include "ResultsCsv.h"

#include "NumberText.h"
#include "ResultFields.h"
#include "untKonstanty.h"

#include <sstream>

namespace dorvanta {

namespace {

// One row: `scalar(field)` for a text or number field, `element(field, t)`
// for each temperature caption index t of an array field.
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

std::string ResultsCsvHeader() {
    return Row([](const TResultField& field) { return std::string(field.Name); },
               [](const TResultField& field, std::size_t t) {
                   return std::string(field.Name) + "_" + std::string(TemperatureCaptions[t]);
               });
}

std::string ResultsCsvRow(const TResultLine& line) {
    const TResultRow row(line);
    return Row(
        [&row](const TResultField& field) {
            return field.Kind == TResultFieldKind::Text ? CsvField(field.Text(row))
                                                        : FormatGeneral(FieldNumber(field, row));
        },
        [&row](const TResultField& field, std::size_t t) {
            const auto value = FieldAt(field, row, t);
            return value ? FormatGeneral(*value) : std::string();
        });
}

void WriteResultsCsv(std::ostream& out, const TResultList& list) {
    out << ResultsCsvHeader();
    for (const TResultLine& line : list) {
        if (!out) {
            return; // a failed write: the caller reports it
        }
        out << ResultsCsvRow(line);
    }
}

std::string ResultsCsv(const TResultList& list) {
    std::ostringstream csv;
    WriteResultsCsv(csv, list);
    return std::move(csv).str();
}

} // namespace dorvanta
