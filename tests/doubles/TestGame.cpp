// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"

#include "shell/Program.h"

#include <QCoreApplication>

namespace doubles {

QString TestServices::dataDir()
{
    return QStringLiteral(QUORVIX_DATA_DIR);
}

GameTest::GameTest()
{
    Program::reset();
}

GameTest::~GameTest()
{
    Program::reset();
}

void GameTest::settle()
{
    QCoreApplication::sendPostedEvents();
}

}  // namespace doubles
