// SPDX-License-Identifier: GPL-3.0-or-later
// The one-line messages of the file commands, in the chosen language, each naming the file and the
// reason it was not read or not written.
#pragma once

#include "files/text_file.h"
#include "lang/language.h"

#include <optional>
#include <string>

namespace ab {

// What a file message may say besides the file name.
struct MessageFields {
    std::string reason{}; // "{reason}": the system's reason
    std::string value{};  // "{value}": a number read from the file
    std::string line{};   // "{line}": the line of the file it concerns
};

// Fills "{file}" and the other fields of a file message.
std::string fileMessage(Language language, const Text3& text, const std::string& file,
                        const MessageFields& fields = {});

// Why a file read was refused; empty when it was not.
std::string readProblemMessage(Language language, const std::string& file, const TextFileContent& content);

// The outcome of reading one of the program's small files, as far as it was read at all.
struct ReadRefusal {
    ReadProblem problem = ReadProblem::None;
    std::string message; // names the file and the reason when it was not read
    bool ok() const { return problem == ReadProblem::None; }
};

// The whole text of a small file; nothing when it was refused, with the problem and the message
// naming the file set in `refusal`.
std::optional<std::string> readOrRefuse(const std::string& fileName, Language language, ReadRefusal& refusal);

// Why a save failed, and whether the file on the disk was left as it was.
std::string saveFailureMessage(Language language, const std::string& file, const WriteOutcome& outcome);

} // namespace ab
