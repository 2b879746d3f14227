#pragma once

#include <QWidget>
#include <functional>

#include "boardpicture.h"

namespace marvane {

// `Image3`: shows the board picture unscaled, centred in its 417 x 433 area, and reports every
// mouse press (of any button) with its position in the area's own pixels.
class BoardImage : public QWidget {
    Q_OBJECT

public:
    explicit BoardImage(QWidget* parent = nullptr);

    BoardPicture& picture() { return picture_; }
    const BoardPicture& picture() const { return picture_; }

    // Paints a counter into the picture and schedules the repaint of that square.
    void drawCounter(int row, int column, ColourCode colour);

    std::function<void(int x, int y)> onPress;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    BoardPicture picture_;
};

}  // namespace marvane
