// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QFont;

namespace look {

// Registers the fonts bundled in `dataFolder`/fonts and puts them in place of the type faces the
// design names ("Arial Black", "Impact", "MS Sans Serif", "LCD", "GlaserSteD"), so that the
// code can name fonts as the design does. A font file that is missing or cannot be loaded
// leaves the system's choice for its face; the files that could not be used are returned.
QStringList registerFonts(const QString& dataFolder);

// The design's font at a size in points, fixed in pixels as the design measured them
// (96 pixels to the inch), so the board's layout does not change with the screen's
// reported resolution; high-density screens scale it through the device pixel ratio.
QFont designFont(const QString& family, double points, bool bold = false);

// The height of a line of text in a design font, as the design measured it: a stand-in
// face whose own line is taller is given the design face's.
int lineHeight(const QFont& font);

}  // namespace look
