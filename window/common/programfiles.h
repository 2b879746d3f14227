// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace marvane {

// The folder of the running program file, ending in a path separator.
QString programFolder();

// The title and version in the running program file's version information (ReadTitle and
// ReadVersion), read at the first call and kept for the run: the file does not change under a
// running program, and every saved game names it.
struct ProgramVersion {
    QString title;
    QString version;
};
const ProgramVersion& programVersion();

// Finds `relative` ("system/Ok.wav") below `folder`, matching every path component without regard
// to letter case. Returns the real path of the existing file, or an empty string.
QString findFileNoCase(const QString& folder, const QString& relative);

// findFileNoCase below the program folder.
QString findBesideProgram(const QString& relative);

// Whether the four sound files are in the "system" folder below `folder`, in any letter case.
bool soundFilesIn(const QString& folder);

}  // namespace marvane
