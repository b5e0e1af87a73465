// Every file the program writes goes through here: the bytes go to a new
// file in the target's directory, and only a complete, flushed and closed
// write is renamed over the target. A failed write leaves the target as it
// was.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace dorvanta {

// The system's text for the failure `error` (an errno value). 0, which a
// stream failure without a system error leaves, reads as an input/output
// error.
[[nodiscard]] std::string SystemErrorText(int error);

// Replaces `target` with what `write` puts into the stream. Returns the
// system's text when the file cannot be created, written or renamed; the
// temporary file is removed then. `write` may return early; a stream it
// leaves failed counts as a failed write.
[[nodiscard]] std::optional<std::string>
WriteFileSafely(const std::filesystem::path& target,
                const std::function<void(std::ostream&)>& write);

// The same for bytes already in memory.
[[nodiscard]] std::optional<std::string> WriteFileSafely(const std::filesystem::path& target,
                                                         std::string_view bytes);

} // namespace dorvanta
