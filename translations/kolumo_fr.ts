<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>Libre à jouer, copier et partager.</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>Par les auteurs de grilles Kolumo
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>À propos de Kolumo</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo version %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>--puzzle attend un code de grille</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>impossible de lire le code de grille «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visiter le site</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>Dossier musique</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Effacer les statistiques</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>couleur %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>vide</translation>
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
            <numerusform>%1&#xa0;: %n restant</numerusform>
            <numerusform>%1&#xa0;: %n restants</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>Plateau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>Les flèches passent d&apos;un bout de rangée à l&apos;autre, Entrée choisit, Espace prend la sélection</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>place %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>rangée %1</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>%n bloc restant</numerusform>
            <numerusform>%n blocs restants</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>Refusé</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>Coup joué</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n bloc pris</numerusform>
            <numerusform>%1&#xa0;: %n blocs pris</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>Coup annulé, %1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>Nouveau plateau, %n rangée, %1</numerusform>
            <numerusform>Nouveau plateau, %n rangées, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Plateau vidé</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the last two row numbers of a list (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation> et </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>rangées %1</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>deux bouts de la rangée %1</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>deux bouts des rangées %1</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>Indice&#xa0;: %1, %n bloc à prendre, %2</numerusform>
            <numerusform>Indice&#xa0;: %1, %n blocs à prendre, %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>bout de rangée</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>Pas à un bout de sa rangée</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>Un coup prend au plus %n bloc</numerusform>
            <numerusform>Un coup prend au plus %n blocs</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>Une autre couleur est choisie</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>Pas pendant que Soluce joue</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Rien à rétablir</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>Nouv.</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>On a button of the bar, where room is short. Starts the same puzzle again from its start.</extracomment>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Prefs</source>
        <extracomment>On a button of the bar, where room is short. Opens the preferences; short for Preferences.</extracomment>
        <translation>Préfs</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>Soluce</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
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
        <translation>blanc</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>gris</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>noir</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>vert foncé</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>bleu marine</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>Couleur %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>l&apos;avertissement des impasses reste désactivé</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>ligne %1 de %2 ignorée&#xa0;: ce n&apos;est ni &quot;%3=on&quot; ni &quot;%3=off&quot;</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>tronqué</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>pas une partie enregistrée</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>une graine ni connue ni inconnue</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>un coup impossible</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>des octets après le dernier coup</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>une partie terminée</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>reprise au début de la grille</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>coups enregistrés dans %1 ignorés&#xa0;: %2&#xa0;; reprise au début de la grille</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>coups non enregistrés&#xa0;: %1 était illisible au lancement, il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>en cours d&apos;utilisation</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>seulement %1 octets écrits sur %2</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>aucune statistique affichée ni enregistrée</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n entrée endommagée ignorée dans %1&#xa0;; le reste est compté</numerusform>
            <numerusform>%n entrées endommagées ignorées dans %1&#xa0;; le reste est compté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>%n entrée endommagée ignorée dans %1&#xa0;; le reste est compté</numerusform>
            <numerusform>%n entrées endommagées ignorées dans %1&#xa0;; le reste est compté</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>impossible d&apos;enregistrer la partie dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>numéro de format inconnu %1</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>démarrage avec les réglages par défaut</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>%1 ignoré&#xa0;: %2&#xa0;; démarrage avec les réglages par défaut</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>grille enregistrée dans %1 ignorée&#xa0;: %2&#xa0;; nouvelle grille</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>rien d&apos;enregistré&#xa0;: %1 était illisible au lancement, il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>impossible de lire %1&#xa0;: %2&#xa0;; %3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>impossible d&apos;enregistrer %1 (un lien vers %2)&#xa0;: %3</translation>
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
        <translation>Fichier        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>Retour à une position soluble</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>Grille du jour</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>Copier le code de grille</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>Ouvrir un code de grille…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Préférences        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>Graphismes / Son</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>Options de jeu</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>Avertir des impasses</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Aide        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>À propos de Kolumo</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>Manuel en ligne</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — Grille du jour</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>Cette grille n&apos;a pas de code&#xa0;; une nouvelle partie en aura un</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>Code de grille %1 copié</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Statistiques…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Aide de Kolumo</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>Choisir le dossier de musique (en y sélectionnant un fichier MIDI)</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>Fichiers MIDI (*.mid)</translation>
    </message>
</context>
<context>
    <name>NumberPicker</name>
    <message>
        <source>Less</source>
        <extracomment>Spoken name of a number picker&apos;s down arrow.</extracomment>
        <translation>Moins</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>Spoken name of a number picker&apos;s up arrow.</extracomment>
        <translation>Plus</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>Rangées</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>Taille du plateau et nombre de couleurs&#xa0;: </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>Minimum et maximum de blocs à retirer par coup&#xa0;: </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo - Options de jeu</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>Moins de couleurs</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>Plus de couleurs</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Moins de rangées</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Plus de rangées</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>Rangées plus courtes</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>Rangées plus longues</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>Minimum plus bas</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>Minimum plus haut</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>Maximum plus bas</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>Maximum plus haut</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Ce plateau ne peut plus être vidé. Annulez, ou choisissez Retour à une position soluble.</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>Impossible de savoir en une seconde si ce plateau peut encore être vidé.</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>Plus aucun coup possible. Annulez, rejouez, ou choisissez Retour à une position soluble.</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Après ce coup, le plateau ne peut plus être vidé. Annulez, ou choisissez Retour à une position soluble.</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>Ce plateau peut encore être vidé.</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>Plus aucun coup possible. Annulez ou rejouez.</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>Pas d&apos;indice en partie Ironman.</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>Pas d&apos;indice pendant que Soluce joue.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>Pas de Retour à une position soluble en partie Ironman.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>Pas de Retour à une position soluble pendant que Soluce joue.</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>Le plateau est vide.</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>Aucun coup à annuler.</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n coup annulé&#xa0;; ce plateau peut être vidé.</numerusform>
            <numerusform>%n coups annulés&#xa0;; ce plateau peut être vidé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n coup annulé&#xa0;; impossible de savoir en une seconde si ce plateau peut être vidé.</numerusform>
            <numerusform>%n coups annulés&#xa0;; impossible de savoir en une seconde si ce plateau peut être vidé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>%n coup annulé&#xa0;; ce plateau peut être vidé.</numerusform>
            <numerusform>%n coups annulés&#xa0;; ce plateau peut être vidé.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>%n coup annulé&#xa0;; impossible de savoir en une seconde si ce plateau peut être vidé.</numerusform>
            <numerusform>%n coups annulés&#xa0;; impossible de savoir en une seconde si ce plateau peut être vidé.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>Effets sonores&#xa0;?</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>Ironman (dès la prochaine partie, sans Soluce)&#xa0;?</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>Musique&#xa0;?</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>Anticrénelage (chiffres et symboles plus lisses)&#xa0;?</translation>
    </message>
    <message>
        <source>Kolumo - Preferences</source>
        <translation>Kolumo - Préférences</translation>
    </message>
</context>
<context>
    <name>PuzzleCodeDialog</name>
    <message>
        <source>Type or paste a puzzle code:</source>
        <translation>Tapez ou collez un code de grille&#xa0;:</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>Ouvrir un code de grille</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>Code de grille</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>Ce code est illisible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un caractère de code de grille</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>un code de grille n&apos;a que des lettres et des chiffres</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>un code de grille a %1 lettres et chiffres, celui-ci %n</numerusform>
            <numerusform>un code de grille a %1 lettres et chiffres, celui-ci %n</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>un caractère du code est mal tapé</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>le code vient d&apos;une autre version de Kolumo</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>le code désigne des options de jeu que Kolumo n&apos;offre pas</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Commencées</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Réussies</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>Parties des 30 derniers jours</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>Les parties jouées, par options de jeu&#xa0;:</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>Les 30 derniers jours&#xa0;: parties commencées (clair) et plateaux vidés (foncé)&#xa0;:</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>Options de jeu</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Commencées</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Réussies</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Sans aide</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>Ironman</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>Jours d&apos;affilée</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>L&apos;historique des parties n&apos;a pas pu être lu et reste tel quel&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>%n entrée endommagée de l&apos;historique a été ignorée.</numerusform>
            <numerusform>%n entrées endommagées de l&apos;historique ont été ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>Grilles du jour</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>%2 rangées de %1, %3 couleurs, %4 à %5 par coup</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>Les statistiques n&apos;ont pas pu être effacées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Effacer les statistiques</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>Oublier toutes les parties enregistrées jusqu&apos;ici&#xa0;? C&apos;est irréversible.</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>pique</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>cœur</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>carreau</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>étoile</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>soleil</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>parapluie</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>visage souriant</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>avion</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>flocon de neige</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>ancre</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>signe commande</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>note de musique</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>yin et yang</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>fleur</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>drapeau</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>téléphone</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>ciseaux</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>enveloppe</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>cavalier</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>éclair</translation>
    </message>
</context>
</TS>
