// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

namespace look {

// An address as a QR code for a phone's camera: black modules on white inside the quiet zone
// a reader needs, as large as the widget holds in whole pixels per module. Its accessible
// name is the address in words.
class JoinCode final : public QWidget {
    Q_OBJECT
public:
    explicit JoinCode(QWidget* parent = nullptr);

    void setAddress(const QString& address);
    const QString& address() const { return address_; }
    // The code's modules, row by row (true is dark); none without an address.
    int modulesAcross() const { return across_; }
    bool isDark(int x, int y) const { return dark_[std::size_t(y * across_ + x)]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString address_;
    int across_ = 0;
    std::vector<bool> dark_;
};

}  // namespace look
