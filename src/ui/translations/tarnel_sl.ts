<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>GameTexts</name>
    <message>
        <source>Red has 1 point</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>Rdeči ima 1 točko</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide; %n is red&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>Rdeči ima %n točko</numerusform>
            <numerusform>Rdeči ima %n točki</numerusform>
            <numerusform>Rdeči ima %n točke</numerusform>
            <numerusform>Rdeči ima %n točk</numerusform>
        </translation>
    </message>
    <message>
        <source>Yellow has 1 point</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>Rumeni ima 1 točko</translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide; %n is yellow&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>Rumeni ima %n točko</numerusform>
            <numerusform>Rumeni ima %n točki</numerusform>
            <numerusform>Rumeni ima %n točke</numerusform>
            <numerusform>Rumeni ima %n točk</numerusform>
        </translation>
    </message>
    <message>
        <source>G A M E  O V E R</source>
        <extracomment>Heading of the message at the end of a game, above the result: capitals separated by single blanks, two blanks between the words.</extracomment>
        <translation>K O N E C  I G R E</translation>
    </message>
    <message numerus="yes">
        <source>Red wins with %n points to %1.</source>
        <extracomment>The result when red won. %n is red&apos;s score, %1 yellow&apos;s (both up to 1875); the number form follows %n.</extracomment>
        <translation>
            <numerusform>Rdeči je zmagal: %n točka proti %1.</numerusform>
            <numerusform>Rdeči je zmagal: %n točki proti %1.</numerusform>
            <numerusform>Rdeči je zmagal: %n točke proti %1.</numerusform>
            <numerusform>Rdeči je zmagal: %n točk proti %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yellow wins with %n points to %1.</source>
        <extracomment>The result when yellow won. %n is yellow&apos;s score, %1 red&apos;s (both up to 1875); the number form follows %n. The English starts in lower case; other languages write the colour as a sentence begins.</extracomment>
        <translation>
            <numerusform>Rumeni je zmagal: %n točka proti %1.</numerusform>
            <numerusform>Rumeni je zmagal: %n točki proti %1.</numerusform>
            <numerusform>Rumeni je zmagal: %n točke proti %1.</numerusform>
            <numerusform>Rumeni je zmagal: %n točk proti %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No winner ... no loser. Both have %n points.</source>
        <extracomment>The result of a draw; %n is the score both colours have, up to 1875.</extracomment>
        <translation>
            <numerusform>Ni zmagovalca ... ni poraženca. Oba imata po %n točko.</numerusform>
            <numerusform>Ni zmagovalca ... ni poraženca. Oba imata po %n točki.</numerusform>
            <numerusform>Ni zmagovalca ... ni poraženca. Oba imata po %n točke.</numerusform>
            <numerusform>Ni zmagovalca ... ni poraženca. Oba imata po %n točk.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point in front of yellow.</source>
        <translation>Rdeči vodi pred rumenim za 1 točko.</translation>
    </message>
    <message>
        <source>Yellow is 1 point in front of red.</source>
        <translation>Rumeni vodi pred rdečim za 1 točko.</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points in front of yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is red&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Rdeči vodi pred rumenim za %n točko.</numerusform>
            <numerusform>Rdeči vodi pred rumenim za %n točki.</numerusform>
            <numerusform>Rdeči vodi pred rumenim za %n točke.</numerusform>
            <numerusform>Rdeči vodi pred rumenim za %n točk.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points in front of red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is yellow&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Rumeni vodi pred rdečim za %n točko.</numerusform>
            <numerusform>Rumeni vodi pred rdečim za %n točki.</numerusform>
            <numerusform>Rumeni vodi pred rdečim za %n točke.</numerusform>
            <numerusform>Rumeni vodi pred rdečim za %n točk.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red has 1 point. Well, well so does yellow.</source>
        <translation>Rdeči ima 1 točko. Glej no, rumeni tudi.</translation>
    </message>
    <message>
        <source>Yellow has 1 point. Well, well so does red.</source>
        <translation>Rumeni ima 1 točko. Glej no, rdeči tudi.</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points. Well, well so does yellow.</source>
        <extracomment>Red&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>Rdeči ima %n točko. Glej no, rumeni tudi.</numerusform>
            <numerusform>Rdeči ima %n točki. Glej no, rumeni tudi.</numerusform>
            <numerusform>Rdeči ima %n točke. Glej no, rumeni tudi.</numerusform>
            <numerusform>Rdeči ima %n točk. Glej no, rumeni tudi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points. Well, well so does red.</source>
        <extracomment>Yellow&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>Rumeni ima %n točko. Glej no, rdeči tudi.</numerusform>
            <numerusform>Rumeni ima %n točki. Glej no, rdeči tudi.</numerusform>
            <numerusform>Rumeni ima %n točke. Glej no, rdeči tudi.</numerusform>
            <numerusform>Rumeni ima %n točk. Glej no, rdeči tudi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point behind yellow.</source>
        <translation>Rdeči zaostaja za rumenim za 1 točko.</translation>
    </message>
    <message>
        <source>Yellow is 1 point behind red.</source>
        <translation>Rumeni zaostaja za rdečim za 1 točko.</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points behind yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is how far red is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Rdeči zaostaja za rumenim za %n točko.</numerusform>
            <numerusform>Rdeči zaostaja za rumenim za %n točki.</numerusform>
            <numerusform>Rdeči zaostaja za rumenim za %n točke.</numerusform>
            <numerusform>Rdeči zaostaja za rumenim za %n točk.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points behind red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is how far yellow is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Rumeni zaostaja za rdečim za %n točko.</numerusform>
            <numerusform>Rumeni zaostaja za rdečim za %n točki.</numerusform>
            <numerusform>Rumeni zaostaja za rdečim za %n točke.</numerusform>
            <numerusform>Rumeni zaostaja za rdečim za %n točk.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2, red</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by red.</extracomment>
        <translation>Vrstica %1, stolpec %2, rdeč</translation>
    </message>
    <message>
        <source>Row %1, column %2, yellow</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by yellow.</extracomment>
        <translation>Vrstica %1, stolpec %2, rumen</translation>
    </message>
    <message>
        <source>Row %1, column %2, free</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, not yet chosen.</extracomment>
        <translation>Vrstica %1, stolpec %2, prost</translation>
    </message>
    <message>
        <source>Row %1, column %2, out of play</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken out of the game by the field&apos;s layout (not a sports &quot;offside&quot;).</extracomment>
        <translation>Vrstica %1, stolpec %2, izločen iz igre</translation>
    </message>
    <message>
        <source>Red waits</source>
        <extracomment>The turn indicators for a screen reader: whose turn it is, and the move that handed the turn over (row 1 to 10, column 1 to 15).</extracomment>
        <translation>Rdeči čaka</translation>
    </message>
    <message>
        <source>Yellow waits</source>
        <translation>Rumeni čaka</translation>
    </message>
    <message>
        <source>Red to move</source>
        <translation>Na potezi je rdeči</translation>
    </message>
    <message>
        <source>Yellow to move</source>
        <translation>Na potezi je rumeni</translation>
    </message>
    <message>
        <source>Red to move. Red took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell red just chose; row 1 to 10, column 1 to 15. Use the help window&apos;s verb for choosing.</extracomment>
        <translation>Na potezi je rdeči. Rdeči je izbral gumb v vrstici %1, stolpcu %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Red took row %1, column %2.</source>
        <translation>Na potezi je rumeni. Rdeči je izbral gumb v vrstici %1, stolpcu %2.</translation>
    </message>
    <message>
        <source>Red to move. Yellow took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell yellow just chose; row 1 to 10, column 1 to 15.</extracomment>
        <translation>Na potezi je rdeči. Rumeni je izbral gumb v vrstici %1, stolpcu %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Yellow took row %1, column %2.</source>
        <translation>Na potezi je rumeni. Rumeni je izbral gumb v vrstici %1, stolpcu %2.</translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <extracomment>Shown in the web page in place of the game once the player has chosen Exit: the page cannot close itself.</extracomment>
        <translation>Igra je končana.</translation>
    </message>
    <message>
        <source>Play again</source>
        <extracomment>A link under &quot;The game has ended.&quot; that loads the game again.</extracomment>
        <translation>Igraj znova</translation>
    </message>
    <message>
        <source>Some files for your language did not arrive: a few texts may show in English or as boxes. Reload the page to try again.</source>
        <extracomment>Shown under the game in the web page when some of the files for the player&apos;s language could not be downloaded in time.</extracomment>
        <translation>Nekaj datotek za vaš jezik ni prispelo: del besedil se bo morda prikazal v angleščini ali kot kvadratki. Za nov poskus znova naložite stran.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s menus and items. &quot;&amp;&quot; marks the access key: each must be unique within its menu (and on the bar) and sit on a letter of the text.</extracomment>
        <translation>&amp;Igra</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nova igra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the program at once (Ctrl+X).</extracomment>
        <translation>&amp;Izhod</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <extracomment>The menu of the computer&apos;s playing level, one submenu per colour.</extracomment>
        <translation>&amp;Težavnost</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <extracomment>Submenu: the level at which the computer plays red.</extracomment>
        <translation>&amp;Rdeči</translation>
    </message>
    <message>
        <source>&amp;Idiot</source>
        <extracomment>The three levels of the computer player, weakest first: Idiot plays a random free button, Smart the first good one, Genius the best one.</extracomment>
        <translation>&amp;Tepec</translation>
    </message>
    <message>
        <source>&amp;Smart</source>
        <translation>&amp;Pametnež</translation>
    </message>
    <message>
        <source>&amp;Genius</source>
        <translation>&amp;Genij</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <extracomment>Submenu: the level at which the computer plays yellow.</extracomment>
        <translation>R&amp;umeni</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <extracomment>The menu of the five board layouts: &quot;field&quot; as the whole playing field, never one square of it.</extracomment>
        <translation>P&amp;lošča</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <extracomment>The five board layouts, with more and more buttons out of play: Standard (none) to Impossible.</extracomment>
        <translation>&amp;Standardna</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lahka</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Običajna</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Težka</translation>
    </message>
    <message>
        <source>&amp;Impossible</source>
        <translation>&amp;Nemogoča</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Who plays each colour: a person (human) or the computer.</extracomment>
        <translation>I&amp;gralci</translation>
    </message>
    <message>
        <source>&amp;Human vs Human</source>
        <translation>Č&amp;lovek proti človeku</translation>
    </message>
    <message>
        <source>H&amp;uman vs computer</source>
        <extracomment>Red is played by a person, yellow by the computer.</extracomment>
        <translation>Čl&amp;ovek proti računalniku</translation>
    </message>
    <message>
        <source>&amp;Computer vs Computer</source>
        <translation>&amp;Računalnik proti računalniku</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoč</translation>
    </message>
    <message>
        <source>&amp;Tarnel Help</source>
        <translation>&amp;Pomoč za Tarnel</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Opens the about window. The English text ends in a blank and names no program; other languages may write &quot;About Tarnel&quot;.</extracomment>
        <translation>&amp;O igri Tarnel</translation>
    </message>
