// SPDX-License-Identifier: GPL-3.0-or-later
// The last-move and legal-move marks: drawn over the board picture where they belong, on every
// colour scheme, and never into the picture itself.
#include <QAccessible>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "window/art/boardpicture.h"
#include "window/boardaccessible.h"
#include "window/boardimage.h"

using namespace marvane;

namespace {

QPoint centreOf(const QRect& rect) {
    return rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2);
}

QImage shown(BoardImage& board) {
    return board.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The board of a new game in the scheme's colours.
void startingPosition(BoardImage& board, const ColourScheme& scheme) {
    board.drawCounter(4, 4, scheme.c1);
    board.drawCounter(4, 5, scheme.c2);
    board.drawCounter(5, 4, scheme.c2);
    board.drawCounter(5, 5, scheme.c1);
}

// The contrast ratio of two colours as the web's accessibility guidelines define it (1 to 21).
double contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// A score as painted in its strip: the contrast of its text with the strip (its most distinct
// pixel, one the text covers whole), and how many rows the text takes.
struct PaintedScore {
    double contrast = 1;
    int rows = 0;
};
PaintedScore paintedScore(const QImage& image, const QRect& strip) {
    const QRgb back = image.pixel(strip.topLeft());
    PaintedScore score;
    int top = strip.bottom(), bottom = strip.top() - 1;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == back) continue;
            score.contrast = std::max(score.contrast, contrast(pixel, back));
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    score.rows = bottom - top + 1;
    return score;
}

QList<QAccessibleEvent*> seenEvents;
void recordEvent(QAccessibleEvent* event) {
    if (event->type() != QAccessible::NameChanged) return;
    auto* copy = new QAccessibleEvent(event->object(), event->type());
    copy->setChild(event->child());
    seenEvents << copy;
}

}  // namespace

class BoardMarksTest : public QObject {
    Q_OBJECT

private slots:
    void marksAreDrawnOverTheCounterAndTheFaceOnEveryScheme_data() {
        QTest::addColumn<int>("scheme");
        QTest::addRow("Black..White") << 0;
        QTest::addRow("Red..Green") << 1;
        QTest::addRow("Aqua..Yellow") << 2;
    }
    void marksAreDrawnOverTheCounterAndTheFaceOnEveryScheme() {
        QFETCH(int, scheme);
        const ColourScheme colours = ColourSchemes[static_cast<std::size_t>(scheme)];
        BoardImage board;
        startingPosition(board, colours);
        const QImage bare = shown(board);
        const QImage picture = board.picture().image();

        board.setMarks({Square{4, 5}, {{3, 5}, {4, 6}, {5, 3}, {6, 4}}});
        const QImage marked = shown(board);

        // The dot sits in the middle of the last counter, with the counter still around it.
        const QRect dot = BoardImage::lastMoveRect(4, 5);
        QCOMPARE(marked.pixel(centreOf(dot)), BoardImage::kLastMoveColour);
        QCOMPARE(marked.pixel(dot.topLeft() - QPoint(3, 3)), counterRgb(colours.c2) | 0xFF000000);
        // Each ring lies on an empty face, hollow, with the face showing inside and around it.
        for (const Square& square : {Square{3, 5}, Square{4, 6}, Square{5, 3}, Square{6, 4}}) {
            const QRect ring = BoardImage::legalMoveRect(square.row, square.column);
            const int y = centreOf(ring).y();
            QVERIFY(marked.pixel(ring.left() - 1, y) == BoardImage::kLegalMoveColour ||
                    marked.pixel(ring.left(), y) == BoardImage::kLegalMoveColour);
            QCOMPARE(marked.pixel(centreOf(ring)), counterRgb(0) | 0xFF000000);
            QCOMPARE(marked.pixel(ring.topLeft() - QPoint(3, 3)), counterRgb(0) | 0xFF000000);
        }
        // Nothing else on the board changed.
        int changed = 0;
        for (int y = 0; y < bare.height(); ++y)
            for (int x = 0; x < bare.width(); ++x)
                changed += bare.pixel(x, y) != marked.pixel(x, y);
        QVERIFY(changed > 0);
        QVERIFY(changed < 5 * 16 * 16);

        // The picture never holds a mark, and without marks the board is exactly as before.
        QCOMPARE(board.picture().image(), picture);
        board.setMarks({});
        QCOMPARE(shown(board), bare);
    }

    // Catches estimates painted faint (below 4.5:1 against their strip) or smaller than the
    // exact scores beside them, in any colour scheme.
    void estimatesReadAsWellAsExactScoresOnEveryScheme_data() {
        marksAreDrawnOverTheCounterAndTheFaceOnEveryScheme_data();
    }
    void estimatesReadAsWellAsExactScoresOnEveryScheme() {
        QFETCH(int, scheme);
        BoardImage board;
        startingPosition(board, ColourSchemes[static_cast<std::size_t>(scheme)]);
        board.setAnalysisMarks({std::nullopt, {{{3, 5}, 14, true}, {{4, 6}, -14, false}}});
        const QImage image = shown(board);
        const PaintedScore exact = paintedScore(image, BoardImage::scoreRect(3, 5));
        const PaintedScore estimate = paintedScore(image, BoardImage::scoreRect(4, 6));
        QVERIFY2(exact.contrast >= 4.5, qPrintable(QString::number(exact.contrast)));
        QVERIFY2(estimate.contrast >= 4.5, qPrintable(QString::number(estimate.contrast)));
        QVERIFY(exact.rows >= 7);
        QCOMPARE(estimate.rows, exact.rows);
    }

    void thePictureIsTheSameWithMarksOnAsAFreshPictureOfTheSamePosition() {
        BoardImage board;
        startingPosition(board, ColourSchemes[0]);
        board.setMarks({Square{4, 4}, {{3, 5}}});
        board.drawCounter(3, 5, 1);
        board.drawCounter(4, 5, 1);
        board.setMarks({Square{3, 5}, {{3, 4}, {3, 6}, {5, 6}}});
        BoardPicture fresh;
        for (auto [row, column, colour] :
             {std::tuple{4, 4, 1}, {4, 5, 1}, {5, 4, 2}, {5, 5, 1}, {3, 5, 1}})
            fresh.drawCounter(row, column, colour);
        QCOMPARE(board.picture().image(), fresh.image());
    }

    void cellsSayLastMoveAndLegalMoveWhereTheMarksAre() {
        BoardImage board;
        startingPosition(board, ColourSchemes[0]);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&board);
        QVERIFY(table);
        auto name = [&](int row, int column) {
            return table->child((row - 1) * 8 + column - 1)->text(QAccessible::Name);
        };
        {
            AccessibleEventListener listener(&board, &recordEvent);
            board.setMarks({Square{4, 5}, {{3, 5}}});
        }
        QCOMPARE(name(4, 5), QString("row 4, column 5: Black, last move"));
        QCOMPARE(name(3, 5), QString("row 3, column 5: empty, legal move"));
        QCOMPARE(name(4, 6), QString("row 4, column 6: empty"));
        QList<int> told;
        for (QAccessibleEvent* event : std::as_const(seenEvents)) told << event->child();
        qDeleteAll(seenEvents);
        seenEvents.clear();
        std::sort(told.begin(), told.end());
        QCOMPARE(told, (QList<int>{2 * 8 + 4, 3 * 8 + 4}));
    }
};

QTEST_MAIN(BoardMarksTest)
#include "tst_boardmarks.moc"
