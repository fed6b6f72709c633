// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test program's tests headless, with the game's fonts registered.
#include "doubles/TestGame.h"
#include "look/Fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The phones' server listens on the loopback alone in every test.
    qputenv("QUORVIX_PHONE_ADDRESS", "127.0.0.1");
    QApplication app(argc, argv);
    look::registerFonts(doubles::TestServices::dataFolder());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
