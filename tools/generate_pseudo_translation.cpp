// Writes the pseudo-language catalogue: every text of a catalogue half as long again, in accented letters.
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>
#include <vector>

namespace {

// Each ASCII letter's accented look-alike, so a text still reads while any
// text the code forgot to translate stands out as plain ASCII.
const char16_t* const LOWER = u"áƀçďéƒĝĥíĵķĺɱñóþǫŕšţúṽŵẋýž";
const char16_t* const UPPER = u"ÁƁÇĎÉƑĜĤÍĴĶĹṀÑÓÞǪŔŠŢÚṼŴẊÝŽ";

struct Message {
    QString source;
    QString comment;
    bool numerus = false;
};

struct Context {
    QString name;
    std::vector<Message> messages;
};

// How many characters a placeholder, an accelerator, a tag or an entity
// starting at text[k] spans; 0 when text[k] starts none of them. They pass
// through untouched: Qt fills placeholders in, and a translated accelerator
// letter would be a different key.
qsizetype UntouchedSpan(const QString& text, qsizetype k)
{
    const QChar c = text[k];
    const auto at = [&text](qsizetype i) { return i < text.size() ? text[i] : QChar(); };
    if (c == QLatin1Char('%')) {
        qsizetype end = k + 1;
        if (at(end) == QLatin1Char('L'))
            ++end;
        if (at(end) == QLatin1Char('n'))
            return end + 1 - k;
        while (at(end).isDigit())
            ++end;
        return end > k + 1 && at(end - 1).isDigit() ? end - k : 0;
    }
    if (c == QLatin1Char('&')) {
        qsizetype end = k + 1;
        while (at(end).isLetterOrNumber() || at(end) == QLatin1Char('#'))
            ++end;
        if (at(end) == QLatin1Char(';'))
            return end + 1 - k;
        return at(k + 1).isNull() ? 1 : 2;
    }
    if (c == QLatin1Char('<')) {
        const qsizetype end = text.indexOf(QLatin1Char('>'), k);
        return end < 0 ? 0 : end + 1 - k;
    }
    return 0;
}

QString Accented(const QString& line)
{
    QString out;
    for (qsizetype k = 0; k < line.size();) {
        if (const qsizetype span = UntouchedSpan(line, k)) {
            out += line.mid(k, span);
            k += span;
            continue;
        }
        const char16_t c = line[k].unicode();
        if (c >= u'a' && c <= u'z')
            out += QChar(LOWER[c - u'a']);
        else if (c >= u'A' && c <= u'Z')
            out += QChar(UPPER[c - u'A']);
        else
            out += line[k];
        ++k;
    }
    return out;
}

// "Retry" -> "[Ŕéţŕý ···]": each line half as long again (and a little
// more), the whole text bracketed so that a cut-off end shows.
QString Pseudo(const QString& source)
{
    if (source.isEmpty())
        return source;
    QStringList lines = source.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (!line.isEmpty())
            line = Accented(line) + QLatin1Char(' ') + QString((line.size() + 1) / 2, QChar(0x00B7));
    }
    return QLatin1Char('[') + lines.join(QLatin1Char('\n')) + QLatin1Char(']');
}

bool Read(const QString& path, std::vector<Context>& contexts)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    QXmlStreamReader xml(&file);
    Message* message = nullptr;
    bool skipped = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("context")) {
            contexts.emplace_back();
        } else if (name == QLatin1String("name") && !contexts.empty()) {
            contexts.back().name = xml.readElementText();
        } else if (name == QLatin1String("message") && !contexts.empty()) {
            contexts.back().messages.emplace_back();
            message = &contexts.back().messages.back();
            message->numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            skipped = false;
        } else if (name == QLatin1String("source") && message != nullptr) {
            message->source = xml.readElementText();
        } else if (name == QLatin1String("comment") && message != nullptr) {
            message->comment = xml.readElementText();
        } else if (name == QLatin1String("translation") && message != nullptr && !skipped) {
            // A text the code no longer has stays out of the catalogue.
            const auto type = xml.attributes().value(QLatin1String("type"));
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")) {
                contexts.back().messages.pop_back();
                message = nullptr;
                skipped = true;
            }
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(xml.errorString()));
        return false;
    }
    return true;
}

bool Write(const QString& path, const std::vector<Context>& contexts)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    // English plural rules: two forms, one and many.
    xml.writeAttribute(QStringLiteral("language"), QStringLiteral("en_XA"));
    xml.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
    for (const Context& context : contexts) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), context.name);
        for (const Message& message : context.messages) {
            xml.writeStartElement(QStringLiteral("message"));
            if (message.numerus)
                xml.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            xml.writeTextElement(QStringLiteral("source"), message.source);
            if (!message.comment.isEmpty())
                xml.writeTextElement(QStringLiteral("comment"), message.comment);
            if (message.numerus) {
                xml.writeStartElement(QStringLiteral("translation"));
                for (int form = 0; form < 2; ++form)
                    xml.writeTextElement(QStringLiteral("numerusform"), Pseudo(message.source));
                xml.writeEndElement();
            } else {
                xml.writeTextElement(QStringLiteral("translation"), Pseudo(message.source));
            }
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return file.flush();
}

} // namespace

// Usage: kolumo_generate_pseudo_translation CATALOGUE.ts PSEUDO.ts
// Reads any of the game's catalogues for its source texts (their
// translations are ignored) and writes the pseudo-language's.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CATALOGUE.ts PSEUDO.ts\n", argv[0]);
        return 2;
    }
    std::vector<Context> contexts;
    if (!Read(QString::fromLocal8Bit(argv[1]), contexts))
        return 1;
    return Write(QString::fromLocal8Bit(argv[2]), contexts) ? 0 : 1;
}
