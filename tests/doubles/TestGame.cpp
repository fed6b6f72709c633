// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"

#include "title/TitleWindow.h"

#include <QPushButton>
#include <QtTest/QTest>

#include <QCoreApplication>

namespace doubles {

QString TestServices::dataDir()
{
    return QStringLiteral(QUORVIX_DATA_DIR);
}

void GameTest::settle()
{
    QCoreApplication::sendPostedEvents();
}

void GameTest::openSetUp()
{
    windows.showTitle();
    settle();
    QTest::mouseClick(windows.titleWindow().findChild<QPushButton*>("Play!"), Qt::LeftButton);
    settle();
}

}  // namespace doubles
