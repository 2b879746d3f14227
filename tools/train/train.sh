#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the learned evaluation's weights from self-play, the same file for the same arguments:
#   tools/train/train.sh SEED [GAMES [THREADS]]
# GAMES defaults to 16000 (the committed file), THREADS to the number of processors. The result
# goes to build-train/evaluation.bin; copy it to analysis/weights/evaluation.bin to use it.
# A reduced run for a check: tools/train/train.sh 1 600 (a few minutes on two cores).
set -euo pipefail
cd "$(dirname "$0")/../.."
SEED=${1:?usage: tools/train/train.sh SEED [GAMES [THREADS]]}
GAMES=${2:-16000}
THREADS=${3:-$(nproc)}
BUILD=${MARVANE_TRAIN_DIR:-build-train}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DMARVANE_TRAIN=ON >/dev/null
cmake --build "$BUILD" --target marvane_train -j"$(nproc)" >/dev/null
time "$BUILD/bin/marvane_train" weights "$SEED" "$GAMES" "$THREADS" "$BUILD/evaluation.bin"
sha256sum "$BUILD/evaluation.bin"
