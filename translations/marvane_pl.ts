<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AnalysisRoom</name>
    <message>
        <source>There is not enough memory for the analysis.</source>
        <translation>Brak pamięci na analizę.</translation>
    </message>
    <message>
        <source>The learned evaluation cannot be used, so hints, scores and reviews judge positions with a simpler formula.</source>
        <translation>Nie można użyć wyuczonej oceny, więc podpowiedzi, wyniki i analizy oceniają pozycje prostszym wzorem.</translation>
    </message>
</context>
<context>
    <name>BoardAccess</name>
    <message>
        <source>Hint: row %1, column %2, score %3</source>
        <translation>Podpowiedź: wiersz %1, kolumna %2, ocena %3</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2, score about %3</source>
        <translation>Podpowiedź: wiersz %1, kolumna %2, ocena około %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>, last move</source>
        <translation>, ostatni ruch</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, możliwy ruch</translation>
    </message>
    <message>
        <source>, hint</source>
        <translation>, podpowiedź</translation>
    </message>
    <message>
        <source>, score %1</source>
        <translation>, ocena %1</translation>
    </message>
    <message>
        <source>, score about %1</source>
        <translation>, ocena około %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolumna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>wiersz %1</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Pokaż ostatni ruch</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Pokaż możliwe ruchy</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Show Evaluations</source>
        <translation>Pokaż oceny</translation>
    </message>
    <message>
        <source>Expert Hard Level</source>
        <translation>Poziom Trudny dla eksperta</translation>
    </message>
    <message>
        <source>Show Coordinates</source>
        <translation>Pokaż współrzędne</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
    <message>
        <source>Standard Rules</source>
        <translation>Standardowe zasady</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>There is no game to review.</source>
        <translation>Nie ma gry do analizy.</translation>
    </message>
    <message>
        <source>There are no moves to review yet.</source>
        <translation>Nie ma jeszcze ruchów do analizy.</translation>
    </message>
    <message>
        <source>best</source>
        <comment>the move lost nothing</comment>
        <translation>najlepszy</translation>
    </message>
    <message>
        <source>Reviewing: %1 of %2 moves</source>
        <translation>Analiza ruchów: %1 z %2</translation>
    </message>
    <message>
        <source>Review stopped: %1 of %2 moves</source>
        <translation>Analiza ruchów przerwana: %1 z %2</translation>
    </message>
    <message>
        <source>Reviewed: what each move gave away (≈ an estimate)</source>
        <translation>Przeanalizowano: ile oddał każdy ruch (≈ szacunek)</translation>
    </message>
    <message>
        <source>This game cannot be reviewed.</source>
        <translation>Tej gry nie można przeanalizować.</translation>
    </message>
    <message>
        <source>The review knows Marvane&apos;s own rules only, and this game is played by the standard rules.</source>
        <translation>Analiza zna tylko własne zasady Marvane, a ta partia toczy się według standardowych zasad.</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>Blue</source>
        <translation>Niebieskie</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Białe</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Czarne</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwone</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielone</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Turkusowe</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółte</translation>
    </message>
    <message>
        <source>Position Your Piece</source>
        <translation>Postaw pionek</translation>
    </message>
    <message>
        <source>It&apos;s a Draw</source>
        <translation>Remis</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <extracomment>%1 is the winning colour&apos;s name.</extracomment>
        <translation>Wygrały %1</translation>
    </message>
    <message>
        <source>White</source>
        <comment>short: turn box and score labels</comment>
        <translation>Białe</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>short: turn box and score labels</comment>
        <translation>Czarne</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>short: turn box and score labels</comment>
        <translation>Czerw.</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>short: turn box and score labels</comment>
        <translation>Ziel.</translation>
    </message>
    <message>
        <source>Cyan</source>
        <comment>short: turn box and score labels</comment>
        <translation>Turk.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>short: turn box and score labels</comment>
        <translation>Żółte</translation>
    </message>
    <message>
        <source>Moves mirrored</source>
        <extracomment>Said after a game written the other way round was replayed in its mirror image.</extracomment>
        <translation>Ruchy odbite</translation>
    </message>
    <message>
        <source>This is not a game record: it holds binary data.</source>
        <translation>To nie jest zapis gry: zawiera dane binarne.</translation>
    </message>
    <message>
        <source>This is not a game record: line %1 is not UTF-8 text.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>To nie jest zapis gry: wiersz %1 nie jest tekstem UTF-8.</translation>
    </message>
    <message>
        <source>This is too long for a game record: more than 1 MB.</source>
        <translation>To jest za duże jak na zapis gry: ponad 1 MB.</translation>
    </message>
    <message>
        <source>Line %1 is a header line after the moves: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>Wiersz %1 to wiersz nagłówka po ruchach: %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a header line of the form %2: %3.</source>
        <extracomment>%1 is a line number, %2 the form of a header line as files write it, %3 the line as the file has it.</extracomment>
        <translation>Wiersz %1 nie jest wierszem nagłówka w postaci %2: %3.</translation>
    </message>
    <message>
        <source>Line %1 repeats the header &quot;%2&quot;.</source>
        <extracomment>%1 is a line number, %2 the header&apos;s English name as files write it.</extracomment>
        <translation>Wiersz %1 powtarza nagłówek „%2”.</translation>
    </message>
    <message>
        <source>Unknown header line %1: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>Wiersz %1 to nieznany wiersz nagłówka: %2.</translation>
    </message>
    <message>
        <source>Line %1: the program is not named.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Wiersz %1: nie podano nazwy programu.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written as year.month.day.</source>
        <extracomment>%1 is a line number, %2 the date as the file has it.</extracomment>
        <translation>Wiersz %1: data „%2” nie jest zapisana w postaci rok.miesiąc.dzień.</translation>
    </message>
    <message>
        <source>Line %1: the time &quot;%2&quot; is not written as hours:minutes:seconds.</source>
        <extracomment>%1 is a line number, %2 the time as the file has it.</extracomment>
        <translation>Wiersz %1: godzina „%2” nie jest zapisana w postaci godziny:minuty:sekundy.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a colour pair of the game (two different of %3).</source>
        <extracomment>%1 is a line number, %2 the colours as the file has them, %3 the colour names a file may hold (in English).</extracomment>
        <translation>Wiersz %1: „%2” nie jest parą kolorów gry (dwa różne spośród: %3).</translation>
    </message>
    <message>
        <source>Line %1: the players &quot;%2&quot; are neither 1 nor 2.</source>
        <extracomment>%1 is a line number, %2 the number of players as the file has it.</extracomment>
        <translation>Wiersz %1: liczba graczy „%2” to ani 1, ani 2.</translation>
    </message>
    <message>
        <source>Line %1: the level &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the level as the file has it; %3 and %4 are the two words a file may hold (Easy, Hard).</extracomment>
        <translation>Wiersz %1: poziom „%2” to ani %3, ani %4.</translation>
    </message>
    <message>
        <source>Line %1: the orientation &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the orientation as the file has it; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Wiersz %1: orientacja „%2” to ani %3, ani %4.</translation>
    </message>
    <message>
        <source>Line %1: the start position is refused.</source>
        <extracomment>%1 is a line number. The reason follows in sentences of its own.</extracomment>
        <translation>Wiersz %1: pozycja startowa została odrzucona.</translation>
    </message>
    <message>
        <source>Line %1: the result &quot;%2&quot; is not two counts of counters such as &quot;34-30&quot;.</source>
        <extracomment>%1 is a line number, %2 the result as the file has it.</extracomment>
        <translation>Wiersz %1: wynik „%2” nie jest parą liczb pionków, taką jak „34-30”.</translation>
    </message>
    <message>
        <source>The last move, move %1, is cut short: &quot;%2&quot; has no row digit.</source>
        <extracomment>%1 is the move&apos;s number, %2 the letter it starts with.</extracomment>
        <translation>Ostatni ruch, ruch %1, jest urwany: w „%2” brakuje cyfry wiersza.</translation>
    </message>
    <message>
        <source>Move %1, &quot;%2&quot;, is not a square of the board (a1 to h8).</source>
        <extracomment>%1 is the move&apos;s number, %2 the move as the file has it.</extracomment>
        <translation>Ruch %1, „%2”, nie jest polem planszy (od a1 do h8).</translation>
    </message>
    <message>
        <source>Move %1 is one too many: a game has at most %2 moves.</source>
        <extracomment>%1 is the move&apos;s number, %2 the most moves a game has (60).</extracomment>
        <translation>Ruch %1 jest o jeden za dużo: gra ma najwyżej %2 ruchów.</translation>
    </message>
    <message>
        <source>There are no moves in it.</source>
        <translation>Nie ma tu żadnych ruchów.</translation>
    </message>
    <message>
        <source>The header says the moves are in the %1 orientation, but the first move, %2, starts a game in the %3 one: the two orientations are mixed.</source>
        <extracomment>%1 and %3 are the words files name the orientations by (Marvane, Usual), %2 a square.</extracomment>
        <translation>Nagłówek mówi, że ruchy są w orientacji %1, ale pierwszy ruch, %2, zaczyna grę w orientacji %3: obie orientacje są pomieszane.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not a square of the board.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Ruch %1, %2 %3, nie jest polem planszy.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, cannot be played: %2 has no legal square, and this game has no passing.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Ruch %1, %2 %3, nie może zostać zagrany: %2 nie mają żadnego możliwego pola, a w tej grze nie można pasować.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: the square is already taken.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Ruch %1, %2 %3, nie jest możliwy: pole jest już zajęte.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: it closes off no line of %4 counters.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square, %4 the other colour (a colour name).</extracomment>
        <translation>Ruch %1, %2 %3, nie jest możliwy: nie zamyka żadnej linii pionków przeciwnika (%4).</translation>
    </message>
    <message>
        <source>Its mirror image, %1, would be: the transcript seems to mix the two orientations.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Odbity ruch, %1, byłby możliwy: zapis ruchów wydaje się mieszać obie orientacje.</translation>
    </message>
    <message>
        <source>The start position cannot occur in a game.</source>
        <extracomment>The reason follows in sentences of its own.</extracomment>
        <translation>Pozycja startowa nie może wystąpić w grze.</translation>
    </message>
    <message>
        <source>The result %1 does not match the moves, which end %2.</source>
        <extracomment>%1 and %2 are results such as 34-30.</extracomment>
        <translation>Wynik %1 nie zgadza się z ruchami, które kończą się wynikiem %2.</translation>
    </message>
    <message>
        <source>A game cannot be replayed while Autoplay runs.</source>
        <translation>Nie można odtworzyć gry, gdy trwa Autogra.</translation>
    </message>
    <message>
        <source>A game never has fewer than the 4 counters it starts with; this position has %1.</source>
        <extracomment>%1 is a number of counters.</extracomment>
        <translation>Gra nigdy nie ma mniej niż 4 pionki, od których się zaczyna; ta pozycja ma ich %1.</translation>
    </message>
    <message>
        <source>The centre square %1 is empty, and the four centre squares are never empty in a game.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Środkowe pole %1 jest puste, a cztery środkowe pola nigdy nie są puste w trakcie gry.</translation>
    </message>
    <message>
        <source>The board is full: there is no move left to play.</source>
        <translation>Plansza jest pełna: nie został żaden ruch do zagrania.</translation>
    </message>
    <message>
        <source>The counter on %1 is cut off from the centre, and every counter is placed beside one already on the board.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Pionek na %1 jest odcięty od środka, a każdy pionek stawia się obok innego, który już stoi na planszy.</translation>
    </message>
    <message>
        <source>This is too long for a position, which is 64 squares, a space and the side to play.</source>
        <translation>To za długie jak na pozycję, która składa się z 64 pól, spacji i oznaczenia, kto ma ruch.</translation>
    </message>
    <message>
        <source>There is no position in it.</source>
        <translation>Nie ma tu żadnej pozycji.</translation>
    </message>
    <message>
        <source>A position has 64 squares, a1 to h8, before the side to play; this one has %1.</source>
        <extracomment>%1 is the number of characters found.</extracomment>
        <translation>Pozycja ma 64 pola, od a1 do h8, przed oznaczeniem, kto ma ruch; ta ma ich %1.</translation>
    </message>
    <message>
        <source>Square %1 holds &quot;%2&quot;, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square, %2 the character found there. X, O and - are what the position holds: keep them.</extracomment>
        <translation>Pole %1 zawiera „%2”, a to nie jest ani X (czarne), ani O (białe), ani - (puste).</translation>
    </message>
    <message>
        <source>Square %1 holds a character, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square. X, O and - are what the position holds: keep them.</extracomment>
        <translation>Pole %1 zawiera znak, który nie jest ani X (czarne), ani O (białe), ani - (puste).</translation>
    </message>
    <message>
        <source>The side to play, X or O, is missing after the 64 squares.</source>
        <extracomment>X and O are what the position holds: keep them.</extracomment>
        <translation>Po 64 polach brakuje oznaczenia, kto ma ruch: X lub O.</translation>
    </message>
    <message>
        <source>The side to play must be X (black) or O (white), not &quot;%1&quot;.</source>
        <extracomment>%1 is the text found instead. X and O are what the position holds: keep them.</extracomment>
        <translation>Oznaczeniem, kto ma ruch, musi być X (czarne) lub O (białe), a nie „%1”.</translation>
    </message>
    <message>
        <source>There is more text after the side to play.</source>
        <translation>Po oznaczeniu, kto ma ruch, jest jeszcze tekst.</translation>
    </message>
    <message>
        <source>%1 has no legal square and passes.</source>
        <extracomment>Said on the turn line under standard rules. %1 is the colour that passes (a colour name).</extracomment>
        <translation>%1 nie ma dozwolonego pola i pasuje.</translation>
    </message>
    <message>
        <source>Standard rules: a side with no legal square passes.</source>
        <extracomment>Said after a game was opened that can only be played with passes, or that says so.</extracomment>
        <translation>Standardowe zasady: strona bez dozwolonego pola pasuje.</translation>
    </message>
    <message>
        <source>Line %1: the rules &quot;%2&quot; are neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the rules as the file has them; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Wiersz %1: zasady „%2” to ani %3, ani %4.</translation>
    </message>
    <message>
        <source>A position with 4 counters is the start, two of each colour crosswise in the centre, and this one is not.</source>
        <translation>Pozycja z 4 pionami to pozycja początkowa, po dwa każdego koloru na krzyż w środku, a ta nią nie jest.</translation>
    </message>
