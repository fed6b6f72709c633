// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/Fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace look {

namespace {

struct BundledFont {
    FontRole role;
    const char* family;  // the family name the game asks Qt for, mapped to the bundled font
    const char* file;
    int stretch;     // per cent of the font's own width
    int lineHeight;  // the design's line, in thousandths of the pixel size; 0: the font's own
};

// The seven-segment digits are narrowed to the design's cells, one digit every 24 pixels.
// The condensed face has more room above its capitals than the board was designed for, a
// line 1.36 times its size where the design's is 1.22 times.
constexpr BundledFont bundledFonts[] = {
    {FontRole::Tiles, "Quorvix Tiles", "Lato-Black.ttf", 100, 0},
    {FontRole::Controls, "Quorvix Controls", "Lato-Regular.ttf", 100, 0},
    {FontRole::Signs, "Quorvix Signs", "OpenSans-CondBold.ttf", 100, 1220},
    {FontRole::Digits, "Quorvix Digits", "DSEG7Classic-Regular.ttf", 70, 0},
    {FontRole::Titles, "Quorvix Titles", "LeagueSpartan-Bold.otf", 100, 0},
};

const BundledFont& bundled(FontRole role)
{
    return *std::find_if(std::begin(bundledFonts), std::end(bundledFonts),
                         [role](const BundledFont& font) { return font.role == role; });
}

constexpr double pixelsPerPoint = 96.0 / 72.0;

// Whether every table a font file's directory lists lies whole inside the file. A file cut
// short can still pass for a font, its glyphs lost, and would leave the board's numbers blank;
// reading the directory finds it at once, where drawing glyphs to look took milliseconds.
bool tablesComplete(const QString& file)
{
    // Something else in a font's place (a FIFO would keep the reader waiting for ever) is none.
    if (!QFileInfo(file).isFile())
        return false;
    QFile font(file);
    if (!font.open(QIODevice::ReadOnly))
        return false;
    const auto size = std::uint64_t(font.size());
    constexpr int directory = 12, record = 16;
    const QByteArray header = font.read(directory);
    if (header.size() < directory)
        return false;
    const int tables = qFromBigEndian<quint16>(header.constData() + 4);
    const QByteArray records = font.read(qint64(tables) * record);
    if (tables == 0 || records.size() < tables * record)
        return false;
    // Each record: tag, checksum, then the table's offset and length.
    for (int i = 0; i < tables; ++i) {
        const char* at = records.constData() + i * record;
        if (std::uint64_t(qFromBigEndian<quint32>(at + 8)) + qFromBigEndian<quint32>(at + 12) > size)
            return false;
    }
    return true;
}

}  // namespace

QStringList registerFonts(const QString& dataFolder)
{
    const QDir fonts(dataFolder + QStringLiteral("/fonts"));
    QStringList unusable;
    for (const BundledFont& font : bundledFonts) {
        const QString file = fonts.filePath(QString::fromLatin1(font.file));
        if (!tablesComplete(file)) {
            unusable << file;
            continue;
        }
        // Registered by its path, the file is mapped and only the glyphs drawn are read, where
        // a copy in memory would hold every face whole. A face of a larger family is listed
        // under the family's name first and under a name of its own ("Lato Black") last; the
        // face's own name picks it alone.
        const int id = QFontDatabase::addApplicationFont(file);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            unusable << file;
        else
            QFont::insertSubstitution(QString::fromLatin1(font.family), families.last());
    }
    return unusable;
}

QFont gameFont(FontRole role, double points, bool bold)
{
    const BundledFont& face = bundled(role);
    QFont font(QString::fromLatin1(face.family));
    font.setPixelSize(int(std::lround(points * pixelsPerPoint)));
    font.setBold(bold);
    font.setStretch(face.stretch);
    return font;
}

bool fitsWrapped(const QFont& font, QSize room, const QString& text)
{
    const QRect needed =
        QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), room), Qt::AlignCenter | Qt::TextWordWrap, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

int lineHeight(const QFont& font)
{
    const int own = QFontMetrics(font).height();
    for (const BundledFont& bundled : bundledFonts) {
        if (font.family() == QLatin1String(bundled.family) && bundled.lineHeight > 0)
            return std::min(own, int(std::lround(font.pixelSize() * bundled.lineHeight / 1000.0)));
    }
    return own;
}

}  // namespace look
