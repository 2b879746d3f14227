#pragma once

#include "settings/options.h"
#include "settings/registry_exception.h"

namespace marvane {

// Reads "Sound", "Menu", "Status", "Response", "C1", "C2", "LastMove" and "LegalMoves" from the
// section "Corvath\Marvane" of the user's settings (see TRegIniFile for where that is). `into` is
// first reset to the defaults; a missing value or a text that is not a number keeps its default.
// "Response" is clamped into the signed 16-bit range of the control's position (70000 gives
// 32767, -70000 gives -32768), which the control then clamps into its own. "Coordinates" (Game
// ▸ Show Coordinates) is read and written like the two marks.
//
// A stored colour pair the board cannot paint (either colour outside 1..6, or both the same)
// becomes the default pair 1, 2.
//
// Every value is read on its own: a value that is present but not text (or cannot be read)
// keeps its default, every other value still loads, and then the first such error is thrown as
// ERegistryException. A settings file too large to be one gives the defaults and one error
// saying so; so does a settings file that is not a regular file (a folder, a named pipe, a
// device), which is never opened in a way that could wait. A store that is missing or unreadable
// gives the defaults silently; loading never creates anything.
void LoadSettings(Options& into);

// Writes all eight values as text, "1"/"0" for the flags and signed decimal for the numbers, in
// that order, in one atomic write that leaves every other value of the store as it was. Throws
// ERegistryException when that write fails, and then the file is as it was: "Failed to create key
// Corvath\Marvane" when the config folder cannot be created (for instance below a regular file),
// "Failed to set data for 'Sound': <why>" when the settings file cannot be read or written or is
// not a regular file. A settings file too large to be one, or one that the eight values would
// make too large, is moved aside to Marvane.conf.bad as the new file takes its place.
void SaveSettings(const Options& from);

}  // namespace marvane
