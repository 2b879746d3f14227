<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>GameText</name>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Position Your Piece</source>
        <translation>Posa la pedina</translation>
    </message>
    <message>
        <source>It&apos;s a Draw</source>
        <translation>Pareggio</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>Vince %1</translation>
    </message>
    <message>
        <source>White</source>
        <comment>short: turn box and score labels</comment>
        <translation>Bianco</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>short: turn box and score labels</comment>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>short: turn box and score labels</comment>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>short: turn box and score labels</comment>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Cyan</source>
        <comment>short: turn box and score labels</comment>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>short: turn box and score labels</comment>
        <translation>Giallo</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Leave Marvane</source>
        <translation>Esci da Marvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Contact Corvath</source>
        <translation>Contatta Corvath</translation>
    </message>
    <message>
        <source>Visit our Website</source>
        <translation>Visita il nostro sito web</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Hide Menu</source>
        <translation>Nascondi il menu</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Black..White</source>
        <translation>Nero..Bianco</translation>
    </message>
    <message>
        <source>Red..Green</source>
        <translation>Rosso..Verde</translation>
    </message>
    <message>
        <source>Aqua..Yellow</source>
        <translation>Acqua..Giallo</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Mostra lo stato</translation>
    </message>
    <message>
        <source>Locate</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Autogioco</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Marvane Options</source>
        <translation>Opzioni di Marvane</translation>
    </message>
    <message>
        <source>Response time</source>
        <translation>Tempo di risposta</translation>
    </message>
    <message>
        <source>Milliseconds before the computer moves</source>
        <translation>Millisecondi prima che il computer muova</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Effetti sonori</translation>
    </message>
    <message>
        <source>Turn sound effects On or Off</source>
        <translation>Attiva o disattiva gli effetti sonori</translation>
    </message>
    <message>
        <source>Show Windows Menu</source>
        <translation>Mostra la barra dei menu</translation>
    </message>
    <message>
        <source>Show Windows Status Bar</source>
        <translation>Mostra la barra di stato</translation>
    </message>
    <message>
        <source>Go to our Web Site</source>
        <translation>Vai al nostro sito web</translation>
    </message>
    <message>
        <source>Email Corvath-Solutions</source>
        <translation>Scrivi a Corvath-Solutions</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Torna al gioco</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Le regole di Marvane</translation>
    </message>
    <message>
        <source>Keys: on the board, the arrow keys move the focus square, Home and End go to the first and last square of its row, a letter a to h and a digit 1 to 8 go to that column and row, and Space or Enter plays the square. Anywhere: Ctrl+N starts a new game, Ctrl+Q quits, F1 shows these rules, Ctrl+Z takes a move back, and Ctrl+Shift+Z or Ctrl+Y plays it again; Ctrl+L opens the move list, Ctrl+Shift+C and Ctrl+Shift+V copy and paste the moves, Ctrl+S saves the game and Ctrl+O opens one. While the options panel is open, Tab and Shift+Tab move between the board and its controls, Up and Down (Page Up and Page Down in larger steps) change the response time and Space ticks a box. With the menu bar shown, Alt moves into it; then the arrow keys, Enter and Escape work the menus.</source>
        <translation>Tasti: sulla scacchiera, le frecce spostano la casella attiva, Home e Fine vanno alla prima e all&apos;ultima casella della sua riga, una lettera da a a h e una cifra da 1 a 8 vanno a quella colonna e riga, e Spazio o Invio gioca la casella. Ovunque: Ctrl+N inizia una nuova partita, Ctrl+Q esce, F1 mostra queste regole, Ctrl+Z annulla una mossa, e Ctrl+Maiusc+Z o Ctrl+Y la rigioca; Ctrl+L apre l&apos;elenco delle mosse, Ctrl+Maiusc+C e Ctrl+Maiusc+V copiano e incollano le mosse, Ctrl+S salva la partita e Ctrl+O ne apre una. Con il pannello delle opzioni aperto, Tab e Maiusc+Tab passano dalla scacchiera ai suoi controlli, Su e Giù (Pag Su e Pag Giù a passi più grandi) cambiano il tempo di risposta e Spazio spunta una casella. Con la barra dei menu visibile, Alt vi entra; poi le frecce, Invio ed Esc usano i menu.</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Torna al gioco</translation>
    </message>
    <message>
        <source>Two player game</source>
        <translation>Gioco per due giocatori</translation>
    </message>
    <message>
        <source>Each player must chose their colour Black or White</source>
        <translation>Ogni giocatore sceglie il suo colore, Nero o Bianco.</translation>
    </message>
    <message>
        <source>White goes first, use the mouse to select a square </source>
        <translation>Il Bianco inizia: scegli una casella col mouse</translation>
    </message>
    <message>
        <source>and click the left button</source>
        <translation>e fai clic con il tasto sinistro.</translation>
    </message>
    <message>
        <source>The object of Marvane is to get as many of your</source>
        <translation>Lo scopo di Marvane è avere sulla scacchiera</translation>
    </message>
    <message>
        <source>coloured counters on the game grid as possible</source>
        <translation>più pedine possibile del tuo colore.</translation>
    </message>
    <message>
        <source>the game starts with 4 counters, in the centre</source>
        <translation>La partita inizia con 4 pedine nelle caselle</translation>
    </message>
    <message>
        <source>squares, 2 White and 2 Black, You can place</source>
        <translation>centrali, 2 bianche e 2 nere. Puoi posare</translation>
    </message>
    <message>
        <source>another counter of your colour following these rules</source>
        <translation>un&apos;altra pedina del tuo colore con queste regole:</translation>
    </message>
    <message>
        <source>1. The square must be empty</source>
        <translation>1. La casella deve essere vuota.</translation>
    </message>
    <message>
        <source>2. There must be at least 1 counter of the other</source>
        <translation>2. Ci deve essere almeno 1 pedina dell&apos;altro</translation>
    </message>
    <message>
        <source>colour in an adjacent square to the one</source>
        <translation>colore in una casella accanto a quella</translation>
    </message>
    <message>
        <source>that you are placing,</source>
        <translation>in cui posi la tua,</translation>
    </message>
    <message>
        <source>3. A counter of your own colour must be immediately</source>
        <translation>3. Una pedina del tuo colore deve stare subito</translation>
    </message>
    <message>
        <source>beyond the opposing counter/s</source>
        <translation>oltre la pedina o le pedine avversarie.</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restano</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Prese</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>esci</translation>
    </message>
    <message>
        <source>Leave  Marvane</source>
        <translation>Esci da Marvane</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>termina</translation>
    </message>
    <message>
        <source>Who won ?</source>
        <translation>Chi ha vinto?</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>di nuovo</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Inizia una nuova partita</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>regole</translation>
    </message>
    <message>
        <source>The rules of Marvane</source>
        <translation>Le regole di Marvane</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opzioni</translation>
    </message>
    <message>
        <source>Show Marvane Options</source>
        <translation>Mostra le opzioni di Marvane</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Select computer skill level</source>
        <translation>Scegli il livello del computer</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 gioc.</translation>
    </message>
    <message>
        <source>Select number of players</source>
        <translation>Scegli il numero di giocatori</translation>
    </message>
    <message>
        <source>Position your  piece</source>
        <translation>Posa la pedina</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>To play</source>
        <translation>Tocca a</translation>
    </message>
    <message>
        <source>White score</source>
        <translation>Punti del Bianco</translation>
    </message>
    <message>
        <source>Black score</source>
        <translation>Punti del Nero</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Punti di %1</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 gioc.</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 gioc.</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane di CORVATH</translation>
    </message>
