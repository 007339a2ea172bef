<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tabloo::Rules</name>
    <message>
        <source>Up Same Suit</source>
        <translation>Aufsteigend, gleiche Farbe</translation>
    </message>
    <message>
        <source>Up Alternate Color</source>
        <translation>Aufsteigend, Farbwechsel</translation>
    </message>
    <message>
        <source>Up Regardless of Suit</source>
        <translation>Aufsteigend, beliebige Farbe</translation>
    </message>
    <message>
        <source>Down Same Suit</source>
        <translation>Absteigend, gleiche Farbe</translation>
    </message>
    <message>
        <source>Down Alternate Color</source>
        <translation>Absteigend, Farbwechsel</translation>
    </message>
    <message>
        <source>Down Regardless of Suit</source>
        <translation>Absteigend, beliebige Farbe</translation>
    </message>
    <message>
        <source>Any Card</source>
        <translation>Jede Karte</translation>
    </message>
    <message>
        <source>Up or Down Same Suit</source>
        <translation>Auf- oder absteigend, gleiche Farbe</translation>
    </message>
    <message>
        <source>Up or Down Alternate Color</source>
        <translation>Auf- oder absteigend, Farbwechsel</translation>
    </message>
    <message>
        <source>Up or Down Regardless of Suit</source>
        <translation>Auf- oder absteigend, beliebige Farbe</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
</context>
<context>
    <name>tabloo::cAdvisor</name>
    <message>
        <source>Looking for a winnable deal…</source>
        <translation>Suche ein lösbares Spiel…</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Lösbar</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Nicht lösbar</translation>
    </message>
    <message>
        <source>Can&apos;t tell</source>
        <translation>Unklar</translation>
    </message>
    <message>
        <source>no winnable deal turned up in 2 s</source>
        <translation>in 2 s fand sich kein lösbares Spiel</translation>
    </message>
    <message>
        <source>Won by Show Solution: the game counts as lost</source>
        <translation>Mit „Lösung zeigen“ gewonnen: das Spiel zählt als verloren</translation>
    </message>
    <message>
        <source>No move leads to a win from here.</source>
        <translation>Von hier aus führt kein Zug zum Sieg.</translation>
    </message>
    <message>
        <source>No winning line found.</source>
        <translation>Kein Lösungsweg gefunden.</translation>
    </message>
