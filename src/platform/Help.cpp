// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Help.h"

#include <QApplication>
#include <QFile>
#include <QTextBrowser>

namespace platform {

HelpViewer::~HelpViewer()
{
    delete window_;
}

QTextBrowser* HelpViewer::window() const
{
    return window_;
}

bool HelpViewer::show(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (!window_) {
        window_ = new QTextBrowser;
        window_->setWindowTitle(QStringLiteral("Quorvix Help"));
        window_->resize(560, 520);
    }
    // Over a modal window (the rules window, say) only its own children take input.
    QWidget* modal = QApplication::activeModalWidget();
    if (window_->parentWidget() != modal)
        window_->setParent(modal, Qt::Window);
    window_->setHtml(QString::fromUtf8(file.readAll()));
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

}  // namespace platform
