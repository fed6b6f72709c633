// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/Form.h"

#include "platform/window/PlainText.h"
#include "platform/Services.h"
#include "platform/Settings.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>

#include <cmath>

namespace platform {

namespace {

// The design's geometry, font and frame of a child widget, kept on it when it is first laid out.
constexpr const char* designGeometry = "quorvixDesignGeometry";
constexpr const char* designFont = "quorvixDesignFont";
constexpr const char* designLineWidth = "quorvixDesignLineWidth";

// The application's style, with the sizes it draws at a fixed size (check-box and radio
// indicators, frames, margins) times the window's scale.
class ScaledStyle final : public QProxyStyle {
public:
    explicit ScaledStyle(QObject* owner) { setParent(owner); }
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

}  // namespace

Form::Form(Services& services) : services(services) {}

Form::~Form()
{
    // The scaled style goes with the window, and no child may still draw with it then.
    if (scaledStyle_) {
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->setStyle(nullptr);
    }
    if (isActive())
        activation().active_ = nullptr;
}

bool Form::isActive() const
{
    return services.activation.active() == this;
}

Activation& Form::activation()
{
    return services.activation;
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    loadEvent();
    // The window's labels are made by now: none of them reads its text as markup.
    makeLabelsPlain(this);
}

void Form::show()
{
    load();
    restoreSize();
    followScreenChoice();
    QWidget::show();
    if (isActive() || activationPending_)
        return;
    activationPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!activationPending_)
                return;  // hidden meanwhile
            activationPending_ = false;
            activation().activate(this);
        },
        Qt::QueuedConnection);
}

void Form::showModal()
{
    load();
    modalOwner_ = activation().active();
    activation().deactivateActive();
    setWindowModality(Qt::ApplicationModal);
    restoreSize();
    followScreenChoice();
    QWidget::show();
    QEventLoop loop;
    modalLoop_ = &loop;
    activation().activate(this);
    if (isVisible())
        loop.exec();
    modalLoop_ = nullptr;
}

void Form::hide()
{
    activationPending_ = false;
    QWidget::hide();
    if (isActive())
        activation().deactivateActive();
    if (modalLoop_) {
        const QPointer<Form> owner = modalOwner_;
        modalOwner_.clear();
        if (owner && owner->isVisible())
            activation().activate(owner);
        modalLoop_->quit();
    }
}

void Form::unload()
{
    hide();
    emit unloaded();
    deleteLater();
}

void Form::design(const QString& caption, QSize size, const QColor& background)
{
    setWindowTitle(caption);
    designSize_ = size;
    setMinimumSize(size);
    resize(size);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
}

void Form::setFullScreen(bool on)
{
    activation().fullScreen = on;
    services.settings.setValue(QStringLiteral("window/fullScreen"), on);
    services.settings.save();
    followScreenChoice();
}

void Form::restoreScreenChoice(Services& services)
{
    const QVariant stored = services.settings.value(QStringLiteral("window/fullScreen"));
    if (const auto on = storedBool(stored))
        services.activation.fullScreen = *on;
    else if (stored.isValid())
        services.settings.reportBadValue();
}

QString Form::sizeKey() const
{
    return QStringLiteral("windows/%1/size").arg(QLatin1String(metaObject()->className()));
}

void Form::restoreSize()
{
    if (sizeRestored_)
        return;
    sizeRestored_ = true;
    const QVariant stored = services.settings.value(sizeKey());
    if (!stored.isValid())
        return;
    const auto size = storedWindowSize(stored, minimumSize());
    if (!size) {
        services.settings.reportBadValue();
        return;
    }
    // A size kept from a larger screen is no damage: the window takes what this screen has.
    QSize fitted = *size;
    if (const QScreen* shown = screen())
        fitted = fitted.boundedTo(shown->availableSize()).expandedTo(minimumSize());
    resize(fitted);
}

