<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>GameTexts</name>
    <message>
        <source>Red has 1 point</source>
        <translation>Rot hat 1 Punkt</translation>
    </message>
    <message>
        <source>Red has %1 points</source>
        <translation>Rot hat %1 Punkte</translation>
    </message>
    <message>
        <source>Yellow has 1 point</source>
        <translation>Gelb hat 1 Punkt</translation>
    </message>
    <message>
        <source>Yellow has %1 points</source>
        <translation>Gelb hat %1 Punkte</translation>
    </message>
    <message>
        <source>G A M E  O V E R</source>
        <translation>S P I E L  V O R B E I</translation>
    </message>
    <message>
        <source>Red wins with %1 points to %2.</source>
        <translation>Rot gewinnt mit %1 zu %2 Punkten.</translation>
    </message>
    <message>
        <source>yellow wins with %1 points to %2.</source>
        <translation>Gelb gewinnt mit %1 zu %2 Punkten.</translation>
    </message>
    <message>
        <source>No winner ... no loser. Both have %1 points.</source>
        <translation>Kein Sieger ... kein Verlierer. Beide haben %1 Punkte.</translation>
    </message>
    <message>
        <source>Red is 1 point in front of yellow.</source>
        <translation>Rot liegt 1 Punkt vor Gelb.</translation>
    </message>
    <message>
        <source>Yellow is 1 point in front of red.</source>
        <translation>Gelb liegt 1 Punkt vor Rot.</translation>
    </message>
    <message>
        <source>Red is %1 points in front of yellow.</source>
        <translation>Rot liegt %1 Punkte vor Gelb.</translation>
    </message>
    <message>
        <source>Yellow is %1 points in front of red.</source>
        <translation>Gelb liegt %1 Punkte vor Rot.</translation>
    </message>
    <message>
        <source>Red has 1 point. Well, well so does yellow.</source>
        <translation>Rot hat 1 Punkt. Sieh an, Gelb auch.</translation>
    </message>
    <message>
        <source>Yellow has 1 point. Well, well so does red.</source>
        <translation>Gelb hat 1 Punkt. Sieh an, Rot auch.</translation>
    </message>
    <message>
        <source>Red has %1 points. Well, well so does yellow.</source>
        <translation>Rot hat %1 Punkte. Sieh an, Gelb auch.</translation>
    </message>
    <message>
        <source>Yellow has %1 points. Well, well so does red.</source>
        <translation>Gelb hat %1 Punkte. Sieh an, Rot auch.</translation>
    </message>
    <message>
        <source>Red is 1 point behind yellow.</source>
        <translation>Rot liegt 1 Punkt hinter Gelb.</translation>
    </message>
    <message>
        <source>Yellow is 1 point behind red.</source>
        <translation>Gelb liegt 1 Punkt hinter Rot.</translation>
    </message>
    <message>
        <source>Red is %1 points behind yellow.</source>
        <translation>Rot liegt %1 Punkte hinter Gelb.</translation>
    </message>
    <message>
        <source>Yellow is %1 points behind red.</source>
        <translation>Gelb liegt %1 Punkte hinter Rot.</translation>
    </message>
    <message>
        <source>Row %1, column %2, red</source>
        <translation>Reihe %1, Spalte %2, rot</translation>
    </message>
    <message>
        <source>Row %1, column %2, yellow</source>
        <translation>Reihe %1, Spalte %2, gelb</translation>
    </message>
    <message>
        <source>Row %1, column %2, free</source>
        <translation>Reihe %1, Spalte %2, frei</translation>
    </message>
    <message>
        <source>Row %1, column %2, out of play</source>
        <translation>Reihe %1, Spalte %2, außer Spiel</translation>
    </message>
    <message>
        <source>Red waits</source>
        <translation>Rot wartet</translation>
    </message>
    <message>
        <source>Yellow waits</source>
        <translation>Gelb wartet</translation>
    </message>
    <message>
        <source>Red to move</source>
        <translation>Rot ist am Zug</translation>
    </message>
    <message>
        <source>Yellow to move</source>
        <translation>Gelb ist am Zug</translation>
    </message>
    <message>
        <source>Red to move. Red took row %1, column %2.</source>
        <translation>Rot ist am Zug. Rot nahm Reihe %1, Spalte %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Red took row %1, column %2.</source>
        <translation>Gelb ist am Zug. Rot nahm Reihe %1, Spalte %2.</translation>
    </message>
    <message>
        <source>Red to move. Yellow took row %1, column %2.</source>
        <translation>Rot ist am Zug. Gelb nahm Reihe %1, Spalte %2.</translation>
    </message>
    <message>
        <source>Yellow to move. Yellow took row %1, column %2.</source>
        <translation>Gelb ist am Zug. Gelb nahm Reihe %1, Spalte %2.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>S&amp;chwierigkeit</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Idiot</source>
        <translation>&amp;Idiot</translation>
    </message>
    <message>
        <source>&amp;Smart</source>
        <translation>&amp;Schlau</translation>
    </message>
    <message>
        <source>&amp;Genius</source>
        <translation>&amp;Genie</translation>
    </message>
    <message>
        <source>&amp;Yellow</source>
        <translation>&amp;Gelb</translation>
    </message>
    <message>
        <source>&amp;Field</source>
        <translation>&amp;Feld</translation>
    </message>
    <message>
        <source>&amp;Standard</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>Sch&amp;wer</translation>
    </message>
    <message>
        <source>&amp;Impossible</source>
        <translation>&amp;Unmöglich</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>Spie&amp;ler</translation>
    </message>
    <message>
        <source>&amp;Human vs Human</source>
        <translation>&amp;Mensch gegen Mensch</translation>
    </message>
    <message>
        <source>H&amp;uman vs computer</source>
        <translation>M&amp;ensch gegen Computer</translation>
    </message>
    <message>
        <source>&amp;Computer vs Computer</source>
        <translation>&amp;Computer gegen Computer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Tarnel Help</source>
        <translation>&amp;Tarnel-Hilfe</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>Ü&amp;ber Tarnel</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmAbout</name>
    <message>
        <source>About Tarnel</source>
        <translation>Über Tarnel</translation>
    </message>
    <message>
        <source>Freeware ... have fun</source>
        <translation>Freeware ... viel Spaß</translation>
    </message>
    <message>
        <source>Write to the Tarnel developers for news or the source.</source>
        <translation>Neuigkeiten und Quellcode bei den Tarnel-Entwicklern.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>tarnel::ui::frmHelp</name>
    <message>
        <source>Every button gives the player 1 point</source>
        <translation>Jeder Knopf bringt dem Spieler 1 Punkt</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the point side that was already choosen before by that player gives that player an aditional 2 points</source>
        <translation>Wählt ein Spieler einen Knopf, bringt ihm jeder Knopf an der Eckseite, den er schon vorher gewählt hat, 2 zusätzliche Punkte</translation>
    </message>
    <message>
        <source>When a button is choosen by a player, every button on the long side that was already choosen before by that player gives that player an aditional 4 points</source>
        <translation>Wählt ein Spieler einen Knopf, bringt ihm jeder Knopf an der Längsseite, den er schon vorher gewählt hat, 4 zusätzliche Punkte</translation>
    </message>
    <message>
        <source>Tarnel help</source>
        <translation>Tarnel-Hilfe</translation>
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
        <translation>Willkommen bei</translation>
    </message>
</context>
</TS>
