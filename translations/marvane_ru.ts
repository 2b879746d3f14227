<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AnalysisRoom</name>
    <message>
        <source>There is not enough memory for the analysis.</source>
        <translation>Для анализа не хватает памяти.</translation>
    </message>
    <message>
        <source>The learned evaluation cannot be used, so hints, scores and reviews judge positions with a simpler formula.</source>
        <translation>Обученную оценку использовать нельзя, поэтому подсказки, оценки ходов и разбор партии оценивают позиции по более простой формуле.</translation>
    </message>
</context>
<context>
    <name>BoardAccess</name>
    <message>
        <source>Hint: row %1, column %2, score %3</source>
        <translation>Подсказка: ряд %1, столбец %2, оценка %3</translation>
    </message>
    <message>
        <source>Hint: row %1, column %2, score about %3</source>
        <translation>Подсказка: ряд %1, столбец %2, оценка около %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>ряд %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>, last move</source>
        <translation>, последний ход</translation>
    </message>
    <message>
        <source>, legal move</source>
        <translation>, возможный ход</translation>
    </message>
    <message>
        <source>, hint</source>
        <translation>, подсказка</translation>
    </message>
    <message>
        <source>, score %1</source>
        <translation>, оценка %1</translation>
    </message>
    <message>
        <source>, score about %1</source>
        <translation>, оценка около %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>столбец %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ряд %1</translation>
    </message>
</context>
<context>
    <name>GameMenu</name>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить ход</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Вернуть ход</translation>
    </message>
    <message>
        <source>Show Last Move</source>
        <translation>Показывать последний ход</translation>
    </message>
    <message>
        <source>Show Legal Moves</source>
        <translation>Показывать возможные ходы</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Show Evaluations</source>
        <translation>Показывать оценки</translation>
    </message>
    <message>
        <source>Expert Hard Level</source>
        <translation>Уровень «Трудно» для эксперта</translation>
    </message>
    <message>
        <source>Show Coordinates</source>
        <translation>Показывать координаты</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Standard Rules</source>
        <translation>Стандартные правила</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>There is no game to review.</source>
        <translation>Нет партии для разбора.</translation>
    </message>
    <message>
        <source>There are no moves to review yet.</source>
        <translation>Пока нет ходов для разбора.</translation>
    </message>
    <message>
        <source>best</source>
        <comment>the move lost nothing</comment>
        <translation>лучший</translation>
    </message>
    <message>
        <source>Reviewing: %1 of %2 moves</source>
        <translation>Разбор ходов: %1 из %2</translation>
    </message>
    <message>
        <source>Review stopped: %1 of %2 moves</source>
        <translation>Разбор ходов остановлен: %1 из %2</translation>
    </message>
    <message>
        <source>Reviewed: what each move gave away (≈ an estimate)</source>
        <translation>Разобрано: сколько отдал каждый ход (≈ оценка)</translation>
    </message>
    <message>
        <source>This game cannot be reviewed.</source>
        <translation>Эту партию невозможно разобрать.</translation>
    </message>
    <message>
        <source>The review knows Marvane&apos;s own rules only, and this game is played by the standard rules.</source>
        <translation>Разбор знает только собственные правила Marvane, а эта партия играется по стандартным правилам.</translation>
    </message>
