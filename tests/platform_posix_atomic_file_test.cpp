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

// What stands at the target before the write, and what must be true after it.
struct TargetCase {
    const char* name;
    const char* kind;   // nothing, file, link, relative-link, dangling-link, fifo, device, folder, no-folder
    int error;          // the failure expected (0: success)
    const char* reads;  // the path, within the scratch folder, that then holds the new bytes
};

const TargetCase CASES[] = {
    {"NothingThereYet", "nothing", 0, "target"},
    {"RegularFileIsReplaced", "file", 0, "target"},
    {"LinkIsFollowedAndItsTargetReplaced", "link", 0, "elsewhere/real"},
    {"RelativeLinkCountsFromItsFolder", "relative-link", 0, "elsewhere/real"},
    {"DanglingLinkCreatesItsTarget", "dangling-link", 0, "elsewhere/real"},
    {"FifoIsWrittenInPlace", "fifo", 0, nullptr},
    {"DeviceIsWrittenInPlace", "device", 0, nullptr},
    {"FolderIsRefused", "folder", EISDIR, nullptr},
    {"MissingFolderIsRefused", "no-folder", ENOENT, nullptr},
};

class AtomicFileTarget : public ::testing::TestWithParam<TargetCase> {
protected:
    std::string scratch;
    void SetUp() override
    {
        char pattern[] = "/tmp/orbily_atomic_XXXXXX";
        scratch = mkdtemp(pattern);
        mkdir((scratch + "/elsewhere").c_str(), 0755);
    }
    void TearDown() override { std::system(("rm -rf " + scratch).c_str()); }
    std::string at(const std::string& name) const { return scratch + "/" + name; }
    // names in a folder of the scratch area: a temporary file left behind shows up here
    int entry_count(const std::string& folder) const
    {
        int count = 0;
        DIR* dir = opendir(at(folder).c_str());
        while (dirent* entry = dir ? readdir(dir) : nullptr) count += entry->d_name[0] != '.';
        if (dir) closedir(dir);
        return count;
    }
};

// A reader on the other end of a FIFO, collecting what arrives until the writer closes.
void drain(const std::string& path, std::string& bytes)
{
    std::ifstream fifo(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(fifo), std::istreambuf_iterator<char>());
}

TEST_P(AtomicFileTarget, WritesWholeOrRefusesAndLeavesNothingBehind)
{
    const TargetCase& c = GetParam();
    const std::string kind = c.kind;
    std::string target = at("target");
    std::thread reader;
    std::string fifo_bytes;
    if (kind == "file") std::ofstream(target) << "old bytes that are longer than the new ones\n";
    if (kind == "link" || kind == "relative-link" || kind == "dangling-link") {
        if (kind != "dangling-link") std::ofstream(at("elsewhere/real")) << "old";
        const std::string link = kind == "link" ? at("elsewhere/real") : "elsewhere/real";
        ASSERT_EQ(symlink(link.c_str(), target.c_str()), 0);
    }
    if (kind == "fifo") {
        ASSERT_EQ(mkfifo(target.c_str(), 0600), 0);
        reader = std::thread(drain, target, std::ref(fifo_bytes));
    }
    // a null device of our own where we may make one; the system's otherwise
    if (kind == "device" && mknod(target.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) target = "/dev/null";
    if (kind == "folder") ASSERT_EQ(mkdir(target.c_str(), 0755), 0);
    if (kind == "no-folder") target = at("missing/target");
    struct stat before = {};
    lstat(target.c_str(), &before);

    static AtomicFile file;
    bool written = open_atomic_file(file, target.c_str());
    if (written) {
        written = write_atomic_file(file, NEW_BYTES, 4) && write_atomic_file(file, NEW_BYTES + 4, 6);
        written = commit_atomic_file(file) && written;
    }
    if (reader.joinable()) reader.join();

    EXPECT_EQ(written, c.error == 0);
    EXPECT_EQ(file.error, c.error) << strerror(file.error);
    struct stat after = {};
    lstat(target.c_str(), &after);
    if (kind != "nothing" && kind != "file" && kind != "dangling-link") {
        EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);   // still a link, FIFO, device, folder
        if (kind == "device") EXPECT_EQ(after.st_rdev, before.st_rdev);
    }
    if (c.reads) EXPECT_EQ(read_file(at(c.reads)), NEW_BYTES);
    if (kind == "fifo") EXPECT_EQ(fifo_bytes, NEW_BYTES);
    EXPECT_EQ(entry_count("elsewhere"), c.reads && std::string(c.reads) == "elsewhere/real" ? 1 : 0);
    EXPECT_EQ(entry_count(""), kind == "nothing" || kind == "file" || kind == "link" || kind == "relative-link" ||
                                       kind == "dangling-link" || kind == "fifo" || kind == "folder" ||
                                       (kind == "device" && target != "/dev/null")
                                   ? 2
                                   : 1);   // elsewhere, and the target unless it lies outside
}

INSTANTIATE_TEST_SUITE_P(Targets, AtomicFileTarget, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<TargetCase>& info) { return std::string(info.param.name); });

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

}  // namespace
