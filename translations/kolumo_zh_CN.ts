<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Free to play, copy and share.</source>
        <translation>可免费游玩、复制和分享。</translation>
    </message>
    <message>
        <source>Made by the Kolumo puzzle makers
kolumo.net</source>
        <extracomment>Two lines; kolumo.net is the game&apos;s web address and stays as it is.</extracomment>
        <translation>Kolumo 谜题制作团队出品
kolumo.net</translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>关于 Kolumo</translation>
    </message>
    <message>
        <source>Kolumo Version %1</source>
        <extracomment>%1 is the version number, such as 1.1.</extracomment>
        <translation>Kolumo 版本 %1</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>--puzzle needs a puzzle code</source>
        <extracomment>An error on the command line; --puzzle is the option&apos;s name and stays as it is.</extracomment>
        <translation>--puzzle 需要一个谜题代码</translation>
    </message>
    <message>
        <source>cannot read the puzzle code &quot;%1&quot;: %2</source>
        <extracomment>An error on the command line: %1 is the code as typed, %2 says why it cannot be read.</extracomment>
        <translation>无法识别谜题代码“%1”：%2</translation>
    </message>
</context>
<context>
    <name>BitmapButton</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>Restores the default settings.</extracomment>
        <translation>默认</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>访问网站</translation>
    </message>
    <message>
        <source>Set Music Dir</source>
        <extracomment>Chooses the folder the music is played from.</extracomment>
        <translation>音乐文件夹</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>重置统计</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>BoardAccessible</name>
    <message>
        <source>Board</source>
        <extracomment>The game board, as a screen reader names it.</extracomment>
        <translation>盘面</translation>
    </message>
    <message>
        <source>colour %1</source>
        <extracomment>A block&apos;s colour past the ten the game names, by its number.</extracomment>
        <translation>颜色 %1</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A cell of the board with no block in it.</extracomment>
        <translation>空</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A block: its colour, then the symbol drawn on it (&quot;blue, scissors&quot;).</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n left</source>
        <extracomment>A counter: the colour, then how many blocks of it are left (&quot;red: 6 left&quot;).</extracomment>
        <translation>
            <numerusform>%1：剩 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Board: %1</source>
        <translation>盘面：%1</translation>
    </message>
    <message>
        <source>Arrow keys move between row ends, Return selects, Space takes the selection</source>
        <translation>方向键在行端之间移动，回车键选中，空格键取走所选方块</translation>
    </message>
    <message>
        <source>place %1</source>
        <extracomment>A column of the board: the places along a row, counted from the left.</extracomment>
        <translation>第 %1 格</translation>
    </message>
    <message>
        <source>row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation>第 %1 行</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks left</source>
        <translation>
            <numerusform>剩 %n 个方块</numerusform>
        </translation>
    </message>
    <message>
        <source>Refused</source>
        <extracomment>A move or command the game would not make.</extracomment>
        <translation>无法执行</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>无法执行：%1</translation>
    </message>
    <message>
        <source>Move made</source>
        <translation>已走一步</translation>
    </message>
    <message numerus="yes">
        <source>Took %n %1</source>
        <extracomment>How many blocks of which colour a move took (&quot;Took 3 red&quot;).</extracomment>
        <translation>
            <numerusform>取走了 %n 个%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Move taken back, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;Move taken back, 12 blocks left&quot;).</extracomment>
        <translation>已撤销一步，%1</translation>
    </message>
    <message numerus="yes">
        <source>New board, %n rows, %1</source>
        <extracomment>%1 says how many blocks are left (&quot;New board, 4 rows, 24 blocks left&quot;).</extracomment>
        <translation>
            <numerusform>新盘面，%n 行，%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>盘面已清空</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>Joins the last two row numbers of a list (&quot;rows 1, 2 and 3&quot;).</extracomment>
        <translation> 和 </translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>both ends of row %1</source>
        <extracomment>Where a hint&apos;s blocks are: %1 is one row number or a list of them.</extracomment>
        <translation>第 %1 行两端</translation>
    </message>
    <message>
        <source>both ends of rows %1</source>
        <translation>第 %1 行两端</translation>
    </message>
    <message numerus="yes">
        <source>Hint: take %n %1, from %2</source>
        <extracomment>A hint: how many blocks, their colour, and where (&quot;Hint: take 3 blue, from rows 1, 2 and 3&quot;).</extracomment>
        <translation>
            <numerusform>提示：从%2取走 %n 个%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BoardCellAccessible</name>
    <message>
        <source>row end</source>
        <extracomment>A block at either end of its row, the only ones a move can take.</extracomment>
        <translation>行端</translation>
    </message>
