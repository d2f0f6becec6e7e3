// Choosing and installing the catalogues for the desktop's languages.
#include "app/translations.h"

#include "app/language_fonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

QString& CurrentLanguage()
{
    static QString language;
    return language;
}

// The pseudo-language: English made half as long again in accented letters,
// for developers to see what a longer language does to the layout.
const char* const PSEUDO_LANGUAGE = "en_XA";

bool IsEnglish(const QString& language)
{
    // "C" and "POSIX" are the locales of no language: the source texts.
    if (language == QLatin1String(PSEUDO_LANGUAGE))
        return false;
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"))
        || language == QLatin1String("C") || language == QLatin1String("POSIX");
}

} // namespace

Translations::~Translations()
{
    CurrentLanguage().clear();
    if (gameInstalled)
        QCoreApplication::removeTranslator(&game);
    if (qtInstalled)
        QCoreApplication::removeTranslator(&qt);
}

QString Translations::FirstAvailable(const QStringList& languages, const QString& folder, const QString& prefix,
                                     const QString& suffix)
{
    for (const QString& wanted : languages) {
        // "de-AT" and "de_AT.UTF-8@euro" alike name the language "de_AT".
        QString language = wanted.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (IsEnglish(language))
            return {};
        for (; !language.isEmpty(); language = language.section(QLatin1Char('_'), 0, -2)) {
            if (QFileInfo::exists(folder + QLatin1Char('/') + prefix + language + suffix))
                return language;
        }
    }
    return {};
}

QString Translations::Install(const QStringList& languages, const QString& folder, const QString& qtFolder)
{
    QString language = FirstAvailable(languages, folder, QStringLiteral("kolumo_"));
    // Captions of empty boxes say less than English: a language no
    // installed font can draw (Japanese without a CJK font) is not spoken.
    if (!language.isEmpty()) {
        QFile catalogue(folder + QStringLiteral("/kolumo_") + language + QStringLiteral(".qm"));
        if (!catalogue.open(QIODevice::ReadOnly) || !FontsCanDrawCatalogue(catalogue.readAll()))
            language.clear();
    }
    CurrentLanguage() = language;
    if (language.isEmpty())
        return language;
    gameInstalled = game.load(QStringLiteral("kolumo_") + language, folder)
        && QCoreApplication::installTranslator(&game);
    // Quietly none when Qt's catalogues are not installed.
    const QString qtLanguage = FirstAvailable({language}, qtFolder, QStringLiteral("qtbase_"));
    qtInstalled = !qtLanguage.isEmpty() && qt.load(QStringLiteral("qtbase_") + qtLanguage, qtFolder)
        && QCoreApplication::installTranslator(&qt);
    return language;
}

QString Translations::Current()
{
    return CurrentLanguage();
}

QString Translations::QtCatalogueFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}
