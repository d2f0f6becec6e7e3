// The game's words in the player's language: the catalogues chosen from the desktop's languages.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// Installs into the running application the game's catalogue for the first
// of the player's languages the game speaks, and Qt's own catalogue (the
// colour chooser, the file chooser, standard buttons) for the same language
// when one is installed. English needs no catalogue: a language the game
// does not have, or English coming first, leaves the English source texts,
// and so does one whose catalogue no installed font can draw. "en_XA" is
// the pseudo-language, every text half as long again in accented letters.
// The catalogues leave the application with this object.
class Translations {
public:
    Translations() = default;
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // languages as QLocale::uiLanguages() gives them, the most wanted first
    // ("de-AT", "pt_BR"...); the game's catalogues are folder/kolumo_<lang>.qm
    // and Qt's are qtFolder/qtbase_<lang>.qm. Returns the language chosen
    // ("de", "pt_BR"), "" for English.
    QString Install(const QStringList& languages, const QString& folder = QStringLiteral(":/i18n"),
                    const QString& qtFolder = QtCatalogueFolder());

    // The language the running game speaks ("" for English), as the last
    // Install chose it: the manual follows it.
    static QString Current();

    // The name in files of the first of languages that folder holds a
    // prefix<lang>suffix for: each language as given ("pt_BR"), then
    // shortened ("pt"). "" when English comes first or none is there.
    static QString FirstAvailable(const QStringList& languages, const QString& folder, const QString& prefix,
                                  const QString& suffix = QStringLiteral(".qm"));

    static QString QtCatalogueFolder();

private:
    QTranslator game;
    QTranslator qt;
    bool gameInstalled = false;
    bool qtInstalled = false;
};
