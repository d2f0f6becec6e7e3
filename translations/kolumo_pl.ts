<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>Wolno grać, kopiować i udostępniać.</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>Dzieło twórców łamigłówek Kolumo
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>O grze Kolumo</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo wersja %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>--puzzle wymaga kodu łamigłówki</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>nie można odczytać kodu łamigłówki „%1”: %2</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Strona gry</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>Folder muzyki</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Wyzeruj statystyki</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>kolor %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>puste</translation>
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
            <numerusform>%1: został %n</numerusform>
            <numerusform>%1: zostały %n</numerusform>
            <numerusform>%1: zostało %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>Plansza: %1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>Strzałki przechodzą między końcami rzędów, Enter wybiera, spacja zdejmuje wybrane</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>miejsce %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>rząd %1</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>został %n klocek</numerusform>
            <numerusform>zostały %n klocki</numerusform>
            <numerusform>zostało %n klocków</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>Odmowa</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Odmowa: %1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>Ruch wykonany</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>Zdjęto %n klocek, kolor %1</numerusform>
            <numerusform>Zdjęto %n klocki, kolor %1</numerusform>
            <numerusform>Zdjęto %n klocków, kolor %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>Ruch cofnięty, %1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>Nowa plansza, %n rząd, %1</numerusform>
            <numerusform>Nowa plansza, %n rzędy, %1</numerusform>
            <numerusform>Nowa plansza, %n rzędów, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Plansza wyczyszczona</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the last two row numbers of a list (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation> i </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>rzędy %1</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>oba końce rzędu %1</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>oba końce rzędów %1</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>Podpowiedź: zdejmij %n klocek, kolor %1; %2</numerusform>
            <numerusform>Podpowiedź: zdejmij %n klocki, kolor %1; %2</numerusform>
            <numerusform>Podpowiedź: zdejmij %n klocków, kolor %1; %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>koniec rzędu</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>To nie koniec rzędu</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>Ruch zdejmuje najwyżej %n klocek</numerusform>
            <numerusform>Ruch zdejmuje najwyżej %n klocki</numerusform>
            <numerusform>Ruch zdejmuje najwyżej %n klocków</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>Wybrano inny kolor</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>Nie w trakcie Rozwiąż</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nie ma czego cofnąć</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nie ma czego ponowić</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>On a button of the bar, where room is short. Starts the same puzzle again from its start.</extracomment>
        <translation>Powtórz</translation>
    </message>
    <message>
        <source>Prefs</source>
        <extracomment>On a button of the bar, where room is short. Opens the preferences; short for Preferences.</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.</extracomment>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>Wyjdź</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>czerwony</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>żółty</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>purpurowy</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>błękitny</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>the colour</extracomment>
        <translation>pomarańczowy</translation>
    </message>
    <message>
        <source>white</source>
        <extracomment>the colour</extracomment>
        <translation>biały</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>szary</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>fioletowy</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>czarny</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>jasnoszary</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>ciemnoszary</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>brązowy</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>różowy</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>ciemnozielony</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>granatowy</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>Kolor %1: %2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>ostrzeganie przed ślepym zaułkiem pozostaje wyłączone</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>pominięto wiersz %1 pliku %2: to nie jest „%3=on” ani „%3=off”</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>plik jest niekompletny</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>plik jest pusty</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>to nie jest zapisana gra</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>ziarno ani znane, ani nieznane</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>ruch, którego nie da się wykonać</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>bajty po ostatnim ruchu</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>zakończona gra</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>gra zaczyna od początku łamigłówki</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>pominięto zapisane ruchy w %1: %2; gra zaczyna od początku łamigłówki</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>ruchów nie zapisano: przy uruchomieniu nie dało się odczytać %1, więc pozostaje bez zmian</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>plik jest używany przez inny program</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>plik ma więcej niż %1 bajtów</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>zapisano tylko %1 z %2 bajtów</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>statystyki nie są pokazywane ani zapisywane</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>pominięto %n uszkodzony zapis w %1; liczone są pozostałe</numerusform>
            <numerusform>pominięto %n uszkodzone zapisy w %1; liczone są pozostałe</numerusform>
            <numerusform>pominięto %n uszkodzonych zapisów w %1; liczone są pozostałe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>pominięto %n uszkodzony zapis w %1; liczone są pozostałe</numerusform>
            <numerusform>pominięto %n uszkodzone zapisy w %1; liczone są pozostałe</numerusform>
            <numerusform>pominięto %n uszkodzonych zapisów w %1; liczone są pozostałe</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>nie udało się zapisać gry w %1: %2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>nie udało się zapisać %1: %2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>plik jest uszkodzony</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>nieznany numer formatu %1</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>gra zaczyna z ustawieniami domyślnymi</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>pominięto %1: %2; gra zaczyna z ustawieniami domyślnymi</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>pominięto zapisaną łamigłówkę w %1: %2; zaczyna się nowa łamigłówka</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>nic nie zapisano: przy uruchomieniu nie dało się odczytać %1, więc pozostaje bez zmian</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>nie można odczytać %1: %2; %3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>nie udało się zapisać %1 (dowiązania do %2): %3</translation>
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
        <translation>Plik        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>Powtórz</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>Wróć do rozwiązywalnej pozycji</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>Łamigłówka dnia</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>Kopiuj kod łamigłówki</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>Otwórz kod łamigłówki…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Ustawienia        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>Grafika / Dźwięk</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>Opcje gry</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>Ostrzegaj przed ślepym zaułkiem</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Pomoc        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>O grze Kolumo</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>Podręcznik</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — Łamigłówka dnia</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>Ta łamigłówka nie ma kodu; nowa gra będzie go mieć</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>Skopiowano kod łamigłówki %1</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statystyki…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Kolumo – pomoc</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>Wybierz folder z muzyką (wskazując dowolny plik MIDI w nim)</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>Pliki MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>NumberPicker</name>
    <message>
        <source>Less</source>
        <extracomment>Spoken name of a number picker&apos;s down arrow.</extracomment>
        <translation>Mniej</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>Spoken name of a number picker&apos;s up arrow.</extracomment>
        <translation>Więcej</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>Liczba kolorów</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>Liczba rzędów</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>Szerokość rzędu</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>Wybierz rozmiar planszy i liczbę kolorów: </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>Maksimum</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>Wybierz minimum i maksimum zdejmowane w ruchu: </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo - Opcje gry</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>Mniej kolorów</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>Więcej kolorów</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Mniej rzędów</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Więcej rzędów</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>Węższe rzędy</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>Szersze rzędy</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>Niższe minimum</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>Wyższe minimum</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>Niższe maksimum</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>Wyższe maksimum</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Tej planszy nie da się już wyczyścić. Cofnij albo wybierz Wróć do rozwiązywalnej pozycji.</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>W ciągu sekundy nie da się stwierdzić, czy tę planszę można jeszcze wyczyścić.</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>Nie ma już ruchu. Cofnij, Powtórz albo wybierz Wróć do rozwiązywalnej pozycji.</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Po tym ruchu planszy nie da się już wyczyścić. Cofnij albo wybierz Wróć do rozwiązywalnej pozycji.</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>Tę planszę wciąż można wyczyścić.</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>Nie ma już ruchu. Cofnij albo Powtórz.</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>W grze Ironman nie ma podpowiedzi.</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>Brak podpowiedzi w trakcie Rozwiąż.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>W grze Ironman nie ma Wróć do rozwiązywalnej pozycji.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>Brak Wróć do rozwiązywalnej pozycji w trakcie Rozwiąż.</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>Plansza jest pusta.</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>Nie ma ruchu do cofnięcia.</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>Cofnięto %n ruch; tę planszę można wyczyścić.</numerusform>
            <numerusform>Cofnięto %n ruchy; tę planszę można wyczyścić.</numerusform>
            <numerusform>Cofnięto %n ruchów; tę planszę można wyczyścić.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>Cofnięto %n ruch; w ciągu sekundy nie da się stwierdzić, czy tę planszę można wyczyścić.</numerusform>
            <numerusform>Cofnięto %n ruchy; w ciągu sekundy nie da się stwierdzić, czy tę planszę można wyczyścić.</numerusform>
            <numerusform>Cofnięto %n ruchów; w ciągu sekundy nie da się stwierdzić, czy tę planszę można wyczyścić.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>Cofnięto %n ruch; tę planszę można wyczyścić.</numerusform>
            <numerusform>Cofnięto %n ruchy; tę planszę można wyczyścić.</numerusform>
            <numerusform>Cofnięto %n ruchów; tę planszę można wyczyścić.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>Cofnięto %n ruch; w ciągu sekundy nie da się stwierdzić, czy tę planszę można wyczyścić.</numerusform>
            <numerusform>Cofnięto %n ruchy; w ciągu sekundy nie da się stwierdzić, czy tę planszę można wyczyścić.</numerusform>
            <numerusform>Cofnięto %n ruchów; w ciągu sekundy nie da się stwierdzić, czy tę planszę można wyczyścić.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>Efekty dźwiękowe?</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>Ironman (od następnej gry, gra sama nie rozwiąże)?</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>Muzyka?</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>Wygładzanie (gładsze cyfry i symbole)?</translation>
    </message>
    <message>
        <source>Kolumo - Preferences</source>
        <translation>Kolumo - Ustawienia</translation>
    </message>
</context>
<context>
    <name>PuzzleCodeDialog</name>
    <message>
        <source>Type or paste a puzzle code:</source>
        <translation>Wpisz lub wklej kod łamigłówki:</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>Otwórz kod łamigłówki</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>Kod łamigłówki</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>Tego kodu nie da się odczytać: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>„%1” nie jest znakiem kodu łamigłówki</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>kod łamigłówki ma tylko litery i cyfry</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>kod łamigłówki ma %1 liter i cyfr, ten ma %n</numerusform>
            <numerusform>kod łamigłówki ma %1 liter i cyfr, ten ma %n</numerusform>
            <numerusform>kod łamigłówki ma %1 liter i cyfr, ten ma %n</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>jeden znak kodu jest błędnie wpisany</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>kod pochodzi z innej wersji Kolumo</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>kod wskazuje opcje gry, których Kolumo nie oferuje</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Rozpoczęte</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Wyczyszczone</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>Gry z ostatnich 30 dni</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>Gry rozegrane z każdym zestawem opcji gry:</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>Ostatnie 30 dni: rozpoczęte gry (jasne) i wyczyszczone plansze (ciemne):</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>Opcje gry</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Rozpoczęte</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Wyczyszczone</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Bez pomocy</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>Ironman</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Obecna seria</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Najlepsza seria</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Najlepszy czas</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>Dni z rzędu</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Rozegrane gry</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>Nie udało się odczytać zapisu gier; pozostaje bez zmian: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>Pominięto %n uszkodzony zapis gry.</numerusform>
            <numerusform>Pominięto %n uszkodzone zapisy gier.</numerusform>
            <numerusform>Pominięto %n uszkodzonych zapisów gier.</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>Łamigłówki dnia</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>szerokość %1, rzędów %2, kolorów %3, na ruch %4–%5</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>Nie udało się wyzerować statystyk: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Wyzeruj statystyki</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>Zapomnieć wszystkie dotąd zapisane gry? Tego nie da się cofnąć.</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>pik</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>kier</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>karo</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>trefl</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>gwiazda</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>słońce</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>parasol</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>uśmiechnięta buźka</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>samolot</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>płatek śniegu</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>kotwica</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>znak Command</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>nuta</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>yin-yang</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>kwiat</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>flaga</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>telefon</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>nożyczki</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>koperta</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>skoczek</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>błyskawica</translation>
    </message>
</context>
</TS>
