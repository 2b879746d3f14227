<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>GameText</name>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Position Your Piece</source>
        <translation>Placez votre pion</translation>
    </message>
    <message>
        <source>It&apos;s a Draw</source>
        <translation>Match nul</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>%1 gagne</translation>
    </message>
    <message>
        <source>White</source>
        <comment>short: turn box and score labels</comment>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>short: turn box and score labels</comment>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>short: turn box and score labels</comment>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>short: turn box and score labels</comment>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <comment>short: turn box and score labels</comment>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>short: turn box and score labels</comment>
        <translation>Jaune</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Leave Marvane</source>
        <translation>Quitter Marvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Contact Corvath</source>
        <translation>Contacter Corvath</translation>
    </message>
    <message>
        <source>Visit our Website</source>
        <translation>Visiter notre site web</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Hide Menu</source>
        <translation>Masquer le menu</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Black..White</source>
        <translation>Noir..Blanc</translation>
    </message>
    <message>
        <source>Red..Green</source>
        <translation>Rouge..Vert</translation>
    </message>
    <message>
        <source>Aqua..Yellow</source>
        <translation>Aqua..Jaune</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Afficher l&apos;état</translation>
    </message>
    <message>
        <source>Locate</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Démo</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Marvane Options</source>
        <translation>Options de Marvane</translation>
    </message>
    <message>
        <source>Response time</source>
        <translation>Temps de réponse</translation>
    </message>
    <message>
        <source>Milliseconds before the computer moves</source>
        <translation>Millisecondes avant que l&apos;ordinateur ne joue</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <source>Turn sound effects On or Off</source>
        <translation>Activer ou couper les effets sonores</translation>
    </message>
    <message>
        <source>Show Windows Menu</source>
        <translation>Afficher la barre de menus</translation>
    </message>
    <message>
        <source>Show Windows Status Bar</source>
        <translation>Afficher la barre d&apos;état</translation>
    </message>
    <message>
        <source>Go to our Web Site</source>
        <translation>Aller sur notre site web</translation>
    </message>
    <message>
        <source>Email Corvath-Solutions</source>
        <translation>Écrire à Corvath-Solutions</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Retour au jeu</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Les règles de Marvane</translation>
    </message>
    <message>
        <source>Keys: on the board, the arrow keys move the focus square, Home and End go to the first and last square of its row, a letter a to h and a digit 1 to 8 go to that column and row, and Space or Enter plays the square. Anywhere: Ctrl+N starts a new game, Ctrl+Q quits, F1 shows these rules, Ctrl+Z takes a move back, and Ctrl+Shift+Z or Ctrl+Y plays it again; Ctrl+L opens the move list, Ctrl+Shift+C and Ctrl+Shift+V copy and paste the moves, Ctrl+S saves the game and Ctrl+O opens one. While the options panel is open, Tab and Shift+Tab move between the board and its controls, Up and Down (Page Up and Page Down in larger steps) change the response time and Space ticks a box. With the menu bar shown, Alt moves into it; then the arrow keys, Enter and Escape work the menus.</source>
        <translation>Touches : sur le plateau, les flèches déplacent la case active, Début et Fin vont à la première et à la dernière case de sa rangée, une lettre de a à h et un chiffre de 1 à 8 vont à cette colonne et à cette rangée, et Espace ou Entrée joue la case. Partout : Ctrl+N commence une nouvelle partie, Ctrl+Q quitte, F1 affiche ces règles, Ctrl+Z annule un coup, et Ctrl+Maj+Z ou Ctrl+Y le rejoue ; Ctrl+L ouvre la liste des coups, Ctrl+Maj+C et Ctrl+Maj+V copient et collent les coups, Ctrl+S enregistre la partie et Ctrl+O en ouvre une. Quand le panneau des options est ouvert, Tab et Maj+Tab passent du plateau à ses commandes, Haut et Bas (Page précédente et Page suivante par grands pas) changent le temps de réponse et Espace coche une case. Quand la barre de menus est affichée, Alt y entre ; les flèches, Entrée et Échap manient alors les menus.</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>Two player game</source>
        <translation>Jeu à deux joueurs</translation>
    </message>
    <message>
        <source>Each player must chose their colour Black or White</source>
        <translation>Chaque joueur choisit sa couleur, Noir ou Blanc.</translation>
    </message>
    <message>
        <source>White goes first, use the mouse to select a square </source>
        <translation>Blanc commence : choisissez une case avec</translation>
    </message>
    <message>
        <source>and click the left button</source>
        <translation>la souris et cliquez avec le bouton gauche.</translation>
    </message>
    <message>
        <source>The object of Marvane is to get as many of your</source>
        <translation>Le but de Marvane est d&apos;avoir le plus possible</translation>
    </message>
    <message>
        <source>coloured counters on the game grid as possible</source>
        <translation>de pions de votre couleur sur le plateau.</translation>
    </message>
    <message>
        <source>the game starts with 4 counters, in the centre</source>
        <translation>La partie commence avec 4 pions sur les cases</translation>
    </message>
    <message>
        <source>squares, 2 White and 2 Black, You can place</source>
        <translation>du centre, 2 blancs et 2 noirs. Vous placez</translation>
    </message>
    <message>
        <source>another counter of your colour following these rules</source>
        <translation>un pion de votre couleur selon ces règles :</translation>
    </message>
    <message>
        <source>1. The square must be empty</source>
        <translation>1. La case doit être vide.</translation>
    </message>
    <message>
        <source>2. There must be at least 1 counter of the other</source>
        <translation>2. Une case voisine de celle où vous jouez</translation>
    </message>
    <message>
        <source>colour in an adjacent square to the one</source>
        <translation>doit porter au moins 1 pion de l&apos;autre</translation>
    </message>
    <message>
        <source>that you are placing,</source>
        <translation>couleur,</translation>
    </message>
    <message>
        <source>3. A counter of your own colour must be immediately</source>
        <translation>3. Un pion de votre couleur doit se trouver</translation>
    </message>
    <message>
        <source>beyond the opposing counter/s</source>
        <translation>juste au-delà du ou des pions adverses.</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>quitter</translation>
    </message>
    <message>
        <source>Leave  Marvane</source>
        <translation>Quitter Marvane</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>terminer</translation>
    </message>
    <message>
        <source>Who won ?</source>
        <translation>Qui a gagné ?</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>rejouer</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>règles</translation>
    </message>
    <message>
        <source>The rules of Marvane</source>
        <translation>Les règles de Marvane</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>Show Marvane Options</source>
        <translation>Afficher les options de Marvane</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Select computer skill level</source>
        <translation>Choisir le niveau de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 joueurs</translation>
    </message>
    <message>
        <source>Select number of players</source>
        <translation>Choisir le nombre de joueurs</translation>
    </message>
    <message>
        <source>Position your  piece</source>
        <translation>Placez votre pion</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>To play</source>
        <translation>Au tour de</translation>
    </message>
    <message>
        <source>White score</source>
        <translation>Score de Blanc</translation>
    </message>
    <message>
        <source>Black score</source>
        <translation>Score de Noir</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Score de %1</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 joueurs</translation>
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
        <translation>Marvane par CORVATH</translation>
    </message>
</context>
<context>
    <name>marvane::SoundEffects</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 was not found in %2
The sounds in use are kept.</source>
        <translation>%1 est introuvable dans %2
Les sons actuels sont conservés.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>%1 ne peut pas être lu comme un son
Les sons actuels sont conservés.</translation>
    </message>
    <message>
        <source>Marvane Bitmaps (*.bmp)</source>
        <translation>Images Marvane (*.bmp)</translation>
    </message>
    <message>
        <source>Marvane Sound Files (*.wav)</source>
        <translation>Fichiers son Marvane (*.wav)</translation>
    </message>
    <message>
        <source>No Sound device present or other audio error
 sounds disabled. </source>
        <translation>Aucun périphérique audio ou autre erreur audio,
 sons désactivés. </translation>
    </message>
    <message>
        <source>No sound files present, sound disabled. Click Yes to browse for files</source>
        <translation>Aucun fichier son, son désactivé. Cliquez sur Oui pour chercher les fichiers</translation>
    </message>
</context>
<context>
    <name>marvane::TMarvaneForm</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane par CORVATH</translation>
    </message>
    <message>
        <source>%1 Version %2  by Corvath</source>
        <translation>%1 version %2 par Corvath</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
</context>
</TS>
