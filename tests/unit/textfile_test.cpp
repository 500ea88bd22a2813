#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "casemodel/textfile.h"
#include "tests/unit/tempfolder.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Contents(const fs::path& file)
{
    std::string text;
    EXPECT_TRUE(ReadWholeFile(file.string(), text)) << file;
    return text;
}

fs::perms Permissions(const fs::path& file) { return fs::status(file).permissions(); }

// A name that cannot take a whole file is refused with its reason, also behind a symbolic link,
// and nothing is written there or beside it; a new name and a writable file are not refused.
TEST(ReplaceWholeFile, RefusesAFolderAndANodeThatIsNoFileAndWritesNothing)
{
    TempFolder folder;
    const fs::path dir = folder.Path() / "dir.sdf";
    const fs::path pipe = folder.Path() / "pipe.sdf";
    const fs::path link = folder.Path() / "link.sdf";
    fs::create_directory(dir);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0640), 0);
    fs::create_symlink("pipe.sdf", link);
    const std::vector<std::string> before = Entries(folder.Path());

    const struct {
        fs::path Name;
        const char* Reason;
    } rows[] = {{dir, "Is a directory"}, {pipe, "Not a regular file"}, {link, "Not a regular file"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name.filename().string());
        EXPECT_EQ(WhyNotReplaceable(row.Name.string()), row.Reason);
        std::string why;
        EXPECT_FALSE(ReplaceWholeFile(row.Name.string(), "new", &why));
        EXPECT_EQ(why, row.Reason);
    }
    EXPECT_EQ(Entries(folder.Path()), before);
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));

    const fs::path fresh = folder.Path() / "fresh.sdf";
    const fs::path kept = folder.Write("kept.sdf", "old");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(WhyNotReplaceable(fresh.string()), "");
    EXPECT_EQ(WhyNotReplaceable(kept.string()), "");
    EXPECT_TRUE(ReplaceWholeFile(fresh.string(), "first"));
    EXPECT_TRUE(ReplaceWholeFile(kept.string(), "second"));
    EXPECT_EQ(Contents(fresh), "first");
    EXPECT_EQ(Contents(kept), "second");
    EXPECT_EQ(Permissions(kept), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A read-only file in a folder anyone may write: the rename would succeed, so only the check
// keeps the file. The superuser may write any file, so the check runs in a child that has become
// an ordinary user (nobody) when the tests run as the superuser.
TEST(ReplaceWholeFile, RefusesAFileTheProcessMayNotWriteInAFolderItMayWrite)
{
    TempFolder folder;
    fs::permissions(folder.Path(), fs::perms::all);
    const fs::path file = folder.Write("locked.sdf", "old");
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(file, readOnly);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0)
            ::_exit(10);
        if (::access(folder.Path().c_str(), W_OK) != 0)
            ::_exit(11);  // the folder must be writable, else the refusal would prove nothing
        std::string why;
        const bool replaced = ReplaceWholeFile(file.string(), "new", &why);
        ::_exit((WhyNotReplaceable(file.string()) != "Permission denied" ? 1 : 0) | (replaced ? 2 : 0)
                | (!replaced && why != "Permission denied" ? 4 : 0));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10: setuid failed, 11: folder not writable, else the sum of 1: no "
                                         "reason, 2: file replaced, 4: another reason";
    EXPECT_EQ(Contents(file), "old");
    EXPECT_EQ(Permissions(file), readOnly);
    EXPECT_EQ(Entries(folder.Path()), std::vector<std::string>{"locked.sdf"});
}

// Temporary files left by killed saves of a process with this pid: the save takes the next free
// name, leaves them as they are and still replaces the target as a whole.
TEST(ReplaceWholeFile, PassesOverTemporaryFilesLeftByAnEarlierSaveWithTheSamePid)
{
    TempFolder folder;
    const fs::path target = folder.Write("case.sdf", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    const std::string left = "case.sdf.tmp" + std::to_string(::getpid());
    folder.Write(left, "left 0");
    folder.Write(left + ".1", "left 1");

    std::string why;
    EXPECT_TRUE(ReplaceWholeFile(target.string(), "new", &why)) << why;
    EXPECT_EQ(Contents(target), "new");
    EXPECT_EQ(Permissions(target), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    EXPECT_EQ(Contents(folder.Path() / left), "left 0");
    EXPECT_EQ(Contents(folder.Path() / (left + ".1")), "left 1");
    EXPECT_EQ(Entries(folder.Path()), (std::vector<std::string>{"case.sdf", left, left + ".1"}));
}

} // namespace
