// Every language fits: each dialog, the bar and the menus in each catalogue; accelerators unique; no font, no language.
#include "app/about_dialog.h"
#include "app/bar_captions_fit.h"
#include "app/game_main_window.h"
#include "app/language_fonts.h"
#include "app/translations.h"
#include "app_test_support.h"
#include "controls/bitmap_button.h"
#include "controls/confirm_dialog.h"
#include "controls/lettered_face.h"
#include "controls/play_options_dialog.h"
#include "controls/preferences_dialog.h"
#include "controls/puzzle_code_dialog.h"
#include "controls/statistics_dialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The shipped catalogues, the pseudo-language's among them ("de", "en_XA"...),
// and English, which needs none.
QStringList Languages()
{
    QStringList languages{QStringLiteral("en")};
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("kolumo_*.qm")}))
        languages << file.mid(7).chopped(3);
    return languages;
}

std::string Lines(const QStringList& lines)
{
    return lines.join(u'\n').toStdString();
}

QString Describe(const QWidget& widget)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    return QString::fromLatin1(widget.metaObject()->className());
}

QString Rect(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What does not fit in a dialog as shown, one line each: a caption wider
// than its control, a face cut off, a control outside the dialog or on top
// of another (a group box only frames what lies in it; an empty label only
// keeps a place for a picker or a field).
QStringList Misfits(const QDialog& dialog)
{
    QStringList misfits;
    const auto wider = [&misfits](const QString& what, int needed, int room) {
        if (needed > room)
            misfits << QStringLiteral("\"%1\" needs %2 pixels, has %3").arg(what).arg(needed).arg(room);
    };
    for (const QCheckBox* box : dialog.findChildren<QCheckBox*>())
        wider(box->text(), box->sizeHint().width(), box->width());
    // A label wraps its words: a caption too long for its width takes
    // another line, and the lines must fit its height (one line alone may
    // stand a pixel or two taller than its label, as in the classic dialogs,
    // or as a line of a fallback font's taller script).
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const QFontMetrics metrics(label->font());
        const int flags = (label->wordWrap() ? Qt::TextWordWrap : 0) | int(label->alignment());
        const QRect text = metrics.boundingRect(QRect(0, 0, label->width(), 1 << 20), flags, label->text());
        const QRect unwrapped = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), 0, label->text());
        wider(label->text(), text.width(), label->width());
        if (label->text().contains(u'\n') || text.height() > unwrapped.height())
            wider(label->text() + QStringLiteral(" (its height)"), text.height(), label->height());
    }
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        wider(group->title(), QFontMetrics(group->font()).horizontalAdvance(group->title()), group->width());
    for (const BitmapButton* button : dialog.findChildren<BitmapButton*>(Qt::FindDirectChildrenOnly)) {
        const QPixmap* face = button->ChooseFace(BitmapButton::ITEM_NORMAL);
        if (face == nullptr) {
            misfits << QStringLiteral("%1 has no face").arg(button->text());
            continue;
        }
        wider(button->text(), face->deviceIndependentSize().toSize().width(), button->width());
        if (BitmapButton::LetteredAtRunTime(button->text())) {
            const QString words = BitmapButton::SpokenName(button->text());
            QFont lettering(QStringLiteral("Liberation Sans"));
            lettering.setBold(true);
            lettering.setPixelSize(15);
            lettering.setHintingPreference(QFont::PreferFullHinting);
            wider(words, QFontMetrics(lettering).horizontalAdvance(words) + 2 * FACE_SIDE_ROOM, button->width());
        }
    }
    QList<const QWidget*> occupants;
    for (const QWidget* child : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<const QLabel*>(child);
        if (child->isHidden() || qobject_cast<const QGroupBox*>(child) != nullptr
            || (label != nullptr && label->text().isEmpty() && label->pixmap().isNull()))
            continue;
        if (!dialog.rect().contains(child->geometry()))
            misfits << QStringLiteral("%1 at %2 leaves the dialog").arg(Describe(*child), Rect(child->geometry()));
        for (const QWidget* other : occupants) {
            if (child->geometry().intersects(other->geometry()))
                misfits << QStringLiteral("%1 covers %2").arg(Describe(*child), Describe(*other));
        }
        occupants << child;
    }
    return misfits;
}

