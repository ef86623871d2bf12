#include "files/text_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <vector>

namespace ab {
namespace {

std::vector<std::string> allLines(std::string_view text)
{
    LineReader r(text);
    std::vector<std::string> out;
    while (!r.atEnd())
        out.emplace_back(r.next());
    return out;
}

TEST(LineReader, SplitsAtEveryKindOfLineEnd)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(allLines(""), V{});
    EXPECT_EQ(allLines("a"), V{"a"});
    EXPECT_EQ(allLines("a\r\n"), V{"a"});
    EXPECT_EQ(allLines("a\r\n\r\n"), (V{"a", ""}));
    EXPECT_EQ(allLines("a\nb\rc\r\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(allLines("\n\r\n\r"), (V{"", "", ""}));
    LineReader done("x");
    done.next();
    EXPECT_TRUE(done.atEnd());
    EXPECT_EQ(done.next(), "");
}

TEST(TextFile, ReadsTextAndRefusesBinaryAndOversizedFiles)
{
    test::TempFolder folder;
    const std::string path = folder.file("a.txt");
    test::writeBytes(path, "line\r\n\xC3\xA4");
    TextFileContent c = readTextFile(path);
    EXPECT_TRUE(c.ok());
    EXPECT_EQ(c.bytes, "line\r\n\xC3\xA4");

    test::writeBytes(path, std::string(MaxTextFileBytes, 'x'));
    EXPECT_TRUE(readTextFile(path).ok());
    test::writeBytes(path, std::string(MaxTextFileBytes + 1, 'x'));
    c = readTextFile(path);
    EXPECT_EQ(c.problem, ReadProblem::TooLarge);
    EXPECT_TRUE(c.bytes.empty());

    test::writeBytes(path, std::string("ab\0cd", 5));
    EXPECT_EQ(readTextFile(path).problem, ReadProblem::NotText);
    c = readTextFile(folder.file("missing"));
    EXPECT_EQ(c.problem, ReadProblem::CannotOpen);
    EXPECT_EQ(c.reason, "No such file or directory");
}

TEST(AtomicSave, LeavesTheOldFileWhenTheSaveFails)
{
    test::TempFolder folder;
    // A folder standing where the file should go cannot be replaced by it.
    const std::string blocked = folder.file("blocked.wk4");
    std::filesystem::create_directory(blocked);
    WriteOutcome w = writeFileAtomically(blocked, "new");
    EXPECT_FALSE(w.ok);
    EXPECT_FALSE(w.reason.empty());
    EXPECT_TRUE(std::filesystem::is_directory(blocked));

    const std::string path = folder.file("keep.wk4");
    test::writeBytes(path, "old");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    ASSERT_TRUE(writeFileAtomically(path, "new").ok);
    EXPECT_EQ(test::readBytes(path), "new");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    // The longest name a folder takes can be saved, although the temporary file beside it has more
    // to say.
    const std::string longest = folder.file(std::string(251, 'n') + ".wk4");
    ASSERT_TRUE(writeFileAtomically(longest, "long").ok);
    EXPECT_EQ(test::readBytes(longest), "long");
    std::filesystem::remove(longest);
    // A file marked read-only is not replaced behind the user's back.
    const std::string readOnly = folder.file("read-only.wk4");
    test::writeBytes(readOnly, "old");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    w = writeFileAtomically(readOnly, "new");
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.reason, "Permission denied");
    EXPECT_EQ(test::readBytes(readOnly), "old");
    std::filesystem::remove(readOnly);
    // A save through a symbolic link replaces the file it points at and keeps the link.
    const std::string link = folder.file("link.wk4");
    std::filesystem::create_symlink(path, link);
    ASSERT_TRUE(writeFileAtomically(link, "newer").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::readBytes(path), "newer");
    std::filesystem::remove(link);
    // Only the target remains: no temporary file lies beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        files += e.is_regular_file();
    EXPECT_EQ(files, 1);
}

} // namespace
} // namespace ab
