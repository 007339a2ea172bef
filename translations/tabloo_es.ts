<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>tabloo::Rules</name>
    <message>
        <source>Up Same Suit</source>
        <translation>Ascendente, mismo palo</translation>
    </message>
    <message>
        <source>Up Alternate Color</source>
        <translation>Ascendente, colores alternos</translation>
    </message>
    <message>
        <source>Up Regardless of Suit</source>
        <translation>Ascendente, cualquier palo</translation>
    </message>
    <message>
        <source>Down Same Suit</source>
        <translation>Descendente, mismo palo</translation>
    </message>
    <message>
        <source>Down Alternate Color</source>
        <translation>Descendente, colores alternos</translation>
    </message>
    <message>
        <source>Down Regardless of Suit</source>
        <translation>Descendente, cualquier palo</translation>
    </message>
    <message>
        <source>Any Card</source>
        <translation>Cualquier carta</translation>
    </message>
    <message>
        <source>Up or Down Same Suit</source>
        <translation>Ascendente o descendente, mismo palo</translation>
    </message>
    <message>
        <source>Up or Down Alternate Color</source>
        <translation>Ascendente o descendente, colores alternos</translation>
    </message>
    <message>
        <source>Up or Down Regardless of Suit</source>
        <translation>Ascendente o descendente, cualquier palo</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
</context>
<context>
    <name>tabloo::cAdvisor</name>
    <message>
        <source>Looking for a winnable deal…</source>
        <translation>Buscando una partida ganable…</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Ganable</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>No ganable</translation>
    </message>
    <message>
        <source>Can&apos;t tell</source>
        <translation>No se sabe</translation>
    </message>
    <message>
        <source>no winnable deal turned up in 2 s</source>
        <translation>en 2 s no apareció ninguna partida ganable</translation>
    </message>
    <message>
        <source>Won by Show Solution: the game counts as lost</source>
        <translation>Ganada con Mostrar solución: la partida cuenta como perdida</translation>
    </message>
    <message>
        <source>No move leads to a win from here.</source>
        <translation>Desde aquí ningún movimiento lleva a la victoria.</translation>
    </message>
    <message>
        <source>No winning line found.</source>
        <translation>No se encontró ninguna solución.</translation>
    </message>
