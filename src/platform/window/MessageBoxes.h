// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <functional>

class QMessageBox;

namespace platform {

class Activation;

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// Modal message boxes: a title, a text, OK or Yes and No, no icon. While one is open no
// timer tick runs, and the game's notion of the active window does not change.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    Answer show(const QString& text, const QString& title, Buttons buttons = Buttons::Ok);
    bool anyOpen() const { return openCount_ > 0; }
    // Told of each box with OK alone as it opens (true) and as it closes (false): the phones
    // show the answering player's box too.
    using Watcher = std::function<void(const QString& text, const QString& title, bool open)>;
    void watch(Watcher watcher) { watcher_ = std::move(watcher); }
    // The open box with OK alone answered as if its OK were pressed; nothing otherwise.
    virtual void answerOpen() {}
    // The face of the boxes' text and buttons, at the design's size.
    void setFace(const QFont& face) { face_ = face; }
    const QFont& face() const { return face_; }

protected:
    // Shows the box and waits for the player's answer.
    virtual Answer present(const QString& text, const QString& title, Buttons buttons) = 0;

private:
    int openCount_ = 0;
    QFont face_;
    Watcher watcher_;
};

// Each box belongs to the active game window and is drawn in its look: its background, a blue
// edge, the title in bold over the text (the box has no frame, with or without a window
// manager), all at the window's scale, standing where it hides the least of what the window
// keeps in view.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(const Activation& activation) : activation_(activation) {}

    void answerOpen() override;

protected:
    Answer present(const QString& text, const QString& title, Buttons buttons) override;

private:
    const Activation& activation_;
    QMessageBox* openOk_ = nullptr;  // the box with OK alone open now
};

}  // namespace platform
