// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Fonts.h"

#include "platform/AppDir.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainterPath>
#include <QRawFont>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

struct BundledFont {
    const char* designName;
    const char* file;
    int stretch;     // per cent of the font's own width
    int lineHeight;  // the design face's line, in thousandths of the pixel size; 0: the font's own
};

// The seven-segment digits are narrowed to the design's cells, one digit every 24 pixels.
// The condensed face in place of the design's condensed heading face has more room above
// its capitals, and a line 1.36 times its size where the design's is 1.22 times.
constexpr BundledFont bundledFonts[] = {
    {"Arial Black", "Lato-Black.ttf", 100, 0},
    {"MS Sans Serif", "Lato-Regular.ttf", 100, 0},
    {"Impact", "OpenSans-CondBold.ttf", 100, 1220},
    {"LCD", "DSEG7Classic-Regular.ttf", 70, 0},
    {"GlaserSteD", "LeagueSpartan-Bold.otf", 100, 0},
};

constexpr double pixelsPerPoint = 96.0 / 72.0;

// Whether a font file's bytes draw every digit: a file cut short can still pass for a font,
// its glyphs lost, and would leave the board's numbers blank.
bool drawsDigits(const QByteArray& bytes)
{
    const QRawFont font(bytes, 32);
    if (!font.isValid())
        return false;
    const QList<quint32> glyphs = font.glyphIndexesForString(QStringLiteral("0123456789"));
    return glyphs.size() == 10 && std::all_of(glyphs.begin(), glyphs.end(), [&](quint32 glyph) {
               return glyph != 0 && !font.pathForGlyph(glyph).isEmpty();
           });
}

}  // namespace

QStringList registerFonts(const QString& appDir)
{
    const QDir fonts(appDir + QStringLiteral("/fonts"));
    QStringList unusable;
    for (const BundledFont& font : bundledFonts) {
        const QString file = fonts.filePath(QString::fromLatin1(font.file));
        const QByteArray bytes = readWholeFile(file).value_or(QByteArray());
        if (!drawsDigits(bytes)) {
            unusable << file;
            continue;
        }
        // A face of a larger family is listed under the family's name first and under a
        // name of its own ("Lato Black") last; the face's own name picks it alone.
        const int id = QFontDatabase::addApplicationFontFromData(bytes);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty())
            unusable << file;
        else
            QFont::insertSubstitution(QString::fromLatin1(font.designName), families.last());
    }
    return unusable;
}

QFont designFont(const QString& family, double points, bool bold)
{
    QFont font(family);
    font.setPixelSize(int(std::lround(points * pixelsPerPoint)));
    font.setBold(bold);
    for (const BundledFont& bundled : bundledFonts) {
        if (family == QLatin1String(bundled.designName))
            font.setStretch(bundled.stretch);
    }
    return font;
}

int lineHeight(const QFont& font)
{
    const int own = QFontMetrics(font).height();
    for (const BundledFont& bundled : bundledFonts) {
        if (font.family() == QLatin1String(bundled.designName) && bundled.lineHeight > 0)
            return std::min(own, int(std::lround(font.pixelSize() * bundled.lineHeight / 1000.0)));
    }
    return own;
}

}  // namespace platform
