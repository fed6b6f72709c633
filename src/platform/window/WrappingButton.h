// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace platform {

// A push button whose caption shows on a set number of lines, broken at its blanks with the
// words spread as evenly as they go, each line centred: a caption on a narrow button of the
// game's design, which the design's wider font wrapped. Its text() is the caption as given.
class WrappingButton final : public QPushButton {
    Q_OBJECT
public:
    WrappingButton(const QString& caption, int lines, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lines_;
};

}  // namespace platform
