<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>tabloo::Rules</name>
    <message>
        <source>Up Same Suit</source>
        <translation>Croissant, même couleur</translation>
    </message>
    <message>
        <source>Up Alternate Color</source>
        <translation>Croissant, couleurs alternées</translation>
    </message>
    <message>
        <source>Up Regardless of Suit</source>
        <translation>Croissant, toutes couleurs</translation>
    </message>
    <message>
        <source>Down Same Suit</source>
        <translation>Décroissant, même couleur</translation>
    </message>
    <message>
        <source>Down Alternate Color</source>
        <translation>Décroissant, couleurs alternées</translation>
    </message>
    <message>
        <source>Down Regardless of Suit</source>
        <translation>Décroissant, toutes couleurs</translation>
    </message>
    <message>
        <source>Any Card</source>
        <translation>N&apos;importe quelle carte</translation>
    </message>
    <message>
        <source>Up or Down Same Suit</source>
        <translation>Croissant ou décroissant, même couleur</translation>
    </message>
    <message>
        <source>Up or Down Alternate Color</source>
        <translation>Croissant ou décroissant, couleurs alternées</translation>
    </message>
    <message>
        <source>Up or Down Regardless of Suit</source>
        <translation>Croissant ou décroissant, toutes couleurs</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
</context>
<context>
    <name>tabloo::cAdvisor</name>
    <message>
        <source>Looking for a winnable deal…</source>
        <translation>Recherche d&apos;une donne gagnable…</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Gagnable</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Pas gagnable</translation>
    </message>
    <message>
        <source>Can&apos;t tell</source>
        <translation>Impossible à dire</translation>
    </message>
    <message>
        <source>no winnable deal turned up in 2 s</source>
        <translation>aucune donne gagnable trouvée en 2 s</translation>
    </message>
    <message>
        <source>Won by Show Solution: the game counts as lost</source>
        <translation>Gagnée par Afficher la solution : la partie compte comme perdue</translation>
    </message>
    <message>
        <source>No move leads to a win from here.</source>
        <translation>Aucun coup ne mène à la victoire à partir d&apos;ici.</translation>
    </message>
    <message>
        <source>No winning line found.</source>
        <translation>Aucune solution trouvée.</translation>
    </message>