</context>
<context>
    <name>tabloo::cColorTable</name>
    <message>
        <source>Antiquewhite</source>
        <translation>Blanco antiguo</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Aquamarine</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beis</translation>
    </message>
    <message>
        <source>Bisque</source>
        <translation>Bizcocho</translation>
    </message>
    <message>
        <source>Blanchedalmond</source>
        <translation>Almendra blanqueada</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Blueviolet</source>
        <translation>Azul violeta</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Marrón</translation>
    </message>
    <message>
        <source>Burlywood</source>
        <translation>Madera</translation>
    </message>
    <message>
        <source>Cadetblue</source>
        <translation>Azul cadete</translation>
    </message>
    <message>
        <source>Chartreuse</source>
        <translation>Chartreuse</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolate</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Cornflower</source>
        <translation>Aciano</translation>
    </message>
    <message>
        <source>Cornsilk</source>
        <translation>Seda de maíz</translation>
    </message>
    <message>
        <source>Crimson</source>
        <translation>Carmesí</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Darkblue</source>
        <translation>Azul oscuro</translation>
    </message>
    <message>
        <source>Darkcyan</source>
        <translation>Cian oscuro</translation>
    </message>
    <message>
        <source>Darkgoldenrod</source>
        <translation>Vara de oro oscuro</translation>
    </message>
    <message>
        <source>Darkgray</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Darkgreen</source>
        <translation>Verde oscuro</translation>
    </message>
    <message>
        <source>Darkkhaki</source>
        <translation>Caqui oscuro</translation>
    </message>
    <message>
        <source>Darkmagenta</source>
        <translation>Magenta oscuro</translation>
    </message>
    <message>
        <source>Darkolivegreen</source>
        <translation>Verde oliva oscuro</translation>
    </message>
    <message>
        <source>Darkorange</source>
        <translation>Naranja oscuro</translation>
    </message>
    <message>
        <source>Darkorchid</source>
        <translation>Orquídea oscuro</translation>
    </message>
    <message>
        <source>Darkred</source>
        <translation>Rojo oscuro</translation>
    </message>
    <message>
        <source>Darksalmon</source>
        <translation>Salmón oscuro</translation>
    </message>
    <message>
        <source>Darkseagreen</source>
        <translation>Verde mar oscuro</translation>
    </message>
    <message>
        <source>Darkslateblue</source>
        <translation>Azul pizarra oscuro</translation>
    </message>
    <message>
        <source>Darkslategray</source>
        <translation>Gris pizarra oscuro</translation>
    </message>
    <message>
        <source>Darkturquoise</source>
        <translation>Turquesa oscuro</translation>
    </message>
    <message>
        <source>Darkviolet</source>
        <translation>Violeta oscuro</translation>
    </message>
    <message>
        <source>Deeppink</source>
        <translation>Rosa intenso</translation>
    </message>
    <message>
        <source>Deepskyblue</source>
        <translation>Azul cielo intenso</translation>
    </message>
    <message>
        <source>Dimgray</source>
        <translation>Gris tenue</translation>
    </message>
    <message>
        <source>Dodgerblue</source>
        <translation>Azul Dodger</translation>
    </message>
    <message>
        <source>Firebrick</source>
        <translation>Ladrillo</translation>
    </message>
    <message>
        <source>Forestgreen</source>
        <translation>Verde bosque</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Goldenrod</source>
        <translation>Vara de oro</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Greenyellow</source>
        <translation>Verde amarillo</translation>
    </message>
    <message>
        <source>Hotpink</source>
        <translation>Rosa vivo</translation>
    </message>
    <message>
        <source>Indianred</source>
        <translation>Rojo indio</translation>
    </message>
    <message>
        <source>Indigo</source>
        <translation>Índigo</translation>
    </message>
    <message>
        <source>Khaki</source>
        <translation>Caqui</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Lavenderblush</source>
        <translation>Lavanda rosada</translation>
    </message>
    <message>
        <source>Lawngreen</source>
        <translation>Verde césped</translation>
    </message>
    <message>
        <source>Lemonchiffon</source>
        <translation>Gasa limón</translation>
    </message>
    <message>
        <source>Lightblue</source>
        <translation>Azul claro</translation>
    </message>
    <message>
        <source>Lightcoral</source>
        <translation>Coral claro</translation>
    </message>
    <message>
        <source>Lightcyan</source>
        <translation>Cian claro</translation>
    </message>
    <message>
        <source>Lightgoldenrodyellow</source>
        <translation>Amarillo vara de oro claro</translation>
    </message>
    <message>
        <source>Lightgreen</source>
        <translation>Verde claro</translation>
    </message>
    <message>
        <source>Lightgray</source>
        <translation>Gris claro</translation>
    </message>
    <message>
        <source>Lightpink</source>
        <translation>Rosa claro</translation>
    </message>
    <message>
        <source>Lightsalmon</source>
        <translation>Salmón claro</translation>
    </message>
    <message>
        <source>Lightseagreen</source>
        <translation>Verde mar claro</translation>
    </message>
    <message>
        <source>Lightskyblue</source>
        <translation>Azul cielo claro</translation>
    </message>
    <message>
        <source>Lightslategray</source>
        <translation>Gris pizarra claro</translation>
    </message>
    <message>
        <source>Lightsteelblue</source>
        <translation>Azul acero claro</translation>
    </message>
    <message>
        <source>Lightyellow</source>
        <translation>Amarillo claro</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Limegreen</source>
        <translation>Verde lima</translation>
    </message>
    <message>
        <source>Linen</source>
        <translation>Lino</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Mediumaquamarine</source>
        <translation>Aguamarina medio</translation>
    </message>
    <message>
        <source>Mediumblue</source>
        <translation>Azul medio</translation>
    </message>
    <message>
        <source>Mediumorchid</source>
        <translation>Orquídea medio</translation>
    </message>
    <message>
        <source>Mediumpurple</source>
        <translation>Púrpura medio</translation>
    </message>
    <message>
        <source>Mediumseagreen</source>
        <translation>Verde mar medio</translation>
    </message>
    <message>
        <source>Mediumslateblue</source>
        <translation>Azul pizarra medio</translation>
    </message>
    <message>
        <source>Mediumspringgreen</source>
        <translation>Verde primavera medio</translation>
    </message>
    <message>
        <source>Mediumturquoise</source>
        <translation>Turquesa medio</translation>
    </message>
    <message>
        <source>Mediumvioletred</source>
        <translation>Rojo violáceo medio</translation>
    </message>
    <message>
        <source>Midnightblue</source>
        <translation>Azul medianoche</translation>
    </message>
    <message>
        <source>Mintcream</source>
        <translation>Crema de menta</translation>
    </message>
    <message>
        <source>Mistyrose</source>
        <translation>Rosa niebla</translation>
    </message>
    <message>
        <source>Moccasin</source>
        <translation>Mocasín</translation>
    </message>
    <message>
        <source>Navajowhite</source>
        <translation>Blanco navajo</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Oldlace</source>
        <translation>Encaje antiguo</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Olivedrab</source>
        <translation>Verde oliva apagado</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Orangered</source>
        <translation>Rojo anaranjado</translation>
    </message>
    <message>
        <source>Orchid</source>
        <translation>Orquídea</translation>
    </message>
    <message>
        <source>Palegoldenrod</source>
        <translation>Vara de oro pálido</translation>
    </message>
    <message>
        <source>Palegreen</source>
        <translation>Verde pálido</translation>
    </message>
    <message>
        <source>Paleturquoise</source>
        <translation>Turquesa pálido</translation>
    </message>
    <message>
        <source>Palevioletred</source>
        <translation>Rojo violáceo pálido</translation>
    </message>
    <message>
        <source>Papayawhip</source>
        <translation>Crema de papaya</translation>
    </message>
    <message>
        <source>Peachpuff</source>
        <translation>Melocotón</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Perú</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Plum</source>
        <translation>Ciruela</translation>
    </message>
    <message>
        <source>Powderblue</source>
        <translation>Azul polvo</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Rosybrown</source>
        <translation>Marrón rosado</translation>
    </message>
    <message>
        <source>Royalblue</source>
        <translation>Azul real</translation>
    </message>
    <message>
        <source>Saddlebrown</source>
        <translation>Marrón cuero</translation>
    </message>
    <message>
        <source>Salmon</source>
        <translation>Salmón</translation>
    </message>
    <message>
        <source>Sandybrown</source>
        <translation>Marrón arena</translation>
    </message>
    <message>
        <source>Seagreen</source>
        <translation>Verde mar</translation>
    </message>
    <message>
        <source>Seashell</source>
        <translation>Concha</translation>
    </message>
    <message>
        <source>Sienna</source>
        <translation>Siena</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Skyblue</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>Slateblue</source>
        <translation>Azul pizarra</translation>
    </message>
    <message>
        <source>Slategray</source>
        <translation>Gris pizarra</translation>
    </message>
    <message>
        <source>Springgreen</source>
        <translation>Verde primavera</translation>
    </message>
    <message>
        <source>Steelblue</source>
        <translation>Azul acero</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Tostado</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Thistle</source>
        <translation>Cardo</translation>
    </message>
    <message>
        <source>Tomato</source>
        <translation>Tomate</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquesa</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Wheat</source>
        <translation>Trigo</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Yellowgreen</source>
        <translation>Verde amarillento</translation>
    </message>
