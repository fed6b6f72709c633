// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Fonts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A font file cut short anywhere, even where it still reads as a font, is refused, and only
// that one: the system's face stands in, where the cut one would leave numbers blank.
TEST(Fonts, AFileCutShortIsRefusedAndOnlyThatOne)
{
    const QDir bundled(QStringLiteral(QUORVIX_DATA_DIR "/fonts"));
    const QStringList files = bundled.entryList(QDir::Files);
    ASSERT_EQ(files.size(), 5);
    for (const QString& cut : files) {
        QFile whole(bundled.filePath(cut));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        for (const qsizetype length : {qsizetype(0), qsizetype(11), bytes.size() / 2, bytes.size() * 9 / 10}) {
            QTemporaryDir appDir;
            QDir(appDir.path()).mkdir(QStringLiteral("fonts"));
            for (const QString& file : files)
                QFile::copy(bundled.filePath(file), appDir.filePath(QStringLiteral("fonts/") + file));
            QFile damaged(appDir.filePath(QStringLiteral("fonts/") + cut));
            ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damaged.write(bytes.first(length));
            damaged.close();
            EXPECT_EQ(platform::registerFonts(appDir.path()), QStringList{damaged.fileName()}) << length;
        }
    }
}