</context>
<context>
    <name>tabloo::cColorTable</name>
    <message>
        <source>Antiquewhite</source>
        <translation>Blanc antique</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aigue-marine</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Bisque</source>
        <translation>Bisque</translation>
    </message>
    <message>
        <source>Blanchedalmond</source>
        <translation>Amande blanchie</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blueviolet</source>
        <translation>Bleu violet</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brun</translation>
    </message>
    <message>
        <source>Burlywood</source>
        <translation>Bois dur</translation>
    </message>
    <message>
        <source>Cadetblue</source>
        <translation>Bleu cadet</translation>
    </message>
    <message>
        <source>Chartreuse</source>
        <translation>Chartreuse</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolat</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Corail</translation>
    </message>
    <message>
        <source>Cornflower</source>
        <translation>Bleuet</translation>
    </message>
    <message>
        <source>Cornsilk</source>
        <translation>Soie de maïs</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Cramoisi</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Darkblue</source>
        <translation>Bleu foncé</translation>
    </message>
    <message>
        <source>Darkcyan</source>
        <translation>Cyan foncé</translation>
    </message>
    <message>
        <source>Darkgoldenrod</source>
        <translation>Verge d&apos;or foncé</translation>
    </message>
    <message>
        <source>Darkgray</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Darkgreen</source>
        <translation>Vert foncé</translation>
    </message>
    <message>
        <source>Darkkhaki</source>
        <translation>Kaki foncé</translation>
    </message>
    <message>
        <source>Darkmagenta</source>
        <translation>Magenta foncé</translation>
    </message>
    <message>
        <source>Darkolivegreen</source>
        <translation>Vert olive foncé</translation>
    </message>
    <message>
        <source>Darkorange</source>
        <translation>Orange foncé</translation>
    </message>
    <message>
        <source>Darkorchid</source>
        <translation>Orchidée foncé</translation>
    </message>
    <message>
        <source>Darkred</source>
        <translation>Rouge foncé</translation>
    </message>
    <message>
        <source>Darksalmon</source>
        <translation>Saumon foncé</translation>
    </message>
    <message>
        <source>Darkseagreen</source>
        <translation>Vert d&apos;eau foncé</translation>
    </message>
    <message>
        <source>Darkslateblue</source>
        <translation>Bleu ardoise foncé</translation>
    </message>
    <message>
        <source>Darkslategray</source>
        <translation>Gris ardoise foncé</translation>
    </message>
    <message>
        <source>Darkturquoise</source>
        <translation>Turquoise foncé</translation>
    </message>
    <message>
        <source>Darkviolet</source>
        <translation>Violet foncé</translation>
    </message>
    <message>
        <source>Deeppink</source>
        <translation>Rose profond</translation>
    </message>
    <message>
        <source>Deepskyblue</source>
        <translation>Bleu ciel profond</translation>
    </message>
    <message>
        <source>Dimgray</source>
        <translation>Gris terne</translation>
    </message>
    <message>
        <source>Dodgerblue</source>
        <translation>Bleu Dodger</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Brique</translation>
    </message>
    <message>
        <source>Forestgreen</source>
        <translation>Vert forêt</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Verge d&apos;or</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Greenyellow</source>
        <translation>Vert-jaune</translation>
    </message>
    <message>
        <source>Hotpink</source>
        <translation>Rose vif</translation>
    </message>
    <message>
        <source>Indianred</source>
        <translation>Rouge indien</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Indigo</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Kaki</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Lavenderblush</source>
        <translation>Lavande rosée</translation>
    </message>
    <message>
        <source>Lawngreen</source>
        <translation>Vert prairie</translation>
    </message>
    <message>
        <source>Lemonchiffon</source>
        <translation>Mousseline citron</translation>
    </message>
    <message>
        <source>Lightblue</source>
        <translation>Bleu clair</translation>
    </message>
    <message>
        <source>Lightcoral</source>
        <translation>Corail clair</translation>
    </message>
    <message>
        <source>Lightcyan</source>
        <translation>Cyan clair</translation>
    </message>
    <message>
        <source>Lightgoldenrodyellow</source>
        <translation>Jaune verge d&apos;or clair</translation>
    </message>
    <message>
        <source>Lightgreen</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Lightgray</source>
        <translation>Gris clair</translation>
    </message>
    <message>
        <source>Lightpink</source>
        <translation>Rose clair</translation>
    </message>
    <message>
        <source>Lightsalmon</source>
        <translation>Saumon clair</translation>
    </message>
    <message>
        <source>Lightseagreen</source>
        <translation>Vert d&apos;eau clair</translation>
    </message>
    <message>
        <source>Lightskyblue</source>
        <translation>Bleu ciel clair</translation>
    </message>
    <message>
        <source>Lightslategray</source>
        <translation>Gris ardoise clair</translation>
    </message>
    <message>
        <source>Lightsteelblue</source>
        <translation>Bleu acier clair</translation>
    </message>
    <message>
        <source>Lightyellow</source>
        <translation>Jaune clair</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Limegreen</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Lin</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Mediumaquamarine</source>
        <translation>Aigue-marine moyen</translation>
    </message>
    <message>
        <source>Mediumblue</source>
        <translation>Bleu moyen</translation>
    </message>
    <message>
        <source>Mediumorchid</source>
        <translation>Orchidée moyen</translation>
    </message>
    <message>
        <source>Mediumpurple</source>
        <translation>Pourpre moyen</translation>
    </message>
    <message>
        <source>Mediumseagreen</source>
        <translation>Vert d&apos;eau moyen</translation>
    </message>
    <message>
        <source>Mediumslateblue</source>
        <translation>Bleu ardoise moyen</translation>
    </message>
    <message>
        <source>Mediumspringgreen</source>
        <translation>Vert printemps moyen</translation>
    </message>
    <message>
        <source>Mediumturquoise</source>
        <translation>Turquoise moyen</translation>
    </message>
    <message>
        <source>Mediumvioletred</source>
        <translation>Rouge violacé moyen</translation>
    </message>
    <message>
        <source>Midnightblue</source>
        <translation>Bleu nuit</translation>
    </message>
    <message>
        <source>Mintcream</source>
        <translation>Crème de menthe</translation>
    </message>
    <message>
        <source>Mistyrose</source>
        <translation>Rose brumeux</translation>
    </message>
    <message>
        <source>Moccasin</source>
        <translation>Mocassin</translation>
    </message>
    <message>
        <source>Navajowhite</source>
        <translation>Blanc navajo</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Oldlace</source>
        <translation>Dentelle ancienne</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Olivedrab</source>
        <translation>Vert olive terne</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Orangered</source>
        <translation>Rouge orangé</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orchidée</translation>
    </message>
    <message>
        <source>Palegoldenrod</source>
        <translation>Verge d&apos;or pâle</translation>
    </message>
    <message>
        <source>Palegreen</source>
        <translation>Vert pâle</translation>
    </message>
    <message>
        <source>Paleturquoise</source>
        <translation>Turquoise pâle</translation>
    </message>
    <message>
        <source>Palevioletred</source>
        <translation>Rouge violacé pâle</translation>
    </message>
    <message>
        <source>Papayawhip</source>
        <translation>Crème de papaye</translation>
    </message>
    <message>
        <source>Peachpuff</source>
        <translation>Pêche</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Pérou</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Prune</translation>
    </message>
    <message>
        <source>Powderblue</source>
        <translation>Bleu poudre</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Pourpre</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Rosybrown</source>
        <translation>Vieux rose</translation>
    </message>
    <message>
        <source>Royalblue</source>
        <translation>Bleu roi</translation>
    </message>
    <message>
        <source>Saddlebrown</source>
        <translation>Brun cuir</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Saumon</translation>
    </message>
    <message>
        <source>Sandybrown</source>
        <translation>Brun sable</translation>
    </message>
    <message>
        <source>Seagreen</source>
        <translation>Vert d&apos;eau</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Coquillage</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Terre de Sienne</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Slateblue</source>
        <translation>Bleu ardoise</translation>
    </message>
    <message>
        <source>Slategray</source>
        <translation>Gris ardoise</translation>
    </message>
    <message>
        <source>Springgreen</source>
        <translation>Vert printemps</translation>
    </message>
    <message>
        <source>Steelblue</source>
        <translation>Bleu acier</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Tan</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Chardon</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Blé</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Yellowgreen</source>
        <translation>Vert jaunâtre</translation>
    </message>
