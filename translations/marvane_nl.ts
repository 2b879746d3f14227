<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AnalysisRoom</name>
    <message>
        <source>There is not enough memory for the analysis.</source>
        <translation>Er is niet genoeg geheugen voor de analyse.</translation>
    </message>
    <message>
        <source>The learned evaluation cannot be used, so hints, scores and reviews judge positions with a simpler formula.</source>
        <translation>De aangeleerde beoordeling kan niet worden gebruikt, dus tips, scores en analyses beoordelen stellingen met een eenvoudigere formule.</translation>
    </message>
</context>
<context>
    <name>BoardAccess</name>
    <message>
        <source>Hint: row %1, column %2, score %3</source>
        <translation>Tip: rij %1, kolom %2, score %3</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2, score about %3</source>
        <translation>Tip: rij %1, kolom %2, score ongeveer %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>rij %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>, last move</source>
        <translation>, laatste zet</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, mogelijke zet</translation>
    </message>
    <message>
        <source>, hint</source>
        <translation>, tip</translation>
    </message>
    <message>
        <source>, score %1</source>
        <translation>, score %1</translation>
    </message>
    <message>
        <source>, score about %1</source>
        <translation>, score ongeveer %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zet terug</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Zet opnieuw</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Laatste zet tonen</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Mogelijke zetten tonen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Show Evaluations</source>
        <translation>Scores tonen</translation>
    </message>
    <message>
        <source>Expert Hard Level</source>
        <translation>Niveau Moeilijk voor experts</translation>
    </message>
    <message>
        <source>Show Coordinates</source>
        <translation>Coördinaten tonen</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Standard Rules</source>
        <translation>Standaardregels</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>There is no game to review.</source>
        <translation>Er is geen spel om te analyseren.</translation>
    </message>
    <message>
        <source>There are no moves to review yet.</source>
        <translation>Er zijn nog geen zetten om te analyseren.</translation>
    </message>
    <message>
        <source>best</source>
        <comment>the move lost nothing</comment>
        <translation>beste</translation>
    </message>
    <message>
        <source>Reviewing: %1 of %2 moves</source>
        <translation>Analyse: %1 van %2 zetten</translation>
    </message>
    <message>
        <source>Review stopped: %1 of %2 moves</source>
        <translation>Analyse gestopt: %1 van %2 zetten</translation>
    </message>
    <message>
        <source>Reviewed: what each move gave away (≈ an estimate)</source>
        <translation>Geanalyseerd: wat elke zet weggaf (≈ schatting)</translation>
    </message>
    <message>
        <source>This game cannot be reviewed.</source>
        <translation>Dit spel kan niet worden geanalyseerd.</translation>
    </message>
    <message>
        <source>The review knows Marvane&apos;s own rules only, and this game is played by the standard rules.</source>
        <translation>De analyse kent alleen Marvanes eigen regels, en deze partij wordt volgens de standaardregels gespeeld.</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Position Your Piece</source>
        <translation>Plaats je steen</translation>
    </message>
    <message>
        <source>It&apos;s a Draw</source>
        <translation>Gelijkspel</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <extracomment>%1 is the winning colour&apos;s name.</extracomment>
        <translation>%1 wint</translation>
    </message>
    <message>
        <source>White</source>
        <comment>short: turn box and score labels</comment>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>short: turn box and score labels</comment>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>short: turn box and score labels</comment>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>short: turn box and score labels</comment>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Cyan</source>
        <comment>short: turn box and score labels</comment>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>short: turn box and score labels</comment>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Moves mirrored</source>
        <extracomment>Said after a game written the other way round was replayed in its mirror image.</extracomment>
        <translation>Zetten gespiegeld</translation>
    </message>
    <message>
        <source>This is not a game record: it holds binary data.</source>
        <translation>Dit is geen spelbestand: het bevat binaire gegevens.</translation>
    </message>
    <message>
        <source>This is not a game record: line %1 is not UTF-8 text.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Dit is geen spelbestand: regel %1 is geen UTF-8-tekst.</translation>
    </message>
    <message>
        <source>This is too long for a game record: more than 1 MB.</source>
        <translation>Dit is te groot voor een spelbestand: meer dan 1 MB.</translation>
    </message>
    <message>
        <source>Line %1 is a header line after the moves: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>Regel %1 is een kopregel na de zetten: %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a header line of the form %2: %3.</source>
        <extracomment>%1 is a line number, %2 the form of a header line as files write it, %3 the line as the file has it.</extracomment>
        <translation>Regel %1 is geen kopregel van de vorm %2: %3.</translation>
    </message>
    <message>
        <source>Line %1 repeats the header &quot;%2&quot;.</source>
        <extracomment>%1 is a line number, %2 the header&apos;s English name as files write it.</extracomment>
        <translation>Regel %1 herhaalt de kopregel &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Unknown header line %1: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>Regel %1 is een onbekende kopregel: %2.</translation>
    </message>
    <message>
        <source>Line %1: the program is not named.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Regel %1: de naam van het programma ontbreekt.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written as year.month.day.</source>
        <extracomment>%1 is a line number, %2 the date as the file has it.</extracomment>
        <translation>Regel %1: de datum &quot;%2&quot; staat niet in de vorm jaar.maand.dag.</translation>
    </message>
    <message>
        <source>Line %1: the time &quot;%2&quot; is not written as hours:minutes:seconds.</source>
        <extracomment>%1 is a line number, %2 the time as the file has it.</extracomment>
        <translation>Regel %1: de tijd &quot;%2&quot; staat niet in de vorm uren:minuten:seconden.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a colour pair of the game (two different of %3).</source>
        <extracomment>%1 is a line number, %2 the colours as the file has them, %3 the colour names a file may hold (in English).</extracomment>
        <translation>Regel %1: &quot;%2&quot; is geen kleurenpaar van het spel (twee verschillende uit %3).</translation>
    </message>
    <message>
        <source>Line %1: the players &quot;%2&quot; are neither 1 nor 2.</source>
        <extracomment>%1 is a line number, %2 the number of players as the file has it.</extracomment>
        <translation>Regel %1: het aantal spelers &quot;%2&quot; is noch 1 noch 2.</translation>
    </message>
    <message>
        <source>Line %1: the level &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the level as the file has it; %3 and %4 are the two words a file may hold (Easy, Hard).</extracomment>
        <translation>Regel %1: het niveau &quot;%2&quot; is noch %3 noch %4.</translation>
    </message>
    <message>
        <source>Line %1: the orientation &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the orientation as the file has it; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Regel %1: de oriëntatie &quot;%2&quot; is noch %3 noch %4.</translation>
    </message>
    <message>
        <source>Line %1: the start position is refused.</source>
        <extracomment>%1 is a line number. The reason follows in sentences of its own.</extracomment>
        <translation>Regel %1: de beginstelling wordt geweigerd.</translation>
    </message>
    <message>
        <source>Line %1: the result &quot;%2&quot; is not two counts of counters such as &quot;34-30&quot;.</source>
        <extracomment>%1 is a line number, %2 the result as the file has it.</extracomment>
        <translation>Regel %1: de uitslag &quot;%2&quot; bestaat niet uit twee aantallen stenen, zoals &quot;34-30&quot;.</translation>
    </message>
    <message>
        <source>The last move, move %1, is cut short: &quot;%2&quot; has no row digit.</source>
        <extracomment>%1 is the move&apos;s number, %2 the letter it starts with.</extracomment>
        <translation>De laatste zet, zet %1, is afgebroken: bij &quot;%2&quot; ontbreekt het cijfer van de rij.</translation>
    </message>
    <message>
        <source>Move %1, &quot;%2&quot;, is not a square of the board (a1 to h8).</source>
        <extracomment>%1 is the move&apos;s number, %2 the move as the file has it.</extracomment>
        <translation>Zet %1, &quot;%2&quot;, is geen veld van het bord (a1 tot h8).</translation>
    </message>
    <message>
        <source>Move %1 is one too many: a game has at most %2 moves.</source>
        <extracomment>%1 is the move&apos;s number, %2 the most moves a game has (60).</extracomment>
        <translation>Zet %1 is er een te veel: een spel heeft hoogstens %2 zetten.</translation>
    </message>
    <message>
        <source>There are no moves in it.</source>
        <translation>Er staan geen zetten in.</translation>
    </message>
    <message>
        <source>The header says the moves are in the %1 orientation, but the first move, %2, starts a game in the %3 one: the two orientations are mixed.</source>
        <extracomment>%1 and %3 are the words files name the orientations by (Marvane, Usual), %2 a square.</extracomment>
        <translation>De kopregel zegt dat de zetten in de oriëntatie %1 staan, maar de eerste zet, %2, begint een spel in de oriëntatie %3: de twee oriëntaties zijn door elkaar gehaald.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not a square of the board.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Zet %1, %2 %3, is geen veld van het bord.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, cannot be played: %2 has no legal square, and this game has no passing.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Zet %1, %2 %3, kan niet worden gespeeld: %2 heeft geen mogelijk veld, en in dit spel kun je niet passen.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: the square is already taken.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Zet %1, %2 %3, is niet mogelijk: het veld is al bezet.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: it closes off no line of %4 counters.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square, %4 the other colour (a colour name).</extracomment>
        <translation>Zet %1, %2 %3, is niet mogelijk: de zet sluit geen rij stenen van %4 in.</translation>
    </message>
    <message>
        <source>Its mirror image, %1, would be: the transcript seems to mix the two orientations.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>De gespiegelde zet, %1, zou wel mogelijk zijn: de notatie lijkt de twee oriëntaties door elkaar te halen.</translation>
    </message>
    <message>
        <source>The start position cannot occur in a game.</source>
        <extracomment>The reason follows in sentences of its own.</extracomment>
        <translation>De beginstelling kan in een spel niet voorkomen.</translation>
    </message>
    <message>
        <source>The result %1 does not match the moves, which end %2.</source>
        <extracomment>%1 and %2 are results such as 34-30.</extracomment>
        <translation>De uitslag %1 klopt niet met de zetten, die eindigen op %2.</translation>
    </message>
    <message>
        <source>A game cannot be replayed while Autoplay runs.</source>
        <translation>Een spel kan niet worden nagespeeld terwijl Zelfspel loopt.</translation>
    </message>
    <message>
        <source>A game never has fewer than the 4 counters it starts with; this position has %1.</source>
        <extracomment>%1 is a number of counters.</extracomment>
        <translation>Een spel heeft nooit minder dan de 4 stenen waarmee het begint; deze stelling heeft er %1.</translation>
    </message>
    <message>
        <source>The centre square %1 is empty, and the four centre squares are never empty in a game.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Het middenveld %1 is leeg, terwijl de vier middenvelden in een spel nooit leeg zijn.</translation>
    </message>
    <message>
        <source>The board is full: there is no move left to play.</source>
        <translation>Het bord is vol: er is geen zet meer te spelen.</translation>
    </message>
    <message>
        <source>The counter on %1 is cut off from the centre, and every counter is placed beside one already on the board.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>De steen op %1 is afgesneden van het midden, terwijl elke steen naast een steen komt die al op het bord ligt.</translation>
    </message>
    <message>
        <source>This is too long for a position, which is 64 squares, a space and the side to play.</source>
        <translation>Dit is te lang voor een stelling, die bestaat uit 64 velden, een spatie en de kleur aan zet.</translation>
    </message>
    <message>
        <source>There is no position in it.</source>
        <translation>Er staat geen stelling in.</translation>
    </message>
    <message>
        <source>A position has 64 squares, a1 to h8, before the side to play; this one has %1.</source>
        <extracomment>%1 is the number of characters found.</extracomment>
        <translation>Een stelling heeft 64 velden, a1 tot h8, vóór de kleur aan zet; deze heeft er %1.</translation>
    </message>
    <message>
        <source>Square %1 holds &quot;%2&quot;, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square, %2 the character found there. X, O and - are what the position holds: keep them.</extracomment>
        <translation>Veld %1 bevat &quot;%2&quot;, en dat is noch X (zwart), noch O (wit), noch - (leeg).</translation>
    </message>
    <message>
        <source>Square %1 holds a character, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square. X, O and - are what the position holds: keep them.</extracomment>
        <translation>Veld %1 bevat een teken dat noch X (zwart), noch O (wit), noch - (leeg) is.</translation>
    </message>
    <message>
        <source>The side to play, X or O, is missing after the 64 squares.</source>
        <extracomment>X and O are what the position holds: keep them.</extracomment>
        <translation>De kleur aan zet, X of O, ontbreekt na de 64 velden.</translation>
    </message>
    <message>
        <source>The side to play must be X (black) or O (white), not &quot;%1&quot;.</source>
        <extracomment>%1 is the text found instead. X and O are what the position holds: keep them.</extracomment>
        <translation>De kleur aan zet moet X (zwart) of O (wit) zijn, niet &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is more text after the side to play.</source>
        <translation>Er staat nog tekst na de kleur aan zet.</translation>
    </message>
    <message>
        <source>%1 has no legal square and passes.</source>
        <extracomment>Said on the turn line under standard rules. %1 is the colour that passes (a colour name).</extracomment>
        <translation>%1 heeft geen geldig veld en past.</translation>
    </message>
    <message>
        <source>Standard rules: a side with no legal square passes.</source>
        <extracomment>Said after a game was opened that can only be played with passes, or that says so.</extracomment>
        <translation>Standaardregels: een kant zonder geldig veld past.</translation>
    </message>
    <message>
        <source>Line %1: the rules &quot;%2&quot; are neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the rules as the file has them; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Regel %1: de regels &quot;%2&quot; zijn %3 noch %4.</translation>
    </message>
    <message>
        <source>A position with 4 counters is the start, two of each colour crosswise in the centre, and this one is not.</source>
        <translation>Een stelling met 4 stenen is de beginstelling, twee van elke kleur kruislings in het midden, en deze is dat niet.</translation>
    </message>
