#include "core/catalogue/CatalogueCsv.h"

#include "core/display/NumberText.h"

#include <algorithm>
#include <array>
#include <sstream>
#include <string>

namespace dorvanta {

namespace {

constexpr std::size_t kFieldCount = 7;
constexpr std::array<std::string_view, 5> kNumberColumns = {"capacitance", "rated voltage",
                                                            "DCLmax", "DF", "ESRmax"};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Splits at every comma into exactly kFieldCount views; the number of
// fields found when it is another.
Expected<std::array<std::string_view, kFieldCount>> SplitFields(std::string_view line) {
    std::array<std::string_view, kFieldCount> fields;
    std::size_t count = 0;
    for (;;) {
        const std::size_t comma = line.find(',');
        if (count < kFieldCount) {
            fields[count] = line.substr(0, comma);
        }
        ++count;
        if (comma == std::string_view::npos) {
            break;
        }
        line.remove_prefix(comma + 1);
    }
    if (count != kFieldCount) {
        return Unexpected(std::to_string(kFieldCount) + " fields expected, " +
                          std::to_string(count) + " found");
    }
    return fields;
}

bool IsNote(std::string_view line) {
    return line.empty() || line.front() == '#';
}

} // namespace

Expected<TPartNoRecord> CatalogueEntryFromCsv(std::string_view line) {
    const auto fields = SplitFields(line);
    if (!fields) {
        return Unexpected(fields.error());
    }
    const std::string_view partNumber = (*fields)[0];
    const std::string_view caseSize = (*fields)[1];
    if (partNumber.size() > kPartNumberCapacity) {
        return Unexpected("part number " + Quoted(partNumber) + " is longer than " +
                          std::to_string(kPartNumberCapacity) + " characters");
    }
    if (caseSize.empty() || caseSize.size() > kCaseSizeCapacity) {
        return Unexpected("case size " + Quoted(caseSize) + " is not 1 or 2 characters");
    }
    TPartNoRecord record;
    record.PartNumber.assign(partNumber);
    record.CaseSize.assign(caseSize);
    TExtended* values[] = {&record.Capacitance, &record.RatedVoltage, &record.DCLmax, &record.DF,
                           &record.ESRmax};
    for (std::size_t i = 0; i < kNumberColumns.size(); ++i) {
        const std::string_view text = (*fields)[i + 2];
        const auto value = ParseGeneral(text);
        if (!value) {
            return Unexpected(std::string(kNumberColumns[i]) + " " + Quoted(text) +
                              " is not a finite number");
        }
        *values[i] = TExtended::from(*value);
    }
    return record;
}

Expected<TPartNumbers> ReadCatalogueCsv(std::string_view text) {
    TPartNumbers entries;
    // Sized once for every line: no entry is moved while the table grows.
    entries.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t number = 0;
    bool header = false;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (IsNote(line)) {
            continue;
        }
        if (!header) {
            if (line != kCatalogueCsvHeader) {
                return Unexpected("line " + std::to_string(number) + ": the header row " +
                                  std::string(kCatalogueCsvHeader) + " is missing");
            }
            header = true;
            continue;
        }
        auto entry = CatalogueEntryFromCsv(line);
        if (!entry) {
            return Unexpected("line " + std::to_string(number) + ": " + entry.error());
        }
        entries.push_back(*entry);
    }
    if (!header) {
        return Unexpected("the header row " + std::string(kCatalogueCsvHeader) + " is missing");
    }
    return entries;
}

Expected<TPartNumbers> ReadCatalogueCsv(std::istream& in) {
    std::ostringstream text;
    if (in.peek() != std::char_traits<char>::eof()) {
        text << in.rdbuf();
    }
    if (in.bad() || text.fail()) {
        return Unexpected("the text cannot be read");
    }
    return ReadCatalogueCsv(text.view());
}

} // namespace dorvanta
