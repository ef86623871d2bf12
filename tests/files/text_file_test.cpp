// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_reader.h"
#include "files/aircraft_writer.h"
#include "files/file_messages.h"
#include "files/settings_file.h"
#include "files/staged_files.h"
#include "files/text_file.h"
#include "files/wing_copy.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>

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

// Saved by the superuser, a file stays its owner's: the new file takes the old one's owner, group
// and permissions instead of the saving user's.
TEST(AtomicSave, KeepsTheOwnerGroupAndModeOfTheFileItReplaces)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser may give a file to another user";
    const passwd* nobody = ::getpwnam("nobody");
    const group* nogroup = ::getgrnam("nogroup");
    if (!nobody || !nogroup)
        GTEST_SKIP() << "the system has no user nobody or no group nogroup";
    test::TempFolder folder;
    const std::string path = folder.file("plane.wk4");
    test::writeBytes(path, "old");
    ASSERT_EQ(::chown(path.c_str(), nobody->pw_uid, nogroup->gr_gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(writeFileAtomically(path, "new").ok);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, nobody->pw_uid);
    EXPECT_EQ(st.st_gid, nogroup->gr_gid);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(test::readBytes(path), "new");
}

// A link to a file not made yet is written through: the file appears where the link leads, a
// relative link leading from its own folder and a chain of links followed to its end, and every
// link stays. A loop of links is refused and left as it is.
TEST(AtomicSave, WritesThroughALinkToAFileNotYetMade)
{
    namespace fs = std::filesystem;
    test::TempFolder folder;
    fs::create_directory(folder.file("models"));
    fs::create_symlink("../glider.wk4", folder.file("models/relative.wk4"));
    fs::create_symlink("second.wk4", folder.file("first.wk4"));
    fs::create_symlink(folder.file("models/trainer.wk4"), folder.file("second.wk4"));
    const struct {
        const char* link;
        const char* file;
    } rows[] = {{"models/relative.wk4", "glider.wk4"}, {"first.wk4", "models/trainer.wk4"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.link);
        ASSERT_TRUE(writeFileAtomically(folder.file(r.link), r.file).ok);
        EXPECT_TRUE(fs::is_symlink(folder.file(r.link)));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder.file(r.file))));
        EXPECT_EQ(test::readBytes(folder.file(r.file)), r.file);
    }
    EXPECT_TRUE(fs::is_symlink(folder.file("second.wk4")));

    fs::create_symlink("loop-b", folder.file("loop-a"));
    fs::create_symlink("loop-a", folder.file("loop-b"));
    EXPECT_FALSE(writeFileAtomically(folder.file("loop-a"), "new").ok);
    EXPECT_TRUE(fs::is_symlink(folder.file("loop-a")));
    EXPECT_TRUE(fs::is_symlink(folder.file("loop-b")));
}

// Something that is not a regular file, made at a path; make is false where the system does not let
// the test make it (a device node needs the privilege to create one).
struct SpecialNode {
    std::string kind;
    std::function<bool(const std::string&)> make;
};

std::vector<SpecialNode> specialNodes()
{
    return {
        {"fifo", [](const std::string& p) { return ::mkfifo(p.c_str(), 0666) == 0; }},
        {"socket",
         [](const std::string& p) {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             p.copy(address.sun_path, sizeof address.sun_path - 1);
             const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
             ::close(fd);
             return bound;
         }},
        // A null device of the test's own, the kind of file a save as root must never replace.
        {"device", [](const std::string& p) { return ::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; }},
    };
}

// A read that waits on a FIFO ends the test program by the alarm instead of hanging it.
struct HangGuard {
    HangGuard() { ::alarm(10); }
    ~HangGuard() { ::alarm(0); }
};

bool mentions(const std::string& message, const std::string& part) { return message.find(part) != std::string::npos; }

