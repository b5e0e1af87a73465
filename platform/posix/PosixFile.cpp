// POSIX calls on purpose: std::filesystem and iostreams cannot create a file
// exclusively (O_EXCL), sync it or its directory (fsync) or hand an owner on
// (fchown).
#include "platform/File.h"

#include "platform/System.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace dorvanta::platform {

namespace {

Unexpected SystemFailure() {
    return Unexpected(SystemErrorText(errno));
}

int Descriptor(std::intptr_t handle) {
    return static_cast<int>(handle);
}

} // namespace

Expected<TWritableFile> TWritableFile::CreateNew(const std::filesystem::path& path,
                                                 std::filesystem::perms mode) {
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    if (descriptor < 0) {
        return SystemFailure();
    }
    return TWritableFile(descriptor);
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
    while (!bytes.empty()) {
        const ssize_t written = ::write(Descriptor(handle_), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return SystemFailure();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

Expected<void> TWritableFile::Sync() const {
    if (::fsync(Descriptor(handle_)) != 0) {
        return SystemFailure();
    }
    return {};
}

Expected<void> TWritableFile::TakeAccessOf(const std::filesystem::path& existing) const {
    struct stat status {};
    if (::stat(existing.c_str(), &status) != 0) {
        return SystemFailure();
    }
    // Only root may give a file away, and only a member may give it a group:
    // otherwise the writer's own owner and group stay, as with any new file.
    // The owner goes first: a change of owner clears the set-user-ID bit.
    const int descriptor = Descriptor(handle_);
    if (::fchown(descriptor, status.st_uid, status.st_gid) != 0) {
        (void)::fchown(descriptor, static_cast<uid_t>(-1), status.st_gid);
    }
    if (::fchmod(descriptor, status.st_mode & 07777) != 0) {
        return SystemFailure();
    }
    return {};
}

Expected<void> TWritableFile::Close() {
    if (handle_ == kClosed) {
        return {};
    }
    const int descriptor = Descriptor(std::exchange(handle_, kClosed));
    if (::close(descriptor) != 0 && errno != EINTR) {
        return SystemFailure();
    }
    return {};
}

Expected<void> ReplaceFile(const std::filesystem::path& replacement,
                           const std::filesystem::path& target) {
    if (std::rename(replacement.c_str(), target.c_str()) != 0) {
        return SystemFailure();
    }
    return {};
}

Expected<void> SyncDirectory(const std::filesystem::path& directory) {
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return SystemFailure();
    }
    const int synced = ::fsync(descriptor);
    const int error = errno;
    ::close(descriptor);
    if (synced != 0 && error != EINVAL && error != EROFS) {
        return Unexpected(SystemErrorText(error));
    }
    return {};
}

} // namespace dorvanta::platform
