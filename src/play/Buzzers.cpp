// SPDX-License-Identifier: GPL-3.0-or-later
// The buzzers: the KeyCheck timer polls the six buzzer keys once the target is shown.
#include "play/MainForm.h"

void MainForm::KeyCheck_Timer()
{
    // Buzzing in comes with the turns; until then the poll finds nobody.
}
