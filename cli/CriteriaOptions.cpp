#include "CriteriaOptions.h"

namespace dorvanta::cli {

TTypVyrobku SeriesOption(const Arguments& args) {
    const std::string text = args.ValueOr("--series", kAll);
    if (text == kAll) {
        return tvAll;
    }
    const TTypVyrobku series = SeriesOf(text);
    const bool isCode = text.size() == 3 && series != tvAll;
    if (!isCode && text != SeriesNames[series]) {
        throw UsageError("--series: unknown series '" + text + "'");
    }
    return series;
}

} // namespace dorvanta::cli
