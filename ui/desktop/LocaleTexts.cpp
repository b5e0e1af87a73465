#include "ui/desktop/LocaleTexts.h"

#include "core/catalogue/DayNumber.h"
#include "core/display/NumberText.h"

#include <QDate>
#include <QLocale>

namespace dorvanta {

std::string LocaleDecimalSeparator() {
    return ToStdString(QLocale().decimalPoint());
}

TLocaleTexts CurrentLocaleTexts() {
    TLocaleTexts texts;
    texts.DecimalSeparator = LocaleDecimalSeparator();
    texts.ShortDate = [locale = QLocale()](Real dayNumber) {
        const auto date = CivilDateOf(dayNumber);
        if (!date) {
            return IsoDateText(dayNumber);
        }
        const QDate day(date->Year, static_cast<int>(date->Month), static_cast<int>(date->Day));
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
