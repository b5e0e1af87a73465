// The few operations of the system that standard C++ does not offer: for a
// durable replace (SafeFileWriter), creating a file exclusively with a
// chosen mode, writing and syncing through its descriptor, handing the
// replaced file's owner and mode on, and syncing a directory; for large
// records (RecordStorage.h), the advice to back memory with huge pages. They
// are POSIX calls, kept in this one pair of files so that the rest of the
// core stays plain C++.
#pragma once

#include "Expected.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace dorvanta::posix {

// An open file descriptor, owned; closed (without a report) when dropped.
class TWritableFile {
public:
    // Creates `path` for writing; fails with "File exists" when anything is
    // there, a symbolic link too. The new file gets `mode` less the umask.
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
    // Closes the descriptor; the system's last word on the writes.
    [[nodiscard]] Expected<void> Close();

private:
    explicit TWritableFile(int descriptor) noexcept : descriptor_(descriptor) {}
    int descriptor_ = -1;
};

// Syncs the directory entries of `directory`, so that a rename in it
// survives a crash. A file system that cannot sync directories counts as
// done.
[[nodiscard]] Expected<void> SyncDirectory(const std::filesystem::path& directory);

// Advises the system to back the memory at `start` (aligned to the huge
// page size) with huge pages. Only advice: where the system has none, or
// declines, nothing changes.
void AdviseHugePages(void* start, std::size_t size) noexcept;

} // namespace dorvanta::posix
