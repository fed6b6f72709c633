// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace platform {

std::optional<bool> storedBool(const QVariant& stored)
{
    const QString text = stored.toString().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("false"))
        return text == QLatin1String("true");
    return std::nullopt;
}

std::optional<QSize> storedWindowSize(const QVariant& stored, QSize smallest)
{
    const QStringList sides = stored.toString().split(u' ');
    if (sides.size() != 2)
        return std::nullopt;
    bool widthRead = false, heightRead = false;
    const QSize size(sides[0].toInt(&widthRead), sides[1].toInt(&heightRead));
    if (!widthRead || !heightRead || size.width() < smallest.width() || size.height() < smallest.height() ||
        size.width() > LargestWindowSide || size.height() > LargestWindowSide)
        return std::nullopt;
    return size;
}

FileSettings::FileSettings(const QString& fileName)
    : fileName_(fileName.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                         QStringLiteral("/org.quorvix.Quorvix.conf")
                                   : fileName)
{
    const QFileInfo file(fileName_);
    if (file.exists() && (!file.isFile() || file.size() > LargestFile)) {
        report("is not a regular file of at most 1 MB, the defaults stand in and nothing is written to it");
        return;
    }
    file_ = std::make_unique<QSettings>(fileName_, QSettings::IniFormat);
    if (file_->status() != QSettings::NoError)
        report("cannot be read, the defaults stand in");
}

QVariant FileSettings::value(const QString& key) const
{
    return file_ ? file_->value(key) : memory_.value(key);
}

QStringList FileSettings::keys() const
{
    return file_ ? file_->allKeys() : memory_.keys();
}

void FileSettings::setValue(const QString& key, const QVariant& value)
{
    if (file_)
        file_->setValue(key, value);
    else
        memory_.insert(key, value);
}

void FileSettings::save()
{
    if (!file_)
        return;
    file_->sync();
    if (file_->status() == QSettings::AccessError)
        report("cannot be written, this run's choices will be forgotten");
}

void FileSettings::reportBadValue()
{
    report("holds values the game cannot use, their defaults stand in");
}

void FileSettings::report(const char* problem)
{
    if (reported_)
        return;
    reported_ = true;
    std::fprintf(stderr, "quorvix: the settings file %s %s\n", qPrintable(fileName_), problem);
}

}  // namespace platform
