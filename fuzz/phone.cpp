// SPDX-License-Identifier: GPL-3.0-or-later
// The phones' message reader, on any bytes: it never fails but with a reason, and a message it
// reads holds only what the game can use.
#include "platform/network/PhoneMessage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const platform::PhoneMessageReading read = platform::readPhoneMessage(text);
    if (read.message.has_value() == !read.refusal.isEmpty() || (read.message && size > 1024))
        std::abort();
    if (read.message) {
        const platform::PhoneMessage& m = *read.message;
        if (m.place < 0 || m.place > platform::PhonePlaces || m.name.size() > 1000 ||
            (m.kind == platform::PhoneMessage::Kind::Join && m.room.size() != 4) ||
            (m.kind == platform::PhoneMessage::Kind::Resume && m.token.size() != 32))
            std::abort();
    }
    return 0;
}
