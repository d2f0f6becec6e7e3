// Whether the installed fonts can draw a catalogue's translations, so a language without a font falls back to English.
#pragma once

#include <QByteArray>
#include <QString>

// A Japanese or Chinese catalogue on a system without a CJK font would show
// every caption as empty boxes: English is better than that. The check
// reads the compiled catalogue itself (Qt's translator cannot list what it
// holds) and asks fontconfig, which every font Qt falls back on comes from,
// whether some installed font has every character the translations use.

// Every character the translations of a compiled catalogue (.qm) use, each
// once, in code point order; empty for data that is not a catalogue.
QString CatalogueCharacters(const QByteArray& catalogue);

// The characters among these that no installed font has, in the order
// given; spaces and control characters need no glyph.
QString UndrawableCharacters(const QString& characters);

// Whether every character of the catalogue's translations can be drawn.
bool FontsCanDrawCatalogue(const QByteArray& catalogue);
