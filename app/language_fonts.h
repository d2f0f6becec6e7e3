// Whether the installed fonts can draw a catalogue's translations, so a language without a font falls back to English.
#pragma once

#include <QByteArray>
#include <QString>

// A Japanese or Chinese catalogue on a system without a CJK font would show
// every caption as empty boxes: English is better than that. The check
// reads the compiled catalogue itself (Qt's translator cannot list what it
// holds) and asks Qt's text layout, fontconfig's fallbacks included, for a
// glyph of every character the translations use.

// Every character the translations of a compiled catalogue (.qm) use, each
// once, in code point order; empty for data that is not a catalogue.
QString CatalogueCharacters(const QByteArray& catalogue);

// The characters among these that no installed font draws in the game's
// fonts or any fallback for them; spaces and control characters need no glyph.
QString UndrawableCharacters(const QString& characters);

// Whether every character of the catalogue's translations can be drawn.
bool FontsCanDrawCatalogue(const QByteArray& catalogue);
