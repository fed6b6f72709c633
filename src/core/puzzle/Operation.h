// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace core {

// The operations that combine two numbers a and b. A player chooses one of the four that read
// "a op b" for the working row; the dealing and the solution search draw all six, the two
// reversed ones reading "b - a" and "b ÷ a". A draw of 1 to 6 names the operation of that
// value (a draw of 0 names none).
enum class Operation : std::uint8_t { Add = 1, Subtract, SubtractReversed, Multiply, Divide, DivideReversed };

inline bool isReversed(Operation operation)
{
    return operation == Operation::SubtractReversed || operation == Operation::DivideReversed;
}

// "+", "-", "×" or "÷", as the board and the finder write it.
inline QString operationSign(Operation operation)
{
    switch (operation) {
    case Operation::Add: return QStringLiteral("+");
    case Operation::Subtract:
    case Operation::SubtractReversed: return QStringLiteral("-");
    case Operation::Multiply: return QStringLiteral("×");
    case Operation::Divide:
    case Operation::DivideReversed: return QStringLiteral("÷");
    }
    return {};
}

}  // namespace core
