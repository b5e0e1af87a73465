#include "core/display/FieldDisplay.h"

#include "core/catalogue/untKonstanty.h"

namespace dorvanta {

namespace {

using enum TField;
using enum TFieldFormat;
using enum TNumberPattern;

constexpr Real kOhmPerMilliohm = 0.001L;
// The blanks of the FIT caption that its raised "9" stands over.
constexpr std::string_view kExponentBlanks = "10   hrs";
constexpr std::string_view kExponentWritten = "10⁹ hrs";
// How a temperature caption names its temperature.
constexpr std::string_view kAt25 = "25°C";

void ReplaceFirst(std::string& text, std::string_view what, std::string_view with) {
    const auto at = text.find(what);
    if (at != std::string::npos) {
        text.replace(at, what.size(), with);
    }
}

const TTemperatureValues* ArrayOf(TField field, const TPocitaneInfo& values) noexcept {
    switch (field) {
    case DCLtypical:
        return &values.DCL;
    case Irms:
        return &values.Irms;
    case Vrms:
        return &values.Vrms;
    case FailureRate:
        return &values.FailureRate;
    case FIT:
        return &values.FIT;
    case MTBF:
        return &values.MTBF;
    default:
        return nullptr;
    }
}

Real ScalarOf(TField field, const TPartNoInfo& part) noexcept {
    switch (field) {
    case Capacitance:
        return part.Capacitance;
    case RatedVoltage:
        return part.RatedVoltage;
    case Derating:
        return part.Pocitane.Derating;
    case DF:
        return part.DF;
    case ESRmax:
        return part.ESRmax;
    case DCLmax:
        return part.DCLmax;
    case AppSurge:
        return part.Pocitane.AppSurge;
    case TestSurge:
        return part.Pocitane.TestSurge;
    default:
        return 0;
    }
}

} // namespace

// clang-format off
const std::array<TFieldDisplay, kFieldCount> FieldDisplays = {{
    {Dimension,    "",             "LxWxH:",                              "mm",         Text,    Integer,       1,               false, "mm"},
    {CaseSize,     "case_size",    "Case Size",                           "",           Text,    Integer,       1,               false, ""},
    {Capacitance,  "capacitance",  "Capacitance @ 25°C, 120 Hz",          "µF",         General, Integer,       1,               false, "µF"},
    {RatedVoltage, "rated_voltage","Rated Voltage",                       "V",          General, Integer,       1,               false, "V"},
    {Derating,     "derating",     "Applicable Voltage Derating",         "%",          Pattern, OneDecimal,    1,               false, "%"},
    {DF,           "df",           "DF @ 25°C, 120 Hz",                   "%",          DashOr,  Integer,       1,               false, "%"},
    {ESRmax,       "esr_max",      "ESR Max. @ 25°C, 100 kHz",            "Ohm",        Pattern, ThreeDecimals, kOhmPerMilliohm, false, "milliohm"},
    {DCLmax,       "dcl_max",      "DCL Max. @ 25°C, 3 min.",             "µA",         Pattern, OneDecimal,    1,               false, "µA"},
    {DCLtypical,   "dcl",          "DCL Typical @ App. Voltage",          "µA",         Pattern, TwoDecimals,   1,               true,  "µA"},
    {Irms,         "irms",         "Irms 25°C @ 100 kHz",                 "mA",         Pattern, Integer,       1,               true,  "mA"},
    {Vrms,         "vrms",         "Vrms 25°C @ 100 kHz",                 "mV",         Pattern, Integer,       1,               true,  "mV"},
    {FailureRate,  "failure_rate", "Failure Rate @ 25°C",                 "%/1000 hrs", Pattern, Scientific,    1,               true,  "%/1000 hrs"},
    {FIT,          "fit",          "Failures in Time (10   hrs) @ 25°C",  "FITs",       Pattern, TwoDecimals,   1,               true,  "FITs"},
    {MTBF,         "mtbf",         "MTBF @ 25°C",                         "years",      Pattern, Integer,       1,               true,  "years"},
    {AppSurge,     "app_surge",    "Application Surge",                   "A",          Pattern, OneDecimal,    1,               false, "A"},
    {TestSurge,    "test_surge",   "Moltren Test Surge",                  "A",          Pattern, OneDecimal,    1,               false, "A"},
}};
// clang-format on

const TFieldDisplay& FieldDisplay(TField field) noexcept {
    return FieldDisplays[static_cast<std::size_t>(field)];
}

Real FieldValue(TField field, const TPartNoInfo& part, std::size_t t) noexcept {
    const TTemperatureValues* values = ArrayOf(field, part.Pocitane);
    return values != nullptr ? (*values)[t] : ScalarOf(field, part);
}

std::string FieldPatternText(TField field, Real value, std::string_view separator) {
    const TFieldDisplay& display = FieldDisplay(field);
    return FormatPattern(value * display.Scale, display.Pattern, separator);
}

std::string FieldText(TField field, const TPartNoInfo& part, TTypVyrobku series, std::size_t t,
                      std::string_view separator) {
    if (field == CaseSize) {
        return part.CaseSize;
    }
    if (field == Dimension) {
        return part.CaseSize.empty() ? std::string()
                                     : std::string(CaseDimensions(series, part.CaseSize));
    }
    const Real value = FieldValue(field, part, t);
    switch (FieldDisplay(field).Format) {
    case DashOr:
        return value == 0 ? std::string("-") : FormatGeneral(value, separator);
    case General:
        return FormatGeneral(value, separator);
    default:
        return FieldPatternText(field, value, separator);
    }
}

std::string PlainCaption(std::string_view caption) {
    std::string text(caption);
    ReplaceFirst(text, kExponentBlanks, kExponentWritten);
    return text;
}

std::string FieldCaption(TField field, std::string_view temperature) {
    const TFieldDisplay& display = FieldDisplay(field);
    std::string text = PlainCaption(display.Caption);
    if (display.ByTemperature) {
        ReplaceFirst(text, kAt25, std::string(temperature) + "°C");
    }
    if (text.ends_with(':')) {
        text.pop_back();
    }
    return text;
}

std::string_view TopTemperatureCaption(TTypVyrobku series) noexcept {
    return TemperatureCaptions[static_cast<std::size_t>(TopTemperatureCaptionIndex(series))];
}

std::size_t CaptionIndexOf(TTypVyrobku series, std::size_t t) noexcept {
    return t == kTemperatureTop ? static_cast<std::size_t>(TopTemperatureCaptionIndex(series)) : t;
}

std::size_t ValueIndexAt(TTypVyrobku series, std::size_t caption) noexcept {
    const auto top = static_cast<std::size_t>(TopTemperatureCaptionIndex(series));
    if (caption == top) {
        return kTemperatureTop;
    }
    const bool onlyACaption =
        caption == kTemperature105 || caption == kTemperatureTop || caption == kTemperature175;
    return onlyACaption ? kTemperatureCount : caption;
}

} // namespace dorvanta
