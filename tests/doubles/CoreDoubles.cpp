// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/CoreDoubles.h"

#include <stdexcept>

namespace doubles {

float ScriptedRandom::next()
{
    if (drawLimit >= 0 && draws >= drawLimit)
        throw std::runtime_error("more draws than the test allows");
    ++draws;
    if (!script_.empty()) {
        const float value = script_.front();
        script_.pop_front();
        return value;
    }
    return float(engine_() >> 8) / float(1 << 24);
}

}  // namespace doubles
