// How each value of a candidate is shown: its name in the exports, its
// caption and unit in the details panel, and its number text. The details
// panel, the printed report, the companion's text table and the exports all
// take these from here.
#pragma once

#include "core/catalogue/Series.h"
#include "core/display/NumberText.h"
#include "core/engine/PartNoInfo.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace dorvanta {

// The shown values, in the row order of the details panel.
enum class TField {
    Dimension,
    CaseSize,
    Capacitance,
    RatedVoltage,
    Derating,
    DF,
    ESRmax,
    DCLmax,
    DCLtypical,
    Irms,
    Vrms,
    FailureRate,
    FIT,
    MTBF,
    AppSurge,
    TestSurge,
};
inline constexpr std::size_t kFieldCount = 16;

// How a value becomes its text.
enum class TFieldFormat {
    Text,    // the text as it is (case size, dimensions)
    General, // the general number format
    DashOr,  // "-" for 0 (no value), else the general number format
    Pattern, // the field's number pattern, after its scale
};

struct TFieldDisplay {
    TField Field;
    std::string_view Name;    // in the exports ("esr_max"); empty: not exported by this name
    std::string_view Caption; // the details panel's caption, at 25 °C for a temperature row
    std::string_view Unit;    // the shown unit; empty for none
    TFieldFormat Format;
    TNumberPattern Pattern;      // for TFieldFormat::Pattern
    Real Scale;                  // shown value = stored value × Scale (ESR: milliohm to ohm)
    bool ByTemperature;          // read at a temperature index
    std::string_view ExportUnit; // the unit of the exported (stored) value
};

extern const std::array<TFieldDisplay, kFieldCount> FieldDisplays;

[[nodiscard]] const TFieldDisplay& FieldDisplay(TField field) noexcept;

// The stored value of a number field at temperature index `t` (ignored by
// the fields that do not depend on the temperature).
[[nodiscard]] Real FieldValue(TField field, const TPartNoInfo& part, std::size_t t) noexcept;

// The shown text of `field` for `part` of `series` at temperature index `t`,
// with the locale's decimal `separator`.
[[nodiscard]] std::string FieldText(TField field, const TPartNoInfo& part, TTypVyrobku series,
                                    std::size_t t, std::string_view separator = ".");

// The number text of `field`'s pattern for any value (the report's test
// surge of a WIR part is such a value).
[[nodiscard]] std::string FieldPatternText(TField field, Real value,
                                           std::string_view separator = ".");

// A caption as one line of text: the raised exponent of the FIT caption
// written in ("Failures in Time (10⁹ hrs) @ 25°C").
[[nodiscard]] std::string PlainCaption(std::string_view caption);

// The caption of `field` as one line of text, the temperature of a
// temperature row named `temperature` ("85", "125"), without a closing
// colon ("LxWxH").
[[nodiscard]] std::string FieldCaption(TField field, std::string_view temperature);

// The temperature text under which a series' top-temperature values (index
// 5) stand: "105" for WIR, "175" for KWG, "125" for every other series.
[[nodiscard]] std::string_view TopTemperatureCaption(TTypVyrobku series) noexcept;

// The temperature index whose caption names the values at array index `t`
// of a part of `series`: `t` itself, except index 5 (the top temperature),
// which names 4 for WIR and 6 for KWG.
[[nodiscard]] std::size_t CaptionIndexOf(TTypVyrobku series, std::size_t t) noexcept;

// The array index that holds the values for caption index `caption` (0 to
// 6) of a part of `series`; kTemperatureCount when the part has no value for
// that temperature.
[[nodiscard]] std::size_t ValueIndexAt(TTypVyrobku series, std::size_t caption) noexcept;

} // namespace dorvanta
