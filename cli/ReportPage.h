// What the commands that write a printed report share: the page options
// --page-size and --landscape, and the offscreen GUI application that the
// report's fonts need without a display.
#pragma once

#include <CLI/CLI.hpp>

#include <QGuiApplication>
#include <QPageLayout>

#include <memory>
#include <string>

namespace dorvanta::cli {

struct PageOptions {
    std::string PageSize = "A4";
    bool Landscape = false;
};

// Declares --page-size (A4, Letter or Legal) and --landscape.
void AddPageOptions(CLI::App& command, PageOptions& options);

// The report's page from --page-size and --landscape.
[[nodiscard]] QPageLayout ChosenPage(const PageOptions& options);

// A GUI application on the offscreen platform, unless one runs already.
[[nodiscard]] std::unique_ptr<QGuiApplication> OffscreenApplication();

} // namespace dorvanta::cli
