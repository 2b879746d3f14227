// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis's marks on the board: the hint and the scores of the squares.
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "window/boardaccessible.h"
#include "window/boardimage.h"
#include "window/fonts.h"

namespace marvane {

namespace {

// Both in bold at the same size, so an estimate reads as easily as an exact score; an estimate
// is marked "≈" and is a lighter grey than the exact scores' white, well clear of the black
// strip either way.
constexpr QRgb kExactColour = qRgb(255, 255, 255);
constexpr QRgb kEstimateColour = qRgb(208, 208, 208);

// "≈+4", "≈−2": after the mark a minus as wide as the plus, which a hyphen beside "≈" is not.
QString estimateText(int score) {
    return QStringLiteral("\u2248") +
           (score < 0 ? QStringLiteral("\u2212%1").arg(-score) : BoardImage::scoreText(score));
}

QRect onScreen(const QRect& pictureRect) {
    return pictureRect.translated(BoardPicture::kPictureOffset);
}

}  // namespace

bool BoardImage::isHint(int row, int column) const {
    return analysis_.hint && analysis_.hint->square == Square{row, column};
}

std::optional<BoardImage::Evaluation> BoardImage::evaluationAt(int row, int column) const {
    const auto& scores = analysis_.scores;
    const auto found = std::find_if(scores.begin(), scores.end(), [&](const Evaluation& e) {
        return e.square == Square{row, column};
    });
    if (found != scores.end()) return *found;
    if (isHint(row, column)) return analysis_.hint;
    return std::nullopt;
}

QString BoardImage::scoreText(int score) {
    return score > 0 ? QStringLiteral("+%1").arg(score) : QString::number(score);
}

// A frame 3 pixels wide just inside the face: around the legal-move ring and the last-move dot's
// place, and unlike the keyboard's dashed square, which lies outside the face.
QRect BoardImage::hintRect(int row, int column) {
    return onScreen(BoardPicture::faceRect(row, column).adjusted(2, 2, -3, -3));
}

// A black strip along the bottom of the face, below the legal-move ring in the middle.
QRect BoardImage::scoreRect(int row, int column) {
    const QRect face = BoardPicture::faceRect(row, column);
    return onScreen(QRect(face.left() + 5, face.bottom() - 10, face.width() - 10, 11));
}

void BoardImage::setAnalysisMarks(AnalysisMarks marks) {
    if (marks == analysis_) return;
    std::vector<Square> changed;
    for (const AnalysisMarks* m : {&analysis_, &marks}) {
        if (m->hint) changed.push_back(m->hint->square);
        for (const Evaluation& e : m->scores) changed.push_back(e.square);
    }
    analysis_ = std::move(marks);
    for (const Square& square : changed) {
        update(onScreen(BoardPicture::faceRect(square.row, square.column)));
        notifySquareChanged(this, square.row, square.column);
    }
}

void BoardImage::paintAnalysisMarks(QPainter& painter) const {
    if (analysis_.hint) {
        const Square square = analysis_.hint->square;
        const QRect frame = hintRect(square.row, square.column);
        // A black edge on both sides keeps the orange apart from the blue face and the ring.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(frame);
        painter.setPen(QPen(QColor(kHintColour), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(frame);
    }
    if (analysis_.scores.empty()) return;
    painter.setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11, true));
    for (const Evaluation& e : analysis_.scores) {
        const QRect box = scoreRect(e.square.row, e.square.column);
        painter.fillRect(box, QColor(kScoreStripColour));
        painter.setPen(QColor(e.exact ? kExactColour : kEstimateColour));
        painter.drawText(box, Qt::AlignCenter, e.exact ? scoreText(e.score) : estimateText(e.score));
    }
}

}  // namespace marvane
