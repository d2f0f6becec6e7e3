<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>Livre para jogar, copiar e repassar.</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>Feito pelos criadores do Kolumo
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Sobre o Kolumo</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo versão %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>--puzzle precisa de um código de quebra-cabeça</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>não é possível ler o código de quebra-cabeça &quot;%1&quot;: %2</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visitar o site</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>Pasta de músicas</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Zerar estatísticas</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>cor %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>vazia</translation>
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
            <numerusform>%1: resta %n</numerusform>
            <numerusform>%1: restam %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>Tabuleiro: %1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>As setas andam entre as pontas das fileiras, Enter escolhe, Espaço tira os escolhidos</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>posição %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>fileira %1</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>resta %n bloco</numerusform>
            <numerusform>restam %n blocos</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>Recusado</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Recusado: %1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>Jogada feita</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>%n bloco tirado: %1</numerusform>
            <numerusform>%n blocos tirados: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>Jogada desfeita, %1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>Novo tabuleiro, %n fileira, %1</numerusform>
            <numerusform>Novo tabuleiro, %n fileiras, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Tabuleiro limpo</translation>
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
        <translation>fileiras %1</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>as duas pontas da fileira %1</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>as duas pontas das fileiras %1</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>Dica: tirar %n bloco, %1; %2</numerusform>
            <numerusform>Dica: tirar %n blocos, %1; %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>ponta da fileira</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>Não está numa ponta da fileira</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>Uma jogada tira no máximo %n bloco</numerusform>
            <numerusform>Uma jogada tira no máximo %n blocos</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>Outra cor está escolhida</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>Não enquanto a solução é mostrada</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Nada para desfazer</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Nada para refazer</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>Novo</translation>
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
        <translation>Opções</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>Solução</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>vermelho</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarelo</translation>
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
        <translation>ciano</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>the colour</extracomment>
        <translation>laranja</translation>
    </message>
    <message>
        <source>white</source>
        <extracomment>the colour</extracomment>
        <translation>branco</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>cinza</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>roxo</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>preto</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>cinza-claro</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>cinza-escuro</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrom</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>verde-escuro</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>azul-marinho</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>Cor %1: %2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>o aviso de becos sem saída fica desligado</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>linha %1 de %2 ignorada: não é &quot;%3=on&quot; nem &quot;%3=off&quot;</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>arquivo incompleto</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>arquivo vazio</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>não é um jogo salvo</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>uma semente nem conhecida nem desconhecida</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>uma jogada impossível</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>bytes depois da última jogada</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>um jogo terminado</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>começando do início do quebra-cabeça</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>jogadas salvas em %1 ignoradas: %2; começando do início do quebra-cabeça</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>jogadas não salvas: %1 não pôde ser lido na abertura, então foi deixado como estava</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>em uso por outro programa</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>maior que %1 bytes</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>só %1 de %2 bytes gravados</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>nenhuma estatística é mostrada nem registrada</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n registro danificado em %1 ignorado; contando o resto</numerusform>
            <numerusform>%n registros danificados em %1 ignorados; contando o resto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>%n registro danificado em %1 ignorado; contando o resto</numerusform>
            <numerusform>%n registros danificados em %1 ignorados; contando o resto</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>não foi possível registrar o jogo em %1: %2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>não foi possível salvar %1: %2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>arquivo danificado</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>número de formato desconhecido %1</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>começando com os valores padrão</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>%1 ignorado: %2; começando com os valores padrão</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>quebra-cabeça salvo em %1 ignorado: %2; começando um quebra-cabeça novo</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>nada salvo: %1 não pôde ser lido na abertura, então foi deixado como estava</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>não é possível ler %1: %2; %3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>não foi possível salvar %1 (um link para %2): %3</translation>
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
        <translation>Arquivo        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>Voltar a uma posição solucionável</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>Quebra-cabeça do dia</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>Copiar código do quebra-cabeça</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>Abrir código do quebra-cabeça…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Ajustes        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>Gráficos / Som</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>Opções de jogo</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>Avisar de becos sem saída</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>Ajuda        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Sobre o Kolumo</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — Quebra-cabeça do dia</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>Este quebra-cabeça não tem código; um jogo novo tem</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>Código do quebra-cabeça %1 copiado</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>Estatísticas…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Ajuda do Kolumo</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>Escolher a pasta de músicas (escolha qualquer arquivo MIDI dela)</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>Arquivos MIDI (*.mid)</translation>
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
        <translation>Mais</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>Nº de cores</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>Nº de fileiras</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>Largura da fileira</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>Escolha o tamanho do tabuleiro e o número de cores: </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>Escolha o mínimo e o máximo a tirar por jogada: </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo - Opções de jogo</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>Menos cores</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>Mais cores</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>Menos fileiras</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>Mais fileiras</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>Fileiras mais estreitas</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>Fileiras mais largas</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>Diminuir mínimo</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>Aumentar mínimo</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>Diminuir máximo</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>Aumentar máximo</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Este tabuleiro não pode mais ser limpo. Volte uma jogada, ou escolha Voltar a uma posição solucionável.</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>Não dá para saber em um segundo se este tabuleiro ainda pode ser limpo.</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>Não resta jogada. Volte uma jogada, use Repetir, ou escolha Voltar a uma posição solucionável.</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>Depois dessa jogada o tabuleiro não pode mais ser limpo. Volte uma jogada, ou escolha Voltar a uma posição solucionável.</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>Este tabuleiro ainda pode ser limpo.</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>Não resta jogada. Volte uma jogada ou use Repetir.</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>Não há dicas num jogo Ironman.</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>Não há dicas enquanto a solução é mostrada.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>Num jogo Ironman não há Voltar a uma posição solucionável.</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>Não há Voltar a uma posição solucionável enquanto a solução é mostrada.</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>O tabuleiro está limpo.</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>Não há jogada para desfazer.</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n jogada desfeita; este tabuleiro pode ser limpo.</numerusform>
            <numerusform>%n jogadas desfeitas; este tabuleiro pode ser limpo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n jogada desfeita; não dá para saber em um segundo se este tabuleiro pode ser limpo.</numerusform>
            <numerusform>%n jogadas desfeitas; não dá para saber em um segundo se este tabuleiro pode ser limpo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>%n jogada desfeita; este tabuleiro pode ser limpo.</numerusform>
            <numerusform>%n jogadas desfeitas; este tabuleiro pode ser limpo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>%n jogada desfeita; não dá para saber em um segundo se este tabuleiro pode ser limpo.</numerusform>
            <numerusform>%n jogadas desfeitas; não dá para saber em um segundo se este tabuleiro pode ser limpo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>Efeitos sonoros?</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>Ironman (a partir do próximo jogo, sem Solução)?</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>Música?</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>Suavização (números e símbolos mais suaves)?</translation>
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
        <translation>Digite ou cole um código de quebra-cabeça:</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>Abrir código do quebra-cabeça</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>Código do quebra-cabeça</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>Esse código não pode ser lido: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>&quot;%1&quot; não é um caractere de código de quebra-cabeça</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>um código de quebra-cabeça tem só letras e algarismos</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>um código de quebra-cabeça tem %1 letras e algarismos, este tem %n</numerusform>
            <numerusform>um código de quebra-cabeça tem %1 letras e algarismos, este tem %n</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>um caractere do código foi digitado errado</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>o código é de outra versão do Kolumo</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>o código indica opções de jogo que o Kolumo não oferece</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Iniciados</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Limpos</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>Jogos dos últimos 30 dias</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>Os jogos de cada conjunto de opções de jogo:</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>Os últimos 30 dias: jogos iniciados (claro) e tabuleiros limpos (escuro):</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>Opções de jogo</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Iniciados</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Limpos</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>Sem ajuda</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>Ironman</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>Sequência atual</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Melhor sequência</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>Melhor tempo</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>Dias seguidos</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>Jogos disputados</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>O registro de jogos não pôde ser lido e foi deixado como está: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>%n registro danificado de jogo foi deixado de fora.</numerusform>
            <numerusform>%n registros danificados de jogos foram deixados de fora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>Quebra-cabeças do dia</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>largura %1, %2 fileiras, %3 cores, tirar %4–%5</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>Não foi possível zerar as estatísticas: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Zerar estatísticas</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>Esquecer todos os jogos registrados até agora? Isso não pode ser desfeito.</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>espadas</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>copas</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>ouros</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>paus</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>estrela</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>sol</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>guarda-chuva</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>carinha sorridente</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>avião</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>floco de neve</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>âncora</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>símbolo de comando</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>nota musical</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>yin-yang</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>flor</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>bandeira</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>telefone</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>tesoura</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>envelope</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>cavalo</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>raio</translation>
    </message>
</context>
</TS>
