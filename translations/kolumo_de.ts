<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>Frei zu spielen, kopieren und teilen.</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>Von den Kolumo-Rätselmachern
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Über Kolumo</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo Version %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>--puzzle braucht einen Rätselcode</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>Rätselcode „%1“ nicht lesbar: %2</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>Musikordner</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>leer</translation>
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
            <numerusform>%1: %n übrig</numerusform>
            <numerusform>%1: %n übrig</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>Spielfeld: %1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>Pfeiltasten wechseln zwischen Reihenenden, Eingabetaste wählt, Leertaste nimmt die Auswahl</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>Platz %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>Reihe %1</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>%n Stein übrig</numerusform>
            <numerusform>%n Steine übrig</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>Zug gemacht</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>%n Stein in %1 genommen</numerusform>
            <numerusform>%n Steine in %1 genommen</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>Zug zurückgenommen, %1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>Neues Spielfeld, %n Reihe, %1</numerusform>
            <numerusform>Neues Spielfeld, %n Reihen, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Spielfeld abgeräumt</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the last two row numbers of a list (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation> und </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>Reihen %1</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>beiden Enden von Reihe %1</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>beiden Enden der Reihen %1</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>Tipp: %n Stein in %1 nehmen, aus %2</numerusform>
            <numerusform>Tipp: %n Steine in %1 nehmen, aus %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>Reihenende</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>Nicht am Ende seiner Reihe</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>Ein Zug nimmt höchstens %n Stein</numerusform>
            <numerusform>Ein Zug nimmt höchstens %n Steine</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>Eine andere Farbe ist gewählt</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>Nicht, während Lösen spielt</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nichts zurückzunehmen</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nichts wiederherzustellen</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>On a button of the bar, where room is short. Starts the same puzzle again from its start.</extracomment>
        <translation>Erneut</translation>
    </message>
    <message>
        <source>Prefs</source>
        <extracomment>On a button of the bar, where room is short. Opens the preferences; short for Preferences.</extracomment>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.</extracomment>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>the colour</extracomment>
        <translation>orange</translation>
    </message>
    <message>
        <source>white</source>
        <extracomment>the colour</extracomment>
        <translation>weiß</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>grau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>hellgrau</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>dunkelgrau</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>braun</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>dunkelgrün</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>marineblau</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>Farbe %1: %2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>die Warnung vor Sackgassen bleibt aus</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>Zeile %1 von %2 übergangen: sie ist weder &quot;%3=on&quot; noch &quot;%3=off&quot;</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>unvollständig</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>kein gespeichertes Spiel</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>ein Startwert, weder bekannt noch unbekannt</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>ein Zug, der nicht möglich ist</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>Bytes nach dem letzten Zug</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>ein beendetes Spiel</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>es geht am Anfang des Rätsels los</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>gespeicherte Züge in %1 übergangen: %2; es geht am Anfang des Rätsels los</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>Züge nicht gespeichert: %1 war beim Start nicht lesbar und bleibt darum, wie es war</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>in Benutzung</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>größer als %1 Bytes</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>nur %1 von %2 Bytes geschrieben</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>keine Statistik angezeigt oder erfasst</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n beschädigten Eintrag in %1 übergangen; der Rest zählt</numerusform>
            <numerusform>%n beschädigte Einträge in %1 übergangen; der Rest zählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>%n beschädigten Eintrag in %1 übergangen; der Rest zählt</numerusform>
            <numerusform>%n beschädigte Einträge in %1 übergangen; der Rest zählt</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>Partie konnte nicht in %1 erfasst werden: %2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>unbekannte Formatnummer %1</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>es geht mit den Voreinstellungen los</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>%1 übergangen: %2; es geht mit den Voreinstellungen los</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>gespeichertes Rätsel in %1 übergangen: %2; es beginnt ein neues Rätsel</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>nichts gespeichert: %1 war beim Start nicht lesbar und bleibt darum, wie es war</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>%1 nicht lesbar: %2; %3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>%1 (ein Link auf %2) konnte nicht gespeichert werden: %3</translation>
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
        <translation>Datei        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>Zurück zur lösbaren Stellung</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>Rätsel des Tages</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>Rätselcode kopieren</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>Rätselcode öffnen…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Optionen        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>Grafik / Ton</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>Vor Sackgassen warnen</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Hilfe        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Über Kolumo</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>Online-Handbuch</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — Rätsel des Tages</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>Dieses Rätsel hat keinen Code; ein neues Spiel hat einen</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>Rätselcode %1 kopiert</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistik…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Kolumo-Hilfe</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>Musikordner wählen (eine beliebige MIDI-Datei darin anklicken)</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>MIDI-Dateien (*.mid)</translation>
    </message>
</context>
<context>
    <name>NumberPicker</name>
    <message>
        <source>Less</source>
        <extracomment>Spoken name of a number picker&apos;s down arrow.</extracomment>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>Spoken name of a number picker&apos;s up arrow.</extracomment>
        <translation>Mehr</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>Reihenlänge</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>Größe des Spielfelds und Zahl der Farben: </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>Mindest- und Höchstzahl der Steine pro Zug: </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo - Spielregeln</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>Weniger Farben</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>Mehr Farben</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Weniger Reihen</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Mehr Reihen</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>Kürzere Reihen</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>Längere Reihen</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>Kleineres Minimum</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>Größeres Minimum</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>Kleineres Maximum</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>Größeres Maximum</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Dieses Spielfeld lässt sich nicht mehr abräumen. Wähle Zurück oder Zurück zur lösbaren Stellung.</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>Binnen einer Sekunde nicht zu sagen, ob sich dieses Spielfeld noch abräumen lässt.</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>Kein Zug mehr möglich. Wähle Zurück, Erneut oder Zurück zur lösbaren Stellung.</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Nach diesem Zug lässt sich das Spielfeld nicht mehr abräumen. Wähle Zurück oder Zurück zur lösbaren Stellung.</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>Dieses Spielfeld lässt sich noch abräumen.</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>Kein Zug mehr möglich. Wähle Zurück oder Erneut.</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>Keine Tipps in einer Ironman-Partie.</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>Keine Tipps, während Lösen läuft.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>Kein Zurück zur lösbaren Stellung in einer Ironman-Partie.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>Kein Zurück zur lösbaren Stellung, während Lösen läuft.</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>Das Spielfeld ist leer.</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>Kein Zug zum Zurücknehmen.</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n Zug zurückgenommen; dieses Spielfeld lässt sich abräumen.</numerusform>
            <numerusform>%n Züge zurückgenommen; dieses Spielfeld lässt sich abräumen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n Zug zurückgenommen; binnen einer Sekunde nicht zu sagen, ob sich dieses Spielfeld abräumen lässt.</numerusform>
            <numerusform>%n Züge zurückgenommen; binnen einer Sekunde nicht zu sagen, ob sich dieses Spielfeld abräumen lässt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>%n Zug zurückgenommen; dieses Spielfeld lässt sich abräumen.</numerusform>
            <numerusform>%n Züge zurückgenommen; dieses Spielfeld lässt sich abräumen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>%n Zug zurückgenommen; binnen einer Sekunde nicht zu sagen, ob sich dieses Spielfeld abräumen lässt.</numerusform>
            <numerusform>%n Züge zurückgenommen; binnen einer Sekunde nicht zu sagen, ob sich dieses Spielfeld abräumen lässt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>Toneffekte?</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>Ironman (ab dem nächsten Spiel, ohne Lösen)?</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>Musik?</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>Kantenglättung (glattere Zahlen und Symbole)?</translation>
    </message>
    <message>
        <source>Kolumo - Preferences</source>
        <translation>Kolumo - Optionen</translation>
    </message>
</context>
<context>
    <name>PuzzleCodeDialog</name>
    <message>
        <source>Type or paste a puzzle code:</source>
        <translation>Rätselcode eintippen oder einfügen:</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>Rätselcode öffnen</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>Rätselcode</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>Dieser Code ist nicht lesbar: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>„%1“ ist kein Zeichen eines Rätselcodes</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>ein Rätselcode hat nur Buchstaben und Ziffern</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>ein Rätselcode hat %1 Buchstaben und Ziffern, dieser %n</numerusform>
            <numerusform>ein Rätselcode hat %1 Buchstaben und Ziffern, dieser %n</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>ein Zeichen des Codes ist vertippt</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>der Code stammt aus einer anderen Version von Kolumo</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>der Code nennt Spielregeln, die Kolumo nicht bietet</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>Partien der letzten 30 Tage</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>Die gespielten Partien, nach Spielregeln:</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>Die letzten 30 Tage: begonnene Partien (hell) und abgeräumte Spielfelder (dunkel):</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Ohne Hilfe</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>Ironman</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Beste Serie</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>Tage in Folge</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespielte Partien</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>Die Liste der Partien konnte nicht gelesen werden und bleibt, wie sie ist: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>%n beschädigter Eintrag der Partien wurde ausgelassen.</numerusform>
            <numerusform>%n beschädigte Einträge der Partien wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>Rätsel des Tages</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>%2 Reihen zu %1, %3 Farben, %4–%5 pro Zug</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>Die Statistik konnte nicht zurückgesetzt werden: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>Alle bisher erfassten Partien vergessen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>Pik</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>Herz</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>Karo</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>Stern</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>Regenschirm</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>Smiley</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>Flugzeug</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>Schneeflocke</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>Anker</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>Befehlszeichen</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>Note</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>Yin und Yang</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>Blume</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>Fahne</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>Schere</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>Briefumschlag</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>Springer</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>Blitz</translation>
    </message>
</context>
</TS>
