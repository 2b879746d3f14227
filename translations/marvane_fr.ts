<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AnalysisRoom</name>
    <message>
        <source>There is not enough memory for the analysis.</source>
        <translation>Il n&apos;y a pas assez de mémoire pour l&apos;analyse.</translation>
    </message>
    <message>
        <source>The learned evaluation cannot be used, so hints, scores and reviews judge positions with a simpler formula.</source>
        <translation>L’évaluation apprise ne peut pas être utilisée&#xa0;: les conseils, les scores et les analyses jugent donc les positions avec une formule plus simple.</translation>
    </message>
</context>
<context>
    <name>BoardAccess</name>
    <message>
        <source>Hint: row %1, column %2, score %3</source>
        <translation>Conseil&#xa0;: rangée %1, colonne %2, score %3</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2, score about %3</source>
        <translation>Conseil&#xa0;: rangée %1, colonne %2, score environ %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>rangée %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>, last move</source>
        <translation>, dernier coup</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, coup possible</translation>
    </message>
    <message>
        <source>, hint</source>
        <translation>, conseil</translation>
    </message>
    <message>
        <source>, score %1</source>
        <translation>, score %1</translation>
    </message>
    <message>
        <source>, score about %1</source>
        <translation>, score environ %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rangée %1</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler le coup</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rejouer le coup</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Afficher le dernier coup</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Afficher les coups possibles</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Conseil</translation>
    </message>
    <message>
        <source>Show Evaluations</source>
        <translation>Afficher les scores</translation>
    </message>
    <message>
        <source>Expert Hard Level</source>
        <translation>Niveau Difficile expert</translation>
    </message>
    <message>
        <source>Show Coordinates</source>
        <translation>Afficher les coordonnées</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Standard Rules</source>
        <translation>Règles standard</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>There is no game to review.</source>
        <translation>Il n&apos;y a aucune partie à analyser.</translation>
    </message>
    <message>
        <source>There are no moves to review yet.</source>
        <translation>Il n&apos;y a pas encore de coups à analyser.</translation>
    </message>
    <message>
        <source>best</source>
        <comment>the move lost nothing</comment>
        <translation>meilleur</translation>
    </message>
    <message>
        <source>Reviewing: %1 of %2 moves</source>
        <translation>Analyse&#xa0;: %1 coups sur %2</translation>
    </message>
    <message>
        <source>Review stopped: %1 of %2 moves</source>
        <translation>Analyse arrêtée&#xa0;: %1 coups sur %2</translation>
    </message>
    <message>
        <source>Reviewed: what each move gave away (≈ an estimate)</source>
        <translation>Analysée&#xa0;: ce que chaque coup a perdu (≈ estimation)</translation>
    </message>
    <message>
        <source>This game cannot be reviewed.</source>
        <translation>Cette partie ne peut pas être analysée.</translation>
    </message>
    <message>
        <source>The review knows Marvane&apos;s own rules only, and this game is played by the standard rules.</source>
        <translation>L’analyse ne connaît que les règles propres à Marvane, et cette partie se joue selon les règles standard.</translation>
    </message>
