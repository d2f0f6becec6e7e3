// The main window as the player first meets it: size, bar, menu, layout, Space, focus and closing.
#include "app/application.h"
#include "app/game_main_window.h"
#include "app/hint_settings.h"
#include "app/translations.h"
#include "app_test_support.h"
#include "qt_environment.h"
#include "controls/preferences_dialog.h"
#include "controls/report_text.h"
#include "engine/game_file.h"
#include "engine/game_journal.h"
#include "engine/random.h"
#include "engine/state_file.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
};

TEST_F(MainWindowTest, FirstStartWithoutASavedStateOpens480By320At10And10)
{
    auto window = ShowNewWindow();
    EXPECT_EQ(window->StateRead(), StateReadResult::NotOpened);
    EXPECT_EQ(window->StartRect(), (DesktopRect{10, 10, 490, 330}));
    EXPECT_FALSE(window->StartMaximized());
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(window->frameGeometry().size(), QSize(480, 320));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kolumo"));
    // The icon comes once the board is painted.
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window->windowIcon().isNull(); }, 5000));
}

TEST_F(MainWindowTest, TheBarReadsLeftToRightInItsOrder)
{
    auto window = ShowNewWindow();
    std::vector<const QPushButton*> buttons;
    for (int k = 0; k < BAR_BUTTON_COUNT; ++k)
        buttons.push_back(&window->BarButton(k));
    std::sort(buttons.begin(), buttons.end(),
              [](const QPushButton* a, const QPushButton* b) { return a->x() < b->x(); });
    QStringList captions;
    for (const QPushButton* button : buttons) {
        EXPECT_TRUE(button->isVisible());
        captions << button->text();
    }
    EXPECT_EQ(captions.join(' '),
              QStringLiteral("New Retry Prefs Options Solve Undo Help About Quit"));
    const int ids[] = {101, 102, 103, 104, 106, 107, 105, 109, 108};
    for (int k = 0; k < BAR_BUTTON_COUNT; ++k)
        EXPECT_EQ(window->BarButton(k).property("commandId").toInt(), ids[k]);
}

TEST_F(MainWindowTest, TheMenuKeepsItsCaptionsAndIds)
{
    auto window = ShowNewWindow();
    const QMenuBar& menu = window->MainMenu();
    EXPECT_EQ(menu.objectName(), QStringLiteral("MainMenu"));
    QStringList titles;
    for (QAction* top : menu.actions())
        titles << top->text();
    EXPECT_EQ(titles, (QStringList{"File        ", "Prefs        ", "Help        "}));
    const std::pair<int, const char*> items[] = {
        {32771, "New Game"},         {32772, "Retry"},        {32773, "Exit"},
        {32774, "Graphics / Sound"}, {32775, "Play Options"}, {32776, "About Kolumo"},
        {32777, "Online Manual"},
        {ID_MENU_HINT, "Hint"},      {ID_MENU_BACK_TO_SOLVABLE, "Back to a Solvable Position"},
        {ID_MENU_REDO, "Redo"},      {ID_MENU_WARN_OF_DEAD_ENDS, "Warn of Dead Ends"},
        {ID_MENU_TODAYS_PUZZLE, "Today's Puzzle"}, {ID_MENU_COPY_PUZZLE_CODE, "Copy Puzzle Code"},
        {ID_MENU_OPEN_PUZZLE_CODE, "Open Puzzle Code…"}, {ID_MENU_STATISTICS, "Statistics…"},
    };
    for (const auto& [id, caption] : items) {
        const QAction* action = window->MenuAction(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->text(), QString::fromUtf8(caption));
    }
    QStringList file;
    for (const QAction* action : menu.actions().front()->menu()->actions())
        file << action->text();
    EXPECT_EQ(file.join('|'), QStringLiteral("New Game|Retry|Hint|Back to a Solvable Position|Redo|Today's Puzzle|"
                                                "Copy Puzzle Code|Open Puzzle Code…|Statistics…|Exit"));
    EXPECT_EQ(window->MenuAction(106), nullptr) << "Solve has no menu item";
}

