// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Game.h"
#include "platform/AppDir.h"
#include "platform/AppIcon.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Controllers.h"
#include "platform/FluidSynthMusic.h"
#include "platform/Form.h"
#include "platform/Fonts.h"
#include "platform/Help.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "platform/Timer.h"
#include "app/Windows.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvix"));
    QApplication::setWindowIcon(platform::appIcon());
    // Only "Yes" to the quit question ends the game, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString dataDir = platform::appDir();
    // The game plays on without them, but a broken install should be easy to see.
    for (const QString& file : platform::missingDataFiles(dataDir))
        std::fprintf(stderr, "quorvix: missing data file %s\n", qPrintable(file));
    for (const QString& file : platform::registerFonts(dataDir))
        std::fprintf(stderr, "quorvix: cannot use font file %s, a system font stands in\n", qPrintable(file));

    platform::ProcessApplication application;
    platform::SystemClock clock;
    platform::SystemRandom random;
    platform::KeyboardKeyState keys;
    platform::SdlControllers controllers;
    platform::Activation activation;
    platform::QtMessageBoxes messages(activation);
    platform::FluidSynthMusic music;
    platform::HelpViewer help;
    platform::QtTimerFactory timers(messages);
    platform::FileSettings settings;
    platform::Services services{application, clock, random, keys,       controllers, messages,
                                music,       help,  timers, activation, settings,    dataDir};

    core::Game game;
    Windows windows(services, game);
    windows.showTitle();
    return QApplication::exec();
}
