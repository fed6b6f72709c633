// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer's check of a help file, on any bytes: it takes only whole UTF-8 text (a
// leading byte-order mark aside) that ends in a closing html tag.
#include "platform/window/Help.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!platform::isWholeHelpPage(bytes))
        return 0;
    const QString text = QString::fromUtf8(bytes);
    const QByteArray bom = "\xef\xbb\xbf";
    const QByteArray withoutBom = bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes;
    if (text.toUtf8() != withoutBom || !text.trimmed().endsWith(QStringLiteral("</html>"), Qt::CaseInsensitive))
        std::abort();
    return 0;
}