</context>
<context>
    <name>tabloo::cKeyboardPlay</name>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>A card face down</source>
        <translation>Une carte face cachée</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>home pile %1</source>
        <translation>pile du tableau %1</translation>
    </message>
    <message>
        <source>goal pile %1</source>
        <translation>fondation %1</translation>
    </message>
    <message>
        <source>reserve pile %1</source>
        <translation>cellule libre %1</translation>
    </message>
    <message>
        <source>Board, no game</source>
        <translation>Plateau, aucune partie</translation>
    </message>
    <message>
        <source>Empty %1</source>
        <translation>Vide : %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 to %2 on %3</source>
        <translation>%1 à %2 sur %3</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 de plus</translation>
    </message>
    <message>
        <source>%1 lifted, over %2</source>
        <translation>%1 levée, au-dessus de %2</translation>
    </message>
</context>
<context>
    <name>tabloo::cMenuDisplays</name>
    <message>
        <source>Score :-9999</source>
        <translation>Score :-9999</translation>
    </message>
    <message>
        <source>Time :9:59:59</source>
        <translation>Temps :9:59:59</translation>
    </message>
    <message>
        <source>Moves :9999</source>
        <translation>Coups :9999</translation>
    </message>
    <message>
        <source>Score :%1</source>
        <translation>Score :%1</translation>
    </message>
    <message>
        <source>Time :%1</source>
        <translation>Temps :%1</translation>
    </message>
    <message>
        <source>Moves :%1</source>
        <translation>Coups :%1</translation>
    </message>
</context>
<context>
    <name>tabloo::cOdds</name>
    <message>
        <source>Counting how often these rules can be won…</source>
        <translation>Calcul de la fréquence de victoire avec ces règles…</translation>
    </message>
    <message>
        <source>Too few deals could be decided to tell how often these rules can be won</source>
        <translation>Trop peu de donnes tranchées pour dire à quelle fréquence ces règles se gagnent</translation>
    </message>
    <message>
        <source>About %1 % (±%2 %) of deals can be won, from %3 decided of %4</source>
        <translation>Environ %1 % (±%2 %) des donnes se gagnent, sur %3 tranchées parmi %4</translation>
    </message>
</context>
<context>
    <name>tabloo::frmAbout</name>
    <message>
        <source>About Tabloo 3.0</source>
        <translation>À propos de Tabloo 3.0</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Version 3.0</translation>
    </message>
    <message>
        <source>A patience game of many variants:
bring every card home to the goal piles.</source>
        <translation>Une réussite aux nombreuses variantes :
menez chaque carte jusqu&apos;aux fondations.</translation>
    </message>
    <message>
        <source>Tabloo is free software: you may share and change it
under the GNU General Public License, version 3 or later.
It comes with no warranty.</source>
        <translation>Tabloo est un logiciel libre : vous pouvez le partager et le modifier
selon la licence publique générale GNU, version 3 ou ultérieure.
Il est fourni sans aucune garantie.</translation>
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
        <translation>Choisir le jeu</translation>
    </message>
    <message>
        <source>Select a Game Number between
0 and 999,999,999,999,999</source>
        <translation>Choisissez un numéro de partie entre
0 et 999,999,999,999,999</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please Enter a valid number between 0 and 999,999,999,999,999</source>
        <translation>Veuillez saisir un nombre valide entre 0 et 999,999,999,999,999</translation>
    </message>
</context>
<context>
    <name>tabloo::frmFinishGame</name>
    <message>
        <source>Congrats</source>
        <translation>Bravo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Select Game</source>
        <translation>Choisir le jeu</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Recommencer la partie</translation>
    </message>
    <message>
        <source>Select a Number</source>
        <translation>Choisir un numéro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source> Game :</source>
        <translation> Partie :</translation>
    </message>
    <message>
        <source> Time Taken :</source>
        <translation> Temps :</translation>
    </message>
    <message>
        <source> Player :</source>
        <translation> Joueur :</translation>
    </message>
    <message>
        <source> Score :</source>
        <translation> Score :</translation>
    </message>
    <message>
        <source> Moves :</source>
        <translation> Coups :</translation>
    </message>
    <message>
        <source> Time Taken :0:00:00</source>
        <translation> Temps :0:00:00</translation>
    </message>
