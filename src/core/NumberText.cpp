// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace core {

QString numberText(double x)
{
    if (!std::isfinite(x))
        return QStringLiteral("0");
    // The text is made with a sign character in front, a blank or "-", which is cut off.
    return QString::number(std::fabs(std::floor(x)), 'f', 0);
}

bool isDigitText(const QString& s)
{
    for (const QChar c : s) {
        if (c != u'-' && (c < u'0' || c > u'9'))
            return false;
    }
    return true;
}

void trimSpaces(QString& s)
{
    qsizetype first = 0;
    while (first < s.size() && s[first] == u' ')
        ++first;
    qsizetype last = s.size();
    while (last > first && s[last - 1] == u' ')
        --last;
    s = s.mid(first, last - first);
}

namespace {

// The digits of `text` from `at` on, in base `radix`, up to the first that is not one.
double readDigits(const std::string& text, std::size_t at, int radix)
{
    double value = 0;
    for (; at < text.size(); ++at) {
        const char c = char(std::tolower(static_cast<unsigned char>(text[at])));
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : (c >= 'a' && c <= 'f' ? c - 'a' + 10 : radix);
        if (digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

}  // namespace

double leadingNumber(const QString& text)
{
    std::string plain;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        // Anything beyond ASCII ends the number as any other stray character does.
        plain += c.unicode() < 128 ? char(c.unicode()) : '?';
    }
    if (plain.size() >= 2 && plain[0] == '&') {
        const char form = char(std::toupper(static_cast<unsigned char>(plain[1])));
        if (form == 'H')
            return readDigits(plain, 2, 16);
        if (form == 'O')
            return readDigits(plain, 2, 8);
        return readDigits(plain, 1, 8);
    }
    // The longest start of the text that reads as a decimal number.
    std::size_t end = 0;
    if (end < plain.size() && (plain[end] == '+' || plain[end] == '-'))
        ++end;
    const auto digitsFrom = [&](std::size_t at) {
        while (at < plain.size() && std::isdigit(static_cast<unsigned char>(plain[at])))
            ++at;
        return at;
    };
    const std::size_t wholeStart = end;
    end = digitsFrom(end);
    bool anyDigit = end > wholeStart;
    if (end < plain.size() && plain[end] == '.') {
        const std::size_t fractionEnd = digitsFrom(end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit)
        return 0;
    if (end < plain.size() && (plain[end] == 'e' || plain[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < plain.size() && (plain[exponent] == '+' || plain[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = digitsFrom(exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    // from_chars reads the same whatever the user's locale, but takes no "+".
    const std::size_t start = plain[0] == '+' ? 1 : 0;
    double value = 0;
    const auto [last, error] = std::from_chars(plain.data() + start, plain.data() + end, value);
    if (error == std::errc::result_out_of_range)
        return plain[start] == '-' ? -HUGE_VAL : HUGE_VAL;
    return value;
}

}  // namespace core
