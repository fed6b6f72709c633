// SPDX-License-Identifier: GPL-3.0-or-later
// The music device's MIDI reader, on any bytes: it reads nothing beyond them, any length it
// gives is a real one, and every instrument it finds is a General MIDI one.
#include "platform/audio/MidiFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto piece = platform::readMidiPiece(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (piece && (piece->ticks < 0 || !std::isfinite(piece->seconds) || piece->seconds < 0))
        std::abort();
    for (const auto& instrument : piece ? piece->instruments : std::set<platform::MidiInstrument>()) {
        if ((instrument.bank != 0 && instrument.bank != 128) || instrument.program < 0 || instrument.program > 127)
            std::abort();
    }
    return 0;
}
