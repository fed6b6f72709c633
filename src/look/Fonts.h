// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QFont;
class QSize;

namespace look {

// The game's type faces, by what they are for. Which bundled font serves each is chosen in
// one place, Fonts.cpp.
enum class FontRole {
    Controls,  // buttons, boxes, labels, the tables and the finder
    Tiles,     // the numbers on the board's tiles
    Signs,     // condensed: the operation buttons, Cancel and the contender's name
    Digits,    // the target's seven-segment digits
    Titles,    // the game's name, the About box's and the final table's titles
};

// Registers the fonts bundled in `dataFolder`/fonts, each as the face of its role. A font file
// that is missing or cannot be loaded leaves the system's default face for its role; the
// files that could not be used are returned.
QStringList registerFonts(const QString& dataFolder);

// The face of `role` at a size in points, fixed in pixels as the design measured them (96
// pixels to the inch), so the board's layout does not change with the screen's reported
// resolution; high-density screens scale it through the device pixel ratio.
QFont gameFont(FontRole role, double points, bool bold = false);

// Whether `text`, centred and wrapped at word breaks, fits `room` in `font`.
bool fitsWrapped(const QFont& font, QSize room, const QString& text);

// The height of a line of text in a game font, as the design measured it: a face whose own
// line is taller than the design's is given the design's.
int lineHeight(const QFont& font);

}  // namespace look
