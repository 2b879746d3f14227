<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Las reglas de Marvane</translation>
    </message>
    <message>
        <source>Keys: on the board, the arrow keys move the focus square, Home and End go to the first and last square of its row, a letter a to h and a digit 1 to 8 go to that column and row, and Space or Enter plays the square. Anywhere: Ctrl+N starts a new game, Ctrl+Q quits, F1 shows these rules, Ctrl+Z takes a move back, and Ctrl+Shift+Z or Ctrl+Y plays it again; Ctrl+L opens the move list, Ctrl+Shift+C and Ctrl+Shift+V copy and paste the moves, Ctrl+S saves the game and Ctrl+O opens one. While the options panel is open, Tab and Shift+Tab move between the board and its controls, Up and Down (Page Up and Page Down in larger steps) change the response time and Space ticks a box. With the menu bar shown, Alt moves into it; then the arrow keys, Enter and Escape work the menus.</source>
        <translation>Teclas: en el tablero, las flechas mueven la casilla activa, Inicio y Fin van a la primera y a la última casilla de su fila, una letra de la a a la h y un dígito del 1 al 8 van a esa columna y fila, y Espacio o Intro juega la casilla. En cualquier lugar: Ctrl+N empieza una partida nueva, Ctrl+Q sale, F1 muestra estas reglas, Ctrl+Z deshace una jugada, y Ctrl+Mayús+Z o Ctrl+Y la vuelve a jugar; Ctrl+L abre la lista de jugadas, Ctrl+Mayús+C y Ctrl+Mayús+V copian y pegan las jugadas, Ctrl+S guarda la partida y Ctrl+O abre una. Con el panel de opciones abierto, Tab y Mayús+Tab pasan del tablero a sus controles, Arriba y Abajo (Re Pág y Av Pág en pasos mayores) cambian el tiempo de respuesta y Espacio marca una casilla. Con la barra de menús visible, Alt entra en ella; después las flechas, Intro y Escape manejan los menús.</translation>
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
        <translation>donde coloca la suya,</translation>
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
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane, de CORVATH</translation>
    </message>
</context>
<context>
    <name>marvane::SoundEffects</name>
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
    <name>marvane::TMarvaneForm</name>
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
</TS>
