// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the version-resource reader with arbitrary bytes: the PE and ELF readers, the block
// found by findVersionResource and everything the program asks of such a block. The input is
// also taken as a version block on its own, so the block parser meets hostile nodes directly
// and not only after a valid image around them.
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "getver/image_file.h"
#include "getver/version_api.h"
#include "getver/version_block.h"

namespace {

using Bytes = std::span<const std::byte>;

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

bool liesWithin(Bytes part, Bytes whole) {
    if (part.empty()) return true;
    const auto* begin = whole.data();
    return part.data() >= begin && part.data() + part.size() <= begin + whole.size();
}

// Reads every byte, so that AddressSanitizer sees a span that reaches outside its buffer.
unsigned touch(Bytes bytes) {
    unsigned sum = 0;
    for (std::byte b : bytes) sum += std::to_integer<unsigned>(b);
    return sum;
}

constexpr std::u16string_view kPaths[] = {
    u"\\",
    u"\\VarFileInfo\\Translation",
    u"\\StringFileInfo",
    u"\\StringFileInfo\\080904E4\\CompanyName",
    u"\\StringFileInfo\\080904e4\\productversion",
    u"\\\\StringFileInfo\\\\040904B0\\FileVersion\\",
    u"\\VS_VERSION_INFO\\VarFileInfo",
};

void queryBlock(Bytes block) {
    const Bytes root = marvane::getver::versionBlockAt(block);
    require(liesWithin(root, block), "versionBlockAt stays inside its input");

    volatile unsigned sink = touch(root);
    for (std::u16string_view path : kPaths) {
        const auto value = marvane::getver::findVersionValue(block, path);
        if (!value) continue;
        require(liesWithin(value->bytes, block), "a value lies inside its block");
        const std::size_t units = value->text ? value->bytes.size() / 2 : value->bytes.size();
        require(value->length <= units, "a value's length never claims more than its bytes");
        sink = sink + touch(value->bytes);
    }

    // What the program reads from a block, through the platform-style calls.
    QStringList categories, strings;
    marvane::getver::readVersionStrings(block, categories, strings);
    require(categories.size() == strings.size(), "one name per value");
    for (const QString& text : strings)
        require(text.size() <= static_cast<qsizetype>(marvane::getver::kMaxVersionText),
                "values are cut");
    (void)sink;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Bytes file(reinterpret_cast<const std::byte*>(data), size);

    const Bytes pe = marvane::getver::peVersionResource(file);
    const Bytes elf = marvane::getver::elfVersionSection(file);
    const Bytes block = marvane::getver::findVersionResource(file);
    require(liesWithin(pe, file), "the PE resource lies inside the file");
    require(liesWithin(elf, file), "the ELF section lies inside the file");
    require(liesWithin(block, file), "the version block lies inside the file");
    require(block.empty() || marvane::getver::versionBlockAt(block).size() == block.size(),
            "a found block is a whole version block");

    // On a copy of its own, so that a read past the block's end is caught even where the file
    // goes on after it.
    const std::vector<std::byte> copy(block.begin(), block.end());
    queryBlock(copy);
    queryBlock(file);
    return 0;
}
