// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

constexpr const char* dataFiles[] = {
    "Solvo.hlp",
    "Zarvell.mid",
    "Zarvelm.mid",
    "Zarvels.mid",
    "fonts/Lato-Black.ttf",
    "fonts/Lato-Regular.ttf",
    "fonts/OpenSans-CondBold.ttf",
    "fonts/DSEG7Classic-Regular.ttf",
    "fonts/LeagueSpartan-Bold.otf",
};

}  // namespace

QString dataFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    if (QFileInfo::exists(program.filePath(QStringLiteral("Solvo.hlp"))))
        return program.path();
    return QDir::cleanPath(program.filePath(QStringLiteral(QUORVIX_DATA_FROM_PROGRAM)));
}

QStringList missingDataFiles(const QString& folder)
{
    QStringList missing;
    for (const char* file : dataFiles) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(file));
        if (!QFileInfo::exists(path))
            missing << path;
    }
    return missing;
}

std::optional<QByteArray> readWholeFile(const QString& path, qint64 largest)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read one byte past the limit, so that a file that grew since it was looked at is caught too.
    QByteArray bytes = file.read(largest + 1);
    if (bytes.size() > largest)
        bytes.clear();
    return bytes;
}

}  // namespace platform
