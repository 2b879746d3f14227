<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Regeln von Marvane</translation>
    </message>
    <message>
        <source>Keys: on the board, the arrow keys move the focus square, Home and End go to the first and last square of its row, a letter a to h and a digit 1 to 8 go to that column and row, and Space or Enter plays the square. Anywhere: Ctrl+N starts a new game, Ctrl+Q quits, F1 shows these rules, Ctrl+Z takes a move back, and Ctrl+Shift+Z or Ctrl+Y plays it again; Ctrl+L opens the move list, Ctrl+Shift+C and Ctrl+Shift+V copy and paste the moves, Ctrl+S saves the game and Ctrl+O opens one. While the options panel is open, Tab and Shift+Tab move between the board and its controls, Up and Down (Page Up and Page Down in larger steps) change the response time and Space ticks a box. With the menu bar shown, Alt moves into it; then the arrow keys, Enter and Escape work the menus.</source>
        <translation>Tasten: Auf dem Brett bewegen die Pfeiltasten das Fokusfeld, Pos1 und Ende gehen zum ersten und letzten Feld seiner Reihe, ein Buchstabe a bis h und eine Ziffer 1 bis 8 gehen zu dieser Spalte und Reihe, und Leertaste oder Eingabe spielt das Feld. Überall: Strg+N beginnt ein neues Spiel, Strg+Q beendet, F1 zeigt diese Regeln, Strg+Z nimmt einen Zug zurück, und Strg+Umschalt+Z oder Strg+Y spielt ihn erneut; Strg+L öffnet die Zugliste, Strg+Umschalt+C und Strg+Umschalt+V kopieren und fügen die Züge ein, Strg+S speichert das Spiel und Strg+O öffnet eines. Solange die Optionen offen sind, wechseln Tab und Umschalt+Tab zwischen dem Brett und den Bedienelementen, Pfeil auf und ab (Bild auf und Bild ab in größeren Schritten) ändern die Antwortzeit, und die Leertaste setzt ein Häkchen. Bei sichtbarer Menüleiste führt Alt hinein; dann bedienen die Pfeiltasten, Eingabe und Escape die Menüs.</translation>
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
        <translation>Weiß beginnt: ein Feld mit der Maus wählen</translation>
    </message>
    <message>
        <source>and click the left button</source>
        <translation>und die linke Taste drücken.</translation>
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
        <translation>liegen,</translation>
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
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane von CORVATH</translation>
    </message>
</context>
<context>
    <name>marvane::SoundEffects</name>
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
    <name>marvane::TMarvaneForm</name>
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
</TS>
