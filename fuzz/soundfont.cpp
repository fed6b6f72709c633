// SPDX-License-Identifier: GPL-3.0-or-later
// The soundfont cut, on any preset data: it reads nothing beyond the bytes, and what it makes
// is preset data it can read again, which a second cut to the same presets leaves as it is.
#include "platform/audio/CutSoundFont.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::set<platform::MidiInstrument> presets = {{0, 0}, {0, 1}, {128, 0}};
    const auto cut = platform::cutPresetData(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)), presets);
    if (cut && platform::cutPresetData(*cut, presets) != cut)
        std::abort();
    return 0;
}
