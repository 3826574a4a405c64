<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>GameTexts</name>
    <message>
        <source>Red has 1 point</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>У червоних 1 очко</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points</source>
        <extracomment>Red&apos;s score button: one line on a button about 180 pixels wide; %n is red&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>У червоних %n очко</numerusform>
            <numerusform>У червоних %n очки</numerusform>
            <numerusform>У червоних %n очок</numerusform>
        </translation>
    </message>
    <message>
        <source>Yellow has 1 point</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide.</extracomment>
        <translation>У жовтих 1 очко</translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points</source>
        <extracomment>Yellow&apos;s score button: one line on a button about 180 pixels wide; %n is yellow&apos;s score, 0 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>У жовтих %n очко</numerusform>
            <numerusform>У жовтих %n очки</numerusform>
            <numerusform>У жовтих %n очок</numerusform>
        </translation>
    </message>
    <message>
        <source>G A M E  O V E R</source>
        <extracomment>Heading of the message at the end of a game, above the result: capitals separated by single blanks, two blanks between the words.</extracomment>
        <translation>К І Н Е Ц Ь  Г Р И</translation>
    </message>
    <message numerus="yes">
        <source>Red wins with %n points to %1.</source>
        <extracomment>The result when red won. %n is red&apos;s score, %1 yellow&apos;s (both up to 1875); the number form follows %n.</extracomment>
        <translation>
            <numerusform>Червоні перемогли: %n очко проти %1.</numerusform>
            <numerusform>Червоні перемогли: %n очки проти %1.</numerusform>
            <numerusform>Червоні перемогли: %n очок проти %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>yellow wins with %n points to %1.</source>
        <extracomment>The result when yellow won. %n is yellow&apos;s score, %1 red&apos;s (both up to 1875); the number form follows %n. The English starts in lower case; other languages write the colour as a sentence begins.</extracomment>
        <translation>
            <numerusform>Жовті перемогли: %n очко проти %1.</numerusform>
            <numerusform>Жовті перемогли: %n очки проти %1.</numerusform>
            <numerusform>Жовті перемогли: %n очок проти %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>No winner ... no loser. Both have %n points.</source>
        <extracomment>The result of a draw; %n is the score both colours have, up to 1875.</extracomment>
        <translation>
            <numerusform>Ні переможців... ні переможених. У кожної сторони %n очко.</numerusform>
            <numerusform>Ні переможців... ні переможених. У кожної сторони %n очки.</numerusform>
            <numerusform>Ні переможців... ні переможених. У кожної сторони %n очок.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point in front of yellow.</source>
        <translation>Червоні випереджають жовтих на 1 очко.</translation>
    </message>
    <message>
        <source>Yellow is 1 point in front of red.</source>
        <translation>Жовті випереджають червоних на 1 очко.</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points in front of yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is red&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Червоні випереджають жовтих на %n очко.</numerusform>
            <numerusform>Червоні випереджають жовтих на %n очки.</numerusform>
            <numerusform>Червоні випереджають жовтих на %n очок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points in front of red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is yellow&apos;s lead, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Жовті випереджають червоних на %n очко.</numerusform>
            <numerusform>Жовті випереджають червоних на %n очки.</numerusform>
            <numerusform>Жовті випереджають червоних на %n очок.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red has 1 point. Well, well so does yellow.</source>
        <translation>У червоних 1 очко. Отакої, у жовтих теж.</translation>
    </message>
    <message>
        <source>Yellow has 1 point. Well, well so does red.</source>
        <translation>У жовтих 1 очко. Отакої, у червоних теж.</translation>
    </message>
    <message numerus="yes">
        <source>Red has %n points. Well, well so does yellow.</source>
        <extracomment>Red&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>У червоних %n очко. Отакої, у жовтих теж.</numerusform>
            <numerusform>У червоних %n очки. Отакої, у жовтих теж.</numerusform>
            <numerusform>У червоних %n очок. Отакої, у жовтих теж.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow has %n points. Well, well so does red.</source>
        <extracomment>Yellow&apos;s score button asked while both have the same score; %n is that score, 0 or 2 to 1875 (0 before the first move).</extracomment>
        <translation>
            <numerusform>У жовтих %n очко. Отакої, у червоних теж.</numerusform>
            <numerusform>У жовтих %n очки. Отакої, у червоних теж.</numerusform>
            <numerusform>У жовтих %n очок. Отакої, у червоних теж.</numerusform>
        </translation>
    </message>
    <message>
        <source>Red is 1 point behind yellow.</source>
        <translation>Червоні відстають від жовтих на 1 очко.</translation>
    </message>
    <message>
        <source>Yellow is 1 point behind red.</source>
        <translation>Жовті відстають від червоних на 1 очко.</translation>
    </message>
    <message numerus="yes">
        <source>Red is %n points behind yellow.</source>
        <extracomment>Red&apos;s score button asked; %n is how far red is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Червоні відстають від жовтих на %n очко.</numerusform>
            <numerusform>Червоні відстають від жовтих на %n очки.</numerusform>
            <numerusform>Червоні відстають від жовтих на %n очок.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Yellow is %n points behind red.</source>
        <extracomment>Yellow&apos;s score button asked; %n is how far yellow is behind, 2 to 1875.</extracomment>
        <translation>
            <numerusform>Жовті відстають від червоних на %n очко.</numerusform>
            <numerusform>Жовті відстають від червоних на %n очки.</numerusform>
            <numerusform>Жовті відстають від червоних на %n очок.</numerusform>
        </translation>
    </message>
    <message>
        <source>Row %1, column %2, red</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by red.</extracomment>
        <translation>Ряд %1, стовпець %2, червона</translation>
    </message>
    <message>
        <source>Row %1, column %2, yellow</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken by yellow.</extracomment>
        <translation>Ряд %1, стовпець %2, жовта</translation>
    </message>
    <message>
        <source>Row %1, column %2, free</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, not yet chosen.</extracomment>
        <translation>Ряд %1, стовпець %2, вільна</translation>
    </message>
    <message>
        <source>Row %1, column %2, out of play</source>
        <extracomment>A board cell for a screen reader: row 1 to 10, column 1 to 15, taken out of the game by the field&apos;s layout (not a sports &quot;offside&quot;).</extracomment>
        <translation>Ряд %1, стовпець %2, вилучена з гри</translation>
    </message>
    <message>
        <source>Red waits</source>
        <extracomment>The turn indicators for a screen reader: whose turn it is, and the move that handed the turn over (row 1 to 10, column 1 to 15).</extracomment>
        <translation>Червоні чекають</translation>
    </message>
    <message>
        <source>Yellow waits</source>
        <translation>Жовті чекають</translation>
    </message>
    <message>
        <source>Red to move</source>
        <translation>Хід червоних</translation>
    </message>
    <message>
        <source>Yellow to move</source>
        <translation>Хід жовтих</translation>
    </message>
    <message>
        <source>Red to move. Red took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell red just chose; row 1 to 10, column 1 to 15. Use the help window&apos;s verb for choosing.</extracomment>
        <translation>Хід червоних. Червоні обрали ряд %1, стовпець %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Red took row %1, column %2.</source>
        <translation>Хід жовтих. Червоні обрали ряд %1, стовпець %2.</translation>
    </message>
    <message>
        <source>Red to move. Yellow took row %1, column %2.</source>
        <extracomment>Read out after each move: who is to move now, then the cell yellow just chose; row 1 to 10, column 1 to 15.</extracomment>
        <translation>Хід червоних. Жовті обрали ряд %1, стовпець %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Yellow took row %1, column %2.</source>
        <translation>Хід жовтих. Жовті обрали ряд %1, стовпець %2.</translation>
    </message>
    <message>
        <source>The game has ended.</source>
        <extracomment>Shown in the web page in place of the game once the player has chosen Exit: the page cannot close itself.</extracomment>
        <translation>Гру завершено.</translation>
    </message>
    <message>
        <source>Play again</source>
        <extracomment>A link under &quot;The game has ended.&quot; that loads the game again.</extracomment>
        <translation>Грати знову</translation>
    </message>
    <message>
        <source>Some files for your language did not arrive: a few texts may show in English or as boxes. Reload the page to try again.</source>
        <extracomment>Shown under the game in the web page when some of the files for the player&apos;s language could not be downloaded in time.</extracomment>
        <translation>Деякі файли для вашої мови не завантажилися: частина текстів може відображатися англійською або у вигляді квадратиків. Перезавантажте сторінку, щоб спробувати ще раз.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <extracomment>The menu bar&apos;s menus and items. &quot;&amp;&quot; marks the access key: each must be unique within its menu (and on the bar) and sit on a letter of the text.</extracomment>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Нова гра</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Leaves the program at once (Ctrl+X).</extracomment>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <extracomment>The menu of the computer&apos;s playing level, one submenu per colour.</extracomment>
        <translation>&amp;Складність</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <extracomment>Submenu: the level at which the computer plays red.</extracomment>
        <translation>&amp;Червоні</translation>
    </message>
    <message>
        <source>&amp;Idiot</source>
        <extracomment>The three levels of the computer player, weakest first: Idiot plays a random free button, Smart the first good one, Genius the best one.</extracomment>
        <translation>&amp;Дурник</translation>
    </message>
    <message>
        <source>&amp;Smart</source>
        <translation>&amp;Розумник</translation>
    </message>
    <message>
        <source>&amp;Genius</source>
        <translation>&amp;Геній</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <extracomment>Submenu: the level at which the computer plays yellow.</extracomment>
        <translation>&amp;Жовті</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <extracomment>The menu of the five board layouts: &quot;field&quot; as the whole playing field, never one square of it.</extracomment>
        <translation>&amp;Поле</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <extracomment>The five board layouts, with more and more buttons out of play: Standard (none) to Impossible.</extracomment>
        <translation>&amp;Стандартне</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Легке</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Звичайне</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Важке</translation>
    </message>
    <message>
        <source>&amp;Impossible</source>
        <translation>&amp;Неможливе</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <extracomment>Who plays each colour: a person (human) or the computer.</extracomment>
        <translation>Г&amp;равці</translation>
    </message>
    <message>
        <source>&amp;Human vs Human</source>
        <translation>&amp;Людина проти людини</translation>
    </message>
    <message>
        <source>H&amp;uman vs computer</source>
        <extracomment>Red is played by a person, yellow by the computer.</extracomment>
        <translation>Л&amp;юдина проти комп’ютера</translation>
    </message>
    <message>
        <source>&amp;Computer vs Computer</source>
        <translation>&amp;Комп’ютер проти комп’ютера</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Tarnel Help</source>
        <translation>&amp;Довідка з Tarnel</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Opens the about window. The English text ends in a blank and names no program; other languages may write &quot;About Tarnel&quot;.</extracomment>
        <translation>&amp;Про Tarnel</translation>
    </message>