TEST_F(MainWindowTest, TheMenuAndTheScreenReaderSpeakTheFirstOfTheDesktopsLanguagesTheGameHas)
{
    const QString testCatalogues = QStringLiteral(":/test-i18n");
    const QString shipped = QStringLiteral(":/i18n");
    // The same board each time (seeded below); the test catalogues leave its
    // first block's colour and symbol in English.
    const char* const block = "yellow, snowflake";
    const struct {
        QStringList languages;
        const QString& folder;
        const char* chosen;
        const char* titles;
        bool qtSpeaksIt;     // Qt's own catalogue installed beside the game's
        const char* counter; // what a screen reader hears of the red counter
        const char* cell;    // and of the first block in the top row
    } cases[] = {
        {{"de"}, testCatalogues, "de", "Datei|Einstellungen|Hilfe", true, "rot: noch \\d+", block},
        {{"de-AT", "fr"}, testCatalogues, "de", "Datei|Einstellungen|Hilfe", true, "rot: noch \\d+", block},
        {{"pt-BR", "pt"}, testCatalogues, "pt_BR", "Arquivo|Preferências|Ajuda", true, "red: \\d+ left", block},
        {{"pt_PT.UTF-8"}, testCatalogues, "pt", "Ficheiro|Preferências|Ajuda", false, "red: \\d+ left", block},
        {{"xx", "de"}, testCatalogues, "de", "Datei|Einstellungen|Hilfe", true, "rot: noch \\d+", block},
        {{"en-GB", "de"}, testCatalogues, "", "File|Prefs|Help", false, "red: \\d+ left", block},
        {{"xx"}, testCatalogues, "", "File|Prefs|Help", false, "red: \\d+ left", block},
        {{"C"}, testCatalogues, "", "File|Prefs|Help", false, "red: \\d+ left", block},
        // The German catalogue the game ships, as a German player hears it.
        {{"de-DE"}, shipped, "de", "Datei|Optionen|Hilfe", true, "rot: \\d+ übrig", "gelb, Schneeflocke"},
    };
    for (const auto& c : cases) {
        const std::string wanted = c.languages.join(QLatin1Char(':')).toStdString();
        Translations translations;
        const QString chosen = translations.Install(c.languages, c.folder);
        EXPECT_EQ(chosen.toStdString(), c.chosen) << wanted;
        EXPECT_EQ(Translations::Current().toStdString(), c.chosen) << wanted;
        SeedRandom(17); // the same board each time
        auto window = ShowNewWindow();
        QStringList titles;
        for (QAction* top : window->MainMenu().actions())
            titles << top->text().trimmed();
        EXPECT_EQ(titles.join(QLatin1Char('|')).toStdString(), c.titles) << wanted;
        const QString basicColours = QCoreApplication::translate("QColorDialog", "&Basic colors");
        EXPECT_EQ(basicColours != QStringLiteral("&Basic colors"), c.qtSpeaksIt) << wanted;
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&BoardWidget(*window));
        auto* table = static_cast<QAccessibleTableInterface*>(board->interface_cast(QAccessible::TableInterface));
        const QString counter = board->child(table->rowCount() * table->columnCount())->text(QAccessible::Name);
        const QRegularExpression heard(QStringLiteral("^%1$").arg(QString::fromUtf8(c.counter)));
        EXPECT_TRUE(heard.match(counter).hasMatch()) << wanted << ": " << counter.toStdString();
        int column = 0;
        while (column < table->columnCount() && !table->cellAt(0, column)->state().selectable)
            ++column;
        ASSERT_LT(column, table->columnCount()) << "no block in the top row";
        EXPECT_EQ(table->cellAt(0, column)->text(QAccessible::Name).toStdString(), c.cell) << wanted;
    }
    EXPECT_EQ(Translations::Current().toStdString(), "") << "English again once the catalogues are gone";
    // The shipped catalogues are built in where the game looks for them.
    for (const char* language : {"de", "fr", "es", "it", "pt_BR", "nl", "pl", "ru", "ja", "zh_CN"}) {
        EXPECT_EQ(Translations::FirstAvailable({QString::fromLatin1(language)}, QStringLiteral(":/i18n"),
                                               QStringLiteral("kolumo_"))
                      .toStdString(),
                  language);
    }
}