</context>
<context>
    <name>tabloo::cColorTable</name>
    <message>
        <source>Antiquewhite</source>
        <translation>Antikweiß</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Wasserblau</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aquamarin</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Bisque</source>
        <translation>Biskuit</translation>
    </message>
    <message>
        <source>Blanchedalmond</source>
        <translation>Mandelweiß</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blueviolet</source>
        <translation>Blauviolett</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Braun</translation>
    </message>
    <message>
        <source>Burlywood</source>
        <translation>Holzbraun</translation>
    </message>
    <message>
        <source>Cadetblue</source>
        <translation>Kadettblau</translation>
    </message>
    <message>
        <source>Chartreuse</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Schokolade</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koralle</translation>
    </message>
    <message>
        <source>Cornflower</source>
        <translation>Kornblumenblau</translation>
    </message>
    <message>
        <source>Cornsilk</source>
        <translation>Maisseide</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Karmesin</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Darkblue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Darkcyan</source>
        <translation>Dunkelcyan</translation>
    </message>
    <message>
        <source>Darkgoldenrod</source>
        <translation>Dunkles Goldrute</translation>
    </message>
    <message>
        <source>Darkgray</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Darkgreen</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>Darkkhaki</source>
        <translation>Dunkles Khaki</translation>
    </message>
    <message>
        <source>Darkmagenta</source>
        <translation>Dunkelmagenta</translation>
    </message>
    <message>
        <source>Darkolivegreen</source>
        <translation>Dunkles Olivgrün</translation>
    </message>
    <message>
        <source>Darkorange</source>
        <translation>Dunkelorange</translation>
    </message>
    <message>
        <source>Darkorchid</source>
        <translation>Dunkle Orchidee</translation>
    </message>
    <message>
        <source>Darkred</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Darksalmon</source>
        <translation>Dunkellachs</translation>
    </message>
    <message>
        <source>Darkseagreen</source>
        <translation>Dunkles Seegrün</translation>
    </message>
    <message>
        <source>Darkslateblue</source>
        <translation>Dunkles Schieferblau</translation>
    </message>
    <message>
        <source>Darkslategray</source>
        <translation>Dunkles Schiefergrau</translation>
    </message>
    <message>
        <source>Darkturquoise</source>
        <translation>Dunkeltürkis</translation>
    </message>
    <message>
        <source>Darkviolet</source>
        <translation>Dunkelviolett</translation>
    </message>
    <message>
        <source>Deeppink</source>
        <translation>Tiefrosa</translation>
    </message>
    <message>
        <source>Deepskyblue</source>
        <translation>Tiefes Himmelblau</translation>
    </message>
    <message>
        <source>Dimgray</source>
        <translation>Trübgrau</translation>
    </message>
    <message>
        <source>Dodgerblue</source>
        <translation>Dodgerblau</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Ziegelrot</translation>
    </message>
    <message>
        <source>Forestgreen</source>
        <translation>Waldgrün</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsie</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Goldrute</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Greenyellow</source>
        <translation>Gelbgrün</translation>
    </message>
    <message>
        <source>Hotpink</source>
        <translation>Leuchtrosa</translation>
    </message>
    <message>
        <source>Indianred</source>
        <translation>Indischrot</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Khaki</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Lavenderblush</source>
        <translation>Lavendelrosa</translation>
    </message>
    <message>
        <source>Lawngreen</source>
        <translation>Rasengrün</translation>
    </message>
    <message>
        <source>Lemonchiffon</source>
        <translation>Zitronengelb</translation>
    </message>
    <message>
        <source>Lightblue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Lightcoral</source>
        <translation>Hellkoralle</translation>
    </message>
    <message>
        <source>Lightcyan</source>
        <translation>Hellcyan</translation>
    </message>
    <message>
        <source>Lightgoldenrodyellow</source>
        <translation>Helles Goldrutengelb</translation>
    </message>
    <message>
        <source>Lightgreen</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Lightgray</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Lightpink</source>
        <translation>Hellrosa</translation>
    </message>
    <message>
        <source>Lightsalmon</source>
        <translation>Helllachs</translation>
    </message>
    <message>
        <source>Lightseagreen</source>
        <translation>Helles Seegrün</translation>
    </message>
    <message>
        <source>Lightskyblue</source>
        <translation>Helles Himmelblau</translation>
    </message>
    <message>
        <source>Lightslategray</source>
        <translation>Helles Schiefergrau</translation>
    </message>
    <message>
        <source>Lightsteelblue</source>
        <translation>Helles Stahlblau</translation>
    </message>
    <message>
        <source>Lightyellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Limegreen</source>
        <translation>Limettengrün</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Leinen</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Mediumaquamarine</source>
        <translation>Mittleres Aquamarin</translation>
    </message>
    <message>
        <source>Mediumblue</source>
        <translation>Mittelblau</translation>
    </message>
    <message>
        <source>Mediumorchid</source>
        <translation>Mittlere Orchidee</translation>
    </message>
    <message>
        <source>Mediumpurple</source>
        <translation>Mittelpurpur</translation>
    </message>
    <message>
        <source>Mediumseagreen</source>
        <translation>Mittleres Seegrün</translation>
    </message>
    <message>
        <source>Mediumslateblue</source>
        <translation>Mittleres Schieferblau</translation>
    </message>
    <message>
        <source>Mediumspringgreen</source>
        <translation>Mittleres Frühlingsgrün</translation>
    </message>
    <message>
        <source>Mediumturquoise</source>
        <translation>Mitteltürkis</translation>
    </message>
    <message>
        <source>Mediumvioletred</source>
        <translation>Mittleres Violettrot</translation>
    </message>
    <message>
        <source>Midnightblue</source>
        <translation>Mitternachtsblau</translation>
    </message>
    <message>
        <source>Mintcream</source>
        <translation>Minzcreme</translation>
    </message>
    <message>
        <source>Mistyrose</source>
        <translation>Altrosa</translation>
    </message>
    <message>
        <source>Moccasin</source>
        <translation>Mokassin</translation>
    </message>
    <message>
        <source>Navajowhite</source>
        <translation>Navajoweiß</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Oldlace</source>
        <translation>Alte Spitze</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Olivedrab</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Orangered</source>
        <translation>Orangerot</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidee</translation>
    </message>
    <message>
        <source>Palegoldenrod</source>
        <translation>Blasse Goldrute</translation>
    </message>
    <message>
        <source>Palegreen</source>
        <translation>Blassgrün</translation>
    </message>
    <message>
        <source>Paleturquoise</source>
        <translation>Blasstürkis</translation>
    </message>
    <message>
        <source>Palevioletred</source>
        <translation>Blasses Violettrot</translation>
    </message>
    <message>
        <source>Papayawhip</source>
        <translation>Papayacreme</translation>
    </message>
    <message>
        <source>Peachpuff</source>
        <translation>Pfirsich</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Peru</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Pflaume</translation>
    </message>
    <message>
        <source>Powderblue</source>
        <translation>Puderblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purpur</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Rosybrown</source>
        <translation>Rosenholz</translation>
    </message>
    <message>
        <source>Royalblue</source>
        <translation>Königsblau</translation>
    </message>
    <message>
        <source>Saddlebrown</source>
        <translation>Sattelbraun</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Lachs</translation>
    </message>
    <message>
        <source>Sandybrown</source>
        <translation>Sandbraun</translation>
    </message>
    <message>
        <source>Seagreen</source>
        <translation>Seegrün</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Muschel</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Siena</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Slateblue</source>
        <translation>Schieferblau</translation>
    </message>
    <message>
        <source>Slategray</source>
        <translation>Schiefergrau</translation>
    </message>
    <message>
        <source>Springgreen</source>
        <translation>Frühlingsgrün</translation>
    </message>
    <message>
        <source>Steelblue</source>
        <translation>Stahlblau</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Hautfarben</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Distel</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Weizen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Yellowgreen</source>
        <translation>Gelbgrün hell</translation>
    </message>
</context>
<context>
    <name>tabloo::cKeyboardPlay</name>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>A card face down</source>
        <translation>Eine verdeckte Karte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>home pile %1</source>
        <translation>Ablagestapel %1</translation>
    </message>
    <message>
        <source>goal pile %1</source>
        <translation>Zielstapel %1</translation>
    </message>
    <message>
        <source>reserve pile %1</source>
        <translation>freie Zelle %1</translation>
    </message>
    <message>
        <source>Board, no game</source>
        <translation>Spielfeld, kein Spiel</translation>
    </message>
    <message>
        <source>Empty %1</source>
        <translation>Leer: %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>%1 to %2 on %3</source>
        <translation>%1 bis %2 auf %3</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 lifted, over %2</source>
        <translation>%1 aufgenommen, über %2</translation>
    </message>
</context>
<context>
    <name>tabloo::cMenuDisplays</name>
    <message>
        <source>Score :-9999</source>
        <translation>Punkte :-9999</translation>
    </message>
    <message>
        <source>Time :9:59:59</source>
        <translation>Zeit :9:59:59</translation>
    </message>
    <message>
        <source>Moves :9999</source>
        <translation>Züge :9999</translation>
    </message>
    <message>
        <source>Score :%1</source>
        <translation>Punkte :%1</translation>
    </message>
    <message>
        <source>Time :%1</source>
        <translation>Zeit :%1</translation>
    </message>
    <message>
        <source>Moves :%1</source>
        <translation>Züge :%1</translation>
    </message>
