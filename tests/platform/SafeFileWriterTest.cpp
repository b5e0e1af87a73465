#include "platform/SafeFileWriter.h"

#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace dorvanta {
namespace {

namespace fs = std::filesystem;

class SafeFileWriterTest : public ::testing::Test {
protected:
    TemporaryDirectory directory;
    fs::path target = directory.path() / "out.dat";

    // Only `names` are left in the directory: no temporary file stays.
    void ExpectOnly(std::initializer_list<fs::path> names) const {
        std::size_t files = 0;
        for (const auto& entry : fs::directory_iterator(directory.path())) {
            EXPECT_NE(std::find(names.begin(), names.end(), entry.path().filename()), names.end())
                << entry.path();
            ++files;
        }
        EXPECT_EQ(files, names.size());
    }
    void ExpectOnlyTheTarget() const { ExpectOnly({target.filename()}); }
};

fs::perms PermissionsOf(const fs::path& file) {
    return fs::status(file).permissions() & fs::perms::mask;
}

std::string ErrorOf(const Expected<void>& result) {
    return result ? std::string("no error") : result.error();
}

TEST_F(SafeFileWriterTest, ReplacesTheTargetWithTheWholeContent) {
    WriteBytes(target, "old content that is longer");
    EXPECT_TRUE(WriteFileSafely(target, std::string_view("new\0bytes", 9)));
    EXPECT_EQ(ReadBytes(target), std::string("new\0bytes", 9));
    ExpectOnlyTheTarget();
}

TEST_F(SafeFileWriterTest, WritesContentLargerThanItsBufferInOrder) {
    std::string content;
    for (int i = 0; i < 100'000; ++i) {
        content += std::to_string(i) + ",";
    }
    EXPECT_TRUE(WriteFileSafely(target, [&content](std::ostream& out) {
        out << "head:";
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        for (char c = 'a'; c <= 'z'; ++c) {
            out.put(c);
        }
    }));
    std::string expected = "head:" + content;
    for (char c = 'a'; c <= 'z'; ++c) {
        expected += c;
    }
    EXPECT_EQ(ReadBytes(target), expected);
}

TEST_F(SafeFileWriterTest, AFailedStreamLeavesTheTargetUntouched) {
    WriteBytes(target, "good");
    const auto result = WriteFileSafely(target, [](std::ostream& out) {
        out << "half of it";
        errno = ENOSPC;
        out.setstate(std::ios::badbit);
    });
    EXPECT_EQ(ErrorOf(result), std::system_category().message(ENOSPC));
    EXPECT_EQ(ReadBytes(target), "good");
    ExpectOnlyTheTarget();
}

// A failure at any step keeps the old file and leaves no temporary file.
TEST_F(SafeFileWriterTest, AFailureAtEachStepKeepsTheOldFile) {
    const struct {
        TWriteStep step;
        int error;
    } cases[] = {
        {TWriteStep::Create, EACCES},
        {TWriteStep::Write, ENOSPC},
        {TWriteStep::Sync, EIO},
        {TWriteStep::Rename, EXDEV},
    };
    for (const auto& c : cases) {
        WriteBytes(target, "good");
        std::vector<TWriteStep> steps;
        TWriteOptions options;
        options.InjectedFailure = [&](TWriteStep step) {
            steps.push_back(step);
            return step == c.step ? c.error : 0;
        };
        const auto result = WriteFileSafely(target, "new", options);
        EXPECT_EQ(ErrorOf(result), std::system_category().message(c.error))
            << static_cast<int>(c.step);
        EXPECT_EQ(steps.back(), c.step) << "no step runs after the failed one";
        EXPECT_EQ(ReadBytes(target), "good") << static_cast<int>(c.step);
        ExpectOnlyTheTarget();
    }
}

// A real failure of the system's write: files may not grow beyond 4 KiB, so
// the write fails part way as on a full disk.
TEST_F(SafeFileWriterTest, AWriteTheSystemRefusesKeepsTheOldFile) {
    WriteBytes(target, "good");
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previousAction {};
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &previousAction), 0);
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = WriteFileSafely(target, std::string(1 << 20, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &previous);
    ::sigaction(SIGXFSZ, &previousAction, nullptr);
    EXPECT_EQ(ErrorOf(result), std::system_category().message(EFBIG));
    EXPECT_EQ(ReadBytes(target), "good");
    ExpectOnlyTheTarget();
}

TEST_F(SafeFileWriterTest, RunsTheStepsInTheirOrder) {
    std::vector<TWriteStep> steps;
    TWriteOptions options;
    options.InjectedFailure = [&steps](TWriteStep step) {
        steps.push_back(step);
        return 0;
    };
    EXPECT_TRUE(WriteFileSafely(target, "new", options));
    EXPECT_EQ(steps, (std::vector{TWriteStep::Create, TWriteStep::Write, TWriteStep::Sync,
                                  TWriteStep::Rename}));
    EXPECT_EQ(ReadBytes(target), "new");
}

TEST_F(SafeFileWriterTest, AMissingDirectoryGivesTheSystemsText) {
    const auto result = WriteFileSafely(directory.path() / "missing" / "out.dat", "x");
    EXPECT_EQ(ErrorOf(result), std::system_category().message(ENOENT));
}

