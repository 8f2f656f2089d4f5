// tests/platform_posix_atomic_file_test.cpp
#include <gtest/gtest.h>
#include <cerrno>
#include <dirent.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>
#include "platform/atomic_file.h"
#include "tests/file_contents.h"

namespace {

const char NEW_BYTES[] = "new bytes\n";

// What stands at scratch/target before the write, and what must hold after it.
struct TargetCase {
    const char* kind;
    int error;            // the failure expected (0: success)
    const char* reads;    // the file, within scratch, that then holds the new bytes
    int entries;          // names in scratch and scratch/elsewhere afterwards: no temporary file
};

const TargetCase CASES[] = {
    {"nothing", 0, "target", 2},
    {"file", 0, "target", 2},
    {"link", 0, "elsewhere/real", 3},            // followed; the link stays a link
    {"relative-link", 0, "elsewhere/real", 3},   // counted from the link's folder
    {"dangling-link", 0, "elsewhere/real", 3},   // its target is made
    {"fifo", 0, nullptr, 2},                     // written in place
    {"device", 0, nullptr, 2},                   // written in place, still a device
    {"folder", EISDIR, nullptr, 2},
    {"no-folder", ENOENT, nullptr, 1},
};

int count_entries(const std::string& folder)
{
    int count = 0;
    DIR* dir = opendir(folder.c_str());
    while (dirent* entry = dir ? readdir(dir) : nullptr) count += entry->d_name[0] != '.';
    if (dir) closedir(dir);
    return count;
}

}  // namespace

class AtomicFileTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(AtomicFileTarget, WritesWholeOrRefusesAndLeavesNothingBehind)
{
    const TargetCase& c = GetParam();
    const std::string kind = c.kind;
    char pattern[] = "/tmp/orbily_atomic_XXXXXX";
    const std::string scratch = mkdtemp(pattern);
    mkdir((scratch + "/elsewhere").c_str(), 0755);
    std::string target = scratch + "/target";
    std::thread reader;
    std::string fifo_bytes;
    if (kind == "file") {
        std::ofstream(target) << "old bytes, longer than the new ones\n";
        chmod(target.c_str(), 0604);   // the new file takes these over
    }
    if (kind.find("link") != std::string::npos) {
        if (kind != "dangling-link") std::ofstream(scratch + "/elsewhere/real") << "old";
        const std::string link = kind == "link" ? scratch + "/elsewhere/real" : "elsewhere/real";
        ASSERT_EQ(symlink(link.c_str(), target.c_str()), 0);
    }
    if (kind == "fifo") {
        ASSERT_EQ(mkfifo(target.c_str(), 0600), 0);
        reader = std::thread([&] { fifo_bytes = read_file(target); });
    }
    // a null device of our own where we may make one, and no device at all otherwise
    if (kind == "device" && mknod(target.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) GTEST_SKIP() << "no mknod";
    if (kind == "folder") ASSERT_EQ(mkdir(target.c_str(), 0755), 0);
    if (kind == "no-folder") target = scratch + "/missing/target";
    struct stat before = {}, after = {};
    lstat(target.c_str(), &before);

    static AtomicFile file;
    bool written = open_atomic_file(file, target.c_str());
    if (written) {
        written = write_atomic_file(file, NEW_BYTES, 4) && write_atomic_file(file, NEW_BYTES + 4, 6);
        written = commit_atomic_file(file) && written;
    }
    if (reader.joinable()) reader.join();

    EXPECT_EQ(written, c.error == 0) << kind;
    EXPECT_EQ(file.error, c.error) << kind << ": " << strerror(file.error);
    lstat(target.c_str(), &after);
    if (kind == "file") EXPECT_EQ(after.st_mode, before.st_mode);
    if (kind != "nothing" && kind != "file" && kind != "dangling-link") {
        EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT) << kind;
        EXPECT_EQ(after.st_rdev, before.st_rdev) << kind;
    }
    if (c.reads) EXPECT_EQ(read_file(scratch + "/" + c.reads), NEW_BYTES) << kind;
    if (kind == "fifo") EXPECT_EQ(fifo_bytes, NEW_BYTES);
    EXPECT_EQ(count_entries(scratch) + count_entries(scratch + "/elsewhere"), c.entries) << kind;
    EXPECT_EQ(std::system(("rm -rf " + scratch).c_str()), 0);
}

INSTANTIATE_TEST_SUITE_P(Targets, AtomicFileTarget, ::testing::ValuesIn(CASES));

// An abandoned file keeps the old one byte for byte and leaves no temporary file (a failed
// write is tried in tests/stats_csv_export_test.cpp).
TEST(AtomicFile, AbandonedWriteKeepsTheOldFile)
{
    char pattern[] = "/tmp/orbily_atomic_XXXXXX";
    const std::string folder = mkdtemp(pattern), target = folder + "/target";
    std::ofstream(target) << "old";
    static AtomicFile file;
    ASSERT_TRUE(open_atomic_file(file, target.c_str()));
    ASSERT_TRUE(write_atomic_file(file, NEW_BYTES, 10));
    abandon_atomic_file(file);
    EXPECT_EQ(read_file(target), "old");
    EXPECT_EQ(unlink(target.c_str()), 0);
    EXPECT_EQ(rmdir(folder.c_str()), 0);   // nothing else was left in the folder
}
