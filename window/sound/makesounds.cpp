// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the game's four sound effects (window/common/soundfiles.h names them) into the folder
// named on the command line: 16-bit mono PCM at 44.1 kHz, each ending in 200 ms of silence so
// that no player cuts off the end of the audible part.
//
//   Ok    a soft click: a quickly fading high ping
//   Full  a dull knock: a low thump whose pitch drops, like knuckles on wood
//   Bad   a low buzz: a band-limited sawtooth with a slight flutter
//   Won   a short fanfare: a rising G-C-E-G arpeggio in a brassy tone

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "window/common/soundfiles.h"

namespace marvane {
namespace {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kTrailingSilence = 0.2;

using Samples = std::vector<double>;

int framesFor(double seconds) { return static_cast<int>(std::lround(seconds * kRate)); }

// Reproducible noise, so every build writes the same files.
class Noise {
public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    std::uint64_t state_ = 0x4d595df4d0f33173ULL;
};

// Scales to `peak`, with a short fade at both ends against clicks, and appends the silence.
Samples finish(Samples sound, double peak) {
    double loudest = 0;
    for (double s : sound) loudest = std::max(loudest, std::abs(s));
    const int fade = std::min<int>(framesFor(0.002), static_cast<int>(sound.size()) / 2);
    for (std::size_t i = 0; i < sound.size(); ++i) {
        double gain = loudest > 0 ? peak / loudest : 0;
        const auto fromEnd = static_cast<int>(sound.size() - 1 - i);
        if (static_cast<int>(i) < fade) gain *= double(i) / fade;
        if (fromEnd < fade) gain *= double(fromEnd) / fade;
        sound[i] *= gain;
    }
    sound.resize(sound.size() + framesFor(kTrailingSilence), 0.0);
    return sound;
}

Samples click() {
    Samples out(framesFor(0.05));
    Noise noise;
    double smoothed = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        smoothed += 0.3 * (noise.next() - smoothed);
        out[i] = std::exp(-t / 0.006) * std::sin(kTwoPi * 1900 * t) +
                 0.35 * std::exp(-t / 0.0015) * smoothed;
    }
    return finish(out, 0.45);
}

Samples knock() {
    Samples out(framesFor(0.18));
    Noise noise;
    double phase = 0;
    double smoothed = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double frequency = 95 + 70 * std::exp(-t / 0.03);
        phase += kTwoPi * frequency / kRate;
        smoothed += 0.08 * (noise.next() - smoothed);
        out[i] = std::exp(-t / 0.045) * std::sin(phase) +
                 0.3 * std::exp(-t / 0.012) * std::sin(2.76 * phase) +
                 1.5 * std::exp(-t / 0.006) * smoothed;
    }
    return finish(out, 0.6);
}

Samples buzz() {
    const double length = 0.32;
    Samples out(framesFor(length));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        double saw = 0;
        for (int k = 1; k <= 12; ++k) saw += std::sin(kTwoPi * 98 * k * t) / k;
        const double flutter = 1 + 0.15 * std::sin(kTwoPi * 18 * t);
        const double envelope = std::min({1.0, t / 0.015, (length - t) / 0.06});
        out[i] = saw * flutter * envelope;
    }
    return finish(out, 0.4);
}

Samples fanfare() {
    struct Note {
        double frequency;
        double length;
    };
    const Note notes[] = {{392.00, 0.11}, {523.25, 0.11}, {659.25, 0.11}, {783.99, 0.42}};
    const double harmonics[] = {1.0, 0.5, 0.35, 0.2, 0.12, 0.07};
    Samples out;
    for (const Note& note : notes) {
        const bool last = &note == &notes[std::size(notes) - 1];
        const int frames = framesFor(note.length);
        for (int i = 0; i < frames; ++i) {
            const double t = double(i) / kRate;
            const double vibrato =
                last ? 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.15) : 0;
            const double base = kTwoPi * note.frequency * (t + vibrato / (kTwoPi * 5.5));
            double tone = 0;
            for (std::size_t k = 0; k < std::size(harmonics); ++k) {
                tone += harmonics[k] * std::sin(base * double(k + 1));
            }
            const double attack = std::min(1.0, t / 0.008);
            const double sustain = last ? std::exp(-t / 0.25) : 0.7 + 0.3 * std::exp(-t / 0.03);
            const double release = std::min(1.0, (note.length - t) / (last ? 0.08 : 0.015));
            out.push_back(tone * attack * sustain * release);
        }
        if (!last) out.resize(out.size() + framesFor(0.012), 0.0);
    }
    return finish(out, 0.5);
}

bool write(const std::filesystem::path& file, const Samples& sound) {
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* out = sf_open(file.string().c_str(), SFM_WRITE, &info);
    if (!out) {
        std::fprintf(stderr, "%s: %s\n", file.string().c_str(), sf_strerror(nullptr));
        return false;
    }
    const auto frames = static_cast<sf_count_t>(sound.size());
    const bool ok = sf_writef_double(out, sound.data(), frames) == frames;
    sf_close(out);
    if (!ok) std::fprintf(stderr, "%s: write failed\n", file.string().c_str());
    return ok;
}

}  // namespace
}  // namespace marvane

int main(int argc, char** argv) {
    using namespace marvane;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "%s: %s\n", folder.string().c_str(), error.message().c_str());
        return 1;
    }
    // In the order of the names: the accepted move, the occupied square, the refused move, the
    // end of the game.
    const bool ok = write(folder / kSoundFileNames[0], click()) &&
                    write(folder / kSoundFileNames[1], knock()) &&
                    write(folder / kSoundFileNames[2], buzz()) &&
                    write(folder / kSoundFileNames[3], fanfare());
    return ok ? 0 : 1;
}
