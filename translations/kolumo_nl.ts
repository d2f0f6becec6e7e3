<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>Vrij te spelen, kopiëren en delen.</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>Door de puzzelmakers van Kolumo
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Over Kolumo</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo versie %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>--puzzle heeft een puzzelcode nodig</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>kan de puzzelcode &quot;%1&quot; niet lezen: %2</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Website bezoeken</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>Muziekmap</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Statistieken wissen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Bord</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>kleur %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>leeg</translation>
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
            <numerusform>%1: nog %n over</numerusform>
            <numerusform>%1: nog %n over</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>Bord: %1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>Pijltjestoetsen gaan langs de rij-einden, Enter kiest, spatiebalk neemt de keuze weg</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>plek %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>rij %1</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>nog %n blok over</numerusform>
            <numerusform>nog %n blokken over</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>Geweigerd</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Geweigerd: %1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>Zet gedaan</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>%n blok weggenomen: %1</numerusform>
            <numerusform>%n blokken weggenomen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>Zet teruggenomen, %1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>Nieuw bord, %n rij, %1</numerusform>
            <numerusform>Nieuw bord, %n rijen, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Bord leeg</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the last two row numbers of a list (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation> en </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>rijen %1</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>beide uiteinden van rij %1</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>beide uiteinden van rijen %1</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>Tip: neem %n blok weg, %1, van %2</numerusform>
            <numerusform>Tip: neem %n blokken weg, %1, van %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>rij-einde</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>Niet aan een uiteinde van de rij</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>Een zet neemt hoogstens %n blok weg</numerusform>
            <numerusform>Een zet neemt hoogstens %n blokken weg</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>Er is een andere kleur gekozen</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>Niet terwijl de oplossing speelt</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niets om terug te nemen</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Niets om opnieuw te doen</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>On a button of the bar, where room is short. Starts the same puzzle again from its start.</extracomment>
        <translation>Herstart</translation>
    </message>
    <message>
        <source>Prefs</source>
        <extracomment>On a button of the bar, where room is short. Opens the preferences; short for Preferences.</extracomment>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.</extracomment>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>Los op</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>Help</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>Over</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>rood</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>geel</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyaan</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>the colour</extracomment>
        <translation>oranje</translation>
    </message>
    <message>
        <source>white</source>
        <extracomment>the colour</extracomment>
        <translation>wit</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>grijs</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>paars</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>zwart</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>lichtgrijs</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>donkergrijs</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>bruin</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>roze</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>donkergroen</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>marineblauw</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>Kleur %1: %2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>de waarschuwing bij impasse blijft uit</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>regel %1 van %2 genegeerd: het is niet &quot;%3=on&quot; of &quot;%3=off&quot;</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>onvolledig bestand</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>leeg bestand</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>geen opgeslagen spel</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>een zaadgetal dat bekend noch onbekend is</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>een zet die niet kan</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>bytes na de laatste zet</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>een afgelopen spel</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>de puzzel begint bij het begin</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>opgeslagen zetten in %1 genegeerd: %2; de puzzel begint bij het begin</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>zetten niet bewaard: %1 kon bij de start niet worden gelezen en blijft dus zoals het was</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>in gebruik door een ander programma</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>groter dan %1 bytes</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>slechts %1 van %2 bytes geschreven</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>er worden geen statistieken getoond of vastgelegd</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n beschadigd record in %1 genegeerd; de rest telt mee</numerusform>
            <numerusform>%n beschadigde records in %1 genegeerd; de rest telt mee</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>%n beschadigd record in %1 genegeerd; de rest telt mee</numerusform>
            <numerusform>%n beschadigde records in %1 genegeerd; de rest telt mee</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>kon het spel niet vastleggen in %1: %2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>kon %1 niet opslaan: %2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>beschadigd bestand</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>onbekend formaatnummer %1</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>begint met de standaardinstellingen</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>%1 genegeerd: %2; begint met de standaardinstellingen</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>opgeslagen puzzel in %1 genegeerd: %2; er begint een nieuwe puzzel</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>niets bewaard: %1 kon bij de start niet worden gelezen en blijft dus zoals het was</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>kan %1 niet lezen: %2; %3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>kon %1 (een koppeling naar %2) niet opslaan: %3</translation>
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
        <translation>Bestand        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>Herstart</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>Terug naar een oplosbare stand</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>Puzzel van de dag</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>Puzzelcode kopiëren</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>Puzzelcode openen…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Voorkeuren        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>Beeld / Geluid</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>Waarschuwen bij impasse</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Help        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Over Kolumo</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — Puzzel van de dag</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>Deze puzzel heeft geen code; een nieuw spel wel</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>Puzzelcode %1 gekopieerd</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistieken…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Kolumo Help</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>Muziekmap kiezen (kies een willekeurig MIDI-bestand erin)</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>MIDI-bestanden (*.mid)</translation>
    </message>
</context>
<context>
    <name>NumberPicker</name>
    <message>
        <source>Less</source>
        <extracomment>Spoken name of a number picker&apos;s down arrow.</extracomment>
        <translation>Minder</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>Spoken name of a number picker&apos;s up arrow.</extracomment>
        <translation>Meer</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>Aantal kleuren</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>Aantal rijen</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>Rijbreedte</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>Kies de grootte van het bord en het aantal kleuren: </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>Kies het minimum en maximum per zet: </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo - Spelopties</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>Minder kleuren</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>Meer kleuren</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Minder rijen</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Meer rijen</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>Smallere rijen</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>Bredere rijen</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>Lager minimum</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>Hoger minimum</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>Lager maximum</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>Hoger maximum</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Dit bord kan niet meer leeg. Neem terug, of kies Terug naar een oplosbare stand.</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>Binnen een seconde is niet te zeggen of dit bord nog leeg kan.</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>Geen zet meer mogelijk. Neem terug, Herstart, of kies Terug naar een oplosbare stand.</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Na die zet kan het bord niet meer leeg. Neem terug, of kies Terug naar een oplosbare stand.</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>Dit bord kan nog leeg.</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>Geen zet meer mogelijk. Neem terug of Herstart.</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>Geen tips in een Ironman-spel.</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>Geen tips terwijl de oplossing speelt.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>Geen Terug naar een oplosbare stand in een Ironman-spel.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>Geen Terug naar een oplosbare stand terwijl de oplossing speelt.</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>Het bord is leeg.</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>Geen zet om terug te nemen.</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n zet teruggenomen; dit bord kan leeg.</numerusform>
            <numerusform>%n zetten teruggenomen; dit bord kan leeg.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n zet teruggenomen; binnen een seconde is niet te zeggen of dit bord leeg kan.</numerusform>
            <numerusform>%n zetten teruggenomen; binnen een seconde is niet te zeggen of dit bord leeg kan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>%n zet teruggenomen; dit bord kan leeg.</numerusform>
            <numerusform>%n zetten teruggenomen; dit bord kan leeg.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>%n zet teruggenomen; binnen een seconde is niet te zeggen of dit bord leeg kan.</numerusform>
            <numerusform>%n zetten teruggenomen; binnen een seconde is niet te zeggen of dit bord leeg kan.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>Geluidseffecten?</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>Ironman (vanaf het volgende spel, lost niet zelf op)?</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>Muziek?</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>Anti-aliasing (vloeiendere cijfers en symbolen)?</translation>
    </message>
    <message>
        <source>Kolumo - Preferences</source>
        <translation>Kolumo - Voorkeuren</translation>
    </message>
</context>
<context>
    <name>PuzzleCodeDialog</name>
    <message>
        <source>Type or paste a puzzle code:</source>
        <translation>Typ of plak een puzzelcode:</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>Puzzelcode openen</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>Puzzelcode</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>Die code is niet te lezen: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>&quot;%1&quot; is geen teken van een puzzelcode</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>een puzzelcode bevat alleen letters en cijfers</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>een puzzelcode heeft %1 letters en cijfers, deze %n</numerusform>
            <numerusform>een puzzelcode heeft %1 letters en cijfers, deze %n</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>een teken van de code is verkeerd getypt</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>de code komt uit een andere versie van Kolumo</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>de code noemt spelopties die Kolumo niet biedt</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Leeggemaakt</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>Spellen van de laatste 30 dagen</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>De gespeelde spellen per combinatie van spelopties:</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>De laatste 30 dagen: begonnen spellen (licht) en leeggemaakte borden (donker):</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Leeggemaakt</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Zonder hulp</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>Ironman</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Huidige reeks</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Beste reeks</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Snelste</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>Dagen op rij</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Gespeelde spellen</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>Het overzicht van de spellen kon niet worden gelezen en blijft zoals het is: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>%n beschadigde regel van de spellen is overgeslagen.</numerusform>
            <numerusform>%n beschadigde regels van de spellen zijn overgeslagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>Puzzels van de dag</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>%1 breed, %2 rijen, %3 kleuren, %4–%5 per zet</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>De statistieken konden niet worden gewist: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Statistieken wissen</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>Alle tot nu toe vastgelegde spellen vergeten? Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>harten</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>ster</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>zon</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>paraplu</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>smiley</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>vliegtuig</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>sneeuwvlok</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>anker</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>commandoteken</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>muzieknoot</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>yin-yang</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>bloem</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>vlag</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>telefoon</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>schaar</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>envelop</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>paard</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>bliksem</translation>
    </message>
</context>
</TS>
