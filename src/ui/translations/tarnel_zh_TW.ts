<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>GameTexts</name>
    <message>
        <source>Red has 1 point</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>紅方：1 分</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide; %n is red&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>紅方：%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>Yellow has 1 point</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>黃方：1 分</translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide; %n is yellow&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>黃方：%n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>G A M E  O V E R</source>
        <extracomment>Heading of the message at the end of a game, above the result: capitals separated by single blanks, two blanks between the words.</extracomment>
        <translation>遊戲結束</translation>
    </message>
    <message numerus="yes">
        <source>Red wins with %n points to %1.</source>
        <extracomment>The result when red won. %n is red&apos;s score, %1 yellow&apos;s (both up to 1875); the number form follows %n.</extracomment>
        <translation>
            <numerusform>紅方以 %n 比 %1 獲勝。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yellow wins with %n points to %1.</source>
        <extracomment>The result when yellow won. %n is yellow&apos;s score, %1 red&apos;s (both up to 1875); the number form follows %n. The English starts in lower case; other languages write the colour as a sentence begins.</extracomment>
        <translation>
            <numerusform>黃方以 %n 比 %1 獲勝。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No winner ... no loser. Both have %n points.</source>
        <extracomment>The result of a draw; %n is the score both colours have, up to 1875.</extracomment>
        <translation>
            <numerusform>沒有贏家……也沒有輸家。雙方都是 %n 分。</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point in front of yellow.</source>
        <translation>紅方領先黃方 1 分。</translation>
    </message>
    <message>
        <source>Yellow is 1 point in front of red.</source>
        <translation>黃方領先紅方 1 分。</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points in front of yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is red&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>紅方領先黃方 %n 分。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points in front of red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is yellow&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>黃方領先紅方 %n 分。</numerusform>
        </translation>
    </message>
    <message>
        <source>Red has 1 point. Well, well so does yellow.</source>
        <translation>紅方有 1 分。真巧，黃方也一樣。</translation>
    </message>
    <message>
        <source>Yellow has 1 point. Well, well so does red.</source>
        <translation>黃方有 1 分。真巧，紅方也一樣。</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points. Well, well so does yellow.</source>
        <extracomment>Red&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>紅方有 %n 分。真巧，黃方也一樣。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points. Well, well so does red.</source>
        <extracomment>Yellow&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>黃方有 %n 分。真巧，紅方也一樣。</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point behind yellow.</source>
        <translation>紅方落後黃方 1 分。</translation>
    </message>
    <message>
        <source>Yellow is 1 point behind red.</source>
        <translation>黃方落後紅方 1 分。</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points behind yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is how far red is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>紅方落後黃方 %n 分。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points behind red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is how far yellow is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>黃方落後紅方 %n 分。</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2, red</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by red.</extracomment>
        <translation>第 %1 列，第 %2 欄，紅方</translation>
    </message>
    <message>
        <source>Row %1, column %2, yellow</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by yellow.</extracomment>
        <translation>第 %1 列，第 %2 欄，黃方</translation>
    </message>
    <message>
        <source>Row %1, column %2, free</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, not yet chosen.</extracomment>
        <translation>第 %1 列，第 %2 欄，空位</translation>
    </message>
    <message>
        <source>Row %1, column %2, out of play</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken out of the game by the field&apos;s layout (not a sports &quot;offside&quot;).</extracomment>
        <translation>第 %1 列，第 %2 欄，不可用</translation>
    </message>
    <message>
        <source>Red waits</source>
        <extracomment>The turn indicators for a screen reader: whose turn it is, and the move that handed the turn over (row 1 to 10, column 1 to 15).</extracomment>
        <translation>紅方等待中</translation>
    </message>
    <message>
        <source>Yellow waits</source>
        <translation>黃方等待中</translation>
    </message>
    <message>
        <source>Red to move</source>
        <translation>輪到紅方</translation>
    </message>
    <message>
        <source>Yellow to move</source>
        <translation>輪到黃方</translation>
    </message>
    <message>
        <source>Red to move. Red took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell red just chose; row 1 to 10, column 1 to 15. Use the help window&apos;s verb for choosing.</extracomment>
        <translation>輪到紅方。紅方選擇了第 %1 列第 %2 欄。</translation>
    </message>
    <message>
        <source>Yellow to move. Red took row %1, column %2.</source>
        <translation>輪到黃方。紅方選擇了第 %1 列第 %2 欄。</translation>
    </message>
    <message>
        <source>Red to move. Yellow took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell yellow just chose; row 1 to 10, column 1 to 15.</extracomment>
        <translation>輪到紅方。黃方選擇了第 %1 列第 %2 欄。</translation>
    </message>
    <message>
        <source>Yellow to move. Yellow took row %1, column %2.</source>
        <translation>輪到黃方。黃方選擇了第 %1 列第 %2 欄。</translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <extracomment>Shown in the web page in place of the game once the player has chosen Exit: the page cannot close itself.</extracomment>
        <translation>遊戲已結束。</translation>
    </message>
    <message>
        <source>Play again</source>
        <extracomment>A link under &quot;The game has ended.&quot; that loads the game again.</extracomment>
        <translation>再玩一次</translation>
    </message>
    <message>
        <source>Some files for your language did not arrive: a few texts may show in English or as boxes. Reload the page to try again.</source>
        <extracomment>Shown under the game in the web page when some of the files for the player&apos;s language could not be downloaded in time.</extracomment>
        <translation>您所用語言的部分檔案未能載入：某些文字可能顯示為英文或方框。請重新整理頁面再試一次。</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s menus and items. &quot;&amp;&quot; marks the access key: each must be unique within its menu (and on the bar) and sit on a letter of the text.</extracomment>
        <translation>遊戲(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>新遊戲(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the program at once (Ctrl+X).</extracomment>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <extracomment>The menu of the computer&apos;s playing level, one submenu per colour.</extracomment>
        <translation>難度(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <extracomment>Submenu: the level at which the computer plays red.</extracomment>
        <translation>紅方(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Idiot</source>
        <extracomment>The three levels of the computer player, weakest first: Idiot plays a random free button, Smart the first good one, Genius the best one.</extracomment>
        <translation>笨蛋(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Smart</source>
        <translation>聰明人(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Genius</source>
        <translation>天才(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <extracomment>Submenu: the level at which the computer plays yellow.</extracomment>
        <translation>黃方(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <extracomment>The menu of the five board layouts: &quot;field&quot; as the whole playing field, never one square of it.</extracomment>
        <translation>棋盤(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <extracomment>The five board layouts, with more and more buttons out of play: Standard (none) to Impossible.</extracomment>
        <translation>標準(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>簡單(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>普通(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>困難(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Impossible</source>
        <translation>不可能(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Who plays each colour: a person (human) or the computer.</extracomment>
        <translation>玩家(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Human vs Human</source>
        <translation>人對人(&amp;H)</translation>
    </message>
    <message>
        <source>H&amp;uman vs computer</source>
        <extracomment>Red is played by a person, yellow by the computer.</extracomment>
        <translation>人對電腦(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Computer vs Computer</source>
        <translation>電腦對電腦(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tarnel Help</source>
        <translation>Tarnel 說明(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Opens the about window. The English text ends in a blank and names no program; other languages may write &quot;About Tarnel&quot;.</extracomment>
        <translation>關於 Tarnel(&amp;A)</translation>
    </message>
</context>
<context>
    <name>PageLoader</name>
    <message>
        <source>The game could not start: its files stopped coming. Check the connection, then try again.</source>
        <extracomment>The web page, when the game&apos;s download stalled for half a minute.</extracomment>
        <translation>遊戲未能啟動：遊戲檔案的下載停滯了。請檢查網路連線，然後再試一次。</translation>
    </message>
    <message>
        <source>The game could not start: one of its files is missing on the server.</source>
        <extracomment>The web page, when the server answered that a file of the game is not there.</extracomment>
        <translation>遊戲未能啟動：伺服器上缺少一個遊戲檔案。</translation>
    </message>
    <message>
        <source>The game could not start: the connection broke off while it loaded. Check the connection, then try again.</source>
        <extracomment>The web page, when the network failed while the game downloaded.</extracomment>
        <translation>遊戲未能啟動：載入時連線中斷了。請檢查網路連線，然後再試一次。</translation>
    </message>
    <message>
        <source>The game could not start from a file on this computer: a browser lets it load only from a web server.</source>
        <extracomment>The web page, opened as a file (file://) rather than from a web server.</extracomment>
        <translation>遊戲未能從這台電腦上的檔案啟動：瀏覽器只能從網頁伺服器載入遊戲。</translation>
    </message>
    <message>
        <source>The game could not start: this browser cannot run it. A recent Chrome, Edge, Firefox or Safari can.</source>
        <extracomment>The web page, in a browser without WebAssembly.</extracomment>
        <translation>遊戲未能啟動：此瀏覽器無法執行本遊戲。請改用較新版本的 Chrome、Edge、Firefox 或 Safari。</translation>
    </message>
    <message>
        <source>The game could not start.</source>
        <extracomment>The web page, when the game failed to start for any other reason.</extracomment>
        <translation>遊戲未能啟動。</translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>A link under the web page&apos;s words that the game could not start: loads the page again.</extracomment>
        <translation>再試一次</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::BoardElementsView</name>
    <message>
        <source>Board</source>
        <extracomment>The name of the board in a web page, for a screen reader: the grid of 10 rows and 15 columns of cells.</extracomment>
        <translation>棋盤</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmAbout</name>
    <message>
        <source>About Tarnel</source>
        <extracomment>Title bar of the about window.</extracomment>
        <translation>關於 Tarnel</translation>
    </message>
    <message>
        <source>Freeware ... have fun</source>
        <extracomment>One line of about 215 pixels: the program is free of charge.</extracomment>
        <translation>免費軟體……祝您玩得愉快</translation>
    </message>
    <message>
        <source>Write to the Tarnel developers for news or the source.</source>
        <extracomment>At most two lines of about 215 pixels: an invitation to write to the developers for news of the game or for its source code.</extracomment>
        <translation>歡迎致信開發者索取最新消息或原始碼。</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the about window, about 75 pixels wide.</extracomment>
        <translation>確定</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>One line: major, minor and revision, as in &quot;Version 1.0.10&quot;.</extracomment>
        <translation>版本 %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmHelp</name>
    <message>
        <source>Drawing: a chosen button</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: the single button beside the first rule.</extracomment>
        <translation>示意圖：已選擇的按鈕</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching at a corner</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch only at a corner, beside the rule worth 2 points.</extracomment>
        <translation>示意圖：上方按鈕，以角相接</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching at a corner</source>
        <translation>示意圖：下方按鈕，以角相接</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching along a side</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch along a long side, beside the rule worth 4 points.</extracomment>
        <translation>示意圖：上方按鈕，以邊相接</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching along a side</source>
        <translation>示意圖：下方按鈕，以邊相接</translation>
    </message>
    <message>
        <source>Every button gives the player 1 point</source>
        <extracomment>The help window&apos;s first rule: one line of about 280 pixels in bold.</extracomment>
        <translation>每選擇一個按鈕，玩家得&#xa0;1&#xa0;分</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the point side that was already choosen before by that player gives that player an aditional 2 points</source>
        <extracomment>The help window&apos;s second rule, beside a drawing of two buttons that touch only at a corner (&quot;point side&quot;); at most four lines of about 280 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>玩家選擇按鈕時，每有一個先前已選的己方按鈕僅以角與之相接，即額外獲得&#xa0;2&#xa0;分</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the long side that was already choosen before by that player gives that player an aditional 4 points</source>
        <extracomment>The help window&apos;s third rule, beside a drawing of two buttons that touch along a side (&quot;long side&quot;); at most three lines of about 295 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>玩家選擇按鈕時，每有一個先前已選的己方按鈕以邊與之相接，即額外獲得&#xa0;4&#xa0;分</translation>
    </message>
    <message>
        <source>Tarnel help</source>
        <extracomment>Title bar of the help window.</extracomment>
        <translation>Tarnel 說明</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the help window, about 80 pixels wide.</extracomment>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmSplash</name>
    <message>
        <source>Welcome at the</source>
        <extracomment>The start-up window: one line of about 400 pixels in a large serif font, shown above the program&apos;s name &quot;Tarnel&quot;, which follows on its own line in larger letters. Write the greeting that reads well before the name; where the language puts the name inside the greeting, greet alone.</extracomment>
        <translation>歡迎來到</translation>
    </message>
</context>
</TS>
