<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>Gioca, copia e condividi in libertà.</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>Dagli autori dei puzzle di Kolumo
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Informazioni su Kolumo</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo versione %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>--puzzle richiede un codice del puzzle</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>impossibile leggere il codice del puzzle «%1»: %2</translation>
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
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visita il sito</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>Cartella musica</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Azzera statistiche</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>colore %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>vuoto</translation>
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
            <numerusform>%1: %n rimasto</numerusform>
            <numerusform>%1: %n rimasti</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>Tabellone: %1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>Le frecce passano tra le estremità delle righe, Invio sceglie, Spazio prende la selezione</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>posto %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>riga %1</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>%n blocco rimasto</numerusform>
            <numerusform>%n blocchi rimasti</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>Rifiutato</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Rifiutato: %1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>Mossa fatta</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>%1: %n blocco preso</numerusform>
            <numerusform>%1: %n blocchi presi</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>Mossa annullata, %1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>Nuovo tabellone, %n riga, %1</numerusform>
            <numerusform>Nuovo tabellone, %n righe, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Tabellone svuotato</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the last two row numbers of a list (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation> e </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>righe %1</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>entrambe le estremità della riga %1</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>entrambe le estremità delle righe %1</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>Suggerimento: %1, prendere %n blocco, %2</numerusform>
            <numerusform>Suggerimento: %1, prendere %n blocchi, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>estremità</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>Non è a un&apos;estremità della sua riga</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>Una mossa prende al massimo %n blocco</numerusform>
            <numerusform>Una mossa prende al massimo %n blocchi</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>È scelto un altro colore</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>Non mentre Risolvi gioca</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Niente da annullare</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Niente da rifare</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>On a button of the bar, where room is short. Starts the same puzzle again from its start.</extracomment>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Prefs</source>
        <extracomment>On a button of the bar, where room is short. Opens the preferences; short for Preferences.</extracomment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.</extracomment>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>rosso</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>giallo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>ciano</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>the colour</extracomment>
        <translation>arancione</translation>
    </message>
    <message>
        <source>white</source>
        <extracomment>the colour</extracomment>
        <translation>bianco</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>grigio</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>nero</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>grigio chiaro</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>grigio scuro</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrone</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde scuro</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>blu marino</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>Colore %1: %2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>l&apos;avviso dei vicoli ciechi resta spento</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>riga %1 di %2 ignorata: non è &quot;%3=on&quot; né &quot;%3=off&quot;</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>troncato</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>non è una partita salvata</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>un seme né noto né ignoto</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>una mossa impossibile</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>byte dopo l&apos;ultima mossa</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>una partita finita</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>si riparte dall&apos;inizio del puzzle</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>mosse salvate in %1 ignorate: %2; si riparte dall&apos;inizio del puzzle</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>mosse non salvate: %1 non si poteva leggere all&apos;avvio, quindi resta com&apos;era</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>in uso</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>più grande di %1 byte</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>scritti solo %1 byte su %2</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>nessuna statistica mostrata o registrata</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>ignorata %n voce danneggiata in %1; il resto viene contato</numerusform>
            <numerusform>ignorate %n voci danneggiate in %1; il resto viene contato</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>ignorata %n voce danneggiata in %1; il resto viene contato</numerusform>
            <numerusform>ignorate %n voci danneggiate in %1; il resto viene contato</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>impossibile registrare la partita in %1: %2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>danneggiato</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>numero di formato sconosciuto %1</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>si parte con le impostazioni predefinite</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>%1 ignorato: %2; si parte con le impostazioni predefinite</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>puzzle salvato in %1 ignorato: %2; si inizia un nuovo puzzle</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>niente salvato: %1 non si poteva leggere all&apos;avvio, quindi resta com&apos;era</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>impossibile leggere %1: %2; %3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>impossibile salvare %1 (un collegamento a %2): %3</translation>
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
        <translation>File        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>Torna a una posizione risolvibile</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rifai</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>Puzzle del giorno</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>Copia codice del puzzle</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>Apri codice del puzzle…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Opzioni        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>Grafica / Suono</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>Regole di gioco</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>Avvisa dei vicoli ciechi</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Aiuto        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Informazioni su Kolumo</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>Manuale online</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — Puzzle del giorno</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>Questo puzzle non ha codice; una nuova partita ne avrà uno</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>Codice del puzzle %1 copiato</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiche…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Guida di Kolumo</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>Scegli la cartella della musica (selezionando un file MIDI qualsiasi al suo interno)</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>File MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>NumberPicker</name>
    <message>
        <source>Less</source>
        <extracomment>Spoken name of a number picker&apos;s down arrow.</extracomment>
        <translation>Meno</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>Spoken name of a number picker&apos;s up arrow.</extracomment>
        <translation>Più</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>Minimo</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>Dimensioni del tabellone e numero di colori: </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>Massimo</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>Minimo e massimo di blocchi da togliere a ogni mossa: </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo - Regole di gioco</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>Meno colori</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>Più colori</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Meno righe</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Più righe</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>Righe più corte</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>Righe più lunghe</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>Minimo più basso</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>Minimo più alto</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>Massimo più basso</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>Massimo più alto</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Questo tabellone non si può più svuotare. Annulla, o scegli Torna a una posizione risolvibile.</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>Impossibile sapere entro un secondo se questo tabellone si può ancora svuotare.</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>Nessuna mossa rimasta. Annulla, riprova, o scegli Torna a una posizione risolvibile.</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Dopo quella mossa il tabellone non si può più svuotare. Annulla, o scegli Torna a una posizione risolvibile.</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>Questo tabellone si può ancora svuotare.</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>Nessuna mossa rimasta. Annulla o riprova.</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>Nessun suggerimento in una partita Ironman.</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>Nessun suggerimento mentre Risolvi gioca.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>Niente Torna a una posizione risolvibile in una partita Ironman.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>Niente Torna a una posizione risolvibile mentre Risolvi gioca.</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>Il tabellone è vuoto.</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>Nessuna mossa da annullare.</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n mossa annullata; questo tabellone si può svuotare.</numerusform>
            <numerusform>%n mosse annullate; questo tabellone si può svuotare.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n mossa annullata; impossibile sapere entro un secondo se questo tabellone si può svuotare.</numerusform>
            <numerusform>%n mosse annullate; impossibile sapere entro un secondo se questo tabellone si può svuotare.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>%n mossa annullata; questo tabellone si può svuotare.</numerusform>
            <numerusform>%n mosse annullate; questo tabellone si può svuotare.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>%n mossa annullata; impossibile sapere entro un secondo se questo tabellone si può svuotare.</numerusform>
            <numerusform>%n mosse annullate; impossibile sapere entro un secondo se questo tabellone si può svuotare.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>Effetti sonori?</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>Ironman (dalla prossima partita, senza Risolvi)?</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>Musica?</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>Antialiasing (numeri e simboli più morbidi)?</translation>
    </message>
    <message>
        <source>Kolumo - Preferences</source>
        <translation>Kolumo - Opzioni</translation>
    </message>
</context>
<context>
    <name>PuzzleCodeDialog</name>
    <message>
        <source>Type or paste a puzzle code:</source>
        <translation>Digita o incolla un codice del puzzle:</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>Apri codice del puzzle</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>Codice del puzzle</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>Quel codice non si può leggere: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>«%1» non è un carattere di un codice del puzzle</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>un codice del puzzle ha solo lettere e cifre</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>un codice del puzzle ha %1 lettere e cifre, questo %n</numerusform>
            <numerusform>un codice del puzzle ha %1 lettere e cifre, questo %n</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>un carattere del codice è sbagliato</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>il codice è di un&apos;altra versione di Kolumo</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>il codice indica regole di gioco che Kolumo non offre</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Iniziate</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Risolte</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>Partite degli ultimi 30 giorni</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>Le partite giocate con ogni insieme di regole di gioco:</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>Gli ultimi 30 giorni: partite iniziate (chiaro) e tabelloni svuotati (scuro):</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>Regole di gioco</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Iniziate</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Risolte</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Senza aiuto</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>Ironman</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Serie attuale</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Serie migliore</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Tempo migliore</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>Giorni di fila</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partite giocate</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>Il registro delle partite non si è potuto leggere e resta com&apos;è: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>%n voce danneggiata del registro è stata omessa.</numerusform>
            <numerusform>%n voci danneggiate del registro sono state omesse.</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>Puzzle del giorno</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>%2 righe da %1, %3 colori, %4–%5 per mossa</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>Non è stato possibile azzerare le statistiche: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Azzera statistiche</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>Dimenticare tutte le partite registrate finora? Non si può annullare.</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>picche</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>cuori</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>quadri</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>fiori</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>stella</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>sole</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>ombrello</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>faccina sorridente</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>aeroplano</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>fiocco di neve</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>ancora</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>simbolo comando</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>nota musicale</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>yin e yang</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>fiore</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>bandiera</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>telefono</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>forbici</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>busta</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>cavallo</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>fulmine</translation>
    </message>
</context>
</TS>
