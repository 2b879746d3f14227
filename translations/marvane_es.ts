<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AnalysisRoom</name>
    <message>
        <source>There is not enough memory for the analysis.</source>
        <translation>No hay memoria suficiente para el análisis.</translation>
    </message>
    <message>
        <source>The learned evaluation cannot be used, so hints, scores and reviews judge positions with a simpler formula.</source>
        <translation>No se puede usar la evaluación aprendida, así que las pistas, las puntuaciones y los análisis juzgan las posiciones con una fórmula más sencilla.</translation>
    </message>
</context>
<context>
    <name>BoardAccess</name>
    <message>
        <source>Hint: row %1, column %2, score %3</source>
        <translation>Pista: fila %1, columna %2, puntuación %3</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2, score about %3</source>
        <translation>Pista: fila %1, columna %2, puntuación aproximada %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>, last move</source>
        <translation>, última jugada</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, jugada posible</translation>
    </message>
    <message>
        <source>, hint</source>
        <translation>, pista</translation>
    </message>
    <message>
        <source>, score %1</source>
        <translation>, puntuación %1</translation>
    </message>
    <message>
        <source>, score about %1</source>
        <translation>, puntuación aproximada %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
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
        <source>Show Last Move</source>
        <translation>Mostrar la última jugada</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Mostrar las jugadas posibles</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Show Evaluations</source>
        <translation>Mostrar las puntuaciones</translation>
    </message>
    <message>
        <source>Expert Hard Level</source>
        <translation>Nivel Difícil experto</translation>
    </message>
    <message>
        <source>Show Coordinates</source>
        <translation>Mostrar las coordenadas</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Standard Rules</source>
        <translation>Reglas estándar</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>There is no game to review.</source>
        <translation>No hay ninguna partida que analizar.</translation>
    </message>
    <message>
        <source>There are no moves to review yet.</source>
        <translation>Todavía no hay jugadas que analizar.</translation>
    </message>
    <message>
        <source>best</source>
        <comment>the move lost nothing</comment>
        <translation>mejor</translation>
    </message>
    <message>
        <source>Reviewing: %1 of %2 moves</source>
        <translation>Analizando: %1 de %2 jugadas</translation>
    </message>
    <message>
        <source>Review stopped: %1 of %2 moves</source>
        <translation>Análisis detenido: %1 de %2 jugadas</translation>
    </message>
    <message>
        <source>Reviewed: what each move gave away (≈ an estimate)</source>
        <translation>Analizada: lo que cedió cada jugada (≈ estimación)</translation>
    </message>
    <message>
        <source>This game cannot be reviewed.</source>
        <translation>Esta partida no se puede analizar.</translation>
    </message>
    <message>
        <source>The review knows Marvane&apos;s own rules only, and this game is played by the standard rules.</source>
        <translation>El análisis solo conoce las reglas propias de Marvane, y esta partida se juega con las reglas estándar.</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Position Your Piece</source>
        <translation>Coloque su ficha</translation>
    </message>
    <message>
        <source>It&apos;s a Draw</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <extracomment>%1 is the winning colour&apos;s name.</extracomment>
        <translation>Gana %1</translation>
    </message>
    <message>
        <source>White</source>
        <comment>short: turn box and score labels</comment>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>short: turn box and score labels</comment>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>short: turn box and score labels</comment>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>short: turn box and score labels</comment>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <comment>short: turn box and score labels</comment>
        <translation>Cian</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>short: turn box and score labels</comment>
        <translation>Amar.</translation>
    </message>
    <message>
        <source>Moves mirrored</source>
        <extracomment>Said after a game written the other way round was replayed in its mirror image.</extracomment>
        <translation>Jugadas reflejadas</translation>
    </message>
    <message>
        <source>This is not a game record: it holds binary data.</source>
        <translation>Esto no es una partida: contiene datos binarios.</translation>
    </message>
    <message>
        <source>This is not a game record: line %1 is not UTF-8 text.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Esto no es una partida: la línea %1 no es texto UTF-8.</translation>
    </message>
    <message>
        <source>This is too long for a game record: more than 1 MB.</source>
        <translation>Esto es demasiado largo para una partida: más de 1 MB.</translation>
    </message>
    <message>
        <source>Line %1 is a header line after the moves: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>La línea %1 es una línea de cabecera situada después de las jugadas: %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a header line of the form %2: %3.</source>
        <extracomment>%1 is a line number, %2 the form of a header line as files write it, %3 the line as the file has it.</extracomment>
        <translation>La línea %1 no es una línea de cabecera de la forma %2: %3.</translation>
    </message>
    <message>
        <source>Line %1 repeats the header &quot;%2&quot;.</source>
        <extracomment>%1 is a line number, %2 the header&apos;s English name as files write it.</extracomment>
        <translation>La línea %1 repite la cabecera «%2».</translation>
    </message>
    <message>
        <source>Unknown header line %1: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>La línea %1 es una línea de cabecera desconocida: %2.</translation>
    </message>
    <message>
        <source>Line %1: the program is not named.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Línea %1: falta el nombre del programa.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written as year.month.day.</source>
        <extracomment>%1 is a line number, %2 the date as the file has it.</extracomment>
        <translation>Línea %1: la fecha «%2» no está escrita como año.mes.día.</translation>
    </message>
    <message>
        <source>Line %1: the time &quot;%2&quot; is not written as hours:minutes:seconds.</source>
        <extracomment>%1 is a line number, %2 the time as the file has it.</extracomment>
        <translation>Línea %1: la hora «%2» no está escrita como horas:minutos:segundos.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a colour pair of the game (two different of %3).</source>
        <extracomment>%1 is a line number, %2 the colours as the file has them, %3 the colour names a file may hold (in English).</extracomment>
        <translation>Línea %1: «%2» no es una pareja de colores del juego (dos colores distintos de entre %3).</translation>
    </message>
    <message>
        <source>Line %1: the players &quot;%2&quot; are neither 1 nor 2.</source>
        <extracomment>%1 is a line number, %2 the number of players as the file has it.</extracomment>
        <translation>Línea %1: el número de jugadores «%2» no es ni 1 ni 2.</translation>
    </message>
    <message>
        <source>Line %1: the level &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the level as the file has it; %3 and %4 are the two words a file may hold (Easy, Hard).</extracomment>
        <translation>Línea %1: el nivel «%2» no es ni %3 ni %4.</translation>
    </message>
    <message>
        <source>Line %1: the orientation &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the orientation as the file has it; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Línea %1: la orientación «%2» no es ni %3 ni %4.</translation>
    </message>
    <message>
        <source>Line %1: the start position is refused.</source>
        <extracomment>%1 is a line number. The reason follows in sentences of its own.</extracomment>
        <translation>Línea %1: se rechaza la posición de partida.</translation>
    </message>
    <message>
        <source>Line %1: the result &quot;%2&quot; is not two counts of counters such as &quot;34-30&quot;.</source>
        <extracomment>%1 is a line number, %2 the result as the file has it.</extracomment>
        <translation>Línea %1: el resultado «%2» no consta de dos recuentos de fichas como «34-30».</translation>
    </message>
    <message>
        <source>The last move, move %1, is cut short: &quot;%2&quot; has no row digit.</source>
        <extracomment>%1 is the move&apos;s number, %2 the letter it starts with.</extracomment>
        <translation>La última jugada, la jugada %1, está incompleta: a «%2» le falta la cifra de la fila.</translation>
    </message>
    <message>
        <source>Move %1, &quot;%2&quot;, is not a square of the board (a1 to h8).</source>
        <extracomment>%1 is the move&apos;s number, %2 the move as the file has it.</extracomment>
        <translation>La jugada %1, «%2», no es una casilla del tablero (de a1 a h8).</translation>
    </message>
    <message>
        <source>Move %1 is one too many: a game has at most %2 moves.</source>
        <extracomment>%1 is the move&apos;s number, %2 the most moves a game has (60).</extracomment>
        <translation>La jugada %1 sobra: una partida tiene como mucho %2 jugadas.</translation>
    </message>
    <message>
        <source>There are no moves in it.</source>
        <translation>No contiene ninguna jugada.</translation>
    </message>
    <message>
        <source>The header says the moves are in the %1 orientation, but the first move, %2, starts a game in the %3 one: the two orientations are mixed.</source>
        <extracomment>%1 and %3 are the words files name the orientations by (Marvane, Usual), %2 a square.</extracomment>
        <translation>La cabecera dice que las jugadas están en la orientación %1, pero la primera jugada, %2, empieza una partida en la orientación %3: las dos orientaciones están mezcladas.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not a square of the board.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>La jugada %1, %2 en %3, no está en el tablero.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, cannot be played: %2 has no legal square, and this game has no passing.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>La jugada %1, %2 en %3, no se puede jugar: %2 no tiene ninguna jugada posible, y en este juego no se pasa.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: the square is already taken.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>La jugada %1, %2 en %3, no es posible: la casilla ya está ocupada.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: it closes off no line of %4 counters.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square, %4 the other colour (a colour name).</extracomment>
        <translation>La jugada %1, %2 en %3, no es posible: no encierra ninguna línea de fichas contrarias (%4).</translation>
    </message>
    <message>
        <source>Its mirror image, %1, would be: the transcript seems to mix the two orientations.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Su imagen reflejada, %1, sí lo sería: la notación parece mezclar las dos orientaciones.</translation>
    </message>
    <message>
        <source>The start position cannot occur in a game.</source>
        <extracomment>The reason follows in sentences of its own.</extracomment>
        <translation>La posición de partida no puede darse en ninguna partida.</translation>
    </message>
    <message>
        <source>The result %1 does not match the moves, which end %2.</source>
        <extracomment>%1 and %2 are results such as 34-30.</extracomment>
        <translation>El resultado %1 no coincide con las jugadas, que terminan en %2.</translation>
    </message>
    <message>
        <source>A game cannot be replayed while Autoplay runs.</source>
        <translation>No se puede reproducir una partida mientras la demostración está en marcha.</translation>
    </message>
    <message>
        <source>A game never has fewer than the 4 counters it starts with; this position has %1.</source>
        <extracomment>%1 is a number of counters.</extracomment>
        <translation>Una partida nunca tiene menos de las 4 fichas con las que empieza; esta posición tiene %1.</translation>
    </message>
    <message>
        <source>The centre square %1 is empty, and the four centre squares are never empty in a game.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>La casilla central %1 está vacía, pero las cuatro casillas centrales nunca están vacías en una partida.</translation>
    </message>
    <message>
        <source>The board is full: there is no move left to play.</source>
        <translation>El tablero está lleno: no queda ninguna jugada por hacer.</translation>
    </message>
    <message>
        <source>The counter on %1 is cut off from the centre, and every counter is placed beside one already on the board.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>La ficha en %1 está aislada del centro, pero cada ficha se coloca junto a otra que ya está en el tablero.</translation>
    </message>
    <message>
        <source>This is too long for a position, which is 64 squares, a space and the side to play.</source>
        <translation>Esto es demasiado largo para una posición, que consta de 64 casillas, un espacio y el turno.</translation>
    </message>
    <message>
        <source>There is no position in it.</source>
        <translation>No contiene ninguna posición.</translation>
    </message>
    <message>
        <source>A position has 64 squares, a1 to h8, before the side to play; this one has %1.</source>
        <extracomment>%1 is the number of characters found.</extracomment>
        <translation>Una posición tiene 64 casillas, de a1 a h8, antes del turno; esta tiene %1.</translation>
    </message>
    <message>
        <source>Square %1 holds &quot;%2&quot;, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square, %2 the character found there. X, O and - are what the position holds: keep them.</extracomment>
        <translation>La casilla %1 contiene «%2», que no es ni X (ficha negra), ni O (ficha blanca), ni - (casilla vacía).</translation>
    </message>
    <message>
        <source>Square %1 holds a character, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square. X, O and - are what the position holds: keep them.</extracomment>
        <translation>La casilla %1 contiene un carácter que no es ni X (ficha negra), ni O (ficha blanca), ni - (casilla vacía).</translation>
    </message>
    <message>
        <source>The side to play, X or O, is missing after the 64 squares.</source>
        <extracomment>X and O are what the position holds: keep them.</extracomment>
        <translation>Falta el turno, X u O, después de las 64 casillas.</translation>
    </message>
    <message>
        <source>The side to play must be X (black) or O (white), not &quot;%1&quot;.</source>
        <extracomment>%1 is the text found instead. X and O are what the position holds: keep them.</extracomment>
        <translation>El turno debe ser X (Negro) u O (Blanco), no «%1».</translation>
    </message>
    <message>
        <source>There is more text after the side to play.</source>
        <translation>Hay más texto después del turno.</translation>
    </message>
    <message>
        <source>%1 has no legal square and passes.</source>
        <extracomment>Said on the turn line under standard rules. %1 is the colour that passes (a colour name).</extracomment>
        <translation>%1 no tiene ninguna casilla legal y pasa.</translation>
    </message>
    <message>
        <source>Standard rules: a side with no legal square passes.</source>
        <extracomment>Said after a game was opened that can only be played with passes, or that says so.</extracomment>
        <translation>Reglas estándar: un bando sin casilla legal pasa.</translation>
    </message>
    <message>
        <source>Line %1: the rules &quot;%2&quot; are neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the rules as the file has them; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Línea %1: las reglas «%2» no son ni %3 ni %4.</translation>
    </message>
    <message>
        <source>A position with 4 counters is the start, two of each colour crosswise in the centre, and this one is not.</source>
        <translation>Una posición con 4 fichas es la inicial, dos de cada color en cruz en el centro, y esta no lo es.</translation>
    </message>
