// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>

class QTextBrowser;

namespace platform {

// Opens a help file at its first page.
class Help {
public:
    virtual ~Help() = default;
    // False when the file cannot be read; nothing is shown then.
    virtual bool show(const QString& fileName) = 0;
};

// An in-app viewer: a plain window with the text, scrollable and closable.
class HelpViewer final : public Help {
public:
    ~HelpViewer() override;
    bool show(const QString& fileName) override;
    // The viewer's window, once a file has been shown.
    QTextBrowser* window() const;

private:
    QPointer<QTextBrowser> window_;
};

}  // namespace platform
