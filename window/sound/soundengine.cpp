// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sound/soundengine.h"

#include <QLibrary>

#include "window/common/programfiles.h"
#include "window/sound/sounderror.h"

namespace marvane {

namespace {

SoundEngine* loaded = nullptr;

}  // namespace

SoundEngine& soundEngine() {
    if (loaded) return *loaded;
    QLibrary module(programFolder() + QLatin1String(kSoundModuleName));
    // Its audio thread and the audio libraries' own threads live until the process ends.
    module.setLoadHints(QLibrary::PreventUnloadHint);
    const auto entry = reinterpret_cast<SoundEngineEntry>(module.resolve(kSoundEngineEntry));
    if (!entry) throw SoundDeviceError(module.errorString());
    loaded = entry();
    return *loaded;
}

SoundEngine* loadedSoundEngine() { return loaded; }

}  // namespace marvane
