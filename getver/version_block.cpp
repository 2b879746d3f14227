// SPDX-License-Identifier: GPL-3.0-or-later
#include "getver/version_block.h"

#include <algorithm>

#include "getver/byte_view.h"

namespace marvane::getver {
namespace {

// wLength, wValueLength and wType come before the key.
constexpr std::uint64_t kNodeHeader = 6;

struct Node {
    std::uint64_t end = 0;
    std::uint64_t keyBegin = 0;
    std::uint64_t keyLength = 0;  // characters, without the terminating zero
    std::uint64_t valueBegin = 0;
    std::uint64_t valueDeclaredBytes = 0;
    std::uint16_t valueLength = 0;
    bool text = false;
    std::uint64_t childrenBegin = 0;
};

// The node at `begin`, which must lie wholly before `limit` (its parent's end).
std::optional<Node> readNode(const ByteView& block, std::uint64_t begin, std::uint64_t limit) {
    limit = std::min(limit, block.size());
    if (begin > limit || limit - begin < kNodeHeader) return std::nullopt;
    const std::uint16_t length = block.u16(begin);
    if (length < kNodeHeader || length > limit - begin) return std::nullopt;

    Node node;
    node.end = begin + length;
    node.valueLength = block.u16(begin + 2);
    // Any type other than 0 counts its value in 16-bit characters, as the platform does.
    node.text = block.u16(begin + 4) != 0;
    node.keyBegin = begin + kNodeHeader;
    std::uint64_t pos = node.keyBegin;
    for (;;) {
        if (node.end - pos < 2) return std::nullopt;  // key without its terminating zero
        if (block.u16(pos) == 0) break;
        pos += 2;
    }
    node.keyLength = (pos - node.keyBegin) / 2;
    node.valueBegin = alignTo4(pos + 2);
    node.valueDeclaredBytes = node.text ? 2 * std::uint64_t{node.valueLength} : node.valueLength;
    node.childrenBegin = alignTo4(node.valueBegin + node.valueDeclaredBytes);
    return node;
}

char16_t foldAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool keyMatches(const ByteView& block, const Node& node, std::u16string_view key) {
    const std::uint64_t compared = std::min<std::uint64_t>(node.keyLength, kMaxVersionText);
    if (compared != key.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char16_t c = block.u16(node.keyBegin + 2 * i);
        if (foldAscii(c) != foldAscii(key[i])) return false;
    }
    return true;
}

std::optional<Node> findChild(const ByteView& block, const Node& parent, std::u16string_view key) {
    // Every node is at least kNodeHeader long, so the walk always moves on.
    for (std::uint64_t pos = parent.childrenBegin; pos < parent.end;) {
        const auto child = readNode(block, pos, parent.end);
        if (!child) return std::nullopt;
        if (keyMatches(block, *child, key)) return child;
        pos = alignTo4(child->end);
    }
    return std::nullopt;
}

VersionValue valueOf(const ByteView& block, const Node& node) {
    const std::uint64_t available = node.valueBegin < node.end ? node.end - node.valueBegin : 0;
    std::uint64_t bytes = std::min(node.valueDeclaredBytes, available);
    if (node.text) bytes &= ~std::uint64_t{1};
    VersionValue value;
    value.bytes = block.slice(node.valueBegin, bytes);
    value.length = static_cast<std::uint32_t>(node.text ? bytes / 2 : bytes);
    value.text = node.text;
    return value;
}

}  // namespace

std::span<const std::byte> versionBlockAt(std::span<const std::byte> bytes) {
    const ByteView block(bytes);
    const auto root = readNode(block, 0, block.size());
    if (!root || !keyMatches(block, *root, u"VS_VERSION_INFO")) return {};
    return bytes.first(static_cast<std::size_t>(root->end));
}

std::optional<VersionValue> findVersionValue(std::span<const std::byte> bytes,
                                             std::u16string_view subBlock) {
    const ByteView block(bytes);
    auto node = readNode(block, 0, block.size());
    std::u16string_view rest = subBlock.substr(0, std::min(subBlock.size(), kMaxVersionText));
    while (node && !rest.empty()) {
        const std::size_t separator = rest.find(u'\\');
        const std::u16string_view key = rest.substr(0, separator);
        rest = separator == rest.npos ? std::u16string_view{} : rest.substr(separator + 1);
        // Doubled, leading and trailing separators name no level of their own.
        if (!key.empty()) node = findChild(block, *node, key);
    }
    if (!node) return std::nullopt;
    return valueOf(block, *node);
}

}  // namespace marvane::getver
