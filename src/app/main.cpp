// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Program.h"
#include "app/ProgramServices.h"
#include "core/Game.h"
#include "look/AppIcon.h"
#include "look/Fonts.h"
#include "platform/audio/FluidSynthMusic.h"
#include "platform/DataFiles.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvix"));
    QApplication::setWindowIcon(look::appIcon(128));
    // Only "Yes" to the quit question ends the game, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString dataFolder = platform::dataFolder();
    // The game plays on without them, but a broken install should be easy to see.
    for (const QString& file : platform::missingDataFiles(dataFolder))
        std::fprintf(stderr, "quorvix: missing data file %s\n", qPrintable(file));
    for (const QString& file : look::registerFonts(dataFolder))
        std::fprintf(stderr, "quorvix: cannot use font file %s, a system font stands in\n", qPrintable(file));

    ProgramServices<platform::FluidSynthMusic, platform::FileSettings> real(dataFolder);

    core::Game game;
    Program program(real.services, game);
    program.showTitle();
    return QApplication::exec();
}