TEST_F(SafeFileWriterTest, AReadOnlyDirectoryKeepsTheExistingFile) {
    WriteBytes(target, "good");
    fs::permissions(directory.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (CanCreateFileIn(directory.path())) {
        GTEST_SKIP() << "this user writes into read-only directories";
    }
    EXPECT_EQ(ErrorOf(WriteFileSafely(target, "new")), std::system_category().message(EACCES));
    EXPECT_EQ(ReadBytes(target), "good");
}

TEST_F(SafeFileWriterTest, ADirectoryInTheTargetsPlaceIsNotReplaced) {
    fs::create_directory(target);
    EXPECT_FALSE(WriteFileSafely(target, "new"));
    EXPECT_TRUE(fs::is_directory(target));
    ExpectOnlyTheTarget();
}

TEST_F(SafeFileWriterTest, AReplacedFileKeepsItsPermissions) {
    using P = fs::perms;
    const P cases[] = {
        P::owner_read | P::owner_write,                                   // 0600
        P::owner_read | P::owner_write | P::group_read,                   // 0640
        P::owner_all | P::group_read | P::group_exec | P::others_read |   //
            P::others_exec,                                               // 0755
        P::owner_read | P::group_read | P::group_write | P::others_write, // 0462
    };
    for (const P mode : cases) {
        WriteBytes(target, "old");
        fs::permissions(target, mode);
        ASSERT_TRUE(WriteFileSafely(target, "new"));
        EXPECT_EQ(PermissionsOf(target), mode) << std::oct << static_cast<unsigned>(mode);
        EXPECT_EQ(ReadBytes(target), "new");
        fs::permissions(target, P::owner_read | P::owner_write);
    }
}

TEST_F(SafeFileWriterTest, ANewFileGetsTheRequestedPermissionsLessTheUmask) {
    using P = fs::perms;
    const mode_t previous = ::umask(022);
    EXPECT_TRUE(WriteFileSafely(target, "new"));
    EXPECT_EQ(PermissionsOf(target),
              P::owner_read | P::owner_write | P::group_read | P::others_read); // 0666 less 022
    const fs::path privateFile = directory.path() / "private.pdf";
    TWriteOptions options;
    options.NewFilePermissions = P::owner_read | P::owner_write;
    EXPECT_TRUE(WriteFileSafely(privateFile, "secret", options));
    EXPECT_EQ(PermissionsOf(privateFile), P::owner_read | P::owner_write);
    // Replaced, it stays as private as it was, whatever the new file's mode.
    EXPECT_TRUE(WriteFileSafely(privateFile, "secret again"));
    EXPECT_EQ(PermissionsOf(privateFile), P::owner_read | P::owner_write);
    ::umask(previous);
}

TEST_F(SafeFileWriterTest, AReplacedFileKeepsItsOwnerWhereTheWriterMayGiveItAway) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser gives files away";
    }
    constexpr uid_t kOtherUser = 65534;
    constexpr gid_t kOtherGroup = 65534;
    WriteBytes(target, "old");
    ASSERT_EQ(::chown(target.c_str(), kOtherUser, kOtherGroup), 0);
    ASSERT_TRUE(WriteFileSafely(target, "new"));
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kOtherUser);
    EXPECT_EQ(status.st_gid, kOtherGroup);
}

TEST_F(SafeFileWriterTest, ASymbolicLinkStaysALinkAndItsFileIsReplaced) {
    const fs::path subdirectory = directory.path() / "data";
    fs::create_directory(subdirectory);
    const fs::path file = subdirectory / "real.dat";
    WriteBytes(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("data/real.dat", target); // relative to the link's folder
    const fs::path chain = directory.path() / "chain.dat";
    fs::create_symlink(target, chain);

    ASSERT_TRUE(WriteFileSafely(chain, "new"));
    EXPECT_TRUE(fs::is_symlink(chain));
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_EQ(fs::read_symlink(target), "data/real.dat");
    EXPECT_EQ(ReadBytes(file), "new");
    EXPECT_EQ(PermissionsOf(file), fs::perms::owner_read | fs::perms::owner_write);
    ExpectOnly({"out.dat", "chain.dat", "data"});
    EXPECT_EQ(std::distance(fs::directory_iterator(subdirectory), fs::directory_iterator()), 1);
}

TEST_F(SafeFileWriterTest, ALinkToNothingYetCreatesTheFileItPointsTo) {
    fs::create_symlink("later.dat", target);
    ASSERT_TRUE(WriteFileSafely(target, "new"));
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_EQ(ReadBytes(directory.path() / "later.dat"), "new");
}

TEST_F(SafeFileWriterTest, ALoopOfLinksIsAFailure) {
    fs::create_symlink("b.dat", directory.path() / "a.dat");
    fs::create_symlink("a.dat", directory.path() / "b.dat");
    EXPECT_EQ(ErrorOf(WriteFileSafely(directory.path() / "a.dat", "new")),
              std::system_category().message(ELOOP));
    ExpectOnly({"a.dat", "b.dat"});
}

TEST(SystemErrorText, ReadsAStreamFailureWithoutSystemErrorAsAnInputOutputError) {
    EXPECT_EQ(SystemErrorText(0), std::system_category().message(EIO));
    EXPECT_EQ(SystemErrorText(EACCES), std::system_category().message(EACCES));
}

} // namespace
} // namespace dorvanta
