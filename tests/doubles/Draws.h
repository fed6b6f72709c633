// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random values that make the game draw what a test wants.

#include <vector>

namespace draws {

// The draws that deal `numbers`, one per position, small, middle and large as dealt.
inline std::vector<float> deal(const std::vector<int>& numbers)
{
    std::vector<float> values;
    const int middle[] = {10, 20, 30, 40, 50, 15, 25};
    for (int k = 0; k < int(numbers.size()); ++k) {
        const int n = numbers[k];
        if (k < 3) {
            values.push_back(float(n - 2 + 0.5) / 14.0f);
        } else if (k < 5) {
            int index = 0;
            while (middle[index] != n)
                ++index;
            values.push_back(float(index + 0.5) / 7.0f);
        } else if (n == 150) {
            values.push_back(0.1f);
        } else {
            values.push_back(0.5f);
            values.push_back(float(n / 100 - 1 + 0.5) / 5.0f);
        }
    }
    return values;
}

}  // namespace draws
