<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AnalysisRoom</name>
    <message>
        <source>There is not enough memory for the analysis.</source>
        <translation>Non c&apos;è abbastanza memoria per l&apos;analisi.</translation>
    </message>
    <message>
        <source>The learned evaluation cannot be used, so hints, scores and reviews judge positions with a simpler formula.</source>
        <translation>Non è possibile usare la valutazione appresa, quindi suggerimenti, punteggi e analisi giudicano le posizioni con una formula più semplice.</translation>
    </message>
</context>
<context>
    <name>BoardAccess</name>
    <message>
        <source>Hint: row %1, column %2, score %3</source>
        <translation>Suggerimento: riga %1, colonna %2, punteggio %3</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2, score about %3</source>
        <translation>Suggerimento: riga %1, colonna %2, punteggio circa %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>, last move</source>
        <translation>, ultima mossa</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, mossa possibile</translation>
    </message>
    <message>
        <source>, hint</source>
        <translation>, suggerimento</translation>
    </message>
    <message>
        <source>, score %1</source>
        <translation>, punteggio %1</translation>
    </message>
    <message>
        <source>, score about %1</source>
        <translation>, punteggio circa %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla mossa</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti mossa</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Mostra l&apos;ultima mossa</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Mostra le mosse possibili</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Show Evaluations</source>
        <translation>Mostra i punteggi</translation>
    </message>
    <message>
        <source>Expert Hard Level</source>
        <translation>Livello Difficile esperto</translation>
    </message>
    <message>
        <source>Show Coordinates</source>
        <translation>Mostra le coordinate</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Standard Rules</source>
        <translation>Regole standard</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>There is no game to review.</source>
        <translation>Non c&apos;è nessuna partita da analizzare.</translation>
    </message>
    <message>
        <source>There are no moves to review yet.</source>
        <translation>Non ci sono ancora mosse da analizzare.</translation>
    </message>
    <message>
        <source>best</source>
        <comment>the move lost nothing</comment>
        <translation>migliore</translation>
    </message>
    <message>
        <source>Reviewing: %1 of %2 moves</source>
        <translation>Analisi: %1 di %2 mosse</translation>
    </message>
    <message>
        <source>Review stopped: %1 of %2 moves</source>
        <translation>Analisi interrotta: %1 di %2 mosse</translation>
    </message>
    <message>
        <source>Reviewed: what each move gave away (≈ an estimate)</source>
        <translation>Analizzata: quanto ha ceduto ogni mossa (≈ stima)</translation>
    </message>
    <message>
        <source>This game cannot be reviewed.</source>
        <translation>Questa partita non può essere analizzata.</translation>
    </message>
    <message>
        <source>The review knows Marvane&apos;s own rules only, and this game is played by the standard rules.</source>
        <translation>L&apos;analisi conosce solo le regole di Marvane, e questa partita si gioca con le regole standard.</translation>
    </message>
