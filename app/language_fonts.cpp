// Whether the installed fonts can draw a catalogue's translations, so a language without a font falls back to English.
#include "app/language_fonts.h"

#include <QFont>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QTextLayout>

#include <algorithm>
#include <set>

namespace {

// The compiled catalogue's layout: a 16-byte mark, then blocks of a tag byte
// and a 32-bit big-endian length; the messages block holds records of a tag
// byte, most followed by a 32-bit length and that many bytes.
constexpr unsigned char CATALOGUE_MARK[16] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                                              0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
constexpr unsigned char MESSAGES_BLOCK = 0x69;
constexpr unsigned char RECORD_END = 1;
constexpr unsigned char RECORD_TRANSLATION = 3;
constexpr unsigned char RECORD_OBSOLETE = 5; // a 32-bit field and no length
constexpr unsigned char RECORD_SOURCE = 6;
constexpr unsigned char RECORD_CONTEXT = 7;
constexpr unsigned char RECORD_COMMENT = 8;
// A translation's length that means "no translation".
constexpr quint32 NO_TEXT = 0xffffffff;

class CatalogueReader {
public:
    explicit CatalogueReader(const QByteArray& data)
        : data(data)
    {
    }

    bool Has(qsizetype count) const { return count >= 0 && at + count <= data.size(); }
    unsigned char Byte() { return static_cast<unsigned char>(data[at++]); }
    quint32 Length()
    {
        quint32 value = 0;
        for (int k = 0; k < 4; ++k)
            value = (value << 8) | Byte();
        return value;
    }
    void Skip(qsizetype count) { at += count; }
    qsizetype Position() const { return at; }
    // UTF-16, big-endian, as the catalogue stores translations.
    QString Text(quint32 bytes)
    {
        QString text;
        for (quint32 k = 0; k + 1 < bytes; k += 2) {
            const auto high = Byte();
            text += QChar(static_cast<char16_t>((high << 8) | Byte()));
        }
        return text;
    }

private:
    const QByteArray& data;
    qsizetype at = 0;
};

// The translations of the messages block from where reader stands to end.
void ReadMessages(CatalogueReader& reader, qsizetype end, std::set<char32_t>& characters)
{
    while (reader.Position() < end && reader.Has(1)) {
        const unsigned char tag = reader.Byte();
        if (tag == RECORD_END)
            continue;
        if (tag == RECORD_OBSOLETE) {
            if (!reader.Has(4))
                return;
            reader.Skip(4);
            continue;
        }
        if (tag != RECORD_TRANSLATION && tag != RECORD_SOURCE && tag != RECORD_CONTEXT && tag != RECORD_COMMENT)
            return;
        if (!reader.Has(4))
            return;
        const quint32 length = reader.Length();
        if (length == NO_TEXT)
            continue;
        if (!reader.Has(length))
            return;
        if (tag != RECORD_TRANSLATION) {
            reader.Skip(length);
            continue;
        }
        for (const char32_t c : reader.Text(length).toUcs4())
            characters.insert(c);
    }
}

// Whether the layout of text in font took a glyph for every character;
// glyph 0 is the empty box a font engine draws for what no font has.
bool EveryGlyphFound(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::none_of(runs.begin(), runs.end(), [](const QGlyphRun& run) {
        return run.glyphIndexes().contains(0);
    });
}

// The dialogs' and the bar's fonts, and the face lettering's bold.
QList<QFont> GameFonts()
{
    QFont faces(QStringLiteral("Liberation Sans"));
    faces.setBold(true);
    QFont dialogs;
    dialogs.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    return {QGuiApplication::font(), dialogs, faces};
}

bool NeedsGlyph(char32_t c)
{
    return QChar::isPrint(c) && !QChar::isSpace(c);
}

} // namespace

QString CatalogueCharacters(const QByteArray& catalogue)
{
    const auto* mark = reinterpret_cast<const char*>(CATALOGUE_MARK);
    if (!catalogue.startsWith(QByteArray::fromRawData(mark, sizeof CATALOGUE_MARK)))
        return {};
    CatalogueReader reader(catalogue);
    reader.Skip(sizeof CATALOGUE_MARK);
    std::set<char32_t> characters;
    while (reader.Has(5)) {
        const unsigned char tag = reader.Byte();
        const quint32 length = reader.Length();
        if (!reader.Has(length))
            break;
        const qsizetype end = reader.Position() + length;
        if (tag == MESSAGES_BLOCK)
            ReadMessages(reader, end, characters);
        reader.Skip(end - reader.Position());
    }
    QString text;
    for (const char32_t c : characters)
        text += QString::fromUcs4(&c, 1);
    return text;
}

QString UndrawableCharacters(const QString& characters)
{
    QString needed;
    for (const char32_t c : characters.toUcs4()) {
        if (NeedsGlyph(c))
            needed += QString::fromUcs4(&c, 1);
    }
    const QList<QFont> fonts = GameFonts();
    const auto drawable = [&fonts](const QString& text) {
        return std::all_of(fonts.begin(), fonts.end(), [&text](const QFont& font) { return EveryGlyphFound(text, font); });
    };
    // One layout of them all answers for the usual case; only when a box
    // turns up is each character looked at on its own.
    if (needed.isEmpty() || drawable(needed))
        return {};
    QString undrawable;
    for (const char32_t c : needed.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (!drawable(one))
            undrawable += one;
    }
    return undrawable;
}

bool FontsCanDrawCatalogue(const QByteArray& catalogue)
{
    return UndrawableCharacters(CatalogueCharacters(catalogue)).isEmpty();
}