</context>
<context>
    <name>tabloo::cKeyboardPlay</name>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>A card face down</source>
        <translation>Una carta boca abajo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>home pile %1</source>
        <translation>pila del tablero %1</translation>
    </message>
    <message>
        <source>goal pile %1</source>
        <translation>fundación %1</translation>
    </message>
    <message>
        <source>reserve pile %1</source>
        <translation>celda libre %1</translation>
    </message>
    <message>
        <source>Board, no game</source>
        <translation>Tablero, sin partida</translation>
    </message>
    <message>
        <source>Empty %1</source>
        <translation>Vacía: %1</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1 to %2 on %3</source>
        <translation>%1 a %2 en %3</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>%1 lifted, over %2</source>
        <translation>%1 levantada, sobre %2</translation>
    </message>
</context>
<context>
    <name>tabloo::cMenuDisplays</name>
    <message>
        <source>Score :-9999</source>
        <translation>Puntos :-9999</translation>
    </message>
    <message>
        <source>Time :9:59:59</source>
        <translation>Tiempo :9:59:59</translation>
    </message>
    <message>
        <source>Moves :9999</source>
        <translation>Movimientos :9999</translation>
    </message>
    <message>
        <source>Score :%1</source>
        <translation>Puntos :%1</translation>
    </message>
    <message>
        <source>Time :%1</source>
        <translation>Tiempo :%1</translation>
    </message>
    <message>
        <source>Moves :%1</source>
        <translation>Movimientos :%1</translation>
    </message>
</context>
<context>
    <name>tabloo::cOdds</name>
    <message>
        <source>Counting how often these rules can be won…</source>
        <translation>Contando con qué frecuencia se gana con estas reglas…</translation>
    </message>
    <message>
        <source>Too few deals could be decided to tell how often these rules can be won</source>
        <translation>Se decidieron muy pocas partidas para saber con qué frecuencia se gana con estas reglas</translation>
    </message>
    <message>
        <source>About %1 % (±%2 %) of deals can be won, from %3 decided of %4</source>
        <translation>Alrededor del %1 % (±%2 %) de las partidas se pueden ganar, de %3 decididas entre %4</translation>
    </message>
</context>
<context>
    <name>tabloo::frmAbout</name>
    <message>
        <source>About Tabloo 3.0</source>
        <translation>Acerca de Tabloo 3.0</translation>
    </message>
    <message>
        <source>Version 3.0</source>
        <translation>Versión 3.0</translation>
    </message>
    <message>
        <source>A patience game of many variants:
bring every card home to the goal piles.</source>
        <translation>Un solitario de muchas variantes:
lleva cada carta a las fundaciones.</translation>
    </message>
    <message>
        <source>Tabloo is free software: you may share and change it
under the GNU General Public License, version 3 or later.
It comes with no warranty.</source>
        <translation>Tabloo es software libre: puedes compartirlo y modificarlo
bajo la Licencia Pública General de GNU, versión 3 o posterior.
Se ofrece sin ninguna garantía.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>tabloo::frmChooseGame</name>
    <message>
        <source>Select Game</source>
        <translation>Elegir juego</translation>
    </message>
    <message>
        <source>Select a Game Number between
0 and 999,999,999,999,999</source>
        <translation>Elige un número de partida entre
0 y 999,999,999,999,999</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please Enter a valid number between 0 and 999,999,999,999,999</source>
        <translation>Introduce un número válido entre 0 y 999,999,999,999,999</translation>
    </message>
</context>
<context>
    <name>tabloo::frmFinishGame</name>
    <message>
        <source>Congrats</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Select Game</source>
        <translation>Elegir juego</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Reiniciar partida</translation>
    </message>
    <message>
        <source>Select a Number</source>
        <translation>Elegir un número</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source> Game :</source>
        <translation> Partida :</translation>
    </message>
    <message>
        <source> Time Taken :</source>
        <translation> Tiempo empleado :</translation>
    </message>
    <message>
        <source> Player :</source>
        <translation> Jugador :</translation>
    </message>
    <message>
        <source> Score :</source>
        <translation> Puntos :</translation>
    </message>
    <message>
        <source> Moves :</source>
        <translation> Movimientos :</translation>
    </message>
    <message>
        <source> Time Taken :0:00:00</source>
        <translation> Tiempo empleado :0:00:00</translation>
    </message>