</context>
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
        <extracomment>%1 is the winning colour&apos;s name.</extracomment>
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
    <message>
        <source>Moves mirrored</source>
        <extracomment>Said after a game written the other way round was replayed in its mirror image.</extracomment>
        <translation>Mosse specchiate</translation>
    </message>
    <message>
        <source>This is not a game record: it holds binary data.</source>
        <translation>Questa non è una partita: contiene dati binari.</translation>
    </message>
    <message>
        <source>This is not a game record: line %1 is not UTF-8 text.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Questa non è una partita: la riga %1 non è testo UTF-8.</translation>
    </message>
    <message>
        <source>This is too long for a game record: more than 1 MB.</source>
        <translation>Il testo è troppo lungo per una partita: più di 1 MB.</translation>
    </message>
    <message>
        <source>Line %1 is a header line after the moves: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>La riga %1 è una riga d&apos;intestazione che viene dopo le mosse: %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a header line of the form %2: %3.</source>
        <extracomment>%1 is a line number, %2 the form of a header line as files write it, %3 the line as the file has it.</extracomment>
        <translation>La riga %1 non è una riga d&apos;intestazione nella forma %2: %3.</translation>
    </message>
    <message>
        <source>Line %1 repeats the header &quot;%2&quot;.</source>
        <extracomment>%1 is a line number, %2 the header&apos;s English name as files write it.</extracomment>
        <translation>La riga %1 ripete l&apos;intestazione &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Unknown header line %1: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>La riga %1 è una riga d&apos;intestazione sconosciuta: %2.</translation>
    </message>
    <message>
        <source>Line %1: the program is not named.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Riga %1: manca il nome del programma.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written as year.month.day.</source>
        <extracomment>%1 is a line number, %2 the date as the file has it.</extracomment>
        <translation>Riga %1: la data &quot;%2&quot; non è scritta come anno.mese.giorno.</translation>
    </message>
    <message>
        <source>Line %1: the time &quot;%2&quot; is not written as hours:minutes:seconds.</source>
        <extracomment>%1 is a line number, %2 the time as the file has it.</extracomment>
        <translation>Riga %1: l&apos;ora &quot;%2&quot; non è scritta come ore:minuti:secondi.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a colour pair of the game (two different of %3).</source>
        <extracomment>%1 is a line number, %2 the colours as the file has them, %3 the colour names a file may hold (in English).</extracomment>
        <translation>Riga %1: &quot;%2&quot; non è una coppia di colori del gioco (due colori diversi tra %3).</translation>
    </message>
    <message>
        <source>Line %1: the players &quot;%2&quot; are neither 1 nor 2.</source>
        <extracomment>%1 is a line number, %2 the number of players as the file has it.</extracomment>
        <translation>Riga %1: il numero di giocatori &quot;%2&quot; non è né 1 né 2.</translation>
    </message>
    <message>
        <source>Line %1: the level &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the level as the file has it; %3 and %4 are the two words a file may hold (Easy, Hard).</extracomment>
        <translation>Riga %1: il livello &quot;%2&quot; non è né %3 né %4.</translation>
    </message>
    <message>
        <source>Line %1: the orientation &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the orientation as the file has it; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Riga %1: l&apos;orientamento &quot;%2&quot; non è né %3 né %4.</translation>
    </message>
    <message>
        <source>Line %1: the start position is refused.</source>
        <extracomment>%1 is a line number. The reason follows in sentences of its own.</extracomment>
        <translation>Riga %1: la posizione iniziale viene rifiutata.</translation>
    </message>
    <message>
        <source>Line %1: the result &quot;%2&quot; is not two counts of counters such as &quot;34-30&quot;.</source>
        <extracomment>%1 is a line number, %2 the result as the file has it.</extracomment>
        <translation>Riga %1: il risultato &quot;%2&quot; non è formato da due conteggi di pedine come &quot;34-30&quot;.</translation>
    </message>
    <message>
        <source>The last move, move %1, is cut short: &quot;%2&quot; has no row digit.</source>
        <extracomment>%1 is the move&apos;s number, %2 the letter it starts with.</extracomment>
        <translation>L&apos;ultima mossa, la mossa %1, è troncata: a &quot;%2&quot; manca la cifra della riga.</translation>
    </message>
    <message>
        <source>Move %1, &quot;%2&quot;, is not a square of the board (a1 to h8).</source>
        <extracomment>%1 is the move&apos;s number, %2 the move as the file has it.</extracomment>
        <translation>La mossa %1, &quot;%2&quot;, non è una casella della scacchiera (da a1 a h8).</translation>
    </message>
    <message>
        <source>Move %1 is one too many: a game has at most %2 moves.</source>
        <extracomment>%1 is the move&apos;s number, %2 the most moves a game has (60).</extracomment>
        <translation>La mossa %1 è di troppo: una partita ha al massimo %2 mosse.</translation>
    </message>
    <message>
        <source>There are no moves in it.</source>
        <translation>Non contiene nessuna mossa.</translation>
    </message>
    <message>
        <source>The header says the moves are in the %1 orientation, but the first move, %2, starts a game in the %3 one: the two orientations are mixed.</source>
        <extracomment>%1 and %3 are the words files name the orientations by (Marvane, Usual), %2 a square.</extracomment>
        <translation>L&apos;intestazione dice che le mosse sono nell&apos;orientamento %1, ma la prima mossa, %2, inizia una partita nell&apos;orientamento %3: i due orientamenti sono mescolati.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not a square of the board.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>La mossa %1, %2 in %3, non è sulla scacchiera.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, cannot be played: %2 has no legal square, and this game has no passing.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>La mossa %1, %2 in %3, non può essere giocata: %2 non ha mosse possibili, e in questo gioco non si passa.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: the square is already taken.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>La mossa %1, %2 in %3, non è possibile: la casella è già occupata.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: it closes off no line of %4 counters.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square, %4 the other colour (a colour name).</extracomment>
        <translation>La mossa %1, %2 in %3, non è possibile: non racchiude nessuna fila di pedine avversarie (%4).</translation>
    </message>
    <message>
        <source>Its mirror image, %1, would be: the transcript seems to mix the two orientations.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>La sua immagine speculare, %1, lo sarebbe: la notazione sembra mescolare i due orientamenti.</translation>
    </message>
    <message>
        <source>The start position cannot occur in a game.</source>
        <extracomment>The reason follows in sentences of its own.</extracomment>
        <translation>La posizione iniziale non può presentarsi in nessuna partita.</translation>
    </message>
    <message>
        <source>The result %1 does not match the moves, which end %2.</source>
        <extracomment>%1 and %2 are results such as 34-30.</extracomment>
        <translation>Il risultato %1 non corrisponde alle mosse, che terminano con %2.</translation>
    </message>
    <message>
        <source>A game cannot be replayed while Autoplay runs.</source>
        <translation>Non si può rigiocare una partita mentre la demo è in corso.</translation>
    </message>
    <message>
        <source>A game never has fewer than the 4 counters it starts with; this position has %1.</source>
        <extracomment>%1 is a number of counters.</extracomment>
        <translation>Una partita non ha mai meno delle 4 pedine con cui inizia; questa posizione ne ha %1.</translation>
    </message>
    <message>
        <source>The centre square %1 is empty, and the four centre squares are never empty in a game.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>La casella centrale %1 è vuota, ma le quattro caselle centrali non sono mai vuote in una partita.</translation>
    </message>
    <message>
        <source>The board is full: there is no move left to play.</source>
        <translation>La scacchiera è piena: non resta nessuna mossa da giocare.</translation>
    </message>
    <message>
        <source>The counter on %1 is cut off from the centre, and every counter is placed beside one already on the board.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>La pedina in %1 è staccata dal centro, ma ogni pedina viene posata accanto a una già presente sulla scacchiera.</translation>
    </message>
    <message>
        <source>This is too long for a position, which is 64 squares, a space and the side to play.</source>
        <translation>Il testo è troppo lungo per una posizione, che è composta da 64 caselle, uno spazio e il colore di turno.</translation>
    </message>
    <message>
        <source>There is no position in it.</source>
        <translation>Non contiene nessuna posizione.</translation>
    </message>
    <message>
        <source>A position has 64 squares, a1 to h8, before the side to play; this one has %1.</source>
        <extracomment>%1 is the number of characters found.</extracomment>
        <translation>Una posizione ha 64 caselle, da a1 a h8, prima del colore di turno; questa ne ha %1.</translation>
    </message>
    <message>
        <source>Square %1 holds &quot;%2&quot;, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square, %2 the character found there. X, O and - are what the position holds: keep them.</extracomment>
        <translation>La casella %1 contiene &quot;%2&quot;, che non è né X (pedina nera), né O (pedina bianca), né - (casella vuota).</translation>
    </message>
    <message>
        <source>Square %1 holds a character, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square. X, O and - are what the position holds: keep them.</extracomment>
        <translation>La casella %1 contiene un carattere che non è né X (pedina nera), né O (pedina bianca), né - (casella vuota).</translation>
    </message>
    <message>
        <source>The side to play, X or O, is missing after the 64 squares.</source>
        <extracomment>X and O are what the position holds: keep them.</extracomment>
        <translation>Manca il colore di turno, X o O, dopo le 64 caselle.</translation>
    </message>
    <message>
        <source>The side to play must be X (black) or O (white), not &quot;%1&quot;.</source>
        <extracomment>%1 is the text found instead. X and O are what the position holds: keep them.</extracomment>
        <translation>Il colore di turno deve essere X (Nero) o O (Bianco), non &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is more text after the side to play.</source>
        <translation>C&apos;è altro testo dopo il colore di turno.</translation>
    </message>
    <message>
        <source>%1 has no legal square and passes.</source>
        <extracomment>Said on the turn line under standard rules. %1 is the colour that passes (a colour name).</extracomment>
        <translation>%1 non ha caselle legali e passa.</translation>
    </message>
    <message>
        <source>Standard rules: a side with no legal square passes.</source>
        <extracomment>Said after a game was opened that can only be played with passes, or that says so.</extracomment>
        <translation>Regole standard: un lato senza caselle legali passa.</translation>
    </message>
    <message>
        <source>Line %1: the rules &quot;%2&quot; are neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the rules as the file has them; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Riga %1: le regole &quot;%2&quot; non sono né %3 né %4.</translation>
    </message>
    <message>
        <source>A position with 4 counters is the start, two of each colour crosswise in the centre, and this one is not.</source>
        <translation>Una posizione con 4 pedine è quella iniziale, due per colore incrociate al centro, e questa non lo è.</translation>
    </message>
