// SPDX-FileCopyrightText: 2026 Torvane FAC developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes horn.wav: the goal horn, a 1.5 s buzzy low chord followed by 0.25 s of digital silence,
// mono 16-bit PCM at 44100 Hz.
//
// The synthesis runs entirely in integer arithmetic (fixed-point sine, phase accumulators, integer
// envelopes and clipping), so the file is byte-identical on every compiler and CPU; floating point would
// differ with libm versions and fused multiply-add.
//
// Usage: make_horn <output path>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kSampleRate = 44100;
constexpr std::int64_t kToneSamples = kSampleRate * 3 / 2;
constexpr std::int64_t kSilenceSamples = kSampleRate / 4;

constexpr std::int64_t kAttackSamples = kSampleRate * 60 / 1000;
constexpr std::int64_t kReleaseSamples = kSampleRate * 200 / 1000;
// An air horn starts flat and rises to pitch as the pressure builds.
constexpr std::int64_t kPitchScoopSamples = kSampleRate * 120 / 1000;
constexpr std::int64_t kPitchScoopPpm = -30000;
constexpr std::int64_t kVibratoCentiHz = 550;
constexpr std::int64_t kVibratoDepthPpm = 3500;

constexpr std::int64_t kOne = 32768;        // 1.0 in the Q15 format used for samples and gains
constexpr std::int64_t kPeakLevel = 29205;  // -1 dBFS

constexpr int kTableBits = 12;
constexpr std::size_t kTableSize = std::size_t{1} << kTableBits;
constexpr int kFractionBits = 32 - kTableBits;

using Table = std::array<std::int32_t, kTableSize>;

// sin(2*pi*index/kTableSize) in Q30 for a quarter wave, by a Taylor series evaluated in fixed point.
std::int64_t quarterSineQ30(std::int64_t index) {
    constexpr std::int64_t kHalfPiQ30 = 1686629713;
    const std::int64_t x = kHalfPiQ30 * index / static_cast<std::int64_t>(kTableSize / 4);
    const std::int64_t xSquared = (x * x) >> 30;
    std::int64_t term = x;
    std::int64_t sum = x;
    for (std::int64_t n = 1; n <= 6; ++n) {
        term = -((term * xSquared) >> 30) / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

Table makeSineTableQ15() {
    Table table{};
    const std::size_t quarter = kTableSize / 4;
    for (std::size_t i = 0; i <= quarter; ++i) {
        const auto value =
            static_cast<std::int32_t>((quarterSineQ30(static_cast<std::int64_t>(i)) + 16384) >> 15);
        table[i] = value;
        table[2 * quarter - i] = value;
        if (i > 0) {
            table[2 * quarter + i] = -value;
            table[(4 * quarter - i) % kTableSize] = -value;
        }
    }
    return table;
}

// One cycle of a reed-horn tone: a sawtooth-like series of 24 harmonics with the odd ones stronger,
// which gives the nasal buzz; scaled to a peak of 1.0 in Q15.
Table makeHornWaveQ15(const Table& sine) {
    std::array<std::int64_t, kTableSize> sum{};
    for (std::int64_t harmonic = 1; harmonic <= 24; ++harmonic) {
        const std::int64_t weight = (harmonic % 2 == 1 ? 1000 : 650) * 1000 / harmonic;
        for (std::size_t i = 0; i < kTableSize; ++i) {
            sum[i] += weight * sine[(static_cast<std::size_t>(harmonic) * i) % kTableSize];
        }
    }
    std::int64_t peak = 1;
    for (const std::int64_t value : sum) {
        peak = std::max(peak, value < 0 ? -value : value);
    }
    Table wave{};
    for (std::size_t i = 0; i < kTableSize; ++i) {
        wave[i] = static_cast<std::int32_t>(sum[i] * (kOne - 1) / peak);
    }
    return wave;
}

std::int64_t lookup(const Table& table, std::uint32_t phase) {
    const std::size_t index = phase >> kFractionBits;
    const std::int64_t fraction = (phase >> (kFractionBits - 15)) & (kOne - 1);
    const std::int64_t here = table[index];
    const std::int64_t next = table[(index + 1) % kTableSize];
    return here + (((next - here) * fraction) >> 15);
}

std::uint32_t phaseIncrement(std::int64_t centiHz) {
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(centiHz) << 32) /
                                      static_cast<std::uint64_t>(100 * kSampleRate));
}

struct Voice {
    std::int64_t centiHz;
    std::int64_t gainQ15;
    std::uint32_t vibratoPhase;
};

// An F#6 chord (F#3 A#3 C#4 D#4) like a train horn; every note sounds twice, about 5 cents apart, for the
// slow beating of a horn with several trumpets.
std::vector<Voice> hornVoices() {
    constexpr std::array<std::int64_t, 4> kNotesCentiHz = {18500, 23308, 27718, 31113};
    constexpr std::array<std::int64_t, 4> kNoteGainsQ15 = {9000, 7000, 6500, 5500};
    std::vector<Voice> voices;
    for (std::size_t note = 0; note < kNotesCentiHz.size(); ++note) {
        const std::int64_t detune = kNotesCentiHz[note] * 3 / 1000;
        const auto vibratoPhase = static_cast<std::uint32_t>(note * 0x33333333u);
        voices.push_back({kNotesCentiHz[note] - detune, kNoteGainsQ15[note], vibratoPhase});
        voices.push_back({kNotesCentiHz[note] + detune, kNoteGainsQ15[note], vibratoPhase + 0x40000000u});
    }
    return voices;
}