</context>
<context>
    <name>tabloo::frmHelp</name>
    <message>
        <source>one rank higher, of the same suit</source>
        <translation>un valor más alto, del mismo palo</translation>
    </message>
    <message>
        <source>one rank higher, red on black or black on red</source>
        <translation>un valor más alto, rojo sobre negro o negro sobre rojo</translation>
    </message>
    <message>
        <source>one rank higher, any suit</source>
        <translation>un valor más alto, cualquier palo</translation>
    </message>
    <message>
        <source>one rank lower, of the same suit</source>
        <translation>un valor más bajo, del mismo palo</translation>
    </message>
    <message>
        <source>one rank lower, red on black or black on red</source>
        <translation>un valor más bajo, rojo sobre negro o negro sobre rojo</translation>
    </message>
    <message>
        <source>one rank lower, any suit</source>
        <translation>un valor más bajo, cualquier palo</translation>
    </message>
    <message>
        <source>any card on any card</source>
        <translation>cualquier carta sobre cualquier carta</translation>
    </message>
    <message>
        <source>one rank higher or lower, of the same suit</source>
        <translation>un valor más alto o más bajo, del mismo palo</translation>
    </message>
    <message>
        <source>one rank higher or lower, red on black or black on red</source>
        <translation>un valor más alto o más bajo, rojo sobre negro o negro sobre rojo</translation>
    </message>
    <message>
        <source>one rank higher or lower, any suit</source>
        <translation>un valor más alto o más bajo, cualquier palo</translation>
    </message>
    <message>
        <source>Left, Right</source>
        <translation>Izquierda, Derecha</translation>
    </message>
    <message>
        <source>move the focus frame along the row of piles</source>
        <translation>mover el marco a lo largo de la fila de pilas</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Arriba, Abajo</translation>
    </message>
    <message>
        <source>move the focus frame between the top row and the tableau</source>
        <translation>mover el marco entre la fila de arriba y el tablero</translation>
    </message>
    <message>
        <source>Shift+Up, Shift+Down</source>
        <translation>Mayúsculas+Arriba, Mayúsculas+Abajo</translation>
    </message>
    <message>
        <source>on a tableau pile: take one card more, or one less, of a run</source>
        <translation>en una pila del tablero: tomar una carta más, o una menos, de una escalera</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espacio, Intro</translation>
    </message>
    <message>
        <source>lift the framed cards; with cards lifted, lay them on the framed pile</source>
        <translation>levantar las cartas enmarcadas; con cartas levantadas, dejarlas en la pila enmarcada</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>put the lifted cards back</source>
        <translation>devolver las cartas levantadas</translation>
    </message>
    <message>
        <source>Double-click</source>
        <translation>Doble clic</translation>
    </message>
    <message>
        <source>send a card to a foundation, else to the first empty free cell</source>
        <translation>enviar una carta a una fundación, si no a la primera celda libre vacía</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Tabloo&lt;/h1&gt;
&lt;p&gt;Tabloo is a patience game for one player with one deck of 52 cards. You design the game
yourself: how many piles there are, how cards are built on them, how many free cells help you.
The aim is always the same: bring all 52 cards to the four foundations.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Tabloo&lt;/h1&gt;
&lt;p&gt;Tabloo es un solitario para un jugador con una baraja de 52 cartas. Tú diseñas el juego:
cuántas pilas hay, cómo se colocan las cartas en ellas, cuántas celdas libres te ayudan. El objetivo
es siempre el mismo: llevar las 52 cartas a las cuatro fundaciones.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;El tablero&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Tablero&lt;/b&gt; &amp;ndash; las pilas del centro (de 4 a 10). Sus cartas están abiertas en abanico,
así que ves cada carta de una pila.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Celdas libres&lt;/b&gt; &amp;ndash; hasta cuatro casillas de reserva arriba a la izquierda. Cada una
guarda una carta.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Fundaciones&lt;/b&gt; &amp;ndash; las cuatro pilas de arriba a la derecha. Cada una empieza con la carta
base y se construye desde ahí; una fundación guarda como mucho 13 cartas.&lt;/li&gt;
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
        <translation>&lt;h2&gt;Cómo se juega&lt;/h2&gt;
