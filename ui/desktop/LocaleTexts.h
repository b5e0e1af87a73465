// The user's locale (Qt's default locale) in the form the core takes it: the
// decimal separator as text and the short date of a day number. Numbers
// always go through the core's number texts with that separator.
#pragma once

#include "core/catalogue/CatalogueFile.h"
#include "core/record/Extended.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace dorvanta {

[[nodiscard]] std::string LocaleDecimalSeparator();

// The separator and a short date in QLocale::ShortFormat; the day number
// counts from 30 December 1899, a fraction being a time of day.
[[nodiscard]] TLocaleTexts CurrentLocaleTexts();

// The general number format with the locale's separator.
[[nodiscard]] QString FormatNumber(Real value);

// The core's reading rule with the locale's separator; no value when the
// text is not a number.
[[nodiscard]] std::optional<Real> ParseNumber(const QString& text);

[[nodiscard]] inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

} // namespace dorvanta