</context>
<context>
    <name>tabloo::frmHelp</name>
    <message>
        <source>one rank higher, of the same suit</source>
        <translation>un rang au-dessus, même couleur</translation>
    </message>
    <message>
        <source>one rank higher, red on black or black on red</source>
        <translation>un rang au-dessus, rouge sur noir ou noir sur rouge</translation>
    </message>
    <message>
        <source>one rank higher, any suit</source>
        <translation>un rang au-dessus, toute couleur</translation>
    </message>
    <message>
        <source>one rank lower, of the same suit</source>
        <translation>un rang en dessous, même couleur</translation>
    </message>
    <message>
        <source>one rank lower, red on black or black on red</source>
        <translation>un rang en dessous, rouge sur noir ou noir sur rouge</translation>
    </message>
    <message>
        <source>one rank lower, any suit</source>
        <translation>un rang en dessous, toute couleur</translation>
    </message>
    <message>
        <source>any card on any card</source>
        <translation>n&apos;importe quelle carte sur n&apos;importe quelle carte</translation>
    </message>
    <message>
        <source>one rank higher or lower, of the same suit</source>
        <translation>un rang au-dessus ou en dessous, même couleur</translation>
    </message>
    <message>
        <source>one rank higher or lower, red on black or black on red</source>
        <translation>un rang au-dessus ou en dessous, rouge sur noir ou noir sur rouge</translation>
    </message>
    <message>
        <source>one rank higher or lower, any suit</source>
        <translation>un rang au-dessus ou en dessous, toute couleur</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Gauche, Droite</translation>
    </message>
    <message>
        <source>move the focus frame along the row of piles</source>
        <translation>déplacer le cadre le long de la rangée de piles</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Haut, Bas</translation>
    </message>
    <message>
        <source>move the focus frame between the top row and the tableau</source>
        <translation>déplacer le cadre entre la rangée du haut et le tableau</translation>
    </message>
    <message>
        <source>Shift+Up, Shift+Down</source>
        <translation>Maj+Haut, Maj+Bas</translation>
    </message>
    <message>
        <source>on a tableau pile: take one card more, or one less, of a run</source>
        <translation>sur une pile du tableau : prendre une carte de plus, ou de moins, d&apos;une suite</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espace, Entrée</translation>
    </message>
    <message>
        <source>lift the framed cards; with cards lifted, lay them on the framed pile</source>
        <translation>lever les cartes encadrées ; cartes levées, les poser sur la pile encadrée</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>put the lifted cards back</source>
        <translation>remettre les cartes levées en place</translation>
    </message>
    <message>
        <source>Double-click</source>
        <translation>Double-clic</translation>
    </message>
    <message>
        <source>send a card to a foundation, else to the first empty free cell</source>
        <translation>envoyer une carte sur une fondation, sinon dans la première cellule libre vide</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Tabloo&lt;/h1&gt;
&lt;p&gt;Tabloo is a patience game for one player with one deck of 52 cards. You design the game
yourself: how many piles there are, how cards are built on them, how many free cells help you.
The aim is always the same: bring all 52 cards to the four foundations.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Tabloo&lt;/h1&gt;
&lt;p&gt;Tabloo est une réussite pour un joueur avec un jeu de 52 cartes. Vous concevez le jeu
vous-même : combien de piles il y a, comment les cartes s&apos;y construisent, combien de cellules libres
vous aident. Le but est toujours le même : amener les 52 cartes sur les quatre fondations.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Le plateau&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Tableau&lt;/b&gt; &amp;ndash; les piles au milieu du plateau (de 4 à 10). Leurs cartes sont
étalées, de sorte que vous voyez chaque carte d&apos;une pile.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Cellules libres&lt;/b&gt; &amp;ndash; jusqu&apos;à quatre cases de réserve en haut à gauche. Chacune contient
une carte.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Fondations&lt;/b&gt; &amp;ndash; les quatre piles en haut à droite. Chacune commence par la carte de base
et se construit à partir de là ; une fondation contient au plus 13 cartes.&lt;/li&gt;
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
        <translation>&lt;h2&gt;Comment jouer&lt;/h2&gt;
&lt;p&gt;Appuyez sur une carte avec la souris, faites-la glisser sur la pile où elle doit aller, puis
relâchez. Si la pile accepte la carte, elle y est posée ; sinon, la carte retourne d&apos;où elle vient.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Seule la carte du dessus d&apos;une cellule libre ou d&apos;une fondation peut être déplacée. Une carte
d&apos;une fondation peut revenir sur le tableau si elle y trouve sa place.&lt;/li&gt;
&lt;li&gt;Une cellule libre accepte n&apos;importe quelle carte seule, mais seulement si elle est vide.&lt;/li&gt;
&lt;li&gt;Une fondation vide accepte la carte de base, puis les cartes dans son ordre de construction. Le Roi
et l&apos;As sont voisins sur une fondation : une fondation qui commence par exemple par un Neuf continue
du Roi à l&apos;As.&lt;/li&gt;
&lt;li&gt;Une pile du tableau accepte les cartes dans son ordre de construction ; une pile vide accepte
n&apos;importe quelle carte ou suite.&lt;/li&gt;
&lt;li&gt;Avec &lt;b&gt;Déplacement multiple&lt;/b&gt;, vous pouvez déplacer une suite : une carte avec les cartes posées
dessus, si elles suivent l&apos;ordre du tableau. La plus longue suite déplaçable compte (cellules libres
vides + 1) &amp;times; (piles vides du tableau + 1) cartes. Une suite ne va que sur une pile du
tableau.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Un double-clic sur une carte qui peut être déplacée seule l&apos;envoie sur une fondation qui l&apos;accepte
ou, depuis le tableau, dans la première cellule libre vide.&lt;/p&gt;