</context>
<context>
    <name>tabloo::cOdds</name>
    <message>
        <source>Counting how often these rules can be won…</source>
        <translation>Zähle, wie oft diese Regeln lösbar sind…</translation>
    </message>
    <message>
        <source>Too few deals could be decided to tell how often these rules can be won</source>
        <translation>Zu wenige Spiele entschieden, um zu sagen, wie oft diese Regeln lösbar sind</translation>
    </message>
    <message>
        <source>About %1 % (±%2 %) of deals can be won, from %3 decided of %4</source>
        <translation>Etwa %1 % (±%2 %) der Spiele sind lösbar, aus %3 entschiedenen von %4</translation>
    </message>
</context>
<context>
    <name>tabloo::frmAbout</name>
    <message>
        <source>About Tabloo 3.0</source>
        <translation>Über Tabloo 3.0</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Version 3.0</translation>
    </message>
    <message>
        <source>A patience game of many variants:
bring every card home to the goal piles.</source>
        <translation>Eine Patience mit vielen Varianten:
bringen Sie jede Karte auf die Zielstapel.</translation>
    </message>
    <message>
        <source>Tabloo is free software: you may share and change it
under the GNU General Public License, version 3 or later.
It comes with no warranty.</source>
        <translation>Tabloo ist freie Software: Sie dürfen es weitergeben und ändern
unter der GNU General Public License, Version 3 oder später.
Es gibt keinerlei Garantie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tabloo::frmChooseGame</name>
    <message>
        <source>Select Game</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>Select a Game Number between
0 and 999,999,999,999,999</source>
        <translation>Wählen Sie eine Spielnummer zwischen
0 und 999,999,999,999,999</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please Enter a valid number between 0 and 999,999,999,999,999</source>
        <translation>Bitte geben Sie eine gültige Zahl zwischen 0 und 999,999,999,999,999 ein</translation>
    </message>
</context>
<context>
    <name>tabloo::frmFinishGame</name>
    <message>
        <source>Congrats</source>
        <translation>Glückwunsch</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Select Game</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Spiel neu starten</translation>
    </message>
    <message>
        <source>Select a Number</source>
        <translation>Nummer wählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source> Game :</source>
        <translation> Spiel :</translation>
    </message>
    <message>
        <source> Time Taken :</source>
        <translation> Benötigte Zeit :</translation>
    </message>
    <message>
        <source> Player :</source>
        <translation> Spieler :</translation>
    </message>
    <message>
        <source> Score :</source>
        <translation> Punkte :</translation>
    </message>
    <message>
        <source> Moves :</source>
        <translation> Züge :</translation>
    </message>
    <message>
        <source> Time Taken :0:00:00</source>
        <translation> Benötigte Zeit :0:00:00</translation>
    </message>
</context>
<context>
    <name>tabloo::frmHelp</name>
    <message>
        <source>one rank higher, of the same suit</source>
        <translation>einen Rang höher, gleiche Farbe</translation>
    </message>
    <message>
        <source>one rank higher, red on black or black on red</source>
        <translation>einen Rang höher, Rot auf Schwarz oder Schwarz auf Rot</translation>
    </message>
    <message>
        <source>one rank higher, any suit</source>
        <translation>einen Rang höher, beliebige Farbe</translation>
    </message>
    <message>
        <source>one rank lower, of the same suit</source>
        <translation>einen Rang tiefer, gleiche Farbe</translation>
    </message>
    <message>
        <source>one rank lower, red on black or black on red</source>
        <translation>einen Rang tiefer, Rot auf Schwarz oder Schwarz auf Rot</translation>
    </message>
    <message>
        <source>one rank lower, any suit</source>
        <translation>einen Rang tiefer, beliebige Farbe</translation>
    </message>
    <message>
        <source>any card on any card</source>
        <translation>jede Karte auf jede Karte</translation>
    </message>
    <message>
        <source>one rank higher or lower, of the same suit</source>
        <translation>einen Rang höher oder tiefer, gleiche Farbe</translation>
    </message>
    <message>
        <source>one rank higher or lower, red on black or black on red</source>
        <translation>einen Rang höher oder tiefer, Rot auf Schwarz oder Schwarz auf Rot</translation>
    </message>
    <message>
        <source>one rank higher or lower, any suit</source>
        <translation>einen Rang höher oder tiefer, beliebige Farbe</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Links, Rechts</translation>
    </message>
    <message>
        <source>move the focus frame along the row of piles</source>
        <translation>den Fokusrahmen die Stapelreihe entlang bewegen</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Hoch, Herunter</translation>
    </message>
    <message>
        <source>move the focus frame between the top row and the tableau</source>
        <translation>den Fokusrahmen zwischen oberer Reihe und Ablage bewegen</translation>
    </message>
    <message>
        <source>Shift+Up, Shift+Down</source>
        <translation>Umschalt+Hoch, Umschalt+Herunter</translation>
    </message>
    <message>
        <source>on a tableau pile: take one card more, or one less, of a run</source>
        <translation>auf einem Ablagestapel: eine Karte mehr oder weniger der Folge nehmen</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Leertaste, Enter</translation>
    </message>
    <message>
        <source>lift the framed cards; with cards lifted, lay them on the framed pile</source>
        <translation>die umrahmten Karten aufnehmen; mit aufgenommenen Karten: sie auf den umrahmten Stapel legen</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>put the lifted cards back</source>
        <translation>die aufgenommenen Karten zurücklegen</translation>
    </message>
    <message>
        <source>Double-click</source>
        <translation>Doppelklick</translation>
    </message>
    <message>
        <source>send a card to a foundation, else to the first empty free cell</source>
        <translation>eine Karte auf einen Zielstapel schicken, sonst in die erste leere freie Zelle</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Tabloo&lt;/h1&gt;
