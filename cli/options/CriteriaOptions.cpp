#include "cli/options/CriteriaOptions.h"

#include <optional>

namespace dorvanta::cli {

namespace {

std::optional<TTypVyrobku> SeriesFromText(const std::string& text) {
    if (text == kAll) {
        return tvAll;
    }
    const TTypVyrobku series = SeriesOf(text);
    const bool isCode = text.size() == 3 && series != tvAll;
    if (!isCode && text != SeriesNames[series]) {
        return std::nullopt;
    }
    return series;
}

} // namespace

CLI::Option* AddSeriesOption(CLI::App& command, TTypVyrobku& target, const std::string& help) {
    target = tvAll;
    const CLI::Validator known(
        [](const std::string& text) {
            return SeriesFromText(text) ? std::string() : "unknown series '" + text + "'";
        },
        "", "series");
    return command
        .add_option_function<std::string>(
            "--series",
            [&target](const std::string& text) { target = SeriesFromText(text).value_or(tvAll); },
            help)
        ->check(known)
        ->type_name("S");
}

} // namespace dorvanta::cli
