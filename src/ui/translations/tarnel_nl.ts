<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>GameTexts</name>
    <message>
        <source>Red has 1 point</source>
        <translation>Rood heeft 1 punt</translation>
    </message>
    <message>
        <source>Red has %1 points</source>
        <translation>Rood heeft %1 punten</translation>
    </message>
    <message>
        <source>Yellow has 1 point</source>
        <translation>Geel heeft 1 punt</translation>
    </message>
    <message>
        <source>Yellow has %1 points</source>
        <translation>Geel heeft %1 punten</translation>
    </message>
    <message>
        <source>G A M E  O V E R</source>
        <translation>S P E L  V O O R B I J</translation>
    </message>
    <message>
        <source>Red wins with %1 points to %2.</source>
        <translation>Rood wint met %1 tegen %2 punten.</translation>
    </message>
    <message>
        <source>yellow wins with %1 points to %2.</source>
        <translation>Geel wint met %1 tegen %2 punten.</translation>
    </message>
    <message>
        <source>No winner ... no loser. Both have %1 points.</source>
        <translation>Geen winnaar ... geen verliezer. Beide hebben %1 punten.</translation>
    </message>
    <message>
        <source>Red is 1 point in front of yellow.</source>
        <translation>Rood staat 1 punt voor op geel.</translation>
    </message>
    <message>
        <source>Yellow is 1 point in front of red.</source>
        <translation>Geel staat 1 punt voor op rood.</translation>
    </message>
    <message>
        <source>Red is %1 points in front of yellow.</source>
        <translation>Rood staat %1 punten voor op geel.</translation>
    </message>
    <message>
        <source>Yellow is %1 points in front of red.</source>
        <translation>Geel staat %1 punten voor op rood.</translation>
    </message>
    <message>
        <source>Red has 1 point. Well, well so does yellow.</source>
        <translation>Rood heeft 1 punt. Kijk eens aan, geel ook.</translation>
    </message>
    <message>
        <source>Yellow has 1 point. Well, well so does red.</source>
        <translation>Geel heeft 1 punt. Kijk eens aan, rood ook.</translation>
    </message>
    <message>
        <source>Red has %1 points. Well, well so does yellow.</source>
        <translation>Rood heeft %1 punten. Kijk eens aan, geel ook.</translation>
    </message>
    <message>
        <source>Yellow has %1 points. Well, well so does red.</source>
        <translation>Geel heeft %1 punten. Kijk eens aan, rood ook.</translation>
    </message>
    <message>
        <source>Red is 1 point behind yellow.</source>
        <translation>Rood staat 1 punt achter op geel.</translation>
    </message>
    <message>
        <source>Yellow is 1 point behind red.</source>
        <translation>Geel staat 1 punt achter op rood.</translation>
    </message>
    <message>
        <source>Red is %1 points behind yellow.</source>
        <translation>Rood staat %1 punten achter op geel.</translation>
    </message>
    <message>
        <source>Yellow is %1 points behind red.</source>
        <translation>Geel staat %1 punten achter op rood.</translation>
    </message>
    <message>
        <source>Row %1, column %2, red</source>
        <translation>Rij %1, kolom %2, rood</translation>
    </message>
    <message>
        <source>Row %1, column %2, yellow</source>
        <translation>Rij %1, kolom %2, geel</translation>
    </message>
    <message>
        <source>Row %1, column %2, free</source>
        <translation>Rij %1, kolom %2, vrij</translation>
    </message>
    <message>
        <source>Row %1, column %2, out of play</source>
        <translation>Rij %1, kolom %2, buiten spel</translation>
    </message>
    <message>
        <source>Red waits</source>
        <translation>Rood wacht</translation>
    </message>
    <message>
        <source>Yellow waits</source>
        <translation>Geel wacht</translation>
    </message>
    <message>
        <source>Red to move</source>
        <translation>Rood is aan zet</translation>
    </message>
    <message>
        <source>Yellow to move</source>
        <translation>Geel is aan zet</translation>
    </message>
    <message>
        <source>Red to move. Red took row %1, column %2.</source>
        <translation>Rood is aan zet. Rood nam rij %1, kolom %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Red took row %1, column %2.</source>
        <translation>Geel is aan zet. Rood nam rij %1, kolom %2.</translation>
    </message>
    <message>
        <source>Red to move. Yellow took row %1, column %2.</source>
        <translation>Rood is aan zet. Geel nam rij %1, kolom %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Yellow took row %1, column %2.</source>
        <translation>Geel is aan zet. Geel nam rij %1, kolom %2.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Moeilijkheid</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rood</translation>
    </message>
    <message>
        <source>&amp;Idiot</source>
        <translation>&amp;Idioot</translation>
    </message>
    <message>
        <source>&amp;Smart</source>
        <translation>&amp;Slim</translation>
    </message>
    <message>
        <source>&amp;Genius</source>
        <translation>&amp;Genie</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Geel</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>&amp;Veld</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standaard</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Eenvoudig</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Moeilijk</translation>
    </message>
    <message>
        <source>&amp;Impossible</source>
        <translation>&amp;Onmogelijk</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>S&amp;pelers</translation>
    </message>
    <message>
        <source>&amp;Human vs Human</source>
        <translation>&amp;Mens tegen mens</translation>
    </message>
    <message>
        <source>H&amp;uman vs computer</source>
        <translation>M&amp;ens tegen computer</translation>
    </message>
    <message>
        <source>&amp;Computer vs Computer</source>
        <translation>&amp;Computer tegen computer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Tarnel Help</source>
        <translation>&amp;Tarnel-help</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;Over Tarnel</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmAbout</name>
    <message>
        <source>About Tarnel</source>
        <translation>Over Tarnel</translation>
    </message>
    <message>
        <source>Freeware ... have fun</source>
        <translation>Freeware ... veel plezier</translation>
    </message>
    <message>
        <source>Write to the Tarnel developers for news or the source.</source>
        <translation>Nieuws en broncode bij de makers van Tarnel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmHelp</name>
    <message>
        <source>Every button gives the player 1 point</source>
        <translation>Elke knop levert de speler 1 punt op</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the point side that was already choosen before by that player gives that player an aditional 2 points</source>
        <translation>Kiest een speler een knop, dan levert elke knop aan de puntkant die die speler al eerder koos hem 2 extra punten op</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the long side that was already choosen before by that player gives that player an aditional 4 points</source>
        <translation>Kiest een speler een knop, dan levert elke knop aan de lange kant die die speler al eerder koos hem 4 extra punten op</translation>
    </message>
    <message>
        <source>Tarnel help</source>
        <translation>Tarnel-help</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmSplash</name>
    <message>
        <source>Welcome at the</source>
        <translation>Welkom bij</translation>
    </message>
</context>
</TS>
