#include "LocaleTexts.h"

#include "NumberText.h"

#include <QDate>
#include <QLocale>

#include <cmath>

namespace dorvanta {

std::string LocaleDecimalSeparator() {
    return ToStdString(QLocale().decimalPoint());
}

TLocaleTexts CurrentLocaleTexts() {
    TLocaleTexts texts;
    texts.DecimalSeparator = LocaleDecimalSeparator();
    texts.ShortDate = [locale = QLocale()](Real dayNumber) {
        // A header's date field may hold any bytes: beyond some 27000 years
        // either way (or not a number) there is no date to show.
        constexpr Real kDayLimit = 1e7L;
        if (!(std::fabs(dayNumber) < kDayLimit)) {
            return std::string();
        }
        const QDate day = QDate(1899, 12, 30).addDays(static_cast<qint64>(std::floor(dayNumber)));
        return ToStdString(locale.toString(day, QLocale::ShortFormat));
    };
    return texts;
}

QString FormatNumber(Real value) {
    return ToQString(FormatGeneral(value, LocaleDecimalSeparator()));
}

std::optional<Real> ParseNumber(const QString& text) {
    return ParseGeneral(ToStdString(text), LocaleDecimalSeparator());
}

} // namespace dorvanta
