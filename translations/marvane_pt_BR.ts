<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AnalysisRoom</name>
    <message>
        <source>There is not enough memory for the analysis.</source>
        <translation>Não há memória suficiente para a análise.</translation>
    </message>
    <message>
        <source>The learned evaluation cannot be used, so hints, scores and reviews judge positions with a simpler formula.</source>
        <translation>Não é possível usar a avaliação aprendida; por isso, dicas, pontuações e análises julgam as posições com uma fórmula mais simples.</translation>
    </message>
</context>
<context>
    <name>BoardAccess</name>
    <message>
        <source>Hint: row %1, column %2, score %3</source>
        <translation>Dica: linha %1, coluna %2, pontuação %3</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2, score about %3</source>
        <translation>Dica: linha %1, coluna %2, pontuação aproximada %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>, last move</source>
        <translation>, último lance</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, lance possível</translation>
    </message>
    <message>
        <source>, hint</source>
        <translation>, dica</translation>
    </message>
    <message>
        <source>, score %1</source>
        <translation>, pontuação %1</translation>
    </message>
    <message>
        <source>, score about %1</source>
        <translation>, pontuação aproximada %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>coluna %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>linha %1</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Mostrar o último lance</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Mostrar os lances possíveis</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Show Evaluations</source>
        <translation>Mostrar as pontuações</translation>
    </message>
    <message>
        <source>Expert Hard Level</source>
        <translation>Difícil para especialistas</translation>
    </message>
    <message>
        <source>Show Coordinates</source>
        <translation>Mostrar as coordenadas</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Standard Rules</source>
        <translation>Regras padrão</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>There is no game to review.</source>
        <translation>Não há nenhum jogo para analisar.</translation>
    </message>
    <message>
        <source>There are no moves to review yet.</source>
        <translation>Ainda não há lances para analisar.</translation>
    </message>
    <message>
        <source>best</source>
        <comment>the move lost nothing</comment>
        <translation>melhor</translation>
    </message>
    <message>
        <source>Reviewing: %1 of %2 moves</source>
        <translation>Analisando: %1 de %2 lances</translation>
    </message>
    <message>
        <source>Review stopped: %1 of %2 moves</source>
        <translation>Análise interrompida: %1 de %2 lances</translation>
    </message>
    <message>
        <source>Reviewed: what each move gave away (≈ an estimate)</source>
        <translation>Analisado: o que cada lance cedeu (≈ estimativa)</translation>
    </message>
    <message>
        <source>This game cannot be reviewed.</source>
        <translation>Este jogo não pode ser analisado.</translation>
    </message>
    <message>
        <source>The review knows Marvane&apos;s own rules only, and this game is played by the standard rules.</source>
        <translation>A análise conhece apenas as regras próprias do Marvane, e esta partida é jogada pelas regras padrão.</translation>
    </message>
