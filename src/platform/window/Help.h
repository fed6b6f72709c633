// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>

class QTextBrowser;

namespace platform {

// How showing a help file went.
enum class HelpShown {
    Shown,
    Unreadable,  // missing, or not ours to read
    Damaged,     // read, but not a whole help page: cut short, or not text
};

// Opens a help file at its first page.
class Help {
public:
    virtual ~Help() = default;
    // Nothing is shown unless the file could be read whole.
    virtual HelpShown show(const QString& fileName) = 0;
};

// Whether the bytes of a help file make a whole page: UTF-8 text from an opening to a
// closing html tag.
bool isWholeHelpPage(const QByteArray& bytes);

// An in-app viewer: a plain window with the text, scrollable and closable.
class HelpViewer final : public Help {
public:
    ~HelpViewer() override;
    HelpShown show(const QString& fileName) override;
    // The viewer's window, once a file has been shown.
    QTextBrowser* window() const;

private:
    QPointer<QTextBrowser> window_;
};

}  // namespace platform
