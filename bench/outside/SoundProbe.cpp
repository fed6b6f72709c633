// SPDX-License-Identifier: GPL-3.0-or-later
// Listens to the game from outside, as a player would: scripts/measure's ears. Reads raw mono
// 16-bit audio from standard input as a recorder delivers it, and prints, for every sound that
// begins after at least 50 ms of quiet, the moment (CLOCK_MONOTONIC, in milliseconds) at which
// the audio holding its first loud sample arrived.
//   soundprobe RATE
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundprobe RATE < raw-s16le-mono\n");
        return 2;
    }
    const long quietNeeded = std::atol(argv[1]) / 20;
    constexpr int loud = 1000;
    long quiet = quietNeeded;
    std::int16_t samples[128];
    for (;;) {
        const ssize_t got = read(0, samples, sizeof samples);
        if (got <= 0)
            return 0;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        for (ssize_t i = 0; i < got / 2; ++i) {
            if (std::abs(samples[i]) < loud) {
                ++quiet;
                continue;
            }
            if (quiet >= quietNeeded) {
                std::printf("%.2f\n", double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6);
                std::fflush(stdout);
            }
            quiet = 0;
        }
    }
}
