// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace core;

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour)
{
    const struct {
        double value;
        double rounded;
    } cases[] = {
        {2.5, 2}, {3.5, 4}, {0.5, 0}, {1.5, 2}, {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {2.5001, 3}, {6.993, 7}, {7, 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
}

TEST(LeadingNumber, ReadsTheNumberATextStartsWith)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"999", 999}, {" 12 ", 12}, {"1 2", 12}, {"\t3\n", 3}, {"2.5", 2.5}, {"-5", -5}, {"+7", 7},
        {"", 0}, {"abc", 0}, {"12abc", 12}, {"1.2.3", 1.2}, {".5", 0.5}, {"5.", 5}, {"-", 0}, {".", 0},
        {"9e9", 9e9}, {"1e3", 1000}, {"2e", 2}, {"2e+", 2}, {"1E-1", 0.1}, {"&H10", 16}, {"&h1f", 31},
        {"&O17", 15}, {"&17", 15}, {"&H", 0}, {"&", 0}, {"&Hz", 0}, {"1,5", 1}, {"0000000005", 5},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromLatin1(c.text)), c.value) << '"' << c.text << '"';
    EXPECT_EQ(leadingNumber("1e999"), HUGE_VAL);
    EXPECT_EQ(leadingNumber(QString::fromUtf8("7€")), 7);
}