</context>
<context>
    <name>GameText</name>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
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
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Position Your Piece</source>
        <translation>Posicione a peça</translation>
    </message>
    <message>
        <source>It&apos;s a Draw</source>
        <translation>Empate</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <extracomment>%1 is the winning colour&apos;s name.</extracomment>
        <translation>%1 vence</translation>
    </message>
    <message>
        <source>White</source>
        <comment>short: turn box and score labels</comment>
        <translation>Branca</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>short: turn box and score labels</comment>
        <translation>Preta</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>short: turn box and score labels</comment>
        <translation>Verm.</translation>
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
        <translation>Amar.</translation>
    </message>
    <message>
        <source>Moves mirrored</source>
        <extracomment>Said after a game written the other way round was replayed in its mirror image.</extracomment>
        <translation>Lances espelhados</translation>
    </message>
    <message>
        <source>This is not a game record: it holds binary data.</source>
        <translation>Isto não é um arquivo de jogo: contém dados binários.</translation>
    </message>
    <message>
        <source>This is not a game record: line %1 is not UTF-8 text.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Isto não é um arquivo de jogo: a linha %1 não é texto UTF-8.</translation>
    </message>
    <message>
        <source>This is too long for a game record: more than 1 MB.</source>
        <translation>Isto é grande demais para um arquivo de jogo: mais de 1 MB.</translation>
    </message>
    <message>
        <source>Line %1 is a header line after the moves: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>A linha %1 é uma linha de cabeçalho depois dos lances: %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a header line of the form %2: %3.</source>
        <extracomment>%1 is a line number, %2 the form of a header line as files write it, %3 the line as the file has it.</extracomment>
        <translation>A linha %1 não é uma linha de cabeçalho no formato %2: %3.</translation>
    </message>
    <message>
        <source>Line %1 repeats the header &quot;%2&quot;.</source>
        <extracomment>%1 is a line number, %2 the header&apos;s English name as files write it.</extracomment>
        <translation>A linha %1 repete o cabeçalho &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Unknown header line %1: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>A linha %1 é uma linha de cabeçalho desconhecida: %2.</translation>
    </message>
    <message>
        <source>Line %1: the program is not named.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Linha %1: falta o nome do programa.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written as year.month.day.</source>
        <extracomment>%1 is a line number, %2 the date as the file has it.</extracomment>
        <translation>Linha %1: a data &quot;%2&quot; não está escrita como ano.mês.dia.</translation>
    </message>
    <message>
        <source>Line %1: the time &quot;%2&quot; is not written as hours:minutes:seconds.</source>
        <extracomment>%1 is a line number, %2 the time as the file has it.</extracomment>
        <translation>Linha %1: a hora &quot;%2&quot; não está escrita como horas:minutos:segundos.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a colour pair of the game (two different of %3).</source>
        <extracomment>%1 is a line number, %2 the colours as the file has them, %3 the colour names a file may hold (in English).</extracomment>
        <translation>Linha %1: &quot;%2&quot; não é um par de cores do jogo (duas cores diferentes entre %3).</translation>
    </message>
    <message>
        <source>Line %1: the players &quot;%2&quot; are neither 1 nor 2.</source>
        <extracomment>%1 is a line number, %2 the number of players as the file has it.</extracomment>
        <translation>Linha %1: o número de jogadores &quot;%2&quot; não é 1 nem 2.</translation>
    </message>
    <message>
        <source>Line %1: the level &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the level as the file has it; %3 and %4 are the two words a file may hold (Easy, Hard).</extracomment>
        <translation>Linha %1: o nível &quot;%2&quot; não é %3 nem %4.</translation>
    </message>
    <message>
        <source>Line %1: the orientation &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the orientation as the file has it; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Linha %1: a orientação &quot;%2&quot; não é %3 nem %4.</translation>
    </message>
    <message>
        <source>Line %1: the start position is refused.</source>
        <extracomment>%1 is a line number. The reason follows in sentences of its own.</extracomment>
        <translation>Linha %1: a posição inicial foi recusada.</translation>
    </message>
    <message>
        <source>Line %1: the result &quot;%2&quot; is not two counts of counters such as &quot;34-30&quot;.</source>
        <extracomment>%1 is a line number, %2 the result as the file has it.</extracomment>
        <translation>Linha %1: o resultado &quot;%2&quot; não é formado por duas contagens de peças, como &quot;34-30&quot;.</translation>
    </message>
    <message>
        <source>The last move, move %1, is cut short: &quot;%2&quot; has no row digit.</source>
        <extracomment>%1 is the move&apos;s number, %2 the letter it starts with.</extracomment>
        <translation>O último lance, o lance %1, está incompleto: &quot;%2&quot; não tem o dígito da linha.</translation>
    </message>
    <message>
        <source>Move %1, &quot;%2&quot;, is not a square of the board (a1 to h8).</source>
        <extracomment>%1 is the move&apos;s number, %2 the move as the file has it.</extracomment>
        <translation>O lance %1, &quot;%2&quot;, não é uma casa do tabuleiro (de a1 a h8).</translation>
    </message>
    <message>
        <source>Move %1 is one too many: a game has at most %2 moves.</source>
        <extracomment>%1 is the move&apos;s number, %2 the most moves a game has (60).</extracomment>
        <translation>O lance %1 é um lance a mais: um jogo tem no máximo %2 lances.</translation>
    </message>
    <message>
        <source>There are no moves in it.</source>
        <translation>Não contém nenhum lance.</translation>
    </message>
    <message>
        <source>The header says the moves are in the %1 orientation, but the first move, %2, starts a game in the %3 one: the two orientations are mixed.</source>
        <extracomment>%1 and %3 are the words files name the orientations by (Marvane, Usual), %2 a square.</extracomment>
        <translation>O cabeçalho diz que os lances estão na orientação %1, mas o primeiro lance, %2, começa um jogo na orientação %3: as duas orientações estão misturadas.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not a square of the board.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>O lance %1, %2 %3, não é uma casa do tabuleiro.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, cannot be played: %2 has no legal square, and this game has no passing.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>O lance %1, %2 %3, não pode ser jogado: %2 não tem nenhuma casa possível, e neste jogo não se passa a vez.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: the square is already taken.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>O lance %1, %2 %3, não é possível: a casa já está ocupada.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: it closes off no line of %4 counters.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square, %4 the other colour (a colour name).</extracomment>
        <translation>O lance %1, %2 %3, não é possível: não fecha nenhuma linha de peças do %4.</translation>
    </message>
    <message>
        <source>Its mirror image, %1, would be: the transcript seems to mix the two orientations.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>O lance espelhado, %1, seria possível: a notação parece misturar as duas orientações.</translation>
    </message>
    <message>
        <source>The start position cannot occur in a game.</source>
        <extracomment>The reason follows in sentences of its own.</extracomment>
        <translation>A posição inicial não pode ocorrer num jogo.</translation>
    </message>
    <message>
        <source>The result %1 does not match the moves, which end %2.</source>
        <extracomment>%1 and %2 are results such as 34-30.</extracomment>
        <translation>O resultado %1 não corresponde aos lances, que terminam em %2.</translation>
    </message>
    <message>
        <source>A game cannot be replayed while Autoplay runs.</source>
        <translation>Não é possível reproduzir um jogo enquanto a demonstração está em andamento.</translation>
    </message>
    <message>
        <source>A game never has fewer than the 4 counters it starts with; this position has %1.</source>
        <extracomment>%1 is a number of counters.</extracomment>
        <translation>Um jogo nunca tem menos do que as 4 peças com que começa; esta posição tem %1.</translation>
    </message>
    <message>
        <source>The centre square %1 is empty, and the four centre squares are never empty in a game.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>A casa central %1 está vazia, e as quatro casas centrais nunca ficam vazias num jogo.</translation>
    </message>
    <message>
        <source>The board is full: there is no move left to play.</source>
        <translation>O tabuleiro está cheio: não resta nenhum lance para jogar.</translation>
    </message>
    <message>
        <source>The counter on %1 is cut off from the centre, and every counter is placed beside one already on the board.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>A peça em %1 está isolada do centro, e toda peça é colocada ao lado de outra que já está no tabuleiro.</translation>
    </message>
    <message>
        <source>This is too long for a position, which is 64 squares, a space and the side to play.</source>
        <translation>Isto é longo demais para uma posição, que tem 64 casas, um espaço e a vez de jogar.</translation>
    </message>
    <message>
        <source>There is no position in it.</source>
        <translation>Não contém nenhuma posição.</translation>
    </message>
    <message>
        <source>A position has 64 squares, a1 to h8, before the side to play; this one has %1.</source>
        <extracomment>%1 is the number of characters found.</extracomment>
        <translation>Uma posição tem 64 casas, de a1 a h8, antes da vez de jogar; esta tem %1.</translation>
    </message>
    <message>
        <source>Square %1 holds &quot;%2&quot;, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square, %2 the character found there. X, O and - are what the position holds: keep them.</extracomment>
        <translation>A casa %1 contém &quot;%2&quot;, que não é X (preta), O (branca) nem - (vazia).</translation>
    </message>
    <message>
        <source>Square %1 holds a character, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square. X, O and - are what the position holds: keep them.</extracomment>
        <translation>A casa %1 contém um caractere que não é X (preta), O (branca) nem - (vazia).</translation>
    </message>
    <message>
        <source>The side to play, X or O, is missing after the 64 squares.</source>
        <extracomment>X and O are what the position holds: keep them.</extracomment>
        <translation>Falta a vez de jogar, X ou O, depois das 64 casas.</translation>
    </message>
    <message>
        <source>The side to play must be X (black) or O (white), not &quot;%1&quot;.</source>
        <extracomment>%1 is the text found instead. X and O are what the position holds: keep them.</extracomment>
        <translation>A vez de jogar deve ser X (pretas) ou O (brancas), não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>There is more text after the side to play.</source>
        <translation>Há mais texto depois da vez de jogar.</translation>
    </message>
    <message>
        <source>%1 has no legal square and passes.</source>
        <extracomment>Said on the turn line under standard rules. %1 is the colour that passes (a colour name).</extracomment>
        <translation>%1 não tem casa legal e passa.</translation>
    </message>
    <message>
        <source>Standard rules: a side with no legal square passes.</source>
        <extracomment>Said after a game was opened that can only be played with passes, or that says so.</extracomment>
        <translation>Regras padrão: um lado sem casa legal passa.</translation>
    </message>
    <message>
        <source>Line %1: the rules &quot;%2&quot; are neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the rules as the file has them; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Linha %1: as regras &quot;%2&quot; não são nem %3 nem %4.</translation>
    </message>
    <message>
        <source>A position with 4 counters is the start, two of each colour crosswise in the centre, and this one is not.</source>
        <translation>Uma posição com 4 peças é a inicial, duas de cada cor cruzadas no centro, e esta não é.</translation>
    </message>
