// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the program's small text files as byte streams: a bounded whole-file read that
// refuses what is not a plain text file, a line cursor over CR LF lines, and a save that never leaves
// a half-written file behind and never replaces a device, a FIFO or anything else that is not a file.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace ab {

// No aircraft, copy or settings file comes near this; anything larger is refused unread.
inline constexpr std::size_t MaxTextFileBytes = std::size_t{16} << 20;

enum class ReadProblem {
    None,
    CannotOpen, // the file does not exist or may not be opened; `reason` says which
    ReadError,  // the system reported an error after the file was opened
    TooLarge,   // more than MaxTextFileBytes
    NotText,    // holds a NUL byte
    NotRegular, // a FIFO, a device or a socket: refused unread, without waiting for a writer
};

struct TextFileContent {
    ReadProblem problem = ReadProblem::None;
    std::string reason; // the system's reason for CannotOpen and ReadError
    std::size_t problemLine = 0; // NotText: the line holding the first NUL byte, 1-based
    std::string bytes;
    bool ok() const { return problem == ReadProblem::None; }
};

// Reads the whole file, at most MaxTextFileBytes, and checks that it is text. Returns at once for
// anything that is not a regular file.
TextFileContent readTextFile(const std::string& path);

// True when path is a regular file that may be opened for reading; never waits on a FIFO.
bool canReadRegularFile(const std::string& path);

// A value of a line without the blanks and tabs around it.
inline std::string_view withoutBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// Hands out the lines of a text one at a time. A line ends at CR LF, LF or a lone CR; the end of
// the text after a line end does not start another line, but an empty text reads as one empty line
// when it is read at all.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    // The next line without its line end; an empty view at the end of the text.
    std::string_view next();

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The outcome of a save; on failure the system's reason, for a message that names the file.
struct WriteOutcome {
    bool ok = true;
    bool notRegular = false; // something other than a regular file stands at the path
    std::string reason;      // the system's reason, e.g. "No space left on device"
    bool brokeOff = false;   // a rewrite in place failed midway: the file may hold part of the new bytes
};

// Whether a save to path is refused before anything is written: a folder, something that is not a
// regular file (a device, a FIFO), or a file that may not be written. ok when it may be tried.
WriteOutcome saveTargetProblem(const std::string& path);

// Writes bytes to a temporary file beside `path`, flushes it to the disk and renames it over `path`.
// On any failure the temporary file is removed and whatever stood at `path` before is untouched; what
// saveTargetProblem refuses is left alone. A symbolic link is saved through: the file it leads to is
// replaced, or made when it does not exist yet, and the link kept. A file replaced keeps its owner,
// group and permissions as far as the process may give them. Where the folder takes no new file but
// the file itself may be written, the file is rewritten in place instead, once the disk has given it
// the room for the new bytes; without that room the save is refused and the file left as it was.
// Temporary files of earlier saves of the same file whose process has died are removed. The same as
// prepareSave, then commitSave.
WriteOutcome writeFileAtomically(const std::string& path, std::string_view bytes);

// How the writer of a file puts its bytes on the disk: writeFileAtomically for a file of its own, or
// a stage of several files that are replaced together (StagedFiles).
using FileWriter = std::function<WriteOutcome(const std::string& path, std::string_view bytes)>;

// A save written in full beside its target, or with its room secured in the target, and not yet put
// in its place.
struct PreparedSave {
    std::string target;       // the file to be replaced: the path, or the file its links lead to
    std::string temporary;    // the temporary file holding the new bytes
    bool inPlace = false;     // the folder takes no new file: the target is rewritten when committed
    std::string inPlaceBytes; // the bytes of that rewrite
    int inPlaceFile = -1;     // the target, open for writing, with the room for those bytes reserved
    long long keptSize = 0;   // the target's size when the room was reserved
};

// The first half of writeFileAtomically: refuses what it refuses, and writes and flushes the
// temporary file (with the old file's owner, group and permissions), or, where the folder takes no
// new file, reserves the room for the new bytes in the target itself; the target's contents are not
// touched. On failure nothing is left behind.
WriteOutcome prepareSave(const std::string& path, std::string_view bytes, PreparedSave& save);

// The second half: renames the temporary file over the target (or rewrites the target in place).
// On failure the temporary file is removed and the target is as it was, except after a rewrite in
// place that broke off midway, which the outcome says (brokeOff).
WriteOutcome commitSave(const PreparedSave& save);

// Removes the temporary file, or gives back the room reserved, of a save that is not to be committed.
void discardSave(const PreparedSave& save);

} // namespace ab