</context>
<context>
    <name>BoardInput</name>
    <message>
        <source>Not an end of its row</source>
        <translation>不在行端</translation>
    </message>
    <message numerus="yes">
        <source>A move takes at most %n blocks</source>
        <translation>
            <numerusform>每步最多取走 %n 个方块</numerusform>
        </translation>
    </message>
    <message>
        <source>Another colour is selected</source>
        <translation>已选中另一种颜色</translation>
    </message>
</context>
<context>
    <name>BoardView</name>
    <message>
        <source>Not while Solve plays</source>
        <translation>求解演示期间不可用</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的步</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>没有可重做的步</translation>
    </message>
</context>
<context>
    <name>ButtonBar</name>
    <message>
        <source>New</source>
        <extracomment>On a button of the bar, where room is short. Starts a new puzzle.</extracomment>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>On a button of the bar, where room is short. Starts the same puzzle again from its start.</extracomment>
        <translation>重来</translation>
    </message>
    <message>
        <source>Prefs</source>
        <extracomment>On a button of the bar, where room is short. Opens the preferences; short for Preferences.</extracomment>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>On a button of the bar, where room is short. Opens the play options: board size, colours, blocks per move.</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Solve</source>
        <extracomment>On a button of the bar, where room is short. Plays the puzzle out for the player.</extracomment>
        <translation>求解</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>On a button of the bar, where room is short. Takes back the last move.</extracomment>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>On a button of the bar, where room is short. Opens the manual.</extracomment>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>On a button of the bar, where room is short. Opens the About box.</extracomment>
        <translation>关于</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>On a button of the bar, where room is short. Ends the game.</extracomment>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>ColourNames</name>
    <message>
        <source>red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>orange</source>
        <extracomment>the colour</extracomment>
        <translation>橙色</translation>
    </message>
    <message>
        <source>white</source>
        <extracomment>the colour</extracomment>
        <translation>白色</translation>
    </message>
    <message>
        <source>grey</source>
        <extracomment>the colour</extracomment>
        <translation>灰色</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>black</source>
        <extracomment>the colour</extracomment>
        <translation>黑色</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>浅灰色</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>深灰色</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>棕色</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>粉色</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>深绿色</translation>
    </message>
    <message>
        <source>navy</source>
        <extracomment>the colour, dark blue</extracomment>
        <translation>藏青色</translation>
    </message>
</context>
<context>
    <name>ColourSwatchAccessible</name>
    <message>
        <source>Colour %1: %2</source>
        <extracomment>A colour swatch in the preferences: its number, then its colour (&quot;Colour 3: green&quot;).</extracomment>
        <translation>颜色 %1：%2</translation>
    </message>
