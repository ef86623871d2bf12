// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_messages.h"

#include "lang/system_reasons.h"

namespace ab {
namespace {

void replaceAll(std::string& s, std::string_view key, const std::string& by)
{
    for (std::size_t at = s.find(key); at != std::string::npos; at = s.find(key, at + by.size()))
        s.replace(at, key.size(), by);
}

} // namespace

std::string fileMessage(Language language, const Text3& text, const std::string& file,
                        const MessageFields& fields)
{
    std::string s(text.in(language));
    // The file name and the system's reason go in last, so braces inside them are never taken for
    // placeholders.
    replaceAll(s, "{value}", fields.value);
    replaceAll(s, "{line}", fields.line);
    replaceAll(s, "{reason}", systemReasonIn(language, fields.reason));
    replaceAll(s, "{file}", file);
    return s;
}

std::string readProblemMessage(Language language, const std::string& file, const TextFileContent& content)
{
    switch (content.problem) {
    case ReadProblem::None: return {};
    case ReadProblem::CannotOpen: return fileMessage(language, texts::FileCannotOpen, file, {.reason = content.reason});
    case ReadProblem::ReadError: return fileMessage(language, texts::FileReadError, file, {.reason = content.reason});
    case ReadProblem::TooLarge: return fileMessage(language, texts::FileTooLarge, file);
    case ReadProblem::NotText: return fileMessage(language, texts::FileNotText, file, {.line = std::to_string(content.problemLine)});
    case ReadProblem::NotRegular: return fileMessage(language, texts::FileNotRegular, file);
    }
    return {};
}

std::optional<std::string> readOrRefuse(const std::string& fileName, Language language, ReadRefusal& refusal)
{
    TextFileContent content = readTextFile(fileName);
    if (!content.ok()) {
        refusal.problem = content.problem;
        refusal.message = readProblemMessage(language, fileName, content);
        return std::nullopt;
    }
    return std::move(content.bytes);
}

std::string saveFailureMessage(Language language, const std::string& file, const WriteOutcome& outcome)
{
    const std::string reason(outcome.notRegular ? texts::NotRegularReason.in(language) : outcome.reason);
    return fileMessage(language, outcome.brokeOff ? texts::FileSaveBrokeOff : texts::FileCannotSave, file,
                       {.reason = reason});
}

} // namespace ab
