// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window/Form.h"

#include "platform/Services.h"
#include "platform/window/PlainText.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>

namespace platform {

Form::Form(Services& services) : services(services), screen_(*this, services.screen) {}

Form::~Form()
{
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
    if (isVisible())
        loop.exec();
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
}

void Form::setFullScreen(bool on)
{
    screen_.setFullScreen(on);
}

void Form::keyPressEvent(QKeyEvent* event)
{
    const bool escape = event->key() == Qt::Key_Escape;
    auto* focusedButton = qobject_cast<QAbstractButton*>(focusWidget());
    if (event->key() == Qt::Key_F11 && !event->isAutoRepeat()) {
        setFullScreen(!isShownFullScreen());
    } else if (escape && escapeAction_ == Escape::Closes) {
        close();
    } else if (escape && escapeAction_ == Escape::LeavesFullScreen && isShownFullScreen()) {
        setFullScreen(false);
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focusedButton &&
               !event->isAutoRepeat()) {
        // A focused button answers Enter as it answers Space.
        focusedButton->click();
    } else {
        QWidget::keyPressEvent(event);
    }
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
