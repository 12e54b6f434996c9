#pragma once
// Test waves and the session's sound sink. A wave is 16-bit mono PCM noise from a fixed seed, so
// any stretch of a few dozen samples names its place in the file; the test session sends Wine's
// default ALSA device to the raw file $MOROVIN_TEST_HOME/sound.raw, so what was played can be
// found there byte for byte.
#include "support/Files.h"
#include "support/Paths.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

namespace wave {

// The sample bytes of a wave of `samples` samples.
inline std::string SampleBytes(int samples) {
    std::string data;
    data.reserve(static_cast<size_t>(samples) * 2);
    std::uint32_t seed = 0x2026105u;
    for (int i = 0; i < samples; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const auto sample = static_cast<std::uint16_t>(seed >> 16);
        data.push_back(static_cast<char>(sample & 0xFF));
        data.push_back(static_cast<char>(sample >> 8));
    }
    return data;
}

// A complete RIFF/WAVE file around SampleBytes(samples).
inline std::string FileBytes(int sampleRate, int samples) {
    const std::string data = SampleBytes(samples);
    std::string out;
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&](std::uint16_t v) {
        out.push_back(static_cast<char>(v & 0xFF));
        out.push_back(static_cast<char>(v >> 8));
    };
    out += "RIFF";
    u32(static_cast<std::uint32_t>(36 + data.size()));
    out += "WAVEfmt ";
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(static_cast<std::uint32_t>(sampleRate));
    u32(static_cast<std::uint32_t>(sampleRate * 2));
    u16(2);  // block align
    u16(16); // bits per sample
    out += "data";
    u32(static_cast<std::uint32_t>(data.size()));
    out += data;
    return out;
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    testsupport::PutFile(path, bytes);
}

// A file's bytes; empty when there is none.
inline std::string ReadBytes(const std::string& path) {
    return testsupport::FileBytes(path, "");
}

using testsupport::TempPath;

// $MOROVIN_TEST_HOME/sound.raw as a Windows path; empty outside the test session.
inline std::string SinkPath() {
    const char* home = std::getenv("MOROVIN_TEST_HOME");
    if (!home || !*home)
        return {};
    return testsupport::WindowsPathOf(std::string(home) + "/sound.raw");
}

// How often `needle` occurs in `hay`, without overlaps.
inline int Occurrences(const std::string& hay, const std::string& needle) {
    int count = 0;
    for (size_t at = hay.find(needle); at != std::string::npos; at = hay.find(needle, at + needle.size()))
        ++count;
    return count;
}

// The sound played since the mark was made (the test session appends every sound to the sink).
class SoundSink {
public:
    SoundSink() : path_(SinkPath()), start_(ReadBytes(path_).size()) {}
    bool Available() const { return !path_.empty(); }
    std::string Since() const {
        const std::string all = ReadBytes(path_);
        return all.size() > start_ ? all.substr(start_) : std::string();
    }
    // Polls every 20 ms, dispatching this thread's messages meanwhile (MCI's completion notices
    // among them), until `done` holds for the sound since the mark or `ms` pass.
    bool WaitFor(const std::function<bool(const std::string&)>& done, int ms) const {
        const ULONGLONG end = ::GetTickCount64() + static_cast<ULONGLONG>(ms);
        for (;;) {
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            if (done(Since()))
                return true;
            if (::GetTickCount64() >= end)
                return false;
            ::Sleep(20);
        }
    }

private:
    std::string path_;
    size_t start_;
};

} // namespace wave
