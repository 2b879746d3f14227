<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AnalysisRoom</name>
    <message>
        <source>There is not enough memory for the analysis.</source>
        <translation>Für die Analyse ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The learned evaluation cannot be used, so hints, scores and reviews judge positions with a simpler formula.</source>
        <translation>Die gelernte Bewertung kann nicht verwendet werden; Tipps, Bewertungen und Analysen beurteilen Stellungen daher mit einer einfacheren Formel.</translation>
    </message>
</context>
<context>
    <name>BoardAccess</name>
    <message>
        <source>Hint: row %1, column %2, score %3</source>
        <translation>Tipp: Reihe %1, Spalte %2, Wertung %3</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2, score about %3</source>
        <translation>Tipp: Reihe %1, Spalte %2, Wertung etwa %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>Reihe %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>, last move</source>
        <translation>, letzter Zug</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, möglicher Zug</translation>
    </message>
    <message>
        <source>, hint</source>
        <translation>, Tipp</translation>
    </message>
    <message>
        <source>, score %1</source>
        <translation>, Wertung %1</translation>
    </message>
    <message>
        <source>, score about %1</source>
        <translation>, Wertung etwa %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Reihe %1</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zug zurück</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Zug wiederholen</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Letzten Zug zeigen</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Mögliche Züge zeigen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Show Evaluations</source>
        <translation>Wertungen zeigen</translation>
    </message>
    <message>
        <source>Expert Hard Level</source>
        <translation>Expertenstufe Schwer</translation>
    </message>
    <message>
        <source>Show Coordinates</source>
        <translation>Koordinaten zeigen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Standard Rules</source>
        <translation>Standardregeln</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>There is no game to review.</source>
        <translation>Es gibt keine Partie zu analysieren.</translation>
    </message>
    <message>
        <source>There are no moves to review yet.</source>
        <translation>Es gibt noch keine Züge zu analysieren.</translation>
    </message>
    <message>
        <source>best</source>
        <comment>the move lost nothing</comment>
        <translation>bester</translation>
    </message>
    <message>
        <source>Reviewing: %1 of %2 moves</source>
        <translation>Analyse: %1 von %2 Zügen</translation>
    </message>
    <message>
        <source>Review stopped: %1 of %2 moves</source>
        <translation>Analyse angehalten: %1 von %2 Zügen</translation>
    </message>
    <message>
        <source>Reviewed: what each move gave away (≈ an estimate)</source>
        <translation>Analysiert: was jeder Zug hergab (≈ geschätzt)</translation>
    </message>
    <message>
        <source>This game cannot be reviewed.</source>
        <translation>Diese Partie kann nicht analysiert werden.</translation>
    </message>
    <message>
        <source>The review knows Marvane&apos;s own rules only, and this game is played by the standard rules.</source>
        <translation>Die Spielanalyse kennt nur Marvanes eigene Regeln, und diese Partie wird nach den Standardregeln gespielt.</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Position Your Piece</source>
        <translation>Setz deinen Stein</translation>
    </message>
    <message>
        <source>It&apos;s a Draw</source>
        <translation>Unentschieden</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <extracomment>%1 is the winning colour&apos;s name.</extracomment>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <source>White</source>
        <comment>short: turn box and score labels</comment>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>short: turn box and score labels</comment>
        <translation>Schw.</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>short: turn box and score labels</comment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>short: turn box and score labels</comment>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Cyan</source>
        <comment>short: turn box and score labels</comment>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>short: turn box and score labels</comment>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Moves mirrored</source>
        <extracomment>Said after a game written the other way round was replayed in its mirror image.</extracomment>
        <translation>Züge gespiegelt</translation>
    </message>
    <message>
        <source>This is not a game record: it holds binary data.</source>
        <translation>Das ist keine Partie: Es enthält Binärdaten.</translation>
    </message>
    <message>
        <source>This is not a game record: line %1 is not UTF-8 text.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Das ist keine Partie: Zeile %1 ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>This is too long for a game record: more than 1 MB.</source>
        <translation>Das ist zu lang für eine Partie: mehr als 1 MB.</translation>
    </message>
    <message>
        <source>Line %1 is a header line after the moves: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>Zeile %1 ist eine Kopfzeile nach den Zügen: %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a header line of the form %2: %3.</source>
        <extracomment>%1 is a line number, %2 the form of a header line as files write it, %3 the line as the file has it.</extracomment>
        <translation>Zeile %1 ist keine Kopfzeile der Form %2: %3.</translation>
    </message>
    <message>
        <source>Line %1 repeats the header &quot;%2&quot;.</source>
        <extracomment>%1 is a line number, %2 the header&apos;s English name as files write it.</extracomment>
        <translation>Zeile %1 wiederholt die Kopfzeile „%2“.</translation>
    </message>
    <message>
        <source>Unknown header line %1: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>Zeile %1 ist eine unbekannte Kopfzeile: %2.</translation>
    </message>
    <message>
        <source>Line %1: the program is not named.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Zeile %1: Der Name des Programms fehlt.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written as year.month.day.</source>
        <extracomment>%1 is a line number, %2 the date as the file has it.</extracomment>
        <translation>Zeile %1: Das Datum „%2“ ist nicht als Jahr.Monat.Tag geschrieben.</translation>
    </message>
    <message>
        <source>Line %1: the time &quot;%2&quot; is not written as hours:minutes:seconds.</source>
        <extracomment>%1 is a line number, %2 the time as the file has it.</extracomment>
        <translation>Zeile %1: Die Uhrzeit „%2“ ist nicht als Stunden:Minuten:Sekunden geschrieben.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a colour pair of the game (two different of %3).</source>
        <extracomment>%1 is a line number, %2 the colours as the file has them, %3 the colour names a file may hold (in English).</extracomment>
        <translation>Zeile %1: „%2“ ist kein Farbpaar des Spiels (zwei verschiedene aus %3).</translation>
    </message>
    <message>
        <source>Line %1: the players &quot;%2&quot; are neither 1 nor 2.</source>
        <extracomment>%1 is a line number, %2 the number of players as the file has it.</extracomment>
        <translation>Zeile %1: Die Spielerzahl „%2“ ist weder 1 noch 2.</translation>
    </message>
    <message>
        <source>Line %1: the level &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the level as the file has it; %3 and %4 are the two words a file may hold (Easy, Hard).</extracomment>
        <translation>Zeile %1: Die Spielstärke „%2“ ist weder %3 noch %4.</translation>
    </message>
    <message>
        <source>Line %1: the orientation &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the orientation as the file has it; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Zeile %1: Die Ausrichtung „%2“ ist weder %3 noch %4.</translation>
    </message>
    <message>
        <source>Line %1: the start position is refused.</source>
        <extracomment>%1 is a line number. The reason follows in sentences of its own.</extracomment>
        <translation>Zeile %1: Die Startstellung wird abgelehnt.</translation>
    </message>
    <message>
        <source>Line %1: the result &quot;%2&quot; is not two counts of counters such as &quot;34-30&quot;.</source>
        <extracomment>%1 is a line number, %2 the result as the file has it.</extracomment>
        <translation>Zeile %1: Das Ergebnis „%2“ besteht nicht aus zwei Steinzahlen wie „34-30“.</translation>
    </message>
    <message>
        <source>The last move, move %1, is cut short: &quot;%2&quot; has no row digit.</source>
        <extracomment>%1 is the move&apos;s number, %2 the letter it starts with.</extracomment>
        <translation>Der letzte Zug, Zug %1, ist unvollständig: „%2“ hat keine Ziffer für die Reihe.</translation>
    </message>
    <message>
        <source>Move %1, &quot;%2&quot;, is not a square of the board (a1 to h8).</source>
        <extracomment>%1 is the move&apos;s number, %2 the move as the file has it.</extracomment>
        <translation>Zug %1, „%2“, ist kein Feld des Bretts (a1 bis h8).</translation>
    </message>
    <message>
        <source>Move %1 is one too many: a game has at most %2 moves.</source>
        <extracomment>%1 is the move&apos;s number, %2 the most moves a game has (60).</extracomment>
        <translation>Zug %1 ist einer zu viel: Eine Partie hat höchstens %2 Züge.</translation>
    </message>
    <message>
        <source>There are no moves in it.</source>
        <translation>Darin stehen keine Züge.</translation>
    </message>
    <message>
        <source>The header says the moves are in the %1 orientation, but the first move, %2, starts a game in the %3 one: the two orientations are mixed.</source>
        <extracomment>%1 and %3 are the words files name the orientations by (Marvane, Usual), %2 a square.</extracomment>
        <translation>Laut Kopfzeile sind die Züge in der Ausrichtung %1 notiert, aber der erste Zug, %2, beginnt eine Partie in der Ausrichtung %3: Die beiden Ausrichtungen sind vermischt.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not a square of the board.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Zug %1, %2 auf %3, liegt nicht auf dem Brett.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, cannot be played: %2 has no legal square, and this game has no passing.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Zug %1, %2 auf %3, kann nicht gespielt werden: %2 hat keinen möglichen Zug, und in diesem Spiel wird nicht gepasst.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: the square is already taken.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Zug %1, %2 auf %3, ist nicht möglich: Das Feld ist schon besetzt.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: it closes off no line of %4 counters.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square, %4 the other colour (a colour name).</extracomment>
        <translation>Zug %1, %2 auf %3, ist nicht möglich: Er schließt keine Reihe gegnerischer Steine (%4) ein.</translation>
    </message>
    <message>
        <source>Its mirror image, %1, would be: the transcript seems to mix the two orientations.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Sein Spiegelbild, %1, wäre möglich: Die Notation scheint die beiden Ausrichtungen zu vermischen.</translation>
    </message>
    <message>
        <source>The start position cannot occur in a game.</source>
        <extracomment>The reason follows in sentences of its own.</extracomment>
        <translation>Die Startstellung kann in keiner Partie vorkommen.</translation>
    </message>
    <message>
        <source>The result %1 does not match the moves, which end %2.</source>
        <extracomment>%1 and %2 are results such as 34-30.</extracomment>
        <translation>Das Ergebnis %1 passt nicht zu den Zügen, die mit %2 enden.</translation>
    </message>
    <message>
        <source>A game cannot be replayed while Autoplay runs.</source>
        <translation>Solange das Selbstspiel läuft, kann keine Partie nachgespielt werden.</translation>
    </message>
    <message>
        <source>A game never has fewer than the 4 counters it starts with; this position has %1.</source>
        <extracomment>%1 is a number of counters.</extracomment>
        <translation>Eine Partie hat nie weniger als die 4 Steine, mit denen sie beginnt; diese Stellung hat %1.</translation>
    </message>
    <message>
        <source>The centre square %1 is empty, and the four centre squares are never empty in a game.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Das Mittelfeld %1 ist leer, doch die vier Mittelfelder sind in einer Partie nie leer.</translation>
    </message>
    <message>
        <source>The board is full: there is no move left to play.</source>
        <translation>Das Brett ist voll: Es bleibt kein Zug mehr zu spielen.</translation>
    </message>
    <message>
        <source>The counter on %1 is cut off from the centre, and every counter is placed beside one already on the board.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Der Stein auf %1 ist von der Mitte abgeschnitten, doch jeder Stein wird neben einen gesetzt, der schon auf dem Brett liegt.</translation>
    </message>
    <message>
        <source>This is too long for a position, which is 64 squares, a space and the side to play.</source>
        <translation>Das ist zu lang für eine Stellung, die aus 64 Feldern, einem Leerzeichen und der Seite am Zug besteht.</translation>
    </message>
    <message>
        <source>There is no position in it.</source>
        <translation>Darin steht keine Stellung.</translation>
    </message>
    <message>
        <source>A position has 64 squares, a1 to h8, before the side to play; this one has %1.</source>
        <extracomment>%1 is the number of characters found.</extracomment>
        <translation>Eine Stellung hat 64 Felder, a1 bis h8, vor der Seite am Zug; diese hat %1.</translation>
    </message>
    <message>
        <source>Square %1 holds &quot;%2&quot;, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square, %2 the character found there. X, O and - are what the position holds: keep them.</extracomment>
        <translation>Feld %1 enthält „%2“, ein Zeichen, das weder X (schwarz), O (weiß) noch - (leer) ist.</translation>
    </message>
    <message>
        <source>Square %1 holds a character, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square. X, O and - are what the position holds: keep them.</extracomment>
        <translation>Feld %1 enthält ein Zeichen, das weder X (schwarz), O (weiß) noch - (leer) ist.</translation>
    </message>
    <message>
        <source>The side to play, X or O, is missing after the 64 squares.</source>
        <extracomment>X and O are what the position holds: keep them.</extracomment>
        <translation>Die Seite am Zug, X oder O, fehlt nach den 64 Feldern.</translation>
    </message>
    <message>
        <source>The side to play must be X (black) or O (white), not &quot;%1&quot;.</source>
        <extracomment>%1 is the text found instead. X and O are what the position holds: keep them.</extracomment>
        <translation>Die Seite am Zug muss X (Schwarz) oder O (Weiß) sein, nicht „%1“.</translation>
    </message>
    <message>
        <source>There is more text after the side to play.</source>
        <translation>Nach der Seite am Zug folgt noch weiterer Text.</translation>
    </message>
    <message>
        <source>%1 has no legal square and passes.</source>
        <extracomment>Said on the turn line under standard rules. %1 is the colour that passes (a colour name).</extracomment>
        <translation>%1 hat kein erlaubtes Feld und passt.</translation>
    </message>
    <message>
        <source>Standard rules: a side with no legal square passes.</source>
        <extracomment>Said after a game was opened that can only be played with passes, or that says so.</extracomment>
        <translation>Standardregeln: Eine Seite ohne erlaubtes Feld passt.</translation>
    </message>
    <message>
        <source>Line %1: the rules &quot;%2&quot; are neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the rules as the file has them; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Zeile %1: Die Regeln „%2“ sind weder %3 noch %4.</translation>
    </message>
    <message>
        <source>A position with 4 counters is the start, two of each colour crosswise in the centre, and this one is not.</source>
        <translation>Eine Stellung mit 4 Steinen ist der Anfang, je zwei jeder Farbe über Kreuz in der Mitte, und diese ist es nicht.</translation>
    </message>