&lt;p&gt;Pulsa una carta con el ratón, arrástrala a la pila donde debe ir y suéltala. Si la pila acepta la
carta, se coloca allí; si no, la carta vuelve a su sitio.&lt;/p&gt;
&lt;ul&gt;
&lt;li&gt;Solo se puede mover la carta de arriba de una celda libre o de una fundación. Una carta de una
fundación puede volver al tablero si encaja allí.&lt;/li&gt;
&lt;li&gt;Una celda libre acepta cualquier carta suelta, pero solo mientras está vacía.&lt;/li&gt;
&lt;li&gt;Una fundación vacía acepta la carta base y después cartas en su orden de colocación. El Rey y el
As son vecinos en una fundación: una fundación que empieza, por ejemplo, por un Nueve sigue del Rey
al As.&lt;/li&gt;
&lt;li&gt;Una pila del tablero acepta cartas en su orden de colocación; una pila vacía acepta cualquier
carta o escalera.&lt;/li&gt;
&lt;li&gt;Con &lt;b&gt;Movimiento múltiple&lt;/b&gt; puedes arrastrar una escalera: una carta junto con las cartas que
tiene encima, si siguen el orden del tablero. La escalera más larga que puedes mover tiene (celdas
libres vacías + 1) &amp;times; (pilas vacías del tablero + 1) cartas. Una escalera solo va a una pila del
tablero.&lt;/li&gt;
&lt;/ul&gt;
&lt;p&gt;Un doble clic en una carta que se puede mover sola la envía a una fundación que la acepte o, desde
el tablero, a la primera celda libre vacía.&lt;/p&gt;

&lt;h3&gt;Jugar con el teclado&lt;/h3&gt;
&lt;p&gt;Un marco amarillo señala la pila activa. Las flechas lo mueven: &lt;b&gt;Izquierda&lt;/b&gt; y
&lt;b&gt;Derecha&lt;/b&gt; a lo largo de una fila, &lt;b&gt;Arriba&lt;/b&gt; y &lt;b&gt;Abajo&lt;/b&gt; entre las celdas libres y las
fundaciones de arriba y el tablero. En una pila del tablero, &lt;b&gt;Mayúsculas+Arriba&lt;/b&gt; toma una carta
más de la escalera de arriba (tan larga como podrías arrastrar) y &lt;b&gt;Mayúsculas+Abajo&lt;/b&gt; una menos.
&lt;b&gt;Espacio&lt;/b&gt; o &lt;b&gt;Intro&lt;/b&gt; levanta las cartas enmarcadas; lleva el marco adonde deben ir y pulsa
otra vez &lt;b&gt;Espacio&lt;/b&gt; o &lt;b&gt;Intro&lt;/b&gt; para dejarlas. Si la pila no las acepta, vuelven;
&lt;b&gt;Escape&lt;/b&gt; las devuelve en cualquier momento.&lt;/p&gt;

&lt;p&gt;Cuando la última carta llega a las fundaciones, la partida está ganada: se muestra la puntuación y
puedes empezar desde ahí la partida siguiente.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Diseñar el juego&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Archivo &amp;rsaquo; Elegir juego&lt;/b&gt; abre el diseño del juego. &lt;b&gt;Jugar&lt;/b&gt; guarda tus elecciones y
reparte una partida nueva con ellas; se mantienen hasta que las cambies.&lt;/p&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Ajuste&lt;/th&gt;&lt;th&gt;Qué hace&lt;/th&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tablero: Pilas&lt;/td&gt;&lt;td&gt;cuántas pilas hay en el tablero, de 4 a 10&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Tablero: Orden de colocación&lt;/td&gt;&lt;td&gt;cómo se colocan las cartas en el tablero (ver abajo)&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Movimiento múltiple&lt;/td&gt;&lt;td&gt;las escaleras de cartas se pueden arrastrar juntas&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;As sobre Rey&lt;/td&gt;&lt;td&gt;también en el tablero el As y el Rey cuentan como vecinos&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Fundaciones: Orden de colocación&lt;/td&gt;&lt;td&gt;cómo se colocan las cartas en las fundaciones&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Carta base&lt;/td&gt;&lt;td&gt;el valor con el que empieza cada fundación; Al azar saca uno en cada partida&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Cartas iniciales&lt;/td&gt;&lt;td&gt;cuántas fundaciones reciben su carta base al repartir&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Número de celdas libres&lt;/td&gt;&lt;td&gt;de 0 a 4&lt;/td&gt;&lt;/tr&gt;
&lt;tr&gt;&lt;td&gt;Cartas en las celdas libres&lt;/td&gt;&lt;td&gt;cuántas celdas libres reciben una carta al repartir&lt;/td&gt;&lt;/tr&gt;
&lt;/table&gt;
&lt;p&gt;Cada carta que no se reparte a las fundaciones ni a las celdas libres va al tablero, pila tras pila
desde la izquierda.&lt;/p&gt;