</context>
<context>
    <name>KeyList</name>
    <message>
        <source>Undo (Game menu)</source>
        <translation>Annulla mossa (menu Partita)</translation>
    </message>
    <message>
        <source>Redo (Game menu)</source>
        <translation>Ripeti mossa (menu Partita)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Frecce</translation>
    </message>
    <message>
        <source>board</source>
        <translation>scacchiera</translation>
    </message>
    <message>
        <source>move the focus square</source>
        <translation>spostare la casella attiva</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, Fine</translation>
    </message>
    <message>
        <source>go to the first or last square of the focus square&apos;s row</source>
        <translation>andare alla prima o ultima casella della riga attiva</translation>
    </message>
    <message>
        <source>a-h, then 1-8</source>
        <translation>a-h, poi 1-8</translation>
    </message>
    <message>
        <source>go to that column and row (&quot;e3&quot;)</source>
        <translation>andare a quella colonna e riga (&quot;e3&quot;)</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Spazio, Invio</translation>
    </message>
    <message>
        <source>play the focus square, exactly as a click on it would</source>
        <translation>giocare la casella attiva, come un clic su di essa</translation>
    </message>
    <message>
        <source>Up, Down, Home, End</source>
        <translation>Su, Giù, Home, Fine</translation>
    </message>
    <message>
        <source>move list</source>
        <translation>elenco delle mosse</translation>
    </message>
    <message>
        <source>step to the next, previous, first or last position</source>
        <translation>andare alla posizione successiva, precedente, prima o ultima</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>move list, keys list</source>
        <translation>elenco delle mosse, elenco dei tasti</translation>
    </message>
    <message>
        <source>close that window</source>
        <translation>chiudere quella finestra</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maiusc+Tab</translation>
    </message>
    <message>
        <source>options panel open</source>
        <translation>opzioni aperte</translation>
    </message>
    <message>
        <source>move between the board and the panel&apos;s controls</source>
        <translation>passare dalla scacchiera ai controlli del pannello</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down</source>
        <translation>Su, Giù, Pag Su, Pag Giù</translation>
    </message>
    <message>
        <source>response time box</source>
        <translation>campo Tempo di risposta</translation>
    </message>
    <message>
        <source>change the response time (Page keys in steps of 100 ms)</source>
        <translation>cambiare il tempo di risposta (tasti Pag a passi di 100 ms)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>options check boxes</source>
        <translation>caselle di spunta delle opzioni</translation>
    </message>
    <message>
        <source>tick or untick the box</source>
        <translation>selezionare o deselezionare la casella</translation>
    </message>
    <message>
        <source>Alt, then arrows, Enter, Esc</source>
        <translation>Alt, poi frecce, Invio, Esc</translation>
    </message>
    <message>
        <source>menu bar shown</source>
        <translation>barra dei menu visibile</translation>
    </message>
    <message>
        <source>open and work the menus</source>
        <translation>aprire e usare i menu</translation>
    </message>
    <message>
        <source>anywhere</source>
        <translation>ovunque</translation>
    </message>
    <message>
        <source>%1 (%2 menu)</source>
        <translation>%1 (menu %2)</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <translation>%1 (%2): %3.</translation>
    </message>
    <message>
        <source>Keys.</source>
        <translation>Tasti.</translation>
    </message>
    <message>
        <source>&quot;restart&quot;: start a new game</source>
        <translation>&quot;riavvia&quot;: iniziare una nuova partita</translation>
    </message>
    <message>
        <source>&quot;quit&quot;: close Marvane</source>
        <translation>&quot;esci&quot;: chiudere Marvane</translation>
    </message>
    <message>
        <source>&quot;rules&quot;: show the rules</source>
        <translation>&quot;regole&quot;: mostrare le regole</translation>
    </message>
    <message>
        <source>close the panel, as its &quot;Return to Marvane&quot; does</source>
        <translation>chiudere il pannello, come il suo &quot;Torna al gioco&quot;</translation>
    </message>
    <message>
        <source>rules or options panel open</source>
        <translation>regole o opzioni aperte</translation>
    </message>
    <message>
        <source>&quot;finish&quot;: end the game</source>
        <translation>&quot;termina&quot;: finire la partita</translation>
    </message>
    <message>
        <source>&quot;2 Players&quot;, &quot;1 Player&quot;: play against the computer or a person</source>
        <translation>&quot;2 gioc.&quot;, &quot;1 gioc.&quot;: giocare contro il computer o una persona</translation>
    </message>
    <message>
        <source>&quot;Easy&quot;, &quot;Hard&quot;: switch the computer&apos;s level</source>
        <translation>&quot;Facile&quot;, &quot;Difficile&quot;: cambiare il livello del computer</translation>
    </message>
    <message>
        <source>against the computer</source>
        <translation>contro il computer</translation>
    </message>
    <message>
        <source>&quot;options&quot;: open the options panel</source>
        <translation>&quot;opzioni&quot;: aprire le opzioni</translation>
    </message>
    <message>
        <source>play the hint&apos;s square</source>
        <translation>giocare la casella del suggerimento</translation>
    </message>
    <message>
        <source>hint shown</source>
        <translation>suggerimento mostrato</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Marvane Keys</source>
        <translation>Tasti di Marvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Dove</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Cosa fa</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
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
        <translation>Demo</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
