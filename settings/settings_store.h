#pragma once

#include "settings/options.h"
#include "settings/registry_exception.h"

// The options that survive between runs, separately for each user. Default-constructed, it holds
// the values used when nothing has been stored yet. "Response" is always in the signed 16-bit
// range.
using StoredOptions = marvane::Options;

// Reads "Sound", "Menu", "Status", "Response", "C1" and "C2", in that order, from the section
// "Corvath\Marvane" of the user's settings (see TRegIniFile for where that is). `into` is first
// reset to the defaults; a missing value or a text that is not a number keeps its default.
// "Response" delivers the low 16 bits of the stored integer taken as signed (70000 gives 4464).
//
// A stored colour pair the board cannot paint (either colour outside 1..6, or both the same)
// becomes the default pair 1, 2.
//
// Throws ERegistryException at the first value that is present but not text, leaving the values
// read before it in `into` and the later ones at their defaults (the colour pair repaired as
// above). A store that is missing or unreadable gives the defaults, and so does every value that
// a corrupt file no longer holds as a readable text; loading never creates anything.
void LoadSettings(StoredOptions& into);

// Writes all six values, in the order above, as text: "1"/"0" for the flags, signed decimal for
// the numbers. Each value is on disk when it has been written. Throws ERegistryException at the
// first value that cannot be written, leaving the later ones unwritten: "Failed to create key
// Corvath\Marvane" when the config folder cannot be created (for instance below a regular file),
// "Failed to set data for '<name>'" when the settings file itself cannot be written.
void SaveSettings(const StoredOptions& from);
