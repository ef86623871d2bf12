// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/text_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#define AB_POSIX_FILES 1
#endif

namespace ab {
namespace {

namespace fs = std::filesystem;

constexpr const char* NotRegularReason = "not a regular file";

std::string systemReason(int error) { return std::generic_category().message(error); }

WriteOutcome failure(int error)
{
    return {.ok = false, .notRegular = false, .reason = systemReason(error)};
}

WriteOutcome notRegularFailure() { return {.ok = false, .notRegular = true, .reason = NotRegularReason}; }

// Refuses what was read when it is too large or not text; the bytes go with a refusal.
void checkText(TextFileContent& out)
{
    if (out.bytes.size() > MaxTextFileBytes) {
        out.problem = ReadProblem::TooLarge;
    } else if (const std::size_t nul = out.bytes.find('\0'); nul != std::string::npos) {
        out.problem = ReadProblem::NotText;
        out.problemLine = 1 + static_cast<std::size_t>(std::count(out.bytes.begin(), out.bytes.begin() +
                                                                   static_cast<std::ptrdiff_t>(nul), '\n'));
    }
}

// A save through a symbolic link replaces the file the link leads to, or makes it when it does not
// exist yet; the link stays a link. The links are followed one at a time, a relative one from the
// folder it lies in, so a link to a file not yet made is written through as well. A loop of links
// is left as a link, which the save then refuses.
fs::path saveTarget(const std::string& path)
{
    constexpr int MaxLinks = 40; // as many as the system follows in one path
    std::error_code ec;
    fs::path target(path);
    for (int hops = 0; hops < MaxLinks && fs::is_symlink(target, ec); ++hops) {
        const fs::path next = fs::read_symlink(target, ec);
        if (ec)
            break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

} // namespace

std::string_view LineReader::next()
{
    if (atEnd())
        return {};
    const std::size_t start = pos_;
    std::size_t end = text_.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
        pos_ = text_.size();
        return text_.substr(start);
    }
    pos_ = end + 1;
    if (text_[end] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
    return text_.substr(start, end - start);
}

#ifdef AB_POSIX_FILES

namespace {

// Opens path for reading only when it is a regular file. The open does not wait (a FIFO without a
// writer would block for ever), and the type is taken from the opened descriptor, so nothing can be
// swapped in between the check and the read. Returns the descriptor, or -1 with the problem set.
int openRegularFile(const std::string& path, TextFileContent& out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        // A socket, for one, does not open at all ("No such device or address"): say what it is.
        struct stat st {};
        const bool special = ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
        out.problem = special ? ReadProblem::NotRegular : ReadProblem::CannotOpen;
        out.reason = special ? NotRegularReason : systemReason(error);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        out.problem = ReadProblem::ReadError;
        out.reason = systemReason(errno);
    } else if (S_ISDIR(st.st_mode)) {
        out.problem = ReadProblem::CannotOpen;
        out.reason = systemReason(EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        out.problem = ReadProblem::NotRegular;
        out.reason = NotRegularReason;
    } else if (const int flags = ::fcntl(fd, F_GETFL); flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        out.problem = ReadProblem::ReadError;
        out.reason = systemReason(errno);
    }
    if (out.ok())
        return fd;
    ::close(fd);
    return -1;
}

// Reads up to one byte past the limit, so a huge file costs no more than the limit.
int readBounded(int fd, std::string& bytes)
{
    char chunk[1 << 16];
    while (bytes.size() <= MaxTextFileBytes) {
        const std::size_t want = std::min(sizeof chunk, MaxTextFileBytes + 1 - bytes.size());
        const ssize_t got = ::read(fd, chunk, want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return 0;
}

// Writes all bytes, continuing after short writes and interruptions.
bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The process id in the name of a temporary file of a save of the file whose name starts with
// `base`: exactly "." + base + "." + PID + "-" + N + ".tmp", digits only.
std::optional<pid_t> temporaryFileOwner(std::string_view name, const std::string& base)
{
    const std::string prefix = "." + base + ".";
    constexpr std::string_view suffix = ".tmp";
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
        return std::nullopt;
    const std::string_view middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    const std::size_t dash = middle.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const std::string_view pid = middle.substr(0, dash), counter = middle.substr(dash + 1);
    const auto digitsOnly = [](std::string_view s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digitsOnly(pid) || !digitsOnly(counter))
        return std::nullopt;
    long value = 0;
    const auto [end, ec] = std::from_chars(pid.data(), pid.data() + pid.size(), value);
    if (ec != std::errc() || end != pid.data() + pid.size() || value <= 0 || value > INT_MAX)
        return std::nullopt;
    return static_cast<pid_t>(value);
}

// Removes the temporary files that saves of the same file left when their process was killed
// midway. A file whose process still runs (or may run: one we may not signal) may be a save in
// progress and stays, as do this process's own, which another thread may be writing.
void removeLeftovers(const fs::path& folder, const std::string& base)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::optional<pid_t> owner = temporaryFileOwner(it->path().filename().native(), base);
        if (!owner || *owner == ::getpid())
            continue;
        if (::kill(*owner, 0) == -1 && errno == ESRCH) {
            std::error_code typeError;
            if (it->symlink_status(typeError).type() == fs::file_type::regular)
                (void)::unlink(it->path().c_str());
        }
    }
}

// Creates a new hidden temporary file beside the target; -1 with errno set when none can be made.
int createTemporary(const fs::path& folder, const std::string& base, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const std::string name =
            "." + base + "." + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
        temp = (folder / name).string();
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    return fd;
}

// Secures the room for `size` bytes in the open file fd without changing what it holds: the blocks
// are reserved beyond its end, its length stays. A file system that reserves no blocks that way gets
// them through posix_fallocate, which lengthens the file; a failure then takes the length back, so
// nothing the file held is lost. 0, or the system's error.
int reserveRoom(int fd, std::size_t size, off_t keptSize)
{
    if (size == 0)
        return 0;
    if (size > static_cast<std::size_t>(std::numeric_limits<off_t>::max()))
        return EFBIG;
    // Room kept beyond the end is not checked against the process's file size limit: do it here.
    if (rlimit limit{}; ::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
                        size > limit.rlim_cur)
        return EFBIG;
#ifdef __linux__
    int error = 0;
    do
        error = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0 ? 0 : errno;
    while (error == EINTR);
    if (error != EOPNOTSUPP && error != ENOSYS)
        return error;
#endif
#if defined(__linux__) || (defined(_POSIX_ADVISORY_INFO) && _POSIX_ADVISORY_INFO > 0)
    const int failed = ::posix_fallocate(fd, 0, static_cast<off_t>(size));
    if (failed != 0) {
        struct stat st {};
        if (::fstat(fd, &st) == 0 && st.st_size > keptSize)
            (void)::ftruncate(fd, keptSize);
    }
    return failed;
#else
    (void)fd;
    (void)keptSize;
    return ENOTSUP; // no way to secure the room: the file is not put at risk
#endif
}

// Opens the target for a rewrite in place, for a folder that takes no temporary file beside it, and
// reserves the room for the new bytes in it before anything is written, so that a full disk or a
// file size limit refuses the save instead of leaving the file cut.
WriteOutcome reserveInPlace(const fs::path& target, std::string_view bytes, PreparedSave& save)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failure(errno);
    // The file opened must still be the regular file that was checked before.
    struct stat st {};
    int error = 0;
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return notRegularFailure();
    } else if (const int flags = ::fcntl(fd, F_GETFL); flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
        error = errno;
    } else {
        error = reserveRoom(fd, bytes.size(), st.st_size);
    }
    if (error != 0) {
        ::close(fd);
        return failure(error);
    }
    save.inPlace = true;
    save.inPlaceBytes = bytes;
    save.inPlaceFile = fd;
    save.keptSize = st.st_size;
    return {};
}

// Writes the new bytes over the old ones from the start, in the room reserved, and only then cuts
// what is left of the old file beyond them.
WriteOutcome rewriteInPlace(const PreparedSave& save)
{
    const int fd = save.inPlaceFile;
    std::string_view rest = save.inPlaceBytes;
    int error = 0;
    for (off_t at = 0; !rest.empty();) {
        const ssize_t n = ::pwrite(fd, rest.data(), rest.size(), at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        rest.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    // Whether the file no longer holds what it held: from here on a failure leaves it changed.
    bool changed = rest.size() < save.inPlaceBytes.size();
    if (error == 0) {
        changed = changed || static_cast<long long>(save.inPlaceBytes.size()) != save.keptSize;
        if (::ftruncate(fd, static_cast<off_t>(save.inPlaceBytes.size())) != 0 || ::fsync(fd) != 0)
            error = errno;
    }
    if (error != 0 && !changed) {
        // Nothing written: a length the room was reserved with goes back.
        struct stat st {};
        if (::fstat(fd, &st) == 0 && st.st_size > save.keptSize)
            (void)::ftruncate(fd, save.keptSize);
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0)
        return {};
    WriteOutcome out = failure(error);
    out.brokeOff = changed;
    return out;
}

// What saveTargetProblem says of the resolved target; `old` is its status when it exists.
WriteOutcome targetProblem(const fs::path& target, bool& exists, struct stat& old)
{
    exists = ::stat(target.c_str(), &old) == 0;
    if (!exists)
        return errno == ENOENT ? WriteOutcome{} : failure(errno); // e.g. a loop of symbolic links
    if (S_ISDIR(old.st_mode))
        return failure(EISDIR);
    if (!S_ISREG(old.st_mode))
        return notRegularFailure();
    // A file that may not be written, or that carries no write permission at all (marked read-only,
    // which even the superuser is not to replace unasked), keeps its contents.
    if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return failure(EACCES);
    return {};
}

// Gives the temporary file the owner, group and permissions of the file it replaces. Only the
// superuser may give a file away; another user's save keeps the group where the user belongs to it.
// A group that cannot be kept is given no more than everybody else, and an owner or group that
// cannot be kept takes no set-id bit along.
void keepOwnerAndMode(int fd, const struct stat& old)
{
    mode_t mode = old.st_mode & 07777;
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        mode &= ~mode_t{S_ISUID | S_ISGID};
        if (::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0)
            mode = (mode & ~mode_t{S_IRWXG}) | ((mode & S_IRWXO) << 3);
    }
    (void)::fchmod(fd, mode);
}

// Makes a rename in the folder durable.
void syncFolder(const fs::path& folder)
{
    const std::string folderName = folder.empty() ? std::string(".") : folder.string();
    const int dir = ::open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
}

} // namespace

TextFileContent readTextFile(const std::string& path)
{
    TextFileContent out;
    const int fd = openRegularFile(path, out);
    if (fd < 0)
        return out;
    if (const int error = readBounded(fd, out.bytes); error != 0) {
        out.problem = ReadProblem::ReadError;
        out.reason = systemReason(error);
    } else {
        checkText(out);
    }
    ::close(fd);
    if (!out.ok())
        out.bytes.clear();
    return out;
}

bool canReadRegularFile(const std::string& path)
{
    TextFileContent probe;
    const int fd = openRegularFile(path, probe);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

WriteOutcome saveTargetProblem(const std::string& path)
{
    bool exists = false;
    struct stat old {};
    return targetProblem(saveTarget(path), exists, old);
}

WriteOutcome prepareSave(const std::string& path, std::string_view bytes, PreparedSave& save)
{
    const fs::path target = saveTarget(path);
    save = PreparedSave{};
    save.target = target.string();
    bool exists = false;
    struct stat old {};
    if (WriteOutcome refused = targetProblem(target, exists, old); !refused.ok)
        return refused;

    // The temporary file lies in the target's folder, so the rename stays on one file system. Only
    // the start of a long name goes into the temporary one, so that a name as long as the folder
    // allows can still be saved.
    const fs::path folder = target.parent_path();
    const std::string base = target.filename().string().substr(0, 100);
    removeLeftovers(folder, base);
    std::string temp;
    const int fd = createTemporary(folder, base, temp);
    if (fd < 0) {
        const int error = errno;
        // A folder the user may not write can still hold a file the user may write. Only a refused
        // permission leads there, and only once the room for the new bytes is secured in the file.
        if (exists && (error == EACCES || error == EPERM))
            return reserveInPlace(target, bytes, save);
        return failure(error);
    }

    if (exists)
        keepOwnerAndMode(fd, old);

    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return failure(error);
    }
    save.temporary = temp;
    return {};
}

WriteOutcome commitSave(const PreparedSave& save)
{
    if (save.inPlace)
        return rewriteInPlace(save);
    if (::rename(save.temporary.c_str(), save.target.c_str()) != 0) {
        const int error = errno;
        ::unlink(save.temporary.c_str());
        return failure(error);
    }
    syncFolder(fs::path(save.target).parent_path());
    return {};
}

void discardSave(const PreparedSave& save)
{
    if (!save.temporary.empty())
        (void)::unlink(save.temporary.c_str());
    if (save.inPlaceFile >= 0) {
        // The room reserved goes back; a file lengthened for it gets its length back.
        struct stat st {};
        if (::fstat(save.inPlaceFile, &st) == 0 && st.st_size >= save.keptSize)
            (void)::ftruncate(save.inPlaceFile, save.keptSize);
        ::close(save.inPlaceFile);
    }
}

#else

TextFileContent readTextFile(const std::string& path)
{
    TextFileContent out;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        out.problem = ReadProblem::CannotOpen;
        out.reason = systemReason(EISDIR);
        return out;
    }
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) {
        out.problem = ReadProblem::NotRegular;
        out.reason = NotRegularReason;
        return out;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        out.problem = ReadProblem::CannotOpen;
        out.reason = systemReason(errno);
        return out;
    }
    char chunk[1 << 16];
    while (out.bytes.size() <= MaxTextFileBytes) {
        const std::size_t want = std::min(sizeof chunk, MaxTextFileBytes + 1 - out.bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, f);
        out.bytes.append(chunk, got);
        if (got < want)
            break;
    }
    if (std::ferror(f)) {
        out.problem = ReadProblem::ReadError;
        out.reason = systemReason(errno ? errno : EIO);
    } else {
        checkText(out);
    }
    std::fclose(f);
    if (!out.ok())
        out.bytes.clear();
    return out;
}

