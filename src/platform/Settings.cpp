// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Settings.h"

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

FileSettings::FileSettings(const QString& fileName)
    : settings_(fileName.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                         QStringLiteral("/org.quorvix.Quorvix.conf")
                                   : fileName,
                QSettings::IniFormat)
{
    if (settings_.status() != QSettings::NoError)
        report("cannot be read, the defaults stand in");
}

QVariant FileSettings::value(const QString& key) const
{
    return settings_.value(key);
}

void FileSettings::setValue(const QString& key, const QVariant& value)
{
    settings_.setValue(key, value);
}

void FileSettings::save()
{
    settings_.sync();
    if (settings_.status() == QSettings::AccessError)
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
    std::fprintf(stderr, "quorvix: the settings file %s %s\n", qPrintable(settings_.fileName()), problem);
}

}  // namespace platform
