// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/staged_files.h"

#include <algorithm>

namespace ab {

StagedFiles::~StagedFiles()
{
    for (const Entry& e : staged_)
        discardSave(e.save);
}

WriteOutcome StagedFiles::stage(const std::string& path, std::string_view bytes)
{
    Entry e{.path = path, .save = {}};
    const WriteOutcome prepared = prepareSave(path, bytes, e.save);
    if (prepared.ok)
        staged_.push_back(std::move(e));
    return prepared;
}

FileWriter StagedFiles::writer()
{
    return [this](const std::string& path, std::string_view bytes) { return stage(path, bytes); };
}

StagedFiles::CommitOutcome StagedFiles::commit()
{
    // A rewrite in place writes into room reserved for it, yet the disk can still fail it midway;
    // done first, such a failure still leaves every other file as it was.
    std::stable_partition(staged_.begin(), staged_.end(), [](const Entry& e) { return e.save.inPlace; });
    CommitOutcome out;
    for (const Entry& e : staged_) {
        if (!out.written.ok) {
            discardSave(e.save);
            continue;
        }
        out.written = commitSave(e.save);
        if (!out.written.ok)
            out.path = e.path;
        else
            out.replaced.push_back(e.path);
    }
    staged_.clear();
    if (out.written.ok)
        out.replaced.clear();
    return out;
}

} // namespace ab
