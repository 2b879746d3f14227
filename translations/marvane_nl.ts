<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>De regels van Marvane</translation>
    </message>
    <message>
        <source>Keys: on the board, the arrow keys move the focus square, Home and End go to the first and last square of its row, a letter a to h and a digit 1 to 8 go to that column and row, and Space or Enter plays the square. Anywhere: Ctrl+N starts a new game, Ctrl+Q quits, F1 shows these rules, Ctrl+Z takes a move back, and Ctrl+Shift+Z or Ctrl+Y plays it again; Ctrl+L opens the move list, Ctrl+Shift+C and Ctrl+Shift+V copy and paste the moves, Ctrl+S saves the game and Ctrl+O opens one. While the options panel is open, Tab and Shift+Tab move between the board and its controls, Up and Down (Page Up and Page Down in larger steps) change the response time and Space ticks a box. With the menu bar shown, Alt moves into it; then the arrow keys, Enter and Escape work the menus.</source>
        <translation>Toetsen: op het bord verplaatsen de pijltjestoetsen het actieve veld, Home en End gaan naar het eerste en laatste veld van de rij, een letter a tot h en een cijfer 1 tot 8 gaan naar die kolom en rij, en Spatie of Enter speelt het veld. Overal: Ctrl+N begint een nieuw spel, Ctrl+Q sluit af, F1 toont deze regels, Ctrl+Z neemt een zet terug, en Ctrl+Shift+Z of Ctrl+Y speelt hem opnieuw; Ctrl+L opent de zettenlijst, Ctrl+Shift+C en Ctrl+Shift+V kopiëren en plakken de zetten, Ctrl+S bewaart het spel en Ctrl+O opent er een. Als het optiepaneel open is, gaan Tab en Shift+Tab tussen het bord en de bedieningselementen, Omhoog en Omlaag (Page Up en Page Down in grotere stappen) wijzigen de reactietijd en Spatie vinkt een vakje aan. Als de menubalk zichtbaar is, gaat Alt erin; dan bedienen de pijltjestoetsen, Enter en Escape de menu&apos;s.</translation>
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
        <translation>waar je je steen plaatst,</translation>
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
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane van CORVATH</translation>
    </message>
</context>
<context>
    <name>marvane::SoundEffects</name>
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
De huidige geluiden blijven.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>%1 is niet als geluid te lezen
De huidige geluiden blijven.</translation>
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
    <name>marvane::TMarvaneForm</name>
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
</TS>