</context>
<context>
    <name>FileReport</name>
    <message>
        <source>the dead-end warning stays off</source>
        <translation>死局警告保持关闭</translation>
    </message>
    <message>
        <source>ignored line %1 of %2: it is not &quot;%3=on&quot; or &quot;%3=off&quot;</source>
        <extracomment>A line of the hints&apos; settings file that is no setting: its number, the file&apos;s path, and the setting&apos;s name, which stays as it is.</extracomment>
        <translation>已忽略 %2 的第 %1 行：它既不是“%3=on”也不是“%3=off”</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>内容不完整</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>A file with nothing in it.</extracomment>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>not a saved game</source>
        <translation>不是保存的游戏</translation>
    </message>
    <message>
        <source>a seed neither known nor unknown</source>
        <translation>种子既未标为已知也未标为未知</translation>
    </message>
    <message>
        <source>a move that cannot be made</source>
        <translation>含有无法走出的一步</translation>
    </message>
    <message>
        <source>bytes after the last move</source>
        <translation>最后一步之后还有多余的字节</translation>
    </message>
    <message>
        <source>a finished game</source>
        <translation>这是一局已结束的游戏</translation>
    </message>
    <message>
        <source>starting at the start of the puzzle</source>
        <translation>从谜题开头开始</translation>
    </message>
    <message>
        <source>ignored the saved moves in %1: %2; starting at the start of the puzzle</source>
        <extracomment>The file&apos;s path, then why its moves were ignored.</extracomment>
        <translation>已忽略 %1 中保存的步：%2；从谜题开头开始</translation>
    </message>
    <message>
        <source>moves not saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the file of moves that could not be read at start was left alone.</extracomment>
        <translation>未保存走过的步：启动时无法读取 %1，因此保持原样</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>in use</source>
        <extracomment>A file another program holds.</extracomment>
        <translation>正被占用</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>大于 %1 字节</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes written</source>
        <translation>%2 字节中只写入了 %1 字节</translation>
    </message>
    <message>
        <source>no statistics shown or recorded</source>
        <translation>不显示也不记录统计</translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged record in %1; counting the rest</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>已忽略 %1 中 %n 条损坏的记录；统计其余记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ignored %n damaged records in %1; counting the rest</source>
        <translation>
            <numerusform>已忽略 %1 中 %n 条损坏的记录；统计其余记录</numerusform>
        </translation>
    </message>
    <message>
        <source>could not record the game in %1: %2</source>
        <extracomment>The record of games&apos; path, then why.</extracomment>
        <translation>无法在 %1 中记录游戏：%2</translation>
    </message>
    <message>
        <source>could not save %1: %2</source>
        <extracomment>The file&apos;s path, then the system&apos;s reason.</extracomment>
        <translation>无法保存 %1：%2</translation>
    </message>
    <message>
        <source>damaged</source>
        <extracomment>A file the game cannot make sense of.</extracomment>
        <translation>已损坏</translation>
    </message>
    <message>
        <source>unknown format number %1</source>
        <translation>未知的格式编号 %1</translation>
    </message>
    <message>
        <source>starting with the defaults</source>
        <translation>使用默认设置启动</translation>
    </message>
    <message>
        <source>ignored %1: %2; starting with the defaults</source>
        <extracomment>The file&apos;s path, then why it was ignored.</extracomment>
        <translation>已忽略 %1：%2；使用默认设置启动</translation>
    </message>
    <message>
        <source>ignored the saved puzzle in %1: %2; starting a new puzzle</source>
        <extracomment>The file&apos;s path, then why its puzzle was ignored.</extracomment>
        <translation>已忽略 %1 中保存的谜题：%2；开始一道新谜题</translation>
    </message>
    <message>
        <source>nothing saved: %1 could not be read at start, so it is left as it was</source>
        <extracomment>At closing: the settings file that could not be read at start was left alone.</extracomment>
        <translation>未保存任何内容：启动时无法读取 %1，因此保持原样</translation>
    </message>
    <message>
        <source>cannot read %1: %2; %3</source>
        <extracomment>A file was there but not read: its path, why, and what the game does instead.</extracomment>
        <translation>无法读取 %1：%2；%3</translation>
    </message>
    <message>
        <source>could not save %1 (a link to %2): %3</source>
        <extracomment>The file&apos;s path, the path it is a symbolic link to, then the system&apos;s reason.</extracomment>
        <translation>无法保存 %1（指向 %2 的链接）：%3</translation>
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
        <translation>文件        </translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Retry</source>
        <extracomment>Starts the same puzzle again from its start.</extracomment>
        <translation>重来</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Back to a Solvable Position</source>
        <extracomment>Takes back moves until the board can be cleared again.</extracomment>
        <translation>退回可解局面</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Today&apos;s Puzzle</source>
        <extracomment>The daily puzzle, the same for every player on a given day.</extracomment>
        <translation>今日谜题</translation>
    </message>
    <message>
        <source>Copy Puzzle Code</source>
        <translation>复制谜题代码</translation>
    </message>
    <message>
        <source>Open Puzzle Code…</source>
        <translation>输入谜题代码…</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Prefs        </source>
        <extracomment>A menu title, short for Preferences. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>首选项        </translation>
    </message>
    <message>
        <source>Graphics / Sound</source>
        <translation>图形/声音</translation>
    </message>
    <message>
        <source>Play Options</source>
        <translation>游戏选项</translation>
    </message>
    <message>
        <source>Warn of Dead Ends</source>
        <extracomment>A dead end: a board that can no longer be cleared.</extracomment>
        <translation>死局警告</translation>
    </message>
    <message>
        <source>Help        </source>
        <extracomment>A menu title. Keep the trailing spaces: they set the room between the menu titles.</extracomment>
        <translation>帮助        </translation>
    </message>
    <message>
        <source>About Kolumo</source>
        <translation>关于 Kolumo</translation>
    </message>
    <message>
        <source>Online Manual</source>
        <translation>游戏手册</translation>
    </message>
    <message>
        <source>Kolumo — Today&apos;s Puzzle</source>
        <translation>Kolumo — 今日谜题</translation>
    </message>
    <message>
        <source>This puzzle has no code; a new game has one</source>
        <translation>这道谜题没有代码；新游戏才有代码</translation>
    </message>
    <message>
        <source>Puzzle code %1 copied</source>
        <translation>已复制谜题代码 %1</translation>
    </message>
    <message>
        <source>Statistics…</source>
        <translation>统计…</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Kolumo Help</source>
        <translation>Kolumo 帮助</translation>
    </message>
