// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/JoinCode.h"

#include <QPainter>

#include <qrcodegen.hpp>

namespace look {

namespace {

constexpr int QuietModules = 4;  // the white border a reader needs round the code

}  // namespace

JoinCode::JoinCode(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void JoinCode::setAddress(const QString& address)
{
    if (address == address_)
        return;
    address_ = address;
    setAccessibleName(address);
    across_ = 0;
    dark_.clear();
    if (!address.isEmpty()) {
        try {
            // Medium correction: a television's glare or a moiré costs a few modules.
            const qrcodegen::QrCode code =
                qrcodegen::QrCode::encodeText(address.toUtf8().constData(), qrcodegen::QrCode::Ecc::MEDIUM);
            across_ = code.getSize();
            dark_.resize(std::size_t(across_ * across_));
            for (int y = 0; y < across_; ++y) {
                for (int x = 0; x < across_; ++x)
                    dark_[std::size_t(y * across_ + x)] = code.getModule(x, y);
            }
        } catch (const std::exception&) {
            // Too long for any code: the address in words must do.
            across_ = 0;
            dark_.clear();
        }
    }
    update();
}

void JoinCode::paintEvent(QPaintEvent*)
{
    if (across_ == 0)
        return;
    QPainter painter(this);
    const int side = std::min(width(), height());
    // Whole device pixels per module, so that every module is as sharp as the next.
    const qreal ratio = devicePixelRatioF();
    const int module = std::max(1, int(side * ratio) / (across_ + 2 * QuietModules));
    const qreal step = module / ratio;
    const qreal drawn = step * (across_ + 2 * QuietModules);
    const QPointF corner((width() - drawn) / 2, (height() - drawn) / 2);
    painter.fillRect(QRectF(corner, QSizeF(drawn, drawn)), Qt::white);
    for (int y = 0; y < across_; ++y) {
        for (int x = 0; x < across_; ++x) {
            if (isDark(x, y))
                painter.fillRect(QRectF(corner + QPointF((x + QuietModules) * step, (y + QuietModules) * step),
                                        QSizeF(step, step)),
                                 Qt::black);
        }
    }
}

}  // namespace look