&lt;p&gt;Tabloo is a patience game for one player with one deck of 52 cards. You design the game
yourself: how many piles there are, how cards are built on them, how many free cells help you.
The aim is always the same: bring all 52 cards to the four foundations.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Tabloo&lt;/h1&gt;
&lt;p&gt;Tabloo ist eine Patience für einen Spieler mit einem Blatt von 52 Karten. Sie gestalten das Spiel
selbst: wie viele Stapel es gibt, wie auf ihnen angelegt wird, wie viele freie Zellen Ihnen helfen.
Das Ziel ist immer dasselbe: alle 52 Karten auf die vier Zielstapel bringen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The board&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Tableau&lt;/b&gt; &amp;ndash; the home piles along the middle of the board (4 to 10 of them). Their
cards are fanned, so you can see every card of a pile.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Free Cells&lt;/b&gt; &amp;ndash; up to four reserve piles at the top left. Each holds one card.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Foundation&lt;/b&gt; &amp;ndash; the four goal piles at the top right. Each starts with the base card
and is built from there; a foundation holds at most 13 cards.&lt;/li&gt;
&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Das Spielfeld&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Ablage&lt;/b&gt; &amp;ndash; die Ablagestapel in der Mitte des Spielfelds (4 bis 10). Ihre Karten sind
aufgefächert, so dass Sie jede Karte eines Stapels sehen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Freie Zellen&lt;/b&gt; &amp;ndash; bis zu vier Reservefelder oben links. Jedes nimmt eine Karte auf.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Zielstapel&lt;/b&gt; &amp;ndash; die vier Stapel oben rechts. Jeder beginnt mit der Startkarte und wird
von dort aus aufgebaut; ein Zielstapel fasst höchstens 13 Karten.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;How to play&lt;/h2&gt;
&lt;p&gt;Press a card with the mouse and drag it onto the pile where it should go, then let go. If the
pile takes the card it is laid there; if not, the card goes back where it came from.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Only the top card of a free cell or a foundation can be moved. A foundation card may be
taken back onto the tableau when it fits there.&lt;/li&gt;
&lt;li&gt;A free cell takes any single card, but only while it is empty.&lt;/li&gt;
&lt;li&gt;A foundation takes the base card when empty, then cards in its build order. Kings and Aces
are neighbours on a foundation, so a foundation that starts at, say, a Nine runs on from the King
to the Ace.&lt;/li&gt;
&lt;li&gt;A tableau pile takes cards in its build order; an empty tableau pile takes any card or run.&lt;/li&gt;
&lt;li&gt;With &lt;b&gt;Multi Move&lt;/b&gt; on, you can drag a run: a card together with the cards lying on it,
when they are built in the tableau&apos;s order. The longest run you can move is (free cells empty + 1)
&amp;times; (empty tableau piles + 1) cards. A run only goes onto a tableau pile.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;A double-click on a card that may be moved alone sends it to a foundation that takes it, or,
from the tableau, to the first empty free cell.&lt;/p&gt;

&lt;h3&gt;Playing from the keyboard&lt;/h3&gt;
&lt;p&gt;A yellow frame marks the pile in focus. The arrow keys move it: &lt;b&gt;Left&lt;/b&gt; and &lt;b&gt;Right&lt;/b&gt;
along a row, &lt;b&gt;Up&lt;/b&gt; and &lt;b&gt;Down&lt;/b&gt; between the free cells and foundations at the top and the
tableau. On a tableau pile, &lt;b&gt;Shift+Up&lt;/b&gt; takes one more card of the run at its top (as long a
run as you could drag) and &lt;b&gt;Shift+Down&lt;/b&gt; one less. &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; lifts the
framed cards; move the frame to where they should go and press &lt;b&gt;Space&lt;/b&gt; or &lt;b&gt;Enter&lt;/b&gt; again
to lay them there. If that pile does not take them they go back; &lt;b&gt;Esc&lt;/b&gt; puts them back at
any time.&lt;/p&gt;

&lt;p&gt;When the last card reaches the foundations the game is won: the score is shown and you can
start the next game from there.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;So wird gespielt&lt;/h2&gt;
&lt;p&gt;Drücken Sie mit der Maus auf eine Karte, ziehen Sie sie auf den Stapel, auf den sie soll, und lassen Sie
los. Nimmt der Stapel die Karte an, wird sie dort abgelegt; sonst kehrt sie an ihren Platz zurück.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Von einer freien Zelle oder einem Zielstapel lässt sich nur die oberste Karte bewegen. Eine Karte
vom Zielstapel darf zurück auf die Ablage, wenn sie dort passt.&lt;/li&gt;
&lt;li&gt;Eine freie Zelle nimmt jede einzelne Karte an, aber nur solange sie leer ist.&lt;/li&gt;
&lt;li&gt;Ein Zielstapel nimmt leer die Startkarte an, dann Karten in seiner Anlegereihenfolge. König und Ass
sind auf einem Zielstapel Nachbarn: ein Zielstapel, der etwa mit einer Neun beginnt, geht vom König
weiter zum Ass.&lt;/li&gt;
&lt;li&gt;Ein Ablagestapel nimmt Karten in seiner Anlegereihenfolge an; ein leerer Ablagestapel nimmt jede
Karte und jede Folge.&lt;/li&gt;
&lt;li&gt;Mit &lt;b&gt;Mehrfachzug&lt;/b&gt; können Sie eine Folge ziehen: eine Karte samt den Karten darauf, wenn sie in
der Reihenfolge der Ablage liegen. Die längste bewegliche Folge hat (leere freie Zellen + 1)
&amp;times; (leere Ablagestapel + 1) Karten. Eine Folge kommt nur auf einen Ablagestapel.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Ein Doppelklick auf eine Karte, die allein bewegt werden darf, schickt sie auf einen Zielstapel, der
sie annimmt, oder, von der Ablage aus, in die erste leere freie Zelle.&lt;/p&gt;

