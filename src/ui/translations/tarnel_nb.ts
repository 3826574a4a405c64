<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb">
<context>
    <name>GameTexts</name>
    <message>
        <source>Red has 1 point</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>Rød har 1 poeng</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide; %n is red&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>Rød har %n poeng</numerusform>
            <numerusform>Rød har %n poeng</numerusform>
        </translation>
    </message>
    <message>
        <source>Yellow has 1 point</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>Gul har 1 poeng</translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide; %n is yellow&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>Gul har %n poeng</numerusform>
            <numerusform>Gul har %n poeng</numerusform>
        </translation>
    </message>
    <message>
        <source>G A M E  O V E R</source>
        <extracomment>Heading of the message at the end of a game, above the result: capitals separated by single blanks, two blanks between the words.</extracomment>
        <translation>S P I L L E T  E R  S L U T T</translation>
    </message>
    <message numerus="yes">
        <source>Red wins with %n points to %1.</source>
        <extracomment>The result when red won. %n is red&apos;s score, %1 yellow&apos;s (both up to 1875); the number form follows %n.</extracomment>
        <translation>
            <numerusform>Rød vinner med %n poeng mot %1.</numerusform>
            <numerusform>Rød vinner med %n poeng mot %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yellow wins with %n points to %1.</source>
        <extracomment>The result when yellow won. %n is yellow&apos;s score, %1 red&apos;s (both up to 1875); the number form follows %n. The English starts in lower case; other languages write the colour as a sentence begins.</extracomment>
        <translation>
            <numerusform>Gul vinner med %n poeng mot %1.</numerusform>
            <numerusform>Gul vinner med %n poeng mot %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No winner ... no loser. Both have %n points.</source>
        <extracomment>The result of a draw; %n is the score both colours have, up to 1875.</extracomment>
        <translation>
            <numerusform>Ingen vinner ... ingen taper. Begge har %n poeng.</numerusform>
            <numerusform>Ingen vinner ... ingen taper. Begge har %n poeng.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point in front of yellow.</source>
        <translation>Rød ligger 1 poeng foran gul.</translation>
    </message>
    <message>
        <source>Yellow is 1 point in front of red.</source>
        <translation>Gul ligger 1 poeng foran rød.</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points in front of yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is red&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Rød ligger %n poeng foran gul.</numerusform>
            <numerusform>Rød ligger %n poeng foran gul.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points in front of red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is yellow&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Gul ligger %n poeng foran rød.</numerusform>
            <numerusform>Gul ligger %n poeng foran rød.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red has 1 point. Well, well so does yellow.</source>
        <translation>Rød har 1 poeng. Jammen har gul det også.</translation>
    </message>
    <message>
        <source>Yellow has 1 point. Well, well so does red.</source>
        <translation>Gul har 1 poeng. Jammen har rød det også.</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points. Well, well so does yellow.</source>
        <extracomment>Red&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>Rød har %n poeng. Jammen har gul det også.</numerusform>
            <numerusform>Rød har %n poeng. Jammen har gul det også.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points. Well, well so does red.</source>
        <extracomment>Yellow&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>Gul har %n poeng. Jammen har rød det også.</numerusform>
            <numerusform>Gul har %n poeng. Jammen har rød det også.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point behind yellow.</source>
        <translation>Rød ligger 1 poeng bak gul.</translation>
    </message>
    <message>
        <source>Yellow is 1 point behind red.</source>
        <translation>Gul ligger 1 poeng bak rød.</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points behind yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is how far red is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Rød ligger %n poeng bak gul.</numerusform>
            <numerusform>Rød ligger %n poeng bak gul.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points behind red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is how far yellow is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Gul ligger %n poeng bak rød.</numerusform>
            <numerusform>Gul ligger %n poeng bak rød.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2, red</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by red.</extracomment>
        <translation>Rad %1, kolonne %2, rød</translation>
    </message>
    <message>
        <source>Row %1, column %2, yellow</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by yellow.</extracomment>
        <translation>Rad %1, kolonne %2, gul</translation>
    </message>
    <message>
        <source>Row %1, column %2, free</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, not yet chosen.</extracomment>
        <translation>Rad %1, kolonne %2, ledig</translation>
    </message>
    <message>
        <source>Row %1, column %2, out of play</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken out of the game by the field&apos;s layout (not a sports &quot;offside&quot;).</extracomment>
        <translation>Rad %1, kolonne %2, ute av spillet</translation>
    </message>
    <message>
        <source>Red waits</source>
        <extracomment>The turn indicators for a screen reader: whose turn it is, and the move that handed the turn over (row 1 to 10, column 1 to 15).</extracomment>
        <translation>Rød venter</translation>
    </message>
    <message>
        <source>Yellow waits</source>
        <translation>Gul venter</translation>
    </message>
    <message>
        <source>Red to move</source>
        <translation>Rød har turen</translation>
    </message>
    <message>
        <source>Yellow to move</source>
        <translation>Gul har turen</translation>
    </message>
    <message>
        <source>Red to move. Red took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell red just chose; row 1 to 10, column 1 to 15. Use the help window&apos;s verb for choosing.</extracomment>
        <translation>Rød har turen. Rød valgte rad %1, kolonne %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Red took row %1, column %2.</source>
        <translation>Gul har turen. Rød valgte rad %1, kolonne %2.</translation>
    </message>
    <message>
        <source>Red to move. Yellow took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell yellow just chose; row 1 to 10, column 1 to 15.</extracomment>
        <translation>Rød har turen. Gul valgte rad %1, kolonne %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Yellow took row %1, column %2.</source>
        <translation>Gul har turen. Gul valgte rad %1, kolonne %2.</translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <extracomment>Shown in the web page in place of the game once the player has chosen Exit: the page cannot close itself.</extracomment>
        <translation>Spillet er avsluttet.</translation>
    </message>
    <message>
        <source>Play again</source>
        <extracomment>A link under &quot;The game has ended.&quot; that loads the game again.</extracomment>
        <translation>Spill igjen</translation>
    </message>
    <message>
        <source>Some files for your language did not arrive: a few texts may show in English or as boxes. Reload the page to try again.</source>
        <extracomment>Shown under the game in the web page when some of the files for the player&apos;s language could not be downloaded in time.</extracomment>
        <translation>Noen filer for språket ditt kom ikke fram: enkelte tekster kan vises på engelsk eller som firkanter. Last inn siden på nytt for å prøve igjen.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s menus and items. &quot;&amp;&quot; marks the access key: each must be unique within its menu (and on the bar) and sit on a letter of the text.</extracomment>
        <translation>&amp;Spill</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nytt spill</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the program at once (Ctrl+X).</extracomment>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <extracomment>The menu of the computer&apos;s playing level, one submenu per colour.</extracomment>
        <translation>&amp;Vanskelighetsgrad</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <extracomment>Submenu: the level at which the computer plays red.</extracomment>
        <translation>&amp;Rød</translation>
    </message>
    <message>
        <source>&amp;Idiot</source>
        <extracomment>The three levels of the computer player, weakest first: Idiot plays a random free button, Smart the first good one, Genius the best one.</extracomment>
        <translation>&amp;Idiot</translation>
    </message>
    <message>
        <source>&amp;Smart</source>
        <translation>&amp;Smart</translation>
    </message>
    <message>
        <source>&amp;Genius</source>
        <translation>&amp;Geni</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <extracomment>Submenu: the level at which the computer plays yellow.</extracomment>
        <translation>&amp;Gul</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <extracomment>The menu of the five board layouts: &quot;field&quot; as the whole playing field, never one square of it.</extracomment>
        <translation>&amp;Bane</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <extracomment>The five board layouts, with more and more buttons out of play: Standard (none) to Impossible.</extracomment>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lett</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Vanskelig</translation>
    </message>
    <message>
        <source>&amp;Impossible</source>
        <translation>&amp;Umulig</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Who plays each colour: a person (human) or the computer.</extracomment>
        <translation>S&amp;pillere</translation>
    </message>
    <message>
        <source>&amp;Human vs Human</source>
        <translation>&amp;Menneske mot menneske</translation>
    </message>
    <message>
        <source>H&amp;uman vs computer</source>
        <extracomment>Red is played by a person, yellow by the computer.</extracomment>
        <translation>M&amp;enneske mot datamaskin</translation>
    </message>
    <message>
        <source>&amp;Computer vs Computer</source>
        <translation>&amp;Datamaskin mot datamaskin</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Tarnel Help</source>
        <translation>&amp;Tarnel-hjelp</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Opens the about window. The English text ends in a blank and names no program; other languages may write &quot;About Tarnel&quot;.</extracomment>
        <translation>&amp;Om Tarnel</translation>
    </message>
