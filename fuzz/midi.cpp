// SPDX-License-Identifier: GPL-3.0-or-later
// The music device's MIDI reader, on any bytes: it reads nothing beyond them and any length
// it gives is a real one.
#include "platform/MidiFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto length = platform::readMidiLength(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (length && (length->ticks < 0 || !std::isfinite(length->seconds) || length->seconds < 0))
        std::abort();
    return 0;
}
