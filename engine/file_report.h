// What the game tells the player about one of its files, as a form of words with values, for the program to word.
#pragma once

#include <string>
#include <vector>

// Mark a text of the game's own that the program words in the player's
// language: lupdate reads them as QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP
// (a text with a count, %n), and here each is the English text itself.
#define PLAYER_TEXT(context, text) text
#define PLAYER_COUNT_TEXT(context, text) text

// A text of the game's own (marked with PLAYER_TEXT in the "FileReport"
// context) with values standing for its %1, %2..., or, when not own, words
// said as they are: a file's path, the system's reason.
struct ReportWords {
    std::string text;
    std::vector<std::string> values;
    bool own = true;

    bool operator==(const ReportWords&) const = default;
};

ReportWords OwnWords(const char* text, std::vector<std::string> values = {});
ReportWords WordsAsTheyAre(std::string words);

// One line for the player: form (a text of the game's own, "FileReport"
// context) with %1, %2... standing for values in order, and %n for count
// when there is one (the form then marked with PLAYER_COUNT_TEXT, English
// choosing between its singular and plural forms). No form: nothing to say.
struct FileReport {
    const char* form = nullptr;
    std::vector<ReportWords> values;
    int count = -1;

    bool Empty() const { return form == nullptr; }
};

// The words, and the whole line, in English.
std::string EnglishWords(const ReportWords& words);
std::string EnglishLine(const FileReport& report);