&lt;h3&gt;Órdenes de colocación&lt;/h3&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Orden&lt;/th&gt;&lt;th&gt;Una carta puede ir sobre una carta&lt;/th&gt;&lt;/tr&gt;
%ORDERS%
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Game numbers&lt;/h2&gt;
&lt;p&gt;Every deal has a number. The same number with the same design gives the same deal, so you can
play a game again (&lt;b&gt;File &amp;rsaquo; Restart Game&lt;/b&gt;) or play a number someone told you
(&lt;b&gt;File &amp;rsaquo; Select a Number&lt;/b&gt;; any number above 0 and below 999,999,999,999,999).
&lt;b&gt;File &amp;rsaquo; New Game&lt;/b&gt; deals a random number. The number is shown in the window&apos;s title.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Números de partida&lt;/h2&gt;
&lt;p&gt;Cada reparto tiene un número. El mismo número con el mismo diseño da el mismo reparto, así que
puedes volver a jugar una partida (&lt;b&gt;Archivo &amp;rsaquo; Reiniciar partida&lt;/b&gt;) o jugar un número que
alguien te dio (&lt;b&gt;Archivo &amp;rsaquo; Elegir un número&lt;/b&gt;; cualquier número mayor que 0 y menor que
999,999,999,999,999). &lt;b&gt;Archivo &amp;rsaquo; Nueva partida&lt;/b&gt; reparte un número al azar. El número se
muestra en el título de la ventana.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Autoplay&lt;/h2&gt;
&lt;p&gt;While &lt;b&gt;Game &amp;rsaquo; Autoplay&lt;/b&gt; is ticked, every card that a foundation would take goes there
by itself after each of your moves. Switch it off to keep cards on the tableau for building.
While it is on, a card you take back from a foundation with &lt;b&gt;Undo&lt;/b&gt; stays back only until your
next move, and a card you drag off a foundation flies home again if nothing else goes there
first.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Automático&lt;/h2&gt;
&lt;p&gt;Mientras &lt;b&gt;Juego &amp;rsaquo; Automático&lt;/b&gt; está marcado, cada carta que una fundación aceptaría va
allí sola después de cada uno de tus movimientos. Desactívalo para guardar cartas en el tablero.
Mientras está activo, una carta que devuelves de una fundación con &lt;b&gt;Deshacer&lt;/b&gt; solo se queda
abajo hasta tu siguiente movimiento, y una carta que arrastras fuera de una fundación vuelve a subir
si antes no va otra cosa allí.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Deshacer, rehacer y repetir&lt;/h2&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Deshacer&lt;/b&gt; anula el último movimiento y &lt;b&gt;Rehacer&lt;/b&gt; lo vuelve a hacer. &lt;b&gt;Deshacer
todo&lt;/b&gt; y &lt;b&gt;Rehacer todo&lt;/b&gt; van de golpe al principio o al final de la partida. Un movimiento
nuevo después de deshacer descarta los movimientos deshechos.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Repetición &amp;rsaquo; Adelante&lt;/b&gt; y &lt;b&gt;Atrás&lt;/b&gt; recorren la partida solos, un movimiento cada
medio segundo, hasta que elijas &lt;b&gt;Detener&lt;/b&gt; o se llegue al final. &lt;b&gt;Repetir todo&lt;/b&gt; muestra la
partida entera desde el reparto.&lt;/li&gt;
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
        <translation>&lt;h2&gt;¿Aún se puede ganar?&lt;/h2&gt;
&lt;p&gt;La línea bajo el tablero indica tras cada movimiento si la partida que tienes delante aún se puede
ganar: &lt;b&gt;Ganable&lt;/b&gt;, &lt;b&gt;No ganable&lt;/b&gt; o &lt;b&gt;No se sabe&lt;/b&gt; cuando la búsqueda se rinde; mientras
piensa, muestra &lt;b&gt;&amp;hellip;&lt;/b&gt;. &lt;b&gt;Juego &amp;rsaquo; Pista&lt;/b&gt; rodea en azul claro la carta que hay que
mover y su destino. &lt;b&gt;Juego &amp;rsaquo; Mostrar solución&lt;/b&gt; juega el resto de una solución, un
movimiento cada medio segundo, hasta que pulses una tecla o hagas clic; puedes deshacer sus
movimientos, pero una partida que haya jugado cuenta como perdida. En &lt;b&gt;Archivo &amp;rsaquo; Elegir
juego&lt;/b&gt;, &lt;b&gt;Solo partidas ganables&lt;/b&gt; reparte solo partidas que se pueden ganar, y la línea de al
lado indica con qué frecuencia se gana tu diseño.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Score and time&lt;/h2&gt;
&lt;p&gt;While a game runs, the menu bar shows the score, the time and the number of moves. Each card
on the foundations is worth 10 points, and every 3 seconds cost one point, so a won game scores
up to 520 and a slow game goes below zero. Undone moves do not count as moves.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Puntuación y tiempo&lt;/h2&gt;
&lt;p&gt;Mientras dura una partida, la barra de menús muestra los puntos, el tiempo y el número de
movimientos. Cada carta en las fundaciones vale 10 puntos, y cada 3 segundos cuestan un punto: una
partida ganada da hasta 520 puntos y una lenta baja de cero. Los movimientos deshechos no cuentan.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Players&lt;/h2&gt;
&lt;p&gt;Up to ten players keep their own records. Add, rename and delete players in
&lt;b&gt;Tools &amp;rsaquo; Players&lt;/b&gt;; choose who plays in &lt;b&gt;File &amp;rsaquo; Select Game&lt;/b&gt;. A finished game
counts for the current player: a win with its score, and a game that is closed, replaced by a new
one or left when the window closes as lost. &lt;b&gt;Tools &amp;rsaquo; Statistics&lt;/b&gt; shows the totals of
all players and the record of each.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Jugadores&lt;/h2&gt;
&lt;p&gt;Hasta diez jugadores guardan sus propios resultados. Añade, cambia de nombre y elimina jugadores en
&lt;b&gt;Herramientas &amp;rsaquo; Jugadores&lt;/b&gt;; elige quién juega en &lt;b&gt;Archivo &amp;rsaquo; Elegir juego&lt;/b&gt;.
Una partida terminada cuenta para el jugador actual: una victoria con su puntuación, y una partida
cerrada, sustituida por otra o abandonada al cerrar la ventana, como perdida.
&lt;b&gt;Herramientas &amp;rsaquo; Estadísticas&lt;/b&gt; muestra los totales de todos los jugadores y los resultados
de cada uno.&lt;/p&gt;</translation>
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
        <translation>&lt;h2&gt;Personalizar&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Herramientas &amp;rsaquo; Personalizar&lt;/b&gt; fija el color del tablero, si el tablero crece con la
