// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows sound module's entry: the engine that SoundPlayer drives (see waveoutengine.h).

#include <QtGlobal>

#include "window/sound/waveoutengine.h"

extern "C" Q_DECL_EXPORT marvane::SoundEngine* marvaneSoundEngine() {
    return &marvane::waveOutEngine();
}
