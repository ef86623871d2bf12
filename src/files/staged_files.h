// SPDX-License-Identifier: GPL-3.0-or-later
// Several files replaced together: each is first written in full to its temporary file beside the
// file it replaces (or has the room for its new bytes reserved in that file, where its folder takes no
// new file), and the files are replaced only once every one of them is secured so, so a run that
// fails on one output leaves all of them as they were.
#pragma once

#include "files/text_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace ab {

class StagedFiles {
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;
    // Removes the temporary files of whatever was not committed.
    ~StagedFiles();

    // Writes bytes to a temporary file beside the file `path` names, or reserves their room in the
    // file, refusing what writeFileAtomically refuses; the file's contents stay as they are until
    // commit.
    WriteOutcome stage(const std::string& path, std::string_view bytes);

    // A writer for the functions that save through a FileWriter: it stages what they write.
    FileWriter writer();

    struct CommitOutcome {
        WriteOutcome written;              // ok, or why `path` could not be put in its place
        std::string path;                  // the file that failed, named as it was staged
        std::vector<std::string> replaced; // after a failure: the files already put in their place
    };
    // Puts every staged file in its place: rewrites in place first (a folder that takes no new
    // file), then the renames, which leave no file half-written. After a failure the files not yet
    // replaced stay as they were and their temporary files are removed.
    CommitOutcome commit();

private:
    struct Entry {
        std::string path;
        PreparedSave save;
    };
    std::vector<Entry> staged_;
};

} // namespace ab
