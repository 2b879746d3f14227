// SPDX-License-Identifier: GPL-3.0-or-later
#include "getver/version_block_writer.h"

#include <stdexcept>

namespace marvane::getver {
namespace {

void putU16(std::vector<std::byte>& out, std::uint16_t value) {
    out.push_back(static_cast<std::byte>(value & 0xFF));
    out.push_back(static_cast<std::byte>(value >> 8));
}

void putU32(std::vector<std::byte>& out, std::uint32_t value) {
    putU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    putU16(out, static_cast<std::uint16_t>(value >> 16));
}

void padTo4(std::vector<std::byte>& out) {
    while (out.size() % 4 != 0) out.push_back(std::byte{0});
}

std::u16string hex4(std::uint16_t value) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string text;
    for (int shift = 12; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
    return text;
}

std::uint32_t versionHigh(const std::array<std::uint16_t, 4>& v) {
    return std::uint32_t{v[0]} << 16 | v[1];
}

std::uint32_t versionLow(const std::array<std::uint16_t, 4>& v) {
    return std::uint32_t{v[2]} << 16 | v[3];
}

// A node that only groups others; resource compilers mark these as text.
VersionNode block(std::u16string key) {
    VersionNode node;
    node.key = std::move(key);
    node.text = true;
    return node;
}

}  // namespace

VersionNode textNode(std::u16string key, std::u16string_view value) {
    VersionNode node;
    node.key = std::move(key);
    node.text = true;
    if (!value.empty()) {
        for (const char16_t c : value) putU16(node.value, c);
        putU16(node.value, 0);
        node.valueLength = static_cast<std::uint16_t>(value.size() + 1);
    }
    return node;
}

std::vector<std::byte> serialize(const VersionNode& node) {
    std::vector<std::byte> out;
    putU16(out, 0);  // wLength, filled in below
    putU16(out, node.valueLength);
    putU16(out, node.text ? 1 : 0);
    for (const char16_t c : node.key) putU16(out, c);
    putU16(out, 0);
    padTo4(out);
    out.insert(out.end(), node.value.begin(), node.value.end());
    for (const VersionNode& child : node.children) {
        padTo4(out);
        const auto bytes = serialize(child);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    if (out.size() > 0xFFFF) throw std::length_error("version block node too long");
    out[0] = static_cast<std::byte>(out.size() & 0xFF);
    out[1] = static_cast<std::byte>(out.size() >> 8);
    return out;
}

VersionNode versionTree(const VersionTable& table) {
    VersionNode root;
    root.key = u"VS_VERSION_INFO";
    putU32(root.value, 0xFEEF04BD);  // signature
    putU32(root.value, 0x00010000);  // structure version 1.0
    putU32(root.value, versionHigh(table.fileVersion));
    putU32(root.value, versionLow(table.fileVersion));
    putU32(root.value, versionHigh(table.productVersion));
    putU32(root.value, versionLow(table.productVersion));
    putU32(root.value, table.fileFlagsMask);
    putU32(root.value, table.fileFlags);
    putU32(root.value, table.fileOS);
    putU32(root.value, table.fileType);
    putU32(root.value, table.fileSubtype);
    putU32(root.value, 0);  // file date, high and low
    putU32(root.value, 0);
    root.valueLength = static_cast<std::uint16_t>(root.value.size());

    VersionNode strings = block(hex4(table.language) + hex4(table.codePage));
    for (const auto& [name, value] : table.strings)
        strings.children.push_back(textNode(name, value));
    root.children.push_back(block(u"StringFileInfo"));
    root.children.back().children.push_back(std::move(strings));

    VersionNode translation;
    translation.key = u"Translation";
    putU16(translation.value, table.language);
    putU16(translation.value, table.codePage);
    translation.valueLength = static_cast<std::uint16_t>(translation.value.size());
    root.children.push_back(block(u"VarFileInfo"));
    root.children.back().children.push_back(std::move(translation));
    return root;
}

}  // namespace marvane::getver
