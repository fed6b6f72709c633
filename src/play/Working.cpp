// SPDX-License-Identifier: GPL-3.0-or-later
// The working row: the answering player's first number, operator and second number.
#include "play/MainForm.h"

namespace {

// FirstSource and SecondSource: 0..6 a dealt tile, 7..9 a made tile.
constexpr int firstMadeSource = 7;

}  // namespace

void MainForm::ResetWorking()
{
    // Chosen numbers go back to the tiles they came from.
    const auto putBack = [this](int source, const QString& text) {
        if (source < 0)
            return;
        if (source < firstMadeSource)
            OrigNumber[source].caption = text;
        else
            MadeNumber[source - firstMadeSource].caption = text;
    };
    putBack(FirstSource, OpsLabel[0].caption);
    putBack(SecondSource, OpsLabel[2].caption);
    OpsLabel[0].caption.clear();
    OpsLabel[1].caption = QStringLiteral("+");
    OpsLabel[2].caption.clear();
    RedrawBoard();
    FirstSource = -1;
    SecondSource = -1;
}
