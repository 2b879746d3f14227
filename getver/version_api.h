// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstddef>
#include <span>

// The three operations of the platform's version-resource functions (GetFileVersionInfoSize,
// GetFileVersionInfo, VerQueryValue). On Windows they are those functions; elsewhere they read
// the same block from a PE image or from the version section of an ELF file.
namespace marvane::getver {

// Size of the version block of the file, 0 when it has none or cannot be read.
quint32 getFileVersionInfoSize(const QString& fileName);

// Copies the file's version block into `buffer` (as much of it as fits); false when it has none.
bool getFileVersionInfo(const QString& fileName, std::span<std::byte> buffer);

// Finds a node of the block by its path (see findVersionValue) and reports where its value lies
// and its length: characters for a text, bytes otherwise. The path is cut at 256 characters.
bool verQueryValue(std::span<const std::byte> block, const QString& subBlock, const void** value,
                   quint32* length);

// "\StringFileInfo\" + language and code page as eight upper-case hexadecimal digits + "\" + name.
QString versionStringPath(quint16 language, quint16 codePage, const QString& name);

// Fills the two lists from a version block the way the version component does: fixed part and
// translation must be there, then one entry per non-empty value of the standard names, stopping
// at the first name the table lacks. Values end at their first zero and are cut at 256
// characters.
void readVersionStrings(std::span<const std::byte> block, QStringList& categories,
                        QStringList& strings);

}  // namespace marvane::getver
