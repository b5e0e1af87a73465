// The file operations of the system that standard C++ does not offer, as the
// safe writer needs them: creating a file exclusively with a chosen mode,
// writing and syncing it through its handle, handing the replaced file's
// access on, replacing one file by another durably, and syncing a
// directory. One implementation per system (posix/, windows/), chosen by
// the build.
#pragma once

#include "core/record/Expected.h"

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace dorvanta::platform {

// An open file, owned; closed (without a report) when dropped.
class TWritableFile {
public:
    // Creates `path` for writing; fails when anything is there, a symbolic
    // link too. The new file gets `mode` less the umask, where the system
    // has modes.
    [[nodiscard]] static Expected<TWritableFile> CreateNew(const std::filesystem::path& path,
                                                           std::filesystem::perms mode);

    TWritableFile(TWritableFile&& other) noexcept;
    TWritableFile& operator=(TWritableFile&& other) noexcept;
    TWritableFile(const TWritableFile&) = delete;
    TWritableFile& operator=(const TWritableFile&) = delete;
    ~TWritableFile();

    // Writes all of `bytes`, resuming after partial writes and interrupts.
    [[nodiscard]] Expected<void> Write(std::string_view bytes) const;
    // Waits until the bytes are on the device.
    [[nodiscard]] Expected<void> Sync() const;
    // Gives the file the permission bits of `existing` and, as far as this
    // process may, its owner and group.
    [[nodiscard]] Expected<void> TakeAccessOf(const std::filesystem::path& existing) const;
    // Closes the file; the system's last word on the writes.
    [[nodiscard]] Expected<void> Close();

private:
    using THandle = std::intptr_t; // a descriptor, or a system handle
    static constexpr THandle kClosed = -1;
    explicit TWritableFile(THandle handle) noexcept : handle_(handle) {}
    THandle handle_ = kClosed;
};

// Puts `replacement` in the place of `target` in one step: either the old
// target or the complete replacement is there, also after a crash.
[[nodiscard]] Expected<void> ReplaceFile(const std::filesystem::path& replacement,
                                         const std::filesystem::path& target);

// Syncs the directory entries of `directory`, so that a rename in it
// survives a crash. A file system (or a system) that cannot sync
// directories counts as done.
[[nodiscard]] Expected<void> SyncDirectory(const std::filesystem::path& directory);

} // namespace dorvanta::platform
