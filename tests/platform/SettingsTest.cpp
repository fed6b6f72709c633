// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Choices.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

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
