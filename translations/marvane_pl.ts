<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Zasady gry Marvane</translation>
    </message>
    <message>
        <source>Keys: on the board, the arrow keys move the focus square, Home and End go to the first and last square of its row, a letter a to h and a digit 1 to 8 go to that column and row, and Space or Enter plays the square. Anywhere: Ctrl+N starts a new game, Ctrl+Q quits, F1 shows these rules, Ctrl+Z takes a move back, and Ctrl+Shift+Z or Ctrl+Y plays it again; Ctrl+L opens the move list, Ctrl+Shift+C and Ctrl+Shift+V copy and paste the moves, Ctrl+S saves the game and Ctrl+O opens one. While the options panel is open, Tab and Shift+Tab move between the board and its controls, Up and Down (Page Up and Page Down in larger steps) change the response time and Space ticks a box. With the menu bar shown, Alt moves into it; then the arrow keys, Enter and Escape work the menus.</source>
        <translation>Klawisze: na planszy strzałki przesuwają aktywne pole, Home i End przechodzą do pierwszego i ostatniego pola w rzędzie, litera od a do h i cyfra od 1 do 8 przechodzą do tej kolumny i rzędu, a Spacja lub Enter stawia pionek na polu. Wszędzie: Ctrl+N zaczyna nową grę, Ctrl+Q zamyka grę, F1 pokazuje te zasady, Ctrl+Z cofa ruch, a Ctrl+Shift+Z lub Ctrl+Y powtarza go; Ctrl+L otwiera listę ruchów, Ctrl+Shift+C i Ctrl+Shift+V kopiują i wklejają ruchy, Ctrl+S zapisuje grę, a Ctrl+O otwiera zapisaną. Gdy panel opcji jest otwarty, Tab i Shift+Tab przechodzą między planszą a jej kontrolkami, Góra i Dół (Page Up i Page Down większymi krokami) zmieniają czas odpowiedzi, a Spacja zaznacza pole wyboru. Gdy pasek menu jest widoczny, Alt do niego przechodzi; potem strzałki, Enter i Escape obsługują menu.</translation>
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
        <translation>1 pionek przeciwnika,</translation>
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
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane – CORVATH</translation>
    </message>
</context>
<context>
    <name>marvane::SoundEffects</name>
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
Obecne dźwięki pozostają.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>Nie można odczytać %1 jako dźwięku
Obecne dźwięki pozostają.</translation>
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
        <translation>Brak plików dźwiękowych, dźwięk wyłączony. Kliknij Tak, aby wskazać pliki</translation>
    </message>
</context>
<context>
    <name>marvane::TMarvaneForm</name>
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
</TS>