std::int64_t envelopeQ15(std::int64_t sample) {
    if (sample < kAttackSamples) {
        return kOne * sample / kAttackSamples;
    }
    const std::int64_t remaining = kToneSamples - sample;
    if (remaining < kReleaseSamples) {
        return kOne * remaining / kReleaseSamples;
    }
    return kOne;
}

std::int64_t pitchScoopPpm(std::int64_t sample) {
    if (sample >= kPitchScoopSamples) {
        return 0;
    }
    return kPitchScoopPpm * (kPitchScoopSamples - sample) / kPitchScoopSamples;
}

// Cubic soft clip in Q15: 1.5x - 0.5x^3, flat at +-1 beyond. Driving the chord into it makes the horn
// loud and harsh rather than a clean organ chord.
std::int64_t softClip(std::int64_t x) {
    if (x >= kOne) {
        return kOne;
    }
    if (x <= -kOne) {
        return -kOne;
    }
    return (3 * x) / 2 - (x * x * x) / (2 * kOne * kOne);
}

std::vector<std::int16_t> synthesizeHorn() {
    const Table sine = makeSineTableQ15();
    const Table wave = makeHornWaveQ15(sine);
    std::vector<Voice> voices = hornVoices();
    std::vector<std::uint32_t> phases(voices.size(), 0);
    const std::uint32_t vibratoStep = phaseIncrement(kVibratoCentiHz);

    std::vector<std::int64_t> mix(static_cast<std::size_t>(kToneSamples));
    for (std::int64_t n = 0; n < kToneSamples; ++n) {
        std::int64_t sum = 0;
        for (std::size_t v = 0; v < voices.size(); ++v) {
            Voice& voice = voices[v];
            const std::int64_t vibratoPpm = kVibratoDepthPpm * lookup(sine, voice.vibratoPhase) / kOne;
            const std::int64_t baseStep = phaseIncrement(voice.centiHz);
            const std::int64_t step = baseStep + baseStep * (vibratoPpm + pitchScoopPpm(n)) / 1000000;
            voice.vibratoPhase += vibratoStep;
            sum += lookup(wave, phases[v]) * voice.gainQ15 / kOne;
            phases[v] += static_cast<std::uint32_t>(step);
        }
        mix[static_cast<std::size_t>(n)] = sum * envelopeQ15(n) / kOne;
    }

    std::int64_t mixPeak = 1;
    for (const std::int64_t value : mix) {
        mixPeak = std::max(mixPeak, value < 0 ? -value : value);
    }
    // The loudest moment of the chord reaches 1.4 before clipping; a one-pole low-pass near 5 kHz then
    // takes the fizz off the clipped edges, as a horn heard through the arena speakers.
    constexpr std::int64_t kDriveQ15 = kOne * 14 / 10;
    constexpr std::int64_t kLowPassQ16 = 33370;
    std::vector<std::int64_t> shaped(mix.size());
    std::int64_t lowPass = 0;
    std::int64_t shapedPeak = 1;
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const std::int64_t clipped = softClip(mix[i] * kDriveQ15 / mixPeak);
        lowPass += ((clipped - lowPass) * kLowPassQ16) >> 16;
        shaped[i] = lowPass;
        shapedPeak = std::max(shapedPeak, lowPass < 0 ? -lowPass : lowPass);
    }

    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(kToneSamples + kSilenceSamples));
    for (const std::int64_t value : shaped) {
        samples.push_back(static_cast<std::int16_t>(value * kPeakLevel / shapedPeak));
    }
    samples.insert(samples.end(), static_cast<std::size_t>(kSilenceSamples), 0);
    return samples;
}

void putLittleEndian(std::string& bytes, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::string waveFile(const std::vector<std::int16_t>& samples) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::string bytes = "RIFF";
    putLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    putLittleEndian(bytes, 16, 4);  // size of the PCM format chunk
    putLittleEndian(bytes, 1, 2);   // integer PCM
    putLittleEndian(bytes, kChannels, 2);
    putLittleEndian(bytes, static_cast<std::uint32_t>(kSampleRate), 4);
    putLittleEndian(bytes, static_cast<std::uint32_t>(kSampleRate) * kChannels * kBytesPerSample, 4);
    putLittleEndian(bytes, kChannels * kBytesPerSample, 2);
    putLittleEndian(bytes, 8 * kBytesPerSample, 2);
    bytes += "data";
    putLittleEndian(bytes, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        putLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_horn <output horn.wav>\n";
        return 2;
    }
    const std::string bytes = waveFile(synthesizeHorn());
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
