// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/Form.h"

#include "platform/Services.h"
#include "platform/window/ClickArea.h"
#include "platform/window/FocusMoves.h"
#include "platform/window/FocusRing.h"
#include "platform/window/PlainText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace platform {

Form::Form(Services& services) : services(services), screen_(*this, services.screen) {}

Form::~Form()
{
    // A window destroyed while it holds the focus hears of the focus leaving it as it goes: its
    // focus ring is not drawn by a window half gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
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
    // A button takes the arrows for moves of its own along the tab order; here they move the
    // focus the way the eye expects.
    // A text box keeps left and right for its cursor, but passes them on at its ends.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control))
            control->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, [this] { showFocusRing(); });
}

void Form::show()
{
    load();
    screen_.beforeShow();
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
    screen_.beforeShow();
    QWidget::show();
    QEventLoop loop;
    modalLoop_ = &loop;
    activation().activate(this);
    // A window that unloads itself (the About box closed) may be deleted by its own loop's
    // last events: then nothing of it is touched again.
    const QPointer<Form> self(this);
    if (isVisible())
        loop.exec();
    if (self)
        modalLoop_ = nullptr;
}

void Form::hide()
{
    activationPending_ = false;
    QWidget::hide();
    screen_.hidden();
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
    scale_.setDesignSize(size);
    setMinimumSize(size);
    resize(size);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
    focusRing_ = new FocusRing(*this, size);
}

void Form::setFullScreen(bool on)
{
    screen_.setFullScreen(on);
}

namespace {

std::optional<Navigation> arrowMove(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Up: return Navigation::Up;
    case Qt::Key_Down: return Navigation::Down;
    case Qt::Key_Left: return Navigation::Left;
    case Qt::Key_Right: return Navigation::Right;
    default: return std::nullopt;
    }
}

}  // namespace

void Form::keyPressEvent(QKeyEvent* event)
{
    const bool escape = event->key() == Qt::Key_Escape;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_F11 && !event->isAutoRepeat()) {
        setFullScreen(!isShownFullScreen());
    } else if (escape && escapeAction_ == Escape::Closes) {
        close();
    } else if (escape && escapeAction_ == Escape::LeavesFullScreen && isShownFullScreen()) {
        setFullScreen(false);
    } else if (const auto move = arrowMove(*event)) {
        navigate(*move, false);
    } else if (enter && !event->isAutoRepeat()) {
        // A focused button answers Enter as it answers Space.
        navigate(Navigation::Choose, false);
    } else {
        QWidget::keyPressEvent(event);
    }
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto move = arrowMove(*static_cast<QKeyEvent*>(event));
        auto* box = qobject_cast<QLineEdit*>(watched);
        const bool withinText = box && ((move == Navigation::Left && box->cursorPosition() > 0) ||
                                        (move == Navigation::Right && box->cursorPosition() < box->text().size()));
        if (move && !withinText) {
            navigate(*move, false);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form::navigate(Navigation navigation, bool fromPad)
{
    QWidget* focused = focusWidget();
    if (navigation == Navigation::Choose) {
        if (auto* button = qobject_cast<QAbstractButton*>(focused); button && button->isEnabled())
            button->click();
        else if (auto* area = qobject_cast<ClickArea*>(focused))
            emit area->clicked();
        return;
    }
    const auto stepped = std::find_if(steppedBoxes_.begin(), steppedBoxes_.end(),
                                      [&](const SteppedBox& stepped) { return stepped.box == focused; });
    const bool sideways = navigation == Navigation::Left || navigation == Navigation::Right;
    if (fromPad && sideways && stepped != steppedBoxes_.end()) {
        bool number = false;
        const int value = stepped->box->text().trimmed().toInt(&number);
        const int next = number ? value + (navigation == Navigation::Right ? 1 : -1) : stepped->lowest;
        stepped->box->setText(QString::number(std::clamp(next, stepped->lowest, stepped->highest)));
        return;
    }
    if (navigation == Navigation::Back) {
        // A pad's back button closes what has a way back, and never leaves full screen.
        if (escapeAction_ == Escape::Closes)
            close();
        return;
    }
    std::vector<QWidget*> controls;
    std::vector<QRect> places;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool typed = qobject_cast<QLineEdit*>(child) &&
                           std::none_of(steppedBoxes_.begin(), steppedBoxes_.end(),
                                        [&](const SteppedBox& stepped) { return stepped.box == child; });
        if (child->isVisible() && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus) && !(fromPad && typed)) {
            controls.push_back(child);
            places.push_back(DesignScale::designGeometry(*child));
        }
    }
    const auto from = std::find(controls.begin(), controls.end(), focused);
    if (from == controls.end()) {
        // Nothing focused yet, or a text box a pad passes over: the first control takes the focus.
        QWidget* first = firstFocus_ && firstFocus_->isVisible() ? firstFocus_.data()
                                                                 : (controls.empty() ? nullptr : controls[0]);
        if (first)
            first->setFocus(Qt::OtherFocusReason);
    } else {
        const int next = nextFocus(places, int(from - controls.begin()), focusMove(navigation));
        controls[next]->setFocus(Qt::OtherFocusReason);
    }
    showFocusRing();
}

void Form::showFocusRing()
{
    QWidget* focused = focusWidget();
    if (!focused && firstFocus_ && firstFocus_->isVisible()) {
        firstFocus_->setFocus(Qt::OtherFocusReason);
        focused = firstFocus_;
    }
    if (!focusRing_)
        return;
    const bool ours = focused && focused->parentWidget() == this && focused->isVisible();
    QRect place = ours ? DesignScale::designGeometry(*focused) : QRect();
    // A tick box or a choice is ringed around its box and caption, not the room after them.
    if (ours && (qobject_cast<QCheckBox*>(focused) || qobject_cast<QRadioButton*>(focused)))
        place.setWidth(std::min(place.width(), qCeil(focused->sizeHint().width() / scale()) + 2));
    focusRing_->ring(place);
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (scale_.layOut())
        rescaleEvent();
    screen_.resized(event->oldSize(), event->size());
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
    form->showFocusRing();
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
