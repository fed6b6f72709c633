// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QIcon;

namespace platform {

// The program's icon, a blue clock dial with a white hand, at every size it is drawn at.
QIcon appIcon();

}  // namespace platform
