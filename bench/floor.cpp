// The floor the program is measured against: the least a Qt Widgets program of the same size can
// do. One main window with one label, shown and painted, nothing else.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Marvane floor"));
    window.setCentralWidget(new QLabel(QStringLiteral("Marvane floor"), &window));
    window.resize(760, 500);
    window.show();
    return app.exec();
}
