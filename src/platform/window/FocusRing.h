// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

namespace platform {

class Form;

// The mark of the place that has the focus of a pad or the keyboard: a ring thick enough to
// see from across a room, in the game's yellow with a dark edge that shows on any background.
// A child of its window over the whole design, above the other controls; clicks pass through
// it. It scales with the window as everything else.
class FocusRing final : public QWidget {
    Q_OBJECT
public:
    FocusRing(Form& window, QSize designSize);

    // Rings `place`, in the window's design coordinates; an empty place hides the ring.
    void ring(const QRect& place);
    const QRect& place() const { return place_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Form& window_;
    QRect place_;
};

}  // namespace platform