TEST(NonRegularFile, EveryReaderRefusesItAtOnceNamingIt)
{
    test::TempFolder folder;
    HangGuard guard;
    for (const SpecialNode& node : specialNodes()) {
        SCOPED_TRACE(node.kind);
        const std::string path = folder.file(node.kind + ".wk4"), link = folder.file(node.kind + "-link.wk4");
        if (!node.make(path))
            continue;
        std::filesystem::create_symlink(path, link);
        for (const std::string& name : {path, link}) {
            const TextFileContent c = readTextFile(name);
            EXPECT_EQ(c.problem, ReadProblem::NotRegular);
            const AircraftFileReading aircraft = readAircraftFile(name, Language::English);
            EXPECT_EQ(aircraft.status, AircraftReadStatus::Refused);
            EXPECT_TRUE(mentions(aircraft.message, "\"" + name + "\"")) << aircraft.message;
            EXPECT_TRUE(mentions(aircraft.message, "not a regular file")) << aircraft.message;
            EXPECT_TRUE(mentions(readProblemMessage(Language::German, name, c), "keine reguläre Datei"));
            EXPECT_EQ(readSettingsFile(name, Language::English).problem, ReadProblem::NotRegular);
            EXPECT_EQ(readWingCopy(name, Language::English).problem, ReadProblem::NotRegular);
            EXPECT_FALSE(copyAvailable(name));
        }
    }
    test::writeBytes(folder.file("copy.fl4"), "0\r\n");
    EXPECT_TRUE(copyAvailable(folder.file("copy.fl4")));
}

TEST(NonRegularFile, ASaveOntoItIsRefusedAndLeavesItAsItWas)
{
    namespace fs = std::filesystem;
    EXPECT_TRUE(saveTargetProblem("/dev/null").notRegular);
    test::TempFolder folder;
    for (const SpecialNode& node : specialNodes()) {
        SCOPED_TRACE(node.kind);
        const std::string path = folder.file(node.kind + ".wk4"), link = folder.file(node.kind + "-link.wk4");
        if (!node.make(path))
            continue;
        fs::create_symlink(path, link);
        const fs::file_type type = fs::symlink_status(path).type();
        for (const std::string& name : {path, link}) {
            const WriteOutcome w = writeFileAtomically(name, "new");
            EXPECT_FALSE(w.ok);
            EXPECT_TRUE(w.notRegular);
            const SaveOutcome saved = saveAircraftFile(name, defaultAircraftTexts(), Aircraft{}, Language::English);
            EXPECT_FALSE(saved.ok);
            EXPECT_TRUE(mentions(saved.message, "\"" + name + "\": not a regular file")) << saved.message;
            EXPECT_EQ(fs::symlink_status(path).type(), type);
            EXPECT_TRUE(fs::is_symlink(link));
        }
    }
    // Nothing but the nodes and their links lies in the folder: no temporary file was left.
    for (const auto& e : fs::directory_iterator(folder.path()))
        EXPECT_FALSE(e.is_regular_file()) << e.path();
}

// Runs `save` in a child process as someone who may write `files` but not their folder: as the
// superuser, a child that becomes the unprivileged user "nobody"; otherwise the folder made
// read-only. The child's exit status; nullopt when the test cannot arrange it.
std::optional<int> withoutFolderPermission(const std::filesystem::path& folder, const std::vector<std::string>& files,
                                           const std::function<int()>& save)
{
    namespace fs = std::filesystem;
    constexpr uid_t nobody = 65534;
    const bool root = ::geteuid() == 0;
    if (root) {
        for (const std::string& file : files)
            if (::chown(file.c_str(), nobody, nobody) != 0)
                return std::nullopt;
        if (::chmod(folder.c_str(), 0755) != 0)
            return std::nullopt;
    } else {
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    const pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0 ||
                     ::access(folder.c_str(), X_OK) != 0))
            ::_exit(99);
        ::_exit(save());
    }
    int status = 0;
    const bool waited = child > 0 && ::waitpid(child, &status, 0) == child;
    if (!root)
        fs::permissions(folder, fs::perms::owner_all);
    if (!waited || !WIFEXITED(status) || WEXITSTATUS(status) == 99)
        return std::nullopt;
    return WEXITSTATUS(status);
}

