// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Choices.h"
#include "platform/input/ControllerButton.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

TEST(FileSettings, ADamagedUnreadableOrUnwritableFileOrNoRegularFileGivesTheDefaultsAndOneLineOnStderr)
{
    // A reader that waits for ever (on a FIFO) ends the test program instead of hanging it.
    alarm(20);
    QTemporaryDir folder;
    // Settings the game could use, but more of them than any settings file holds.
    const QByteArray tooLarge = "[game]\nrounds=7\n; " + QByteArray(platform::FileSettings::LargestFile, 'x');
    const struct {
        QString path;
        QByteArray contents;  // none: a folder stands where the file should be
    } files[] = {
        {folder.filePath("noise.conf"), QByteArray("\x00\xff\xfe[[[=\n\x01\x02\n=", 13)},
        {folder.filePath("ranges.conf"), "[game]\nrounds=5000\ndifficulty=7\nmusic=perhaps\n[rules]\nturnsAllowed=-3\n"
                                         "[players]\n1\\name=" + QByteArray(10001, 'a') + "\n2\\playing=1,2\n"},
        {folder.filePath("zero.conf"), "[game]\nrounds=0\n[rules]\nidleSeconds=0\nturnSeconds=40000\n"},
        {folder.filePath("folder.conf"), {}},
        {"/dev/null/quorvix.conf", "unwritable"},
        // A button beyond any device's, on the second place; a copy beyond any room's, on the third.
        {folder.filePath("buttons.conf"), "[players]\n2\\button=030000005e0400008e02000010010000 0 2147483647\n"
                                          "3\\button=030000005e0400008e02000010010000 64 0\n"},
        // Neither read nor written. No device here: a reader that writes its settings back
        // would put a file in the device's place.
        {folder.filePath("fifo.conf"), "FIFO"},
        {folder.filePath("large.conf"), tooLarge},
    };
    for (const auto& file : files) {
        if (file.contents.isEmpty()) {
            QDir(folder.path()).mkdir("folder.conf");
        } else if (file.contents == "FIFO") {
            ASSERT_EQ(mkfifo(QFile::encodeName(file.path).constData(), 0600), 0);
        } else if (!file.path.startsWith("/dev/null")) {
            QFile written(file.path);
            ASSERT_TRUE(written.open(QIODevice::WriteOnly));
            written.write(file.contents);
        }
        testing::internal::CaptureStderr();
        platform::FileSettings settings(file.path);
        const core::Choices choices = core::readChoices(settings);
        core::writeChoices(choices, settings);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(choices == core::Choices{}) << file.path.toStdString();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << file.path.toStdString() << ": " << said;
        EXPECT_NE(said.find(file.path.toStdString()), std::string::npos) << said;
    }
    alarm(0);
    QFile large(folder.filePath("large.conf"));
    ASSERT_TRUE(large.open(QIODevice::ReadOnly));
    EXPECT_EQ(large.readAll(), tooLarge) << "left as it was";
}

TEST(StoredValues, AButtonAndAWindowSizeAreTakenUpToTheirBoundsAndNoFurther)
{
    const QString kind = "030000005e0400008e02000010010000";
    for (const auto& [stored, taken] : {std::pair{kind + " 63 1023", true}, {kind.toUpper() + " 0 0", true},
                                        {kind + " 64 0", false}, {kind + " 0 1024", false}, {kind + " -1 0", false},
                                        {"g" + kind.mid(1) + " 0 0", false}, {kind.left(31) + " 0 0", false}})
        EXPECT_EQ(platform::ControllerButton::fromText(stored).isValid(), taken) << stored.toStdString();
    const QSize smallest(352, 348);
    for (const auto& [stored, taken] : {std::pair{"352 348", true}, {"16384 16384", true}, {"16385 400", false},
                                        {"351 400", false}, {"400 400 400", false}, {"400 4x0", false}})
        EXPECT_EQ(platform::storedWindowSize(QString(stored), smallest).has_value(), taken) << stored;
}