</context>
<context>
    <name>marvane::SoundEffects</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 was not found in %2
The sounds in use are kept.</source>
        <translation>%1 non è stato trovato in %2
Si mantengono i suoni attuali.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>%1 non si può leggere come suono
Si mantengono i suoni attuali.</translation>
    </message>
    <message>
        <source>Marvane Bitmaps (*.bmp)</source>
        <translation>Immagini di Marvane (*.bmp)</translation>
    </message>
    <message>
        <source>Marvane Sound Files (*.wav)</source>
        <translation>File audio di Marvane (*.wav)</translation>
    </message>
    <message>
        <source>No Sound device present or other audio error
 sounds disabled. </source>
        <translation>Nessun dispositivo audio o altro errore audio,
 suoni disattivati. </translation>
    </message>
    <message>
        <source>No sound files present, sound disabled. Click Yes to browse for files</source>
        <translation>Nessun file audio presente, suono disattivato. Fai clic su Sì per cercare i file</translation>
    </message>
</context>
<context>
    <name>marvane::TMarvaneForm</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane di CORVATH</translation>
    </message>
    <message>
        <source>%1 Version %2  by Corvath</source>
        <translation>%1 versione %2 di Corvath</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;immagine bitmap non è valida</translation>
    </message>
</context>
</TS>
