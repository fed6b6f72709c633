// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>

class QWidget;

namespace platform {

// A window is designed at a fixed size, and its content scales with the window: one transform
// maps the design's coordinates to the window's, uniformly, the design centred on the window's
// background where the shapes differ. The window's child widgets are placed, and their fonts,
// frames and check-box indicators sized, through it. At the design size nothing moves.
class DesignScale {
public:
    explicit DesignScale(QWidget& window);
    ~DesignScale();
    DesignScale(const DesignScale&) = delete;
    DesignScale& operator=(const DesignScale&) = delete;

    void setDesignSize(QSize size) { designSize_ = size; }
    // The design stands at the window's left rather than in its middle, so that the width a
    // wider window has is all on its right (for the play window's scoreboard), once that width
    // is at least half the design's.
    void setAtLeft(bool atLeft) { atLeft_ = atLeft; }
    // Fits the design to the window's size and places every child widget: each keeps the
    // geometry, font and frame it had at its first placing as its design. True when the
    // transform changed.
    bool layOut();

    // A design length times scale(), a design point times scale() plus origin().
    qreal scale() const { return scale_; }
    QPoint origin() const { return origin_; }
    QRect toWindow(const QRect& design) const;

    // Where `child` stands in the design: as placed when it was first laid out, or where it
    // stands now if it has not been laid out yet.
    static QRect designGeometry(const QWidget& child);
    // Leaves `child` out of the design: its window places and sizes it itself (the play
    // window's scoreboard, in the width beside the board).
    static void placedByWindow(QWidget& child);
    // Gives `child` a font of the design's other than the one it was made with, shown at the
    // window's scale from now on.
    void setDesignFont(QWidget& child, const QFont& font);
    // `font` as it shows at `scale`.
    static QFont scaledFont(QFont font, qreal scale);
    // The scale at which `design` fits `window` whole, keeping its proportions.
    static qreal fitScale(QSize design, QSize window);

private:
    class ScaledStyle;

    QWidget& window_;
    QSize designSize_;
    bool atLeft_ = false;
    qreal scale_ = 1;
    QPoint origin_;
    std::unique_ptr<ScaledStyle> scaledStyle_;  // made at the first scale other than 1
};

}  // namespace platform
