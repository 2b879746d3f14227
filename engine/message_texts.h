// SPDX-License-Identifier: GPL-3.0-or-later
// Every sentence the game says to the player, in English, each with its name: its lines in the
// message box, and what its readers and its replay refuse something with. This file is included
// with MARVANE_MESSAGE(name, text) defined: engine/message.* makes the names and the English of
// it, window/gametexts.cpp the table it translates from.
// QT_TRANSLATE_NOOP marks each text for the translation tools; "//:" lines are what the
// translators read beside a text. %1, %2, ... are the places the message's arguments fill.
// Texts quoted from a file, square names, numbers and the words a file must hold are arguments
// and are never translated.
// No include guard: every inclusion makes its own table.

// --- The message box ---

MARVANE_MESSAGE(PositionYourPiece, QT_TRANSLATE_NOOP("GameText", "Position Your Piece"))
MARVANE_MESSAGE(Draw, QT_TRANSLATE_NOOP("GameText", "It's a Draw"))
//: %1 is the winning colour's name.
MARVANE_MESSAGE(Wins, QT_TRANSLATE_NOOP("GameText", "%1 Wins"))
//: Said on the turn line under standard rules. %1 is the colour that passes (a colour name).
MARVANE_MESSAGE(Passes, QT_TRANSLATE_NOOP("GameText", "%1 has no legal square and passes."))
//: Said after a game was opened that can only be played with passes, or that says so.
MARVANE_MESSAGE(StandardRulesGame, QT_TRANSLATE_NOOP("GameText", "Standard rules: a side with no legal square passes."))
//: Said after a game written the other way round was replayed in its mirror image.
MARVANE_MESSAGE(MovesMirrored, QT_TRANSLATE_NOOP("GameText", "Moves mirrored"))

// --- Reading a game record ---

MARVANE_MESSAGE(RecordIsBinary, QT_TRANSLATE_NOOP("GameText", "This is not a game record: it holds binary data."))
//: %1 is a line number.
MARVANE_MESSAGE(RecordLineNotUtf8, QT_TRANSLATE_NOOP("GameText", "This is not a game record: line %1 is not UTF-8 text."))
MARVANE_MESSAGE(RecordTooLong, QT_TRANSLATE_NOOP("GameText", "This is too long for a game record: more than 1 MB."))
//: %1 is a line number, %2 the line as the file has it.
MARVANE_MESSAGE(HeaderAfterMoves, QT_TRANSLATE_NOOP("GameText", "Line %1 is a header line after the moves: %2."))
//: %1 is a line number, %2 the form of a header line as files write it, %3 the line as the file has it.
MARVANE_MESSAGE(NotAHeaderLine, QT_TRANSLATE_NOOP("GameText", "Line %1 is not a header line of the form %2: %3."))
//: %1 is a line number, %2 the header's English name as files write it.
MARVANE_MESSAGE(RepeatedHeader, QT_TRANSLATE_NOOP("GameText", "Line %1 repeats the header \"%2\"."))
//: %1 is a line number, %2 the line as the file has it.
MARVANE_MESSAGE(UnknownHeaderLine, QT_TRANSLATE_NOOP("GameText", "Unknown header line %1: %2."))
//: %1 is a line number.
MARVANE_MESSAGE(ProgramNotNamed, QT_TRANSLATE_NOOP("GameText", "Line %1: the program is not named."))
//: %1 is a line number, %2 the date as the file has it.
MARVANE_MESSAGE(BadDate, QT_TRANSLATE_NOOP("GameText", "Line %1: the date \"%2\" is not written as year.month.day."))
//: %1 is a line number, %2 the time as the file has it.
MARVANE_MESSAGE(BadTime, QT_TRANSLATE_NOOP("GameText", "Line %1: the time \"%2\" is not written as hours:minutes:seconds."))
//: %1 is a line number, %2 the colours as the file has them, %3 the colour names a file may hold (in English).
MARVANE_MESSAGE(BadColours, QT_TRANSLATE_NOOP("GameText", "Line %1: \"%2\" is not a colour pair of the game (two different of %3)."))
//: %1 is a line number, %2 the number of players as the file has it.
MARVANE_MESSAGE(BadPlayers, QT_TRANSLATE_NOOP("GameText", "Line %1: the players \"%2\" are neither 1 nor 2."))
//: %1 is a line number, %2 the level as the file has it; %3 and %4 are the two words a file may hold (Easy, Hard).
MARVANE_MESSAGE(BadLevel, QT_TRANSLATE_NOOP("GameText", "Line %1: the level \"%2\" is neither %3 nor %4."))
//: %1 is a line number, %2 the orientation as the file has it; %3 and %4 are the two words a file may hold.
MARVANE_MESSAGE(BadOrientation, QT_TRANSLATE_NOOP("GameText", "Line %1: the orientation \"%2\" is neither %3 nor %4."))
//: %1 is a line number, %2 the rules as the file has them; %3 and %4 are the two words a file may hold.
MARVANE_MESSAGE(BadRules, QT_TRANSLATE_NOOP("GameText", "Line %1: the rules \"%2\" are neither %3 nor %4."))
//: %1 is a line number. The reason follows in sentences of its own.
MARVANE_MESSAGE(StartPositionRefused, QT_TRANSLATE_NOOP("GameText", "Line %1: the start position is refused."))
//: %1 is a line number, %2 the result as the file has it.
MARVANE_MESSAGE(BadResult, QT_TRANSLATE_NOOP("GameText", "Line %1: the result \"%2\" is not two counts of counters such as \"34-30\"."))
//: %1 is the move's number, %2 the letter it starts with.
MARVANE_MESSAGE(LastMoveCutShort, QT_TRANSLATE_NOOP("GameText", "The last move, move %1, is cut short: \"%2\" has no row digit."))
//: %1 is the move's number, %2 the move as the file has it.
MARVANE_MESSAGE(MoveNotASquare, QT_TRANSLATE_NOOP("GameText", "Move %1, \"%2\", is not a square of the board (a1 to h8)."))
//: %1 is the move's number, %2 the most moves a game has (60).
MARVANE_MESSAGE(OneMoveTooMany, QT_TRANSLATE_NOOP("GameText", "Move %1 is one too many: a game has at most %2 moves."))
MARVANE_MESSAGE(NoMoves, QT_TRANSLATE_NOOP("GameText", "There are no moves in it."))
//: %1 and %3 are the words files name the orientations by (Marvane, Usual), %2 a square.
MARVANE_MESSAGE(MixedOrientations, QT_TRANSLATE_NOOP("GameText", "The header says the moves are in the %1 orientation, but the first move, %2, starts a game in the %3 one: the two orientations are mixed."))

