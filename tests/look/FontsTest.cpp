// SPDX-License-Identifier: GPL-3.0-or-later
#include "look/Fonts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

// A font file cut short anywhere, even where it still reads as a font, or no file at all, is
// refused, and only that one: the system's face stands in, where the cut one would leave
// numbers blank.
TEST(Fonts, AFileCutShortOrNoFileAtAllIsRefusedAndOnlyThatOne)
{
    const QDir bundled(QStringLiteral(QUORVIX_DATA_DIR "/fonts"));
    const QStringList files = bundled.entryList(QDir::Files);
    ASSERT_EQ(files.size(), 5);
    // Beside the cuts (-1), a FIFO in the font's place, which a reader would wait on for ever:
    // the alarm ends the test program rather than let it hang.
    alarm(20);
    for (const QString& cut : files) {
        QFile whole(bundled.filePath(cut));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        for (const qsizetype length :
             {qsizetype(-1), qsizetype(0), qsizetype(11), bytes.size() / 2, bytes.size() * 9 / 10}) {
            QTemporaryDir dataFolder;
            QDir(dataFolder.path()).mkdir(QStringLiteral("fonts"));
            for (const QString& file : files)
                QFile::copy(bundled.filePath(file), dataFolder.filePath(QStringLiteral("fonts/") + file));
            QFile damaged(dataFolder.filePath(QStringLiteral("fonts/") + cut));
            if (length < 0) {
                ASSERT_TRUE(damaged.remove() && mkfifo(QFile::encodeName(damaged.fileName()).constData(), 0600) == 0);
            } else {
                ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
                damaged.write(bytes.first(length));
                damaged.close();
            }
            EXPECT_EQ(look::registerFonts(dataFolder.path()), QStringList{damaged.fileName()}) << length;
        }
    }
    alarm(0);
}
