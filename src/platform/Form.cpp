// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Form.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>

namespace platform {

Form::Form(Services& services) : services(services) {}

Form::~Form()
{
    if (activeForm_ == this)
        activeForm_ = nullptr;
}

void Form::load()
{
    if (loaded_)
        return;
    loaded_ = true;
    Form_Load();
}

void Form::show()
{
    load();
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
            activate(this);
        },
        Qt::QueuedConnection);
}

void Form::showModal()
{
    load();
    modalOwner_ = activeForm_;
    deactivateActive();
    setWindowModality(Qt::ApplicationModal);
    QWidget::show();
    QEventLoop loop;
    modalLoop_ = &loop;
    activate(this);
    if (isVisible())
        loop.exec();
    modalLoop_ = nullptr;
}

void Form::hide()
{
    activationPending_ = false;
    QWidget::hide();
    if (isActive())
        deactivateActive();
    if (modalLoop_) {
        const QPointer<Form> owner = modalOwner_;
        modalOwner_.clear();
        if (owner && owner->isVisible())
            activate(owner);
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
    setFixedSize(size);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
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
    Form_QueryUnload(cancel);
    if (cancel)
        return;
    if (unloadWhenClosed_)
        unload();
    else
        hide();
}

void Form::activate(Form* form)
{
    if (activeForm_ == form)
        return;
    deactivateActive();
    activeForm_ = form;
    form->activateWindow();
    form->Form_Activate();
}

void Form::deactivateActive()
{
    Form* previous = activeForm_;
    if (!previous)
        return;
    activeForm_ = nullptr;
    previous->Form_Deactivate();
}

}  // namespace platform