</context>
<context>
    <name>MusicPlayer</name>
    <message>
        <source>Set Music Folder (by selecting any MIDI file in it)</source>
        <translation>设置音乐文件夹（选择其中任意一个 MIDI 文件）</translation>
    </message>
    <message>
        <source>Midi Files (*.mid)</source>
        <extracomment>A filter of the file chooser; keep &quot;(*.mid)&quot; as it is.</extracomment>
        <translation>MIDI 文件 (*.mid)</translation>
    </message>
</context>
<context>
    <name>NumberPicker</name>
    <message>
        <source>Less</source>
        <extracomment>Spoken name of a number picker&apos;s down arrow.</extracomment>
        <translation>减少</translation>
    </message>
    <message>
        <source>More</source>
        <extracomment>Spoken name of a number picker&apos;s up arrow.</extracomment>
        <translation>增加</translation>
    </message>
</context>
<context>
    <name>PlayOptionsDialog</name>
    <message>
        <source>No. of Colours</source>
        <translation>颜色数</translation>
    </message>
    <message>
        <source>No. of Rows</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Row Width</source>
        <extracomment>How many blocks a row holds when the puzzle starts.</extracomment>
        <translation>行宽</translation>
    </message>
    <message>
        <source>Minimum</source>
        <extracomment>The fewest blocks a move may take.</extracomment>
        <translation>最少</translation>
    </message>
    <message>
        <source>Choose board size and number of colours: </source>
        <translation>选择盘面大小和颜色数： </translation>
    </message>
    <message>
        <source>Maximum</source>
        <extracomment>The most blocks a move may take.</extracomment>
        <translation>最多</translation>
    </message>
    <message>
        <source>Choose minimum and maximum to remove each turn: </source>
        <translation>选择每步最少和最多取走的方块数： </translation>
    </message>
    <message>
        <source>Kolumo Rez Options</source>
        <translation>Kolumo 游戏选项</translation>
    </message>
    <message>
        <source>Fewer colours</source>
        <translation>减少颜色</translation>
    </message>
    <message>
        <source>More colours</source>
        <translation>增加颜色</translation>
    </message>
    <message>
        <source>Fewer rows</source>
        <translation>减少行数</translation>
    </message>
    <message>
        <source>More rows</source>
        <translation>增加行数</translation>
    </message>
    <message>
        <source>Narrower rows</source>
        <translation>行变窄</translation>
    </message>
    <message>
        <source>Wider rows</source>
        <translation>行变宽</translation>
    </message>
    <message>
        <source>Lower minimum</source>
        <translation>降低最少数</translation>
    </message>
    <message>
        <source>Higher minimum</source>
        <translation>提高最少数</translation>
    </message>
    <message>
        <source>Lower maximum</source>
        <translation>降低最多数</translation>
    </message>
    <message>
        <source>Higher maximum</source>
        <translation>提高最多数</translation>
    </message>
