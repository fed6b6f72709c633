// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/Doubles.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "platform/Help.h"
#include "platform/Random.h"
#include "platform/Timer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace platform;

TEST(Clock, ReadsTheLocalDateAndTimeToTheWholeSecond)
{
    const auto at = [](QDate date, QTime time) { return momentOf(QDateTime(date, time)); };
    EXPECT_EQ(at(QDate(1970, 1, 1), QTime(0, 0)).time_since_epoch().count(), 0);
    EXPECT_EQ(at(QDate(2000, 1, 1), QTime(6, 0, 0, 999)), at(QDate(2000, 1, 1), QTime(6, 0)));
    EXPECT_EQ((at(QDate(2000, 1, 1), QTime(0, 0, 1)) - at(QDate(1999, 12, 31), QTime(23, 59, 59))).count(), 2)
        << "across midnight";
}

TEST(SystemRandom, DrawsEvenlyFromZeroUpToOne)
{
    SystemRandom random;
    double sum = 0;
    for (int i = 0; i < 100000; ++i) {
        const float value = random.next();
        ASSERT_TRUE(value >= 0.0f && value < 1.0f) << value;
        sum += value;
    }
    EXPECT_NEAR(sum / 100000, 0.5, 0.01);
}

TEST(QtTimer, TicksWhileRunningButNeverWhileAMessageBoxIsOpen)
{
    doubles::FakeMessageBoxes messages;
    QtTimerFactory factory(messages);
    int ticks = 0;
    auto timer = factory.create("Test", [&] { ++ticks; });
    timer->setInterval(1);
    timer->start();
    QTest::qWait(30);
    EXPECT_GT(ticks, 0);

    int ticksWhileOpen = -1;
    messages.whileOpen = [&] {
        const int before = ticks;
        QTest::qWait(30);  // Qt's timers go on firing in a message box's loop
        ticksWhileOpen = ticks - before;
    };
    messages.show("You've had enough time to answer.", "Out of time");
    EXPECT_EQ(ticksWhileOpen, 0);

    timer->stop();
    const int stoppedAt = ticks;
    QTest::qWait(20);
    EXPECT_EQ(ticks, stoppedAt);
}

TEST(Fonts, MissingOrDamagedFontFilesLeaveASystemFontInTheirPlace)
{
    const QStringList designNames{"Arial Black", "MS Sans Serif", "Impact", "LCD", "GlaserSteD"};
    QTemporaryDir folder;
    QDir(folder.path()).mkdir("fonts");
    // Two faces are missing; the others are a file cut short, text, and noise.
    QFile real(QStringLiteral(QUORVIX_DATA_DIR "/fonts/Lato-Black.ttf"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    for (const auto& [name, bytes] : {std::pair{"Lato-Black.ttf", real.read(real.size() / 3)},
                                      {"Lato-Regular.ttf", QByteArray("not a font")},
                                      {"OpenSans-CondBold.ttf", QByteArray(4096, '\x5a')}}) {
        QFile file(folder.filePath(QStringLiteral("fonts/") + QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The test program registered the real fonts at start; they step aside for this test.
    const auto forgetFonts = [&] {
        for (const QString& name : designNames)
            QFont::removeSubstitutions(name);
    };
    forgetFonts();
    EXPECT_EQ(registerFonts(folder.path()).size(), 5);
    for (const QString& name : designNames) {
        const QFont font = designFont(name, 14.25);
        const QString family = QFontInfo(font).family();
        EXPECT_TRUE(QFontDatabase::families().contains(family)) << name.toStdString() << " in " << family.toStdString();
        EXPECT_FALSE(family.startsWith("Lato") || family.startsWith("DSEG")) << name.toStdString();
        EXPECT_GT(QFontMetrics(font).horizontalAdvance("Quorvix 123"), 30) << name.toStdString();
    }

    // The bundled fonts again, as the game finds them.
    forgetFonts();
    EXPECT_TRUE(registerFonts(QStringLiteral(QUORVIX_DATA_DIR)).isEmpty());
    for (const auto& [name, size, family] : {std::tuple{"Arial Black", 12.0, "Lato Black"},
                                             {"LCD", 30.0, "DSEG7 Classic"}, {"Impact", 14.25, "Open Sans Condensed"}})
        EXPECT_EQ(QFontInfo(designFont(name, size)).family(), family);
    EXPECT_EQ(designFont("Impact", 14.25).pixelSize(), 19);
}

TEST(HelpViewer, ShowsAWholePageAndRefusesAMissingOrDamagedOne)
{
    QTemporaryDir folder;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QByteArray page =
        "<!DOCTYPE html>\n<html><body><h1>Quorvix</h1><p>Press your buzzer key.</p></body></html>\n";
    const QString whole = write("Solvo.hlp", page);

    HelpViewer help;
    EXPECT_EQ(help.show(folder.filePath("missing.hlp")), HelpShown::Unreadable);
    const QByteArray withNul = QByteArray(page).replace("<p>", QByteArray("\0\x01", 2));
    for (const QByteArray& damaged : {page.left(page.size() / 2), withNul, QByteArray("\xff\xfe<html></html>"),
                                      QByteArray("\x89PNG\r\n\x1a\n"), page + "\xce", QByteArray()}) {
        EXPECT_EQ(help.show(write("damaged.hlp", damaged)), HelpShown::Damaged) << damaged.toStdString();
        EXPECT_EQ(help.window(), nullptr) << "nothing is shown";
    }

    // Over a modal window, the help is a window of the modal one's own, so it takes input.
    QWidget rules;
    rules.setWindowModality(Qt::ApplicationModal);
    rules.show();
    EXPECT_EQ(help.show(whole), HelpShown::Shown);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_TRUE(help.window()->toPlainText().contains("Press your buzzer key."));
    EXPECT_EQ(help.window()->parentWidget(), &rules);
    EXPECT_TRUE(help.window()->isWindow());
}