</context>
<context>
    <name>KeyList</name>
    <message>
        <source>Undo (Game menu)</source>
        <translation>Zet terug (menu Spel)</translation>
    </message>
    <message>
        <source>Redo (Game menu)</source>
        <translation>Zet opnieuw (menu Spel)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pijltoetsen</translation>
    </message>
    <message>
        <source>board</source>
        <translation>bord</translation>
    </message>
    <message>
        <source>move the focus square</source>
        <translation>het actieve veld verplaatsen</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>go to the first or last square of the focus square&apos;s row</source>
        <translation>naar het eerste of laatste veld van de rij van het actieve veld</translation>
    </message>
    <message>
        <source>a-h, then 1-8</source>
        <translation>a-h, dan 1-8</translation>
    </message>
    <message>
        <source>go to that column and row (&quot;e3&quot;)</source>
        <translation>naar die kolom en rij (&quot;e3&quot;)</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Spatie, Enter</translation>
    </message>
    <message>
        <source>play the focus square, exactly as a click on it would</source>
        <translation>een steen op het actieve veld zetten, net als met een klik</translation>
    </message>
    <message>
        <source>Up, Down, Home, End</source>
        <translation>Omhoog, Omlaag, Home, End</translation>
    </message>
    <message>
        <source>move list</source>
        <translation>zettenlijst</translation>
    </message>
    <message>
        <source>step to the next, previous, first or last position</source>
        <translation>naar de volgende, vorige, eerste of laatste stelling</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>move list, keys list</source>
        <translation>zettenlijst, toetsenlijst</translation>
    </message>
    <message>
        <source>close that window</source>
        <translation>dat venster sluiten</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>options panel open</source>
        <translation>opties open</translation>
    </message>
    <message>
        <source>move between the board and the panel&apos;s controls</source>
        <translation>wisselen tussen het bord en de knoppen van het paneel</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down</source>
        <translation>Omhoog, Omlaag, Page Up, Page Down</translation>
    </message>
    <message>
        <source>response time box</source>
        <translation>veld Reactietijd</translation>
    </message>
    <message>
        <source>change the response time (Page keys in steps of 100 ms)</source>
        <translation>de reactietijd wijzigen (Page-toetsen in stappen van 100 ms)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message>
        <source>options check boxes</source>
        <translation>selectievakjes van de opties</translation>
    </message>
    <message>
        <source>tick or untick the box</source>
        <translation>het vakje aan- of uitvinken</translation>
    </message>
    <message>
        <source>Alt, then arrows, Enter, Esc</source>
        <translation>Alt, dan pijlen, Enter, Esc</translation>
    </message>
    <message>
        <source>menu bar shown</source>
        <translation>menubalk zichtbaar</translation>
    </message>
    <message>
        <source>open and work the menus</source>
        <translation>de menu&apos;s openen en bedienen</translation>
    </message>
    <message>
        <source>anywhere</source>
        <translation>overal</translation>
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
        <translation>Toetsen.</translation>
    </message>
    <message>
        <source>&quot;restart&quot;: start a new game</source>
        <translation>&quot;opnieuw&quot;: een nieuw spel beginnen</translation>
    </message>
    <message>
        <source>&quot;quit&quot;: close Marvane</source>
        <translation>&quot;stoppen&quot;: Marvane sluiten</translation>
    </message>
    <message>
        <source>&quot;rules&quot;: show the rules</source>
        <translation>&quot;regels&quot;: de regels tonen</translation>
    </message>
    <message>
        <source>close the panel, as its &quot;Return to Marvane&quot; does</source>
        <translation>het paneel sluiten, net als de knop &quot;Terug naar spel&quot;</translation>
    </message>
    <message>
        <source>rules or options panel open</source>
        <translation>regels of opties open</translation>
    </message>
    <message>
        <source>&quot;finish&quot;: end the game</source>
        <translation>&quot;einde&quot;: het spel beëindigen</translation>
    </message>
    <message>
        <source>&quot;2 Players&quot;, &quot;1 Player&quot;: play against the computer or a person</source>
        <translation>&quot;2 spelers&quot;, &quot;1 speler&quot;: tegen de computer of een persoon spelen</translation>
    </message>
    <message>
        <source>&quot;Easy&quot;, &quot;Hard&quot;: switch the computer&apos;s level</source>
        <translation>&quot;Makkelijk&quot;, &quot;Moeilijk&quot;: het niveau van de computer wisselen</translation>
    </message>
    <message>
        <source>against the computer</source>
        <translation>tegen de computer</translation>
    </message>
    <message>
        <source>&quot;options&quot;: open the options panel</source>
        <translation>&quot;opties&quot;: de opties openen</translation>
    </message>
    <message>
        <source>play the hint&apos;s square</source>
        <translation>het veld van de tip spelen</translation>
    </message>
    <message>
        <source>hint shown</source>
        <translation>tip getoond</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Marvane Keys</source>
        <translation>Toetsen van Marvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Toets</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Waar</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Wat hij doet</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Leave Marvane</source>
        <translation>Marvane afsluiten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Contact Corvath</source>
        <translation>Contact met Corvath</translation>
    </message>
    <message>
        <source>Visit our Website</source>
        <translation>Onze website bezoeken</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Hide Menu</source>
        <translation>Menu verbergen</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kleuren</translation>
    </message>
    <message>
        <source>Black..White</source>
        <translation>Zwart..Wit</translation>
    </message>
    <message>
        <source>Red..Green</source>
        <translation>Rood..Groen</translation>
    </message>
    <message>
        <source>Aqua..Yellow</source>
        <translation>Aqua..Geel</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Status tonen</translation>
    </message>
    <message>
        <source>Locate</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Zelfspel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane van CORVATH</translation>
    </message>
    <message>
        <source>%1 Version %2  by Corvath</source>
        <translation>%1 versie %2 van Corvath</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>De bitmapafbeelding is ongeldig</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Move List</source>
        <translation>Zettenlijst</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Choose a move to show the board as it was after it.</source>
        <translation>Kies een zet om het bord erna te tonen.</translation>
    </message>
    <message>
        <source>Autoplay is running: the list follows it.</source>
        <translation>Zelfspel loopt: de lijst volgt het.</translation>
    </message>
    <message>
        <source>Stop Review</source>
        <translation>Analyse stoppen</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Spel analyseren</translation>
    </message>
    <message>
        <source>, a worst mistake</source>
        <translation>, een van de ergste fouten</translation>
    </message>
    <message>
        <source>, taken back</source>
        <translation>, teruggenomen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>, opening: %1</source>
        <translation>, opening: %1</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Marvane Options</source>
        <translation>Opties van Marvane</translation>
    </message>
    <message>
        <source>Response time</source>
        <translation>Reactietijd</translation>
    </message>
    <message>
        <source>Milliseconds before the computer moves</source>
        <translation>Milliseconden voordat de computer zet</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Geluidseffecten</translation>
    </message>
    <message>
        <source>Turn sound effects On or Off</source>
        <translation>Geluidseffecten aan- of uitzetten</translation>
    </message>
    <message>
        <source>Show Windows Menu</source>
        <translation>Menubalk tonen</translation>
    </message>
    <message>
        <source>Show Windows Status Bar</source>
        <translation>Statusbalk tonen</translation>
    </message>
    <message>
        <source>Go to our Web Site</source>
        <translation>Naar onze website</translation>
    </message>
    <message>
        <source>Email Corvath-Solutions</source>
        <translation>Mail Corvath-Solutions</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Terug naar spel</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Game files (*.txt);;All files (*)</source>
        <translation>Spelbestanden (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <translation>%1 %2-%3, %4</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>einde</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Speleinde</translation>
    </message>
    <message>
        <source>The file is too large for a game record: %1, where a record is at most 1 MB.</source>
        <translation>Het bestand is te groot voor een spelbestand: %1, terwijl een spelbestand hoogstens 1 MB is.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>more than 1 MB</source>
        <translation>meer dan 1 MB</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Dit is een map, geen bestand.</translation>
    </message>
    <message>
        <source>This is %1.</source>
        <translation>Dit is %1.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Het bestand kan niet worden geopend: %1.</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Zettenlijst</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Spel analyseren</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Zetten kopiëren</translation>
    </message>
    <message>
        <source>Copy Moves for Other Programs</source>
        <translation>Zetten kopiëren voor andere programma&apos;s</translation>
    </message>
    <message>
        <source>Paste Moves</source>
        <translation>Zetten plakken</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Stelling kopiëren</translation>
    </message>
    <message>
        <source>Paste Position</source>
        <translation>Stelling plakken</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Spel opslaan...</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Spel openen...</translation>
    </message>
    <message>
        <source>Start: the position</source>
        <translation>Start: de stelling</translation>
    </message>
    <message>
        <source>The clipboard holds no position to start from.</source>
        <translation>Het klembord bevat geen stelling om mee te beginnen.</translation>
    </message>
    <message>
        <source>The position on the clipboard cannot be played.</source>
        <translation>De stelling op het klembord kan niet worden gespeeld.</translation>
    </message>
    <message>
        <source>The moves on the clipboard cannot be replayed.</source>
        <translation>De zetten op het klembord kunnen niet worden nagespeeld.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves to replay.</source>
        <translation>Het klembord bevat geen zetten om na te spelen.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>The game was not saved to &quot;%1&quot;.</source>
        <translation>Het spel is niet opgeslagen in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spel openen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>&quot;%1&quot; kan niet worden geopend.</translation>
    </message>
    <message>
        <source>Its record would be %1 bytes long, and a game file is read only up to 1 MB (%2 bytes).</source>
        <translation>Het zou %1 bytes groot worden, en een spelbestand wordt maar tot 1 MB (%2 bytes) gelezen.</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Evaluation over the game</source>
        <translation>Score in de loop van het spel</translation>
    </message>
    <message>
        <source>start</source>
        <comment>the position before the first move</comment>
        <translation>start</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>zet %1</translation>
    </message>
    <message>
        <source>%1: not reviewed yet</source>
        <translation>%1: nog niet geanalyseerd</translation>
    </message>
    <message>
        <source>%1: even</source>
        <translation>%1: gelijk</translation>
    </message>
    <message>
        <source>%1: about even</source>
        <translation>%1: ongeveer gelijk</translation>
    </message>
    <message>
        <source>%1: +%2 for %3</source>
        <comment>move 12: +4 discs for White</comment>
        <translation>%1: +%2 voor %3</translation>
    </message>
    <message>
        <source>%1: about +%2 for %3</source>
        <comment>an estimate</comment>
        <translation>%1: ongeveer +%2 voor %3</translation>
    </message>
    <message>
        <source>discs</source>
        <translation>stenen</translation>
    </message>
    <message>
        <source>move</source>
        <comment>the axis of move numbers</comment>
        <translation>zet</translation>
    </message>
    <message>
        <source>even</source>
        <comment>the line at 0: neither side leads</comment>
        <translation>gelijk</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 voor</translation>
    </message>
    <message>
        <source>exact score</source>
        <translation>exacte score</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>schatting</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>De regels van Marvane</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Terug naar spel</translation>
    </message>
    <message>
        <source>Two player game</source>
        <translation>Spel voor twee spelers</translation>
    </message>
    <message>
        <source>Each player must chose their colour Black or White</source>
        <translation>Elke speler kiest een kleur, Zwart of Wit.</translation>
    </message>
    <message>
        <source>White goes first, use the mouse to select a square </source>
        <translation>Wit begint: kies met de muis een veld</translation>
    </message>
    <message>
        <source>and click the left button</source>
        <translation>en klik met de linkerknop.</translation>
    </message>
    <message>
        <source>The object of Marvane is to get as many of your</source>
        <translation>Het doel van Marvane is zo veel mogelijk</translation>
    </message>
    <message>
        <source>coloured counters on the game grid as possible</source>
        <translation>stenen van je eigen kleur op het bord te krijgen.</translation>
    </message>
    <message>
        <source>the game starts with 4 counters, in the centre</source>
        <translation>Het spel begint met 4 stenen op de middelste</translation>
    </message>
    <message>
        <source>squares, 2 White and 2 Black, You can place</source>
        <translation>velden, 2 witte en 2 zwarte. Je plaatst</translation>
    </message>
    <message>
        <source>another counter of your colour following these rules</source>
        <translation>een nieuwe steen van je kleur volgens deze regels:</translation>
    </message>
    <message>
        <source>1. The square must be empty</source>
        <translation>1. Het veld moet leeg zijn.</translation>
    </message>
    <message>
        <source>2. There must be at least 1 counter of the other</source>
        <translation>2. Er moet minstens 1 steen van de andere kleur</translation>
    </message>
    <message>
        <source>colour in an adjacent square to the one</source>
        <translation>liggen op een veld naast het veld</translation>
    </message>
    <message>
        <source>that you are placing,</source>
        <translation>waar je je steen plaatst.</translation>
    </message>
    <message>
        <source>3. A counter of your own colour must be immediately</source>
        <translation>3. Direct achter de steen of stenen van de</translation>
    </message>
    <message>
        <source>beyond the opposing counter/s</source>
        <translation>tegenstander moet een steen van jouw kleur liggen.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>a folder, not a regular file</source>
        <extracomment>Each follows &quot;This is&quot;, &quot;The file is&quot; or a file&apos;s name and &quot;is&quot;.</extracomment>
        <translation>een map, geen gewoon bestand</translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation>een named pipe, geen gewoon bestand</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>een apparaat, geen gewoon bestand</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>een socket, geen gewoon bestand</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>De map &quot;%1&quot; bestaat niet</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder &quot;%1&quot;</source>
        <translation>Er is geen toestemming om in de map &quot;%1&quot; te schrijven</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>De schijf is vol (%1)</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>Het bestand is %1</translation>
    </message>
    <message>
        <source>the old file cannot be kept as %1</source>
        <translation>het oude bestand kan niet als %1 bewaard worden</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Sleutel %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;: %2</source>
        <translation>Gegevens voor &quot;%1&quot; kunnen niet worden opgeslagen: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what it is instead (&quot;a folder, not a regular file&quot;).</extracomment>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Gegevens voor &quot;%1&quot; kunnen niet worden opgeslagen</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ongeldig gegevenstype voor &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Gegevens voor &quot;%1&quot; kunnen niet worden gelezen</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is on a disk that cannot be written to</source>
        <translation>De map &quot;%1&quot; staat op een schijf waarop niet geschreven kan worden</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1 is alleen-lezen</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read, so the default options are used. Only the options you change are saved: this file is then kept as %2 and a new one is written</source>
        <translation>Het instellingenbestand %1 is groter dan 1 MB en is niet gelezen, dus gelden de standaardopties. Alleen de opties die u wijzigt worden opgeslagen: dit bestand wordt dan bewaard als %2 en er wordt een nieuw geschreven</translation>
    </message>
    <message>
        <source>The settings file %1, so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path and what it is instead (&quot;... is a folder, not a regular file&quot;).</extracomment>
        <translation>Het instellingenbestand %1, dus gelden de standaardopties. Alleen de opties die u wijzigt worden opgeslagen</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>Het instellingenbestand %1 kon niet worden gelezen (%2), dus gelden de standaardopties. Alleen de opties die u wijzigt worden opgeslagen</translation>
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
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Winst</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>stoppen</translation>
    </message>
    <message>
        <source>Leave  Marvane</source>
        <translation>Marvane afsluiten</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>einde</translation>
    </message>
    <message>
        <source>Who won ?</source>
        <translation>Wie heeft gewonnen?</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>opnieuw</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Een nieuw spel beginnen</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>regels</translation>
    </message>
    <message>
        <source>The rules of Marvane</source>
        <translation>De regels van Marvane</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opties</translation>
    </message>
    <message>
        <source>Show Marvane Options</source>
        <translation>De opties van Marvane tonen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Select computer skill level</source>
        <translation>Het niveau van de computer kiezen</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 spelers</translation>
    </message>
    <message>
        <source>Select number of players</source>
        <translation>Het aantal spelers kiezen</translation>
    </message>
    <message>
        <source>Position your  piece</source>
        <translation>Plaats je steen</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>To play</source>
        <translation>Aan zet</translation>
    </message>
    <message>
        <source>White score</source>
        <translation>Stand van Wit</translation>
    </message>
    <message>
        <source>Black score</source>
        <translation>Stand van Zwart</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Stand van %1</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 speler</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 spelers</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 was not found in %2
The sounds in use are kept.</source>
        <translation>%1 is niet gevonden in %2
De huidige geluiden blijven behouden.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>%1 is niet als geluid te lezen
De huidige geluiden blijven behouden.</translation>
    </message>
    <message>
        <source>Marvane Bitmaps (*.bmp)</source>
        <translation>Marvane-afbeeldingen (*.bmp)</translation>
    </message>
    <message>
        <source>Marvane Sound Files (*.wav)</source>
        <translation>Marvane-geluidsbestanden (*.wav)</translation>
    </message>
    <message>
        <source>No Sound device present or other audio error
 sounds disabled. </source>
        <translation>Geen geluidsapparaat of een andere audiofout,
 geluid uitgeschakeld. </translation>
    </message>
    <message>
        <source>No sound files present, sound disabled. Click Yes to browse for files</source>
        <translation>Geen geluidsbestanden, geluid uitgeschakeld. Klik op Ja om bestanden te zoeken</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane van CORVATH</translation>
    </message>
</context>
</TS>
