<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>GameTexts</name>
    <message>
        <source>Red has 1 point</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>লালের ১ পয়েন্ট</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide; %n is red&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>লালের %Ln পয়েন্ট</numerusform>
            <numerusform>লালের %Ln পয়েন্ট</numerusform>
        </translation>
    </message>
    <message>
        <source>Yellow has 1 point</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>হলুদের ১ পয়েন্ট</translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide; %n is yellow&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>হলুদের %Ln পয়েন্ট</numerusform>
            <numerusform>হলুদের %Ln পয়েন্ট</numerusform>
        </translation>
    </message>
    <message>
        <source>G A M E  O V E R</source>
        <extracomment>Heading of the message at the end of a game, above the result: capitals separated by single blanks, two blanks between the words.</extracomment>
        <translation>খেলা শেষ</translation>
    </message>
    <message numerus="yes">
        <source>Red wins with %n points to %1.</source>
        <extracomment>The result when red won. %n is red&apos;s score, %1 yellow&apos;s (both up to 1875); the number form follows %n.</extracomment>
        <translation>
            <numerusform>লালের জয়: %Ln পয়েন্ট বনাম %L1।</numerusform>
            <numerusform>লালের জয়: %Ln পয়েন্ট বনাম %L1।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yellow wins with %n points to %1.</source>
        <extracomment>The result when yellow won. %n is yellow&apos;s score, %1 red&apos;s (both up to 1875); the number form follows %n. The English starts in lower case; other languages write the colour as a sentence begins.</extracomment>
        <translation>
            <numerusform>হলুদের জয়: %Ln পয়েন্ট বনাম %L1।</numerusform>
            <numerusform>হলুদের জয়: %Ln পয়েন্ট বনাম %L1।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No winner ... no loser. Both have %n points.</source>
        <extracomment>The result of a draw; %n is the score both colours have, up to 1875.</extracomment>
        <translation>
            <numerusform>কেউ জেতেনি... কেউ হারেনি। দুজনেরই %Ln পয়েন্ট।</numerusform>
            <numerusform>কেউ জেতেনি... কেউ হারেনি। দুজনেরই %Ln পয়েন্ট।</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point in front of yellow.</source>
        <translation>লাল হলুদের চেয়ে ১ পয়েন্ট এগিয়ে।</translation>
    </message>
    <message>
        <source>Yellow is 1 point in front of red.</source>
        <translation>হলুদ লালের চেয়ে ১ পয়েন্ট এগিয়ে।</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points in front of yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is red&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>লাল হলুদের চেয়ে %Ln পয়েন্ট এগিয়ে।</numerusform>
            <numerusform>লাল হলুদের চেয়ে %Ln পয়েন্ট এগিয়ে।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points in front of red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is yellow&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>হলুদ লালের চেয়ে %Ln পয়েন্ট এগিয়ে।</numerusform>
            <numerusform>হলুদ লালের চেয়ে %Ln পয়েন্ট এগিয়ে।</numerusform>
        </translation>
    </message>
    <message>
        <source>Red has 1 point. Well, well so does yellow.</source>
        <translation>লালের ১ পয়েন্ট। আরে, হলুদেরও তো তাই।</translation>
    </message>
    <message>
        <source>Yellow has 1 point. Well, well so does red.</source>
        <translation>হলুদের ১ পয়েন্ট। আরে, লালেরও তো তাই।</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points. Well, well so does yellow.</source>
        <extracomment>Red&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>লালের %Ln পয়েন্ট। আরে, হলুদেরও তো তাই।</numerusform>
            <numerusform>লালের %Ln পয়েন্ট। আরে, হলুদেরও তো তাই।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points. Well, well so does red.</source>
        <extracomment>Yellow&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>হলুদের %Ln পয়েন্ট। আরে, লালেরও তো তাই।</numerusform>
            <numerusform>হলুদের %Ln পয়েন্ট। আরে, লালেরও তো তাই।</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point behind yellow.</source>
        <translation>লাল হলুদের চেয়ে ১ পয়েন্ট পিছিয়ে।</translation>
    </message>
    <message>
        <source>Yellow is 1 point behind red.</source>
        <translation>হলুদ লালের চেয়ে ১ পয়েন্ট পিছিয়ে।</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points behind yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is how far red is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>লাল হলুদের চেয়ে %Ln পয়েন্ট পিছিয়ে।</numerusform>
            <numerusform>লাল হলুদের চেয়ে %Ln পয়েন্ট পিছিয়ে।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points behind red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is how far yellow is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>হলুদ লালের চেয়ে %Ln পয়েন্ট পিছিয়ে।</numerusform>
            <numerusform>হলুদ লালের চেয়ে %Ln পয়েন্ট পিছিয়ে।</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2, red</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by red.</extracomment>
        <translation>সারি %L1, কলাম %L2, লাল</translation>
    </message>
    <message>
        <source>Row %1, column %2, yellow</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by yellow.</extracomment>
        <translation>সারি %L1, কলাম %L2, হলুদ</translation>
    </message>
    <message>
        <source>Row %1, column %2, free</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, not yet chosen.</extracomment>
        <translation>সারি %L1, কলাম %L2, খালি</translation>
    </message>
    <message>
        <source>Row %1, column %2, out of play</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken out of the game by the field&apos;s layout (not a sports &quot;offside&quot;).</extracomment>
        <translation>সারি %L1, কলাম %L2, খেলার বাইরে</translation>
    </message>
    <message>
        <source>Red waits</source>
        <extracomment>The turn indicators for a screen reader: whose turn it is, and the move that handed the turn over (row 1 to 10, column 1 to 15).</extracomment>
        <translation>লাল অপেক্ষায়</translation>
    </message>
    <message>
        <source>Yellow waits</source>
        <translation>হলুদ অপেক্ষায়</translation>
    </message>
    <message>
        <source>Red to move</source>
        <translation>লালের পালা</translation>
    </message>
    <message>
        <source>Yellow to move</source>
        <translation>হলুদের পালা</translation>
    </message>
    <message>
        <source>Red to move. Red took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell red just chose; row 1 to 10, column 1 to 15. Use the help window&apos;s verb for choosing.</extracomment>
        <translation>লালের পালা। লাল বেছে নিল সারি %L1, কলাম %L2।</translation>
    </message>
    <message>
        <source>Yellow to move. Red took row %1, column %2.</source>
        <translation>হলুদের পালা। লাল বেছে নিল সারি %L1, কলাম %L2।</translation>
    </message>
    <message>
        <source>Red to move. Yellow took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell yellow just chose; row 1 to 10, column 1 to 15.</extracomment>
        <translation>লালের পালা। হলুদ বেছে নিল সারি %L1, কলাম %L2।</translation>
    </message>
    <message>
        <source>Yellow to move. Yellow took row %1, column %2.</source>
        <translation>হলুদের পালা। হলুদ বেছে নিল সারি %L1, কলাম %L2।</translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <extracomment>Shown in the web page in place of the game once the player has chosen Exit: the page cannot close itself.</extracomment>
        <translation>খেলা শেষ হয়েছে।</translation>
    </message>
    <message>
        <source>Play again</source>
        <extracomment>A link under &quot;The game has ended.&quot; that loads the game again.</extracomment>
        <translation>আবার খেলুন</translation>
    </message>
    <message>
        <source>Some files for your language did not arrive: a few texts may show in English or as boxes. Reload the page to try again.</source>
        <extracomment>Shown under the game in the web page when some of the files for the player&apos;s language could not be downloaded in time.</extracomment>
        <translation>আপনার ভাষার কিছু ফাইল এসে পৌঁছায়নি, তাই কিছু লেখা ইংরেজিতে বা ফাঁকা বাক্স হয়ে দেখা যেতে পারে। আবার চেষ্টা করতে পাতাটি নতুন করে লোড করুন।</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s menus and items. &quot;&amp;&quot; marks the access key: each must be unique within its menu (and on the bar) and sit on a letter of the text.</extracomment>
        <translation>খেলা(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>নতুন খেলা(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the program at once (Ctrl+X).</extracomment>
        <translation>প্রস্থান(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <extracomment>The menu of the computer&apos;s playing level, one submenu per colour.</extracomment>
        <translation>স্তর(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <extracomment>Submenu: the level at which the computer plays red.</extracomment>
        <translation>লাল(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Idiot</source>
        <extracomment>The three levels of the computer player, weakest first: Idiot plays a random free button, Smart the first good one, Genius the best one.</extracomment>
        <translation>বোকা(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Smart</source>
        <translation>চালাক(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Genius</source>
        <translation>জিনিয়াস(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <extracomment>Submenu: the level at which the computer plays yellow.</extracomment>
        <translation>হলুদ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <extracomment>The menu of the five board layouts: &quot;field&quot; as the whole playing field, never one square of it.</extracomment>
        <translation>বোর্ড(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <extracomment>The five board layouts, with more and more buttons out of play: Standard (none) to Impossible.</extracomment>
        <translation>সাধারণ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>সহজ(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>মাঝারি(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>কঠিন(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Impossible</source>
        <translation>অসম্ভব(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Who plays each colour: a person (human) or the computer.</extracomment>
        <translation>খেলোয়াড়(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Human vs Human</source>
        <translation>মানুষ বনাম মানুষ(&amp;H)</translation>
    </message>
    <message>
        <source>H&amp;uman vs computer</source>
        <extracomment>Red is played by a person, yellow by the computer.</extracomment>
        <translation>মানুষ বনাম কম্পিউটার(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Computer vs Computer</source>
        <translation>কম্পিউটার বনাম কম্পিউটার(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সাহায্য(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tarnel Help</source>
        <translation>Tarnel সাহায্য(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Opens the about window. The English text ends in a blank and names no program; other languages may write &quot;About Tarnel&quot;.</extracomment>
        <translation>Tarnel সম্পর্কে(&amp;A)</translation>
    </message>
</context>
<context>
    <name>PageLoader</name>
    <message>
        <source>The game could not start: its files stopped coming. Check the connection, then try again.</source>
        <extracomment>The web page, when the game&apos;s download stalled for half a minute.</extracomment>
        <translation>খেলা শুরু করা গেল না: এর ফাইল আসা বন্ধ হয়ে গেছে। ইন্টারনেট সংযোগ দেখে নিয়ে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>The game could not start: one of its files is missing on the server.</source>
        <extracomment>The web page, when the server answered that a file of the game is not there.</extracomment>
        <translation>খেলা শুরু করা গেল না: সার্ভারে এর একটি ফাইল নেই।</translation>
    </message>
    <message>
        <source>The game could not start: the connection broke off while it loaded. Check the connection, then try again.</source>
        <extracomment>The web page, when the network failed while the game downloaded.</extracomment>
        <translation>খেলা শুরু করা গেল না: লোড হওয়ার সময় সংযোগ বিচ্ছিন্ন হয়ে গেছে। ইন্টারনেট সংযোগ দেখে নিয়ে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>The game could not start from a file on this computer: a browser lets it load only from a web server.</source>
        <extracomment>The web page, opened as a file (file://) rather than from a web server.</extracomment>
        <translation>এই কম্পিউটারের ফাইল থেকে খেলা শুরু করা গেল না: ব্রাউজার একে কেবল ওয়েব সার্ভার থেকেই লোড হতে দেয়।</translation>
    </message>
    <message>
        <source>The game could not start: this browser cannot run it. A recent Chrome, Edge, Firefox or Safari can.</source>
        <extracomment>The web page, in a browser without WebAssembly.</extracomment>
        <translation>খেলা শুরু করা গেল না: এই ব্রাউজারে এটি চলে না। Chrome, Edge, Firefox বা Safari-র নতুন সংস্করণে চলবে।</translation>
    </message>
    <message>
        <source>The game could not start.</source>
        <extracomment>The web page, when the game failed to start for any other reason.</extracomment>
        <translation>খেলা শুরু করা গেল না।</translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>A link under the web page&apos;s words that the game could not start: loads the page again.</extracomment>
        <translation>আবার চেষ্টা করুন</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::BoardElementsView</name>
    <message>
        <source>Board</source>
        <extracomment>The name of the board in a web page, for a screen reader: the grid of 10 rows and 15 columns of cells.</extracomment>
        <translation>বোর্ড</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmAbout</name>
    <message>
        <source>About Tarnel</source>
        <extracomment>Title bar of the about window.</extracomment>
        <translation>Tarnel সম্পর্কে</translation>
    </message>
    <message>
        <source>Freeware ... have fun</source>
        <extracomment>One line of about 215 pixels: the program is free of charge.</extracomment>
        <translation>বিনামূল্যে... মজা করে খেলুন</translation>
    </message>
    <message>
        <source>Write to the Tarnel developers for news or the source.</source>
        <extracomment>At most two lines of about 215 pixels: an invitation to write to the developers for news of the game or for its source code.</extracomment>
        <translation>খবর বা সোর্স কোডের জন্য Tarnel-এর ডেভেলপারদের লিখুন।</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the about window, about 75 pixels wide.</extracomment>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>One line: major, minor and revision, as in &quot;Version 1.0.10&quot;.</extracomment>
        <translation>সংস্করণ %L1.%L2.%L3</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmHelp</name>
    <message>
        <source>Drawing: a chosen button</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: the single button beside the first rule.</extracomment>
        <translation>ছবি: বেছে নেওয়া একটি বোতাম</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching at a corner</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch only at a corner, beside the rule worth 2 points.</extracomment>
        <translation>ছবি: উপরের বোতাম, কোণে ছুঁয়ে আছে</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching at a corner</source>
        <translation>ছবি: নিচের বোতাম, কোণে ছুঁয়ে আছে</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching along a side</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch along a long side, beside the rule worth 4 points.</extracomment>
        <translation>ছবি: উপরের বোতাম, পাশ বরাবর ছুঁয়ে আছে</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching along a side</source>
        <translation>ছবি: নিচের বোতাম, পাশ বরাবর ছুঁয়ে আছে</translation>
    </message>
    <message>
        <source>Every button gives the player 1 point</source>
        <extracomment>The help window&apos;s first rule: one line of about 280 pixels in bold.</extracomment>
        <translation>প্রতিটি বোতাম খেলোয়াড়কে ১&#xa0;পয়েন্ট দেয়</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the point side that was already choosen before by that player gives that player an aditional 2 points</source>
        <extracomment>The help window&apos;s second rule, beside a drawing of two buttons that touch only at a corner (&quot;point side&quot;); at most four lines of about 280 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>কোনো বোতাম বেছে নিলে, সেটিকে কেবল কোণে ছুঁয়ে থাকা, আগে বেছে নেওয়া নিজের প্রতিটি বোতামের জন্য খেলোয়াড় আরও ২&#xa0;পয়েন্ট পায়</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the long side that was already choosen before by that player gives that player an aditional 4 points</source>
        <extracomment>The help window&apos;s third rule, beside a drawing of two buttons that touch along a side (&quot;long side&quot;); at most three lines of about 295 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>কোনো বোতাম বেছে নিলে, সেটিকে পাশ বরাবর ছুঁয়ে থাকা, আগে বেছে নেওয়া নিজের প্রতিটি বোতামের জন্য খেলোয়াড় আরও ৪&#xa0;পয়েন্ট পায়</translation>
    </message>
    <message>
        <source>Tarnel help</source>
        <extracomment>Title bar of the help window.</extracomment>
        <translation>Tarnel সাহায্য</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the help window, about 80 pixels wide.</extracomment>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmSplash</name>
    <message>
        <source>Welcome at the</source>
        <extracomment>The start-up window: one line of about 400 pixels in a large serif font, shown above the program&apos;s name &quot;Tarnel&quot;, which follows on its own line in larger letters. Write the greeting that reads well before the name; where the language puts the name inside the greeting, greet alone.</extracomment>
        <translation>স্বাগতম</translation>
    </message>
</context>
</TS>