</context>
<context>
    <name>PlayerHelp</name>
    <message>
        <source>This board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>A dead end: a board that can no longer be cleared. &quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>此盘面已无法清空。请撤销，或选择“退回可解局面”。</translation>
    </message>
    <message>
        <source>Can&apos;t tell within a second whether this board can still be cleared.</source>
        <translation>无法在一秒内判断此盘面是否仍可清空。</translation>
    </message>
    <message>
        <source>No move left. Undo, Retry, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Retry&quot; and &quot;Back to a Solvable Position&quot; are the menu items of those names.</extracomment>
        <translation>无路可走。请撤销、重来，或选择“退回可解局面”。</translation>
    </message>
    <message>
        <source>After that move the board can no longer be cleared. Undo, or choose Back to a Solvable Position.</source>
        <extracomment>&quot;Back to a Solvable Position&quot; is the menu item of that name.</extracomment>
        <translation>走完这一步后，盘面已无法清空。请撤销，或选择“退回可解局面”。</translation>
    </message>
    <message>
        <source>This board can still be cleared.</source>
        <translation>此盘面仍可清空。</translation>
    </message>
    <message>
        <source>No move left. Undo or Retry.</source>
        <translation>无路可走。请撤销或重来。</translation>
    </message>
    <message>
        <source>No hints in an Ironman game.</source>
        <extracomment>Ironman: the preference that makes a game without hints or Solve.</extracomment>
        <translation>铁人模式游戏中没有提示。</translation>
    </message>
    <message>
        <source>No hints while Solve runs.</source>
        <extracomment>Solve: the bar button that plays the puzzle out for the player.</extracomment>
        <translation>求解演示期间没有提示。</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position in an Ironman game.</source>
        <translation>铁人模式游戏中不能“退回可解局面”。</translation>
    </message>
    <message>
        <source>No Back to a Solvable Position while Solve runs.</source>
        <translation>求解演示期间不能“退回可解局面”。</translation>
    </message>
    <message>
        <source>The board is clear.</source>
        <translation>盘面已清空。</translation>
    </message>
    <message>
        <source>No move to take back.</source>
        <translation>没有可撤回的步。</translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>已撤回 %n 步；此盘面可以清空。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n move; can&apos;t tell within a second whether this board can be cleared.</source>
        <extracomment>%n is always 1 here; the message beside it has every other count.</extracomment>
        <translation>
            <numerusform>已撤回 %n 步；无法在一秒内判断此盘面能否清空。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; this board can be cleared.</source>
        <translation>
            <numerusform>已撤回 %n 步；此盘面可以清空。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Took back %n moves; can&apos;t tell within a second whether this board can be cleared.</source>
        <translation>
            <numerusform>已撤回 %n 步；无法在一秒内判断此盘面能否清空。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Sound effects?</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Ironman (starting with next game, will not auto-solve) ?</source>
        <extracomment>Ironman: a game played without hints, Back to a Solvable Position or Solve.</extracomment>
        <translation>铁人模式（从下一局开始，不能自动求解）</translation>
    </message>
    <message>
        <source>Music?</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Anti-aliasing (smoother numbers and symbols) ?</source>
        <extracomment>Smoothing of the numbers and symbols drawn on the board.</extracomment>
        <translation>抗锯齿（数字和符号更平滑）</translation>
    </message>
    <message>
        <source>Kolumo - Preferences</source>
        <translation>Kolumo - 首选项</translation>
    </message>
</context>
<context>
    <name>PuzzleCodeDialog</name>
    <message>
        <source>Type or paste a puzzle code:</source>
        <translation>输入或粘贴谜题代码：</translation>
    </message>
    <message>
        <source>Open Puzzle Code</source>
        <translation>输入谜题代码</translation>
    </message>
    <message>
        <source>Puzzle code</source>
        <translation>谜题代码</translation>
    </message>
    <message>
        <source>That code cannot be read: %1.</source>
        <extracomment>%1 says why, in words such as &quot;a character of the code is mistyped&quot;.</extracomment>
        <translation>无法识别该代码：%1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a character of a puzzle code</source>
        <translation>“%1”不是谜题代码可用的字符</translation>
    </message>
    <message>
        <source>a puzzle code has only letters and digits</source>
        <translation>谜题代码只能包含字母和数字</translation>
    </message>
    <message numerus="yes">
        <source>a puzzle code has %1 letters and digits, this one %n</source>
        <extracomment>%1 is always 12; %n counts the letters and digits typed.</extracomment>
        <translation>
            <numerusform>谜题代码由 %1 个字母和数字组成，而这个代码有 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>a character of the code is mistyped</source>
        <translation>代码中有字符输错了</translation>
    </message>
    <message>
        <source>the code is from another version of Kolumo</source>
        <translation>这是另一个版本的 Kolumo 的代码</translation>
    </message>
    <message>
        <source>the code names play options Kolumo does not offer</source>
        <translation>代码指定了 Kolumo 不提供的游戏选项</translation>
    </message>