&lt;h3&gt;Spielen mit der Tastatur&lt;/h3&gt;
&lt;p&gt;Ein gelber Rahmen zeigt den Stapel im Fokus. Die Pfeiltasten bewegen ihn: &lt;b&gt;Links&lt;/b&gt; und
&lt;b&gt;Rechts&lt;/b&gt; entlang einer Reihe, &lt;b&gt;Hoch&lt;/b&gt; und &lt;b&gt;Herunter&lt;/b&gt; zwischen freien Zellen und
Zielstapeln oben und der Ablage. Auf einem Ablagestapel nimmt &lt;b&gt;Umschalt+Hoch&lt;/b&gt; eine Karte mehr
der obersten Folge (so lang, wie Sie ziehen könnten) und &lt;b&gt;Umschalt+Herunter&lt;/b&gt; eine weniger.
&lt;b&gt;Leertaste&lt;/b&gt; oder &lt;b&gt;Enter&lt;/b&gt; nimmt die umrahmten Karten auf; bewegen Sie den Rahmen dorthin,
wo sie hin sollen, und drücken Sie erneut &lt;b&gt;Leertaste&lt;/b&gt; oder &lt;b&gt;Enter&lt;/b&gt;, um sie abzulegen.
Nimmt der Stapel sie nicht an, gehen sie zurück; &lt;b&gt;Esc&lt;/b&gt; legt sie jederzeit zurück.&lt;/p&gt;

&lt;p&gt;Erreicht die letzte Karte die Zielstapel, ist das Spiel gewonnen: die Punkte werden gezeigt, und
Sie können von dort aus das nächste Spiel beginnen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Designing the game&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;File &amp;rsaquo; Select Game&lt;/b&gt; opens the game&apos;s design. &lt;b&gt;Play&lt;/b&gt; keeps your choices and deals
a new game with them; they stay until you change them.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Setting&lt;/th&gt;&lt;th&gt;What it does&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tableau: Piles&lt;/td&gt;&lt;td&gt;how many home piles, 4 to 10&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tableau: Card Arranging Order&lt;/td&gt;&lt;td&gt;how cards are built on the home piles (see below)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Multi Move&lt;/td&gt;&lt;td&gt;runs of cards may be dragged as one&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ace-King Wrapping&lt;/td&gt;&lt;td&gt;on the tableau, too, an Ace and a King count as neighbours&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Foundation: Card Arranging Order&lt;/td&gt;&lt;td&gt;how cards are built on the goal piles&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Base Card&lt;/td&gt;&lt;td&gt;the rank each foundation starts with; Random draws one for every game&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Initial Cards&lt;/td&gt;&lt;td&gt;how many foundations get their base card in the deal&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Number of Free Cells&lt;/td&gt;&lt;td&gt;0 to 4&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Total Cards in Free Cells&lt;/td&gt;&lt;td&gt;how many free cells get a card in the deal&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Every card that is not dealt to the foundations or the free cells goes to the tableau, round the
piles from the left.&lt;/p&gt;

&lt;h3&gt;Build orders&lt;/h3&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Order&lt;/th&gt;&lt;th&gt;A card may go on a card&lt;/th&gt;&lt;/tr&gt;
%ORDERS%
&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Das Spiel gestalten&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Datei &amp;rsaquo; Spiel wählen&lt;/b&gt; öffnet die Gestaltung des Spiels. &lt;b&gt;Spielen&lt;/b&gt; übernimmt Ihre
Wahl und teilt damit ein neues Spiel aus; sie bleibt, bis Sie sie ändern.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Einstellung&lt;/th&gt;&lt;th&gt;Was sie bewirkt&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ablage: Stapel&lt;/td&gt;&lt;td&gt;wie viele Ablagestapel, 4 bis 10&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ablage: Anlegereihenfolge&lt;/td&gt;&lt;td&gt;wie auf den Ablagestapeln angelegt wird (siehe unten)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Mehrfachzug&lt;/td&gt;&lt;td&gt;Folgen von Karten dürfen als Ganzes gezogen werden&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Ass auf König&lt;/td&gt;&lt;td&gt;auch auf der Ablage gelten Ass und König als Nachbarn&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Zielstapel: Anlegereihenfolge&lt;/td&gt;&lt;td&gt;wie auf den Zielstapeln angelegt wird&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Startkarte&lt;/td&gt;&lt;td&gt;der Rang, mit dem jeder Zielstapel beginnt; Zufällig zieht für jedes Spiel einen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Karten zu Beginn&lt;/td&gt;&lt;td&gt;wie viele Zielstapel ihre Startkarte schon beim Austeilen bekommen&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Anzahl freier Zellen&lt;/td&gt;&lt;td&gt;0 bis 4&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Karten in freien Zellen&lt;/td&gt;&lt;td&gt;wie viele freie Zellen beim Austeilen eine Karte bekommen&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Jede Karte, die nicht auf die Zielstapel oder in die freien Zellen ausgeteilt wird, kommt auf die
Ablage, reihum über die Stapel von links.&lt;/p&gt;

