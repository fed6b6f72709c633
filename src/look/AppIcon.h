// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIcon;

namespace look {

// The program's icon, a blue clock dial with a white hand, at every size it is drawn at up to
// `largest` pixels. Each size is read and decoded at once, and a window's icon hands every size
// to the window manager as the window is made: a window's icon needs none above 128, which
// is three quarters of the pixels and a good part of the start-up.
QIcon appIcon(int largest = 256);

}  // namespace look
