// Parsing of the songs' melody and chord notation.
#include "score_notation.h"

#include <sstream>

namespace {

int PitchClass(char letter)
{
    switch (letter) {
    case 'c': return 0;
    case 'd': return 2;
    case 'e': return 4;
    case 'f': return 5;
    case 'g': return 7;
    case 'a': return 9;
    case 'b': return 11;
    default: throw ScoreError(std::string("unknown note letter ") + letter);
    }
}

std::vector<std::string> Bars(const std::string& text)
{
    std::vector<std::string> bars;
    std::string bar;
    std::istringstream in(text);
    while (std::getline(in, bar, '|'))
        bars.push_back(bar);
    return bars;
}

std::vector<std::string> Words(const std::string& text)
{
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string w; in >> w;)
        words.push_back(w);
    return words;
}

std::vector<int> Quality(const std::string& suffix)
{
    if (suffix.empty())
        return {0, 4, 7};
    if (suffix == "m")
        return {0, 3, 7};
    if (suffix == "7")
        return {0, 4, 7, 10};
    if (suffix == "m7")
        return {0, 3, 7, 10};
    if (suffix == "maj7")
        return {0, 4, 7, 11};
    if (suffix == "sus4")
        return {0, 5, 7};
    if (suffix == "dim")
        return {0, 3, 6};
    throw ScoreError("unknown chord quality " + suffix);
}

} // namespace

int ScoreNotation::Key(const std::string& name)
{
    if (name == "r")
        return -1;
    if (name.size() < 2)
        throw ScoreError("bad note " + name);
    int pc = PitchClass(name[0]);
    std::size_t at = 1;
    if (name[at] == '#') {
        ++pc;
        ++at;
    } else if (name[at] == 'b' && at + 1 < name.size()) {
        --pc;
        ++at;
    }
    const int octave = std::stoi(name.substr(at));
    return 12 * (octave + 1) + pc;
}

std::vector<ScoreNotation::MelodyNote> ScoreNotation::Melody(const std::string& text, int beatsPerBar)
{
    std::vector<MelodyNote> notes;
    const int barLength = beatsPerBar * 4;
    int barStart = 0;
    for (const std::string& bar : Bars(text)) {
        int at = barStart;
        for (const std::string& token : Words(bar)) {
            const std::size_t colon = token.find(':');
            if (colon == std::string::npos)
                throw ScoreError("note without length: " + token);
            const double eighths = std::stod(token.substr(colon + 1));
            const int length = static_cast<int>(eighths * 2.0 + 0.5);
            notes.push_back({Key(token.substr(0, colon)), at, length});
            at += length;
        }
        if (at - barStart != barLength)
            throw ScoreError("bar of the wrong length: " + bar);
        barStart += barLength;
    }
    return notes;
}

std::vector<ScoreNotation::Chord> ScoreNotation::Chords(const std::string& text, int beatsPerBar)
{
    std::vector<Chord> chords;
    const int barLength = beatsPerBar * 4;
    int barStart = 0;
    for (const std::string& bar : Bars(text)) {
        const std::vector<std::string> symbols = Words(bar);
        if (symbols.empty() || barLength % static_cast<int>(symbols.size()) != 0)
            throw ScoreError("bar cannot share its chords evenly: " + bar);
        const int length = barLength / static_cast<int>(symbols.size());
        int at = barStart;
        for (const std::string& symbol : symbols) {
            std::string lower = symbol;
            lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
            int root = PitchClass(lower[0]);
            std::size_t rest = 1;
            if (rest < symbol.size() && (symbol[rest] == '#' || symbol[rest] == 'b')) {
                root += symbol[rest] == '#' ? 1 : -1;
                ++rest;
            }
            chords.push_back({(root + 12) % 12, Quality(symbol.substr(rest)), at, length});
            at += length;
        }
        barStart += barLength;
    }
    return chords;
}

int ScoreNotation::BarCount(const std::string& text)
{
    return static_cast<int>(Bars(text).size());
}