&lt;h3&gt;Jouer au clavier&lt;/h3&gt;
&lt;p&gt;Un cadre jaune marque la pile active. Les flèches le déplacent : &lt;b&gt;Gauche&lt;/b&gt; et &lt;b&gt;Droite&lt;/b&gt; le
long d&apos;une rangée, &lt;b&gt;Haut&lt;/b&gt; et &lt;b&gt;Bas&lt;/b&gt; entre les cellules libres et les fondations en haut et le
tableau. Sur une pile du tableau, &lt;b&gt;Maj+Haut&lt;/b&gt; prend une carte de plus de la suite du dessus (aussi
longue que ce que vous pourriez déplacer) et &lt;b&gt;Maj+Bas&lt;/b&gt; une de moins. &lt;b&gt;Espace&lt;/b&gt; ou
&lt;b&gt;Entrée&lt;/b&gt; lève les cartes encadrées ; amenez le cadre là où elles doivent aller et appuyez de
nouveau sur &lt;b&gt;Espace&lt;/b&gt; ou &lt;b&gt;Entrée&lt;/b&gt; pour les poser. Si la pile ne les accepte pas, elles
reviennent ; &lt;b&gt;Échap&lt;/b&gt; les remet en place à tout moment.&lt;/p&gt;

&lt;p&gt;Quand la dernière carte atteint les fondations, la partie est gagnée : le score s&apos;affiche et vous
pouvez lancer la partie suivante.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Concevoir le jeu&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Fichier &amp;rsaquo; Choisir le jeu&lt;/b&gt; ouvre la conception du jeu. &lt;b&gt;Jouer&lt;/b&gt; garde vos choix et
distribue une nouvelle partie avec eux ; ils restent jusqu&apos;à ce que vous les changiez.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Réglage&lt;/th&gt;&lt;th&gt;Effet&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tableau : Piles&lt;/td&gt;&lt;td&gt;le nombre de piles du tableau, de 4 à 10&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tableau : Ordre de construction&lt;/td&gt;&lt;td&gt;comment les cartes se construisent sur le tableau (voir plus bas)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Déplacement multiple&lt;/td&gt;&lt;td&gt;les suites de cartes peuvent être déplacées d&apos;un bloc&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;As sur Roi&lt;/td&gt;&lt;td&gt;sur le tableau aussi, l&apos;As et le Roi sont voisins&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Fondations : Ordre de construction&lt;/td&gt;&lt;td&gt;comment les cartes se construisent sur les fondations&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Carte de base&lt;/td&gt;&lt;td&gt;la valeur par laquelle commence chaque fondation ; Au hasard en tire une à chaque partie&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Cartes initiales&lt;/td&gt;&lt;td&gt;combien de fondations reçoivent leur carte de base à la distribution&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Nombre de cellules libres&lt;/td&gt;&lt;td&gt;de 0 à 4&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Cartes dans les cellules libres&lt;/td&gt;&lt;td&gt;combien de cellules libres reçoivent une carte à la distribution&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Toute carte qui n&apos;est pas distribuée sur les fondations ou dans les cellules libres va sur le
tableau, pile après pile en partant de la gauche.&lt;/p&gt;