</context>
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
        <extracomment>%1 is the winning colour&apos;s name.</extracomment>
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
    <message>
        <source>Moves mirrored</source>
        <extracomment>Said after a game written the other way round was replayed in its mirror image.</extracomment>
        <translation>Ходы отражены</translation>
    </message>
    <message>
        <source>This is not a game record: it holds binary data.</source>
        <translation>Это не запись партии: в ней есть двоичные данные.</translation>
    </message>
    <message>
        <source>This is not a game record: line %1 is not UTF-8 text.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Это не запись партии: строка %1 — не текст в кодировке UTF-8.</translation>
    </message>
    <message>
        <source>This is too long for a game record: more than 1 MB.</source>
        <translation>Это слишком длинно для записи партии: больше 1 МБ.</translation>
    </message>
    <message>
        <source>Line %1 is a header line after the moves: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>Строка %1 — строка заголовка после ходов: %2.</translation>
    </message>
    <message>
        <source>Line %1 is not a header line of the form %2: %3.</source>
        <extracomment>%1 is a line number, %2 the form of a header line as files write it, %3 the line as the file has it.</extracomment>
        <translation>Строка %1 не является строкой заголовка вида %2: %3.</translation>
    </message>
    <message>
        <source>Line %1 repeats the header &quot;%2&quot;.</source>
        <extracomment>%1 is a line number, %2 the header&apos;s English name as files write it.</extracomment>
        <translation>Строка %1 повторяет заголовок «%2».</translation>
    </message>
    <message>
        <source>Unknown header line %1: %2.</source>
        <extracomment>%1 is a line number, %2 the line as the file has it.</extracomment>
        <translation>Строка %1 — неизвестная строка заголовка: %2.</translation>
    </message>
    <message>
        <source>Line %1: the program is not named.</source>
        <extracomment>%1 is a line number.</extracomment>
        <translation>Строка %1: не указано название программы.</translation>
    </message>
    <message>
        <source>Line %1: the date &quot;%2&quot; is not written as year.month.day.</source>
        <extracomment>%1 is a line number, %2 the date as the file has it.</extracomment>
        <translation>Строка %1: дата «%2» записана не в виде год.месяц.день.</translation>
    </message>
    <message>
        <source>Line %1: the time &quot;%2&quot; is not written as hours:minutes:seconds.</source>
        <extracomment>%1 is a line number, %2 the time as the file has it.</extracomment>
        <translation>Строка %1: время «%2» записано не в виде часы:минуты:секунды.</translation>
    </message>
    <message>
        <source>Line %1: &quot;%2&quot; is not a colour pair of the game (two different of %3).</source>
        <extracomment>%1 is a line number, %2 the colours as the file has them, %3 the colour names a file may hold (in English).</extracomment>
        <translation>Строка %1: «%2» — не пара цветов игры (нужны два разных цвета из списка: %3).</translation>
    </message>
    <message>
        <source>Line %1: the players &quot;%2&quot; are neither 1 nor 2.</source>
        <extracomment>%1 is a line number, %2 the number of players as the file has it.</extracomment>
        <translation>Строка %1: число игроков «%2» не равно ни 1, ни 2.</translation>
    </message>
    <message>
        <source>Line %1: the level &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the level as the file has it; %3 and %4 are the two words a file may hold (Easy, Hard).</extracomment>
        <translation>Строка %1: уровень «%2» не является ни %3, ни %4.</translation>
    </message>
    <message>
        <source>Line %1: the orientation &quot;%2&quot; is neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the orientation as the file has it; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Строка %1: ориентация «%2» не является ни %3, ни %4.</translation>
    </message>
    <message>
        <source>Line %1: the start position is refused.</source>
        <extracomment>%1 is a line number. The reason follows in sentences of its own.</extracomment>
        <translation>Строка %1: начальная позиция отклонена.</translation>
    </message>
    <message>
        <source>Line %1: the result &quot;%2&quot; is not two counts of counters such as &quot;34-30&quot;.</source>
        <extracomment>%1 is a line number, %2 the result as the file has it.</extracomment>
        <translation>Строка %1: результат «%2» не состоит из двух чисел фишек, как «34-30».</translation>
    </message>
    <message>
        <source>The last move, move %1, is cut short: &quot;%2&quot; has no row digit.</source>
        <extracomment>%1 is the move&apos;s number, %2 the letter it starts with.</extracomment>
        <translation>Последний ход, ход %1, оборван: в «%2» нет цифры ряда.</translation>
    </message>
    <message>
        <source>Move %1, &quot;%2&quot;, is not a square of the board (a1 to h8).</source>
        <extracomment>%1 is the move&apos;s number, %2 the move as the file has it.</extracomment>
        <translation>Ход %1, «%2», не является клеткой доски (от a1 до h8).</translation>
    </message>
    <message>
        <source>Move %1 is one too many: a game has at most %2 moves.</source>
        <extracomment>%1 is the move&apos;s number, %2 the most moves a game has (60).</extracomment>
        <translation>Ход %1 лишний: в партии не больше %2 ходов.</translation>
    </message>
    <message>
        <source>There are no moves in it.</source>
        <translation>Ходов там нет.</translation>
    </message>
    <message>
        <source>The header says the moves are in the %1 orientation, but the first move, %2, starts a game in the %3 one: the two orientations are mixed.</source>
        <extracomment>%1 and %3 are the words files name the orientations by (Marvane, Usual), %2 a square.</extracomment>
        <translation>Заголовок указывает, что ходы записаны в ориентации %1, но первый ход, %2, начинает партию в ориентации %3: две ориентации смешаны.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not a square of the board.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Ход %1, %2 %3, не является клеткой доски.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, cannot be played: %2 has no legal square, and this game has no passing.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Ход %1, %2 %3, невозможно сыграть: %2 не имеют ни одной возможной клетки, а пропускать ход в этой игре нельзя.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: the square is already taken.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square.</extracomment>
        <translation>Ход %1, %2 %3, невозможен: клетка уже занята.</translation>
    </message>
    <message>
        <source>Move %1, %2 %3, is not legal: it closes off no line of %4 counters.</source>
        <extracomment>%1 is the move&apos;s number, %2 the colour to play (a colour name), %3 a square, %4 the other colour (a colour name).</extracomment>
        <translation>Ход %1, %2 %3, невозможен: он не замыкает ни одной линии фишек соперника (%4).</translation>
    </message>
    <message>
        <source>Its mirror image, %1, would be: the transcript seems to mix the two orientations.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Отражённый ход, %1, был бы возможен: похоже, в записи ходов смешаны две ориентации.</translation>
    </message>
    <message>
        <source>The start position cannot occur in a game.</source>
        <extracomment>The reason follows in sentences of its own.</extracomment>
        <translation>Начальная позиция не может возникнуть в партии.</translation>
    </message>
    <message>
        <source>The result %1 does not match the moves, which end %2.</source>
        <extracomment>%1 and %2 are results such as 34-30.</extracomment>
        <translation>Результат %1 не соответствует ходам, которые заканчиваются со счётом %2.</translation>
    </message>
    <message>
        <source>A game cannot be replayed while Autoplay runs.</source>
        <translation>Партию нельзя воспроизвести, пока идёт автоигра.</translation>
    </message>
    <message>
        <source>A game never has fewer than the 4 counters it starts with; this position has %1.</source>
        <extracomment>%1 is a number of counters.</extracomment>
        <translation>В партии никогда не бывает меньше 4 фишек, с которых она начинается; в этой позиции их %1.</translation>
    </message>
    <message>
        <source>The centre square %1 is empty, and the four centre squares are never empty in a game.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Центральная клетка %1 пуста, а четыре центральные клетки в партии никогда не бывают пустыми.</translation>
    </message>
    <message>
        <source>The board is full: there is no move left to play.</source>
        <translation>Доска заполнена: ходов больше не осталось.</translation>
    </message>
    <message>
        <source>The counter on %1 is cut off from the centre, and every counter is placed beside one already on the board.</source>
        <extracomment>%1 is a square.</extracomment>
        <translation>Фишка на %1 отрезана от центра, а каждую фишку ставят рядом с другой, уже стоящей на доске.</translation>
    </message>
    <message>
        <source>This is too long for a position, which is 64 squares, a space and the side to play.</source>
        <translation>Это слишком длинно для позиции: в ней 64 клетки, пробел и очередь хода.</translation>
    </message>
    <message>
        <source>There is no position in it.</source>
        <translation>Позиции там нет.</translation>
    </message>
    <message>
        <source>A position has 64 squares, a1 to h8, before the side to play; this one has %1.</source>
        <extracomment>%1 is the number of characters found.</extracomment>
        <translation>В позиции 64 клетки, от a1 до h8, перед очередью хода; здесь их %1.</translation>
    </message>
    <message>
        <source>Square %1 holds &quot;%2&quot;, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square, %2 the character found there. X, O and - are what the position holds: keep them.</extracomment>
        <translation>В клетке %1 стоит «%2», а это ни X (чёрные), ни O (белые), ни - (пусто).</translation>
    </message>
    <message>
        <source>Square %1 holds a character, which is neither X (black), O (white) nor - (empty).</source>
        <extracomment>%1 is a square. X, O and - are what the position holds: keep them.</extracomment>
        <translation>В клетке %1 стоит символ, который не является ни X (чёрные), ни O (белые), ни - (пусто).</translation>
    </message>
    <message>
        <source>The side to play, X or O, is missing after the 64 squares.</source>
        <extracomment>X and O are what the position holds: keep them.</extracomment>
        <translation>После 64 клеток нет очереди хода, X или O.</translation>
    </message>
    <message>
        <source>The side to play must be X (black) or O (white), not &quot;%1&quot;.</source>
        <extracomment>%1 is the text found instead. X and O are what the position holds: keep them.</extracomment>
        <translation>Очередь хода должна быть X (чёрные) или O (белые), а не «%1».</translation>
    </message>
    <message>
        <source>There is more text after the side to play.</source>
        <translation>После очереди хода есть ещё текст.</translation>
    </message>
    <message>
        <source>%1 has no legal square and passes.</source>
        <extracomment>Said on the turn line under standard rules. %1 is the colour that passes (a colour name).</extracomment>
        <translation>У стороны %1 нет допустимого поля, и она пасует.</translation>
    </message>
    <message>
        <source>Standard rules: a side with no legal square passes.</source>
        <extracomment>Said after a game was opened that can only be played with passes, or that says so.</extracomment>
        <translation>Стандартные правила: сторона без допустимого поля пасует.</translation>
    </message>
    <message>
        <source>Line %1: the rules &quot;%2&quot; are neither %3 nor %4.</source>
        <extracomment>%1 is a line number, %2 the rules as the file has them; %3 and %4 are the two words a file may hold.</extracomment>
        <translation>Строка %1: правила «%2» — ни %3, ни %4.</translation>
    </message>
    <message>
        <source>A position with 4 counters is the start, two of each colour crosswise in the centre, and this one is not.</source>
        <translation>Позиция с 4 фишками — это начальная, по две каждого цвета крест-накрест в центре, а эта не такая.</translation>
    </message>