</context>
<context>
    <name>PageLoader</name>
    <message>
        <source>The game could not start: its files stopped coming. Check the connection, then try again.</source>
        <extracomment>The web page, when the game&apos;s download stalled for half a minute.</extracomment>
        <translation>Igre ni bilo mogoče zagnati: prenos njenih datotek se je ustavil. Preverite internetno povezavo in poskusite znova.</translation>
    </message>
    <message>
        <source>The game could not start: one of its files is missing on the server.</source>
        <extracomment>The web page, when the server answered that a file of the game is not there.</extracomment>
        <translation>Igre ni bilo mogoče zagnati: na strežniku manjka ena od njenih datotek.</translation>
    </message>
    <message>
        <source>The game could not start: the connection broke off while it loaded. Check the connection, then try again.</source>
        <extracomment>The web page, when the network failed while the game downloaded.</extracomment>
        <translation>Igre ni bilo mogoče zagnati: med nalaganjem se je povezava prekinila. Preverite internetno povezavo in poskusite znova.</translation>
    </message>
    <message>
        <source>The game could not start from a file on this computer: a browser lets it load only from a web server.</source>
        <extracomment>The web page, opened as a file (file://) rather than from a web server.</extracomment>
        <translation>Igre ni bilo mogoče zagnati iz datoteke v tem računalniku: brskalnik jo naloži le s spletnega strežnika.</translation>
    </message>
    <message>
        <source>The game could not start: this browser cannot run it. A recent Chrome, Edge, Firefox or Safari can.</source>
        <extracomment>The web page, in a browser without WebAssembly.</extracomment>
        <translation>Igre ni bilo mogoče zagnati: ta brskalnik je ne more izvajati. Zažene jo lahko novejši Chrome, Edge, Firefox ali Safari.</translation>
    </message>
    <message>
        <source>The game could not start.</source>
        <extracomment>The web page, when the game failed to start for any other reason.</extracomment>
        <translation>Igre ni bilo mogoče zagnati.</translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>A link under the web page&apos;s words that the game could not start: loads the page again.</extracomment>
        <translation>Poskusi znova</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::BoardElementsView</name>
    <message>
        <source>Board</source>
        <extracomment>The name of the board in a web page, for a screen reader: the grid of 10 rows and 15 columns of cells.</extracomment>
        <translation>Igralna plošča</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmAbout</name>
    <message>
        <source>About Tarnel</source>
        <extracomment>Title bar of the about window.</extracomment>
        <translation>O igri Tarnel</translation>
    </message>
    <message>
        <source>Freeware ... have fun</source>
        <extracomment>One line of about 215 pixels: the program is free of charge.</extracomment>
        <translation>Brezplačno ... zabavajte se</translation>
    </message>
    <message>
        <source>Write to the Tarnel developers for news or the source.</source>
        <extracomment>At most two lines of about 215 pixels: an invitation to write to the developers for news of the game or for its source code.</extracomment>
        <translation>Za novice ali izvorno kodo pišite razvijalcem igre Tarnel.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the about window, about 75 pixels wide.</extracomment>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>One line: major, minor and revision, as in &quot;Version 1.0.10&quot;.</extracomment>
        <translation>Različica %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmHelp</name>
    <message>
        <source>Drawing: a chosen button</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: the single button beside the first rule.</extracomment>
        <translation>Risba: izbran gumb</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching at a corner</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch only at a corner, beside the rule worth 2 points.</extracomment>
        <translation>Risba: zgornji gumb, dotika se z vogalom</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching at a corner</source>
        <translation>Risba: spodnji gumb, dotika se z vogalom</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching along a side</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch along a long side, beside the rule worth 4 points.</extracomment>
        <translation>Risba: zgornji gumb, dotika se s stranico</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching along a side</source>
        <translation>Risba: spodnji gumb, dotika se s stranico</translation>
    </message>
    <message>
        <source>Every button gives the player 1 point</source>
        <extracomment>The help window&apos;s first rule: one line of about 280 pixels in bold.</extracomment>
        <translation>Vsak gumb prinese igralcu 1&#xa0;točko</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the point side that was already choosen before by that player gives that player an aditional 2 points</source>
        <extracomment>The help window&apos;s second rule, beside a drawing of two buttons that touch only at a corner (&quot;point side&quot;); at most four lines of about 280 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>Ko igralec izbere gumb, dobi še 2&#xa0;točki za vsak svoj prej izbrani gumb, ki se ga dotika le z vogalom</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the long side that was already choosen before by that player gives that player an aditional 4 points</source>
        <extracomment>The help window&apos;s third rule, beside a drawing of two buttons that touch along a side (&quot;long side&quot;); at most three lines of about 295 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>Ko igralec izbere gumb, dobi še 4&#xa0;točke za vsak svoj prej izbrani gumb, ki se ga dotika s stranico</translation>
    </message>
    <message>
        <source>Tarnel help</source>
        <extracomment>Title bar of the help window.</extracomment>
        <translation>Pomoč za Tarnel</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the help window, about 80 pixels wide.</extracomment>
        <translation>V redu</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmSplash</name>
    <message>
        <source>Welcome at the</source>
        <extracomment>The start-up window: one line of about 400 pixels in a large serif font, shown above the program&apos;s name &quot;Tarnel&quot;, which follows on its own line in larger letters. Write the greeting that reads well before the name; where the language puts the name inside the greeting, greet alone.</extracomment>
        <translation>Dobrodošli v igri</translation>
    </message>
</context>
</TS>
