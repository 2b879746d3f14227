// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace marvane {

// Files a user may have replaced by anything: the settings file and the game files. Reading
// never opens what is not a regular file in a way that could wait (a named pipe without a
// writer, a device), and writing replaces a file whole or leaves it exactly as it was. A link to
// a regular file is followed for both, so a file kept elsewhere and linked in keeps working.

// What is at a path, following links.
enum class FileKind { Missing, Regular, Folder, Pipe, Device, Socket, Other };

// What is found instead of a regular file, to follow "This is": "a named pipe, not a regular
// file", or just "not a regular file" for a kind that has no name.
QString notARegularFile(FileKind kind);

struct FileRead {
    enum class Outcome {
        Read,        // `bytes` is the whole file
        Missing,     // nothing there, or a folder on the way is missing or a file
        NotRegular,  // `kind` says what is there; it was not read
        TooLarge,    // larger than the limit; `size` is its size when known (else 0)
        Failed,      // `error` says why
    };
    Outcome outcome = Outcome::Failed;
    QByteArray bytes;
    FileKind kind = FileKind::Missing;
    qint64 size = 0;
    QString error;
    // A regular file that nobody may write (no write permission bit at all, so even the
    // administrator's programs count it as read-only), or that this user may not write.
    bool readOnly = false;
};

// Reads the file at `path` when it is a regular file of at most `limit` bytes.
FileRead readRegularFile(const QString& path, qint64 limit);

// Replaces the file at `path` (through a link, the file the link leads to) with `bytes`: they
// are written to a new file beside it, and only when every byte is written and synced to disk
// does that file take the old one's place, keeping its permissions. When `oldKeptAs` is given,
// the old file is moved there in the same step. Temporary files that earlier saves of the same
// file left behind (the program was killed) are removed after a successful save.
//
// Returns an empty text on success. Otherwise the file is as it was, no temporary file is left,
// and the text says why ("No space left on device", "The file is a named pipe, not a regular
// file").
QString replaceFile(const QString& path, const QByteArray& bytes, const QString& oldKeptAs = {});

}  // namespace marvane