// --- Replaying moves ---

//: %1 is the move's number, %2 the colour to play (a colour name), %3 a square.
MARVANE_MESSAGE(MoveOffBoard, QT_TRANSLATE_NOOP("GameText", "Move %1, %2 %3, is not a square of the board."))
//: %1 is the move's number, %2 the colour to play (a colour name), %3 a square.
MARVANE_MESSAGE(MoveWithNoLegalSquare, QT_TRANSLATE_NOOP("GameText", "Move %1, %2 %3, cannot be played: %2 has no legal square, and this game has no passing."))
//: %1 is the move's number, %2 the colour to play (a colour name), %3 a square.
MARVANE_MESSAGE(MoveOnTakenSquare, QT_TRANSLATE_NOOP("GameText", "Move %1, %2 %3, is not legal: the square is already taken."))
//: %1 is the move's number, %2 the colour to play (a colour name), %3 a square, %4 the other colour (a colour name).
MARVANE_MESSAGE(MoveClosesNoLine, QT_TRANSLATE_NOOP("GameText", "Move %1, %2 %3, is not legal: it closes off no line of %4 counters."))
//: %1 is a square.
MARVANE_MESSAGE(MirrorImageLegal, QT_TRANSLATE_NOOP("GameText", "Its mirror image, %1, would be: the transcript seems to mix the two orientations."))
//: The reason follows in sentences of its own.
MARVANE_MESSAGE(StartCannotOccur, QT_TRANSLATE_NOOP("GameText", "The start position cannot occur in a game."))
//: %1 and %2 are results such as 34-30.
MARVANE_MESSAGE(ResultMismatch, QT_TRANSLATE_NOOP("GameText", "The result %1 does not match the moves, which end %2."))
MARVANE_MESSAGE(ReplayDuringAutoplay, QT_TRANSLATE_NOOP("GameText", "A game cannot be replayed while Autoplay runs."))

// --- Positions ---

//: %1 is a number of counters.
MARVANE_MESSAGE(TooFewCounters, QT_TRANSLATE_NOOP("GameText", "A game never has fewer than the 4 counters it starts with; this position has %1."))
//: %1 is a square.
MARVANE_MESSAGE(CentreSquareEmpty, QT_TRANSLATE_NOOP("GameText", "The centre square %1 is empty, and the four centre squares are never empty in a game."))
MARVANE_MESSAGE(OnlyTheStartHasFourCounters, QT_TRANSLATE_NOOP("GameText", "A position with 4 counters is the start, two of each colour crosswise in the centre, and this one is not."))
MARVANE_MESSAGE(BoardFull, QT_TRANSLATE_NOOP("GameText", "The board is full: there is no move left to play."))
//: %1 is a square.
MARVANE_MESSAGE(CounterCutOff, QT_TRANSLATE_NOOP("GameText", "The counter on %1 is cut off from the centre, and every counter is placed beside one already on the board."))
MARVANE_MESSAGE(PositionTooLong, QT_TRANSLATE_NOOP("GameText", "This is too long for a position, which is 64 squares, a space and the side to play."))
MARVANE_MESSAGE(NoPosition, QT_TRANSLATE_NOOP("GameText", "There is no position in it."))
//: %1 is the number of characters found.
MARVANE_MESSAGE(WrongSquareCount, QT_TRANSLATE_NOOP("GameText", "A position has 64 squares, a1 to h8, before the side to play; this one has %1."))
//: %1 is a square, %2 the character found there. X, O and - are what the position holds: keep them.
MARVANE_MESSAGE(UnknownSquareCharacter, QT_TRANSLATE_NOOP("GameText", "Square %1 holds \"%2\", which is neither X (black), O (white) nor - (empty)."))
//: %1 is a square. X, O and - are what the position holds: keep them.
MARVANE_MESSAGE(UnprintableSquareCharacter, QT_TRANSLATE_NOOP("GameText", "Square %1 holds a character, which is neither X (black), O (white) nor - (empty)."))
//: X and O are what the position holds: keep them.
MARVANE_MESSAGE(SideToPlayMissing, QT_TRANSLATE_NOOP("GameText", "The side to play, X or O, is missing after the 64 squares."))
//: %1 is the text found instead. X and O are what the position holds: keep them.
MARVANE_MESSAGE(BadSideToPlay, QT_TRANSLATE_NOOP("GameText", "The side to play must be X (black) or O (white), not \"%1\"."))
MARVANE_MESSAGE(TextAfterSideToPlay, QT_TRANSLATE_NOOP("GameText", "There is more text after the side to play."))
