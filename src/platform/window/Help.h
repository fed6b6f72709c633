// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>

class QTextBrowser;
class QWidget;

namespace platform {

class ScreenMemory;

// How showing a help file went.
enum class HelpShown {
    Shown,
    Unreadable,  // missing, or not ours to read
    Damaged,     // read, but not a whole help page: cut short, or not text
};

// Opens a help file at one of its parts.
class Help {
public:
    virtual ~Help() = default;
    // Nothing is shown unless the file could be read whole. `part` names the part to open at
    // (an anchor of the page); an empty or unknown one opens it at the top.
    virtual HelpShown show(const QString& fileName, const QString& part = QString()) = 0;
    // The help's window while it is open, for the pads to drive.
    virtual QWidget* openWindow() const { return nullptr; }
};

// Whether the bytes of a help file make a whole page: UTF-8 text from an opening to a
// closing html tag.
bool isWholeHelpPage(const QByteArray& bytes);

// The help as a window of the game's: the page, scrollable, over a Close button. It scales
// with its size and follows the players' choice of full screen as the game's windows do, and
// Escape (or a pad's east button) closes it, with or without a window manager. It takes no part
// in the game windows' activation: the window it was opened from carries on as it was.
class HelpViewer final : public Help {
public:
    explicit HelpViewer(ScreenMemory& screen) : screen_(screen) {}
    ~HelpViewer() override;
    HelpShown show(const QString& fileName, const QString& part = QString()) override;
    QWidget* openWindow() const override;

private:
    ScreenMemory& screen_;
    QPointer<QWidget> window_;
};

}  // namespace platform