</context>
<context>
    <name>KeyList</name>
    <message>
        <source>Undo (Game menu)</source>
        <translation>Cofnij (menu Gra)</translation>
    </message>
    <message>
        <source>Redo (Game menu)</source>
        <translation>Ponów (menu Gra)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Strzałki</translation>
    </message>
    <message>
        <source>board</source>
        <translation>plansza</translation>
    </message>
    <message>
        <source>move the focus square</source>
        <translation>przesuń aktywne pole</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>go to the first or last square of the focus square&apos;s row</source>
        <translation>przejdź do pierwszego lub ostatniego pola wiersza</translation>
    </message>
    <message>
        <source>a-h, then 1-8</source>
        <translation>a-h, potem 1-8</translation>
    </message>
    <message>
        <source>go to that column and row (&quot;e3&quot;)</source>
        <translation>przejdź do tej kolumny i wiersza („e3”)</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Spacja, Enter</translation>
    </message>
    <message>
        <source>play the focus square, exactly as a click on it would</source>
        <translation>postaw pionek na aktywnym polu, jak kliknięciem myszy</translation>
    </message>
    <message>
        <source>Up, Down, Home, End</source>
        <translation>Góra, Dół, Home, End</translation>
    </message>
    <message>
        <source>move list</source>
        <translation>lista ruchów</translation>
    </message>
    <message>
        <source>step to the next, previous, first or last position</source>
        <translation>przejdź do następnej, poprzedniej, pierwszej lub ostatniej pozycji</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>move list, keys list</source>
        <translation>lista ruchów, lista klawiszy</translation>
    </message>
    <message>
        <source>close that window</source>
        <translation>zamknij to okno</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>options panel open</source>
        <translation>opcje otwarte</translation>
    </message>
    <message>
        <source>move between the board and the panel&apos;s controls</source>
        <translation>przechodź między planszą a kontrolkami panelu</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down</source>
        <translation>Góra, Dół, Page Up, Page Down</translation>
    </message>
    <message>
        <source>response time box</source>
        <translation>pole Czas odpowiedzi</translation>
    </message>
    <message>
        <source>change the response time (Page keys in steps of 100 ms)</source>
        <translation>zmień czas odpowiedzi (klawisze Page co 100 ms)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>options check boxes</source>
        <translation>pola wyboru opcji</translation>
    </message>
    <message>
        <source>tick or untick the box</source>
        <translation>zaznacz lub odznacz pole</translation>
    </message>
    <message>
        <source>Alt, then arrows, Enter, Esc</source>
        <translation>Alt, potem strzałki, Enter, Esc</translation>
    </message>
    <message>
        <source>menu bar shown</source>
        <translation>pasek menu widoczny</translation>
    </message>
    <message>
        <source>open and work the menus</source>
        <translation>otwieraj menu i wybieraj polecenia</translation>
    </message>
    <message>
        <source>anywhere</source>
        <translation>wszędzie</translation>
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
        <translation>Klawisze.</translation>
    </message>
    <message>
        <source>&quot;restart&quot;: start a new game</source>
        <translation>„od nowa”: zacznij nową grę</translation>
    </message>
    <message>
        <source>&quot;quit&quot;: close Marvane</source>
        <translation>„wyjdź”: zamknij Marvane</translation>
    </message>
    <message>
        <source>&quot;rules&quot;: show the rules</source>
        <translation>„zasady”: pokaż zasady</translation>
    </message>
    <message>
        <source>close the panel, as its &quot;Return to Marvane&quot; does</source>
        <translation>zamknij panel, jak przycisk „Wróć do gry”</translation>
    </message>
    <message>
        <source>rules or options panel open</source>
        <translation>zasady lub opcje otwarte</translation>
    </message>
    <message>
        <source>&quot;finish&quot;: end the game</source>
        <translation>„koniec”: zakończ grę</translation>
    </message>
    <message>
        <source>&quot;2 Players&quot;, &quot;1 Player&quot;: play against the computer or a person</source>
        <translation>„2 graczy”, „1 gracz”: graj z komputerem lub z człowiekiem</translation>
    </message>
    <message>
        <source>&quot;Easy&quot;, &quot;Hard&quot;: switch the computer&apos;s level</source>
        <translation>„Łatwy”, „Trudny”: zmień poziom komputera</translation>
    </message>
    <message>
        <source>against the computer</source>
        <translation>z komputerem</translation>
    </message>
    <message>
        <source>&quot;options&quot;: open the options panel</source>
        <translation>„opcje”: otwórz opcje</translation>
    </message>
    <message>
        <source>play the hint&apos;s square</source>
        <translation>zagrać pole z podpowiedzi</translation>
    </message>
    <message>
        <source>hint shown</source>
        <translation>podpowiedź widoczna</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Marvane Keys</source>
        <translation>Klawisze Marvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Gdzie</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Quit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Leave Marvane</source>
        <translation>Zamknij Marvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>Contact Corvath</source>
        <translation>Kontakt z Corvath</translation>
    </message>
    <message>
        <source>Visit our Website</source>
        <translation>Odwiedź naszą stronę</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Hide Menu</source>
        <translation>Ukryj menu</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Kolory</translation>
    </message>
    <message>
        <source>Black..White</source>
        <translation>Czarne..Białe</translation>
    </message>
    <message>
        <source>Red..Green</source>
        <translation>Czerwone..Zielone</translation>
    </message>
    <message>
        <source>Aqua..Yellow</source>
        <translation>Morskie..Żółte</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Pokaż stan</translation>
    </message>
    <message>
        <source>Locate</source>
        <translation>Wskaż</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Autogra</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane – CORVATH</translation>
    </message>
    <message>
        <source>%1 Version %2  by Corvath</source>
        <translation>%1 wersja %2 – Corvath</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obraz bitmapy jest nieprawidłowy</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Move List</source>
        <translation>Lista ruchów</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Choose a move to show the board as it was after it.</source>
        <translation>Wybierz ruch, by zobaczyć planszę po nim.</translation>
    </message>
    <message>
        <source>Autoplay is running: the list follows it.</source>
        <translation>Autogra trwa: lista ją śledzi.</translation>
    </message>
    <message>
        <source>Stop Review</source>
        <translation>Przerwij analizę</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizuj grę</translation>
    </message>
    <message>
        <source>, a worst mistake</source>
        <translation>, jeden z najgorszych błędów</translation>
    </message>
    <message>
        <source>, taken back</source>
        <translation>, cofnięty</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>, opening: %1</source>
        <translation>, otwarcie: %1</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Marvane Options</source>
        <translation>Opcje Marvane</translation>
    </message>
    <message>
        <source>Response time</source>
        <translation>Czas odpowiedzi</translation>
    </message>
    <message>
        <source>Milliseconds before the computer moves</source>
        <translation>Milisekundy do ruchu komputera</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Efekty dźwiękowe</translation>
    </message>
    <message>
        <source>Turn sound effects On or Off</source>
        <translation>Włącz lub wyłącz efekty dźwiękowe</translation>
    </message>
    <message>
        <source>Show Windows Menu</source>
        <translation>Pokaż pasek menu</translation>
    </message>
    <message>
        <source>Show Windows Status Bar</source>
        <translation>Pokaż pasek stanu</translation>
    </message>
    <message>
        <source>Go to our Web Site</source>
        <translation>Przejdź do naszej strony</translation>
    </message>
    <message>
        <source>Email Corvath-Solutions</source>
        <translation>Napisz do Corvath-Solutions</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Wróć do gry</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Game files (*.txt);;All files (*)</source>
        <translation>Pliki gier (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <translation>%1 %2-%3, %4</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>The file is too large for a game record: %1, where a record is at most 1 MB.</source>
        <translation>Plik jest za duży na zapis gry: %1, a zapis gry ma najwyżej 1 MB.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>more than 1 MB</source>
        <translation>ponad 1 MB</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>To jest folder, a nie plik.</translation>
    </message>
    <message>
        <source>This is %1.</source>
        <translation>To jest %1.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Nie można otworzyć pliku: %1.</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Lista ruchów</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analizuj grę</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Kopiuj ruchy</translation>
    </message>
    <message>
        <source>Copy Moves for Other Programs</source>
        <translation>Kopiuj ruchy dla innych programów</translation>
    </message>
    <message>
        <source>Paste Moves</source>
        <translation>Wklej ruchy</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Kopiuj pozycję</translation>
    </message>
    <message>
        <source>Paste Position</source>
        <translation>Wklej pozycję</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Zapisz grę...</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Otwórz grę...</translation>
    </message>
    <message>
        <source>Start: the position</source>
        <translation>Start: pozycja</translation>
    </message>
    <message>
        <source>The clipboard holds no position to start from.</source>
        <translation>Schowek nie zawiera pozycji, od której można zacząć grę.</translation>
    </message>
    <message>
        <source>The position on the clipboard cannot be played.</source>
        <translation>Pozycji ze schowka nie można rozegrać.</translation>
    </message>
    <message>
        <source>The moves on the clipboard cannot be replayed.</source>
        <translation>Ruchów ze schowka nie można odtworzyć.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves to replay.</source>
        <translation>Schowek nie zawiera ruchów do odtworzenia.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>The game was not saved to &quot;%1&quot;.</source>
        <translation>Gra nie została zapisana w „%1”.</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Otwórz grę</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>Nie można otworzyć „%1”.</translation>
    </message>
    <message>
        <source>Its record would be %1 bytes long, and a game file is read only up to 1 MB (%2 bytes).</source>
        <translation>Zapis miałby %1 bajtów, a plik gry jest czytany tylko do 1 MB (%2 bajtów).</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Evaluation over the game</source>
        <translation>Ocena w trakcie gry</translation>
    </message>
    <message>
        <source>start</source>
        <comment>the position before the first move</comment>
        <translation>start</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>ruch %1</translation>
    </message>
    <message>
        <source>%1: not reviewed yet</source>
        <translation>%1: jeszcze nie przeanalizowano</translation>
    </message>
    <message>
        <source>%1: even</source>
        <translation>%1: remis</translation>
    </message>
    <message>
        <source>%1: about even</source>
        <translation>%1: mniej więcej remis</translation>
    </message>
    <message>
        <source>%1: +%2 for %3</source>
        <comment>move 12: +4 discs for White</comment>
        <translation>%1: %3 +%2</translation>
    </message>
    <message>
        <source>%1: about +%2 for %3</source>
        <comment>an estimate</comment>
        <translation>%1: %3 około +%2</translation>
    </message>
    <message>
        <source>discs</source>
        <translation>pionki</translation>
    </message>
    <message>
        <source>move</source>
        <comment>the axis of move numbers</comment>
        <translation>ruch</translation>
    </message>
    <message>
        <source>even</source>
        <comment>the line at 0: neither side leads</comment>
        <translation>remis</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 prowadzą</translation>
    </message>
    <message>
        <source>exact score</source>
        <translation>dokładna ocena</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>szacunek</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Zasady gry Marvane</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Wróć do gry</translation>
    </message>
    <message>
        <source>Two player game</source>
        <translation>Gra dla dwóch osób</translation>
    </message>
    <message>
        <source>Each player must chose their colour Black or White</source>
        <translation>Każdy gracz wybiera kolor: czarne lub białe.</translation>
    </message>
    <message>
        <source>White goes first, use the mouse to select a square </source>
        <translation>Zaczynają białe: wskaż pole myszą</translation>
    </message>
    <message>
        <source>and click the left button</source>
        <translation>i kliknij lewym przyciskiem.</translation>
    </message>
    <message>
        <source>The object of Marvane is to get as many of your</source>
        <translation>Celem gry Marvane jest mieć na planszy</translation>
    </message>
    <message>
        <source>coloured counters on the game grid as possible</source>
        <translation>jak najwięcej pionków w swoim kolorze.</translation>
    </message>
    <message>
        <source>the game starts with 4 counters, in the centre</source>
        <translation>Gra zaczyna się od 4 pionków na środkowych</translation>
    </message>
    <message>
        <source>squares, 2 White and 2 Black, You can place</source>
        <translation>polach, 2 białych i 2 czarnych. Kolejny pionek</translation>
    </message>
    <message>
        <source>another counter of your colour following these rules</source>
        <translation>w swoim kolorze stawiasz według tych zasad:</translation>
    </message>
    <message>
        <source>1. The square must be empty</source>
        <translation>1. Pole musi być puste.</translation>
    </message>
    <message>
        <source>2. There must be at least 1 counter of the other</source>
        <translation>2. Na polu sąsiednim do tego, na którym</translation>
    </message>
    <message>
        <source>colour in an adjacent square to the one</source>
        <translation>stawiasz pionek, musi stać co najmniej</translation>
    </message>
    <message>
        <source>that you are placing,</source>
        <translation>1 pionek przeciwnika.</translation>
    </message>
    <message>
        <source>3. A counter of your own colour must be immediately</source>
        <translation>3. Tuż za pionkiem lub pionkami przeciwnika</translation>
    </message>
    <message>
        <source>beyond the opposing counter/s</source>
        <translation>musi stać pionek w twoim kolorze.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>a folder, not a regular file</source>
        <extracomment>Each follows &quot;This is&quot;, &quot;The file is&quot; or a file&apos;s name and &quot;is&quot;.</extracomment>
        <translation>folder, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation>potok nazwany, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>urządzenie, a nie zwykły plik</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>gniazdo, a nie zwykły plik</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>coś, co nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>Folder „%1” nie istnieje</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder &quot;%1&quot;</source>
        <translation>Brak uprawnień do zapisu w folderze „%1”</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>Dysk jest pełny (%1)</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>Plik to %1</translation>
    </message>
    <message>
        <source>the old file cannot be kept as %1</source>
        <translation>starego pliku nie można zachować jako %1</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Nie można utworzyć klucza %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;: %2</source>
        <translation>Nie można zapisać danych „%1”: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what it is instead (&quot;a folder, not a regular file&quot;).</extracomment>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Nie można zapisać danych „%1”</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Nieprawidłowy typ danych dla „%1”</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Nie można odczytać danych „%1”</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is on a disk that cannot be written to</source>
        <translation>Folder „%1” znajduje się na dysku, na którym nie można zapisywać</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1 jest tylko do odczytu</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read, so the default options are used. Only the options you change are saved: this file is then kept as %2 and a new one is written</source>
        <translation>Plik ustawień %1 jest większy niż 1 MB i nie został wczytany, więc obowiązują opcje domyślne. Zapisywane są tylko zmienione opcje: ten plik zostanie wtedy zachowany jako %2 i powstanie nowy</translation>
    </message>
    <message>
        <source>The settings file %1, so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path and what it is instead (&quot;... is a folder, not a regular file&quot;).</extracomment>
        <translation>Plik ustawień %1, więc obowiązują opcje domyślne. Zapisywane są tylko zmienione opcje</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>Nie można wczytać pliku ustawień %1 (%2), więc obowiązują opcje domyślne. Zapisywane są tylko zmienione opcje</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Zostało</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Zdobyte</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>wyjdź</translation>
    </message>
    <message>
        <source>Leave  Marvane</source>
        <translation>Zamknij Marvane</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>Who won ?</source>
        <translation>Kto wygrał?</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>od nowa</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Zacznij nową grę</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>zasady</translation>
    </message>
    <message>
        <source>The rules of Marvane</source>
        <translation>Zasady gry Marvane</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opcje</translation>
    </message>
    <message>
        <source>Show Marvane Options</source>
        <translation>Pokaż opcje Marvane</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Select computer skill level</source>
        <translation>Wybierz poziom komputera</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 graczy</translation>
    </message>
    <message>
        <source>Select number of players</source>
        <translation>Wybierz liczbę graczy</translation>
    </message>
    <message>
        <source>Position your  piece</source>
        <translation>Postaw pionek</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>To play</source>
        <translation>Ruch mają</translation>
    </message>
    <message>
        <source>White score</source>
        <translation>Wynik białych</translation>
    </message>
    <message>
        <source>Black score</source>
        <translation>Wynik czarnych</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Wynik: %1</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 gracz</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 graczy</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1 was not found in %2
The sounds in use are kept.</source>
        <translation>Nie znaleziono %1 w %2
Obecne dźwięki pozostają bez zmian.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>Nie można odczytać %1 jako dźwięku
Obecne dźwięki pozostają bez zmian.</translation>
    </message>
    <message>
        <source>Marvane Bitmaps (*.bmp)</source>
        <translation>Obrazy Marvane (*.bmp)</translation>
    </message>
    <message>
        <source>Marvane Sound Files (*.wav)</source>
        <translation>Pliki dźwiękowe Marvane (*.wav)</translation>
    </message>
    <message>
        <source>No Sound device present or other audio error
 sounds disabled. </source>
        <translation>Brak urządzenia dźwiękowego lub inny błąd dźwięku,
 dźwięki wyłączone. </translation>
    </message>
    <message>
        <source>No sound files present, sound disabled. Click Yes to browse for files</source>
        <translation>Brak plików dźwiękowych, dźwięk wyłączony. Kliknij „Tak”, aby wskazać pliki</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane – CORVATH</translation>
    </message>
</context>
</TS>
