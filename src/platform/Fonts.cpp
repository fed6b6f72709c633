// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Fonts.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>

#include <cmath>

namespace platform {

namespace {

struct BundledFont {
    const char* designName;
    const char* file;
    int stretch;  // per cent of the font's own width
};

// The seven-segment digits are narrowed to the design's cells, one digit every 24 pixels.
constexpr BundledFont bundledFonts[] = {
    {"Arial Black", "Lato-Black.ttf", 100},
    {"MS Sans Serif", "Lato-Regular.ttf", 100},
    {"Impact", "OpenSans-CondBold.ttf", 100},
    {"LCD", "DSEG7Classic-Regular.ttf", 70},
    {"GlaserSteD", "LeagueSpartan-Bold.otf", 100},
};

constexpr double pixelsPerPoint = 96.0 / 72.0;

}  // namespace

void registerFonts(const QString& appDir)
{
    const QDir fonts(appDir + QStringLiteral("/fonts"));
    for (const BundledFont& font : bundledFonts) {
        const int id = QFontDatabase::addApplicationFont(fonts.filePath(QString::fromLatin1(font.file)));
        // A face of a larger family is listed under the family's name first and under a
        // name of its own ("Lato Black") last; the face's own name picks it alone.
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            QFont::insertSubstitution(QString::fromLatin1(font.designName), families.last());
    }
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

}  // namespace platform
