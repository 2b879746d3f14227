<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>GameText</name>
    <message>
        <source>Blue</source>
        <translation>Синие</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белые</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрные</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красные</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёные</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Голубые</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтые</translation>
    </message>
    <message>
        <source>Position Your Piece</source>
        <translation>Ваш ход</translation>
    </message>
    <message>
        <source>It&apos;s a Draw</source>
        <translation>Ничья</translation>
    </message>
    <message>
        <source>%1 Wins</source>
        <translation>%1 выиграли</translation>
    </message>
    <message>
        <source>White</source>
        <comment>short: turn box and score labels</comment>
        <translation>Белые</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>short: turn box and score labels</comment>
        <translation>Чёрн.</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>short: turn box and score labels</comment>
        <translation>Красн.</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>short: turn box and score labels</comment>
        <translation>Зелён.</translation>
    </message>
    <message>
        <source>Cyan</source>
        <comment>short: turn box and score labels</comment>
        <translation>Голуб.</translation>
    </message>
    <message>
        <source>Yellow</source>
        <comment>short: turn box and score labels</comment>
        <translation>Жёлт.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Leave Marvane</source>
        <translation>Выйти из Marvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Contact Corvath</source>
        <translation>Связаться с Corvath</translation>
    </message>
    <message>
        <source>Visit our Website</source>
        <translation>Посетить наш сайт</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Hide Menu</source>
        <translation>Скрыть меню</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Black..White</source>
        <translation>Чёрные..Белые</translation>
    </message>
    <message>
        <source>Red..Green</source>
        <translation>Красные..Зелёные</translation>
    </message>
    <message>
        <source>Aqua..Yellow</source>
        <translation>Морские..Жёлтые</translation>
    </message>
    <message>
        <source>Show Status</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>Locate</source>
        <translation>Указать</translation>
    </message>
    <message>
        <source>Autoplay</source>
        <translation>Автоигра</translation>
    </message>
</context>
<context>
    <name>OptionsPanel</name>
    <message>
        <source>Marvane Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Response time</source>
        <translation>Время ответа</translation>
    </message>
    <message>
        <source>Milliseconds before the computer moves</source>
        <translation>Миллисекунды до хода компьютера</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Звуковые эффекты</translation>
    </message>
    <message>
        <source>Turn sound effects On or Off</source>
        <translation>Включить или выключить звуковые эффекты</translation>
    </message>
    <message>
        <source>Show Windows Menu</source>
        <translation>Показывать меню</translation>
    </message>
    <message>
        <source>Show Windows Status Bar</source>
        <translation>Показывать строку состояния</translation>
    </message>
    <message>
        <source>Go to our Web Site</source>
        <translation>Перейти на наш сайт</translation>
    </message>
    <message>
        <source>Email Corvath-Solutions</source>
        <translation>Написать в Corvath-Solutions</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Назад к игре</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Правила Marvane</translation>
    </message>
    <message>
        <source>Keys: on the board, the arrow keys move the focus square, Home and End go to the first and last square of its row, a letter a to h and a digit 1 to 8 go to that column and row, and Space or Enter plays the square. Anywhere: Ctrl+N starts a new game, Ctrl+Q quits, F1 shows these rules, Ctrl+Z takes a move back, and Ctrl+Shift+Z or Ctrl+Y plays it again; Ctrl+L opens the move list, Ctrl+Shift+C and Ctrl+Shift+V copy and paste the moves, Ctrl+S saves the game and Ctrl+O opens one. While the options panel is open, Tab and Shift+Tab move between the board and its controls, Up and Down (Page Up and Page Down in larger steps) change the response time and Space ticks a box. With the menu bar shown, Alt moves into it; then the arrow keys, Enter and Escape work the menus.</source>
        <translation>Клавиши: на доске стрелки перемещают выделенную клетку, Home и End переходят к первой и последней клетке ряда, буква от a до h и цифра от 1 до 8 переходят к этому столбцу и ряду, а Пробел или Enter делает ход в клетку. Везде: Ctrl+N начинает новую игру, Ctrl+Q закрывает игру, F1 показывает эти правила, Ctrl+Z отменяет ход, а Ctrl+Shift+Z или Ctrl+Y повторяет его; Ctrl+L открывает список ходов, Ctrl+Shift+C и Ctrl+Shift+V копируют и вставляют ходы, Ctrl+S сохраняет партию, а Ctrl+O открывает сохранённую. Когда открыта панель настроек, Tab и Shift+Tab переходят между доской и элементами управления, Вверх и Вниз (Page Up и Page Down — крупными шагами) меняют время ответа, а Пробел ставит флажок. Когда меню видно, Alt переходит в него; дальше меню управляются стрелками, Enter и Escape.</translation>
    </message>
    <message>
        <source>Return to Marvane</source>
        <translation>Назад к игре</translation>
    </message>
    <message>
        <source>Two player game</source>
        <translation>Игра для двоих</translation>
    </message>
    <message>
        <source>Each player must chose their colour Black or White</source>
        <translation>Каждый игрок выбирает цвет: чёрные или белые.</translation>
    </message>
    <message>
        <source>White goes first, use the mouse to select a square </source>
        <translation>Белые ходят первыми: выберите клетку</translation>
    </message>
    <message>
        <source>and click the left button</source>
        <translation>мышью и нажмите левую кнопку.</translation>
    </message>
    <message>
        <source>The object of Marvane is to get as many of your</source>
        <translation>Цель игры Marvane — собрать на доске</translation>
    </message>
    <message>
        <source>coloured counters on the game grid as possible</source>
        <translation>как можно больше фишек своего цвета.</translation>
    </message>
    <message>
        <source>the game starts with 4 counters, in the centre</source>
        <translation>Игра начинается с 4 фишек на центральных</translation>
    </message>
    <message>
        <source>squares, 2 White and 2 Black, You can place</source>
        <translation>клетках, 2 белых и 2 чёрных. Новую фишку</translation>
    </message>
    <message>
        <source>another counter of your colour following these rules</source>
        <translation>своего цвета ставят по таким правилам:</translation>
    </message>
    <message>
        <source>1. The square must be empty</source>
        <translation>1. Клетка должна быть пустой.</translation>
    </message>
    <message>
        <source>2. There must be at least 1 counter of the other</source>
        <translation>2. В клетке, соседней с той, куда вы</translation>
    </message>
    <message>
        <source>colour in an adjacent square to the one</source>
        <translation>ставите фишку, должна быть хотя бы</translation>
    </message>
    <message>
        <source>that you are placing,</source>
        <translation>1 фишка другого цвета,</translation>
    </message>
    <message>
        <source>3. A counter of your own colour must be immediately</source>
        <translation>3. Сразу за фишкой или фишками соперника</translation>
    </message>
    <message>
        <source>beyond the opposing counter/s</source>
        <translation>должна стоять фишка вашего цвета.</translation>
    </message>
