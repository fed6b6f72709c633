// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/PlainText.h"

#include <QLabel>
#include <QTextDocument>

namespace platform {

void makeLabelsPlain(QWidget* window)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
}

QString plainToolTip(const QString& text)
{
    // Qt takes a tooltip for markup when it looks like markup: only such a text needs escaping.
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

}  // namespace platform
