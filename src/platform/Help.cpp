// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Help.h"

#include <QFile>
#include <QTextBrowser>

namespace platform {

namespace {

const char* const placeholderPage =
    "<h2>Quorvix help</h2>"
    "<p>The full help is still being written.</p>"
    "<p>Seven numbers are dealt and a three-digit target is chosen. Press your buzzer key when you "
    "can make the target, then build it with the numbers, the four operators and \"=\".</p>";

}  // namespace

HelpViewer::~HelpViewer()
{
    delete window_;
}

void HelpViewer::show(const QString& fileName)
{
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setWindowTitle(QStringLiteral("Quorvix Help"));
        window_->resize(560, 480);
    }
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        window_->setHtml(QString::fromUtf8(file.readAll()));
    else
        window_->setHtml(QString::fromLatin1(placeholderPage));
    window_->show();
    window_->raise();
}

}  // namespace platform
