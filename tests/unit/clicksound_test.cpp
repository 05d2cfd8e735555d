// The click among the program's resources: where PlaySound looks for it, a short and quiet 16-bit sound.
#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "resources/resource.h"

TEST(ClickSound, IsAShortQuietWaveResource)
{
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(IDW_CLICK), "WAVE");
    ASSERT_NE(found, nullptr) << "PlaySound with SND_RESOURCE looks for the type WAVE";
    const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(program, found)));
    const DWORD size = SizeofResource(program, found);
    ASSERT_GE(size, 44u);
    EXPECT_EQ(std::memcmp(bytes, "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(bytes + 8, "WAVEfmt ", 8), 0);
    WAVEFORMATEX format{};
    std::memcpy(&format, bytes + 20, 16);
    EXPECT_EQ(format.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(format.nChannels, 1);
    EXPECT_EQ(format.wBitsPerSample, 16);
    ASSERT_EQ(std::memcmp(bytes + 36, "data", 4), 0);
    DWORD dataSize = 0;
    std::memcpy(&dataSize, bytes + 40, 4);
    ASSERT_LE(44 + dataSize, size);
    const DWORD milliseconds = dataSize / format.nBlockAlign * 1000 / format.nSamplesPerSec;
    EXPECT_GE(milliseconds, 10u);
    EXPECT_LE(milliseconds, 50u) << "a click, not a tone";
    int peak = 0;
    for (DWORD i = 0; i + 1 < dataSize; i += 2) {
        short sample = 0;
        std::memcpy(&sample, bytes + 44 + i, 2);
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    EXPECT_GT(peak, 1000) << "audible";
    EXPECT_LE(peak, 32767 / 3) << "quiet beside the system's own sounds";
}
