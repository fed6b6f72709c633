// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace platform {

// The folder that holds the game's data files (fonts, help, music): beside the program in
// the build tree, and share/quorvix under the prefix it was installed to.
QString dataFolder();

// The data files the game expects in `folder` that are not there.
QStringList missingDataFiles(const QString& folder);

// The whole of a data file; nothing when it cannot be opened or is not a regular file (a
// FIFO in its place would block the reader for ever). A file larger than `largest` bytes
// is not read: it gives no bytes, which every reader of the game's files refuses as damage.
std::optional<QByteArray> readWholeFile(const QString& path, qint64 largest);

}  // namespace platform
