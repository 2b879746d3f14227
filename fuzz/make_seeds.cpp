// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the fuzzers' seed corpora: small PE and ELF images carrying the program's version
// block (made with the test image builders and the block writer), the bare block, and the
// number texts the settings file holds in practice.
//
//   fuzz_make_seeds <output folder>
//
// Each fuzzer's seeds go to a folder named after it: version_resource/, stored_integer/,
// transcript/, position_text/, gtp_session/.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "getver/image_file.h"
#include "getver/version_block_writer.h"
#include "tests/getver/test_images.h"

namespace {

namespace fs = std::filesystem;

void write(const fs::path& file, std::span<const std::byte> bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void write(const fs::path& file, std::string_view text) {
    write(file, std::as_bytes(std::span(text.data(), text.size())));
}

void versionResourceSeeds(const fs::path& folder) {
    using testimages::ElfOptions;
    using testimages::PeOptions;
    const auto block =
        marvane::getver::serialize(marvane::getver::versionTree(testimages::programTable()));
    const std::string section(marvane::getver::kVersionSectionName);

    write(folder / "block", block);
    write(folder / "pe32", testimages::makePe(block));
    write(folder / "pe32plus", testimages::makePe(block, PeOptions{.pe32Plus = true}));
    write(folder / "pe-icon-only",
          testimages::makePe(block, PeOptions{.withVersionResource = false}));
    write(folder / "elf64", testimages::makeElf(section, block));
    write(folder / "elf32-big-endian",
          testimages::makeElf(section, block, ElfOptions{.is64 = false, .bigEndian = true}));
    write(folder / "elf64-extended-numbering",
          testimages::makeElf(section, block, ElfOptions{.extendedNumbering = true}));

    // A table in another language with fewer names, so the search for the string table and
    // the stop at the first missing name both have something to find.
    marvane::getver::VersionTable other;
    other.fileVersion = {2, 0, 0, 1};
    other.language = 0x0409;
    other.codePage = 0x04B0;
    other.strings = {{u"CompanyName", u"X"}, {u"FileDescription", u""}, {u"FileVersion", u"2"}};
    write(folder / "block-us-english",
          marvane::getver::serialize(marvane::getver::versionTree(other)));

    // String values typed as binary data (wType 0, lengths in bytes), which the platform reads
    // as well: the program must not take a byte count for a character count.
    marvane::getver::VersionNode binary = marvane::getver::versionTree(other);
    for (marvane::getver::VersionNode& value : binary.children.at(0).children.at(0).children) {
        value.text = false;
        value.valueLength = static_cast<std::uint16_t>(value.value.size());
    }
    write(folder / "block-binary-strings", marvane::getver::serialize(binary));
    // The same with the string table after the translation, the other order files use, so that
    // a string value can end the block.
    std::swap(binary.children.at(0), binary.children.at(1));
    write(folder / "block-binary-strings-last", marvane::getver::serialize(binary));
}

void storedIntegerSeeds(const fs::path& folder) {
    const std::vector<std::string_view> texts = {
        "1000",       " 250",       "$FA",  "0x7fffffff",  "-2147483648",
        "2147483648", "X80000000",  "0X1f", "x00000000FA", "+7",
        "   ",        "$100000000", "-",    "0",           "1, 0",
    };
    for (std::size_t i = 0; i < texts.size(); ++i) write(folder / std::to_string(i), texts[i]);
}

// A finished game (a legal one, so the replay goes all the way) as the program writes it, the same
// game as a bare transcript in the forms people paste, and the near misses the reader must refuse.
void transcriptSeeds(const fs::path& folder) {
    const std::string_view game =
        "f4d3c2g4d6c6b6e6h4a6c7d8c5e3b5b4f2e7b8g1f8c3b7e8c4d7e2a8a5f6g7e1c8b2b3g8a2a7f1a3a4h6"
        "d1c1g2a1h8g3h2f3b1f5d2h1g5f7g6h5h3h7";
    const std::vector<std::string> texts = {
        "[Program \"Marvane 1.4.0.0\"]\n[Date \"2026.12.08\"]\n[Time \"14:05:09\"]\n"
        "[Colours \"White Black\"]\n[Players \"1\"]\n[Level \"Hard\"]\n[Result \"26-38\"]\n\n" +
            std::string(game) + "\n",
        "[Colours \"Red Green\"]\r\n[Players \"2\"]\r\n\r\nE3 F4 C5\r\n",
        std::string(game),
        "E3 f4\tC5\n  f3\n\ng4",
        "e3f4c",
        "e3 f4 j9",
        "[Event \"Club\"]\n\ne3",
        "Program: Marvane\n\ne3",
        "[Program \"a\\\"b\\\\c\"]\n",
        "\xEF\xBB\xBF"
        "e3",
        "[Event \"Club\"]\n[Black \"Ann\"]\n[White \"Bo\"]\n\n1. f5 d6 2. c3 d3 3. c4\n",
        "[Orientation \"Usual\"]\n\nf5d6c3",
        "[Orientation \"Marvane\"]\n\nf5d6",
        "[Orientation \"Usual\"]\n[Position \"---------------------------OX------XXX-------------"
        "-------------- O\"]\n\nf6",
        "---------------------------OX------XO--------------------------- X",
        "---------------------------OX------XO--------------------------- X ",
        "---------------------------OX------XO---------------------------- X",
        "O-------------------------OX------XO--------------------------- X",
    };
    for (std::size_t i = 0; i < texts.size(); ++i) write(folder / std::to_string(i), texts[i]);
}

// Lines of the endgame test set as it is written, and the near misses its reader must refuse.
void positionTextSeeds(const fs::path& folder) {
    const std::string board = "--XXXXX---XXXX---OOOXX---OOXXXX--OOXXXO-OOOOXOO----XOX----XXXXX-";
    const std::vector<std::string> texts = {
        "# Endgame test positions\n40 O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- "
        "X 20 a2 +38\n43 " + board + " O 23 g3/c7 -12\n",
        "43 " + board + " O 23 g3/c7 -12\r\n",
        "43 " + board + " O 22 g3 -12",
        "43 " + board + " X 23 g3 -12",
        "43 " + board.substr(3) + " O 23 g3 -12",
        "43 " + board + " O 23 g3/ +0",
        board + " O",
    };
    for (std::size_t i = 0; i < texts.size(); ++i) write(folder / std::to_string(i), texts[i]);
}

// Sessions of the text engine as controllers hold them, and the mistakes they make.
void gtpSessionSeeds(const fs::path& folder) {
    const std::vector<std::string> texts = {
        "1 protocol_version\n2 boardsize 8\n3 clear_board\n4 genmove b\n5 play w c3\n"
        "6 showboard\n7 undo\n8 final_score\n9 quit\n",
        "marvane-rules marvane\nmarvane-level 3\nmarvane-seed 7\ngenmove b\ngenmove w\n"
        "genmove b\nundo\nundo\nlist_commands\n",
        "play b d3\r\nplay w c5 # a comment\r\n\tplay b pass\nplay x d4\nplay b i9\n"
        "boardsize 19\nknown_command play\n12\n",
    };
    for (std::size_t i = 0; i < texts.size(); ++i) write(folder / std::to_string(i), texts[i]);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_seeds <output folder>\n");
        return 2;
    }
    try {
        const fs::path out(argv[1]);
        fs::remove_all(out);
        fs::create_directories(out / "version_resource");
        fs::create_directories(out / "stored_integer");
        fs::create_directories(out / "transcript");
        fs::create_directories(out / "position_text");
        fs::create_directories(out / "gtp_session");
        versionResourceSeeds(out / "version_resource");
        storedIntegerSeeds(out / "stored_integer");
        transcriptSeeds(out / "transcript");
        positionTextSeeds(out / "position_text");
        gtpSessionSeeds(out / "gtp_session");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz_make_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