</context>
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
        <extracomment>%1 is the winning colour&apos;s name.</extracomment>
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
    <message>
        <source>Moves mirrored</source>
        <extracomment>Said after a game written the other way round was replayed in its mirror image.</extracomment>
        <translation>Coups inversés</translation>
    </message>
    <message>
        <source>This is not a game record: it holds binary data.</source>
        <translation>Ce n&apos;est pas une partie&#xa0;: ce sont des données binaires.</translation>
    </message>
    <message>
        <source>This is not a game record: line %1 is not UTF-8 text.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Ce n&apos;est pas une partie&#xa0;: la ligne %1 n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>This is too long for a game record: more than 1 MB.</source>
        <translation>C&apos;est trop long pour une partie&#xa0;: plus de 1 Mo.</translation>
    </message>
    <message>
        <source>Line %1 is a header line after the moves: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>La ligne %1 est une ligne d&apos;en-tête placée après les coups&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a header line of the form %2: %3.</source>
        <extracomment>%1 is a line number, %2 the form of a header line as files write it, %3 the line as the file has it.</extracomment>
        <translation>La ligne %1 n&apos;est pas une ligne d&apos;en-tête de la forme %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Line %1 repeats the header &quot;%2&quot;.</source>
        <extracomment>%1 is a line number, %2 the header&apos;s English name as files write it.</extracomment>
        <translation>La ligne %1 répète l&apos;en-tête «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown header line %1: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>La ligne %1 est une ligne d&apos;en-tête inconnue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Line %1: the program is not named.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Ligne %1&#xa0;: le nom du programme manque.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written as year.month.day.</source>
        <extracomment>%1 is a line number, %2 the date as the file has it.</extracomment>
        <translation>Ligne %1&#xa0;: la date «&#xa0;%2&#xa0;» n&apos;est pas écrite sous la forme année.mois.jour.</translation>
    </message>
    <message>
        <source>Line %1: the time &quot;%2&quot; is not written as hours:minutes:seconds.</source>
        <extracomment>%1 is a line number, %2 the time as the file has it.</extracomment>
        <translation>Ligne %1&#xa0;: l&apos;heure «&#xa0;%2&#xa0;» n&apos;est pas écrite sous la forme heures:minutes:secondes.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a colour pair of the game (two different of %3).</source>
        <extracomment>%1 is a line number, %2 the colours as the file has them, %3 the colour names a file may hold (in English).</extracomment>
        <translation>Ligne %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;est pas une paire de couleurs du jeu (deux couleurs différentes parmi %3).</translation>
    </message>
    <message>
        <source>Line %1: the players &quot;%2&quot; are neither 1 nor 2.</source>
        <extracomment>%1 is a line number, %2 the number of players as the file has it.</extracomment>
        <translation>Ligne %1&#xa0;: le nombre de joueurs «&#xa0;%2&#xa0;» n&apos;est ni 1 ni 2.</translation>
    </message>
    <message>
        <source>Line %1: the level &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the level as the file has it; %3 and %4 are the two words a file may hold (Easy, Hard).</extracomment>
        <translation>Ligne %1&#xa0;: le niveau «&#xa0;%2&#xa0;» n&apos;est ni %3 ni %4.</translation>
    </message>
    <message>
        <source>Line %1: the orientation &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the orientation as the file has it; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Ligne %1&#xa0;: l&apos;orientation «&#xa0;%2&#xa0;» n&apos;est ni %3 ni %4.</translation>
    </message>
    <message>
        <source>Line %1: the start position is refused.</source>
        <extracomment>%1 is a line number. The reason follows in sentences of its own.</extracomment>
        <translation>Ligne %1&#xa0;: la position de départ est refusée.</translation>
    </message>
    <message>
        <source>Line %1: the result &quot;%2&quot; is not two counts of counters such as &quot;34-30&quot;.</source>
        <extracomment>%1 is a line number, %2 the result as the file has it.</extracomment>
        <translation>Ligne %1&#xa0;: le résultat «&#xa0;%2&#xa0;» n&apos;est pas formé de deux nombres de pions comme «&#xa0;34-30&#xa0;».</translation>
    </message>
    <message>
        <source>The last move, move %1, is cut short: &quot;%2&quot; has no row digit.</source>
        <extracomment>%1 is the move&apos;s number, %2 the letter it starts with.</extracomment>
        <translation>Le dernier coup, le coup %1, est incomplet&#xa0;: «&#xa0;%2&#xa0;» n&apos;a pas de chiffre de rangée.</translation>
    </message>
    <message>
        <source>Move %1, &quot;%2&quot;, is not a square of the board (a1 to h8).</source>
        <extracomment>%1 is the move&apos;s number, %2 the move as the file has it.</extracomment>
        <translation>Le coup %1, «&#xa0;%2&#xa0;», n&apos;est pas une case du plateau (de a1 à h8).</translation>
    </message>
    <message>
        <source>Move %1 is one too many: a game has at most %2 moves.</source>
        <extracomment>%1 is the move&apos;s number, %2 the most moves a game has (60).</extracomment>
        <translation>Le coup %1 est de trop&#xa0;: une partie compte au plus %2 coups.</translation>
    </message>
    <message>
        <source>There are no moves in it.</source>
        <translation>On n&apos;y trouve aucun coup.</translation>
    </message>
    <message>
        <source>The header says the moves are in the %1 orientation, but the first move, %2, starts a game in the %3 one: the two orientations are mixed.</source>
        <extracomment>%1 and %3 are the words files name the orientations by (Marvane, Usual), %2 a square.</extracomment>
        <translation>L&apos;en-tête indique que les coups sont notés dans l&apos;orientation %1, mais le premier coup, %2, commence une partie dans l&apos;orientation %3&#xa0;: les deux orientations sont mélangées.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not a square of the board.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Le coup %1, %2 en %3, n&apos;est pas sur le plateau.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, cannot be played: %2 has no legal square, and this game has no passing.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Le coup %1, %2 en %3, ne peut pas être joué&#xa0;: %2 n&apos;a aucun coup possible, et ce jeu ne permet pas de passer.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: the square is already taken.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Le coup %1, %2 en %3, n&apos;est pas possible&#xa0;: la case est déjà occupée.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: it closes off no line of %4 counters.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square, %4 the other colour (a colour name).</extracomment>
        <translation>Le coup %1, %2 en %3, n&apos;est pas possible&#xa0;: il n&apos;encadre aucune ligne de pions adverses (%4).</translation>
    </message>
    <message>
        <source>Its mirror image, %1, would be: the transcript seems to mix the two orientations.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Son image miroir, %1, le serait&#xa0;: la notation semble mélanger les deux orientations.</translation>
    </message>
    <message>
        <source>The start position cannot occur in a game.</source>
        <extracomment>The reason follows in sentences of its own.</extracomment>
        <translation>La position de départ ne peut survenir dans aucune partie.</translation>
    </message>
    <message>
        <source>The result %1 does not match the moves, which end %2.</source>
        <extracomment>%1 and %2 are results such as 34-30.</extracomment>
        <translation>Le résultat %1 ne correspond pas aux coups, qui donnent %2.</translation>
    </message>
    <message>
        <source>A game cannot be replayed while Autoplay runs.</source>
        <translation>Une partie ne peut pas être rejouée pendant que la démo est en cours.</translation>
    </message>
    <message>
        <source>A game never has fewer than the 4 counters it starts with; this position has %1.</source>
        <extracomment>%1 is a number of counters.</extracomment>
        <translation>Une partie ne compte jamais moins de pions que les 4 du départ&#xa0;; cette position en a %1.</translation>
    </message>
    <message>
        <source>The centre square %1 is empty, and the four centre squares are never empty in a game.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>La case centrale %1 est vide, or les quatre cases centrales ne sont jamais vides dans une partie.</translation>
    </message>
    <message>
        <source>The board is full: there is no move left to play.</source>
        <translation>Le plateau est plein&#xa0;: il ne reste aucun coup à jouer.</translation>
    </message>
    <message>
        <source>The counter on %1 is cut off from the centre, and every counter is placed beside one already on the board.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Le pion en %1 est coupé du centre, or chaque pion est posé à côté d&apos;un pion déjà sur le plateau.</translation>
    </message>
    <message>
        <source>This is too long for a position, which is 64 squares, a space and the side to play.</source>
        <translation>C&apos;est trop long pour une position, qui se compose de 64 cases, d&apos;un espace et du camp au trait.</translation>
    </message>
    <message>
        <source>There is no position in it.</source>
        <translation>On n&apos;y trouve aucune position.</translation>
    </message>
    <message>
        <source>A position has 64 squares, a1 to h8, before the side to play; this one has %1.</source>
        <extracomment>%1 is the number of characters found.</extracomment>
        <translation>Une position compte 64 cases, de a1 à h8, avant le camp au trait&#xa0;; celle-ci en a %1.</translation>
    </message>
    <message>
        <source>Square %1 holds &quot;%2&quot;, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square, %2 the character found there. X, O and - are what the position holds: keep them.</extracomment>
        <translation>La case %1 contient «&#xa0;%2&#xa0;», qui n&apos;est ni X (pion noir), ni O (pion blanc), ni - (case vide).</translation>
    </message>
    <message>
        <source>Square %1 holds a character, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square. X, O and - are what the position holds: keep them.</extracomment>
        <translation>La case %1 contient un caractère qui n&apos;est ni X (pion noir), ni O (pion blanc), ni - (case vide).</translation>
    </message>
    <message>
        <source>The side to play, X or O, is missing after the 64 squares.</source>
        <extracomment>X and O are what the position holds: keep them.</extracomment>
        <translation>Le camp au trait, X ou O, manque après les 64 cases.</translation>
    </message>
    <message>
        <source>The side to play must be X (black) or O (white), not &quot;%1&quot;.</source>
        <extracomment>%1 is the text found instead. X and O are what the position holds: keep them.</extracomment>
        <translation>Le camp au trait doit être X (Noir) ou O (Blanc), pas «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>There is more text after the side to play.</source>
        <translation>Il reste du texte après le camp au trait.</translation>
    </message>
    <message>
        <source>%1 has no legal square and passes.</source>
        <extracomment>Said on the turn line under standard rules. %1 is the colour that passes (a colour name).</extracomment>
        <translation>%1 n’a aucune case légale et passe.</translation>
    </message>
    <message>
        <source>Standard rules: a side with no legal square passes.</source>
        <extracomment>Said after a game was opened that can only be played with passes, or that says so.</extracomment>
        <translation>Règles standard : un camp sans case légale passe.</translation>
    </message>
    <message>
        <source>Line %1: the rules &quot;%2&quot; are neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the rules as the file has them; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Ligne %1 : les règles « %2 » ne sont ni %3 ni %4.</translation>
    </message>
    <message>
        <source>A position with 4 counters is the start, two of each colour crosswise in the centre, and this one is not.</source>
        <translation>Une position à 4 pions est celle du départ, deux de chaque couleur en croix au centre, et celle-ci ne l’est pas.</translation>
    </message>
