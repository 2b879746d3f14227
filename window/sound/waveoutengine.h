// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/sound/soundengine.h"

namespace marvane {

// The sound engine of Windows: WAV files read by the program itself (window/sound/wavfile.h) and
// played through the waveOut functions of the Windows multimedia library, so the Windows build
// needs neither Qt Multimedia nor a decoding library.
//
// Every waveOut call runs on one thread of the engine's own, so a driver that stalls holds up
// that thread and never the window. A sound opens its output when it is played and closes it
// once it has played out, so nothing is streamed, and the thread sleeps, while all is quiet.
// The engine and its thread live until the process ends.
SoundEngine& waveOutEngine();

}  // namespace marvane
