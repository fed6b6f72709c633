// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The small text and number routines every window shares.
namespace core {

// The decimal text of Int(x), the largest whole number not above x, with no blank and no
// sign in front. Every number the game shows goes through it.
QString numberText(double x);

// True when every character is a digit or "-"; the empty text passes.
bool isDigitText(const QString& s);

// Removes blanks (spaces only) from both ends of `s`.
void trimSpaces(QString& s);

// The nearest whole number, an exact half going to the even neighbour. Inline: it runs for
// every random draw of the target choice and the solution search.
inline double roundHalfEven(double x)
{
    // Adding and taking away 2^52 leaves no bits for a fraction, so the sum is rounded in the
    // default rounding mode (which the game never changes): to nearest, halves to even.
    constexpr double noFraction = 4503599627370496.0;  // 2^52
    if (!(x < noFraction && x > -noFraction))
        return x;  // already whole, or not a number
    const double shift = x < 0 ? -noFraction : noFraction;
    return (x + shift) - shift;
}

// The number a player's text starts with, as every box that takes a number reads it:
// blanks, tabs and line feeds anywhere are skipped; then an optional sign, digits, a
// fraction and an exponent are taken up to the first character that cannot go on with the
// number ("&H1F" and "&O17" or "&17" are read as hexadecimal and octal). No number gives 0.
double leadingNumber(const QString& text);

}  // namespace core
