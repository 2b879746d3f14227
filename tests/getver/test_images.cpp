// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/getver/test_images.h"

#include <QFile>
#include <algorithm>
#include <stdexcept>

namespace testimages {
namespace {

class Writer {
public:
    explicit Writer(bool bigEndian = false) : bigEndian_(bigEndian) {}

    void put(std::size_t offset, std::uint64_t value, unsigned width) {
        if (bytes_.size() < offset + width) bytes_.resize(offset + width);
        for (unsigned i = 0; i < width; ++i) {
            const unsigned shift = 8 * (bigEndian_ ? width - 1 - i : i);
            bytes_[offset + i] = static_cast<std::byte>((value >> shift) & 0xFF);
        }
    }
    void put16(std::size_t offset, std::uint64_t value) { put(offset, value, 2); }
    void put32(std::size_t offset, std::uint64_t value) { put(offset, value, 4); }
    void put64(std::size_t offset, std::uint64_t value) { put(offset, value, 8); }
    // 32 or 64 bits, as the ELF class asks.
    void putWord(std::size_t offset, std::uint64_t value, bool is64) {
        put(offset, value, is64 ? 8 : 4);
    }
    void putBytes(std::size_t offset, std::span<const std::byte> data) {
        if (bytes_.size() < offset + data.size()) bytes_.resize(offset + data.size());
        std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    }
    void putText(std::size_t offset, std::string_view text) {
        putBytes(offset, std::as_bytes(std::span(text.data(), text.size())));
    }
    void resize(std::size_t size) { bytes_.resize(size); }
    Bytes take() { return std::move(bytes_); }

private:
    Bytes bytes_;
    bool bigEndian_;
};

constexpr std::uint32_t kSubdirectory = 0x80000000u;

}  // namespace

Bytes makePe(std::span<const std::byte> block, PeOptions options) {
    constexpr std::size_t kPe = 0x40;
    constexpr std::size_t kRawOffset = 0x200;
    constexpr std::uint32_t kRva = 0x1000;
    constexpr std::size_t kBlockAt = kPeBlockOffset - kRawOffset;  // inside the section
    const std::size_t optionalSize = options.pe32Plus ? 240 : 224;
    const std::size_t directoriesAt = options.pe32Plus ? 112 : 96;

    // The resource section: type directory, name directory, language directory, data entry,
    // an empty directory for the named type, its name, then the block.
    Writer rsrc;
    rsrc.put16(0x0C, 1);  // one named entry
    rsrc.put16(0x0E, 1);  // one ID entry
    rsrc.put32(0x10, kSubdirectory | 0x90);
    rsrc.put32(0x14, kSubdirectory | 0x60);
    rsrc.put32(0x18, options.withVersionResource ? 16 : 3);
    rsrc.put32(0x1C, kSubdirectory | 0x20);
    rsrc.put16(0x20 + 0x0E, 1);
    rsrc.put32(0x30, options.versionId);
    rsrc.put32(0x34, kSubdirectory | 0x38);
    rsrc.put16(0x38 + 0x0E, 1);
    rsrc.put32(0x48, 0x0809);
    rsrc.put32(0x4C, 0x50);
    rsrc.put32(0x50, kRva + kBlockAt);
    rsrc.put32(0x54, block.size());
    rsrc.put16(0x90, 4);
    rsrc.putText(0x92, std::string("M\0A\0R\0V\0", 8));
    rsrc.putBytes(kBlockAt, block);
    Bytes section = rsrc.take();
    const std::size_t virtualSize = section.size();
    const std::size_t rawSize = (section.size() + 0x1FF) & ~std::size_t{0x1FF};

    Writer pe;
    pe.putText(0, "MZ");
    pe.put32(0x3C, kPe);
    pe.putText(kPe, std::string("PE\0\0", 4));
    pe.put16(kPe + 4, options.pe32Plus ? 0x8664 : 0x14C);
    pe.put16(kPe + 6, 1);  // one section
    pe.put16(kPe + 20, optionalSize);
    pe.put16(kPe + 22, 0x0102);
    const std::size_t optional = kPe + 24;
    pe.put16(optional, options.pe32Plus ? 0x20B : 0x10B);
    pe.put32(optional + 32, 0x1000);  // section alignment
    pe.put32(optional + 36, 0x200);   // file alignment
    pe.put32(optional + 56, kRva + 0x1000);
    pe.put32(optional + 60, kRawOffset);
    pe.put16(optional + 68, 2);  // GUI subsystem
    pe.put32(optional + directoriesAt - 4, 16);
    pe.put32(optional + directoriesAt + 16, kRva);
    pe.put32(optional + directoriesAt + 20, virtualSize);
    const std::size_t header = optional + optionalSize;
    pe.putText(header, ".rsrc");
    pe.put32(header + 8, virtualSize);
    pe.put32(header + 12, kRva);
    pe.put32(header + 16, rawSize);
    pe.put32(header + 20, kRawOffset);
    pe.put32(header + 36, 0x40000040);
    pe.putBytes(kRawOffset, section);
    pe.resize(kRawOffset + rawSize);
    return pe.take();
}

Bytes makeElf(const std::string& name, std::span<const std::byte> contents, ElfOptions options) {
    const bool is64 = options.is64;
    const std::size_t headerSize = is64 ? 64 : 52;
    const std::size_t entrySize = is64 ? 64 : 40;
    const std::size_t contentsAt = 0x100;
    const std::string names = std::string("\0", 1) + name + '\0' + ".shstrtab" + '\0';
    const std::size_t namesAt = contentsAt + contents.size();
    const std::size_t tableAt = (namesAt + names.size() + 7) & ~std::size_t{7};

    Writer elf(options.bigEndian);
    elf.putText(0,
                "\x7f"
                "ELF");
    elf.put(4, is64 ? 2 : 1, 1);
    elf.put(5, options.bigEndian ? 2 : 1, 1);
    elf.put(6, 1, 1);
    elf.put16(16, 2);  // executable
    elf.put16(18, is64 ? 62 : 3);
    elf.put32(20, 1);
    elf.putWord(is64 ? 0x28 : 0x20, tableAt, is64);
    elf.put16(is64 ? 0x34 : 0x28, headerSize);
    elf.put16(is64 ? 0x3A : 0x2E, entrySize);
    elf.put16(is64 ? 0x3C : 0x30, options.extendedNumbering ? 0 : 3);
    elf.put16(is64 ? 0x3E : 0x32, options.extendedNumbering ? 0xFFFF : 2);
    elf.putBytes(contentsAt, contents);
    elf.putText(namesAt, names);

    const auto putSection = [&](std::size_t index, std::uint32_t nameAt, std::uint32_t type,
                                std::uint64_t offset, std::uint64_t size, std::uint32_t link) {
        const std::size_t at = tableAt + index * entrySize;
        elf.put32(at, nameAt);
        elf.put32(at + 4, type);
        elf.putWord(is64 ? at + 24 : at + 16, offset, is64);
        elf.putWord(is64 ? at + 32 : at + 20, size, is64);
        elf.put32(is64 ? at + 40 : at + 24, link);
    };
    putSection(0, 0, 0, 0, options.extendedNumbering ? 3 : 0, options.extendedNumbering ? 2 : 0);
    putSection(1, 1, options.sectionType, contentsAt, contents.size(), 0);
    putSection(2, static_cast<std::uint32_t>(name.size() + 2), 3, namesAt, names.size(), 0);
    elf.resize(tableAt + 3 * entrySize);
    return elf.take();
}

marvane::getver::VersionTable programTable() {
    marvane::getver::VersionTable table;
    table.fileVersion = {1, 4, 0, 0};
    table.productVersion = {1, 4, 0, 0};
    table.language = 0x0809;
    table.codePage = 0x04E4;
    table.strings = {
        {u"CompanyName", u"Corvath Solutions"},
        {u"FileDescription", u"Marvane game executable"},
        {u"FileVersion", u"1.4.0.0"},
        {u"InternalName", u"Marvane"},
        {u"LegalCopyright", u"Copyright (C) Corvath Solutions"},
        {u"LegalTrademarks", u""},
        {u"OriginalFilename", u""},
        {u"ProductName", u"Marvane"},
        {u"ProductVersion", u"1.0.0.0"},
        {u"Comments", u""},
    };
    return table;
}

void setString(marvane::getver::VersionTable& table, std::u16string_view name,
               const char16_t* value) {
    auto& strings = table.strings;
    const auto entry = std::find_if(strings.begin(), strings.end(),
                                    [name](const auto& s) { return s.first == name; });
    if (entry == strings.end()) throw std::invalid_argument("no such version string");
    if (value) {
        entry->second = value;
    } else {
        strings.erase(entry);
    }
}

Bytes readFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read test file");
    const QByteArray data = file.readAll();
    const auto bytes =
        std::as_bytes(std::span(data.constData(), static_cast<std::size_t>(data.size())));
    return Bytes(bytes.begin(), bytes.end());
}

void writeFile(const QString& fileName, std::span<const std::byte> bytes) {
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        throw std::runtime_error("cannot write test file");
    }
}

}  // namespace testimages
