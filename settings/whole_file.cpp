// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>

#include "settings/translated.h"

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#else
#include <QSaveFile>
#endif

namespace marvane {

QString notARegularFile(FileKind kind) {
    //: Each follows "This is", "The file is" or a file's name and "is".
    switch (kind) {
        case FileKind::Folder:
            return translated(QT_TRANSLATE_NOOP("Settings", "a folder, not a regular file"));
        case FileKind::Pipe:
            return translated(QT_TRANSLATE_NOOP("Settings", "a named pipe, not a regular file"));
        case FileKind::Device:
            return translated(QT_TRANSLATE_NOOP("Settings", "a device, not a regular file"));
        case FileKind::Socket:
            return translated(QT_TRANSLATE_NOOP("Settings", "a socket, not a regular file"));
        case FileKind::Missing:
        case FileKind::Regular:
        case FileKind::Other: break;
    }
    return translated(QT_TRANSLATE_NOOP("Settings", "not a regular file"));
}

namespace {

// Why a file of some other kind is not replaced.
QString notRegular(FileKind kind) {
    return translated(QT_TRANSLATE_NOOP("Settings", "The file is %1")).arg(notARegularFile(kind));
}

}  // namespace

#ifdef Q_OS_UNIX

namespace {

// A temporary file of a save is "<file>.saving-" and six letters or digits, the file's name cut
// short where the whole would be longer than the folder allows a name to be.
const QByteArray kTemporaryMark = QByteArrayLiteral(".saving-");
constexpr int kTemporaryLetters = 6;

// The temporary files' name up to the six letters, for a save of `target` in `folder`.
QByteArray temporaryStem(const QByteArray& folder, const QByteArray& name) {
    const long longest = ::pathconf(folder.constData(), _PC_NAME_MAX);
    const qsizetype room =
        (longest > 0 ? longest : NAME_MAX) - kTemporaryMark.size() - kTemporaryLetters;
    qsizetype keep = std::min(name.size(), std::max<qsizetype>(room, 1));
    // Not in the middle of a character: UTF-8 continuation bytes are 10xxxxxx.
    while (keep > 1 && keep < name.size() &&
           (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
        --keep;
    return name.left(keep) + kTemporaryMark;
}

QString systemError(int number) { return QString::fromLocal8Bit(std::strerror(number)); }

// Why a file could not be written in `folder`, in the terms a player can act on.
QString saveError(int number, const QByteArray& target) {
    const QString folder = QFileInfo(QFile::decodeName(target)).absolutePath();
    switch (number) {
        case ENOENT:
        case ENOTDIR:
            return translated(QT_TRANSLATE_NOOP("Settings", "The folder \"%1\" does not exist"))
                .arg(folder);
        case EACCES:
        case EPERM:
            return translated(
                       QT_TRANSLATE_NOOP("Settings",
                                         "There is no permission to write in the folder \"%1\""))
                .arg(folder);
        case EROFS:
            return translated(
                       QT_TRANSLATE_NOOP(
                           "Settings", "The folder \"%1\" is on a disk that cannot be written to"))
                .arg(folder);
        case ENOSPC:
        case EDQUOT:
            return translated(QT_TRANSLATE_NOOP("Settings", "The disk is full (%1)"))
                .arg(systemError(number));
        default: return systemError(number);
    }
}

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) return FileKind::Regular;
    if (S_ISDIR(mode)) return FileKind::Folder;
    if (S_ISFIFO(mode)) return FileKind::Pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::Device;
    if (S_ISSOCK(mode)) return FileKind::Socket;
    return FileKind::Other;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The file a link leads to, through every link on the way; the path itself when it is no link.
// A link to nothing yet leads to where its target would be.
QByteArray followLinks(const QByteArray& path) {
    struct stat status;
    if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    if (char* resolved = ::realpath(path.constData(), nullptr)) {
        QByteArray target(resolved);
        std::free(resolved);
        return target;
    }
    const QString target = QFileInfo(QFile::decodeName(path)).symLinkTarget();
    return target.isEmpty() ? path : QFile::encodeName(target);
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A new, empty temporary file beside `target`, locked while it is written so that no other save
// takes it for a leftover.
int createTemporary(const QByteArray& target, QByteArray& name) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : target.left(std::max<qsizetype>(slash, 1));
    const QByteArray stem = target.left(slash + 1) + temporaryStem(folder, target.mid(slash + 1));
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem;
        for (int i = 0; i < kTemporaryLetters; ++i)
            name += kLetters[QRandomGenerator::global()->bounded(62)];
        const int fd =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

// Temporary files of earlier saves of `target` that no running save holds.
void removeLeftovers(const QByteArray& target) {
    const QFileInfo info(QFile::decodeName(target));
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const QByteArray prefix = temporaryStem(folder, QFile::encodeName(info.fileName()));
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.size() != prefix.size() + kTemporaryLetters || !name.startsWith(prefix)) continue;
        const QByteArray path = folder + '/' + entry->d_name;
        Descriptor fd(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        struct stat status;
        if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) ::unlink(path.constData());
    }
    ::closedir(dir);
}

}  // namespace

FileRead readRegularFile(const QString& path, qint64 limit) {
    FileRead result;
    const QByteArray name = QFile::encodeName(path);
    const auto failed = [&result](int number) {
        result.outcome = number == ENOENT || number == ENOTDIR ? FileRead::Outcome::Missing
                                                               : FileRead::Outcome::Failed;
        result.error = systemError(number);
        return result;
    };
    const auto notRegular = [&result](mode_t mode) {
        result.outcome = FileRead::Outcome::NotRegular;
        result.kind = kindOf(mode);
        return result;
    };
    // Looked at before it is opened, as opening some devices does something; and opened without
    // waiting, in case a pipe took the file's place in between.
    struct stat status;
    if (::stat(name.constData(), &status) != 0) return failed(errno);
    if (!S_ISREG(status.st_mode)) return notRegular(status.st_mode);
    Descriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) return failed(errno);
    if (::fstat(fd.get(), &status) != 0) return failed(errno);
    if (!S_ISREG(status.st_mode)) return notRegular(status.st_mode);
    result.kind = FileKind::Regular;
    result.readOnly = (status.st_mode & 0222) == 0 || ::access(name.constData(), W_OK) != 0;
    if (status.st_size > limit) {
        result.outcome = FileRead::Outcome::TooLarge;
        result.size = status.st_size;
        return result;
    }
    // One byte past the limit tells a file that grew since its size was asked.
    char chunk[16 * 1024];
    while (result.bytes.size() <= limit) {
        const qint64 wanted = std::min<qint64>(sizeof chunk, limit + 1 - result.bytes.size());
        const ssize_t got = ::read(fd.get(), chunk, static_cast<size_t>(wanted));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failed(errno);
        if (got == 0) break;
        result.bytes.append(chunk, got);
    }
    if (result.bytes.size() > limit) {
        result.bytes.clear();
        result.outcome = FileRead::Outcome::TooLarge;
        return result;
    }
    result.outcome = FileRead::Outcome::Read;
    return result;
}

