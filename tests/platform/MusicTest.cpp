// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FluidSynthMusic.h"
#include "platform/MidiFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace platform;

namespace {

const QString piece = QStringLiteral(QUORVIX_DATA_DIR "/Zarvels.mid");  // 12 seconds long

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// FluidSynth's file driver, writing to /dev/null, plays in real time without a sound card.
TEST(FluidSynthMusic, KnowsTheLengthAtOnceAndPlaysInRealTime)
{
    FluidSynthMusic music(FluidSynthMusic::defaultSoundFont(), QStringLiteral("file"), QStringLiteral("/dev/null"));
    music.setDeviceType(QStringLiteral("Sequencer"));
    music.setFileName(piece);
    ASSERT_TRUE(music.open());
    const long length = music.length();
    EXPECT_EQ(length, readMidiLength(contents(piece))->ticks);
    music.play();
    QTest::qWait(400);
    const long played = music.position();
    EXPECT_NEAR(double(played) / length, 0.4 / 12.0, 0.02);
    music.stop();
    QTest::qWait(200);
    EXPECT_EQ(music.position(), played) << "Stop keeps the position";
    music.play();
    QTest::qWait(200);
    EXPECT_GT(music.position(), played) << "and Play goes on from there";
    music.close();
    EXPECT_EQ(std::pair(music.length(), music.position()), std::pair(0L, 0L));
}

TEST(FluidSynthMusic, ReportsEveryReasonItCannotPlay)
{
    QTemporaryDir folder;
    QFile damaged(folder.filePath("damaged.mid"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(contents(piece).left(60));
    damaged.close();
    const QString soundFont = FluidSynthMusic::defaultSoundFont();
    const struct {
        QString soundFont, driver, deviceType, file;
    } failures[] = {
        {soundFont, "file", "Sequencer", folder.filePath("missing.mid")},
        {soundFont, "file", "Sequencer", damaged.fileName()},
        {soundFont, "file", "CDAudio", piece},
        {folder.filePath("none.sf2"), "file", "Sequencer", piece},
        {soundFont, "no-such-driver", "Sequencer", piece},
    };
    for (const auto& f : failures) {
        FluidSynthMusic music(f.soundFont, f.driver, QStringLiteral("/dev/null"));
        music.setDeviceType(f.deviceType);
        music.setFileName(f.file);
        EXPECT_FALSE(music.open()) << f.file.toStdString() << " " << f.driver.toStdString();
        // Commands with nothing open do nothing.
        music.play();
        music.stop();
        music.close();
        EXPECT_EQ(std::pair(music.length(), music.position()), std::pair(0L, 0L));
    }
}