// What does not fit on the main window at its least size: a bar caption
// wider than its button, a menu title pushed off the menu bar, an item
// wider than its menu.
QStringList Misfits(GameMainWindow& window)
{
    QStringList misfits;
    window.resize(window.minimumSize());
    QApplication::processEvents();
    for (int k = 0; k < BAR_BUTTON_COUNT; ++k) {
        const QPushButton& button = window.BarButton(k);
        const int needed = QFontMetrics(button.font()).horizontalAdvance(button.text());
        const int room = BarCaptionRoom(button, button.width());
        if (needed > room)
            misfits << QStringLiteral("bar: \"%1\" needs %2 pixels, has %3").arg(button.text()).arg(needed).arg(room);
    }
    const QMenuBar& bar = window.MainMenu();
    for (QAction* title : bar.actions()) {
        const QRect place = bar.actionGeometry(title);
        if (place.isEmpty() || !bar.rect().contains(place))
            misfits << QStringLiteral("menu bar: \"%1\" at %2 is off the bar").arg(title->text(), Rect(place));
        QMenu* menu = title->menu();
        menu->ensurePolished();
        menu->sizeHint();
        const QFontMetrics metrics(menu->font());
        for (QAction* item : menu->actions()) {
            const QString shortcut = item->shortcut().toString(QKeySequence::NativeText);
            const int needed = metrics.horizontalAdvance(QString(item->text()).remove(QLatin1Char('&')))
                + (shortcut.isEmpty() ? 0 : metrics.horizontalAdvance(shortcut));
            const int room = menu->actionGeometry(item).width();
            if (needed > room)
                misfits << QStringLiteral("menu: \"%1\" needs %2 pixels, has %3").arg(item->text()).arg(needed).arg(room);
        }
    }
    return misfits;
}

// The game's dialogs as a player can meet them, each at its fullest.
std::vector<std::function<std::unique_ptr<QDialog>()>> Dialogs()
{
    return {
        [] {
            auto preferences = std::make_unique<PreferencesDialog>();
            PlayerPreferences shown;
            preferences->SetPreferences(shown);
            return std::unique_ptr<QDialog>(std::move(preferences));
        },
        [] { return std::unique_ptr<QDialog>(std::make_unique<PlayOptionsDialog>()); },
        [] {
            // The longest word it has about a code, with the code that earns it.
            auto puzzleCode = std::make_unique<PuzzleCodeDialog>();
            puzzleCode->CodeField().setText(QStringLiteral("A7D4-G000-C1ST0"));
            puzzleCode->OnOk();
            return std::unique_ptr<QDialog>(std::move(puzzleCode));
        },
        [] { return std::unique_ptr<QDialog>(std::make_unique<AboutDialog>()); },
        [] {
            // A fixed day, today's puzzles and a set of play options played.
            auto statistics = std::make_unique<StatisticsDialog>("/nonexistent/GAMES.LOG", 20261209);
            StatisticsSummary summary;
            StatisticsLine daily;
            daily.daily = true;
            daily.started = 41;
            StatisticsLine options;
            options.settings = {30, 10, 10, 3, 18};
            options.started = 250;
            summary.lines = {daily, options};
            statistics->ShowSummary(summary);
            return std::unique_ptr<QDialog>(std::move(statistics));
        },
        [] {
            return std::unique_ptr<QDialog>(
                std::make_unique<ConfirmDialog>(StatisticsDialog::ResetTitle(), StatisticsDialog::ResetQuestion()));
        },
    };
}

// The keys more than one caption claims (the letter after a lone '&',
// in lower case); "" when each is claimed once at most.
QString DuplicateAccelerators(const QList<QAction*>& actions)
{
    QString claimed;
    QString twice;
    for (const QAction* action : actions) {
        const QString text = action->text();
        for (qsizetype k = 0; k + 1 < text.size(); ++k) {
            if (text[k] != QLatin1Char('&'))
                continue;
            if (text[k + 1] == QLatin1Char('&')) {
                ++k;
                continue;
            }
            const QChar key = text[k + 1].toLower();
            if (claimed.contains(key) && !twice.contains(key))
                twice += key;
            claimed += key;
            break;
        }
    }
    return twice;
}

// Each menu's duplicate keys in the window's menus, the bar's titles as one
// more menu: "File: n".
QStringList DuplicateAccelerators(const GameMainWindow& window)
{
    QStringList found;
    const QMenuBar& bar = window.MainMenu();
    if (const QString keys = DuplicateAccelerators(bar.actions()); !keys.isEmpty())
        found << QStringLiteral("menu bar: ") + keys;
    for (const QAction* title : bar.actions()) {
        if (const QString keys = DuplicateAccelerators(title->menu()->actions()); !keys.isEmpty())
            found << title->text().trimmed() + QStringLiteral(": ") + keys;
    }
    return found;
}

class LanguageFitTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
};

TEST_F(LanguageFitTest, EveryDialogTheBarAndTheMenusFitInEveryLanguage)
{
    const QStringList languages = Languages();
    // Ten languages, the pseudo-language and English.
    EXPECT_GE(languages.size(), 12) << languages.join(u' ').toStdString();
    // The controls stand as tall as the English lines need: a language
    // lettered larger would cut off its descenders.
    const auto dialogs = Dialogs();
    std::vector<int> englishPixelSizes;
    for (const auto& make : dialogs)
        englishPixelSizes.push_back(make()->font().pixelSize());
    for (const QString& language : languages) {
        Translations translations;
        EXPECT_EQ(translations.Install({language}), language == QLatin1String("en") ? QString() : language);
        for (std::size_t k = 0; k < dialogs.size(); ++k) {
            const std::unique_ptr<QDialog> dialog = dialogs[k]();
            dialog->show();
            QApplication::processEvents();
            EXPECT_TRUE(Misfits(*dialog).isEmpty()) << language.toStdString() << ": " << Lines(Misfits(*dialog));
            EXPECT_LE(dialog->font().pixelSize(), englishPixelSizes[k])
                << language.toStdString() << ": " << dialog->windowTitle().toStdString();
        }
        auto window = ShowNewWindow();
        EXPECT_TRUE(Misfits(*window).isEmpty()) << language.toStdString() << ": " << Lines(Misfits(*window));
    }
}

