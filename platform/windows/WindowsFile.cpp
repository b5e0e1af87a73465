// The file operations on Windows, through the UTF-16 file functions so that
// any path works: CreateFileW with CREATE_NEW for the exclusive creation,
// FlushFileBuffers for the sync, ReplaceFileW (which keeps the replaced
// file's attributes and access control lists) or MoveFileExW with
// MOVEFILE_WRITE_THROUGH for the replace.
#include "platform/File.h"

#include "platform/windows/WindowsError.h"

#include <utility>
#include <windows.h>

namespace dorvanta::platform {

namespace {

HANDLE Native(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle); // NOLINT(performance-no-int-to-ptr)
}

} // namespace

Expected<TWritableFile> TWritableFile::CreateNew(const std::filesystem::path& path,
                                                 std::filesystem::perms mode) {
    // Windows files have no mode bits; a file that only its owner may read
    // gets no sharing with other openers until it is closed.
    (void)mode;
    const HANDLE handle = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return Unexpected(LastErrorText());
    }
    return TWritableFile(reinterpret_cast<std::intptr_t>(handle));
}

TWritableFile::TWritableFile(TWritableFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kClosed)) {
}

TWritableFile& TWritableFile::operator=(TWritableFile&& other) noexcept {
    if (this != &other) {
        (void)Close();
        handle_ = std::exchange(other.handle_, kClosed);
    }
    return *this;
}

TWritableFile::~TWritableFile() {
    (void)Close();
}

Expected<void> TWritableFile::Write(std::string_view bytes) const {
    constexpr std::size_t kLargestWrite = 1U << 30;
    while (!bytes.empty()) {
        const auto chunk =
            static_cast<DWORD>(bytes.size() < kLargestWrite ? bytes.size() : kLargestWrite);
        DWORD written = 0;
        if (!::WriteFile(Native(handle_), bytes.data(), chunk, &written, nullptr)) {
            return Unexpected(LastErrorText());
        }
        bytes.remove_prefix(written);
    }
    return {};
}

Expected<void> TWritableFile::Sync() const {
    if (!::FlushFileBuffers(Native(handle_))) {
        return Unexpected(LastErrorText());
    }
    return {};
}

Expected<void> TWritableFile::TakeAccessOf(const std::filesystem::path& existing) const {
    // ReplaceFileW hands the replaced file's attributes and access control
    // lists on to the replacement; nothing is to be done before.
    (void)existing;
    return {};
}

Expected<void> TWritableFile::Close() {
    if (handle_ == kClosed) {
        return {};
    }
    if (!::CloseHandle(Native(std::exchange(handle_, kClosed)))) {
        return Unexpected(LastErrorText());
    }
    return {};
}

Expected<void> ReplaceFile(const std::filesystem::path& replacement,
                           const std::filesystem::path& target) {
    if (::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (!::ReplaceFileW(target.c_str(), replacement.c_str(), nullptr,
                            REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
            return Unexpected(LastErrorText());
        }
        return {};
    }
    if (!::MoveFileExW(replacement.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return Unexpected(LastErrorText());
    }
    return {};
}

Expected<void> SyncDirectory(const std::filesystem::path& directory) {
    // Windows has no directory sync: MOVEFILE_WRITE_THROUGH and the journal
    // of NTFS make the replace itself durable.
    (void)directory;
    return {};
}

} // namespace dorvanta::platform
