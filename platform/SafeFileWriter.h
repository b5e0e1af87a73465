// Every file the program writes goes through here. The bytes go to a file
// created exclusively beside the target, which takes over the target's
// permissions (and owner, where the writer may); only a complete write,
// synced to the device, is renamed over the target, and the directory is
// synced after the rename. A target that is a symbolic link keeps its link:
// the file it points to is replaced. A failed write leaves the target as it
// was and no temporary file behind.
#pragma once

#include "core/record/Expected.h"
#include "platform/System.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace dorvanta {

// Failures are reported with the system's own texts.
using platform::SystemErrorText;

// The steps of a safe write, in their order.
enum class TWriteStep {
    Create, // the temporary file beside the target
    Write,  // the content into it
    Sync,   // flushed, synced to the device and closed
    Rename, // renamed over the target
};

struct TWriteOptions {
    // The permissions of a file that does not exist yet, less the umask. A
    // file that is replaced keeps its own.
    std::filesystem::perms NewFilePermissions =
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
        std::filesystem::perms::group_read | std::filesystem::perms::group_write |
        std::filesystem::perms::others_read | std::filesystem::perms::others_write;
    // For tests: asked before each step; an errno value other than 0 makes
    // the step fail as the system would have failed it.
    std::function<int(TWriteStep)> InjectedFailure;
};

// Replaces `target` with what `write` puts into the stream. Returns the
// system's text when the file cannot be created, written, synced or
// renamed. `write` may return early; a stream it leaves failed counts as a
// failed write.
[[nodiscard]] Expected<void> WriteFileSafely(const std::filesystem::path& target,
                                             const std::function<void(std::ostream&)>& write,
                                             const TWriteOptions& options = {});

// The same for bytes already in memory.
[[nodiscard]] Expected<void> WriteFileSafely(const std::filesystem::path& target,
                                             std::string_view bytes,
                                             const TWriteOptions& options = {});

} // namespace dorvanta