TEST_F(LanguageFitTest, EnglishKeepsItsSizesAndALabelShortenedByAPixelIsCaught)
{
    const QSize sizes[] = {{382, 346}, {451, 326}, {300, 159}, {279, 154}, {810, 429}, {300, 133}};
    const auto dialogs = Dialogs();
    for (size_t k = 0; k < dialogs.size(); ++k) {
        const std::unique_ptr<QDialog> dialog = dialogs[k]();
        dialog->show();
        QApplication::processEvents();
        EXPECT_EQ(dialog->size(), sizes[k]) << dialog->windowTitle().toStdString();
        ASSERT_TRUE(Misfits(*dialog).isEmpty()) << Lines(Misfits(*dialog));
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            const QFontMetrics metrics(label->font());
            // A label meant to wrap its words (the puzzle code's problem)
            // only takes another line when narrower.
            const int lines = int(label->text().count(u'\n')) + 1;
            if (label->text().isEmpty()
                || metrics.boundingRect(label->rect(), Qt::TextWordWrap, label->text()).height() > lines * metrics.height())
                continue;
            const int needed = metrics.boundingRect(QRect(0, 0, label->width(), 1 << 20), Qt::TextWordWrap, label->text()).width();
            const int width = label->width();
            label->resize(needed - 1, label->height());
            EXPECT_FALSE(Misfits(*dialog).isEmpty()) << label->text().toStdString();
            label->resize(width, label->height());
        }
    }
    auto window = ShowNewWindow();
    EXPECT_EQ(window->minimumWidth() + window->frameGeometry().width() - window->width(), 480);
    EXPECT_EQ(window->BarButton(0).font(), QApplication::font());
}

TEST_F(LanguageFitTest, MenuAcceleratorsAreUniqueWithinEachMenuInEveryLanguage)
{
    struct Case {
        QString folder;
        QString language;
        QStringList duplicates;
    };
    std::vector<Case> cases;
    for (const QString& language : Languages())
        cases.push_back({QStringLiteral(":/i18n"), language, {}});
    // A catalogue of the tests' own gives New Game and Retry both N.
    const QString seeded = QStringLiteral(KOLUMO_TEST_CATALOGUES "/duplicate_accelerators");
    cases.push_back({seeded, QStringLiteral("de"), {QStringLiteral("File: n")}});
    for (const Case& row : cases) {
        Translations translations;
        translations.Install({row.language}, row.folder);
        auto window = ShowNewWindow();
        EXPECT_EQ(Lines(DuplicateAccelerators(*window)), Lines(row.duplicates))
            << row.folder.toStdString() << " " << row.language.toStdString();
    }
}

TEST(LanguageFontsTest, ALanguageNoInstalledFontCanDrawFallsBackToEnglish)
{
    const QString missingGlyphs = QStringLiteral(KOLUMO_TEST_CATALOGUES "/missing_glyphs");
    struct Case {
        QString folder;
        QString language;
        QString spoken; // what the game then speaks
        QString newCaption;
    };
    const Case cases[] = {
        {QStringLiteral(":/i18n"), QStringLiteral("ja"), QStringLiteral("ja"), {}},
        {QStringLiteral(":/i18n"), QStringLiteral("zh_CN"), QStringLiteral("zh_CN"), {}},
        {QStringLiteral(":/i18n"), QStringLiteral("ru"), QStringLiteral("ru"), {}},
        {QStringLiteral(":/i18n"), QStringLiteral("en_XA"), QStringLiteral("en_XA"), QStringLiteral("[Ñéŵ ··]")},
        // Letters of scripts no desktop font has: English rather than boxes.
        {missingGlyphs, QStringLiteral("ja"), QString(), QStringLiteral("New")},
    };
    for (const Case& row : cases) {
        Translations translations;
        EXPECT_EQ(translations.Install({row.language}, row.folder), row.spoken) << row.language.toStdString();
        EXPECT_EQ(Translations::Current(), row.spoken);
        if (!row.newCaption.isEmpty()) {
            EXPECT_EQ(QCoreApplication::translate("ButtonBar", "New"), row.newCaption);
        }
    }
    QFile catalogue(missingGlyphs + QStringLiteral("/kolumo_ja.qm"));
    ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly));
    const QString characters = CatalogueCharacters(catalogue.readAll());
    EXPECT_TRUE(characters.contains(QStringLiteral("R"))) << "the reading of the catalogue";
    EXPECT_EQ(UndrawableCharacters(characters).size(), 8) << "four letters from beyond the 16-bit plane, two halves each";
}

} // namespace