void Form::followScreenChoice()
{
    const bool on = activation().fullScreen;
    if (on == fullScreen_)
        return;
    fullScreen_ = on;
    if (on) {
        normalGeometry_ = geometry();
        setWindowState(windowState() | Qt::WindowFullScreen);
        // Without a window manager nobody else would: the window takes the whole screen itself.
        if (QScreen* shown = screen())
            setGeometry(shown->geometry());
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
        if (normalGeometry_.isValid())
            setGeometry(normalGeometry_);
    }
}

void Form::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F11 && !event->isAutoRepeat())
        setFullScreen(!fullScreen_);
    else if (event->key() == Qt::Key_Escape && fullScreen_)
        setFullScreen(false);
    else
        QWidget::keyPressEvent(event);
}

QRect Form::toWindow(const QRect& design) const
{
    // Both edges are mapped and rounded, so that neighbours stay neighbours at every scale.
    const auto x = [this](int v) { return origin_.x() + int(std::lround(v * scale_)); };
    const auto y = [this](int v) { return origin_.y() + int(std::lround(v * scale_)); };
    return QRect(QPoint(x(design.left()), y(design.top())),
                 QPoint(x(design.left() + design.width()) - 1, y(design.top() + design.height()) - 1));
}

QFont Form::scaledFont(QFont font, qreal scale)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

qreal Form::fitScale(QSize design, QSize window)
{
    return std::min(window.width() / qreal(design.width()), window.height() / qreal(design.height()));
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
    // A size the players gave the window is kept for the next run; full screen is no size.
    if (sizeRestored_ && isVisible() && !fullScreen_ && event->size() != event->oldSize()) {
        services.settings.setValue(sizeKey(), QStringLiteral("%1 %2").arg(width()).arg(height()));
        services.settings.save();
    }
}

void Form::layOut()
{
    if (designSize_.isEmpty())
        return;
    const qreal scale = fitScale(designSize_, size());
    // The design is centred on whole pixels, so that what is painted stays sharp.
    const QPoint origin(int((width() - designSize_.width() * scale) / 2),
                        int((height() - designSize_.height() * scale) / 2));
    const bool changed = scale != scale_ || origin != origin_;
    scale_ = scale;
    origin_ = origin;
    if (!scaledStyle_ && scale != 1)
        scaledStyle_ = new ScaledStyle(this);
    if (scaledStyle_)
        static_cast<ScaledStyle*>(scaledStyle_)->scale = scale;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (!child->property(designGeometry).isValid()) {
            child->setProperty(designGeometry, child->geometry());
            child->setProperty(designFont, child->font());
            if (auto* frame = qobject_cast<QFrame*>(child))
                child->setProperty(designLineWidth, frame->lineWidth());
        }
        child->setGeometry(toWindow(child->property(designGeometry).toRect()));
        child->setFont(scaledFont(child->property(designFont).value<QFont>(), scale));
        if (auto* frame = qobject_cast<QFrame*>(child)) {
            const int width = child->property(designLineWidth).toInt();
            frame->setLineWidth(width == 0 ? 0 : std::max(1, int(std::lround(width * scale))));
        }
        // At the design size the widgets keep the application's style, untouched.
        if (scale != 1 && child->style() != scaledStyle_)
            child->setStyle(scaledStyle_);
        else if (scale == 1 && child->testAttribute(Qt::WA_SetStyle))
            child->setStyle(nullptr);
    }
    if (changed)
        rescaleEvent();
}

QLabel* Form::heading(const QString& text, const QRect& place, const QFont& font)
{
    auto* label = new QLabel(text, this);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    return label;
}

void Form::closeEvent(QCloseEvent* event)
{
    // The window stays open in Qt's eyes either way; unloading is ours to do.
    event->ignore();
    bool cancel = false;
    queryClose(cancel);
    if (cancel)
        return;
    if (unloadWhenClosed_)
        unload();
    else
        hide();
}

void Activation::activate(Form* form)
{
    if (active_ == form)
        return;
    deactivateActive();
    active_ = form;
    form->activateWindow();
    form->activateEvent();
}

void Activation::deactivateActive()
{
    Form* previous = active_;
    if (!previous)
        return;
    active_ = nullptr;
    previous->deactivateEvent();
}

}  // namespace platform
