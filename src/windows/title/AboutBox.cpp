// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/title/AboutBox.h"

#include "core/GameFlow.h"
#include "look/AppIcon.h"
#include "look/Fonts.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

AboutBox::AboutBox(const core::WindowContext& context)
    : Form(context.services)
{
    design(QStringLiteral("About Quorvix"), QSize(344, 176), QColor(192, 192, 255));
    unloadWhenClosed();
    setEscape(Escape::Closes);
    setFont(look::gameFont(look::FontRole::Controls, 9.75));

    icon_ = new QLabel(this);
    icon_->setGeometry(16, 16, 64, 64);
    rescaleEvent();

    auto* title = new QLabel(QStringLiteral("Quorvix"), this);
    title->setGeometry(96, 12, 232, 36);
    title->setFont(look::gameFont(look::FontRole::Titles, 24));
    auto* version = new QLabel(QStringLiteral("Version 1.0"), this);
    version->setGeometry(96, 52, 232, 20);
    auto* description = new QLabel(
        QStringLiteral("A number party game: race your friends to build the target from seven numbers."), this);
    description->setGeometry(96, 74, 232, 48);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("ok"));
    okButton->setGeometry(132, 132, 80, 30);
    connect(okButton, &QPushButton::clicked, this, &AboutBox::closeBox);
    setFirstFocus(*okButton);
}

void AboutBox::rescaleEvent()
{
    // The icon drawn afresh at the size it shows, from its scalable picture.
    icon_->setPixmap(look::appIcon().pixmap(QSize(64, 64) * scale(), devicePixelRatioF()));
}

void AboutBox::closeBox()
{
    unload();
}
