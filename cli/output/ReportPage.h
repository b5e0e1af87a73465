// What the commands that write a printed report share: the page options
// --page-size and --landscape, and the offscreen GUI application that the
// report's fonts need without a display.
#pragma once

#include <CLI/CLI.hpp>

#include <QGuiApplication>
#include <QPageLayout>

#include "core/record/Expected.h"

#include <QByteArray>

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace dorvanta::cli {

struct TPageOptions {
    std::string PageSize = "A4";
    bool Landscape = false;
};

// Declares --page-size (A4, Letter or Legal) and --landscape.
void AddPageOptions(CLI::App& command, TPageOptions& options);

// The report's page from --page-size and --landscape.
[[nodiscard]] QPageLayout ChosenPage(const TPageOptions& options);

// A GUI application on the offscreen platform, unless one runs already.
[[nodiscard]] std::unique_ptr<QGuiApplication> OffscreenApplication();

// What a report command writes: the drawn PDF `drawn` into `output` through
// the safe writer, then "FILE: N parts on P pages" on `out` (`noun` "part"
// or "line", in the plural unless N is 1).
[[nodiscard]] Expected<void> WritePdfFile(const Expected<QByteArray>& drawn,
                                          const std::string& output, std::ostream& out,
                                          std::size_t count, std::string_view noun, int pages);

} // namespace dorvanta::cli