&lt;h3&gt;Ordres de construction&lt;/h3&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Ordre&lt;/th&gt;&lt;th&gt;Une carte peut aller sur une carte&lt;/th&gt;&lt;/tr&gt;
%ORDERS%
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Game numbers&lt;/h2&gt;
&lt;p&gt;Every deal has a number. The same number with the same design gives the same deal, so you can
play a game again (&lt;b&gt;File &amp;rsaquo; Restart Game&lt;/b&gt;) or play a number someone told you
(&lt;b&gt;File &amp;rsaquo; Select a Number&lt;/b&gt;; any number above 0 and below 999,999,999,999,999).
&lt;b&gt;File &amp;rsaquo; New Game&lt;/b&gt; deals a random number. The number is shown in the window&apos;s title.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Numéros de partie&lt;/h2&gt;
&lt;p&gt;Chaque donne a un numéro. Le même numéro avec la même conception donne la même donne : vous pouvez
rejouer une partie (&lt;b&gt;Fichier &amp;rsaquo; Recommencer la partie&lt;/b&gt;) ou jouer un numéro qu&apos;on vous a
donné (&lt;b&gt;Fichier &amp;rsaquo; Choisir un numéro&lt;/b&gt; ; tout nombre au-dessus de 0 et en dessous de
999,999,999,999,999). &lt;b&gt;Fichier &amp;rsaquo; Nouvelle partie&lt;/b&gt; distribue un numéro au hasard. Le
numéro est affiché dans le titre de la fenêtre.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Autoplay&lt;/h2&gt;
&lt;p&gt;While &lt;b&gt;Game &amp;rsaquo; Autoplay&lt;/b&gt; is ticked, every card that a foundation would take goes there
by itself after each of your moves. Switch it off to keep cards on the tableau for building.
While it is on, a card you take back from a foundation with &lt;b&gt;Undo&lt;/b&gt; stays back only until your
next move, and a card you drag off a foundation flies home again if nothing else goes there
first.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Jeu auto&lt;/h2&gt;
&lt;p&gt;Tant que &lt;b&gt;Jeu &amp;rsaquo; Jeu auto&lt;/b&gt; est coché, chaque carte qu&apos;une fondation accepterait y va
d&apos;elle-même après chacun de vos coups. Désactivez-le pour garder des cartes sur le tableau. Tant
qu&apos;il est actif, une carte que vous reprenez d&apos;une fondation avec &lt;b&gt;Annuler&lt;/b&gt; ne reste en bas que
jusqu&apos;à votre coup suivant, et une carte que vous tirez d&apos;une fondation y remonte si rien d&apos;autre n&apos;y
va avant.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Annuler, rétablir et revoir&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Annuler&lt;/b&gt; reprend le dernier coup, &lt;b&gt;Rétablir&lt;/b&gt; le rejoue. &lt;b&gt;Annuler tout&lt;/b&gt; et
&lt;b&gt;Rétablir tout&lt;/b&gt; vont d&apos;un coup au début ou à la fin de la partie. Un nouveau coup après une
annulation abandonne les coups repris.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Revoir &amp;rsaquo; Avancer&lt;/b&gt; et &lt;b&gt;Reculer&lt;/b&gt; parcourent la partie d&apos;eux-mêmes, un coup par
demi-seconde, jusqu&apos;à ce que vous choisissiez &lt;b&gt;Interrompre&lt;/b&gt; ou que la fin soit atteinte.
&lt;b&gt;Rejouer tout&lt;/b&gt; montre toute la partie depuis la distribution.&lt;/li&gt;
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
        <translation>&lt;h2&gt;Peut-elle encore être gagnée ?&lt;/h2&gt;
