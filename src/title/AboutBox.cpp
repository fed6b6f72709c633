// SPDX-License-Identifier: GPL-3.0-or-later
#include "title/AboutBox.h"

#include "core/GameFlow.h"

#include "platform/AppIcon.h"
#include "platform/Fonts.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

AboutBox::AboutBox(const core::WindowContext& context)
    : Form(context.services)
{
    design(QStringLiteral("About Quorvix"), QSize(344, 176), QColor(192, 192, 255));
    unloadWhenClosed();
    setFont(platform::designFont(QStringLiteral("MS Sans Serif"), 9.75));

    auto* picIcon = new QLabel(this);
    picIcon->setGeometry(16, 16, 64, 64);
    picIcon->setPixmap(platform::appIcon().pixmap(QSize(64, 64), devicePixelRatioF()));

    auto* lblTitle = new QLabel(QStringLiteral("Quorvix"), this);
    lblTitle->setGeometry(96, 12, 232, 36);
    lblTitle->setFont(platform::designFont(QStringLiteral("GlaserSteD"), 24));
    auto* lblVersion = new QLabel(QStringLiteral("Version 1.0"), this);
    lblVersion->setGeometry(96, 52, 232, 20);
    auto* lblDescription = new QLabel(
        QStringLiteral("A number party game: race your friends to build the target from seven numbers."), this);
    lblDescription->setGeometry(96, 74, 232, 48);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("ok"));
    okButton->setGeometry(132, 132, 80, 30);
    connect(okButton, &QPushButton::clicked, this, &AboutBox::closeBox);
}

void AboutBox::closeBox()
{
    unload();
}
