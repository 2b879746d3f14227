// Writes the application icon as PNG files in the layout of an icon theme:
//
//   marvane_makeicons <folder> <icon-name>
//
// gives <folder>/<n>x<n>/apps/<icon-name>.png for every size the program draws its icon at, so
// that the desktop shows the very pictures the window itself uses.

#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "window/art/appicon.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <folder> <icon-name>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : marvane::kAppIconSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        if (!QDir().mkpath(folder) || !marvane::appIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
