// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace platform {

// A name, or any text that comes from a player, a file or the network, is shown exactly as
// it was typed, never read as markup. Qt reads a label's or a tooltip's text that looks like
// HTML as HTML, images and local files included: "<img src=/dev/zero>" as a name would
// allocate until the program dies. So the rule is kept in two places that no window has to
// remember: every label of a game window is made plain text as the window is loaded (Form
// does it, through makeLabelsPlain), and every message box is plain text. A tooltip has no text
// format of its own: it goes through plainToolTip.
void makeLabelsPlain(QWidget* window);

// `text` as a tooltip shows it literally; a text that Qt would not take for markup stays
// as it is (an empty one is no tooltip).
QString plainToolTip(const QString& text);

}  // namespace platform