TEST_F(MainWindowTest, A472By266ClientGivesABoardAbove52PixelButtons)
{
    auto window = ShowNewWindow();
    // This client belongs to a smallest window with a wider frame than the
    // test platform's.
    window->setMinimumSize(0, 0);
    const int menuHeight = window->MainMenu().height();
    window->resize(472, 266 + menuHeight);
    QApplication::processEvents();
    ASSERT_EQ(window->ClientArea().size(), QSize(472, 266));
    EXPECT_EQ(window->Board().geometry(), QRect(0, 0, 472, 236));
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(window->BarButton(k).geometry(), QRect(52 * k, 236, 52, 30)) << k;
    EXPECT_EQ(window->CommandButton(ID_QUIT).geometry(), QRect(416, 236, 56, 30));
}

TEST_F(MainWindowTest, NeverSmallerThan480By320)
{
    auto window = ShowNewWindow();
    window->resize(200, 100);
    QApplication::processEvents();
    EXPECT_GE(window->frameGeometry().width(), 480);
    EXPECT_GE(window->frameGeometry().height(), 320);
}

TEST_F(MainWindowTest, TheFocusButtonHoldsTheFocusUnseen)
{
    auto window = ShowNewWindow();
    window->activateWindow();
    window->OnRetry();
    EXPECT_TRUE(window->FocusButton().hasFocus());
    EXPECT_TRUE(window->FocusButton().size().isEmpty());
    EXPECT_TRUE(window->FocusButton().text().isEmpty());
}

TEST_F(MainWindowTest, SpaceAfterAButtonClickCommitsAndNeverPressesTheButton)
{
    HandClock* clock = nullptr;
    auto window = ShowNewWindow(clock);
    window->activateWindow();
    TickUntilIdle(*window, clock);
    ClickCommandButton(*window, ID_RETRY);
    EXPECT_TRUE(window->FocusButton().hasFocus());
    TickUntilIdle(*window, clock);

    ClickBlocks(*window, FirstSolutionMove(window->GamePuzzle()));
    ASSERT_EQ(window->Board().Selection().size(), 3u);
    // Even a button that holds the focus is not pressed: Space is the
    // window's, press and release alike.
    TabTo(*window, window->CommandButton(ID_NEW));
    const MoveList solution = window->GamePuzzle().Solution();
    QTest::keyClick(window->focusWidget(), Qt::Key_Space);
    EXPECT_EQ(MovesMade(window->GamePuzzle()), 1);
    EXPECT_EQ(window->GamePuzzle().Solution(), solution) << "Space pressed the New button";
    EXPECT_EQ(window->Board().Phase(), PHASE_REMOVE_START);
}