<context>
    <name>MoveList</name>
    <message>
        <source>Move List</source>
        <translation>Elenco delle mosse</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Choose a move to show the board as it was after it.</source>
        <translation>Scegli una mossa per vedere la scacchiera com&apos;era dopo di essa.</translation>
    </message>
    <message>
        <source>Autoplay is running: the list follows it.</source>
        <translation>La demo è in corso: l&apos;elenco la segue.</translation>
    </message>
    <message>
        <source>Stop Review</source>
        <translation>Ferma l&apos;analisi</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizza la partita</translation>
    </message>
    <message>
        <source>, a worst mistake</source>
        <translation>, uno degli errori peggiori</translation>
    </message>
    <message>
        <source>, taken back</source>
        <translation>, annullata</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
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
    <name>RecordCommands</name>
    <message>
        <source>Game files (*.txt);;All files (*)</source>
        <translation>File di partita (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <translation>%1 %2-%3, %4</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>termina</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>The file is too large for a game record: %1, where a record is at most 1 MB.</source>
        <translation>Il file è troppo grande per una partita: %1, mentre una partita occupa al massimo 1 MB.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>more than 1 MB</source>
        <translation>più di 1 MB</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>È una cartella, non un file.</translation>
    </message>
    <message>
        <source>This is %1.</source>
        <translation>È %1.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Il file non può essere aperto: %1.</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Elenco delle mosse</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizza la partita</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Copia le mosse</translation>
    </message>
    <message>
        <source>Copy Moves for Other Programs</source>
        <translation>Copia le mosse per altri programmi</translation>
    </message>
    <message>
        <source>Paste Moves</source>
        <translation>Incolla le mosse</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Copia la posizione</translation>
    </message>
    <message>
        <source>Paste Position</source>
        <translation>Incolla la posizione</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Salva la partita...</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Apri una partita...</translation>
    </message>
    <message>
        <source>Start: the position</source>
        <translation>Inizio: la posizione</translation>
    </message>
    <message>
        <source>The clipboard holds no position to start from.</source>
        <translation>Gli appunti non contengono una posizione da cui partire.</translation>
    </message>
    <message>
        <source>The position on the clipboard cannot be played.</source>
        <translation>La posizione negli appunti non può essere giocata.</translation>
    </message>
    <message>
        <source>The moves on the clipboard cannot be replayed.</source>
        <translation>Le mosse negli appunti non possono essere rigiocate.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves to replay.</source>
        <translation>Gli appunti non contengono mosse da rigiocare.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salva la partita</translation>
    </message>
    <message>
        <source>The game was not saved to &quot;%1&quot;.</source>
        <translation>La partita non è stata salvata in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Apri una partita</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>&quot;%1&quot; non può essere aperto.</translation>
    </message>
    <message>
        <source>Its record would be %1 bytes long, and a game file is read only up to 1 MB (%2 bytes).</source>
        <translation>Occuperebbe %1 byte, e un file di partita si legge solo fino a 1 MB (%2 byte).</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Evaluation over the game</source>
        <translation>Punteggio nel corso della partita</translation>
    </message>
    <message>
        <source>start</source>
        <comment>the position before the first move</comment>
        <translation>inizio</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>mossa %1</translation>
    </message>
    <message>
        <source>%1: not reviewed yet</source>
        <translation>%1: ancora da analizzare</translation>
    </message>
    <message>
        <source>%1: even</source>
        <translation>%1: pari</translation>
    </message>
    <message>
        <source>%1: about even</source>
        <translation>%1: circa pari</translation>
    </message>
    <message>
        <source>%1: +%2 for %3</source>
        <comment>move 12: +4 discs for White</comment>
        <translation>%1: +%2 per %3</translation>
    </message>
    <message>
        <source>%1: about +%2 for %3</source>
        <comment>an estimate</comment>
        <translation>%1: circa +%2 per %3</translation>
    </message>
    <message>
        <source>discs</source>
        <translation>pedine</translation>
    </message>
    <message>
        <source>move</source>
        <comment>the axis of move numbers</comment>
        <translation>mossa</translation>
    </message>
    <message>
        <source>even</source>
        <comment>the line at 0: neither side leads</comment>
        <translation>pari</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 in vantaggio</translation>
    </message>
    <message>
        <source>exact score</source>
        <translation>punteggio esatto</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>stima</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Le regole di Marvane</translation>
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
        <translation>in cui posi la tua.</translation>
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
    <name>Settings</name>
    <message>
        <source>a folder, not a regular file</source>
        <extracomment>Each follows &quot;This is&quot;, &quot;The file is&quot; or a file&apos;s name and &quot;is&quot;.</extracomment>
        <translation>una cartella, non un file normale</translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation>una pipe con nome, non un file normale</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>un dispositivo, non un file normale</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>un socket, non un file normale</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>qualcosa che non è un file normale</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>La cartella &quot;%1&quot; non esiste</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder &quot;%1&quot;</source>
        <translation>Non si ha il permesso di scrivere nella cartella &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>Il disco è pieno (%1)</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>Il file è %1</translation>
    </message>
    <message>
        <source>the old file cannot be kept as %1</source>
        <translation>il vecchio file non può essere conservato come %1</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Impossibile creare la chiave %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;: %2</source>
        <translation>Impossibile salvare i dati di &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what it is instead (&quot;a folder, not a regular file&quot;).</extracomment>
        <translation>%1 è %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile salvare i dati di &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dati non valido per &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossibile leggere i dati di &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is on a disk that cannot be written to</source>
        <translation>La cartella &quot;%1&quot; si trova su un disco su cui non si può scrivere</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1 è di sola lettura</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read, so the default options are used. Only the options you change are saved: this file is then kept as %2 and a new one is written</source>
        <translation>Il file delle impostazioni %1 supera 1 MB e non è stato letto, quindi si usano le opzioni predefinite. Si salvano solo le opzioni che cambi: questo file viene allora conservato come %2 e se ne scrive uno nuovo</translation>
    </message>
    <message>
        <source>The settings file %1, so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path and what it is instead (&quot;... is a folder, not a regular file&quot;).</extracomment>
        <translation>Il file delle impostazioni %1, quindi si usano le opzioni predefinite. Si salvano solo le opzioni che cambi</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>Impossibile leggere il file delle impostazioni %1 (%2), quindi si usano le opzioni predefinite. Si salvano solo le opzioni che cambi</translation>
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
        <translation>riavvia</translation>
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
        <translation>Punti del %1</translation>
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
    <name>SoundEffects</name>
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
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane di CORVATH</translation>
    </message>
</context>
</TS>
