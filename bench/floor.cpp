// The floor the program is measured against: the least a Qt Widgets program of the same size can
// do. One main window with one label, shown and painted, nothing else.
//
// Built as marvane_floor_soundmodule, it also opens Marvane's four sounds through the program's own
// sound module once its window is up, as Marvane does: what the sound alone costs on top of the
// floor (bench/linkcost.sh).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#ifdef FLOOR_OPENS_SOUNDS
#include <QEvent>
#include <QTimer>
#include <array>

#include "window/sound/soundplayer.h"

namespace {

// Opens the four sounds right after the first paint, as Marvane does.
class SoundsAfterPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                const char* names[] = {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"};
                for (std::size_t i = 0; i < players_.size(); ++i) {
                    players_[i].open(QCoreApplication::applicationDirPath() + "/system/" +
                                     names[i]);
                }
            });
        }
        return false;
    }

private:
    std::array<marvane::SoundPlayer, 4> players_;
};

}  // namespace
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Marvane floor"));
    auto* label = new QLabel(QStringLiteral("Marvane floor"), &window);
    window.setCentralWidget(label);
    window.resize(760, 500);
    window.show();
#ifdef FLOOR_OPENS_SOUNDS
    SoundsAfterPaint sounds;
    label->installEventFilter(&sounds);
#endif
    return app.exec();
}