&lt;p&gt;La ligne sous le plateau indique après chaque coup si la partie en cours peut encore être
gagnée : &lt;b&gt;Gagnable&lt;/b&gt;, &lt;b&gt;Pas gagnable&lt;/b&gt;, ou &lt;b&gt;Impossible à dire&lt;/b&gt; quand la recherche
abandonne ; pendant qu&apos;elle réfléchit, elle affiche &lt;b&gt;&amp;hellip;&lt;/b&gt;. &lt;b&gt;Jeu &amp;rsaquo; Indice&lt;/b&gt;
entoure en bleu clair la carte à jouer et sa destination. &lt;b&gt;Jeu &amp;rsaquo; Afficher la solution&lt;/b&gt;
joue la suite d&apos;une solution, un coup par demi-seconde, jusqu&apos;à ce que vous appuyiez sur une touche
ou cliquiez ; vous pouvez annuler ses coups, mais une partie qu&apos;elle a jouée compte comme perdue.
Dans &lt;b&gt;Fichier &amp;rsaquo; Choisir le jeu&lt;/b&gt;, &lt;b&gt;Donnes gagnables uniquement&lt;/b&gt; ne distribue que des
parties gagnables, et la ligne à côté indique à quelle fréquence votre conception se gagne.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Score and time&lt;/h2&gt;
&lt;p&gt;While a game runs, the menu bar shows the score, the time and the number of moves. Each card
on the foundations is worth 10 points, and every 3 seconds cost one point, so a won game scores
up to 520 and a slow game goes below zero. Undone moves do not count as moves.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Score et temps&lt;/h2&gt;
&lt;p&gt;Pendant une partie, la barre de menus affiche le score, le temps et le nombre de coups. Chaque
carte sur les fondations vaut 10 points, et toutes les 3 secondes coûtent un point : une partie
gagnée rapporte jusqu&apos;à 520 points et une partie lente passe sous zéro. Les coups annulés ne
comptent pas.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Players&lt;/h2&gt;
&lt;p&gt;Up to ten players keep their own records. Add, rename and delete players in
&lt;b&gt;Tools &amp;rsaquo; Players&lt;/b&gt;; choose who plays in &lt;b&gt;File &amp;rsaquo; Select Game&lt;/b&gt;. A finished game
counts for the current player: a win with its score, and a game that is closed, replaced by a new
one or left when the window closes as lost. &lt;b&gt;Tools &amp;rsaquo; Statistics&lt;/b&gt; shows the totals of
all players and the record of each.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Joueurs&lt;/h2&gt;
&lt;p&gt;Jusqu&apos;à dix joueurs ont chacun leurs propres résultats. Ajoutez, renommez et supprimez des joueurs
dans &lt;b&gt;Outils &amp;rsaquo; Joueurs&lt;/b&gt; ; choisissez qui joue dans &lt;b&gt;Fichier &amp;rsaquo; Choisir le
jeu&lt;/b&gt;. Une partie terminée compte pour le joueur actuel : une victoire avec son score, et une
partie fermée, remplacée par une nouvelle ou quittée à la fermeture de la fenêtre, comme perdue.
&lt;b&gt;Outils &amp;rsaquo; Statistiques&lt;/b&gt; affiche les totaux de tous les joueurs et les résultats de
chacun.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Personnaliser&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Outils &amp;rsaquo; Personnaliser&lt;/b&gt; règle la couleur du plateau, si le plateau grandit avec la
fenêtre (&lt;b&gt;Adapter le plateau à la fenêtre&lt;/b&gt; : les cartes sont redessinées à la taille affichée),
si la ligne sous le plateau indique si la partie peut encore être gagnée, la vitesse des cartes (pour
vos coups, pour annuler et rétablir, pour Annuler tout et Rétablir tout, et pour la relecture ; tout
à droite du curseur, les cartes sautent) et les sons joués : &lt;b&gt;Carte prise&lt;/b&gt; quand vous prenez une
carte, &lt;b&gt;Carte posée&lt;/b&gt; quand vous la posez (ou qu&apos;elle revient), &lt;b&gt;Mélange initial&lt;/b&gt; à chaque
distribution, &lt;b&gt;Coup automatique&lt;/b&gt; à chaque carte qui monte seule, &lt;b&gt;Annuler&lt;/b&gt; et
&lt;b&gt;Rétablir&lt;/b&gt; avec les annulations lentes, &lt;b&gt;Partie gagnée&lt;/b&gt; pour une victoire.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Game &amp;rsaquo; Full Screen&lt;/b&gt; (F11) gives the whole screen to the game; F11 again brings the
window back as it was. The window opens at the size and place it had when it was last closed,
maximised if it was.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;La fenêtre&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Jeu &amp;rsaquo; Plein écran&lt;/b&gt; (F11) donne tout l&apos;écran au jeu ; F11 de nouveau rend la fenêtre
telle qu&apos;elle était. La fenêtre s&apos;ouvre à la taille et à la place qu&apos;elle avait à sa dernière
fermeture, agrandie si elle l&apos;était.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keys&lt;/h2&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Key&lt;/th&gt;&lt;th&gt;Command&lt;/th&gt;&lt;/tr&gt;
%KEYS%
&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Touches&lt;/h2&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Touche&lt;/th&gt;&lt;th&gt;Commande&lt;/th&gt;&lt;/tr&gt;
%KEYS%
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Tabloo Help</source>
        <translation>Aide de Tabloo</translation>
    </message>
</context>
<context>
    <name>tabloo::frmMain</name>
    <message>
        <source>Continue the unfinished game %1?</source>
        <translation>Reprendre la partie inachevée %1 ?</translation>
    </message>
    <message>
        <source>The unfinished game %1 could not be brought back (%2). It counts as lost.</source>
        <translation>La partie inachevée %1 n&apos;a pas pu être restaurée (%2). Elle compte comme perdue.</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>&amp;Choisir le jeu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Select Game</source>
        <translation>Choisir le jeu</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Recommencer la partie</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Recommencer la partie</translation>
    </message>
    <message>
        <source>&amp;Close Game</source>
        <translation>&amp;Fermer la partie</translation>
    </message>
    <message>
        <source>Select a Number</source>
        <translation>Choisir un numéro</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Jeu auto</translation>
    </message>
    <message>
        <source>U&amp;ndo All</source>
        <translation>A&amp;nnuler tout</translation>
    </message>
    <message>
        <source>R&amp;edo All</source>
        <translation>R&amp;établir tout</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Hint: the first move of a winning line</source>
        <translation>Indice : le premier coup d&apos;une solution</translation>
    </message>
    <message>
        <source>&amp;Show Solution</source>
        <translation>Afficher la &amp;solution</translation>
    </message>
    <message>
        <source>View Toolbar</source>
        <translation>Afficher la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avancer</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Replay Forward</source>
        <translation>Rejouer en avant</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Reculer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Replay Back</source>
        <translation>Rejouer en arrière</translation>
    </message>
    <message>
        <source>Replay &amp;All</source>
        <translation>Rejouer &amp;tout</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Interrompre</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Replay Stop</source>
        <translation>Arrêter la relecture</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About Tabloo...</source>
        <translation>À propos de Tabloo...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Revoir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>tabloo::frmOptions</name>
    <message>
        <source>Card Moving Speed</source>
        <translation>Vitesse des cartes</translation>
    </message>
    <message>
        <source>Undo/Redo Speed</source>
        <translation>Vitesse Annuler/Rétablir</translation>
    </message>
    <message>
        <source>Undoall/Redoall Speed</source>
        <translation>Vitesse Annuler/Rétablir tout</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Vitesse de relecture</translation>
    </message>
    <message>
        <source>Initial Shuffle</source>
        <translation>Mélange initial</translation>
    </message>
    <message>
        <source>Card Up</source>
        <translation>Carte posée</translation>
    </message>
    <message>
        <source>Card Down</source>
        <translation>Carte prise</translation>
    </message>
    <message>
        <source>Autoplay Move</source>
        <translation>Coup automatique</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Game Won</source>
        <translation>Partie gagnée</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Fit the board to the window</source>
        <translation>&amp;Adapter le plateau à la fenêtre</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>&amp;Animation &amp;&amp; Sounds</source>
        <translation>&amp;Mouvements &amp;&amp; sons</translation>
    </message>
    <message>
        <source>Tell whether the game can still be won</source>
        <translation>Indiquer si la partie peut encore être gagnée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Large print</source>
        <translation>Gros caractères</translation>
    </message>
    <message>
        <source>Card fa&amp;ces:</source>
        <translation>&amp;Faces des cartes :</translation>
    </message>
    <message>
        <source>Four-colour &amp;deck</source>
        <translation>Jeu à &amp;quatre couleurs</translation>
    </message>
    <message>
        <source>Hearts red, diamonds blue, clubs green, spades black</source>
        <translation>Cœurs rouges, carreaux bleus, trèfles verts, piques noirs</translation>
    </message>
