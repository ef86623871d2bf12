#include "files/file_messages.h"

namespace ab {
namespace {

void replaceAll(std::string& s, std::string_view key, const std::string& by)
{
    for (std::size_t at = s.find(key); at != std::string::npos; at = s.find(key, at + by.size()))
        s.replace(at, key.size(), by);
}

} // namespace

std::string fileMessage(Language language, const Text3& text, const std::string& file,
                        const std::string& reason, const std::string& value)
{
    std::string s(text.in(language));
    // The file name goes in last, so braces inside it are never taken for placeholders.
    replaceAll(s, "{reason}", reason);
    replaceAll(s, "{value}", value);
    replaceAll(s, "{file}", file);
    return s;
}

std::string readProblemMessage(Language language, const std::string& file, const TextFileContent& content)
{
    switch (content.problem) {
    case ReadProblem::None: return {};
    case ReadProblem::CannotOpen: return fileMessage(language, texts::FileCannotOpen, file, content.reason);
    case ReadProblem::ReadError: return fileMessage(language, texts::FileReadError, file, content.reason);
    case ReadProblem::TooLarge: return fileMessage(language, texts::FileTooLarge, file);
    case ReadProblem::NotText: return fileMessage(language, texts::FileNotText, file);
    }
    return {};
}

std::string saveFailureMessage(Language language, const std::string& file, const WriteOutcome& outcome)
{
    return fileMessage(language, texts::FileCannotSave, file, outcome.reason);
}

} // namespace ab