</context>
<context>
    <name>PageLoader</name>
    <message>
        <source>The game could not start: its files stopped coming. Check the connection, then try again.</source>
        <extracomment>The web page, when the game&apos;s download stalled for half a minute.</extracomment>
        <translation>Spillet kunne ikke starte: nedlastingen av filene stoppet opp. Sjekk tilkoblingen og prøv igjen.</translation>
    </message>
    <message>
        <source>The game could not start: one of its files is missing on the server.</source>
        <extracomment>The web page, when the server answered that a file of the game is not there.</extracomment>
        <translation>Spillet kunne ikke starte: en av filene mangler på serveren.</translation>
    </message>
    <message>
        <source>The game could not start: the connection broke off while it loaded. Check the connection, then try again.</source>
        <extracomment>The web page, when the network failed while the game downloaded.</extracomment>
        <translation>Spillet kunne ikke starte: tilkoblingen ble brutt mens spillet ble lastet inn. Sjekk tilkoblingen og prøv igjen.</translation>
    </message>
    <message>
        <source>The game could not start from a file on this computer: a browser lets it load only from a web server.</source>
        <extracomment>The web page, opened as a file (file://) rather than from a web server.</extracomment>
        <translation>Spillet kunne ikke starte fra en fil på denne datamaskinen: en nettleser laster det bare inn fra en webserver.</translation>
    </message>
    <message>
        <source>The game could not start: this browser cannot run it. A recent Chrome, Edge, Firefox or Safari can.</source>
        <extracomment>The web page, in a browser without WebAssembly.</extracomment>
        <translation>Spillet kunne ikke starte: denne nettleseren kan ikke kjøre det. Det kan en nyere versjon av Chrome, Edge, Firefox eller Safari.</translation>
    </message>
    <message>
        <source>The game could not start.</source>
        <extracomment>The web page, when the game failed to start for any other reason.</extracomment>
        <translation>Spillet kunne ikke starte.</translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>A link under the web page&apos;s words that the game could not start: loads the page again.</extracomment>
        <translation>Prøv igjen</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::BoardElementsView</name>
    <message>
        <source>Board</source>
        <extracomment>The name of the board in a web page, for a screen reader: the grid of 10 rows and 15 columns of cells.</extracomment>
        <translation>Spillebrett</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmAbout</name>
    <message>
        <source>About Tarnel</source>
        <extracomment>Title bar of the about window.</extracomment>
        <translation>Om Tarnel</translation>
    </message>
    <message>
        <source>Freeware ... have fun</source>
        <extracomment>One line of about 215 pixels: the program is free of charge.</extracomment>
        <translation>Gratis ... ha det gøy</translation>
    </message>
    <message>
        <source>Write to the Tarnel developers for news or the source.</source>
        <extracomment>At most two lines of about 215 pixels: an invitation to write to the developers for news of the game or for its source code.</extracomment>
        <translation>Skriv til Tarnel-utviklerne for å få nyheter eller kildekoden.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the about window, about 75 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>One line: major, minor and revision, as in &quot;Version 1.0.10&quot;.</extracomment>
        <translation>Versjon %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmHelp</name>
    <message>
        <source>Drawing: a chosen button</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: the single button beside the first rule.</extracomment>
        <translation>Tegning: en valgt knapp</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching at a corner</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch only at a corner, beside the rule worth 2 points.</extracomment>
        <translation>Tegning: øvre knapp, berører bare i et hjørne</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching at a corner</source>
        <translation>Tegning: nedre knapp, berører bare i et hjørne</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching along a side</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch along a long side, beside the rule worth 4 points.</extracomment>
        <translation>Tegning: øvre knapp, berører langs en side</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching along a side</source>
        <translation>Tegning: nedre knapp, berører langs en side</translation>
    </message>
    <message>
        <source>Every button gives the player 1 point</source>
        <extracomment>The help window&apos;s first rule: one line of about 280 pixels in bold.</extracomment>
        <translation>Hver knapp gir spilleren 1&#xa0;poeng</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the point side that was already choosen before by that player gives that player an aditional 2 points</source>
        <extracomment>The help window&apos;s second rule, beside a drawing of two buttons that touch only at a corner (&quot;point side&quot;); at most four lines of about 280 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>Når en spiller velger en knapp, får spilleren 2&#xa0;ekstra poeng for hver av sine knapper som bare berører den i et hjørne</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the long side that was already choosen before by that player gives that player an aditional 4 points</source>
        <extracomment>The help window&apos;s third rule, beside a drawing of two buttons that touch along a side (&quot;long side&quot;); at most three lines of about 295 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>Når en spiller velger en knapp, får spilleren 4&#xa0;ekstra poeng for hver av sine knapper som berører den langs en side</translation>
    </message>
    <message>
        <source>Tarnel help</source>
        <extracomment>Title bar of the help window.</extracomment>
        <translation>Tarnel-hjelp</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the help window, about 80 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmSplash</name>
    <message>
        <source>Welcome at the</source>
        <extracomment>The start-up window: one line of about 400 pixels in a large serif font, shown above the program&apos;s name &quot;Tarnel&quot;, which follows on its own line in larger letters. Write the greeting that reads well before the name; where the language puts the name inside the greeting, greet alone.</extracomment>
        <translation>Velkommen til</translation>
    </message>
</context>
</TS>
