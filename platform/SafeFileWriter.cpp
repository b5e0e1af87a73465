#include "platform/SafeFileWriter.h"

#include "platform/File.h"

#include <array>
#include <cerrno>
#include <random>
#include <streambuf>
#include <system_error>

namespace dorvanta {

namespace {

namespace fs = std::filesystem;

// The file that a write to `target` replaces: symbolic links followed to
// the end, relative ones from their own directory.
Expected<fs::path> FinalTarget(fs::path target) {
    constexpr int kMaximumLinks = 40; // as the system's own limit (ELOOP)
    for (int links = 0; links < kMaximumLinks; ++links) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error))) {
            return target;
        }
        const fs::path next = fs::read_symlink(target, error);
        if (error) {
            return Unexpected(error.message());
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return Unexpected(SystemErrorText(ELOOP));
}

// A name beside the target that no other file has; the exclusive creation
// settles a clash, and a few tries more find a free name.
Expected<platform::TWritableFile> CreateBeside(const fs::path& target, fs::perms mode,
                                               fs::path& temporary) {
    constexpr int kTries = 16;
    std::random_device random;
    Expected<platform::TWritableFile> file = Unexpected(SystemErrorText(EEXIST));
    for (int attempt = 0; attempt < kTries; ++attempt) {
        temporary = target;
        temporary += "." + std::to_string(random()) + ".tmp";
        file = platform::TWritableFile::CreateNew(temporary, mode);
        std::error_code ignored;
        if (file || !fs::exists(fs::symlink_status(temporary, ignored))) {
            break;
        }
    }
    return file;
}

// A stream buffer that writes through to the file in large blocks and keeps
// the first failure.
class TFileBuffer : public std::streambuf {
public:
    explicit TFileBuffer(const platform::TWritableFile& file) : file_(file) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }

    // Writes what is buffered; the first failure, if any.
    Expected<void> Flush() {
        if (status_ && pptr() != pbase()) {
            status_ = file_.Write({pbase(), static_cast<std::size_t>(pptr() - pbase())});
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return status_;
    }

protected:
    int_type overflow(int_type c) override {
        if (!Flush()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* data, std::streamsize count) override {
        if (count < static_cast<std::streamsize>(buffer_.size())) {
            return std::streambuf::xsputn(data, count);
        }
        // A large block goes to the file directly, behind what is buffered.
        if (!Flush()) {
            return 0;
        }
        status_ = file_.Write({data, static_cast<std::size_t>(count)});
        return status_ ? count : 0;
    }

    int sync() override { return Flush() ? 0 : -1; }

private:
    static constexpr std::size_t kBufferSize = 1 << 16;
    const platform::TWritableFile& file_;
    Expected<void> status_;
    std::array<char, kBufferSize> buffer_{};
};

Expected<void> Injected(const TWriteOptions& options, TWriteStep step) {
    if (options.InjectedFailure) {
        if (const int error = options.InjectedFailure(step); error != 0) {
            return Unexpected(SystemErrorText(error));
        }
    }
    return {};
}

// Runs `write` into the file: the stream's failure or the system's text.
Expected<void> WriteContent(const platform::TWritableFile& file,
                            const std::function<void(std::ostream&)>& write) {
    TFileBuffer buffer(file);
    std::ostream out(&buffer);
    errno = 0;
    write(out);
    const int error = errno;
    auto status = buffer.Flush();
    if (status && !out.good()) {
        return Unexpected(SystemErrorText(error));
    }
    return status;
}

// Writes, syncs and closes the temporary file, with the replaced file's
// access when there is one.
Expected<void> FillAndClose(platform::TWritableFile& file, const fs::path& target, bool replaces,
                            const std::function<void(std::ostream&)>& write,
                            const TWriteOptions& options) {
    if (auto status = Injected(options, TWriteStep::Write); !status) {
        return status;
    }
    if (auto status = WriteContent(file, write); !status) {
        return status;
    }
    if (replaces) {
        if (auto status = file.TakeAccessOf(target); !status) {
            return status;
        }
    }
    if (auto status = Injected(options, TWriteStep::Sync); !status) {
        return status;
    }
    if (auto status = file.Sync(); !status) {
        return status;
    }
    return file.Close();
}

Expected<void> RenameOver(const fs::path& temporary, const fs::path& target,
                          const TWriteOptions& options) {
    if (auto status = Injected(options, TWriteStep::Rename); !status) {
        return status;
    }
    return platform::ReplaceFile(temporary, target);
}

} // namespace

Expected<void> WriteFileSafely(const fs::path& target,
                               const std::function<void(std::ostream&)>& write,
                               const TWriteOptions& options) {
    const auto finalTarget = FinalTarget(target);
    if (!finalTarget) {
        return Unexpected(finalTarget.error());
    }
    std::error_code ignored;
    const bool replaces = fs::is_regular_file(*finalTarget, ignored);
    // Nobody else may read a replacement before it has the target's access.
    const fs::perms mode =
        replaces ? fs::perms::owner_read | fs::perms::owner_write : options.NewFilePermissions;
    if (auto status = Injected(options, TWriteStep::Create); !status) {
        return status;
    }
    fs::path temporary;
    auto file = CreateBeside(*finalTarget, mode, temporary);
    if (!file) {
        return Unexpected(file.error());
    }
    auto status = FillAndClose(*file, *finalTarget, replaces, write, options);
    if (status) {
        status = RenameOver(temporary, *finalTarget, options);
    }
    if (!status) {
        (void)file->Close();
        fs::remove(temporary, ignored);
        return status;
    }
    const fs::path directory = finalTarget->parent_path();
    return platform::SyncDirectory(directory.empty() ? fs::path(".") : directory);
}

Expected<void> WriteFileSafely(const fs::path& target, std::string_view bytes,
                               const TWriteOptions& options) {
    return WriteFileSafely(
        target,
        [bytes](std::ostream& out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        },
        options);
}

} // namespace dorvanta
