<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi">
<context>
    <name>GameTexts</name>
    <message>
        <source>Red has 1 point</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>लाल के पास 1 अंक</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide; %n is red&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>लाल के पास %n अंक</numerusform>
            <numerusform>लाल के पास %n अंक</numerusform>
        </translation>
    </message>
    <message>
        <source>Yellow has 1 point</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>पीले के पास 1 अंक</translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide; %n is yellow&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>पीले के पास %n अंक</numerusform>
            <numerusform>पीले के पास %n अंक</numerusform>
        </translation>
    </message>
    <message>
        <source>G A M E  O V E R</source>
        <extracomment>Heading of the message at the end of a game, above the result: capitals separated by single blanks, two blanks between the words.</extracomment>
        <translation>खेल समाप्त</translation>
    </message>
    <message numerus="yes">
        <source>Red wins with %n points to %1.</source>
        <extracomment>The result when red won. %n is red&apos;s score, %1 yellow&apos;s (both up to 1875); the number form follows %n.</extracomment>
        <translation>
            <numerusform>लाल की जीत: %n अंक बनाम %1।</numerusform>
            <numerusform>लाल की जीत: %n अंक बनाम %1।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yellow wins with %n points to %1.</source>
        <extracomment>The result when yellow won. %n is yellow&apos;s score, %1 red&apos;s (both up to 1875); the number form follows %n. The English starts in lower case; other languages write the colour as a sentence begins.</extracomment>
        <translation>
            <numerusform>पीले की जीत: %n अंक बनाम %1।</numerusform>
            <numerusform>पीले की जीत: %n अंक बनाम %1।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No winner ... no loser. Both have %n points.</source>
        <extracomment>The result of a draw; %n is the score both colours have, up to 1875.</extracomment>
        <translation>
            <numerusform>न कोई जीता... न कोई हारा। दोनों के पास %n अंक है।</numerusform>
            <numerusform>न कोई जीता... न कोई हारा। दोनों के पास %n अंक हैं।</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point in front of yellow.</source>
        <translation>लाल, पीले से 1 अंक आगे है।</translation>
    </message>
    <message>
        <source>Yellow is 1 point in front of red.</source>
        <translation>पीला, लाल से 1 अंक आगे है।</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points in front of yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is red&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>लाल, पीले से %n अंक आगे है।</numerusform>
            <numerusform>लाल, पीले से %n अंक आगे है।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points in front of red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is yellow&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>पीला, लाल से %n अंक आगे है।</numerusform>
            <numerusform>पीला, लाल से %n अंक आगे है।</numerusform>
        </translation>
    </message>
    <message>
        <source>Red has 1 point. Well, well so does yellow.</source>
        <translation>लाल के पास 1 अंक है। अरे वाह, पीले के पास भी उतना ही।</translation>
    </message>
    <message>
        <source>Yellow has 1 point. Well, well so does red.</source>
        <translation>पीले के पास 1 अंक है। अरे वाह, लाल के पास भी उतना ही।</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points. Well, well so does yellow.</source>
        <extracomment>Red&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>लाल के पास %n अंक है। अरे वाह, पीले के पास भी उतना ही।</numerusform>
            <numerusform>लाल के पास %n अंक हैं। अरे वाह, पीले के पास भी उतने ही।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points. Well, well so does red.</source>
        <extracomment>Yellow&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>पीले के पास %n अंक है। अरे वाह, लाल के पास भी उतना ही।</numerusform>
            <numerusform>पीले के पास %n अंक हैं। अरे वाह, लाल के पास भी उतने ही।</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point behind yellow.</source>
        <translation>लाल, पीले से 1 अंक पीछे है।</translation>
    </message>
    <message>
        <source>Yellow is 1 point behind red.</source>
        <translation>पीला, लाल से 1 अंक पीछे है।</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points behind yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is how far red is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>लाल, पीले से %n अंक पीछे है।</numerusform>
            <numerusform>लाल, पीले से %n अंक पीछे है।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points behind red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is how far yellow is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>पीला, लाल से %n अंक पीछे है।</numerusform>
            <numerusform>पीला, लाल से %n अंक पीछे है।</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2, red</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by red.</extracomment>
        <translation>पंक्ति %1, स्तंभ %2, लाल</translation>
    </message>
    <message>
        <source>Row %1, column %2, yellow</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by yellow.</extracomment>
        <translation>पंक्ति %1, स्तंभ %2, पीला</translation>
    </message>
    <message>
        <source>Row %1, column %2, free</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, not yet chosen.</extracomment>
        <translation>पंक्ति %1, स्तंभ %2, खाली</translation>
    </message>
    <message>
        <source>Row %1, column %2, out of play</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken out of the game by the field&apos;s layout (not a sports &quot;offside&quot;).</extracomment>
        <translation>पंक्ति %1, स्तंभ %2, खेल से बाहर</translation>
    </message>
    <message>
        <source>Red waits</source>
        <extracomment>The turn indicators for a screen reader: whose turn it is, and the move that handed the turn over (row 1 to 10, column 1 to 15).</extracomment>
        <translation>लाल प्रतीक्षा में</translation>
    </message>
    <message>
        <source>Yellow waits</source>
        <translation>पीला प्रतीक्षा में</translation>
    </message>
    <message>
        <source>Red to move</source>
        <translation>लाल की बारी</translation>
    </message>
    <message>
        <source>Yellow to move</source>
        <translation>पीले की बारी</translation>
    </message>
    <message>
        <source>Red to move. Red took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell red just chose; row 1 to 10, column 1 to 15. Use the help window&apos;s verb for choosing.</extracomment>
        <translation>लाल की बारी। लाल ने पंक्ति %1, स्तंभ %2 का बटन चुना।</translation>
    </message>
    <message>
        <source>Yellow to move. Red took row %1, column %2.</source>
        <translation>पीले की बारी। लाल ने पंक्ति %1, स्तंभ %2 का बटन चुना।</translation>
    </message>
    <message>
        <source>Red to move. Yellow took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell yellow just chose; row 1 to 10, column 1 to 15.</extracomment>
        <translation>लाल की बारी। पीले ने पंक्ति %1, स्तंभ %2 का बटन चुना।</translation>
    </message>
    <message>
        <source>Yellow to move. Yellow took row %1, column %2.</source>
        <translation>पीले की बारी। पीले ने पंक्ति %1, स्तंभ %2 का बटन चुना।</translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <extracomment>Shown in the web page in place of the game once the player has chosen Exit: the page cannot close itself.</extracomment>
        <translation>खेल समाप्त हो गया है।</translation>
    </message>
    <message>
        <source>Play again</source>
        <extracomment>A link under &quot;The game has ended.&quot; that loads the game again.</extracomment>
        <translation>फिर से खेलें</translation>
    </message>
    <message>
        <source>Some files for your language did not arrive: a few texts may show in English or as boxes. Reload the page to try again.</source>
        <extracomment>Shown under the game in the web page when some of the files for the player&apos;s language could not be downloaded in time.</extracomment>
        <translation>आपकी भाषा की कुछ फ़ाइलें नहीं पहुँचीं, इसलिए कुछ पाठ अंग्रेज़ी में या खाली डिब्बों के रूप में दिख सकते हैं। फिर से कोशिश करने के लिए पेज दोबारा लोड करें।</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s menus and items. &quot;&amp;&quot; marks the access key: each must be unique within its menu (and on the bar) and sit on a letter of the text.</extracomment>
        <translation>खेल(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>नया खेल(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the program at once (Ctrl+X).</extracomment>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <extracomment>The menu of the computer&apos;s playing level, one submenu per colour.</extracomment>
        <translation>स्तर(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <extracomment>Submenu: the level at which the computer plays red.</extracomment>
        <translation>लाल(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Idiot</source>
        <extracomment>The three levels of the computer player, weakest first: Idiot plays a random free button, Smart the first good one, Genius the best one.</extracomment>
        <translation>बुद्धू(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Smart</source>
        <translation>होशियार(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Genius</source>
        <translation>जीनियस(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <extracomment>Submenu: the level at which the computer plays yellow.</extracomment>
        <translation>पीला(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <extracomment>The menu of the five board layouts: &quot;field&quot; as the whole playing field, never one square of it.</extracomment>
        <translation>बोर्ड(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <extracomment>The five board layouts, with more and more buttons out of play: Standard (none) to Impossible.</extracomment>
        <translation>मानक(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>आसान(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>सामान्य(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>कठिन(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Impossible</source>
        <translation>असंभव(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Who plays each colour: a person (human) or the computer.</extracomment>
        <translation>खिलाड़ी(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Human vs Human</source>
        <translation>इंसान बनाम इंसान(&amp;H)</translation>
    </message>
    <message>
        <source>H&amp;uman vs computer</source>
        <extracomment>Red is played by a person, yellow by the computer.</extracomment>
        <translation>इंसान बनाम कंप्यूटर(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Computer vs Computer</source>
        <translation>कंप्यूटर बनाम कंप्यूटर(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tarnel Help</source>
        <translation>Tarnel सहायता(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Opens the about window. The English text ends in a blank and names no program; other languages may write &quot;About Tarnel&quot;.</extracomment>
        <translation>Tarnel के बारे में(&amp;A)</translation>
    </message>
</context>
<context>
    <name>PageLoader</name>
    <message>
        <source>The game could not start: its files stopped coming. Check the connection, then try again.</source>
        <extracomment>The web page, when the game&apos;s download stalled for half a minute.</extracomment>
        <translation>खेल शुरू नहीं हो सका: इसकी फ़ाइलें आनी बंद हो गईं। इंटरनेट कनेक्शन जाँचें और फिर से कोशिश करें।</translation>
    </message>
    <message>
        <source>The game could not start: one of its files is missing on the server.</source>
        <extracomment>The web page, when the server answered that a file of the game is not there.</extracomment>
        <translation>खेल शुरू नहीं हो सका: इसकी एक फ़ाइल सर्वर पर मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>The game could not start: the connection broke off while it loaded. Check the connection, then try again.</source>
        <extracomment>The web page, when the network failed while the game downloaded.</extracomment>
        <translation>खेल शुरू नहीं हो सका: लोड होते समय कनेक्शन टूट गया। इंटरनेट कनेक्शन जाँचें और फिर से कोशिश करें।</translation>
    </message>
    <message>
        <source>The game could not start from a file on this computer: a browser lets it load only from a web server.</source>
        <extracomment>The web page, opened as a file (file://) rather than from a web server.</extracomment>
        <translation>इस कंप्यूटर की फ़ाइल से खेल शुरू नहीं हो सका: ब्राउज़र इसे केवल वेब सर्वर से लोड होने देता है।</translation>
    </message>
    <message>
        <source>The game could not start: this browser cannot run it. A recent Chrome, Edge, Firefox or Safari can.</source>
        <extracomment>The web page, in a browser without WebAssembly.</extracomment>
        <translation>खेल शुरू नहीं हो सका: यह ब्राउज़र इसे नहीं चला सकता। Chrome, Edge, Firefox या Safari का नया संस्करण इसे चला सकता है।</translation>
    </message>
    <message>
        <source>The game could not start.</source>
        <extracomment>The web page, when the game failed to start for any other reason.</extracomment>
        <translation>खेल शुरू नहीं हो सका।</translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>A link under the web page&apos;s words that the game could not start: loads the page again.</extracomment>
        <translation>फिर से कोशिश करें</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::BoardElementsView</name>
    <message>
        <source>Board</source>
        <extracomment>The name of the board in a web page, for a screen reader: the grid of 10 rows and 15 columns of cells.</extracomment>
        <translation>बोर्ड</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmAbout</name>
    <message>
        <source>About Tarnel</source>
        <extracomment>Title bar of the about window.</extracomment>
        <translation>Tarnel के बारे में</translation>
    </message>
    <message>
        <source>Freeware ... have fun</source>
        <extracomment>One line of about 215 pixels: the program is free of charge.</extracomment>
        <translation>मुफ़्त... मज़े से खेलें</translation>
    </message>
    <message>
        <source>Write to the Tarnel developers for news or the source.</source>
        <extracomment>At most two lines of about 215 pixels: an invitation to write to the developers for news of the game or for its source code.</extracomment>
        <translation>नई जानकारी या सोर्स कोड के लिए Tarnel के डेवलपरों को लिखें।</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the about window, about 75 pixels wide.</extracomment>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>One line: major, minor and revision, as in &quot;Version 1.0.10&quot;.</extracomment>
        <translation>संस्करण %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmHelp</name>
    <message>
        <source>Drawing: a chosen button</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: the single button beside the first rule.</extracomment>
        <translation>चित्र: चुना गया बटन</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching at a corner</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch only at a corner, beside the rule worth 2 points.</extracomment>
        <translation>चित्र: ऊपर वाला बटन, कोने पर छूता हुआ</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching at a corner</source>
        <translation>चित्र: नीचे वाला बटन, कोने पर छूता हुआ</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching along a side</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch along a long side, beside the rule worth 4 points.</extracomment>
        <translation>चित्र: ऊपर वाला बटन, किनारे से छूता हुआ</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching along a side</source>
        <translation>चित्र: नीचे वाला बटन, किनारे से छूता हुआ</translation>
    </message>
    <message>
        <source>Every button gives the player 1 point</source>
        <extracomment>The help window&apos;s first rule: one line of about 280 pixels in bold.</extracomment>
        <translation>हर बटन से खिलाड़ी को 1&#xa0;अंक मिलता है</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the point side that was already choosen before by that player gives that player an aditional 2 points</source>
        <extracomment>The help window&apos;s second rule, beside a drawing of two buttons that touch only at a corner (&quot;point side&quot;); at most four lines of about 280 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>बटन चुनने पर, खिलाड़ी को अपने हर उस पहले से चुने बटन के लिए 2&#xa0;अंक और मिलते हैं जो उसे केवल कोने पर छूता है</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the long side that was already choosen before by that player gives that player an aditional 4 points</source>
        <extracomment>The help window&apos;s third rule, beside a drawing of two buttons that touch along a side (&quot;long side&quot;); at most three lines of about 295 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>बटन चुनने पर, खिलाड़ी को अपने हर उस पहले से चुने बटन के लिए 4&#xa0;अंक और मिलते हैं जो उसे किनारे से छूता है</translation>
    </message>
    <message>
        <source>Tarnel help</source>
        <extracomment>Title bar of the help window.</extracomment>
        <translation>Tarnel सहायता</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the help window, about 80 pixels wide.</extracomment>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmSplash</name>
    <message>
        <source>Welcome at the</source>
        <extracomment>The start-up window: one line of about 400 pixels in a large serif font, shown above the program&apos;s name &quot;Tarnel&quot;, which follows on its own line in larger letters. Write the greeting that reads well before the name; where the language puts the name inside the greeting, greet alone.</extracomment>
        <translation>आपका स्वागत है</translation>
    </message>
</context>
</TS>