TEST(AtomicSave, AFolderThatTakesNoNewFileStillSavesAWritableFileInPlace)
{
    test::TempFolder folder;
    const std::string path = folder.file("plane.wk4");
    test::writeBytes(path, "old contents, longer than the new");
    const auto inode = [&path] {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_ino;
    };
    const ino_t before = inode();
    const std::optional<int> failed =
        withoutFolderPermission(folder.path(), {path}, [&] { return writeFileAtomically(path, "new").ok ? 0 : 1; });
    if (!failed)
        GTEST_SKIP() << "cannot take away the write permission of the test folder here";
    EXPECT_EQ(*failed, 0);
    EXPECT_EQ(test::readBytes(path), "new");
    EXPECT_EQ(inode(), before); // written in place
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder.path()))
        entries += e.exists();
    EXPECT_EQ(entries, 1);
    // Where the folder takes a temporary file, the save still goes through it and a rename.
    ASSERT_TRUE(writeFileAtomically(path, "newer").ok);
    EXPECT_EQ(test::readBytes(path), "newer");
    EXPECT_NE(inode(), before);
}

// A rewrite in place that the disk has no room for (a file size limit stands for the full disk) is
// refused before the file is touched, and the message says the file was kept; of two outputs staged
// together, neither is replaced when the second has no room.
TEST(AtomicSave, ARewriteInPlaceWithoutRoomLeavesEveryFileAsItWas)
{
    test::TempFolder folder;
    const std::string plane = folder.file("plane.wk4"), pdf = folder.file("plane.pdf");
    const std::string oldPlane = "the old aircraft, which must survive", oldPdf = "the old page";
    test::writeBytes(plane, oldPlane);
    test::writeBytes(pdf, oldPdf);
    const std::string large(4096, 'n');
    const std::optional<int> status = withoutFolderPermission(folder.path(), {plane, pdf}, [&] {
        const rlimit limit{1024, 1024};
        if (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 99;
        const WriteOutcome alone = writeFileAtomically(plane, large);
        const std::string message = saveFailureMessage(Language::English, plane, alone);
        if (alone.ok || alone.reason != "File too large" || !mentions(message, "was left as it was"))
            return 1;
        StagedFiles outputs;
        const bool staged = outputs.stage(pdf, "a new page").ok && outputs.stage(plane, large).ok;
        return staged && outputs.commit().written.ok ? 2 : 0;
    });
    if (!status)
        GTEST_SKIP() << "cannot take away the write permission of the test folder here";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(test::readBytes(plane), oldPlane);
    EXPECT_EQ(test::readBytes(pdf), oldPdf);
}

// A process id that surely belongs to no process: a child that has ended and been waited for.
pid_t endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST(AtomicSave, RemovesOnlyTheLeftoversOfEndedSavesOfTheSameFile)
{
    test::TempFolder folder;
    const std::string dead = std::to_string(endedProcess()), self = std::to_string(::getpid());
    const struct {
        std::string name;
        bool removed;
    } cases[] = {
        {".plane.wk4." + dead + "-0.tmp", true},
        {".plane.wk4." + dead + "-417.tmp", true},
        {".plane.wk4." + self + "-3.tmp", false},    // this process may be saving it right now
        {".plane.wk4.1-0.tmp", false},               // a process that runs
        {".plane.wk4.0-0.tmp", false},               // no process at all
        {".plane.wk4." + dead + ".tmp", false},      // not the pattern: no counter
        {".plane.wk4." + dead + "-x.tmp", false},
        {".plane.wk4." + dead + "-0.tmp.bak", false},
        {".plane.wk4.-" + dead + "-0.tmp", false},
        {"plane.wk4." + dead + "-0.tmp", false},     // not hidden
        {".glider.wk4." + dead + "-0.tmp", false},   // another file's
        {".plane.wk4.bak." + dead + "-0.tmp", false},
    };
    for (const auto& c : cases)
        test::writeBytes(folder.file(c.name), "left over");
    ASSERT_TRUE(writeFileAtomically(folder.file("plane.wk4"), "new").ok);
    for (const auto& c : cases)
        EXPECT_EQ(std::filesystem::exists(folder.file(c.name)), !c.removed) << c.name;
}

} // namespace
} // namespace ab