&lt;h3&gt;Anlegereihenfolgen&lt;/h3&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Reihenfolge&lt;/th&gt;&lt;th&gt;Eine Karte darf auf eine Karte&lt;/th&gt;&lt;/tr&gt;
%ORDERS%
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Game numbers&lt;/h2&gt;
&lt;p&gt;Every deal has a number. The same number with the same design gives the same deal, so you can
play a game again (&lt;b&gt;File &amp;rsaquo; Restart Game&lt;/b&gt;) or play a number someone told you
(&lt;b&gt;File &amp;rsaquo; Select a Number&lt;/b&gt;; any number above 0 and below 999,999,999,999,999).
&lt;b&gt;File &amp;rsaquo; New Game&lt;/b&gt; deals a random number. The number is shown in the window&apos;s title.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Spielnummern&lt;/h2&gt;
&lt;p&gt;Jedes Spiel hat eine Nummer. Dieselbe Nummer mit derselben Gestaltung ergibt dieselbe Verteilung,
so dass Sie ein Spiel wiederholen können (&lt;b&gt;Datei &amp;rsaquo; Spiel neu starten&lt;/b&gt;) oder eine Nummer
spielen, die Ihnen jemand genannt hat (&lt;b&gt;Datei &amp;rsaquo; Nummer wählen&lt;/b&gt;; jede Zahl über 0 und
unter 999,999,999,999,999). &lt;b&gt;Datei &amp;rsaquo; Neues Spiel&lt;/b&gt; teilt eine zufällige Nummer aus. Die
Nummer steht im Fenstertitel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Autoplay&lt;/h2&gt;
&lt;p&gt;While &lt;b&gt;Game &amp;rsaquo; Autoplay&lt;/b&gt; is ticked, every card that a foundation would take goes there
by itself after each of your moves. Switch it off to keep cards on the tableau for building.
While it is on, a card you take back from a foundation with &lt;b&gt;Undo&lt;/b&gt; stays back only until your
next move, and a card you drag off a foundation flies home again if nothing else goes there
first.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Automatisch&lt;/h2&gt;
&lt;p&gt;Solange &lt;b&gt;Spiel &amp;rsaquo; Automatisch&lt;/b&gt; abgehakt ist, geht jede Karte, die ein Zielstapel annehmen
würde, nach jedem Ihrer Züge von selbst dorthin. Schalten Sie es aus, um Karten zum Anlegen auf der
Ablage zu behalten. Solange es an ist, bleibt eine Karte, die Sie mit &lt;b&gt;Rückgängig&lt;/b&gt; von einem
Zielstapel zurückholen, nur bis zu Ihrem nächsten Zug unten, und eine Karte, die Sie von einem
Zielstapel ziehen, fliegt wieder hinauf, wenn nicht vorher etwas anderes dorthin kommt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Undo, redo and replay&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Undo&lt;/b&gt; takes back the last move, &lt;b&gt;Redo&lt;/b&gt; makes it again. &lt;b&gt;Undo All&lt;/b&gt; and
&lt;b&gt;Redo All&lt;/b&gt; go to the start or the end of the game at once. A new move after an undo drops
the moves that were taken back.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Replay &amp;rsaquo; Forward&lt;/b&gt; and &lt;b&gt;Back&lt;/b&gt; step through the game by themselves, a move every
half second, until you choose &lt;b&gt;Stop&lt;/b&gt; or the end is reached. &lt;b&gt;Replay All&lt;/b&gt; shows the whole
game from the deal.&lt;/li&gt;
&lt;/ul&gt;</source>
        <translation>&lt;h2&gt;Rückgängig, Wiederholen und Wiedergabe&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Rückgängig&lt;/b&gt; nimmt den letzten Zug zurück, &lt;b&gt;Wiederholen&lt;/b&gt; macht ihn erneut. &lt;b&gt;Alles