ventana (&lt;b&gt;Ajustar el tablero a la ventana&lt;/b&gt;: las cartas se vuelven a dibujar al tamaño
mostrado), si la línea bajo el tablero indica si la partida aún se puede ganar, la velocidad de las
cartas (para tus movimientos, para deshacer y rehacer, para Deshacer todo y Rehacer todo, y para la
repetición; en el extremo derecho del control las cartas saltan) y qué sonidos suenan: &lt;b&gt;Carta
levantada&lt;/b&gt; al tomar una carta, &lt;b&gt;Carta colocada&lt;/b&gt; al dejarla (o si vuelve), &lt;b&gt;Barajado
inicial&lt;/b&gt; en cada reparto, &lt;b&gt;Movimiento automático&lt;/b&gt; con cada carta que sube sola,
&lt;b&gt;Deshacer&lt;/b&gt; y &lt;b&gt;Rehacer&lt;/b&gt; con los movimientos lentos, &lt;b&gt;Partida ganada&lt;/b&gt; con una
victoria.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The window&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Game &amp;rsaquo; Full Screen&lt;/b&gt; (F11) gives the whole screen to the game; F11 again brings the
window back as it was. The window opens at the size and place it had when it was last closed,
maximised if it was.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;La ventana&lt;/h2&gt;
&lt;p&gt;&lt;b&gt;Juego &amp;rsaquo; Pantalla completa&lt;/b&gt; (F11) da toda la pantalla al juego; F11 otra vez devuelve
la ventana como estaba. La ventana se abre con el tamaño y en el lugar que tenía al cerrarse por
última vez, maximizada si lo estaba.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Keys&lt;/h2&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Key&lt;/th&gt;&lt;th&gt;Command&lt;/th&gt;&lt;/tr&gt;
%KEYS%
&lt;/table&gt;</source>
        <translation>&lt;h2&gt;Teclas&lt;/h2&gt;
&lt;table border=&quot;1&quot; cellspacing=&quot;0&quot; cellpadding=&quot;4&quot;&gt;
&lt;tr&gt;&lt;th&gt;Tecla&lt;/th&gt;&lt;th&gt;Orden&lt;/th&gt;&lt;/tr&gt;
%KEYS%
&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Tabloo Help</source>
        <translation>Ayuda de Tabloo</translation>
    </message>
</context>
<context>
    <name>tabloo::frmMain</name>
    <message>
        <source>Continue the unfinished game %1?</source>
        <translation>¿Continuar la partida sin terminar %1?</translation>
    </message>
    <message>
        <source>The unfinished game %1 could not be brought back (%2). It counts as lost.</source>
        <translation>No se pudo recuperar la partida sin terminar %1 (%2). Cuenta como perdida.</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Select Game</source>
        <translation>&amp;Elegir juego</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Select Game</source>
        <translation>Elegir juego</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Reiniciar partida</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Reiniciar partida</translation>
    </message>
    <message>
        <source>&amp;Close Game</source>
        <translation>&amp;Cerrar partida</translation>
    </message>
    <message>
        <source>Select a Number</source>
        <translation>Elegir un número</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>U&amp;ndo All</source>
        <translation>Deshacer &amp;todo</translation>
    </message>
    <message>
        <source>R&amp;edo All</source>
        <translation>Rehacer t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Hint: the first move of a winning line</source>
        <translation>Pista: el primer movimiento de una solución</translation>
    </message>
    <message>
        <source>&amp;Show Solution</source>
        <translation>&amp;Mostrar solución</translation>
    </message>
    <message>
        <source>View Toolbar</source>
        <translation>Ver barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Adelante</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Replay Forward</source>
        <translation>Repetir hacia adelante</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Replay Back</source>
        <translation>Repetir hacia atrás</translation>
    </message>
    <message>
        <source>Replay &amp;All</source>
        <translation>Repetir t&amp;odo</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Replay Stop</source>
        <translation>Detener la repetición</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Tabloo...</source>
        <translation>Acerca de Tabloo...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Repetición</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>tabloo::frmOptions</name>
    <message>
        <source>Card Moving Speed</source>
        <translation>Velocidad de las cartas</translation>
    </message>
    <message>
        <source>Undo/Redo Speed</source>
        <translation>Velocidad de deshacer/rehacer</translation>
    </message>
    <message>
        <source>Undoall/Redoall Speed</source>
        <translation>Velocidad de deshacer/rehacer todo</translation>
    </message>
    <message>
        <source>Replay Speed</source>
        <translation>Velocidad de repetición</translation>
    </message>
    <message>
        <source>Initial Shuffle</source>
        <translation>Barajado inicial</translation>
    </message>
    <message>
        <source>Card Up</source>
        <translation>Carta colocada</translation>
    </message>
    <message>
        <source>Card Down</source>
        <translation>Carta levantada</translation>
    </message>
    <message>
        <source>Autoplay Move</source>
        <translation>Movimiento automático</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Game Won</source>
        <translation>Partida ganada</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;Fit the board to the window</source>
        <translation>&amp;Ajustar el tablero a la ventana</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lento</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápido</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>&amp;Animation &amp;&amp; Sounds</source>
        <translation>&amp;Movimiento &amp;&amp; sonidos</translation>
    </message>
    <message>
        <source>Tell whether the game can still be won</source>
        <translation>Indicar si la partida aún se puede ganar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Large print</source>
        <translation>Letra grande</translation>
    </message>
    <message>
        <source>Card fa&amp;ces:</source>
        <translation>Ca&amp;ras de las cartas:</translation>
    </message>
    <message>
        <source>Four-colour &amp;deck</source>
        <translation>Baraja de cuatro &amp;colores</translation>
    </message>
    <message>
        <source>Hearts red, diamonds blue, clubs green, spades black</source>
        <translation>Corazones rojos, diamantes azules, tréboles verdes, picas negras</translation>
    </message>
