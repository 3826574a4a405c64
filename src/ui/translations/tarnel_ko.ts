<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>GameTexts</name>
    <message>
        <source>Red has 1 point</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>빨강: 1점</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide; %n is red&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>빨강: %n점</numerusform>
        </translation>
    </message>
    <message>
        <source>Yellow has 1 point</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>노랑: 1점</translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide; %n is yellow&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>노랑: %n점</numerusform>
        </translation>
    </message>
    <message>
        <source>G A M E  O V E R</source>
        <extracomment>Heading of the message at the end of a game, above the result: capitals separated by single blanks, two blanks between the words.</extracomment>
        <translation>게임 오버</translation>
    </message>
    <message numerus="yes">
        <source>Red wins with %n points to %1.</source>
        <extracomment>The result when red won. %n is red&apos;s score, %1 yellow&apos;s (both up to 1875); the number form follows %n.</extracomment>
        <translation>
            <numerusform>%n 대 %1, 빨강의 승리입니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yellow wins with %n points to %1.</source>
        <extracomment>The result when yellow won. %n is yellow&apos;s score, %1 red&apos;s (both up to 1875); the number form follows %n. The English starts in lower case; other languages write the colour as a sentence begins.</extracomment>
        <translation>
            <numerusform>%n 대 %1, 노랑의 승리입니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No winner ... no loser. Both have %n points.</source>
        <extracomment>The result of a draw; %n is the score both colours have, up to 1875.</extracomment>
        <translation>
            <numerusform>승자도 없고... 패자도 없습니다. 양쪽 모두 %n점입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point in front of yellow.</source>
        <translation>빨강이 노랑보다 1점 앞서 있습니다.</translation>
    </message>
    <message>
        <source>Yellow is 1 point in front of red.</source>
        <translation>노랑이 빨강보다 1점 앞서 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points in front of yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is red&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>빨강이 노랑보다 %n점 앞서 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points in front of red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is yellow&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>노랑이 빨강보다 %n점 앞서 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red has 1 point. Well, well so does yellow.</source>
        <translation>빨강은 1점입니다. 오호, 노랑도 똑같네요.</translation>
    </message>
    <message>
        <source>Yellow has 1 point. Well, well so does red.</source>
        <translation>노랑은 1점입니다. 오호, 빨강도 똑같네요.</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points. Well, well so does yellow.</source>
        <extracomment>Red&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>빨강은 %n점입니다. 오호, 노랑도 똑같네요.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points. Well, well so does red.</source>
        <extracomment>Yellow&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>노랑은 %n점입니다. 오호, 빨강도 똑같네요.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point behind yellow.</source>
        <translation>빨강이 노랑보다 1점 뒤져 있습니다.</translation>
    </message>
    <message>
        <source>Yellow is 1 point behind red.</source>
        <translation>노랑이 빨강보다 1점 뒤져 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points behind yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is how far red is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>빨강이 노랑보다 %n점 뒤져 있습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points behind red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is how far yellow is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>노랑이 빨강보다 %n점 뒤져 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2, red</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by red.</extracomment>
        <translation>%1행 %2열, 빨강</translation>
    </message>
    <message>
        <source>Row %1, column %2, yellow</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by yellow.</extracomment>
        <translation>%1행 %2열, 노랑</translation>
    </message>
    <message>
        <source>Row %1, column %2, free</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, not yet chosen.</extracomment>
        <translation>%1행 %2열, 비어 있음</translation>
    </message>
    <message>
        <source>Row %1, column %2, out of play</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken out of the game by the field&apos;s layout (not a sports &quot;offside&quot;).</extracomment>
        <translation>%1행 %2열, 사용 불가</translation>
    </message>
    <message>
        <source>Red waits</source>
        <extracomment>The turn indicators for a screen reader: whose turn it is, and the move that handed the turn over (row 1 to 10, column 1 to 15).</extracomment>
        <translation>빨강 대기 중</translation>
    </message>
    <message>
        <source>Yellow waits</source>
        <translation>노랑 대기 중</translation>
    </message>
    <message>
        <source>Red to move</source>
        <translation>빨강 차례</translation>
    </message>
    <message>
        <source>Yellow to move</source>
        <translation>노랑 차례</translation>
    </message>
    <message>
        <source>Red to move. Red took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell red just chose; row 1 to 10, column 1 to 15. Use the help window&apos;s verb for choosing.</extracomment>
        <translation>빨강 차례입니다. 빨강이 %1행 %2열을 선택했습니다.</translation>
    </message>
    <message>
        <source>Yellow to move. Red took row %1, column %2.</source>
        <translation>노랑 차례입니다. 빨강이 %1행 %2열을 선택했습니다.</translation>
    </message>
    <message>
        <source>Red to move. Yellow took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell yellow just chose; row 1 to 10, column 1 to 15.</extracomment>
        <translation>빨강 차례입니다. 노랑이 %1행 %2열을 선택했습니다.</translation>
    </message>
    <message>
        <source>Yellow to move. Yellow took row %1, column %2.</source>
        <translation>노랑 차례입니다. 노랑이 %1행 %2열을 선택했습니다.</translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <extracomment>Shown in the web page in place of the game once the player has chosen Exit: the page cannot close itself.</extracomment>
        <translation>게임이 끝났습니다.</translation>
    </message>
    <message>
        <source>Play again</source>
        <extracomment>A link under &quot;The game has ended.&quot; that loads the game again.</extracomment>
        <translation>다시 하기</translation>
    </message>
    <message>
        <source>Some files for your language did not arrive: a few texts may show in English or as boxes. Reload the page to try again.</source>
        <extracomment>Shown under the game in the web page when some of the files for the player&apos;s language could not be downloaded in time.</extracomment>
        <translation>사용 중인 언어의 파일 일부를 불러오지 못했습니다. 몇몇 텍스트가 영어나 네모 상자로 표시될 수 있습니다. 페이지를 새로 고쳐 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s menus and items. &quot;&amp;&quot; marks the access key: each must be unique within its menu (and on the bar) and sit on a letter of the text.</extracomment>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>새 게임(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the program at once (Ctrl+X).</extracomment>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <extracomment>The menu of the computer&apos;s playing level, one submenu per colour.</extracomment>
        <translation>난이도(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <extracomment>Submenu: the level at which the computer plays red.</extracomment>
        <translation>빨강(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Idiot</source>
        <extracomment>The three levels of the computer player, weakest first: Idiot plays a random free button, Smart the first good one, Genius the best one.</extracomment>
        <translation>바보(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Smart</source>
        <translation>똑똑이(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Genius</source>
        <translation>천재(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <extracomment>Submenu: the level at which the computer plays yellow.</extracomment>
        <translation>노랑(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <extracomment>The menu of the five board layouts: &quot;field&quot; as the whole playing field, never one square of it.</extracomment>
        <translation>필드(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <extracomment>The five board layouts, with more and more buttons out of play: Standard (none) to Impossible.</extracomment>
        <translation>표준(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>쉬움(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>보통(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>어려움(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Impossible</source>
        <translation>불가능(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Who plays each colour: a person (human) or the computer.</extracomment>
        <translation>플레이어(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Human vs Human</source>
        <translation>사람 대 사람(&amp;H)</translation>
    </message>
    <message>
        <source>H&amp;uman vs computer</source>
        <extracomment>Red is played by a person, yellow by the computer.</extracomment>
        <translation>사람 대 컴퓨터(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Computer vs Computer</source>
        <translation>컴퓨터 대 컴퓨터(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tarnel Help</source>
        <translation>Tarnel 도움말(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Opens the about window. The English text ends in a blank and names no program; other languages may write &quot;About Tarnel&quot;.</extracomment>
        <translation>Tarnel 정보(&amp;A)</translation>
    </message>
</context>
<context>
    <name>PageLoader</name>
    <message>
        <source>The game could not start: its files stopped coming. Check the connection, then try again.</source>
        <extracomment>The web page, when the game&apos;s download stalled for half a minute.</extracomment>
        <translation>게임을 시작하지 못했습니다. 게임 파일 다운로드가 도중에 멈췄습니다. 인터넷 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The game could not start: one of its files is missing on the server.</source>
        <extracomment>The web page, when the server answered that a file of the game is not there.</extracomment>
        <translation>게임을 시작하지 못했습니다. 게임 파일 중 하나가 서버에 없습니다.</translation>
    </message>
    <message>
        <source>The game could not start: the connection broke off while it loaded. Check the connection, then try again.</source>
        <extracomment>The web page, when the network failed while the game downloaded.</extracomment>
        <translation>게임을 시작하지 못했습니다. 불러오는 도중에 연결이 끊어졌습니다. 인터넷 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The game could not start from a file on this computer: a browser lets it load only from a web server.</source>
        <extracomment>The web page, opened as a file (file://) rather than from a web server.</extracomment>
        <translation>이 컴퓨터에 있는 파일로는 게임을 시작하지 못했습니다. 브라우저는 웹 서버에서만 게임을 불러올 수 있습니다.</translation>
    </message>
    <message>
        <source>The game could not start: this browser cannot run it. A recent Chrome, Edge, Firefox or Safari can.</source>
        <extracomment>The web page, in a browser without WebAssembly.</extracomment>
        <translation>게임을 시작하지 못했습니다. 이 브라우저에서는 게임을 실행할 수 없습니다. 최신 Chrome, Edge, Firefox 또는 Safari에서는 실행할 수 있습니다.</translation>
    </message>
    <message>
        <source>The game could not start.</source>
        <extracomment>The web page, when the game failed to start for any other reason.</extracomment>
        <translation>게임을 시작하지 못했습니다.</translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>A link under the web page&apos;s words that the game could not start: loads the page again.</extracomment>
        <translation>다시 시도</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::BoardElementsView</name>
    <message>
        <source>Board</source>
        <extracomment>The name of the board in a web page, for a screen reader: the grid of 10 rows and 15 columns of cells.</extracomment>
        <translation>필드</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmAbout</name>
    <message>
        <source>About Tarnel</source>
        <extracomment>Title bar of the about window.</extracomment>
        <translation>Tarnel 정보</translation>
    </message>
    <message>
        <source>Freeware ... have fun</source>
        <extracomment>One line of about 215 pixels: the program is free of charge.</extracomment>
        <translation>프리웨어... 재미있게 즐기세요!</translation>
    </message>
    <message>
        <source>Write to the Tarnel developers for news or the source.</source>
        <extracomment>At most two lines of about 215 pixels: an invitation to write to the developers for news of the game or for its source code.</extracomment>
        <translation>새 소식과 소스 코드는 개발자에게 문의하세요.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the about window, about 75 pixels wide.</extracomment>
        <translation>확인</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>One line: major, minor and revision, as in &quot;Version 1.0.10&quot;.</extracomment>
        <translation>버전 %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmHelp</name>
    <message>
        <source>Drawing: a chosen button</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: the single button beside the first rule.</extracomment>
        <translation>그림: 선택한 버튼</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching at a corner</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch only at a corner, beside the rule worth 2 points.</extracomment>
        <translation>그림: 위쪽 버튼, 꼭짓점으로 맞닿음</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching at a corner</source>
        <translation>그림: 아래쪽 버튼, 꼭짓점으로 맞닿음</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching along a side</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch along a long side, beside the rule worth 4 points.</extracomment>
        <translation>그림: 위쪽 버튼, 변으로 맞닿음</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching along a side</source>
        <translation>그림: 아래쪽 버튼, 변으로 맞닿음</translation>
    </message>
    <message>
        <source>Every button gives the player 1 point</source>
        <extracomment>The help window&apos;s first rule: one line of about 280 pixels in bold.</extracomment>
        <translation>버튼 하나를 선택하면 1점을 얻습니다</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the point side that was already choosen before by that player gives that player an aditional 2 points</source>
        <extracomment>The help window&apos;s second rule, beside a drawing of two buttons that touch only at a corner (&quot;point side&quot;); at most four lines of about 280 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>버튼을 선택하면 꼭짓점으로만 맞닿은 자기 색 버튼 하나마다 2점을 더 얻습니다</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the long side that was already choosen before by that player gives that player an aditional 4 points</source>
        <extracomment>The help window&apos;s third rule, beside a drawing of two buttons that touch along a side (&quot;long side&quot;); at most three lines of about 295 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>버튼을 선택하면 변으로 맞닿은 자기 색 버튼 하나마다 4점을 더 얻습니다</translation>
    </message>
    <message>
        <source>Tarnel help</source>
        <extracomment>Title bar of the help window.</extracomment>
        <translation>Tarnel 도움말</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the help window, about 80 pixels wide.</extracomment>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmSplash</name>
    <message>
        <source>Welcome at the</source>
        <extracomment>The start-up window: one line of about 400 pixels in a large serif font, shown above the program&apos;s name &quot;Tarnel&quot;, which follows on its own line in larger letters. Write the greeting that reads well before the name; where the language puts the name inside the greeting, greet alone.</extracomment>
        <translation>환영합니다</translation>
    </message>
</context>
</TS>
