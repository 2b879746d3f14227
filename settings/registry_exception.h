// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace marvane {

// Raised by the settings store when a value cannot be read or written. what() is the text shown
// to the user ("Invalid data type for 'Sound'", "Failed to create key Corvath\Marvane", ...).
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace marvane
