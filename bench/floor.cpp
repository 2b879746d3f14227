// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the program is measured against: the least a Qt Widgets program of the same size can
// do. One main window with one label, shown and painted, nothing else.
//
// Built as marvane_floor_soundmodule, it also opens Marvane's four sounds through the program's own
// sound module once its window is up, as Marvane does: what the sound alone costs on top of the
// floor (bench/linkcost.sh).
//
// Built as marvane_floor_graph or marvane_floor_charts, it also shows a line graph of 60 points
// under its label, the size of the game review's graph: drawn with QPainter, or with Qt Charts.
// What either way of drawing the graph costs (bench/linkcost.sh graph).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>
#include <cmath>

#if FLOOR_GRAPH == 1
#include <QPainter>
#include <QPolygonF>
#elif FLOOR_GRAPH == 2
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#endif

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

#ifdef FLOOR_GRAPH
namespace {

// A made-up evaluation over a game of 60 moves.
double scoreAfter(int move) { return 40.0 * std::sin(move / 7.0) * move / 60.0; }

#if FLOOR_GRAPH == 1
class Graph : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawLine(0, height() / 2, width(), height() / 2);
        QPolygonF line;
        for (int move = 0; move <= 60; ++move)
            line << QPointF(move * (width() - 1) / 60.0,
                            height() / 2.0 - scoreAfter(move) * height() / 130.0);
        painter.drawPolyline(line);
    }
};

QWidget* makeGraph() { return new Graph; }
#else
QWidget* makeGraph() {
    auto* series = new QLineSeries;
    for (int move = 0; move <= 60; ++move) series->append(move, scoreAfter(move));
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->createDefaultAxes();
    chart->legend()->hide();
    return new QChartView(chart);
}
#endif

}  // namespace
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Marvane floor"));
    auto* label = new QLabel(QStringLiteral("Marvane floor"), &window);
#ifdef FLOOR_GRAPH
    auto* both = new QWidget;
    auto* layout = new QVBoxLayout(both);
    layout->addWidget(label);
    QWidget* graph = makeGraph();
    graph->setFixedHeight(160);
    layout->addWidget(graph);
    window.setCentralWidget(both);
#else
    window.setCentralWidget(label);
#endif
    window.resize(760, 500);
    window.show();
#ifdef FLOOR_OPENS_SOUNDS
    SoundsAfterPaint sounds;
    label->installEventFilter(&sounds);
#endif
    return app.exec();
}
