<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>As regras do Marvane</translation>
    </message>
    <message>
        <source>Keys: on the board, the arrow keys move the focus square, Home and End go to the first and last square of its row, a letter a to h and a digit 1 to 8 go to that column and row, and Space or Enter plays the square. Anywhere: Ctrl+N starts a new game, Ctrl+Q quits, F1 shows these rules, Ctrl+Z takes a move back, and Ctrl+Shift+Z or Ctrl+Y plays it again; Ctrl+L opens the move list, Ctrl+Shift+C and Ctrl+Shift+V copy and paste the moves, Ctrl+S saves the game and Ctrl+O opens one. While the options panel is open, Tab and Shift+Tab move between the board and its controls, Up and Down (Page Up and Page Down in larger steps) change the response time and Space ticks a box. With the menu bar shown, Alt moves into it; then the arrow keys, Enter and Escape work the menus.</source>
        <translation>Teclas: no tabuleiro, as setas movem a casa em foco, Home e End vão para a primeira e a última casa da sua linha, uma letra de a a h e um algarismo de 1 a 8 vão para essa coluna e linha, e Espaço ou Enter joga na casa. Em qualquer lugar: Ctrl+N começa um novo jogo, Ctrl+Q sai, F1 mostra estas regras, Ctrl+Z volta um lance, e Ctrl+Shift+Z ou Ctrl+Y o joga de novo; Ctrl+L abre a lista de lances, Ctrl+Shift+C e Ctrl+Shift+V copiam e colam os lances, Ctrl+S salva o jogo e Ctrl+O abre um. Com o painel de opções aberto, Tab e Shift+Tab passam entre o tabuleiro e seus controles, Para cima e Para baixo (Page Up e Page Down em passos maiores) mudam o tempo de resposta e Espaço marca uma caixa. Com a barra de menus visível, Alt entra nela; depois as setas, Enter e Esc operam os menus.</translation>
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
        <translation>em que você joga,</translation>
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
        <translation>Vez de</translation>
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
        <translation>Pontos do %1</translation>
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
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane, da CORVATH</translation>
    </message>
</context>
<context>
    <name>marvane::SoundEffects</name>
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
    <name>marvane::TMarvaneForm</name>
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
</TS>