QString replaceFile(const QString& path, const QByteArray& bytes, const QString& oldKeptAs) {
    const QByteArray target = followLinks(QFile::encodeName(path));
    struct stat old;
    const bool exists = ::lstat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return notRegular(kindOf(old.st_mode));

    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) return saveError(errno, target);
    const auto fail = [&temporary, &target](int number) {
        ::unlink(temporary.constData());
        return saveError(number, target);
    };
    if (exists) ::fchmod(fd, old.st_mode & 07777);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int writeError = errno;
    // Closed before it is renamed, so that whoever watches the file sees one write of it.
    if (::close(fd) != 0 && written) return fail(errno);
    if (!written) return fail(writeError);

    const QByteArray kept = QFile::encodeName(oldKeptAs);
    if (exists && !kept.isEmpty() && ::rename(target.constData(), kept.constData()) != 0)
        return fail(errno);
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int number = errno;
        if (exists && !kept.isEmpty()) ::rename(kept.constData(), target.constData());
        return fail(number);
    }
    // The new name on disk too; the data already is, so a failure here loses nothing.
    const QByteArray folder =
        QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    removeLeftovers(target);
    return {};
}

#else

// Where there are no named pipes to wait on, Qt's files do.
FileRead readRegularFile(const QString& path, qint64 limit) {
    FileRead result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.outcome = FileRead::Outcome::Missing;
        return result;
    }
    if (!info.isFile()) {
        result.outcome = FileRead::Outcome::NotRegular;
        result.kind = info.isDir() ? FileKind::Folder : FileKind::Other;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.kind = FileKind::Regular;
    result.readOnly = !info.isWritable();
    if (file.size() > limit) {
        result.outcome = FileRead::Outcome::TooLarge;
        result.size = file.size();
        return result;
    }
    result.bytes = file.read(limit + 1);
    if (result.bytes.size() > limit) {
        result.bytes.clear();
        result.outcome = FileRead::Outcome::TooLarge;
        return result;
    }
    result.outcome = FileRead::Outcome::Read;
    return result;
}

QString replaceFile(const QString& path, const QByteArray& bytes, const QString& oldKeptAs) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return notRegular(info.isDir() ? FileKind::Folder : FileKind::Other);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (info.exists() && !oldKeptAs.isEmpty() && !QFile::copy(path, oldKeptAs)) {
        file.cancelWriting();
        return translated(QT_TRANSLATE_NOOP("Settings", "the old file cannot be kept as %1"))
            .arg(oldKeptAs);
    }
    if (!file.commit()) return file.errorString();
    return {};
}

#endif

}  // namespace marvane
