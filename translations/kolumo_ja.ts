<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>無料で遊べて、自由にコピー・共有できます。</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>制作：Kolumo パズル制作チーム
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Kolumo について</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo バージョン %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>--puzzle にはパズルコードが必要です</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>パズルコード「%1」を読み取れません: %2</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>初期設定</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>ウェブサイト</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>音楽フォルダー</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>統計をリセット</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>盤面</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>色%1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>空き</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A block: its colour, then the symbol drawn on it (&quot;blue, scissors&quot;).</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n left</source>
        <extracomment>A counter: the colour, then how many blocks of it are left (&quot;red: 6 left&quot;).</extracomment>
        <translation>
            <numerusform>%1: 残り%n個</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>盤面: %1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>矢印キーで行の端を移動、Enter で選択、Space で選んだブロックを取ります</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>%1番目</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>%1行目</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>残り%n個</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>できません</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>できません: %1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>手を打ちました</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>%1を%n個取りました</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>1手戻しました。%1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>新しい盤面、%n行、%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>盤面クリア</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the last two row numbers of a list (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>%1行目</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>%1行目の両端</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>%1行目の両端</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>ヒント: %2から%1を%n個取る</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>行の端</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>行の端ではありません</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>1手で取れるのは%n個までです</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>別の色が選ばれています</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>解答の再生中はできません</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>元に戻す手がありません</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>やり直す手がありません</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>新規</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>On a button of the bar, where room is short. Starts the same puzzle again from its start.</extracomment>
        <translation>リトライ</translation>
    </message>
    <message>
        <source>Prefs</source>
        <extracomment>On a button of the bar, where room is short. Opens the preferences; short for Preferences.</extracomment>
        <translation>設定</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.</extracomment>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>解答</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>戻す</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>情報</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>赤</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>マゼンタ</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>シアン</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>the colour</extracomment>
        <translation>オレンジ</translation>
    </message>
    <message>
        <source>white</source>
        <extracomment>the colour</extracomment>
        <translation>白</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>灰色</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>黒</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>薄い灰色</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>濃い灰色</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>茶色</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>深緑</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>紺</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>色%1: %2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>詰みの警告はオフのままです</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>%2 の %1 行目を無視しました: 「%3=on」でも「%3=off」でもありません</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>途中で切れています</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>空です</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>保存されたゲームではありません</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>シードが既知とも未知とも記されていません</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>打てない手が含まれています</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>最後の手のあとに余分なバイトがあります</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>終わったゲームです</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>パズルの最初から始めます</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>%1 に保存された手を無視しました（%2）。パズルの最初から始めます</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>手は保存しませんでした: 起動時に %1 を読めなかったため、そのままにしてあります</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>使用中です</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>%1 バイトを超えています</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>%2 バイトのうち %1 バイトしか書き込めませんでした</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>統計は表示も記録もしません</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%1 の壊れた記録 %n 件を無視しました。残りを集計します</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>%1 の壊れた記録 %n 件を無視しました。残りを集計します</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>%1 にゲームを記録できませんでした: %2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>%1 を保存できませんでした: %2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>壊れています</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>不明な形式番号 %1 です</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>初期設定で始めます</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>%1 を無視しました（%2）。初期設定で始めます</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>%1 に保存されたパズルを無視しました（%2）。新しいパズルを始めます</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>何も保存しませんでした: 起動時に %1 を読めなかったため、そのままにしてあります</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>%1 を読めません（%2）。%3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>%1（%2 へのリンク）を保存できませんでした: %3</translation>
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
        <translation>ファイル        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>リトライ</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>解ける局面まで戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>今日のパズル</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>パズルコードをコピー</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>パズルコードを入力…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>設定        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>グラフィック/サウンド</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>プレイオプション</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>詰みを警告</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>ヘルプ        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>Kolumo について</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>マニュアル</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — 今日のパズル</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>このパズルにはコードがありません。新しいゲームにはコードが付きます</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>パズルコード %1 をコピーしました</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>統計…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Kolumo ヘルプ</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>音楽フォルダーの設定（フォルダー内の MIDI ファイルをどれか1つ選んでください）</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>MIDI ファイル (*.mid)</translation>
    </message>
</context>
<context>
    <name>NumberPicker</name>
    <message>
        <source>Less</source>
        <extracomment>Spoken name of a number picker&apos;s down arrow.</extracomment>
        <translation>減らす</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>Spoken name of a number picker&apos;s up arrow.</extracomment>
        <translation>増やす</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>色の数</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>行の長さ</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>最小</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>盤面の大きさと色の数： </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>最大</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>1手で取るブロックの最小数と最大数： </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo プレイオプション</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>色を減らす</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>色を増やす</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>行を減らす</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>行を増やす</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>行を短く</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>行を長く</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>最小数を下げる</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>最小数を上げる</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>最大数を下げる</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>最大数を上げる</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>この盤面はもうクリアできません。元に戻すか、「解ける局面まで戻す」を選んでください。</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>この盤面がまだクリアできるか、1秒以内に判定できませんでした。</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>打てる手がありません。元に戻すか、リトライするか、「解ける局面まで戻す」を選んでください。</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>今の手で、盤面はもうクリアできなくなりました。元に戻すか、「解ける局面まで戻す」を選んでください。</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>この盤面はまだクリアできます。</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>打てる手がありません。元に戻すか、リトライしてください。</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>アイアンマンのゲームではヒントは使えません。</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>解答の再生中はヒントは使えません。</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>アイアンマンのゲームでは「解ける局面まで戻す」は使えません。</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>解答の再生中は「解ける局面まで戻す」は使えません。</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>盤面をクリアしました。</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>戻せる手がありません。</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n手戻しました。この盤面はクリアできます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>%n手戻しました。この盤面がクリアできるか、1秒以内に判定できませんでした。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>%n手戻しました。この盤面はクリアできます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>%n手戻しました。この盤面がクリアできるか、1秒以内に判定できませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>効果音</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>アイアンマン（次のゲームから。自動解答なし）</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>アンチエイリアス（数字と記号をなめらかに）</translation>
    </message>
    <message>
        <source>Kolumo - Preferences</source>
        <translation>Kolumo - 環境設定</translation>
    </message>
</context>
<context>
    <name>PuzzleCodeDialog</name>
    <message>
        <source>Type or paste a puzzle code:</source>
        <translation>パズルコードを入力するか貼り付けてください：</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>パズルコードを入力</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>パズルコード</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>このコードは読み取れません：%1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>「%1」はパズルコードに使えない文字です</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>パズルコードには英字と数字しか使えません</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>パズルコードは英数字%1文字ですが、このコードは%n文字です</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>コードに打ち間違えた文字があります</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>別のバージョンの Kolumo のコードです</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>Kolumo にないプレイオプションを指定しているコードです</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>過去30日間のゲーム</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>プレイオプションの組み合わせごとのゲーム：</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>過去30日間：開始したゲーム（明るい棒）とクリアした盤面（濃い棒）：</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>プレイオプション</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>補助なし</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>アイアンマン</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>現在の連続</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>最高連続</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>最速</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>連続日数</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>プレイしたゲーム</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>ゲームの記録を読み込めなかったため、そのままにしてあります: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>壊れたゲームの記録%n件を除外しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>今日のパズル</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>行の長さ%1、%2行、%3色、1手%4～%5個</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>統計をリセットできませんでした: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>統計をリセット</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>これまでに記録したすべてのゲームを消去しますか？ 元に戻すことはできません。</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>スペード</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>ハート</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>ダイヤ</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>クラブ</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>星</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>太陽</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>傘</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>笑顔</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>飛行機</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>雪の結晶</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>いかり</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>コマンド記号</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>音符</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>陰陽</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>花</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>旗</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>電話</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>はさみ</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>封筒</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>ナイト</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>稲妻</translation>
    </message>
</context>
</TS>
