// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the four sound effects' files, for the program that makes them and the program
// that plays them. Standard C++ only: the build tool that writes the files includes it.
#pragma once

#include <array>

namespace marvane {

// In the order of Sound: OKSound, FullSound, BadSound, WonSound. The program looks for them in
// any letter case.
inline constexpr std::array<const char*, 4> kSoundFileNames = {"Ok.wav", "Full.wav", "Bad.wav",
                                                               "Won.wav"};

// The folder beside the program that holds them.
inline constexpr const char* kSoundFolder = "system/";

}  // namespace marvane
