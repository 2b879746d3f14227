// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application icon as PNG files in the layout of an icon theme:
//
//   marvane_makeicons <folder> <icon-name>
//
// gives <folder>/<n>x<n>/apps/<icon-name>.png for every size the program draws its icon at, so
// that the desktop shows the very pictures the window itself uses.
//
//   marvane_makeicons --ico <file.ico>
//
// writes the same pictures as one Windows icon file, for the program's resource and its
// installer.

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <QtEndian>
#include <cstdio>

#include "window/art/appicon.h"

namespace {

// An icon directory whose images are PNG files, as Windows reads them since Vista.
bool writeIco(const QString& fileName) {
    QList<QByteArray> images;
    for (int size : marvane::kAppIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) ||
            !marvane::appIconImage(size).save(&buffer, "PNG")) {
            return false;
        }
        images.append(png);
    }
    QByteArray ico(6 + 16 * images.size(), '\0');
    char* header = ico.data();
    qToLittleEndian<quint16>(1, header + 2);  // type: icon
    qToLittleEndian<quint16>(quint16(images.size()), header + 4);
    quint32 offset = quint32(ico.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        char* entry = ico.data() + 6 + 16 * i;
        const int size = marvane::kAppIconSizes[std::size_t(i)];
        entry[0] = entry[1] = char(size >= 256 ? 0 : size);  // 0 stands for 256
        qToLittleEndian<quint16>(1, entry + 4);              // planes
        qToLittleEndian<quint16>(32, entry + 6);             // bits per pixel
        qToLittleEndian<quint32>(quint32(images[i].size()), entry + 8);
        qToLittleEndian<quint32>(offset, entry + 12);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& png : images) ico += png;
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size() && file.commit();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && QByteArray(argv[1]) == "--ico") {
        if (writeIco(QString::fromLocal8Bit(argv[2]))) return 0;
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <folder> <icon-name> | --ico <file.ico>\n", argv[0]);
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