rückgängig&lt;/b&gt; und &lt;b&gt;Alles wiederholen&lt;/b&gt; springen auf einmal an den Anfang oder das Ende des
Spiels. Ein neuer Zug nach einem Rückgängig verwirft die zurückgenommenen Züge.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Wiedergabe &amp;rsaquo; Vorwärts&lt;/b&gt; und &lt;b&gt;Zurück&lt;/b&gt; gehen von selbst durch das Spiel, ein Zug
jede halbe Sekunde, bis Sie &lt;b&gt;Stopp&lt;/b&gt; wählen oder das Ende erreicht ist. &lt;b&gt;Alles abspielen&lt;/b&gt;
zeigt das ganze Spiel vom Austeilen an.&lt;/li&gt;
&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Can it still be won?&lt;/h2&gt;
&lt;p&gt;The line under the board tells, after every move, whether the game in front of you can still be
won: &lt;b&gt;Winnable&lt;/b&gt;, &lt;b&gt;Not winnable&lt;/b&gt;, or &lt;b&gt;Can&apos;t tell&lt;/b&gt; when the search gives up; while it
thinks it shows &lt;b&gt;&amp;hellip;&lt;/b&gt;. &lt;b&gt;Game &amp;rsaquo; Hint&lt;/b&gt; rings the card to move next and where it
goes, in light blue. &lt;b&gt;Game &amp;rsaquo; Show Solution&lt;/b&gt; plays the rest of a winning line, a move every
half second, until you press a key or click; you can undo its moves, but a game it has played
counts as lost. In &lt;b&gt;File &amp;rsaquo; Select Game&lt;/b&gt;, &lt;b&gt;Winnable deals only&lt;/b&gt; deals only games
that can be won, and the line beside it tells how often your design can be won at all.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ist es noch lösbar?&lt;/h2&gt;
&lt;p&gt;Die Zeile unter dem Spielfeld sagt nach jedem Zug, ob das Spiel vor Ihnen noch gewonnen werden
kann: &lt;b&gt;Lösbar&lt;/b&gt;, &lt;b&gt;Nicht lösbar&lt;/b&gt; oder &lt;b&gt;Unklar&lt;/b&gt;, wenn die Suche aufgibt; während sie
rechnet, zeigt sie &lt;b&gt;&amp;hellip;&lt;/b&gt;. &lt;b&gt;Spiel &amp;rsaquo; Tipp&lt;/b&gt; umringt die als Nächstes zu ziehende
Karte und ihr Ziel in Hellblau. &lt;b&gt;Spiel &amp;rsaquo; Lösung zeigen&lt;/b&gt; spielt den Rest eines
Lösungswegs vor, ein Zug jede halbe Sekunde, bis Sie eine Taste drücken oder klicken; Sie können
seine Züge zurücknehmen, aber ein so gespieltes Spiel zählt als verloren. In &lt;b&gt;Datei &amp;rsaquo; Spiel
wählen&lt;/b&gt; teilt &lt;b&gt;Nur lösbare Spiele&lt;/b&gt; nur Spiele aus, die sich gewinnen lassen, und die Zeile
daneben sagt, wie oft Ihre Gestaltung überhaupt lösbar ist.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Score and time&lt;/h2&gt;
&lt;p&gt;While a game runs, the menu bar shows the score, the time and the number of moves. Each card
on the foundations is worth 10 points, and every 3 seconds cost one point, so a won game scores
up to 520 and a slow game goes below zero. Undone moves do not count as moves.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Punkte und Zeit&lt;/h2&gt;
&lt;p&gt;Während ein Spiel läuft, zeigt die Menüleiste die Punkte, die Zeit und die Zahl der Züge. Jede
Karte auf den Zielstapeln bringt 10 Punkte, und alle 3 Sekunden kosten einen Punkt; ein gewonnenes
Spiel bringt also bis zu 520 Punkte, und ein langsames fällt unter null. Zurückgenommene Züge zählen
nicht als Züge.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Players&lt;/h2&gt;
&lt;p&gt;Up to ten players keep their own records. Add, rename and delete players in
&lt;b&gt;Tools &amp;rsaquo; Players&lt;/b&gt;; choose who plays in &lt;b&gt;File &amp;rsaquo; Select Game&lt;/b&gt;. A finished game
counts for the current player: a win with its score, and a game that is closed, replaced by a new
one or left when the window closes as lost. &lt;b&gt;Tools &amp;rsaquo; Statistics&lt;/b&gt; shows the totals of
all players and the record of each.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Spieler&lt;/h2&gt;
&lt;p&gt;Bis zu zehn Spieler führen ihre eigenen Ergebnisse. Spieler anlegen, umbenennen und löschen Sie in
&lt;b&gt;Extras &amp;rsaquo; Spieler&lt;/b&gt;; wer spielt, wählen Sie in &lt;b&gt;Datei &amp;rsaquo; Spiel wählen&lt;/b&gt;. Ein
beendetes Spiel zählt für den aktuellen Spieler: ein Sieg mit seinen Punkten, und ein Spiel, das
geschlossen, durch ein neues ersetzt oder beim Schließen des Fensters verlassen wird, als verloren.
&lt;b&gt;Extras &amp;rsaquo; Statistik&lt;/b&gt; zeigt die Summen aller Spieler und die Ergebnisse jedes
einzelnen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Customize&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Tools &amp;rsaquo; Customize&lt;/b&gt; sets the colour of the board, whether the board grows with the
window (&lt;b&gt;Fit the board to the window&lt;/b&gt;: the cards are drawn afresh at the size shown), whether
the line under the board tells if the game can still be won, the speed of moving cards (for your
moves, for undo and redo, for Undo All and Redo All, and for replay; at the right end of a slider
cards jump) and which sounds play: &lt;b&gt;Card Down&lt;/b&gt; sounds as you pick a card up, &lt;b&gt;Card Up&lt;/b&gt; as
you lay it down (or it goes back), &lt;b&gt;Start&lt;/b&gt; with each deal, &lt;b&gt;Autoplay&lt;/b&gt; with each card that
goes home by itself, &lt;b&gt;Undo&lt;/b&gt; and &lt;b&gt;Redo&lt;/b&gt; with slow undo and redo moves, &lt;b&gt;Win&lt;/b&gt; with a
won game.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Einstellungen&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Extras &amp;rsaquo; Einstellungen&lt;/b&gt; legt die Farbe des Spielfelds fest, ob das Spielfeld mit dem
Fenster wächst (&lt;b&gt;Spielfeld an das Fenster anpassen&lt;/b&gt;: die Karten werden in der gezeigten Größe neu
gezeichnet), ob die Zeile unter dem Spielfeld sagt, ob das Spiel noch lösbar ist, das Tempo der
Kartenbewegung (für Ihre Züge, für Rückgängig und Wiederholen, für Alles rückgängig und Alles
wiederholen und für die Wiedergabe; ganz rechts am Regler springen die Karten) und welche Klänge
spielen: &lt;b&gt;Karte aufnehmen&lt;/b&gt; beim Aufnehmen einer Karte, &lt;b&gt;Karte ablegen&lt;/b&gt; beim Ablegen (oder
wenn sie zurückgeht), &lt;b&gt;Mischen zu Beginn&lt;/b&gt; bei jedem Austeilen, &lt;b&gt;Automatischer Zug&lt;/b&gt; bei jeder
Karte, die von selbst heimgeht, &lt;b&gt;Rückgängig&lt;/b&gt; und &lt;b&gt;Wiederholen&lt;/b&gt; bei langsamen Zügen zurück
und vor, &lt;b&gt;Spiel gewonnen&lt;/b&gt; bei einem gewonnenen Spiel.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Game &amp;rsaquo; Full Screen&lt;/b&gt; (F11) gives the whole screen to the game; F11 again brings the
window back as it was. The window opens at the size and place it had when it was last closed,
maximised if it was.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Das Fenster&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Spiel &amp;rsaquo; Vollbild&lt;/b&gt; (F11) gibt dem Spiel den ganzen Bildschirm; F11 bringt das Fenster
wieder so zurück, wie es war. Das Fenster öffnet sich in der Größe und an der Stelle, die es beim
letzten Schließen hatte, maximiert, wenn es das war.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keys&lt;/h2&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Key&lt;/th&gt;&lt;th&gt;Command&lt;/th&gt;&lt;/tr&gt;
%KEYS%
&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Tasten&lt;/h2&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Taste&lt;/th&gt;&lt;th&gt;Befehl&lt;/th&gt;&lt;/tr&gt;
%KEYS%
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Tabloo Help</source>
        <translation>Tabloo-Hilfe</translation>
    </message>