</context>
<context>
    <name>KeyList</name>
    <message>
        <source>Undo (Game menu)</source>
        <translation>Zug zurück (Menü Spiel)</translation>
    </message>
    <message>
        <source>Redo (Game menu)</source>
        <translation>Zug wiederholen (Menü Spiel)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>move the focus square</source>
        <translation>das Fokusfeld bewegen</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Pos1, Ende</translation>
    </message>
    <message>
        <source>go to the first or last square of the focus square&apos;s row</source>
        <translation>zum ersten oder letzten Feld der Reihe des Fokusfelds springen</translation>
    </message>
    <message>
        <source>a-h, then 1-8</source>
        <translation>a-h, dann 1-8</translation>
    </message>
    <message>
        <source>go to that column and row (&quot;e3&quot;)</source>
        <translation>zu dieser Spalte und Reihe springen („e3“)</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Leertaste, Eingabe</translation>
    </message>
    <message>
        <source>play the focus square, exactly as a click on it would</source>
        <translation>auf das Fokusfeld setzen, genau wie ein Klick darauf</translation>
    </message>
    <message>
        <source>Up, Down, Home, End</source>
        <translation>Auf, Ab, Pos1, Ende</translation>
    </message>
    <message>
        <source>move list</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>step to the next, previous, first or last position</source>
        <translation>zur nächsten, vorigen, ersten oder letzten Stellung gehen</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>move list, keys list</source>
        <translation>Zugliste, Tastenliste</translation>
    </message>
    <message>
        <source>close that window</source>
        <translation>dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>options panel open</source>
        <translation>Optionen offen</translation>
    </message>
    <message>
        <source>move between the board and the panel&apos;s controls</source>
        <translation>zwischen dem Brett und den Bedienelementen wechseln</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down</source>
        <translation>Auf, Ab, Bild auf, Bild ab</translation>
    </message>
    <message>
        <source>response time box</source>
        <translation>Eingabefeld Antwortzeit</translation>
    </message>
    <message>
        <source>change the response time (Page keys in steps of 100 ms)</source>
        <translation>die Antwortzeit ändern (Bild-Tasten in Schritten von 100 ms)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>options check boxes</source>
        <translation>Kontrollkästchen der Optionen</translation>
    </message>
    <message>
        <source>tick or untick the box</source>
        <translation>das Häkchen setzen oder entfernen</translation>
    </message>
    <message>
        <source>Alt, then arrows, Enter, Esc</source>
        <translation>Alt, dann Pfeile, Eingabe, Esc</translation>
    </message>
    <message>
        <source>menu bar shown</source>
        <translation>Menüleiste sichtbar</translation>
    </message>
    <message>
        <source>open and work the menus</source>
        <translation>die Menüs öffnen und bedienen</translation>
    </message>
    <message>
        <source>anywhere</source>
        <translation>überall</translation>
    </message>
    <message>
        <source>%1 (%2 menu)</source>
        <translation>%1 (Menü %2)</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <translation>%1 (%2): %3.</translation>
    </message>
    <message>
        <source>Keys.</source>
        <translation>Tasten.</translation>
    </message>
    <message>
        <source>&quot;restart&quot;: start a new game</source>
        <translation>„neu“: ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>&quot;quit&quot;: close Marvane</source>
        <translation>„beenden“: Marvane schließen</translation>
    </message>
    <message>
        <source>&quot;rules&quot;: show the rules</source>
        <translation>„regeln“: die Regeln zeigen</translation>
    </message>
    <message>
        <source>close the panel, as its &quot;Return to Marvane&quot; does</source>
        <translation>die Ansicht schließen, wie mit „Zurück zum Spiel“</translation>
    </message>
    <message>
        <source>rules or options panel open</source>
        <translation>Regeln oder Optionen offen</translation>
    </message>
    <message>
        <source>&quot;finish&quot;: end the game</source>
        <translation>„werten“: das Spiel beenden</translation>
    </message>
    <message>
        <source>&quot;2 Players&quot;, &quot;1 Player&quot;: play against the computer or a person</source>
        <translation>„2 Spieler“, „1 Spieler“: gegen den Computer oder eine Person spielen</translation>
    </message>
    <message>
        <source>&quot;Easy&quot;, &quot;Hard&quot;: switch the computer&apos;s level</source>
        <translation>„Leicht“, „Schwer“: die Spielstärke des Computers wechseln</translation>
    </message>
    <message>
        <source>against the computer</source>
        <translation>gegen den Computer</translation>
    </message>
    <message>
        <source>&quot;options&quot;: open the options panel</source>
        <translation>„optionen“: die Optionen öffnen</translation>
    </message>
    <message>
        <source>play the hint&apos;s square</source>
        <translation>das Feld des Tipps spielen</translation>
    </message>
    <message>
        <source>hint shown</source>
        <translation>Tipp angezeigt</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Marvane Keys</source>
        <translation>Tasten von Marvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Was sie tut</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Leave Marvane</source>
        <translation>Marvane beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Contact Corvath</source>
        <translation>Corvath kontaktieren</translation>
    </message>
    <message>
        <source>Visit our Website</source>
        <translation>Unsere Website besuchen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Hide Menu</source>
        <translation>Menü ausblenden</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Black..White</source>
        <translation>Schwarz..Weiß</translation>
    </message>
    <message>
        <source>Red..Green</source>
        <translation>Rot..Grün</translation>
    </message>
    <message>
        <source>Aqua..Yellow</source>
        <translation>Aqua..Gelb</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Status zeigen</translation>
    </message>
    <message>
        <source>Locate</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Selbstspiel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane von CORVATH</translation>
    </message>
    <message>
        <source>%1 Version %2  by Corvath</source>
        <translation>%1 Version %2 von Corvath</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Das Bild ist keine gültige Bitmap</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Move List</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Choose a move to show the board as it was after it.</source>
        <translation>Wähle einen Zug, um das Brett danach zu zeigen.</translation>
    </message>
    <message>
        <source>Autoplay is running: the list follows it.</source>
        <translation>Das Selbstspiel läuft: Die Liste folgt ihm.</translation>
    </message>
    <message>
        <source>Stop Review</source>
        <translation>Analyse anhalten</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Partie analysieren</translation>
    </message>
    <message>
        <source>, a worst mistake</source>
        <translation>, einer der schlimmsten Fehler</translation>
    </message>
    <message>
        <source>, taken back</source>
        <translation>, zurückgenommen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>, opening: %1</source>
        <translation>, Eröffnung: %1</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Marvane Options</source>
        <translation>Marvane-Optionen</translation>
    </message>
    <message>
        <source>Response time</source>
        <translation>Antwortzeit</translation>
    </message>
    <message>
        <source>Milliseconds before the computer moves</source>
        <translation>Millisekunden, bevor der Computer zieht</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Toneffekte</translation>
    </message>
    <message>
        <source>Turn sound effects On or Off</source>
        <translation>Toneffekte ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Show Windows Menu</source>
        <translation>Menüleiste zeigen</translation>
    </message>
    <message>
        <source>Show Windows Status Bar</source>
        <translation>Statusleiste zeigen</translation>
    </message>
    <message>
        <source>Go to our Web Site</source>
        <translation>Zu unserer Website</translation>
    </message>
    <message>
        <source>Email Corvath-Solutions</source>
        <translation>E-Mail an Corvath-Solutions</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Zurück zum Spiel</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Game files (*.txt);;All files (*)</source>
        <translation>Spieldateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <translation>%1 %2-%3, %4</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>werten</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>The file is too large for a game record: %1, where a record is at most 1 MB.</source>
        <translation>Die Datei ist zu groß für eine Partie: %1; eine Partie umfasst höchstens 1 MB.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>more than 1 MB</source>
        <translation>mehr als 1 MB</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>This is %1.</source>
        <translation>Das ist %1.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Die Datei kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Zugliste</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Partie analysieren</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Züge kopieren</translation>
    </message>
    <message>
        <source>Copy Moves for Other Programs</source>
        <translation>Züge für andere Programme kopieren</translation>
    </message>
    <message>
        <source>Paste Moves</source>
        <translation>Züge einfügen</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Stellung kopieren</translation>
    </message>
    <message>
        <source>Paste Position</source>
        <translation>Stellung einfügen</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Partie speichern...</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Partie öffnen...</translation>
    </message>
    <message>
        <source>Start: the position</source>
        <translation>Start: die Stellung</translation>
    </message>
    <message>
        <source>The clipboard holds no position to start from.</source>
        <translation>Die Zwischenablage enthält keine Stellung, mit der eine Partie beginnen kann.</translation>
    </message>
    <message>
        <source>The position on the clipboard cannot be played.</source>
        <translation>Die Stellung in der Zwischenablage kann nicht gespielt werden.</translation>
    </message>
    <message>
        <source>The moves on the clipboard cannot be replayed.</source>
        <translation>Die Züge in der Zwischenablage können nicht nachgespielt werden.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves to replay.</source>
        <translation>Die Zwischenablage enthält keine Züge zum Nachspielen.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Partie speichern</translation>
    </message>
    <message>
        <source>The game was not saved to &quot;%1&quot;.</source>
        <translation>Die Partie wurde nicht in „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Partie öffnen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>„%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Its record would be %1 bytes long, and a game file is read only up to 1 MB (%2 bytes).</source>
        <translation>Sie wäre %1 Bytes lang, doch eine Partiedatei wird nur bis 1 MB (%2 Bytes) gelesen.</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Evaluation over the game</source>
        <translation>Wertung im Lauf der Partie</translation>
    </message>
    <message>
        <source>start</source>
        <comment>the position before the first move</comment>
        <translation>Start</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>Zug %1</translation>
    </message>
    <message>
        <source>%1: not reviewed yet</source>
        <translation>%1: noch nicht analysiert</translation>
    </message>
    <message>
        <source>%1: even</source>
        <translation>%1: ausgeglichen</translation>
    </message>
    <message>
        <source>%1: about even</source>
        <translation>%1: etwa ausgeglichen</translation>
    </message>
    <message>
        <source>%1: +%2 for %3</source>
        <comment>move 12: +4 discs for White</comment>
        <translation>%1: +%2 für %3</translation>
    </message>
    <message>
        <source>%1: about +%2 for %3</source>
        <comment>an estimate</comment>
        <translation>%1: etwa +%2 für %3</translation>
    </message>
    <message>
        <source>discs</source>
        <translation>Steine</translation>
    </message>
    <message>
        <source>move</source>
        <comment>the axis of move numbers</comment>
        <translation>Zug</translation>
    </message>
    <message>
        <source>even</source>
        <comment>the line at 0: neither side leads</comment>
        <translation>ausgeglichen</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 vorn</translation>
    </message>
    <message>
        <source>exact score</source>
        <translation>genaue Wertung</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>geschätzt</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Regeln von Marvane</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Two player game</source>
        <translation>Spiel für zwei Personen</translation>
    </message>
    <message>
        <source>Each player must chose their colour Black or White</source>
        <translation>Jeder wählt seine Farbe, Schwarz oder Weiß.</translation>
    </message>
    <message>
        <source>White goes first, use the mouse to select a square </source>
        <translation>Weiß beginnt: Wähle mit der Maus ein Feld</translation>
    </message>
    <message>
        <source>and click the left button</source>
        <translation>und drücke die linke Taste.</translation>
    </message>
    <message>
        <source>The object of Marvane is to get as many of your</source>
        <translation>Ziel von Marvane ist es, möglichst viele</translation>
    </message>
    <message>
        <source>coloured counters on the game grid as possible</source>
        <translation>Steine deiner Farbe aufs Spielbrett zu bringen.</translation>
    </message>
    <message>
        <source>the game starts with 4 counters, in the centre</source>
        <translation>Das Spiel beginnt mit 4 Steinen auf den</translation>
    </message>
    <message>
        <source>squares, 2 White and 2 Black, You can place</source>
        <translation>mittleren Feldern, 2 weißen und 2 schwarzen.</translation>
    </message>
    <message>
        <source>another counter of your colour following these rules</source>
        <translation>Einen Stein deiner Farbe setzt du so:</translation>
    </message>
    <message>
        <source>1. The square must be empty</source>
        <translation>1. Das Feld muss leer sein.</translation>
    </message>
    <message>
        <source>2. There must be at least 1 counter of the other</source>
        <translation>2. Auf einem Nachbarfeld des gewählten Feldes</translation>
    </message>
    <message>
        <source>colour in an adjacent square to the one</source>
        <translation>muss mindestens 1 Stein der anderen Farbe</translation>
    </message>
    <message>
        <source>that you are placing,</source>
        <translation>liegen.</translation>
    </message>
    <message>
        <source>3. A counter of your own colour must be immediately</source>
        <translation>3. Direkt hinter dem gegnerischen Stein (oder</translation>
    </message>
    <message>
        <source>beyond the opposing counter/s</source>
        <translation>den Steinen) muss einer deiner Farbe liegen.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>a folder, not a regular file</source>
        <extracomment>Each follows &quot;This is&quot;, &quot;The file is&quot; or a file&apos;s name and &quot;is&quot;.</extracomment>
        <translation>ein Ordner, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation>eine benannte Pipe, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>ein Gerät, keine reguläre Datei</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>ein Socket, keine reguläre Datei</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>Der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder &quot;%1&quot;</source>
        <translation>Es fehlt die Berechtigung, im Ordner „%1“ zu schreiben</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>Der Datenträger ist voll (%1)</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>Die Datei ist %1</translation>
    </message>
    <message>
        <source>the old file cannot be kept as %1</source>
        <translation>die alte Datei kann nicht als %1 aufbewahrt werden</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Schlüssel %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;: %2</source>
        <translation>Daten für „%1“ können nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what it is instead (&quot;a folder, not a regular file&quot;).</extracomment>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ können nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ können nicht gelesen werden</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is on a disk that cannot be written to</source>
        <translation>Der Ordner „%1“ liegt auf einem Datenträger, der nicht beschrieben werden kann</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read, so the default options are used. Only the options you change are saved: this file is then kept as %2 and a new one is written</source>
        <translation>Die Einstellungsdatei %1 ist größer als 1 MB und wurde nicht gelesen, daher gelten die Standardoptionen. Nur die Optionen, die Sie ändern, werden gespeichert: Diese Datei wird dann als %2 aufbewahrt und eine neue geschrieben</translation>
    </message>
    <message>
        <source>The settings file %1, so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path and what it is instead (&quot;... is a folder, not a regular file&quot;).</extracomment>
        <translation>Die Einstellungsdatei %1, daher gelten die Standardoptionen. Nur die Optionen, die Sie ändern, werden gespeichert</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2), daher gelten die Standardoptionen. Nur die Optionen, die Sie ändern, werden gespeichert</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Score</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Übrig</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>beenden</translation>
    </message>
    <message>
        <source>Leave  Marvane</source>
        <translation>Marvane beenden</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>werten</translation>
    </message>
    <message>
        <source>Who won ?</source>
        <translation>Wer hat gewonnen?</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>regeln</translation>
    </message>
    <message>
        <source>The rules of Marvane</source>
        <translation>Die Regeln von Marvane</translation>
    </message>
    <message>
        <source>options</source>
        <translation>optionen</translation>
    </message>
    <message>
        <source>Show Marvane Options</source>
        <translation>Optionen von Marvane zeigen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Select computer skill level</source>
        <translation>Spielstärke des Computers wählen</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 Spieler</translation>
    </message>
    <message>
        <source>Select number of players</source>
        <translation>Anzahl der Spieler wählen</translation>
    </message>
    <message>
        <source>Position your  piece</source>
        <translation>Setz deinen Stein</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>To play</source>
        <translation>Am Zug</translation>
    </message>
    <message>
        <source>White score</source>
        <translation>Punkte Weiß</translation>
    </message>
    <message>
        <source>Black score</source>
        <translation>Punkte Schwarz</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 Spieler</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 was not found in %2
The sounds in use are kept.</source>
        <translation>%1 wurde in %2 nicht gefunden
Die bisherigen Töne bleiben.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>%1 lässt sich nicht als Ton lesen
Die bisherigen Töne bleiben.</translation>
    </message>
    <message>
        <source>Marvane Bitmaps (*.bmp)</source>
        <translation>Marvane-Bilder (*.bmp)</translation>
    </message>
    <message>
        <source>Marvane Sound Files (*.wav)</source>
        <translation>Marvane-Tondateien (*.wav)</translation>
    </message>
    <message>
        <source>No Sound device present or other audio error
 sounds disabled. </source>
        <translation>Kein Tongerät vorhanden oder anderer Audiofehler,
 Töne ausgeschaltet. </translation>
    </message>
    <message>
        <source>No sound files present, sound disabled. Click Yes to browse for files</source>
        <translation>Keine Tondateien vorhanden, Ton ausgeschaltet. Klicke auf Ja, um Dateien zu suchen</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane von CORVATH</translation>
    </message>
</context>
</TS>
