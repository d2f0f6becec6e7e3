<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>Libre para jugar, copiar y compartir.</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>Hecho por los autores de Kolumo
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Acerca de Kolumo</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo versión %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>--puzzle necesita un código de puzle</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>no se puede leer el código de puzle «%1»: %2</translation>
    </message>
</context>
<context>
    <name>BitmapButton</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visitar la web</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>Carpeta de música</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Borrar estadísticas</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
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
        <translation>Tablero</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>color %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>vacío</translation>
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
            <numerusform>%1: queda %n</numerusform>
            <numerusform>%1: quedan %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>Tablero: %1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>Las flechas van de un extremo de fila a otro, Intro elige, Espacio quita la selección</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>posición %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>fila %1</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>queda %n bloque</numerusform>
            <numerusform>quedan %n bloques</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>Rechazado</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Rechazado: %1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>Jugada hecha</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>%1: %n bloque quitado</numerusform>
            <numerusform>%1: %n bloques quitados</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>Jugada deshecha, %1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>Tablero nuevo, %n fila, %1</numerusform>
            <numerusform>Tablero nuevo, %n filas, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Tablero despejado</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the last two row numbers of a list (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation> y </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>filas %1</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>ambos extremos de la fila %1</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>ambos extremos de las filas %1</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>Pista: %1, quitar %n bloque, %2</numerusform>
            <numerusform>Pista: %1, quitar %n bloques, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>extremo de fila</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>No está en un extremo de su fila</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>Una jugada quita como mucho %n bloque</numerusform>
            <numerusform>Una jugada quita como mucho %n bloques</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>Hay otro color elegido</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>No mientras Resolver juega</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada que deshacer</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada que rehacer</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>On a button of the bar, where room is short. Starts the same puzzle again from its start.</extracomment>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Prefs</source>
        <extracomment>On a button of the bar, where room is short. Opens the preferences; short for Preferences.</extracomment>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.</extracomment>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>Resolv.</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>Deshaz</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>the colour</extracomment>
        <translation>naranja</translation>
    </message>
    <message>
        <source>white</source>
        <extracomment>the colour</extracomment>
        <translation>blanco</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>gris</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>negro</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris claro</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde oscuro</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>azul marino</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>Color %1: %2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>el aviso de callejones sin salida sigue desactivado</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>línea %1 de %2 ignorada: no es &quot;%3=on&quot; ni &quot;%3=off&quot;</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>incompleto</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>no es una partida guardada</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>una semilla ni conocida ni desconocida</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>una jugada imposible</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>bytes tras la última jugada</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>una partida terminada</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>se empieza desde el principio del puzle</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>jugadas guardadas en %1 ignoradas: %2; se empieza desde el principio del puzle</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>jugadas no guardadas: %1 no se pudo leer al arrancar, así que se deja como estaba</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>en uso</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>más de %1 bytes</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>solo se escribieron %1 de %2 bytes</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>no se muestran ni se registran estadísticas</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>se ha ignorado %n registro dañado en %1; se cuenta el resto</numerusform>
            <numerusform>se han ignorado %n registros dañados en %1; se cuenta el resto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>se ha ignorado %n registro dañado en %1; se cuenta el resto</numerusform>
            <numerusform>se han ignorado %n registros dañados en %1; se cuenta el resto</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>no se pudo registrar la partida en %1: %2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>no se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>dañado</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>número de formato desconocido %1</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>se empieza con los valores por defecto</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>%1 ignorado: %2; se empieza con los valores por defecto</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>puzle guardado en %1 ignorado: %2; se empieza un puzle nuevo</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>no se guardó nada: %1 no se pudo leer al arrancar, así que se deja como estaba</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>no se puede leer %1: %2; %3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>no se pudo guardar %1 (un enlace a %2): %3</translation>
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
        <translation>Archivo        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>Volver a una posición resoluble</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>Puzle del día</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>Copiar código de puzle</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>Abrir código de puzle…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Ajustes        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>Gráficos / Sonido</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>Avisar de callejones sin salida</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Ayuda        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Acerca de Kolumo</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>Manual en línea</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — Puzle del día</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>Este puzle no tiene código; una partida nueva sí lo tendrá</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>Código de puzle %1 copiado</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estadísticas…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Ayuda de Kolumo</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>Elegir carpeta de música (seleccionando cualquier archivo MIDI de ella)</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>Archivos MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>NumberPicker</name>
    <message>
        <source>Less</source>
        <extracomment>Spoken name of a number picker&apos;s down arrow.</extracomment>
        <translation>Menos</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>Spoken name of a number picker&apos;s up arrow.</extracomment>
        <translation>Más</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>Ancho de fila</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>Tamaño del tablero y número de colores: </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>Mínimo y máximo de bloques por jugada: </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo - Opciones de juego</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>Menos colores</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>Más colores</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Menos filas</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Más filas</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>Filas más cortas</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>Filas más largas</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>Bajar el mínimo</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>Subir el mínimo</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>Bajar el máximo</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>Subir el máximo</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Este tablero ya no se puede despejar. Deshaz, o elige Volver a una posición resoluble.</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>No se puede saber en un segundo si este tablero aún se puede despejar.</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>No quedan jugadas. Deshaz, repite, o elige Volver a una posición resoluble.</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Tras esa jugada el tablero ya no se puede despejar. Deshaz, o elige Volver a una posición resoluble.</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>Este tablero aún se puede despejar.</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>No quedan jugadas. Deshaz o repite.</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>No hay pistas en una partida Ironman.</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>No hay pistas mientras Resolver juega.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>No hay Volver a una posición resoluble en una partida Ironman.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>No hay Volver a una posición resoluble mientras Resolver juega.</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>El tablero está vacío.</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>No hay jugadas que deshacer.</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n jugada deshecha; este tablero se puede despejar.</numerusform>
            <numerusform>%n jugadas deshechas; este tablero se puede despejar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n jugada deshecha; no se puede saber en un segundo si este tablero se puede despejar.</numerusform>
            <numerusform>%n jugadas deshechas; no se puede saber en un segundo si este tablero se puede despejar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>%n jugada deshecha; este tablero se puede despejar.</numerusform>
            <numerusform>%n jugadas deshechas; este tablero se puede despejar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>%n jugada deshecha; no se puede saber en un segundo si este tablero se puede despejar.</numerusform>
            <numerusform>%n jugadas deshechas; no se puede saber en un segundo si este tablero se puede despejar.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>¿Efectos sonoros?</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>¿Ironman (desde la próxima partida, sin Resolver)?</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>¿Música?</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>¿Suavizado (números y símbolos más suaves)?</translation>
    </message>
    <message>
        <source>Kolumo - Preferences</source>
        <translation>Kolumo - Ajustes</translation>
    </message>
</context>
<context>
    <name>PuzzleCodeDialog</name>
    <message>
        <source>Type or paste a puzzle code:</source>
        <translation>Escribe o pega un código de puzle:</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>Abrir código de puzle</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>Código de puzle</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>Ese código no se puede leer: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>«%1» no es un carácter de un código de puzle</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>un código de puzle solo tiene letras y cifras</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>un código de puzle tiene %1 letras y cifras, este %n</numerusform>
            <numerusform>un código de puzle tiene %1 letras y cifras, este %n</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>hay un carácter mal escrito en el código</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>el código es de otra versión de Kolumo</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>el código indica opciones de juego que Kolumo no ofrece</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Empezadas</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Resueltas</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>Partidas de los últimos 30 días</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>Las partidas jugadas con cada combinación de opciones de juego:</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>Los últimos 30 días: partidas empezadas (claro) y tableros despejados (oscuro):</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Empezadas</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Resueltas</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Sin ayuda</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>Ironman</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Racha actual</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>Días seguidos</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>No se pudo leer el registro de partidas, y se deja como está: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>Se ha omitido %n registro dañado de las partidas.</numerusform>
            <numerusform>Se han omitido %n registros dañados de las partidas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>Puzles del día</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>%2 filas de %1, %3 colores, %4–%5 por jugada</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>No se pudieron borrar las estadísticas: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Borrar estadísticas</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>¿Olvidar todas las partidas registradas hasta ahora? No se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>pica</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>corazón</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>diamante</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>trébol</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>estrella</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>sol</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>paraguas</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>cara sonriente</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>avión</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>copo de nieve</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>ancla</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>signo de comando</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>nota musical</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>yin yang</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>flor</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>bandera</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>teléfono</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>tijeras</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>sobre</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>caballo</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>rayo</translation>
    </message>
</context>
</TS>