</context>
<context>
    <name>tabloo::frmPlayers</name>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Player ID</source>
        <translation>N.º de jugador</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Maximum 10 Players Only!</source>
        <translation>¡Máximo 10 jugadores!</translation>
    </message>
    <message>
        <source>Enter Player Name :</source>
        <translation>Nombre del jugador :</translation>
    </message>
    <message>
        <source>Player Exists !</source>
        <translation>¡Ese jugador ya existe!</translation>
    </message>
    <message>
        <source>Edit Player</source>
        <translation>Editar jugador</translation>
    </message>
    <message>
        <source>First Player Cannot be deleted</source>
        <translation>El primer jugador no se puede eliminar</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this player</source>
        <translation>¿Seguro que quieres eliminar este jugador?</translation>
    </message>
</context>
<context>
    <name>tabloo::frmSelect</name>
    <message>
        <source>Select Game</source>
        <translation>Elegir juego</translation>
    </message>
    <message>
        <source>Tableau</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Multi Move</source>
        <translation>Movimiento múltiple</translation>
    </message>
    <message>
        <source>Ace-King Wrapping</source>
        <translation>As sobre Rey</translation>
    </message>
    <message>
        <source>Piles</source>
        <translation>Pilas</translation>
    </message>
    <message>
        <source>Card Arranging Order</source>
        <translation>Orden de colocación</translation>
    </message>
    <message>
        <source>Foundation</source>
        <translation>Fundaciones</translation>
    </message>
    <message>
        <source>Base Card</source>
        <translation>Carta base</translation>
    </message>
    <message>
        <source>Initial Cards</source>
        <translation>Cartas iniciales</translation>
    </message>
    <message>
        <source>Free Cells</source>
        <translation>Celdas libres</translation>
    </message>
    <message>
        <source>Number of Free Cells</source>
        <translation>Número de celdas libres</translation>
    </message>
    <message>
        <source>Total Cards in Free Cells</source>
        <translation>Cartas en las celdas libres</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Winnable deals only</source>
        <translation>Solo partidas ganables</translation>
    </message>
    <message>
        <source>From %1 random deals: %2 winnable, %3 not winnable, %4 undecided</source>
        <translation>De %1 partidas al azar: %2 ganables, %3 no ganables, %4 sin decidir</translation>
    </message>
</context>
<context>
    <name>tabloo::frmSplash</name>
    <message>
        <source>Version 3.0</source>
        <translation>Versión 3.0</translation>
    </message>
    <message>
        <source>A patience game of many variants</source>
        <translation>Un solitario de muchas variantes</translation>
    </message>
</context>
<context>
    <name>tabloo::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Current Game</source>
        <translation>Partida actual</translation>
    </message>
    <message>
        <source>Current Player</source>
        <translation>Jugador actual</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Games Played : </source>
        <translation>Partidas jugadas : </translation>
    </message>
    <message>
        <source>Games Won : </source>
        <translation>Partidas ganadas : </translation>
    </message>
    <message>
        <source>Games Lost : </source>
        <translation>Partidas perdidas : </translation>
    </message>
    <message>
        <source>Total Score : </source>
        <translation>Puntos totales : </translation>
    </message>
    <message>
        <source>Total Moves : </source>
        <translation>Movimientos totales : </translation>
    </message>
    <message>
        <source>Average Score : </source>
        <translation>Puntos de media : </translation>
    </message>
    <message>
        <source>Average Moves : </source>
        <translation>Movimientos de media : </translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Puntos : </translation>
    </message>
    <message>
        <source>Moves : </source>
        <translation>Movimientos : </translation>
    </message>
    <message>
        <source>Current Player : </source>
        <translation>Jugador actual : </translation>
    </message>
    <message>
        <source>Total : </source>
        <translation>Total : </translation>
    </message>
    <message>
        <source>Won : </source>
        <translation>Ganadas : </translation>
    </message>
    <message>
        <source>Lost : </source>
        <translation>Perdidas : </translation>
    </message>
</context>
</TS>