TEST_F(MainWindowTest, SpaceWithAModifierOrOutsideTheWindowIsNotTheCommand)
{
    HandClock* clock = nullptr;
    auto window = ShowNewWindow(clock);
    TickUntilIdle(*window, clock);
    ClickBlocks(*window, FirstSolutionMove(window->GamePuzzle()));
    ASSERT_EQ(window->focusWidget(), &window->FocusButton());
    QTest::keyClick(window->focusWidget(), Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(MovesMade(window->GamePuzzle()), 0);

    QPushButton elsewhere;
    int clicks = 0;
    QObject::connect(&elsewhere, &QPushButton::clicked, [&clicks] { ++clicks; });
    elsewhere.show();
    QTest::keyClick(&elsewhere, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(MovesMade(window->GamePuzzle()), 0);
}

TEST_F(MainWindowTest, ClosingWritesAFileTheEngineReadsBackWhole)
{
    WriteStateFile(MainWindowRecord{}, MusicRecord{true, "/some/where"});
    HandClock* clock = nullptr;
    auto window = ShowNewWindow(clock);
    WhenOpen<PreferencesDialog>([](PreferencesDialog& dialog) {
        dialog.CheckBox(PreferencesDialog::IRONMAN_ID)->setChecked(true);
        dialog.CheckBox(PreferencesDialog::SOUND_EFFECTS_ID)->setChecked(false);
        dialog.CheckBox(PreferencesDialog::MUSIC_ID)->setChecked(false);
        dialog.Panel().swatches[3].face = 0x123456;
        dialog.accept();
    });
    window->OnPreferences();
    EXPECT_EQ(window->Board().Preferences().blockColours[3], 0x123456u);
    TickUntilIdle(*window, clock);
    ClickBlocks(*window, FirstSolutionMove(window->GamePuzzle()));
    window->OnCommit();
    const DesktopRect outer = window->OuterRect();
    window->close();

    MainWindowRecord mainRecord;
    MusicRecord musicRecord;
    Puzzle loaded;
    ASSERT_EQ(LoadStateFile("PREFS.SAV", mainRecord, musicRecord, loaded), StateReadResult::Read);
    EXPECT_EQ(mainRecord.windowRect, outer);
    EXPECT_TRUE(mainRecord.ironman);
    EXPECT_FALSE(mainRecord.soundEffects);
    EXPECT_EQ(mainRecord.blockColours, window->Board().Preferences().blockColours);
    EXPECT_EQ(mainRecord.antiAliasing, window->Board().Preferences().antiAliasing);
    EXPECT_EQ(musicRecord.musicFolder, "/some/where");
    EXPECT_FALSE(musicRecord.music);
    EXPECT_EQ(loaded.Settings(), window->GamePuzzle().Settings());
    EXPECT_EQ(loaded.Solution(), window->GamePuzzle().Solution());
    EXPECT_EQ(loaded.InitialRows(), window->GamePuzzle().InitialRows());
    EXPECT_TRUE(loaded.History().empty()) << "the moves go to GAME.SAV, not PREFS.SAV";
}

TEST_F(MainWindowTest, QuitAndFileExitCloseTheWindowAndWriteTheState)
{
    for (const int id : {ID_QUIT, ID_MENU_EXIT}) {
        QFile::remove(QStringLiteral("PREFS.SAV"));
        auto window = ShowNewWindow();
        TabTo(*window, window->CommandButton(ID_QUIT));
        window->OnCommand(id);
        EXPECT_TRUE(window->isVisible()) << "the close request is posted, not run at once";
        // The window's own focus child, whether or not the window is active.
        EXPECT_EQ(window->focusWidget(), &window->FocusButton()) << id;
        QApplication::processEvents();
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(QFile::exists(QStringLiteral("PREFS.SAV"))) << id;
    }
}

TEST_F(MainWindowTest, ClosingMaximisedOpensMaximisedWithTheDefaultNormalSize)
{
    {
        auto window = ShowNewWindow();
        window->showMaximized();
        QApplication::processEvents();
        ASSERT_TRUE(window->isMaximized());
        window->close();
    }
    auto again = std::make_unique<GameMainWindow>();
    EXPECT_TRUE(again->StartMaximized());
    EXPECT_EQ(again->StartRect(), DEFAULT_WINDOW_RECT);
    again->ShowAtStart();
    QApplication::processEvents();
    EXPECT_TRUE(again->isMaximized());
    again->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(again->frameGeometry().size(), QSize(480, 320));
}

TEST_F(MainWindowTest, BackgroundWorkStartsTheMusicOnce)
{
    auto window = ShowNewWindow();
    window->StartBackgroundWork();
    EXPECT_TRUE(window->Music().IsCreated());
    window->StartBackgroundWork();
    EXPECT_TRUE(window->Music().IsCreated());
}

} // namespace

namespace {

TEST(ApplicationStart, ColoursTheDialogsAndShowsTheWindow)
{
    ScratchDirectory scratch;
    Application& application = TestApplication();
    ASSERT_TRUE(application.Start());
    GameMainWindow* window = application.MainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    for (const char* kind : {"QDialog", "QMessageBox"}) {
        const QPalette palette = QApplication::palette(kind);
        EXPECT_EQ(palette.color(QPalette::Window), QColor(255, 255, 128)) << kind;
        EXPECT_EQ(palette.color(QPalette::WindowText), QColor(128, 0, 0)) << kind;
    }
    QDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_NE(window->palette().color(QPalette::Window), QColor(255, 255, 128))
        << "only dialogs wear the dialog colours";
    // The menu bar's overflow button, whose icon is read only when drawn,
    // shows the desktop style's own.
    const auto* overflow = window->MainMenu().findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    const auto* style = qobject_cast<const QProxyStyle*>(QApplication::style());
    ASSERT_NE(overflow, nullptr);
    ASSERT_NE(style, nullptr);
    const QImage drawn = overflow->icon().pixmap(16).toImage();
    EXPECT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn, style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage());
    window->close();
}

// Each kind of report on a file, from the code that makes it, in a folder
// whose name holds "%1" and "%2" as a value must never be read as a place.
TEST(ApplicationReports, EveryReportOnAFileReadsInEnglishAsTheEngineWordsIt)
{
    ScratchDirectory scratch;
    const std::string folder = "odd %2 %1";
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder)));
    const auto write = [&folder](const char* name, const QByteArray& bytes) {
        QFile file(QString::fromStdString(folder + "/" + name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return folder + "/" + name;
    };
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder + "/PREFS.SAV.d")));
    ASSERT_EQ(::mkfifo((folder + "/fifo").c_str(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("gone/PREFS.SAV"), QString::fromStdString(folder + "/link.sav")));
    std::vector<FileReport> reports(15);
    MainWindowRecord main;
    MusicRecord music;
    Puzzle puzzle;
    LoadStateFile(folder + "/PREFS.SAV.d", main, music, puzzle, &reports[0]);
    LoadStateFile(folder + "/fifo", main, music, puzzle, &reports[1]);
    LoadStateFile(write("large.sav", QByteArray(2 << 20, 'x')), main, music, puzzle, &reports[2]);
    LoadStateFile(write("empty.sav", {}), main, music, puzzle, &reports[3]);
    LoadStateFile(write("format.sav", QByteArray("\x05\0\0\0", 4)), main, music, puzzle, &reports[4]);
    LoadGameFile(write("junk.sav", "junk junk junk"), puzzle, &reports[5]);
    SaveStateFile(folder + "/gone/PREFS.SAV", main, music, puzzle, &reports[6]);
    SaveGameFile(folder + "/link.sav", puzzle, true, &reports[7]);
    ReadWarnOfDeadEnds(write("HINTS.SAV", "warn-dead-ends=maybe\n"), &reports[8]);
    reports[9] = UnreadFileKeptReport(folder + "/PREFS.SAV");
    reports[10] = UnreadGameFileKeptReport(folder + "/GAME.SAV");
    ReadWarnOfDeadEnds(folder + "/PREFS.SAV.d", &reports[11]);
    reports[12] = ReadJournal(write("one.journal", "damaged\n")).report;
    reports[13] = ReadJournal(write("two.journal", "damaged\ndamaged\n")).report;
    AppendToJournal(folder + "/PREFS.SAV.d", GameRecord{}, &reports[14]);
    for (const FileReport& report : reports) {
        ASSERT_FALSE(report.Empty());
        EXPECT_EQ(ReportText(report).toStdString(), EnglishLine(report));
        EXPECT_NE(EnglishLine(report).find(folder), std::string::npos) << EnglishLine(report);
    }
}

} // namespace
