#include "SafeFileWriter.h"

#include <cerrno>
#include <fstream>
#include <random>
#include <system_error>

namespace dorvanta {

namespace {

// A name beside the target that no other writer uses at the same time.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target) {
    std::random_device random;
    std::filesystem::path temporary = target;
    temporary += "." + std::to_string(random()) + ".tmp";
    return temporary;
}

// Writes, flushes and closes; the errno of the first failure, or nullopt.
std::optional<int> WriteAndClose(const std::filesystem::path& path,
                                 const std::function<void(std::ostream&)>& write) {
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        return errno;
    }
    write(out);
    if (out.good()) {
        errno = 0;
        out.flush();
    }
    if (!out.good()) {
        const int error = errno;
        out.close();
        return error;
    }
    errno = 0;
    out.close(); // the last buffered bytes reach the system here
    if (out.fail()) {
        return errno;
    }
    return std::nullopt;
}

} // namespace

std::string SystemErrorText(int error) {
    if (error == 0) {
        return std::make_error_code(std::errc::io_error).message();
    }
    return std::system_category().message(error);
}

std::optional<std::string> WriteFileSafely(const std::filesystem::path& target,
                                           const std::function<void(std::ostream&)>& write) {
    const std::filesystem::path temporary = TemporaryPathFor(target);
    std::error_code ignored;
    if (const auto error = WriteAndClose(temporary, write)) {
        std::filesystem::remove(temporary, ignored);
        return SystemErrorText(*error);
    }
    std::error_code renamed;
    std::filesystem::rename(temporary, target, renamed);
    if (renamed) {
        std::filesystem::remove(temporary, ignored);
        return renamed.message();
    }
    return std::nullopt;
}

std::optional<std::string> WriteFileSafely(const std::filesystem::path& target,
                                           std::string_view bytes) {
    return WriteFileSafely(target, [bytes](std::ostream& out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
}

} // namespace dorvanta
