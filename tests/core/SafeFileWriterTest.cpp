#include "SafeFileWriter.h"

#include "TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <system_error>

namespace dorvanta {
namespace {

class SafeFileWriterTest : public ::testing::Test {
protected:
    TemporaryDirectory directory;
    std::filesystem::path target = directory.path() / "out.dat";

    // Only the target is left in the directory: no temporary file stays.
    void ExpectOnlyTheTarget() const {
        std::size_t files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(directory.path())) {
            EXPECT_EQ(entry.path(), target);
            ++files;
        }
        EXPECT_EQ(files, 1u);
    }
};

TEST_F(SafeFileWriterTest, ReplacesTheTargetWithTheWholeContent) {
    WriteBytes(target, "old content that is longer");
    EXPECT_EQ(WriteFileSafely(target, std::string_view("new\0bytes", 9)), std::nullopt);
    EXPECT_EQ(ReadBytes(target), std::string("new\0bytes", 9));
    ExpectOnlyTheTarget();
}

TEST_F(SafeFileWriterTest, AFailedWriteLeavesTheTargetUntouched) {
    WriteBytes(target, "good");
    const auto error = WriteFileSafely(target, [](std::ostream& out) {
        out << "half of it";
        errno = ENOSPC;
        out.setstate(std::ios::badbit);
    });
    EXPECT_EQ(error, std::system_category().message(ENOSPC));
    EXPECT_EQ(ReadBytes(target), "good");
    ExpectOnlyTheTarget();
}

TEST_F(SafeFileWriterTest, AMissingDirectoryGivesTheSystemsText) {
    const auto error = WriteFileSafely(directory.path() / "missing" / "out.dat", "x");
    EXPECT_EQ(error, std::system_category().message(ENOENT));
}

TEST_F(SafeFileWriterTest, AReadOnlyDirectoryKeepsTheExistingFile) {
    WriteBytes(target, "good");
    std::filesystem::permissions(directory.path(), std::filesystem::perms::owner_read |
                                                       std::filesystem::perms::owner_exec);
    if (CanCreateFileIn(directory.path())) {
        GTEST_SKIP() << "this user writes into read-only directories";
    }
    EXPECT_EQ(WriteFileSafely(target, "new"), std::system_category().message(EACCES));
    EXPECT_EQ(ReadBytes(target), "good");
}

TEST_F(SafeFileWriterTest, ADirectoryInTheTargetsPlaceIsNotReplaced) {
    std::filesystem::create_directory(target);
    EXPECT_TRUE(WriteFileSafely(target, "new").has_value());
    EXPECT_TRUE(std::filesystem::is_directory(target));
    ExpectOnlyTheTarget();
}

TEST(SystemErrorText, ReadsAStreamFailureWithoutSystemErrorAsAnInputOutputError) {
    EXPECT_EQ(SystemErrorText(0), std::system_category().message(EIO));
    EXPECT_EQ(SystemErrorText(EACCES), std::system_category().message(EACCES));
}

} // namespace
} // namespace dorvanta
