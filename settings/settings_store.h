// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/options.h"
#include "settings/registry_exception.h"

namespace marvane {

// The options of kOptionTable in the section "Corvath\Marvane" of the user's settings (see
// TRegIniFile for where that is), each under its key, kept from one load to the saves of the
// same run.
class OptionsStore {
public:
    // Resets `into` to the defaults, then reads every option on its own: a missing value or a
    // text that is not a number keeps its default; a Number outside its range is taken as the
    // nearer end; a Flag is on for every number but 0; colours are handed on as stored. A value
    // that is there but not text (or cannot be read) keeps its default, every other value still
    // loads, and then the first such error is thrown as ERegistryException. A store that is
    // missing gives the defaults silently; loading never creates anything.
    //
    // A settings file that is there but cannot be read (no permission, too large to be one, not
    // a regular file; a named pipe is never opened in a way that could wait) gives the defaults
    // and one error saying so, and that only the options the player changes are saved.
    void load(Options& into);

    // Nothing before load(). After a load that read the store, writes every option; after one
    // that could not, only the options that differ from what it gave (none: nothing is written),
    // so that values never read are never written over. Values are written as text, "1"/"0" for
    // the flags and signed decimal for the numbers, leaving every other value of the store as it
    // was; a save that changes nothing writes nothing. Throws ERegistryException when the write
    // fails, and then the file is as it was: "Failed to create key Corvath\Marvane" when the
    // config folder cannot be created (for instance below a regular file), "Failed to set data
    // for '<first key written>': <why>" when the settings file cannot be read or written, is
    // read-only or is not a regular file. A settings file too large to be one, or one that the
    // values would make too large, is moved aside to Marvane.conf.bad as the new file takes its
    // place.
    void save(const Options& from);

private:
    enum class Loaded { Not, Read, NotRead };
    Loaded loaded_ = Loaded::Not;
    Options given_;  // what load() gave
};

// One load, as OptionsStore::load.
void LoadSettings(Options& into);

// Writes every option, as OptionsStore::save after a load that read the store.
void SaveSettings(const Options& from);

}  // namespace marvane