</context>
<context>
    <name>KeyList</name>
    <message>
        <source>Undo (Game menu)</source>
        <translation>Отменить ход (меню «Игра»)</translation>
    </message>
    <message>
        <source>Redo (Game menu)</source>
        <translation>Вернуть ход (меню «Игра»)</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Стрелки</translation>
    </message>
    <message>
        <source>board</source>
        <translation>доска</translation>
    </message>
    <message>
        <source>move the focus square</source>
        <translation>переместить активную клетку</translation>
    </message>
    <message>
        <source>Home, End</source>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>go to the first or last square of the focus square&apos;s row</source>
        <translation>перейти к первой или последней клетке ряда</translation>
    </message>
    <message>
        <source>a-h, then 1-8</source>
        <translation>a-h, затем 1-8</translation>
    </message>
    <message>
        <source>go to that column and row (&quot;e3&quot;)</source>
        <translation>перейти к этому столбцу и ряду («e3»)</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Пробел, Enter</translation>
    </message>
    <message>
        <source>play the focus square, exactly as a click on it would</source>
        <translation>сделать ход в активную клетку, как при щелчке по ней</translation>
    </message>
    <message>
        <source>Up, Down, Home, End</source>
        <translation>Вверх, Вниз, Home, End</translation>
    </message>
    <message>
        <source>move list</source>
        <translation>список ходов</translation>
    </message>
    <message>
        <source>step to the next, previous, first or last position</source>
        <translation>перейти к следующей, предыдущей, первой или последней позиции</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>move list, keys list</source>
        <translation>список ходов, список клавиш</translation>
    </message>
    <message>
        <source>close that window</source>
        <translation>закрыть это окно</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>options panel open</source>
        <translation>настройки открыты</translation>
    </message>
    <message>
        <source>move between the board and the panel&apos;s controls</source>
        <translation>переходить между доской и элементами панели</translation>
    </message>
    <message>
        <source>Up, Down, Page Up, Page Down</source>
        <translation>Вверх, Вниз, Page Up, Page Down</translation>
    </message>
    <message>
        <source>response time box</source>
        <translation>поле «Время ответа»</translation>
    </message>
    <message>
        <source>change the response time (Page keys in steps of 100 ms)</source>
        <translation>изменить время ответа (Page — шагами по 100 мс)</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>options check boxes</source>
        <translation>флажки настроек</translation>
    </message>
    <message>
        <source>tick or untick the box</source>
        <translation>установить или снять флажок</translation>
    </message>
    <message>
        <source>Alt, then arrows, Enter, Esc</source>
        <translation>Alt, затем стрелки, Enter, Esc</translation>
    </message>
    <message>
        <source>menu bar shown</source>
        <translation>меню показано</translation>
    </message>
    <message>
        <source>open and work the menus</source>
        <translation>открывать меню и выбирать команды</translation>
    </message>
    <message>
        <source>anywhere</source>
        <translation>везде</translation>
    </message>
    <message>
        <source>%1 (%2 menu)</source>
        <translation>%1 (меню «%2»)</translation>
    </message>
    <message>
        <source>%1 (%2): %3.</source>
        <translation>%1 (%2): %3.</translation>
    </message>
    <message>
        <source>Keys.</source>
        <translation>Клавиши.</translation>
    </message>
    <message>
        <source>&quot;restart&quot;: start a new game</source>
        <translation>«заново»: начать новую игру</translation>
    </message>
    <message>
        <source>&quot;quit&quot;: close Marvane</source>
        <translation>«выход»: закрыть Marvane</translation>
    </message>
    <message>
        <source>&quot;rules&quot;: show the rules</source>
        <translation>«правила»: показать правила</translation>
    </message>
    <message>
        <source>close the panel, as its &quot;Return to Marvane&quot; does</source>
        <translation>закрыть панель, как кнопка «Назад к игре»</translation>
    </message>
    <message>
        <source>rules or options panel open</source>
        <translation>правила или настройки открыты</translation>
    </message>
    <message>
        <source>&quot;finish&quot;: end the game</source>
        <translation>«итог»: завершить игру</translation>
    </message>
    <message>
        <source>&quot;2 Players&quot;, &quot;1 Player&quot;: play against the computer or a person</source>
        <translation>«2 игрока», «1 игрок»: играть с компьютером или с человеком</translation>
    </message>
    <message>
        <source>&quot;Easy&quot;, &quot;Hard&quot;: switch the computer&apos;s level</source>
        <translation>«Легко», «Трудно»: сменить уровень компьютера</translation>
    </message>
    <message>
        <source>against the computer</source>
        <translation>против компьютера</translation>
    </message>
    <message>
        <source>&quot;options&quot;: open the options panel</source>
        <translation>«опции»: открыть настройки</translation>
    </message>
    <message>
        <source>play the hint&apos;s square</source>
        <translation>сходить на клетку подсказки</translation>
    </message>
    <message>
        <source>hint shown</source>
        <translation>подсказка показана</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Marvane Keys</source>
        <translation>Клавиши Marvane</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Клавиша</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Где</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
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
        <translation>Голубые..Жёлтые</translation>
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
    <name>MainWindow</name>
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
<context>
    <name>MoveList</name>
    <message>
        <source>Move List</source>
        <translation>Список ходов</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Choose a move to show the board as it was after it.</source>
        <translation>Выберите ход, чтобы увидеть доску после него.</translation>
    </message>
    <message>
        <source>Autoplay is running: the list follows it.</source>
        <translation>Идёт автоигра: список следует за ней.</translation>
    </message>
    <message>
        <source>Stop Review</source>
        <translation>Остановить разбор</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Разобрать партию</translation>
    </message>
    <message>
        <source>, a worst mistake</source>
        <translation>, одна из худших ошибок</translation>
    </message>
    <message>
        <source>, taken back</source>
        <translation>, отменён</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>, opening: %1</source>
        <translation>, дебют: %1</translation>
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
    <name>RecordCommands</name>
    <message>
        <source>Game files (*.txt);;All files (*)</source>
        <translation>Файлы партий (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 %2-%3, %4</source>
        <translation>%1 %2-%3, %4</translation>
    </message>
    <message>
        <source>finish</source>
        <translation>итог</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>The file is too large for a game record: %1, where a record is at most 1 MB.</source>
        <translation>Файл слишком велик для записи партии: %1, а запись занимает не больше 1 МБ.</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>more than 1 MB</source>
        <translation>больше 1 МБ</translation>
    </message>
    <message>
        <source>This is a folder, not a file.</source>
        <translation>Это папка, а не файл.</translation>
    </message>
    <message>
        <source>This is %1.</source>
        <translation>Это %1.</translation>
    </message>
    <message>
        <source>The file cannot be opened: %1.</source>
        <translation>Не удаётся открыть файл: %1.</translation>
    </message>
    <message>
        <source>Move List</source>
        <translation>Список ходов</translation>
    </message>
    <message>
        <source>Review Game</source>
        <translation>Разобрать партию</translation>
    </message>
    <message>
        <source>Copy Moves</source>
        <translation>Копировать ходы</translation>
    </message>
    <message>
        <source>Copy Moves for Other Programs</source>
        <translation>Копировать ходы для других программ</translation>
    </message>
    <message>
        <source>Paste Moves</source>
        <translation>Вставить ходы</translation>
    </message>
    <message>
        <source>Copy Position</source>
        <translation>Копировать позицию</translation>
    </message>
    <message>
        <source>Paste Position</source>
        <translation>Вставить позицию</translation>
    </message>
    <message>
        <source>Save Game...</source>
        <translation>Сохранить партию...</translation>
    </message>
    <message>
        <source>Open Game...</source>
        <translation>Открыть партию...</translation>
    </message>
    <message>
        <source>Start: the position</source>
        <translation>Начало: позиция</translation>
    </message>
    <message>
        <source>The clipboard holds no position to start from.</source>
        <translation>В буфере обмена нет позиции для начала игры.</translation>
    </message>
    <message>
        <source>The position on the clipboard cannot be played.</source>
        <translation>Позицию из буфера обмена нельзя сыграть.</translation>
    </message>
    <message>
        <source>The moves on the clipboard cannot be replayed.</source>
        <translation>Ходы из буфера обмена нельзя воспроизвести.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves to replay.</source>
        <translation>В буфере обмена нет ходов для воспроизведения.</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Сохранить партию</translation>
    </message>
    <message>
        <source>The game was not saved to &quot;%1&quot;.</source>
        <translation>Партия не сохранена в «%1».</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Открыть партию</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened.</source>
        <translation>Не удаётся открыть «%1».</translation>
    </message>
    <message>
        <source>Its record would be %1 bytes long, and a game file is read only up to 1 MB (%2 bytes).</source>
        <translation>Запись заняла бы %1 байт, а файл партии читается только до 1 МБ (%2 байт).</translation>
    </message>
</context>
<context>
    <name>ReviewGraph</name>
    <message>
        <source>Evaluation over the game</source>
        <translation>Оценка по ходу партии</translation>
    </message>
    <message>
        <source>start</source>
        <comment>the position before the first move</comment>
        <translation>начало</translation>
    </message>
    <message>
        <source>move %1</source>
        <translation>ход %1</translation>
    </message>
    <message>
        <source>%1: not reviewed yet</source>
        <translation>%1: ещё не разобрано</translation>
    </message>
    <message>
        <source>%1: even</source>
        <translation>%1: поровну</translation>
    </message>
    <message>
        <source>%1: about even</source>
        <translation>%1: примерно поровну</translation>
    </message>
    <message>
        <source>%1: +%2 for %3</source>
        <comment>move 12: +4 discs for White</comment>
        <translation>%1: %3 +%2</translation>
    </message>
    <message>
        <source>%1: about +%2 for %3</source>
        <comment>an estimate</comment>
        <translation>%1: %3 примерно +%2</translation>
    </message>
    <message>
        <source>discs</source>
        <translation>фишки</translation>
    </message>
    <message>
        <source>move</source>
        <comment>the axis of move numbers</comment>
        <translation>ход</translation>
    </message>
    <message>
        <source>even</source>
        <comment>the line at 0: neither side leads</comment>
        <translation>поровну</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>%1 впереди</translation>
    </message>
    <message>
        <source>exact score</source>
        <translation>точная оценка</translation>
    </message>
    <message>
        <source>estimate</source>
        <translation>примерная</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The Rules of Marvane</source>
        <translation>Правила Marvane</translation>
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
        <translation>своего цвета вы ставите так:</translation>
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
        <translation>1 фишка другого цвета.</translation>
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
    <name>Settings</name>
    <message>
        <source>a folder, not a regular file</source>
        <extracomment>Each follows &quot;This is&quot;, &quot;The file is&quot; or a file&apos;s name and &quot;is&quot;.</extracomment>
        <translation>папка, а не обычный файл</translation>
    </message>
    <message>
        <source>a named pipe, not a regular file</source>
        <translation>именованный канал, а не обычный файл</translation>
    </message>
    <message>
        <source>a device, not a regular file</source>
        <translation>устройство, а не обычный файл</translation>
    </message>
    <message>
        <source>a socket, not a regular file</source>
        <translation>сокет, а не обычный файл</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>Папка «%1» не существует</translation>
    </message>
    <message>
        <source>There is no permission to write in the folder &quot;%1&quot;</source>
        <translation>Нет прав на запись в папку «%1»</translation>
    </message>
    <message>
        <source>The disk is full (%1)</source>
        <translation>Диск заполнен (%1)</translation>
    </message>
    <message>
        <source>The file is %1</source>
        <translation>Файл — %1</translation>
    </message>
    <message>
        <source>the old file cannot be kept as %1</source>
        <translation>старый файл не удаётся сохранить как %1</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Не удаётся создать ключ %1</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;: %2</source>
        <translation>Не удаётся записать данные «%1»: %2</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 is the settings file&apos;s path, %2 what it is instead (&quot;a folder, not a regular file&quot;).</extracomment>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Не удаётся записать данные «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Недопустимый тип данных для «%1»</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Не удаётся прочитать данные «%1»</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is on a disk that cannot be written to</source>
        <translation>Папка «%1» находится на диске, запись на который невозможна</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <extracomment>%1 is the settings file&apos;s path.</extracomment>
        <translation>%1 доступен только для чтения</translation>
    </message>
    <message>
        <source>The settings file %1 is larger than 1 MB and was not read, so the default options are used. Only the options you change are saved: this file is then kept as %2 and a new one is written</source>
        <translation>Файл настроек %1 больше 1 МБ и не был прочитан, поэтому действуют настройки по умолчанию. Сохраняются только изменённые вами настройки: этот файл тогда будет сохранён как %2, и будет записан новый</translation>
    </message>
    <message>
        <source>The settings file %1, so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path and what it is instead (&quot;... is a folder, not a regular file&quot;).</extracomment>
        <translation>Файл настроек %1, поэтому действуют настройки по умолчанию. Сохраняются только изменённые вами настройки</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2), so the default options are used. Only the options you change are saved</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>Не удалось прочитать файл настроек %1 (%2), поэтому действуют настройки по умолчанию. Сохраняются только изменённые вами настройки</translation>
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
    <name>SoundEffects</name>
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
Текущие звуки не изменены.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a sound
The sounds in use are kept.</source>
        <translation>Не удаётся прочитать %1 как звук
Текущие звуки не изменены.</translation>
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
    <name>StatusLine</name>
    <message>
        <source>Marvane by CORVATH</source>
        <translation>Marvane от CORVATH</translation>
    </message>
</context>
</TS>
