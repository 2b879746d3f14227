// SPDX-License-Identifier: GPL-3.0-or-later
// The version-resource operations on Windows: the platform's own functions.
#include <windows.h>

#include "getver/version_api.h"
#include "getver/version_block.h"

namespace marvane::getver {

quint32 getFileVersionInfoSize(const QString& fileName) {
    DWORD unused = 0;
    return GetFileVersionInfoSizeW(reinterpret_cast<LPCWSTR>(fileName.utf16()), &unused);
}

bool getFileVersionInfo(const QString& fileName, std::span<std::byte> buffer) {
    return GetFileVersionInfoW(reinterpret_cast<LPCWSTR>(fileName.utf16()), 0,
                               static_cast<DWORD>(buffer.size()), buffer.data()) != FALSE;
}

bool verQueryValue(std::span<const std::byte> block, const QString& subBlock, const void** value,
                   quint32* length) {
    const QString path = subBlock.left(static_cast<qsizetype>(kMaxVersionText));
    LPVOID found = nullptr;
    UINT foundLength = 0;
    if (!VerQueryValueW(block.data(), reinterpret_cast<LPCWSTR>(path.utf16()), &found,
                        &foundLength)) {
        return false;
    }
    *value = found;
    *length = foundLength;
    return true;
}

}  // namespace marvane::getver