</context>
<context>
    <name>PageLoader</name>
    <message>
        <source>The game could not start: its files stopped coming. Check the connection, then try again.</source>
        <extracomment>The web page, when the game&apos;s download stalled for half a minute.</extracomment>
        <translation>Не вдалося запустити гру: завантаження її файлів зупинилося. Перевірте підключення до інтернету й спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The game could not start: one of its files is missing on the server.</source>
        <extracomment>The web page, when the server answered that a file of the game is not there.</extracomment>
        <translation>Не вдалося запустити гру: на сервері немає одного з її файлів.</translation>
    </message>
    <message>
        <source>The game could not start: the connection broke off while it loaded. Check the connection, then try again.</source>
        <extracomment>The web page, when the network failed while the game downloaded.</extracomment>
        <translation>Не вдалося запустити гру: під час завантаження обірвалося з’єднання. Перевірте підключення до інтернету й спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The game could not start from a file on this computer: a browser lets it load only from a web server.</source>
        <extracomment>The web page, opened as a file (file://) rather than from a web server.</extracomment>
        <translation>Не вдалося запустити гру з файлу на цьому комп’ютері: браузер завантажує її лише з вебсервера.</translation>
    </message>
    <message>
        <source>The game could not start: this browser cannot run it. A recent Chrome, Edge, Firefox or Safari can.</source>
        <extracomment>The web page, in a browser without WebAssembly.</extracomment>
        <translation>Не вдалося запустити гру: цей браузер її не підтримує. Підійде свіжа версія Chrome, Edge, Firefox або Safari.</translation>
    </message>
    <message>
        <source>The game could not start.</source>
        <extracomment>The web page, when the game failed to start for any other reason.</extracomment>
        <translation>Не вдалося запустити гру.</translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>A link under the web page&apos;s words that the game could not start: loads the page again.</extracomment>
        <translation>Спробувати ще раз</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::BoardElementsView</name>
    <message>
        <source>Board</source>
        <extracomment>The name of the board in a web page, for a screen reader: the grid of 10 rows and 15 columns of cells.</extracomment>
        <translation>Поле</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmAbout</name>
    <message>
        <source>About Tarnel</source>
        <extracomment>Title bar of the about window.</extracomment>
        <translation>Про Tarnel</translation>
    </message>
    <message>
        <source>Freeware ... have fun</source>
        <extracomment>One line of about 215 pixels: the program is free of charge.</extracomment>
        <translation>Безкоштовно... приємної гри!</translation>
    </message>
    <message>
        <source>Write to the Tarnel developers for news or the source.</source>
        <extracomment>At most two lines of about 215 pixels: an invitation to write to the developers for news of the game or for its source code.</extracomment>
        <translation>Пишіть розробникам Tarnel, щоб отримати новини або вихідний код.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The button that closes the about window, about 75 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <extracomment>One line: major, minor and revision, as in &quot;Version 1.0.10&quot;.</extracomment>
        <translation>Версія %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmHelp</name>
    <message>
        <source>Drawing: a chosen button</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: the single button beside the first rule.</extracomment>
        <translation>Малюнок: обрана кнопка</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching at a corner</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch only at a corner, beside the rule worth 2 points.</extracomment>
        <translation>Малюнок: верхня кнопка, торкається кутом</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching at a corner</source>
        <translation>Малюнок: нижня кнопка, торкається кутом</translation>
    </message>
    <message>
        <source>Drawing: upper button, touching along a side</source>
        <extracomment>The help window&apos;s drawings, read by a screen reader: two buttons that touch along a long side, beside the rule worth 4 points.</extracomment>
        <translation>Малюнок: верхня кнопка, торкається стороною</translation>
    </message>
    <message>
        <source>Drawing: lower button, touching along a side</source>
        <translation>Малюнок: нижня кнопка, торкається стороною</translation>
    </message>
    <message>
        <source>Every button gives the player 1 point</source>
        <extracomment>The help window&apos;s first rule: one line of about 280 pixels in bold.</extracomment>
        <translation>Кожна кнопка приносить гравцеві 1&#xa0;очко</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the point side that was already choosen before by that player gives that player an aditional 2 points</source>
        <extracomment>The help window&apos;s second rule, beside a drawing of two buttons that touch only at a corner (&quot;point side&quot;); at most four lines of about 280 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>Коли гравець обирає кнопку, кожна вже обрана ним кнопка, що торкається її лише кутом, приносить йому ще 2&#xa0;очки</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the long side that was already choosen before by that player gives that player an aditional 4 points</source>
        <extracomment>The help window&apos;s third rule, beside a drawing of two buttons that touch along a side (&quot;long side&quot;); at most three lines of about 295 pixels in bold. The English keeps its old spelling; translations spell well.</extracomment>
        <translation>Коли гравець обирає кнопку, кожна вже обрана ним кнопка, що торкається її стороною, приносить йому ще 4&#xa0;очки</translation>
    </message>
    <message>
        <source>Tarnel help</source>
        <extracomment>Title bar of the help window.</extracomment>
        <translation>Довідка з Tarnel</translation>
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
        <translation>Ласкаво просимо до</translation>
    </message>
</context>
</TS>