bool canReadRegularFile(const std::string& path)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::fclose(f);
    return true;
}

WriteOutcome saveTargetProblem(const std::string& path)
{
    std::error_code ec;
    const fs::path target = saveTarget(path);
    if (!fs::exists(target, ec))
        return {};
    if (fs::is_directory(target, ec))
        return failure(EISDIR);
    if (!fs::is_regular_file(target, ec))
        return notRegularFailure();
    return {};
}

WriteOutcome prepareSave(const std::string& path, std::string_view bytes, PreparedSave& save)
{
    save = PreparedSave{};
    save.target = saveTarget(path).string();
    if (WriteOutcome refused = saveTargetProblem(path); !refused.ok)
        return refused;
    const std::string temp = save.target + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return failure(errno);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int error = written ? 0 : errno;
    if (std::fclose(f) != 0 && error == 0)
        error = errno ? errno : EIO;
    if (!written && error == 0)
        error = EIO;
    if (error != 0) {
        std::error_code ec;
        fs::remove(temp, ec);
        return failure(error);
    }
    save.temporary = temp;
    return {};
}

WriteOutcome commitSave(const PreparedSave& save)
{
    std::error_code ec;
    fs::rename(save.temporary, save.target, ec);
    if (!ec)
        return {};
    const std::string reason = ec.message();
    fs::remove(save.temporary, ec);
    return {.ok = false, .notRegular = false, .reason = reason};
}

void discardSave(const PreparedSave& save)
{
    std::error_code ec;
    if (!save.temporary.empty())
        fs::remove(save.temporary, ec);
}

#endif

WriteOutcome writeFileAtomically(const std::string& path, std::string_view bytes)
{
    PreparedSave save;
    if (WriteOutcome prepared = prepareSave(path, bytes, save); !prepared.ok)
        return prepared;
    return commitSave(save);
}

} // namespace ab
