// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <array>

namespace marvane {

// The sizes the application icon is drawn at.
inline constexpr std::array<int, 8> kAppIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// The application icon, a board with counters on it, drawn for `size` x `size` pixels. Small
// sizes show fewer, larger squares so that the counters still read.
QImage appIconImage(int size);

// The icon with an image for every size in kAppIconSizes up to `largest`.
QIcon appIcon(int largest = 256);

}  // namespace marvane
