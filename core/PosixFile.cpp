// POSIX calls on purpose: std::filesystem and iostreams cannot create a file
// exclusively (O_EXCL), sync it or its directory (fsync), hand an owner on
// (fchown), or advise huge pages (madvise). See PosixFile.h.
#include "PosixFile.h"

#include "SafeFileWriter.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace dorvanta::posix {

namespace {

Unexpected SystemFailure() {
    return Unexpected(SystemErrorText(errno));
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
    : descriptor_(std::exchange(other.descriptor_, -1)) {
}

TWritableFile& TWritableFile::operator=(TWritableFile&& other) noexcept {
    if (this != &other) {
        (void)Close();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

TWritableFile::~TWritableFile() {
    (void)Close();
}

Expected<void> TWritableFile::Write(std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
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
    if (::fsync(descriptor_) != 0) {
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
    if (::fchown(descriptor_, status.st_uid, status.st_gid) != 0) {
        (void)::fchown(descriptor_, static_cast<uid_t>(-1), status.st_gid);
    }
    if (::fchmod(descriptor_, status.st_mode & 07777) != 0) {
        return SystemFailure();
    }
    return {};
}

Expected<void> TWritableFile::Close() {
    if (descriptor_ < 0) {
        return {};
    }
    const int descriptor = std::exchange(descriptor_, -1);
    if (::close(descriptor) != 0 && errno != EINTR) {
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

void AdviseHugePages(void* start, std::size_t size) noexcept {
#if defined(MADV_HUGEPAGE)
    (void)::madvise(start, size, MADV_HUGEPAGE);
#else
    (void)start;
    (void)size;
#endif
}

} // namespace dorvanta::posix