</context>
<context>
    <name>KeyList</name>
    <message>
        <source>Undo (Game menu)</source>
        <translation>Desfazer (menu Jogo)</translation>
    </message>
    <message>
        <source>Redo (Game menu)</source>
        <translation>Refazer (menu Jogo)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Setas</translation>
    </message>
    <message>
        <source>board</source>
        <translation>tabuleiro</translation>
    </message>
    <message>
        <source>move the focus square</source>
        <translation>mover a casa ativa</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>go to the first or last square of the focus square&apos;s row</source>
        <translation>ir para a primeira ou a última casa da linha ativa</translation>
    </message>
    <message>
        <source>a-h, then 1-8</source>
        <translation>a-h, depois 1-8</translation>
    </message>
    <message>
        <source>go to that column and row (&quot;e3&quot;)</source>
        <translation>ir para essa coluna e linha (&quot;e3&quot;)</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Espaço, Enter</translation>
    </message>
    <message>
        <source>play the focus square, exactly as a click on it would</source>
        <translation>jogar na casa ativa, como com um clique nela</translation>
    </message>
    <message>
        <source>Up, Down, Home, End</source>
        <translation>Cima, Baixo, Home, End</translation>
    </message>
    <message>
        <source>move list</source>
        <translation>lista de lances</translation>
    </message>
    <message>
        <source>step to the next, previous, first or last position</source>
        <translation>ir para a posição seguinte, anterior, primeira ou última</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>move list, keys list</source>
        <translation>lista de lances, lista de teclas</translation>
    </message>
    <message>
        <source>close that window</source>
        <translation>fechar essa janela</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>options panel open</source>
        <translation>opções abertas</translation>
    </message>
    <message>
        <source>move between the board and the panel&apos;s controls</source>
        <translation>alternar entre o tabuleiro e os controles do painel</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down</source>
        <translation>Cima, Baixo, Page Up, Page Down</translation>
    </message>
    <message>
        <source>response time box</source>
        <translation>campo Tempo de resposta</translation>
    </message>
    <message>
        <source>change the response time (Page keys in steps of 100 ms)</source>
        <translation>mudar o tempo de resposta (teclas Page de 100 em 100 ms)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>options check boxes</source>
        <translation>caixas de seleção das opções</translation>
    </message>
    <message>
        <source>tick or untick the box</source>
        <translation>marcar ou desmarcar a caixa</translation>
    </message>
    <message>
        <source>Alt, then arrows, Enter, Esc</source>
        <translation>Alt, depois setas, Enter, Esc</translation>
    </message>
    <message>
        <source>menu bar shown</source>
        <translation>barra de menus visível</translation>
    </message>
    <message>
        <source>open and work the menus</source>
        <translation>abrir e usar os menus</translation>
    </message>
    <message>
        <source>anywhere</source>
        <translation>em qualquer lugar</translation>
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
        <translation>Teclas.</translation>
    </message>
    <message>
        <source>&quot;restart&quot;: start a new game</source>
        <translation>&quot;reiniciar&quot;: começar um novo jogo</translation>
    </message>
    <message>
        <source>&quot;quit&quot;: close Marvane</source>
        <translation>&quot;sair&quot;: fechar o Marvane</translation>
    </message>
    <message>
        <source>&quot;rules&quot;: show the rules</source>
        <translation>&quot;regras&quot;: mostrar as regras</translation>
    </message>
    <message>
        <source>close the panel, as its &quot;Return to Marvane&quot; does</source>
        <translation>fechar o painel, como o botão &quot;Voltar ao jogo&quot;</translation>
    </message>
    <message>
        <source>rules or options panel open</source>
        <translation>regras ou opções abertas</translation>
    </message>
    <message>
        <source>&quot;finish&quot;: end the game</source>
        <translation>&quot;encerrar&quot;: terminar o jogo</translation>
    </message>
    <message>
        <source>&quot;2 Players&quot;, &quot;1 Player&quot;: play against the computer or a person</source>
        <translation>&quot;2 jog.&quot;, &quot;1 jogador&quot;: jogar contra o computador ou uma pessoa</translation>
    </message>
    <message>
        <source>&quot;Easy&quot;, &quot;Hard&quot;: switch the computer&apos;s level</source>
        <translation>&quot;Fácil&quot;, &quot;Difícil&quot;: trocar o nível do computador</translation>
    </message>
    <message>
        <source>against the computer</source>
        <translation>contra o computador</translation>
    </message>
    <message>
        <source>&quot;options&quot;: open the options panel</source>
        <translation>&quot;opções&quot;: abrir as opções</translation>
    </message>
    <message>
        <source>play the hint&apos;s square</source>
        <translation>jogar a casa da dica</translation>
    </message>
    <message>
        <source>hint shown</source>
        <translation>dica mostrada</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Marvane Keys</source>
        <translation>Teclas do Marvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Onde</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>O que faz</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Leave Marvane</source>
        <translation>Sair do Marvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Contact Corvath</source>
        <translation>Falar com a Corvath</translation>
    </message>
    <message>
        <source>Visit our Website</source>
        <translation>Visitar o nosso site</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Hide Menu</source>
        <translation>Ocultar o menu</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Black..White</source>
        <translation>Preto..Branco</translation>
    </message>
    <message>
        <source>Red..Green</source>
        <translation>Vermelho..Verde</translation>
    </message>
    <message>
        <source>Aqua..Yellow</source>
        <translation>Água..Amarelo</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Mostrar o status</translation>
    </message>
    <message>
        <source>Locate</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Demonstração</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane, da CORVATH</translation>
    </message>
    <message>
        <source>%1 Version %2  by Corvath</source>
        <translation>%1 versão %2, da Corvath</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
