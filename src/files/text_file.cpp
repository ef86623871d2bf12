#include "files/text_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define AB_POSIX_FILES 1
#endif

namespace ab {
namespace {

std::string systemReason(int error) { return std::generic_category().message(error); }

} // namespace

TextFileContent readTextFile(const std::string& path)
{
    TextFileContent out;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        out.problem = ReadProblem::CannotOpen;
        out.reason = systemReason(EISDIR);
        return out;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        out.problem = ReadProblem::CannotOpen;
        out.reason = systemReason(errno);
        return out;
    }
    // Read in chunks up to one byte past the limit, so a huge file costs no more than the limit.
    char chunk[1 << 16];
    while (out.bytes.size() <= MaxTextFileBytes) {
        const std::size_t want = std::min(sizeof chunk, MaxTextFileBytes + 1 - out.bytes.size());
        const std::size_t got = std::fread(chunk, 1, want, f);
        out.bytes.append(chunk, got);
        if (got < want)
            break;
    }
    if (std::ferror(f)) {
        const int error = errno;
        out.problem = ReadProblem::ReadError;
        out.reason = systemReason(error ? error : EIO);
    } else if (out.bytes.size() > MaxTextFileBytes) {
        out.problem = ReadProblem::TooLarge;
    } else if (const std::size_t nul = out.bytes.find('\0'); nul != std::string::npos) {
        out.problem = ReadProblem::NotText;
        out.problemLine = 1 + static_cast<std::size_t>(std::count(out.bytes.begin(), out.bytes.begin() +
                                                                   static_cast<std::ptrdiff_t>(nul), '\n'));
    }
    std::fclose(f);
    if (!out.ok())
        out.bytes.clear();
    return out;
}

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

} // namespace

WriteOutcome writeFileAtomically(const std::string& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    static std::atomic<unsigned> counter{0};
    WriteOutcome out;
    std::error_code ec;
    // A file reached through a symbolic link is replaced where it lies; the link stays a link.
    fs::path target(path);
    if (fs::is_symlink(target, ec))
        if (fs::path real = fs::weakly_canonical(target, ec); !ec)
            target = real;
    if (fs::is_directory(target, ec)) {
        out.ok = false;
        out.reason = systemReason(EISDIR);
        return out;
    }
    // A file that may not be written, or that carries no write permission at all (marked read-only,
    // which even the superuser is not to replace unasked), keeps its contents: writing it in place
    // would fail the same way.
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
        out.ok = false;
        out.reason = systemReason(EACCES);
        return out;
    }

    // The temporary file lies in the target's folder, so the rename stays on one file system.
    const fs::path folder = target.parent_path();
    // Only the start of a long name goes into the temporary one, so that a name as long as the
    // folder allows can still be saved.
    const std::string base = target.filename().string().substr(0, 100);
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const std::string name = "." + base + "." + std::to_string(::getpid()) + "-" +
                                 std::to_string(counter++) + ".tmp";
        temp = (folder / name).string();
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        out.ok = false;
        out.reason = systemReason(errno);
        return out;
    }

    // A file that already exists keeps its permissions.
    if (exists)
        (void)::fchmod(fd, old.st_mode & 07777);

    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        out.ok = false;
        out.reason = systemReason(error);
        return out;
    }
    // Make the rename itself durable.
    const std::string folderName = folder.empty() ? std::string(".") : folder.string();
    const int dir = ::open(folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return out;
}

#else

WriteOutcome writeFileAtomically(const std::string& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    WriteOutcome out;
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        out.ok = false;
        out.reason = systemReason(errno);
        return out;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    int error = written ? 0 : errno;
    if (std::fclose(f) != 0 && error == 0)
        error = errno ? errno : EIO;
    if (!written && error == 0)
        error = EIO;
    std::error_code ec;
    if (error == 0) {
        fs::rename(temp, path, ec);
        if (ec) {
            out.ok = false;
            out.reason = ec.message();
            fs::remove(temp, ec);
            return out;
        }
        return out;
    }
    fs::remove(temp, ec);
    out.ok = false;
    out.reason = systemReason(error);
    return out;
}

#endif

} // namespace ab
