// The one-line messages of the file commands, in the chosen language, each naming the file and the
// reason it was not read or not written.
#pragma once

#include "files/text_file.h"
#include "lang/language.h"

#include <string>

namespace ab {

// Fills "{file}", "{reason}" and "{value}" of a file message.
std::string fileMessage(Language language, const Text3& text, const std::string& file,
                        const std::string& reason = {}, const std::string& value = {});

// Why a file read was refused; empty when it was not.
std::string readProblemMessage(Language language, const std::string& file, const TextFileContent& content);

// Why a save failed.
std::string saveFailureMessage(Language language, const std::string& file, const WriteOutcome& outcome);

} // namespace ab
