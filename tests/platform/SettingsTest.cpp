// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Choices.h"
#include "platform/Controllers.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

TEST(FileSettings, ADamagedUnreadableOrUnwritableFileGivesTheDefaultsAndOneLineOnStderr)
{
    QTemporaryDir folder;
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
    };
    for (const auto& file : files) {
        if (file.contents.isEmpty()) {
            QDir(folder.path()).mkdir("folder.conf");
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
}

TEST(StoredValues, EachIsTakenOnlyWithinWhatItCanMean)
{
    const QString kind = "030000005e0400008e02000010010000";
    const struct {
        QString stored;
        bool taken;
    } buttons[] = {
        {kind + " 0 0", true},         {kind + " 63 1023", true},     {kind.toUpper() + " 1 2", true},
        {kind + " 64 0", false},       {kind + " 0 1024", false},     {kind + " 0 2147483647", false},
        {kind + " -1 0", false},       {kind + " 0 -1", false},       {"g" + kind.mid(1) + " 0 0", false},
        {kind.left(31) + " 0 0", false}, {kind + " 0 1 2", false},    {kind + "  0 1", false},
    };
    for (const auto& button : buttons)
        EXPECT_EQ(platform::ControllerButton::fromText(button.stored).isValid(), button.taken)
            << button.stored.toStdString();

    const QSize smallest(352, 348);
    const struct {
        QString stored;
        std::optional<QSize> taken;
    } sizes[] = {
        {"352 348", smallest},     {"16384 16384", QSize(16384, 16384)}, {"16385 400", std::nullopt},
        {"351 400", std::nullopt}, {"400", std::nullopt},                {"400 400 400", std::nullopt},
        {"400 4x0", std::nullopt}, {"-400 -400", std::nullopt},          {"4294967696 400", std::nullopt},
    };
    for (const auto& size : sizes)
        EXPECT_EQ(platform::storedWindowSize(size.stored, smallest), size.taken) << size.stored.toStdString();
}

// Reads `path` as the game would start with it, in a process of its own that may not take
// more than a few seconds: a reader that waits for ever, or reads without end, fails.
[[noreturn]] void startWithSettings(const QString& path)
{
    alarm(10);
    platform::FileSettings settings(path);
    const core::Choices choices = core::readChoices(settings);
    core::writeChoices(choices, settings);
    std::_Exit(choices == core::Choices{} ? 0 : 1);
}

TEST(FileSettings, APathThatHoldsNoRegularFileOrAFileTooLargeIsNeitherReadNorWritten)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir folder;
    // No device here: a reader that writes its settings back would put a file in its place.
    const QString fifo = folder.filePath("fifo.conf"), large = folder.filePath("large.conf");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Settings the game could use, but more of them than any settings file holds.
    QByteArray tooLarge = "[game]\nrounds=7\n";
    tooLarge += "; " + QByteArray(platform::FileSettings::LargestFile, 'x') + "\n";
    {
        QFile file(large);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(tooLarge) == tooLarge.size());
    }
    for (const QString& path : {fifo, large})
        EXPECT_EXIT(startWithSettings(path), testing::ExitedWithCode(0), "is not a regular file of at most 1 MB")
            << path.toStdString();
    EXPECT_TRUE(QFileInfo(fifo).isFile() == false && QFileInfo(fifo).exists());
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), tooLarge) << "left as it was";
}
