// Whether the installed fonts can draw a catalogue's translations, so a language without a font falls back to English.
#include "app/language_fonts.h"

#include <QList>

#include <fontconfig/fontconfig.h>

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
    FcCharSet* missing = FcCharSetCreate();
    if (missing == nullptr)
        return {};
    QList<char32_t> needed;
    for (const char32_t c : characters.toUcs4()) {
        if (NeedsGlyph(c) && FcCharSetAddChar(missing, c))
            needed.append(c);
    }
    // Every font Qt can fall back on is one of fontconfig's: the system's and
    // any the program added. A layout of the text in Qt's fonts would load
    // each face it reaches, a CJK one of twenty megabytes among them, before
    // the first frame; the sets of characters come from fontconfig's caches.
    for (const FcSetName set : {FcSetSystem, FcSetApplication}) {
        const FcFontSet* fonts = FcConfigGetFonts(nullptr, set);
        for (int k = 0; fonts != nullptr && k < fonts->nfont && FcCharSetCount(missing) > 0; ++k) {
            FcCharSet* has = nullptr;
            if (FcPatternGetCharSet(fonts->fonts[k], FC_CHARSET, 0, &has) != FcResultMatch)
                continue;
            FcCharSet* rest = FcCharSetSubtract(missing, has);
            if (rest == nullptr)
                continue;
            FcCharSetDestroy(missing);
            missing = rest;
        }
    }
    QString undrawable;
    for (const char32_t c : needed) {
        if (FcCharSetHasChar(missing, c))
            undrawable += QString::fromUcs4(&c, 1);
    }
    FcCharSetDestroy(missing);
    return undrawable;
}

bool FontsCanDrawCatalogue(const QByteArray& catalogue)
{
    return UndrawableCharacters(CatalogueCharacters(catalogue)).isEmpty();
}
