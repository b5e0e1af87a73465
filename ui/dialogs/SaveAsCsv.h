// Saving a table as a CSV file: the file dialog, the safe writer and the
// message when the file cannot be written.
#pragma once

#include <QString>

#include <functional>
#include <ostream>
#include <string_view>

class QWidget;

namespace dorvanta {

// Asks for a file in the save dialog titled `title` (object name `name`),
// `suggested` as its name and ".csv" added to a name without a suffix, and
// replaces it with what `write` puts into the stream. A file that cannot be
// written gets the message "The WHAT could not be saved to FILE:" with the
// system's text; Cancel writes nothing.
void SaveAsCsv(QWidget* owner, const QString& title, std::string_view name,
               const QString& suggested, const QString& what,
               const std::function<void(std::ostream&)>& write);

} // namespace dorvanta
