<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>Играйте, копируйте, делитесь.</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>От авторов головоломок Kolumo
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Об игре Kolumo</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo, версия %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>для --puzzle нужен код головоломки</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>не удаётся прочитать код головоломки «%1»: %2</translation>
    </message>
</context>
<context>
    <name>BitmapButton</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Сайт игры</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>Папка музыки</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Сбросить статистику</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Поле</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>цвет %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>пусто</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A block: its colour, then the symbol drawn on it (&quot;blue, scissors&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n left</source>
        <extracomment>A counter: the colour, then how many blocks of it are left (&quot;red: 6 left&quot;).</extracomment>
        <translation>
            <numerusform>%1: остался %n</numerusform>
            <numerusform>%1: осталось %n</numerusform>
            <numerusform>%1: осталось %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>Поле: %1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>Стрелки переходят между краями рядов, Enter выбирает, пробел снимает выбранное</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>место %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>ряд %1</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>остался %n блок</numerusform>
            <numerusform>осталось %n блока</numerusform>
            <numerusform>осталось %n блоков</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Отказ: %1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>Ход сделан</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>Снят %n блок, цвет %1</numerusform>
            <numerusform>Снято %n блока, цвет %1</numerusform>
            <numerusform>Снято %n блоков, цвет %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>Ход отменён, %1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>Новое поле, %n ряд, %1</numerusform>
            <numerusform>Новое поле, %n ряда, %1</numerusform>
            <numerusform>Новое поле, %n рядов, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Поле очищено</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the last two row numbers of a list (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation> и </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>ряды %1</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>оба края ряда %1</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>оба края рядов %1</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>Подсказка: снять %n блок, цвет %1; %2</numerusform>
            <numerusform>Подсказка: снять %n блока, цвет %1; %2</numerusform>
            <numerusform>Подсказка: снять %n блоков, цвет %1; %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>край ряда</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>Это не край ряда</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>Ход снимает максимум %n блок</numerusform>
            <numerusform>Ход снимает максимум %n блока</numerusform>
            <numerusform>Ход снимает максимум %n блоков</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>Выбран другой цвет</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>Не во время «Решить»</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Нечего отменять</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Нечего повторять</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>On a button of the bar, where room is short. Starts the same puzzle again from its start.</extracomment>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Prefs</source>
        <extracomment>On a button of the bar, where room is short. Opens the preferences; short for Preferences.</extracomment>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.</extracomment>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>Решить</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>красный</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>жёлтый</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>пурпурный</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>голубой</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>the colour</extracomment>
        <translation>оранжевый</translation>
    </message>
    <message>
        <source>white</source>
        <extracomment>the colour</extracomment>
        <translation>белый</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>серый</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>фиолетовый</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>светло-серый</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>тёмно-серый</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>коричневый</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>розовый</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>тёмно-зелёный</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>тёмно-синий</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>Цвет %1: %2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>предупреждение о тупиках остаётся выключенным</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>пропущена строка %1 файла %2: это не «%3=on» и не «%3=off»</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>файл неполный</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>это не сохранённая игра</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>зерно ни известное, ни неизвестное</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>ход, который нельзя сделать</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>байты после последнего хода</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>законченная игра</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>головоломка начинается с начала</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>сохранённые ходы в %1 пропущены: %2; головоломка начинается с начала</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>ходы не сохранены: %1 не удалось прочитать при запуске, поэтому он оставлен как был</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>файл занят другой программой</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>файл больше %1 байт</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>записано только %1 из %2 байт</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>статистика не показывается и не записывается</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>пропущена %n повреждённая запись в %1; остальные учитываются</numerusform>
            <numerusform>пропущены %n повреждённые записи в %1; остальные учитываются</numerusform>
            <numerusform>пропущено %n повреждённых записей в %1; остальные учитываются</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>пропущена %n повреждённая запись в %1; остальные учитываются</numerusform>
            <numerusform>пропущены %n повреждённые записи в %1; остальные учитываются</numerusform>
            <numerusform>пропущено %n повреждённых записей в %1; остальные учитываются</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>не удалось записать игру в %1: %2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>не удалось сохранить %1: %2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>файл повреждён</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>неизвестный номер формата %1</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>используются настройки по умолчанию</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>%1 пропущен: %2; используются настройки по умолчанию</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>сохранённая головоломка в %1 пропущена: %2; начинается новая головоломка</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>ничего не сохранено: %1 не удалось прочитать при запуске, поэтому он оставлен как был</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>не удаётся прочитать %1: %2; %3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>не удалось сохранить %1 (ссылку на %2): %3</translation>
    </message>
</context>
<context>
    <name>GameMainWindow</name>
    <message>
        <source>Kolumo</source>
        <translation>Kolumo</translation>
    </message>
    <message>
        <source>File        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Файл        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>Назад к решаемой позиции</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>Головоломка дня</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>Копировать код головоломки</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>Открыть код головоломки…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Настройки        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>Графика / Звук</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>Параметры игры</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>Предупреждать о тупиках</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Помощь        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Об игре Kolumo</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — Головоломка дня</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>У этой головоломки нет кода; у новой игры он будет</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>Код головоломки %1 скопирован</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Статистика…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Справка Kolumo</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>Выбор папки с музыкой (выберите в ней любой файл MIDI)</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>Файлы MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>NumberPicker</name>
    <message>
        <source>Less</source>
        <extracomment>Spoken name of a number picker&apos;s down arrow.</extracomment>
        <translation>Меньше</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>Spoken name of a number picker&apos;s up arrow.</extracomment>
        <translation>Больше</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>Число цветов</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>Число рядов</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>Ширина ряда</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>Минимум</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>Выберите размер поля и число цветов: </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>Максимум</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>Выберите минимум и максимум блоков за ход: </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo - Параметры игры</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>Меньше цветов</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>Больше цветов</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Меньше рядов</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Больше рядов</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>Сузить ряды</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>Расширить ряды</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>Уменьшить минимум</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>Увеличить минимум</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>Уменьшить максимум</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>Увеличить максимум</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Это поле уже нельзя очистить. Вернитесь на ход назад или выберите «Назад к решаемой позиции».</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>За секунду не удалось определить, можно ли ещё очистить это поле.</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>Ходов не осталось. Вернитесь на ход назад, начните «Заново» или выберите «Назад к решаемой позиции».</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>После этого хода поле уже нельзя очистить. Вернитесь на ход назад или выберите «Назад к решаемой позиции».</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>Это поле ещё можно очистить.</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>Ходов не осталось. Вернитесь на ход назад или начните «Заново».</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>В игре Ironman подсказок нет.</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>Пока работает «Решить», подсказок нет.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>В игре Ironman нет «Назад к решаемой позиции».</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>Пока работает «Решить», «Назад к решаемой позиции» недоступно.</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>Поле очищено.</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>Нет хода для отмены.</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>Отменён %n ход; это поле можно очистить.</numerusform>
            <numerusform>Отменено %n хода; это поле можно очистить.</numerusform>
            <numerusform>Отменено %n ходов; это поле можно очистить.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>Отменён %n ход; за секунду не удалось определить, можно ли очистить это поле.</numerusform>
            <numerusform>Отменено %n хода; за секунду не удалось определить, можно ли очистить это поле.</numerusform>
            <numerusform>Отменено %n ходов; за секунду не удалось определить, можно ли очистить это поле.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>Отменён %n ход; это поле можно очистить.</numerusform>
            <numerusform>Отменено %n хода; это поле можно очистить.</numerusform>
            <numerusform>Отменено %n ходов; это поле можно очистить.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>Отменён %n ход; за секунду не удалось определить, можно ли очистить это поле.</numerusform>
            <numerusform>Отменено %n хода; за секунду не удалось определить, можно ли очистить это поле.</numerusform>
            <numerusform>Отменено %n ходов; за секунду не удалось определить, можно ли очистить это поле.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>Звуки?</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>Ironman (со следующей игры, без авторешения)?</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>Музыка?</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>Сглаживание (более гладкие цифры и символы)?</translation>
    </message>
    <message>
        <source>Kolumo - Preferences</source>
        <translation>Kolumo - Настройки</translation>
    </message>
</context>
<context>
    <name>PuzzleCodeDialog</name>
    <message>
        <source>Type or paste a puzzle code:</source>
        <translation>Введите или вставьте код головоломки:</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>Открыть код головоломки</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>Код головоломки</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>Этот код не удаётся прочитать: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>«%1» — не символ кода головоломки</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>код головоломки состоит только из букв и цифр</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>в коде головоломки %1 букв и цифр, в этом — %n</numerusform>
            <numerusform>в коде головоломки %1 букв и цифр, в этом — %n</numerusform>
            <numerusform>в коде головоломки %1 букв и цифр, в этом — %n</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>в коде опечатка</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>код от другой версии Kolumo</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>код задаёт параметры игры, которых нет в Kolumo</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Начато</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Очищено</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>Игры за последние 30 дней</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>Игры с каждым набором параметров игры:</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>Последние 30 дней: начатые игры (светлые) и очищенные поля (тёмные):</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>Параметры игры</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Начато</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Очищено</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Без помощи</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>Ironman</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Текущая серия</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Лучшая серия</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Лучшее время</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>Дней подряд</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Сыгранные игры</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>Не удалось прочитать журнал игр; он оставлен как есть: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>Пропущена %n повреждённая запись об играх.</numerusform>
            <numerusform>Пропущены %n повреждённые записи об играх.</numerusform>
            <numerusform>Пропущено %n повреждённых записей об играх.</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>Головоломки дня</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>ширина %1, рядов %2, цветов %3, за ход %4–%5</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>Не удалось сбросить статистику: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Сбросить статистику</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>Забыть все записанные до сих пор игры? Это нельзя отменить.</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>пики</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>червы</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>бубны</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>трефы</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>звезда</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>солнце</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>зонтик</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>смайлик</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>самолёт</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>снежинка</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>якорь</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>знак Command</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>нота</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>инь-ян</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>цветок</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>флаг</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>телефон</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>ножницы</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>конверт</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>конь</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>молния</translation>
    </message>
</context>
</TS>
