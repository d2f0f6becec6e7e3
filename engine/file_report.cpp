// Reports about the game's files, put into English words.
#include "engine/file_report.h"

#include <utility>

namespace {

// text with each %N replaced by the Nth of values, in one pass, so that a
// value holding "%1" (a folder's name) stays as it is.
std::string Fill(const std::string& text, const std::vector<std::string>& values)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9'
            && static_cast<std::size_t>(next - '1') < values.size()) {
            filled += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace

ReportWords OwnWords(const char* text, std::vector<std::string> values)
{
    return {text, std::move(values), true};
}

ReportWords WordsAsTheyAre(std::string words)
{
    return {std::move(words), {}, false};
}

std::string EnglishWords(const ReportWords& words)
{
    return words.own ? Fill(words.text, words.values) : words.text;
}

std::string EnglishLine(const FileReport& report)
{
    if (report.Empty()) {
        return {};
    }
    std::vector<std::string> values;
    for (const ReportWords& words : report.values) {
        values.push_back(EnglishWords(words));
    }
    std::string form = report.form;
    if (const auto at = form.find("%n"); report.count >= 0 && at != std::string::npos) {
        form.replace(at, 2, std::to_string(report.count));
    }
    return Fill(form, values);
}