</context>
<context>
    <name>KeyList</name>
    <message>
        <source>Undo (Game menu)</source>
        <translation>Deshacer (menú Partida)</translation>
    </message>
    <message>
        <source>Redo (Game menu)</source>
        <translation>Rehacer (menú Partida)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Flechas</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tablero</translation>
    </message>
    <message>
        <source>move the focus square</source>
        <translation>mover la casilla activa</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Inicio, Fin</translation>
    </message>
    <message>
        <source>go to the first or last square of the focus square&apos;s row</source>
        <translation>ir a la primera o última casilla de la fila activa</translation>
    </message>
    <message>
        <source>a-h, then 1-8</source>
        <translation>a-h, luego 1-8</translation>
    </message>
    <message>
        <source>go to that column and row (&quot;e3&quot;)</source>
        <translation>ir a esa columna y fila («e3»)</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espacio, Intro</translation>
    </message>
    <message>
        <source>play the focus square, exactly as a click on it would</source>
        <translation>jugar la casilla activa, igual que un clic en ella</translation>
    </message>
    <message>
        <source>Up, Down, Home, End</source>
        <translation>Arriba, Abajo, Inicio, Fin</translation>
    </message>
    <message>
        <source>move list</source>
        <translation>lista de jugadas</translation>
    </message>
    <message>
        <source>step to the next, previous, first or last position</source>
        <translation>ir a la posición siguiente, anterior, primera o última</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>move list, keys list</source>
        <translation>lista de jugadas, lista de teclas</translation>
    </message>
    <message>
        <source>close that window</source>
        <translation>cerrar esa ventana</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Mayús+Tab</translation>
    </message>
    <message>
        <source>options panel open</source>
        <translation>opciones abiertas</translation>
    </message>
    <message>
        <source>move between the board and the panel&apos;s controls</source>
        <translation>pasar del tablero a los controles del panel</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down</source>
        <translation>Arriba, Abajo, Re Pág, Av Pág</translation>
    </message>
    <message>
        <source>response time box</source>
        <translation>campo Tiempo de respuesta</translation>
    </message>
    <message>
        <source>change the response time (Page keys in steps of 100 ms)</source>
        <translation>cambiar el tiempo de respuesta (teclas de página en pasos de 100 ms)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>options check boxes</source>
        <translation>casillas de verificación de las opciones</translation>
    </message>
    <message>
        <source>tick or untick the box</source>
        <translation>marcar o desmarcar la casilla</translation>
    </message>
    <message>
        <source>Alt, then arrows, Enter, Esc</source>
        <translation>Alt, luego flechas, Intro, Esc</translation>
    </message>
    <message>
        <source>menu bar shown</source>
        <translation>barra de menús visible</translation>
    </message>
    <message>
        <source>open and work the menus</source>
        <translation>abrir y usar los menús</translation>
    </message>
    <message>
        <source>anywhere</source>
        <translation>en todas partes</translation>
    </message>
    <message>
        <source>%1 (%2 menu)</source>
        <translation>%1 (menú %2)</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <translation>%1 (%2): %3.</translation>
    </message>
    <message>
        <source>Keys.</source>
        <translation>Teclas.</translation>
    </message>
    <message>
        <source>&quot;restart&quot;: start a new game</source>
        <translation>«reiniciar»: empezar una partida nueva</translation>
    </message>
    <message>
        <source>&quot;quit&quot;: close Marvane</source>
        <translation>«salir»: cerrar Marvane</translation>
    </message>
    <message>
        <source>&quot;rules&quot;: show the rules</source>
        <translation>«reglas»: mostrar las reglas</translation>
    </message>
    <message>
        <source>close the panel, as its &quot;Return to Marvane&quot; does</source>
        <translation>cerrar el panel, como su «Volver al juego»</translation>
    </message>
    <message>
        <source>rules or options panel open</source>
        <translation>reglas u opciones abiertas</translation>
    </message>
    <message>
        <source>&quot;finish&quot;: end the game</source>
        <translation>«terminar»: acabar la partida</translation>
    </message>
    <message>
        <source>&quot;2 Players&quot;, &quot;1 Player&quot;: play against the computer or a person</source>
        <translation>«2 jug.», «1 jugador»: jugar contra el ordenador o una persona</translation>
    </message>
    <message>
        <source>&quot;Easy&quot;, &quot;Hard&quot;: switch the computer&apos;s level</source>
        <translation>«Fácil», «Difícil»: cambiar el nivel del ordenador</translation>
    </message>
    <message>
        <source>against the computer</source>
        <translation>contra el ordenador</translation>
    </message>
    <message>
        <source>&quot;options&quot;: open the options panel</source>
        <translation>«opciones»: abrir las opciones</translation>
    </message>
    <message>
        <source>play the hint&apos;s square</source>
        <translation>jugar la casilla de la pista</translation>
    </message>
    <message>
        <source>hint shown</source>
        <translation>pista mostrada</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Marvane Keys</source>
        <translation>Teclas de Marvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dónde</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Qué hace</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Leave Marvane</source>
        <translation>Salir de Marvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Contact Corvath</source>
        <translation>Contactar con Corvath</translation>
    </message>
    <message>
        <source>Visit our Website</source>
        <translation>Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Hide Menu</source>
        <translation>Ocultar el menú</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Black..White</source>
        <translation>Negro..Blanco</translation>
    </message>
    <message>
        <source>Red..Green</source>
        <translation>Rojo..Verde</translation>
    </message>
    <message>
        <source>Aqua..Yellow</source>
        <translation>Aguamarina..Amarillo</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Mostrar el estado</translation>
    </message>
    <message>
        <source>Locate</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Demostración</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane, de CORVATH</translation>
    </message>
    <message>
        <source>%1 Version %2  by Corvath</source>
        <translation>%1 versión %2, de Corvath</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Move List</source>
        <translation>Lista de jugadas</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Choose a move to show the board as it was after it.</source>
        <translation>Elija una jugada para ver el tablero tal como quedó tras ella.</translation>
    </message>
    <message>
        <source>Autoplay is running: the list follows it.</source>
        <translation>La demostración está en marcha: la lista la sigue.</translation>
    </message>
    <message>
        <source>Stop Review</source>
        <translation>Detener el análisis</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizar la partida</translation>
    </message>
    <message>
        <source>, a worst mistake</source>
        <translation>, uno de los peores errores</translation>
    </message>
    <message>
        <source>, taken back</source>
        <translation>, deshecha</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>, opening: %1</source>
        <translation>, apertura: %1</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Marvane Options</source>
        <translation>Opciones de Marvane</translation>
    </message>
    <message>
        <source>Response time</source>
        <translation>Tiempo de respuesta</translation>
    </message>
    <message>
        <source>Milliseconds before the computer moves</source>
        <translation>Milisegundos antes de que juegue el ordenador</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Efectos de sonido</translation>
    </message>
    <message>
        <source>Turn sound effects On or Off</source>
        <translation>Activar o desactivar los efectos de sonido</translation>
    </message>
    <message>
        <source>Show Windows Menu</source>
        <translation>Mostrar la barra de menús</translation>
    </message>
    <message>
        <source>Show Windows Status Bar</source>
        <translation>Mostrar la barra de estado</translation>
    </message>
    <message>
        <source>Go to our Web Site</source>
        <translation>Ir a nuestro sitio web</translation>
    </message>
    <message>
        <source>Email Corvath-Solutions</source>
        <translation>Escribir a Corvath-Solutions</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Volver al juego</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Game files (*.txt);;All files (*)</source>
        <translation>Archivos de partida (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <translation>%1 %2-%3, %4</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>terminar</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>The file is too large for a game record: %1, where a record is at most 1 MB.</source>
        <translation>El archivo es demasiado grande para una partida: %1, y una partida ocupa como mucho 1 MB.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>more than 1 MB</source>
        <translation>más de 1 MB</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>This is %1.</source>
        <translation>Es %1.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>No se puede abrir el archivo: %1.</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Lista de jugadas</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizar la partida</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Copiar las jugadas</translation>
    </message>
    <message>
        <source>Copy Moves for Other Programs</source>
        <translation>Copiar las jugadas para otros programas</translation>
    </message>
    <message>
        <source>Paste Moves</source>
        <translation>Pegar las jugadas</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Copiar la posición</translation>
    </message>
    <message>
        <source>Paste Position</source>
        <translation>Pegar la posición</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Guardar la partida...</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Abrir una partida...</translation>
    </message>
    <message>
        <source>Start: the position</source>
        <translation>Inicio: la posición</translation>
    </message>
    <message>
        <source>The clipboard holds no position to start from.</source>
        <translation>El portapapeles no contiene ninguna posición de partida.</translation>
    </message>
    <message>
        <source>The position on the clipboard cannot be played.</source>
        <translation>La posición del portapapeles no se puede jugar.</translation>
    </message>
    <message>
        <source>The moves on the clipboard cannot be replayed.</source>
        <translation>Las jugadas del portapapeles no se pueden reproducir.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves to replay.</source>
        <translation>El portapapeles no contiene jugadas que reproducir.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar la partida</translation>
    </message>
    <message>
        <source>The game was not saved to &quot;%1&quot;.</source>
        <translation>La partida no se ha guardado en «%1».</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir una partida</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>No se puede abrir «%1».</translation>
    </message>
    <message>
        <source>Its record would be %1 bytes long, and a game file is read only up to 1 MB (%2 bytes).</source>
        <translation>Ocuparía %1 bytes, y un archivo de partida solo se lee hasta 1 MB (%2 bytes).</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Evaluation over the game</source>
        <translation>Puntuación a lo largo de la partida</translation>
    </message>
    <message>
        <source>start</source>
        <comment>the position before the first move</comment>
        <translation>inicio</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>jugada %1</translation>
    </message>
    <message>
        <source>%1: not reviewed yet</source>
        <translation>%1: aún sin analizar</translation>
    </message>
    <message>
        <source>%1: even</source>
        <translation>%1: igualado</translation>
    </message>
    <message>
        <source>%1: about even</source>
        <translation>%1: más o menos igualado</translation>
    </message>
    <message>
        <source>%1: +%2 for %3</source>
        <comment>move 12: +4 discs for White</comment>
        <translation>%1: +%2 para %3</translation>
    </message>
    <message>
        <source>%1: about +%2 for %3</source>
        <comment>an estimate</comment>
        <translation>%1: unos +%2 para %3</translation>
    </message>
    <message>
        <source>discs</source>
        <translation>fichas</translation>
    </message>
    <message>
        <source>move</source>
        <comment>the axis of move numbers</comment>
        <translation>jugada</translation>
    </message>
    <message>
        <source>even</source>
        <comment>the line at 0: neither side leads</comment>
        <translation>igualado</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 por delante</translation>
    </message>
    <message>
        <source>exact score</source>
        <translation>puntuación exacta</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimación</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Las reglas de Marvane</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>Two player game</source>
        <translation>Juego para dos jugadores</translation>
    </message>
    <message>
        <source>Each player must chose their colour Black or White</source>
        <translation>Cada jugador elige su color, Negro o Blanco.</translation>
    </message>
    <message>
        <source>White goes first, use the mouse to select a square </source>
        <translation>Empieza Blanco: elija una casilla con el</translation>
    </message>
    <message>
        <source>and click the left button</source>
        <translation>ratón y pulse el botón izquierdo.</translation>
    </message>
    <message>
        <source>The object of Marvane is to get as many of your</source>
        <translation>El objetivo de Marvane es tener en el tablero</translation>
    </message>
    <message>
        <source>coloured counters on the game grid as possible</source>
        <translation>tantas fichas de su color como sea posible.</translation>
    </message>
    <message>
        <source>the game starts with 4 counters, in the centre</source>
        <translation>La partida empieza con 4 fichas en las casillas</translation>
    </message>
    <message>
        <source>squares, 2 White and 2 Black, You can place</source>
        <translation>centrales, 2 blancas y 2 negras. Puede colocar</translation>
    </message>
    <message>
        <source>another counter of your colour following these rules</source>
        <translation>otra ficha de su color según estas reglas:</translation>
    </message>
    <message>
        <source>1. The square must be empty</source>
        <translation>1. La casilla debe estar vacía.</translation>
    </message>
    <message>
        <source>2. There must be at least 1 counter of the other</source>
        <translation>2. Debe haber al menos 1 ficha del otro color</translation>
    </message>
    <message>
        <source>colour in an adjacent square to the one</source>
        <translation>en una casilla contigua a aquella</translation>
    </message>
    <message>
        <source>that you are placing,</source>
        <translation>donde coloca la suya.</translation>
    </message>
    <message>
        <source>3. A counter of your own colour must be immediately</source>
        <translation>3. Una ficha de su color debe estar justo</translation>
    </message>
    <message>
        <source>beyond the opposing counter/s</source>
        <translation>detrás de la ficha o fichas contrarias.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>a folder, not a regular file</source>
        <extracomment>Each follows &quot;This is&quot;, &quot;The file is&quot; or a file&apos;s name and &quot;is&quot;.</extracomment>
        <translation>una carpeta, no un archivo normal</translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation>una tubería con nombre, no un archivo normal</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>algo que no es un archivo normal</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>La carpeta «%1» no existe</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder &quot;%1&quot;</source>
        <translation>No hay permiso para escribir en la carpeta «%1»</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>El disco está lleno (%1)</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>El archivo es %1</translation>
    </message>
    <message>
        <source>the old file cannot be kept as %1</source>
        <translation>el archivo anterior no se puede conservar como %1</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>No se pudo crear la clave %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;: %2</source>
        <translation>No se pudieron guardar los datos de «%1»: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what it is instead (&quot;a folder, not a regular file&quot;).</extracomment>
        <translation>%1 es %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron guardar los datos de «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>No se pudieron leer los datos de «%1»</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is on a disk that cannot be written to</source>
        <translation>La carpeta «%1» está en un disco en el que no se puede escribir</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1 es de solo lectura</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read, so the default options are used. Only the options you change are saved: this file is then kept as %2 and a new one is written</source>
        <translation>El archivo de configuración %1 ocupa más de 1 MB y no se ha leído, así que se usan las opciones predeterminadas. Solo se guardan las opciones que cambie: este archivo se conservará entonces como %2 y se escribirá uno nuevo</translation>
    </message>
    <message>
        <source>The settings file %1, so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path and what it is instead (&quot;... is a folder, not a regular file&quot;).</extracomment>
        <translation>El archivo de configuración %1, así que se usan las opciones predeterminadas. Solo se guardan las opciones que cambie</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>No se ha podido leer el archivo de configuración %1 (%2), así que se usan las opciones predeterminadas. Solo se guardan las opciones que cambie</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Quedan</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganó</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>salir</translation>
    </message>
    <message>
        <source>Leave  Marvane</source>
        <translation>Salir de Marvane</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>terminar</translation>
    </message>
    <message>
        <source>Who won ?</source>
        <translation>¿Quién ha ganado?</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>reiniciar</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Empezar una partida nueva</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>reglas</translation>
    </message>
    <message>
        <source>The rules of Marvane</source>
        <translation>Las reglas de Marvane</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opciones</translation>
    </message>
    <message>
        <source>Show Marvane Options</source>
        <translation>Mostrar las opciones de Marvane</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Select computer skill level</source>
        <translation>Elegir el nivel del ordenador</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 jug.</translation>
    </message>
    <message>
        <source>Select number of players</source>
        <translation>Elegir el número de jugadores</translation>
    </message>
    <message>
        <source>Position your  piece</source>
        <translation>Coloque su ficha</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>To play</source>
        <translation>Turno de</translation>
    </message>
    <message>
        <source>White score</source>
        <translation>Puntos de Blanco</translation>
    </message>
    <message>
        <source>Black score</source>
        <translation>Puntos de Negro</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Puntos de %1</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 jug.</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 was not found in %2
The sounds in use are kept.</source>
        <translation>No se encontró %1 en %2
Se mantienen los sonidos actuales.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>%1 no se puede leer como sonido
Se mantienen los sonidos actuales.</translation>
    </message>
    <message>
        <source>Marvane Bitmaps (*.bmp)</source>
        <translation>Imágenes de Marvane (*.bmp)</translation>
    </message>
    <message>
        <source>Marvane Sound Files (*.wav)</source>
        <translation>Archivos de sonido de Marvane (*.wav)</translation>
    </message>
    <message>
        <source>No Sound device present or other audio error
 sounds disabled. </source>
        <translation>No hay dispositivo de sonido u otro error de audio;
 sonidos desactivados. </translation>
    </message>
    <message>
        <source>No sound files present, sound disabled. Click Yes to browse for files</source>
        <translation>No hay archivos de sonido; sonido desactivado. Pulse Sí para buscar los archivos</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane, de CORVATH</translation>
    </message>
</context>
</TS>
