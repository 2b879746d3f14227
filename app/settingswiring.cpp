#include "settingswiring.h"

#include "settings_store.h"

namespace marvane {

namespace {

WindowOptions toWindow(const StoredOptions& stored) {
    return {stored.sound, stored.menu, stored.status, stored.response, stored.c1, stored.c2};
}

StoredOptions toStored(const WindowOptions& options) {
    StoredOptions stored;
    stored.sound = options.sound;
    stored.menu = options.menu;
    stored.status = options.status;
    stored.response = options.response;
    stored.c1 = options.c1;
    stored.c2 = options.c2;
    return stored;
}

}  // namespace

SettingsStore userSettingsStore() {
    SettingsStore store;
    store.load = [](WindowOptions& into) {
        StoredOptions stored;
        // What was read before an error still counts; the rest keeps its defaults.
        struct Hand {
            StoredOptions& from;
            WindowOptions& to;
            ~Hand() { to = toWindow(from); }
        } hand{stored, into};
        LoadSettings(stored);
    };
    store.save = [](const WindowOptions& options) { SaveSettings(toStored(options)); };
    return store;
}

}  // namespace marvane
