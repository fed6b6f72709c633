// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/DesignScale.h"

#include <QFrame>
#include <QProxyStyle>
#include <QWidget>

#include <cmath>

namespace platform {

namespace {

// The design's geometry, font and frame of a child widget, kept on it when it is first laid out.
constexpr const char* designGeometryKey = "quorvixDesignGeometry";
constexpr const char* designFontKey = "quorvixDesignFont";
constexpr const char* designLineWidthKey = "quorvixDesignLineWidth";
constexpr const char* placedByWindowKey = "quorvixPlacedByWindow";

}  // namespace

// The application's style, with the sizes it draws at a fixed size (check-box and radio
// indicators, frames, margins) times the window's scale.
class DesignScale::ScaledStyle final : public QProxyStyle {
public:
    qreal scale = 1;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
        case PM_DefaultFrameWidth:
        case PM_ButtonMargin:
        case PM_ButtonDefaultIndicator:
        case PM_FocusFrameHMargin:
        case PM_FocusFrameVMargin:
            return int(std::lround(size * scale));
        default:
            return size;
        }
    }
};

DesignScale::DesignScale(QWidget& window) : window_(window) {}

DesignScale::~DesignScale()
{
    // The scaled style goes first, and no child may still draw with it then.
    if (scaledStyle_) {
        for (QWidget* child : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->setStyle(nullptr);
    }
}

bool DesignScale::layOut()
{
    if (designSize_.isEmpty())
        return false;
    const qreal scale = fitScale(designSize_, window_.size());
    // The design is centred on whole pixels, so that what is painted stays sharp.
    const qreal spare = window_.width() - designSize_.width() * scale;
    const QPoint origin(atLeft_ && spare >= designSize_.width() * scale / 2 ? 0 : int(spare / 2),
                        int((window_.height() - designSize_.height() * scale) / 2));
    const bool changed = scale != scale_ || origin != origin_;
    scale_ = scale;
    origin_ = origin;
    if (!scaledStyle_ && scale != 1)
        scaledStyle_ = std::make_unique<ScaledStyle>();
    if (scaledStyle_)
        scaledStyle_->scale = scale;
    for (QWidget* child : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A window's own pieces outside its design (the play window's scoreboard) it places itself.
        if (child->isWindow() || child->property(placedByWindowKey).toBool())
            continue;
        if (!child->property(designGeometryKey).isValid()) {
            child->setProperty(designGeometryKey, child->geometry());
            child->setProperty(designFontKey, child->font());
            if (auto* frame = qobject_cast<QFrame*>(child))
                child->setProperty(designLineWidthKey, frame->lineWidth());
        }
        child->setGeometry(toWindow(child->property(designGeometryKey).toRect()));
        child->setFont(scaledFont(child->property(designFontKey).value<QFont>(), scale));
        if (auto* frame = qobject_cast<QFrame*>(child)) {
            const int width = child->property(designLineWidthKey).toInt();
            frame->setLineWidth(width == 0 ? 0 : std::max(1, int(std::lround(width * scale))));
        }
        // At the design size the widgets keep the application's style, untouched.
        if (scale != 1 && child->style() != scaledStyle_.get())
            child->setStyle(scaledStyle_.get());
        else if (scale == 1 && child->testAttribute(Qt::WA_SetStyle))
            child->setStyle(nullptr);
    }
    return changed;
}

void DesignScale::placedByWindow(QWidget& child)
{
    child.setProperty(placedByWindowKey, true);
}

QRect DesignScale::designGeometry(const QWidget& child)
{
    const QVariant kept = child.property(designGeometryKey);
    return kept.isValid() ? kept.toRect() : child.geometry();
}

void DesignScale::setDesignFont(QWidget& child, const QFont& font)
{
    if (!child.property(designFontKey).isValid()) {
        child.setFont(font);  // taken as the design's at the first layout
        return;
    }
    child.setProperty(designFontKey, font);
    child.setFont(scaledFont(font, scale_));
}

QRect DesignScale::toWindow(const QRect& design) const
{
    // Both edges are mapped and rounded, so that neighbours stay neighbours at every scale.
    const auto x = [this](int v) { return origin_.x() + int(std::lround(v * scale_)); };
    const auto y = [this](int v) { return origin_.y() + int(std::lround(v * scale_)); };
    return QRect(QPoint(x(design.left()), y(design.top())),
                 QPoint(x(design.left() + design.width()) - 1, y(design.top() + design.height()) - 1));
}

QFont DesignScale::scaledFont(QFont font, qreal scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

qreal DesignScale::fitScale(QSize design, QSize window)
{
    return std::min(window.width() / qreal(design.width()), window.height() / qreal(design.height()));
}

}  // namespace platform