</context>
<context>
    <name>KeyList</name>
    <message>
        <source>Undo (Game menu)</source>
        <translation>Annuler le coup (menu Partie)</translation>
    </message>
    <message>
        <source>Redo (Game menu)</source>
        <translation>Rejouer le coup (menu Partie)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>board</source>
        <translation>plateau</translation>
    </message>
    <message>
        <source>move the focus square</source>
        <translation>déplacer la case active</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Début, Fin</translation>
    </message>
    <message>
        <source>go to the first or last square of the focus square&apos;s row</source>
        <translation>aller à la première ou à la dernière case de la rangée en cours</translation>
    </message>
    <message>
        <source>a-h, then 1-8</source>
        <translation>a-h, puis 1-8</translation>
    </message>
    <message>
        <source>go to that column and row (&quot;e3&quot;)</source>
        <translation>aller à cette colonne et rangée («&#xa0;e3&#xa0;»)</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espace, Entrée</translation>
    </message>
    <message>
        <source>play the focus square, exactly as a click on it would</source>
        <translation>jouer la case active, comme un clic dessus</translation>
    </message>
    <message>
        <source>Up, Down, Home, End</source>
        <translation>Haut, Bas, Début, Fin</translation>
    </message>
    <message>
        <source>move list</source>
        <translation>liste des coups</translation>
    </message>
    <message>
        <source>step to the next, previous, first or last position</source>
        <translation>aller à la position suivante, précédente, première ou dernière</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>move list, keys list</source>
        <translation>liste des coups, liste des touches</translation>
    </message>
    <message>
        <source>close that window</source>
        <translation>fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Maj+Tab</translation>
    </message>
    <message>
        <source>options panel open</source>
        <translation>options ouvertes</translation>
    </message>
    <message>
        <source>move between the board and the panel&apos;s controls</source>
        <translation>passer du plateau aux commandes du panneau</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down</source>
        <translation>Haut, Bas, Page préc., Page suiv.</translation>
    </message>
    <message>
        <source>response time box</source>
        <translation>champ Temps de réponse</translation>
    </message>
    <message>
        <source>change the response time (Page keys in steps of 100 ms)</source>
        <translation>changer le temps de réponse (touches Page par pas de 100 ms)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>options check boxes</source>
        <translation>cases à cocher des options</translation>
    </message>
    <message>
        <source>tick or untick the box</source>
        <translation>cocher ou décocher la case</translation>
    </message>
    <message>
        <source>Alt, then arrows, Enter, Esc</source>
        <translation>Alt, puis flèches, Entrée, Échap</translation>
    </message>
    <message>
        <source>menu bar shown</source>
        <translation>barre de menus affichée</translation>
    </message>
    <message>
        <source>open and work the menus</source>
        <translation>ouvrir et utiliser les menus</translation>
    </message>
    <message>
        <source>anywhere</source>
        <translation>partout</translation>
    </message>
    <message>
        <source>%1 (%2 menu)</source>
        <translation>%1 (menu %2)</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <translation>%1 (%2)&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Keys.</source>
        <translation>Touches.</translation>
    </message>
    <message>
        <source>&quot;restart&quot;: start a new game</source>
        <translation>«&#xa0;rejouer&#xa0;»&#xa0;: commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>&quot;quit&quot;: close Marvane</source>
        <translation>«&#xa0;quitter&#xa0;»&#xa0;: fermer Marvane</translation>
    </message>
    <message>
        <source>&quot;rules&quot;: show the rules</source>
        <translation>«&#xa0;règles&#xa0;»&#xa0;: afficher les règles</translation>
    </message>
    <message>
        <source>close the panel, as its &quot;Return to Marvane&quot; does</source>
        <translation>fermer le panneau, comme son «&#xa0;Retour au jeu&#xa0;»</translation>
    </message>
    <message>
        <source>rules or options panel open</source>
        <translation>règles ou options ouvertes</translation>
    </message>
    <message>
        <source>&quot;finish&quot;: end the game</source>
        <translation>«&#xa0;terminer&#xa0;»&#xa0;: finir la partie</translation>
    </message>
    <message>
        <source>&quot;2 Players&quot;, &quot;1 Player&quot;: play against the computer or a person</source>
        <translation>«&#xa0;2 joueurs&#xa0;», «&#xa0;1 joueur&#xa0;»&#xa0;: jouer contre l&apos;ordinateur ou une personne</translation>
    </message>
    <message>
        <source>&quot;Easy&quot;, &quot;Hard&quot;: switch the computer&apos;s level</source>
        <translation>«&#xa0;Facile&#xa0;», «&#xa0;Difficile&#xa0;»&#xa0;: changer le niveau de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>against the computer</source>
        <translation>contre l&apos;ordinateur</translation>
    </message>
    <message>
        <source>&quot;options&quot;: open the options panel</source>
        <translation>«&#xa0;options&#xa0;»&#xa0;: ouvrir les options</translation>
    </message>
    <message>
        <source>play the hint&apos;s square</source>
        <translation>jouer la case du conseil</translation>
    </message>
    <message>
        <source>hint shown</source>
        <translation>conseil affiché</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Marvane Keys</source>
        <translation>Touches de Marvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
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
    <name>MainWindow</name>
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
<context>
    <name>MoveList</name>
    <message>
        <source>Move List</source>
        <translation>Liste des coups</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Choose a move to show the board as it was after it.</source>
        <translation>Choisissez un coup pour voir le plateau tel qu&apos;il était après celui-ci.</translation>
    </message>
    <message>
        <source>Autoplay is running: the list follows it.</source>
        <translation>La démo est en cours&#xa0;: la liste la suit.</translation>
    </message>
    <message>
        <source>Stop Review</source>
        <translation>Arrêter l&apos;analyse</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analyser la partie</translation>
    </message>
    <message>
        <source>, a worst mistake</source>
        <translation>, une des pires erreurs</translation>
    </message>
    <message>
        <source>, taken back</source>
        <translation>, annulé</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>, opening: %1</source>
        <translation>, ouverture&#xa0;: %1</translation>
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
    <name>RecordCommands</name>
    <message>
        <source>Game files (*.txt);;All files (*)</source>
        <translation>Fichiers de partie (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <translation>%1 %2-%3, %4</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>terminer</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>The file is too large for a game record: %1, where a record is at most 1 MB.</source>
        <translation>Le fichier est trop gros pour une partie&#xa0;: %1, alors qu&apos;une partie fait au plus 1 Mo.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>more than 1 MB</source>
        <translation>plus de 1 Mo</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>C&apos;est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>This is %1.</source>
        <translation>C&apos;est %1.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Le fichier ne peut pas être ouvert&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Liste des coups</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analyser la partie</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Copier les coups</translation>
    </message>
    <message>
        <source>Copy Moves for Other Programs</source>
        <translation>Copier les coups pour d&apos;autres programmes</translation>
    </message>
    <message>
        <source>Paste Moves</source>
        <translation>Coller les coups</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Copier la position</translation>
    </message>
    <message>
        <source>Paste Position</source>
        <translation>Coller la position</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Enregistrer la partie...</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Ouvrir une partie...</translation>
    </message>
    <message>
        <source>Start: the position</source>
        <translation>Départ&#xa0;: la position</translation>
    </message>
    <message>
        <source>The clipboard holds no position to start from.</source>
        <translation>Le presse-papiers ne contient aucune position de départ.</translation>
    </message>
    <message>
        <source>The position on the clipboard cannot be played.</source>
        <translation>La position du presse-papiers ne peut pas être jouée.</translation>
    </message>
    <message>
        <source>The moves on the clipboard cannot be replayed.</source>
        <translation>Les coups du presse-papiers ne peuvent pas être rejoués.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves to replay.</source>
        <translation>Le presse-papiers ne contient aucun coup à rejouer.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>The game was not saved to &quot;%1&quot;.</source>
        <translation>La partie n&apos;a pas été enregistrée dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Ouvrir une partie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>Its record would be %1 bytes long, and a game file is read only up to 1 MB (%2 bytes).</source>
        <translation>Elle ferait %1 octets, alors qu&apos;un fichier de partie n&apos;est lu que jusqu&apos;à 1 Mo (%2 octets).</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Evaluation over the game</source>
        <translation>Score au fil de la partie</translation>
    </message>
    <message>
        <source>start</source>
        <comment>the position before the first move</comment>
        <translation>départ</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>coup %1</translation>
    </message>
    <message>
        <source>%1: not reviewed yet</source>
        <translation>%1&#xa0;: pas encore analysé</translation>
    </message>
    <message>
        <source>%1: even</source>
        <translation>%1&#xa0;: égalité</translation>
    </message>
    <message>
        <source>%1: about even</source>
        <translation>%1&#xa0;: à peu près égalité</translation>
    </message>
    <message>
        <source>%1: +%2 for %3</source>
        <comment>move 12: +4 discs for White</comment>
        <translation>%1&#xa0;: +%2 pour %3</translation>
    </message>
    <message>
        <source>%1: about +%2 for %3</source>
        <comment>an estimate</comment>
        <translation>%1&#xa0;: environ +%2 pour %3</translation>
    </message>
    <message>
        <source>discs</source>
        <translation>pions</translation>
    </message>
    <message>
        <source>move</source>
        <comment>the axis of move numbers</comment>
        <translation>coup</translation>
    </message>
    <message>
        <source>even</source>
        <comment>the line at 0: neither side leads</comment>
        <translation>égalité</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 devant</translation>
    </message>
    <message>
        <source>exact score</source>
        <translation>score exact</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimation</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Les règles de Marvane</translation>
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
        <translation>Blanc commence&#xa0;: choisissez une case avec</translation>
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
        <translation>un pion de votre couleur selon ces règles&#xa0;:</translation>
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
        <translation>couleur.</translation>
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
    <name>Settings</name>
    <message>
        <source>a folder, not a regular file</source>
        <extracomment>Each follows &quot;This is&quot;, &quot;The file is&quot; or a file&apos;s name and &quot;is&quot;.</extracomment>
        <translation>un dossier, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation>un tube nommé, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>autre chose qu&apos;un fichier ordinaire</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder &quot;%1&quot;</source>
        <translation>Vous n&apos;avez pas le droit d&apos;écrire dans le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>Le disque est plein (%1)</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>Le fichier est %1</translation>
    </message>
    <message>
        <source>the old file cannot be kept as %1</source>
        <translation>l&apos;ancien fichier ne peut pas être conservé sous le nom %1</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Impossible de créer la clé %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;: %2</source>
        <translation>Impossible d&apos;enregistrer les données de «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what it is instead (&quot;a folder, not a regular file&quot;).</extracomment>
        <translation>%1 est %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer les données de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossible de lire les données de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is on a disk that cannot be written to</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» se trouve sur un disque où l&apos;on ne peut pas écrire</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1 est en lecture seule</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read, so the default options are used. Only the options you change are saved: this file is then kept as %2 and a new one is written</source>
        <translation>Le fichier de réglages %1 dépasse 1 Mo et n&apos;a pas été lu&#xa0;: les options par défaut sont utilisées. Seules les options que vous modifiez sont enregistrées&#xa0;: ce fichier est alors conservé sous le nom %2 et un nouveau est écrit</translation>
    </message>
    <message>
        <source>The settings file %1, so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path and what it is instead (&quot;... is a folder, not a regular file&quot;).</extracomment>
        <translation>Le fichier de réglages %1&#xa0;: les options par défaut sont donc utilisées. Seules les options que vous modifiez sont enregistrées</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu (%2)&#xa0;: les options par défaut sont utilisées. Seules les options que vous modifiez sont enregistrées</translation>
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
        <translation>Qui a gagné&#xa0;?</translation>
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
    <name>SoundEffects</name>
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
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane par CORVATH</translation>
    </message>
</context>
</TS>
