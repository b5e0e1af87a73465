#include "core/export/ResultsCsv.h"

#include "core/catalogue/untKonstanty.h"
#include "core/display/NumberText.h"
#include "core/export/ResultFields.h"

#include <sstream>

namespace dorvanta {

namespace {

// One row into `row`: `scalar(row, field)` appends the cell of a text or
// number field, `element(row, field, t)` that of each temperature caption
// index t of an array field.
template <typename Scalar, typename Element>
void AppendRow(std::string& row, Scalar scalar, Element element) {
    bool first = true;
    auto separate = [&row, &first] {
        if (!first) {
            row += ',';
        }
        first = false;
    };
    for (const TResultField& field : ResultFields) {
        if (field.Kind != TResultFieldKind::Array) {
            separate();
            scalar(row, field);
            continue;
        }
        for (std::size_t t = 0; t < kTemperatureCount; ++t) {
            separate();
            element(row, field, t);
        }
    }
    row += '\n';
}

// Appends the row of `line` to `text`.
void AppendResultsCsvRow(std::string& text, const TResultLine& line) {
    const TResultRow row(line);
    AppendRow(
        text,
        [&row](std::string& out, const TResultField& field) {
            if (field.Kind == TResultFieldKind::Text) {
                out += CsvField(field.Text(row));
            } else {
                AppendGeneral(out, FieldNumber(field, row));
            }
        },
        [&row](std::string& out, const TResultField& field, std::size_t t) {
            if (const auto value = FieldAt(field, row, t)) {
                AppendGeneral(out, *value);
            }
        });
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
    std::string header;
    AppendRow(
        header, [](std::string& out, const TResultField& field) { out += field.Name; },
        [](std::string& out, const TResultField& field, std::size_t t) {
            out += field.Name;
            out += '_';
            out += TemperatureCaptions[t];
        });
    return header;
}

std::string ResultsCsvRow(const TResultLine& line) {
    std::string row;
    AppendResultsCsvRow(row, line);
    return row;
}

void WriteResultsCsv(std::ostream& out, const TResultList& list) {
    out << ResultsCsvHeader();
    std::string row; // one text for every row, its room kept
    for (const TResultLine& line : list) {
        if (!out) {
            return; // a failed write: the caller reports it
        }
        row.clear();
        AppendResultsCsvRow(row, line);
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
    }
}

std::string ResultsCsv(const TResultList& list) {
    std::ostringstream csv;
    WriteResultsCsv(csv, list);
    return std::move(csv).str();
}

} // namespace dorvanta
