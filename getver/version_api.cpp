// SPDX-License-Identifier: GPL-3.0-or-later
// The version-resource operations for systems without the Windows functions: the block is read
// straight from the file, a PE image or an ELF file with a version section.
#include "getver/version_api.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "getver/image_file.h"
#include "getver/version_block.h"

namespace marvane::getver {
namespace {

// Maps the file rather than reading it, so that a large file costs no memory. Only regular files
// are opened: a FIFO or a device would block or never end.
class MappedFile {
public:
    explicit MappedFile(const QString& fileName) : file_(fileName) {
        if (!QFileInfo(fileName).isFile() || !file_.open(QIODevice::ReadOnly)) return;
        const qint64 size = file_.size();
        if (size <= 0) return;
        if (const uchar* data = file_.map(0, size)) {
            bytes_ =
                std::span(reinterpret_cast<const std::byte*>(data), static_cast<std::size_t>(size));
        }
    }

    std::span<const std::byte> bytes() const { return bytes_; }

private:
    QFile file_;  // unmaps when it goes
    std::span<const std::byte> bytes_;
};

}  // namespace

quint32 getFileVersionInfoSize(const QString& fileName) {
    const MappedFile file(fileName);
    return static_cast<quint32>(findVersionResource(file.bytes()).size());
}

bool getFileVersionInfo(const QString& fileName, std::span<std::byte> buffer) {
    const MappedFile file(fileName);
    const auto block = findVersionResource(file.bytes());
    if (block.empty()) return false;
    const std::size_t copied = std::min(block.size(), buffer.size());
    std::memcpy(buffer.data(), block.data(), copied);
    std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(copied), buffer.end(), std::byte{0});
    return true;
}

bool verQueryValue(std::span<const std::byte> block, const QString& subBlock, const void** value,
                   quint32* length) {
    const QString path = subBlock.left(static_cast<qsizetype>(kMaxVersionText));
    const auto found =
        findVersionValue(block, std::u16string_view(reinterpret_cast<const char16_t*>(path.utf16()),
                                                    static_cast<std::size_t>(path.size())));
    if (!found) return false;
    *value = found->bytes.data();
    *length = found->length;
    return true;
}

}  // namespace marvane::getver