</context>
<context>
    <name>tabloo::frmPlayers</name>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Player ID</source>
        <translation>N° du joueur</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Maximum 10 Players Only!</source>
        <translation>10 joueurs au maximum !</translation>
    </message>
    <message>
        <source>Enter Player Name :</source>
        <translation>Nom du joueur :</translation>
    </message>
    <message>
        <source>Player Exists !</source>
        <translation>Ce joueur existe déjà !</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>Modifier le joueur</translation>
    </message>
    <message>
        <source>First Player Cannot be deleted</source>
        <translation>Le premier joueur ne peut pas être supprimé</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this player</source>
        <translation>Voulez-vous vraiment supprimer ce joueur ?</translation>
    </message>
</context>
<context>
    <name>tabloo::frmSelect</name>
    <message>
        <source>Select Game</source>
        <translation>Choisir le jeu</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Multi Move</source>
        <translation>Déplacement multiple</translation>
    </message>
    <message>
        <source>Ace-King Wrapping</source>
        <translation>As sur Roi</translation>
    </message>
    <message>
        <source>Piles</source>
        <translation>Piles</translation>
    </message>
    <message>
        <source>Card Arranging Order</source>
        <translation>Ordre de construction</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Fondations</translation>
    </message>
    <message>
        <source>Base Card</source>
        <translation>Carte de base</translation>
    </message>
    <message>
        <source>Initial Cards</source>
        <translation>Cartes initiales</translation>
    </message>
    <message>
        <source>Free Cells</source>
        <translation>Cellules libres</translation>
    </message>
    <message>
        <source>Number of Free Cells</source>
        <translation>Nombre de cellules libres</translation>
    </message>
    <message>
        <source>Total Cards in Free Cells</source>
        <translation>Cartes dans les cellules libres</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Winnable deals only</source>
        <translation>Donnes gagnables uniquement</translation>
    </message>
    <message>
        <source>From %1 random deals: %2 winnable, %3 not winnable, %4 undecided</source>
        <translation>Sur %1 donnes au hasard : %2 gagnables, %3 pas gagnables, %4 indécises</translation>
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
        <translation>Une réussite aux nombreuses variantes</translation>
    </message>
</context>
<context>
    <name>tabloo::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Current Game</source>
        <translation>Partie en cours</translation>
    </message>
    <message>
        <source>Current Player</source>
        <translation>Joueur actuel</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Games Played : </source>
        <translation>Parties jouées : </translation>
    </message>
    <message>
        <source>Games Won : </source>
        <translation>Parties gagnées : </translation>
    </message>
    <message>
        <source>Games Lost : </source>
        <translation>Parties perdues : </translation>
    </message>
    <message>
        <source>Total Score : </source>
        <translation>Score total : </translation>
    </message>
    <message>
        <source>Total Moves : </source>
        <translation>Coups au total : </translation>
    </message>
    <message>
        <source>Average Score : </source>
        <translation>Score moyen : </translation>
    </message>
    <message>
        <source>Average Moves : </source>
        <translation>Coups en moyenne : </translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Score : </translation>
    </message>
    <message>
        <source>Moves : </source>
        <translation>Coups : </translation>
    </message>
    <message>
        <source>Current Player : </source>
        <translation>Joueur actuel : </translation>
    </message>
    <message>
        <source>Total : </source>
        <translation>Total : </translation>
    </message>
    <message>
        <source>Won : </source>
        <translation>Gagnées : </translation>
    </message>
    <message>
        <source>Lost : </source>
        <translation>Perdues : </translation>
    </message>
</context>
</TS>
