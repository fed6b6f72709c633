// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The small text and number routines every window shares.
namespace Program {

// The decimal text of Int(x), the largest whole number not above x, with no blank and no
// sign in front. Every number the game shows goes through it.
QString NumText(double x);

// True when every character is a digit or "-"; the empty text passes.
bool IsDigitText(const QString& s);

// Removes blanks (spaces only) from both ends of `s`.
void TrimSpaces(QString& s);

// The nearest whole number, an exact half going to the even neighbour.
double roundHalfEven(double x);

}  // namespace Program