</context>
<context>
    <name>MoveList</name>
    <message>
        <source>Move List</source>
        <translation>Lista de lances</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Lances</translation>
    </message>
    <message>
        <source>Choose a move to show the board as it was after it.</source>
        <translation>Escolha um lance para ver o tabuleiro depois dele.</translation>
    </message>
    <message>
        <source>Autoplay is running: the list follows it.</source>
        <translation>A demonstração está em andamento: a lista a acompanha.</translation>
    </message>
    <message>
        <source>Stop Review</source>
        <translation>Parar a análise</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analisar o jogo</translation>
    </message>
    <message>
        <source>, a worst mistake</source>
        <translation>, um dos piores erros</translation>
    </message>
    <message>
        <source>, taken back</source>
        <translation>, desfeito</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>, opening: %1</source>
        <translation>, abertura: %1</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Marvane Options</source>
        <translation>Opções do Marvane</translation>
    </message>
    <message>
        <source>Response time</source>
        <translation>Tempo de resposta</translation>
    </message>
    <message>
        <source>Milliseconds before the computer moves</source>
        <translation>Milissegundos antes de o computador jogar</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Efeitos sonoros</translation>
    </message>
    <message>
        <source>Turn sound effects On or Off</source>
        <translation>Ligar ou desligar os efeitos sonoros</translation>
    </message>
    <message>
        <source>Show Windows Menu</source>
        <translation>Mostrar a barra de menus</translation>
    </message>
    <message>
        <source>Show Windows Status Bar</source>
        <translation>Mostrar a barra de status</translation>
    </message>
    <message>
        <source>Go to our Web Site</source>
        <translation>Ir para o nosso site</translation>
    </message>
    <message>
        <source>Email Corvath-Solutions</source>
        <translation>Escrever para a Corvath-Solutions</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Voltar ao jogo</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>Game files (*.txt);;All files (*)</source>
        <translation>Arquivos de jogo (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <translation>%1 %2-%3, %4</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>encerrar</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>The file is too large for a game record: %1, where a record is at most 1 MB.</source>
        <translation>O arquivo é grande demais para ser um arquivo de jogo: %1, e um arquivo de jogo tem no máximo 1 MB.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>more than 1 MB</source>
        <translation>mais de 1 MB</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Isto é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>This is %1.</source>
        <translation>Isto é %1.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Não é possível abrir o arquivo: %1.</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Lista de lances</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Analisar o jogo</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Copiar os lances</translation>
    </message>
    <message>
        <source>Copy Moves for Other Programs</source>
        <translation>Copiar os lances para outros programas</translation>
    </message>
    <message>
        <source>Paste Moves</source>
        <translation>Colar os lances</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Copiar a posição</translation>
    </message>
    <message>
        <source>Paste Position</source>
        <translation>Colar a posição</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Salvar o jogo...</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Abrir um jogo...</translation>
    </message>
    <message>
        <source>Start: the position</source>
        <translation>Início: a posição</translation>
    </message>
    <message>
        <source>The clipboard holds no position to start from.</source>
        <translation>A área de transferência não contém uma posição inicial.</translation>
    </message>
    <message>
        <source>The position on the clipboard cannot be played.</source>
        <translation>A posição da área de transferência não pode ser jogada.</translation>
    </message>
    <message>
        <source>The moves on the clipboard cannot be replayed.</source>
        <translation>Os lances da área de transferência não podem ser reproduzidos.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves to replay.</source>
        <translation>A área de transferência não contém lances para reproduzir.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salvar o jogo</translation>
    </message>
    <message>
        <source>The game was not saved to &quot;%1&quot;.</source>
        <translation>O jogo não foi salvo em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir um jogo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>Não é possível abrir &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Its record would be %1 bytes long, and a game file is read only up to 1 MB (%2 bytes).</source>
        <translation>Ele teria %1 bytes, e um arquivo de jogo só é lido até 1 MB (%2 bytes).</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Evaluation over the game</source>
        <translation>Pontuação ao longo do jogo</translation>
    </message>
    <message>
        <source>start</source>
        <comment>the position before the first move</comment>
        <translation>início</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>lance %1</translation>
    </message>
    <message>
        <source>%1: not reviewed yet</source>
        <translation>%1: ainda não analisado</translation>
    </message>
    <message>
        <source>%1: even</source>
        <translation>%1: empate</translation>
    </message>
    <message>
        <source>%1: about even</source>
        <translation>%1: mais ou menos empate</translation>
    </message>
    <message>
        <source>%1: +%2 for %3</source>
        <comment>move 12: +4 discs for White</comment>
        <translation>%1: +%2 para %3</translation>
    </message>
    <message>
        <source>%1: about +%2 for %3</source>
        <comment>an estimate</comment>
        <translation>%1: cerca de +%2 para %3</translation>
    </message>
    <message>
        <source>discs</source>
        <translation>peças</translation>
    </message>
    <message>
        <source>move</source>
        <comment>the axis of move numbers</comment>
        <translation>lance</translation>
    </message>
    <message>
        <source>even</source>
        <comment>the line at 0: neither side leads</comment>
        <translation>empate</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 à frente</translation>
    </message>
    <message>
        <source>exact score</source>
        <translation>pontuação exata</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>estimativa</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>As regras do Marvane</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Voltar ao jogo</translation>
    </message>
    <message>
        <source>Two player game</source>
        <translation>Jogo para dois jogadores</translation>
    </message>
    <message>
        <source>Each player must chose their colour Black or White</source>
        <translation>Cada jogador escolhe sua cor, Preto ou Branco.</translation>
    </message>
    <message>
        <source>White goes first, use the mouse to select a square </source>
        <translation>O Branco começa: escolha uma casa com o</translation>
    </message>
    <message>
        <source>and click the left button</source>
        <translation>mouse e clique com o botão esquerdo.</translation>
    </message>
    <message>
        <source>The object of Marvane is to get as many of your</source>
        <translation>O objetivo do Marvane é ter no tabuleiro</translation>
    </message>
    <message>
        <source>coloured counters on the game grid as possible</source>
        <translation>o maior número possível de peças da sua cor.</translation>
    </message>
    <message>
        <source>the game starts with 4 counters, in the centre</source>
        <translation>O jogo começa com 4 peças nas casas do</translation>
    </message>
    <message>
        <source>squares, 2 White and 2 Black, You can place</source>
        <translation>centro, 2 brancas e 2 pretas. Você coloca</translation>
    </message>
    <message>
        <source>another counter of your colour following these rules</source>
        <translation>outra peça da sua cor seguindo estas regras:</translation>
    </message>
    <message>
        <source>1. The square must be empty</source>
        <translation>1. A casa deve estar vazia.</translation>
    </message>
    <message>
        <source>2. There must be at least 1 counter of the other</source>
        <translation>2. Deve haver pelo menos 1 peça da outra cor</translation>
    </message>
    <message>
        <source>colour in an adjacent square to the one</source>
        <translation>numa casa vizinha àquela</translation>
    </message>
    <message>
        <source>that you are placing,</source>
        <translation>em que você joga.</translation>
    </message>
    <message>
        <source>3. A counter of your own colour must be immediately</source>
        <translation>3. Uma peça da sua cor deve estar logo</translation>
    </message>
    <message>
        <source>beyond the opposing counter/s</source>
        <translation>depois da peça ou das peças adversárias.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>a folder, not a regular file</source>
        <extracomment>Each follows &quot;This is&quot;, &quot;The file is&quot; or a file&apos;s name and &quot;is&quot;.</extracomment>
        <translation>uma pasta, não um arquivo comum</translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation>um pipe nomeado, não um arquivo comum</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>um dispositivo, não um arquivo comum</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>um socket, não um arquivo comum</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>algo que não é um arquivo comum</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>A pasta &quot;%1&quot; não existe</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder &quot;%1&quot;</source>
        <translation>Não há permissão para gravar na pasta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>O disco está cheio (%1)</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>O arquivo é %1</translation>
    </message>
    <message>
        <source>the old file cannot be kept as %1</source>
        <translation>o arquivo antigo não pode ser guardado como %1</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Não foi possível criar a chave %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;: %2</source>
        <translation>Não foi possível gravar os dados de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what it is instead (&quot;a folder, not a regular file&quot;).</extracomment>
        <translation>%1 é %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Não foi possível gravar os dados de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dados inválido para &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Não foi possível ler os dados de &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is on a disk that cannot be written to</source>
        <translation>A pasta &quot;%1&quot; está em um disco onde não é possível gravar</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1 é somente leitura</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read, so the default options are used. Only the options you change are saved: this file is then kept as %2 and a new one is written</source>
        <translation>O arquivo de configurações %1 tem mais de 1 MB e não foi lido, por isso valem as opções padrão. Só as opções que você mudar são salvas: este arquivo será então guardado como %2 e um novo será gravado</translation>
    </message>
    <message>
        <source>The settings file %1, so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path and what it is instead (&quot;... is a folder, not a regular file&quot;).</extracomment>
        <translation>O arquivo de configurações %1, por isso valem as opções padrão. Só as opções que você mudar são salvas</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>Não foi possível ler o arquivo de configurações %1 (%2), por isso valem as opções padrão. Só as opções que você mudar são salvas</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Score</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Lances</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restam</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganhas</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>sair</translation>
    </message>
    <message>
        <source>Leave  Marvane</source>
        <translation>Sair do Marvane</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>encerrar</translation>
    </message>
    <message>
        <source>Who won ?</source>
        <translation>Quem venceu?</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>reiniciar</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Começar um novo jogo</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>regras</translation>
    </message>
    <message>
        <source>The rules of Marvane</source>
        <translation>As regras do Marvane</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opções</translation>
    </message>
    <message>
        <source>Show Marvane Options</source>
        <translation>Mostrar as opções do Marvane</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Select computer skill level</source>
        <translation>Escolher o nível do computador</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 jog.</translation>
    </message>
    <message>
        <source>Select number of players</source>
        <translation>Escolher o número de jogadores</translation>
    </message>
    <message>
        <source>Position your  piece</source>
        <translation>Posicione a peça</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>To play</source>
        <translation>Quem joga</translation>
    </message>
    <message>
        <source>White score</source>
        <translation>Pontos do Branco</translation>
    </message>
    <message>
        <source>Black score</source>
        <translation>Pontos do Preto</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 jogador</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 jog.</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
</context>
<context>
    <name>SoundEffects</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 was not found in %2
The sounds in use are kept.</source>
        <translation>%1 não foi encontrado em %2
Os sons atuais são mantidos.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>%1 não pode ser lido como som
Os sons atuais são mantidos.</translation>
    </message>
    <message>
        <source>Marvane Bitmaps (*.bmp)</source>
        <translation>Imagens do Marvane (*.bmp)</translation>
    </message>
    <message>
        <source>Marvane Sound Files (*.wav)</source>
        <translation>Arquivos de som do Marvane (*.wav)</translation>
    </message>
    <message>
        <source>No Sound device present or other audio error
 sounds disabled. </source>
        <translation>Nenhum dispositivo de som ou outro erro de áudio;
 sons desativados. </translation>
    </message>
    <message>
        <source>No sound files present, sound disabled. Click Yes to browse for files</source>
        <translation>Nenhum arquivo de som; som desativado. Clique em Sim para procurar os arquivos</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane, da CORVATH</translation>
    </message>
</context>
</TS>
