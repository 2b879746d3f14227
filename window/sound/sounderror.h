// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace marvane {

// A sound that cannot be opened. Carries a text for diagnostics.
class SoundError : public std::runtime_error {
public:
    explicit SoundError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// The file does not decode: missing, unreadable, damaged or not a sound at all.
class SoundFileError : public SoundError {
public:
    using SoundError::SoundError;
};

// There is no usable output: no device, no format it takes, an audio server that does not
// answer, or no sound module to drive one. The user only ever sees the fixed "sounds disabled"
// notice for it.
class SoundDeviceError : public SoundError {
public:
    using SoundError::SoundError;
};

}  // namespace marvane