</context>
<context>
    <name>SidePanel</name>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Взято</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>выход</translation>
    </message>
    <message>
        <source>Leave  Marvane</source>
        <translation>Выйти из Marvane</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>итог</translation>
    </message>
    <message>
        <source>Who won ?</source>
        <translation>Кто выиграл?</translation>
    </message>
    <message>
        <source>restart</source>
        <translation>заново</translation>
    </message>
    <message>
        <source>Start a new game</source>
        <translation>Начать новую игру</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>правила</translation>
    </message>
    <message>
        <source>The rules of Marvane</source>
        <translation>Правила Marvane</translation>
    </message>
    <message>
        <source>options</source>
        <translation>опции</translation>
    </message>
    <message>
        <source>Show Marvane Options</source>
        <translation>Показать настройки Marvane</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Select computer skill level</source>
        <translation>Выбрать уровень компьютера</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 игрока</translation>
    </message>
    <message>
        <source>Select number of players</source>
        <translation>Выбрать число игроков</translation>
    </message>
    <message>
        <source>Position your  piece</source>
        <translation>Ваш ход</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>To play</source>
        <translation>Ходят</translation>
    </message>
    <message>
        <source>White score</source>
        <translation>Счёт белых</translation>
    </message>
    <message>
        <source>Black score</source>
        <translation>Счёт чёрных</translation>
    </message>
    <message>
        <source>%1 score</source>
        <translation>Счёт: %1</translation>
    </message>
    <message>
        <source>1 Player</source>
        <translation>1 игрок</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 игрока</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Трудно</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane от CORVATH</translation>
    </message>
</context>
<context>
    <name>marvane::SoundEffects</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 was not found in %2
The sounds in use are kept.</source>
        <translation>%1 не найден в %2
Текущие звуки сохранены.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>%1 не читается как звук
Текущие звуки сохранены.</translation>
    </message>
    <message>
        <source>Marvane Bitmaps (*.bmp)</source>
        <translation>Рисунки Marvane (*.bmp)</translation>
    </message>
    <message>
        <source>Marvane Sound Files (*.wav)</source>
        <translation>Звуковые файлы Marvane (*.wav)</translation>
    </message>
    <message>
        <source>No Sound device present or other audio error
 sounds disabled. </source>
        <translation>Нет звукового устройства или другая ошибка звука,
 звуки отключены. </translation>
    </message>
    <message>
        <source>No sound files present, sound disabled. Click Yes to browse for files</source>
        <translation>Нет звуковых файлов, звук отключён. Нажмите «Да», чтобы указать файлы</translation>
    </message>
</context>
<context>
    <name>marvane::TMarvaneForm</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane от CORVATH</translation>
    </message>
    <message>
        <source>%1 Version %2  by Corvath</source>
        <translation>%1, версия %2, Corvath</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Недопустимое растровое изображение</translation>
    </message>
</context>
</TS>