</context>
<context>
    <name>StatisticsChart</name>
    <message>
        <source>Day</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开局</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>通关</translation>
    </message>
    <message>
        <source>Games of the last 30 days</source>
        <translation>最近 30 天的游戏</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>The games played with each set of play options:</source>
        <translation>每组游戏选项下玩过的游戏：</translation>
    </message>
    <message>
        <source>The last 30 days: games started (light) and boards cleared (dark):</source>
        <translation>最近 30 天：开局的游戏（浅色）和通关的盘面（深色）：</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Play options</source>
        <translation>游戏选项</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开局</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>通关</translation>
    </message>
    <message>
        <source>Without help</source>
        <translation>无辅助</translation>
    </message>
    <message>
        <source>Ironman</source>
        <translation>铁人模式</translation>
    </message>
    <message>
        <source>Current run</source>
        <translation>当前连胜</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>最佳连胜</translation>
    </message>
    <message>
        <source>Fastest</source>
        <translation>最快</translation>
    </message>
    <message>
        <source>Days in a row</source>
        <translation>连续天数</translation>
    </message>
    <message>
        <source>Games played</source>
        <translation>已玩游戏</translation>
    </message>
    <message>
        <source>The record of games could not be read, and is left as it is: %1</source>
        <translation>无法读取游戏记录，已保持原样：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged record(s) of the games were left out.</source>
        <translation>
            <numerusform>已略去 %n 条损坏的游戏记录。</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s puzzles</source>
        <translation>今日谜题</translation>
    </message>
    <message>
        <source>%1 wide, %2 rows, %3 colours, take %4–%5</source>
        <extracomment>A set of play options: row width, rows, colours, fewest and most blocks per move.</extracomment>
        <translation>行宽 %1，%2 行，%3 种颜色，每步取 %4–%5 个</translation>
    </message>
    <message>
        <source>The statistics could not be reset: %1</source>
        <translation>无法重置统计：%1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>重置统计</translation>
    </message>
    <message>
        <source>Forget every game recorded so far? This cannot be undone.</source>
        <translation>要清除迄今记录的所有游戏吗？此操作无法撤销。</translation>
    </message>
</context>
<context>
    <name>SymbolNames</name>
    <message>
        <source>spade</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>黑桃</translation>
    </message>
    <message>
        <source>heart</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>红心</translation>
    </message>
    <message>
        <source>diamond</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>方片</translation>
    </message>
    <message>
        <source>club</source>
        <extracomment>A symbol drawn on a block: the playing-card suit.</extracomment>
        <translation>梅花</translation>
    </message>
    <message>
        <source>star</source>
        <extracomment>A symbol drawn on a block: a five-pointed star.</extracomment>
        <translation>星星</translation>
    </message>
    <message>
        <source>sun</source>
        <extracomment>A symbol drawn on a block: the sun, drawn with rays.</extracomment>
        <translation>太阳</translation>
    </message>
    <message>
        <source>umbrella</source>
        <translation>雨伞</translation>
    </message>
    <message>
        <source>smiling face</source>
        <extracomment>A symbol drawn on a block: a smiley.</extracomment>
        <translation>笑脸</translation>
    </message>
    <message>
        <source>aeroplane</source>
        <translation>飞机</translation>
    </message>
    <message>
        <source>snowflake</source>
        <translation>雪花</translation>
    </message>
    <message>
        <source>anchor</source>
        <translation>锚</translation>
    </message>
    <message>
        <source>command sign</source>
        <extracomment>A symbol drawn on a block: the looped square on a Mac command key.</extracomment>
        <translation>命令键符号</translation>
    </message>
    <message>
        <source>note</source>
        <extracomment>A symbol drawn on a block: a musical note.</extracomment>
        <translation>音符</translation>
    </message>
    <message>
        <source>yin yang</source>
        <extracomment>A symbol drawn on a block: the yin and yang symbol.</extracomment>
        <translation>阴阳</translation>
    </message>
    <message>
        <source>flower</source>
        <translation>花</translation>
    </message>
    <message>
        <source>flag</source>
        <extracomment>A symbol drawn on a block: a small flag on a pole.</extracomment>
        <translation>旗子</translation>
    </message>
    <message>
        <source>telephone</source>
        <translation>电话</translation>
    </message>
    <message>
        <source>scissors</source>
        <translation>剪刀</translation>
    </message>
    <message>
        <source>envelope</source>
        <translation>信封</translation>
    </message>
    <message>
        <source>knight</source>
        <extracomment>A symbol drawn on a block: the chess piece.</extracomment>
        <translation>骑士</translation>
    </message>
    <message>
        <source>lightning</source>
        <extracomment>A symbol drawn on a block: a lightning bolt.</extracomment>
        <translation>闪电</translation>
    </message>
</context>
</TS>