</context>
<context>
    <name>tabloo::frmMain</name>
    <message>
        <source>Continue the unfinished game %1?</source>
        <translation>Das unterbrochene Spiel %1 fortsetzen?</translation>
    </message>
    <message>
        <source>The unfinished game %1 could not be brought back (%2). It counts as lost.</source>
        <translation>Das unterbrochene Spiel %1 ließ sich nicht wiederherstellen (%2). Es zählt als verloren.</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>Spiel &amp;wählen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Select Game</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>Spiel neu &amp;starten</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Spiel neu starten</translation>
    </message>
    <message>
        <source>&amp;Close Game</source>
        <translation>Spiel s&amp;chließen</translation>
    </message>
    <message>
        <source>Select a Number</source>
        <translation>Nummer wählen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>U&amp;ndo All</source>
        <translation>&amp;Alles rückgängig</translation>
    </message>
    <message>
        <source>R&amp;edo All</source>
        <translation>A&amp;lles wiederholen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Hint: the first move of a winning line</source>
        <translation>Tipp: der erste Zug eines Lösungswegs</translation>
    </message>
    <message>
        <source>&amp;Show Solution</source>
        <translation>Lösung &amp;zeigen</translation>
    </message>
    <message>
        <source>View Toolbar</source>
        <translation>Werkzeugleiste anzeigen</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Replay Forward</source>
        <translation>Wiedergabe vorwärts</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Replay Back</source>
        <translation>Wiedergabe rückwärts</translation>
    </message>
    <message>
        <source>Replay &amp;All</source>
        <translation>Alles &amp;abspielen</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Replay Stop</source>
        <translation>Wiedergabe anhalten</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Tabloo...</source>
        <translation>Über Tabloo...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>tabloo::frmOptions</name>
    <message>
        <source>Card Moving Speed</source>
        <translation>Kartentempo</translation>
    </message>
    <message>
        <source>Undo/Redo Speed</source>
        <translation>Tempo Rückgängig/Wiederholen</translation>
    </message>
    <message>
        <source>Undoall/Redoall Speed</source>
        <translation>Tempo Alles rückgängig/wiederholen</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Wiedergabetempo</translation>
    </message>
    <message>
        <source>Initial Shuffle</source>
        <translation>Mischen zu Beginn</translation>
    </message>
    <message>
        <source>Card Up</source>
        <translation>Karte ablegen</translation>
    </message>
    <message>
        <source>Card Down</source>
        <translation>Karte aufnehmen</translation>
    </message>
    <message>
        <source>Autoplay Move</source>
        <translation>Automatischer Zug</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Game Won</source>
        <translation>Spiel gewonnen</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Fit the board to the window</source>
        <translation>Spielfeld an das Fenster &amp;anpassen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>&amp;Animation &amp;&amp; Sounds</source>
        <translation>&amp;Bewegung &amp;&amp; Klänge</translation>
    </message>
    <message>
        <source>Tell whether the game can still be won</source>
        <translation>Anzeigen, ob das Spiel noch lösbar ist</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Large print</source>
        <translation>Großdruck</translation>
    </message>
    <message>
        <source>Card fa&amp;ces:</source>
        <translation>&amp;Kartenbild:</translation>
    </message>
    <message>
        <source>Four-colour &amp;deck</source>
        <translation>Vier&amp;farbiges Blatt</translation>
    </message>
    <message>
        <source>Hearts red, diamonds blue, clubs green, spades black</source>
        <translation>Herz rot, Karo blau, Kreuz grün, Pik schwarz</translation>
    </message>
</context>
<context>
    <name>tabloo::frmPlayers</name>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Player ID</source>
        <translation>Spieler-Nr.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Maximum 10 Players Only!</source>
        <translation>Höchstens 10 Spieler!</translation>
    </message>
    <message>
        <source>Enter Player Name :</source>
        <translation>Spielername eingeben :</translation>
    </message>
    <message>
        <source>Player Exists !</source>
        <translation>Diesen Spieler gibt es schon!</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>Spieler ändern</translation>
    </message>
    <message>
        <source>First Player Cannot be deleted</source>
        <translation>Der erste Spieler kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this player</source>
        <translation>Diesen Spieler wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>tabloo::frmSelect</name>
    <message>
        <source>Select Game</source>
        <translation>Spiel wählen</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Multi Move</source>
        <translation>Mehrfachzug</translation>
    </message>
    <message>
        <source>Ace-King Wrapping</source>
        <translation>Ass auf König</translation>
    </message>
    <message>
        <source>Piles</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Card Arranging Order</source>
        <translation>Anlegereihenfolge</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Zielstapel</translation>
    </message>
    <message>
        <source>Base Card</source>
        <translation>Startkarte</translation>
    </message>
    <message>
        <source>Initial Cards</source>
        <translation>Karten zu Beginn</translation>
    </message>
    <message>
        <source>Free Cells</source>
        <translation>Freie Zellen</translation>
    </message>
    <message>
        <source>Number of Free Cells</source>
        <translation>Anzahl freier Zellen</translation>
    </message>
    <message>
        <source>Total Cards in Free Cells</source>
        <translation>Karten in freien Zellen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Winnable deals only</source>
        <translation>Nur lösbare Spiele</translation>
    </message>
    <message>
        <source>From %1 random deals: %2 winnable, %3 not winnable, %4 undecided</source>
        <translation>Aus %1 zufälligen Spielen: %2 lösbar, %3 nicht lösbar, %4 offen</translation>
    </message>
</context>
<context>
    <name>tabloo::frmSplash</name>
    <message>
        <source>Version 3.0</source>
        <translation>Version 3.0</translation>
    </message>
    <message>
        <source>A patience game of many variants</source>
        <translation>Eine Patience mit vielen Varianten</translation>
    </message>
</context>
<context>
    <name>tabloo::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Current Game</source>
        <translation>Aktuelles Spiel</translation>
    </message>
    <message>
        <source>Current Player</source>
        <translation>Aktueller Spieler</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Games Played : </source>
        <translation>Gespielte Spiele : </translation>
    </message>
    <message>
        <source>Games Won : </source>
        <translation>Gewonnene Spiele : </translation>
    </message>
    <message>
        <source>Games Lost : </source>
        <translation>Verlorene Spiele : </translation>
    </message>
    <message>
        <source>Total Score : </source>
        <translation>Punkte gesamt : </translation>
    </message>
    <message>
        <source>Total Moves : </source>
        <translation>Züge gesamt : </translation>
    </message>
    <message>
        <source>Average Score : </source>
        <translation>Punkte im Schnitt : </translation>
    </message>
    <message>
        <source>Average Moves : </source>
        <translation>Züge im Schnitt : </translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Punkte : </translation>
    </message>
    <message>
        <source>Moves : </source>
        <translation>Züge : </translation>
    </message>
    <message>
        <source>Current Player : </source>
        <translation>Aktueller Spieler : </translation>
    </message>
    <message>
        <source>Total : </source>
        <translation>Gesamt : </translation>
    </message>
    <message>
        <source>Won : </source>
        <translation>Gewonnen : </translation>
    </message>
    <message>
        <source>Lost : </source>
        <translation>Verloren : </translation>
    </message>
</context>
</TS>
