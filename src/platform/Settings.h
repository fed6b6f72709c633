// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QSize>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

namespace platform {

// What the game remembers between runs, a value for each key. A value that cannot be used
// is the reader's to replace with its default; reportBadValue says so once, naming the file.
class Settings {
public:
    virtual ~Settings() = default;
    // An invalid QVariant when nothing is stored under `key`.
    virtual QVariant value(const QString& key) const = 0;
    virtual QStringList keys() const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    // Writes what was set, at once, so that a quit straight after it loses nothing.
    virtual void save() {}
    virtual void reportBadValue() {}
};

// A stored yes or no: "true" or "false" in any case, as QSettings writes them; nothing else.
std::optional<bool> storedBool(const QVariant& stored);

// The largest window side stored: no screen is wider.
constexpr int LargestWindowSide = 16384;

// A stored window size, "width height", no smaller than `smallest` and no side beyond
// LargestWindowSide; nothing else.
std::optional<QSize> storedWindowSize(const QVariant& stored, QSize smallest);

// Settings kept in memory only, for a run that must not touch the user's own (the tests and
// the benchmarks). `badValues` counts the values reported as unusable.
class MemorySettings final : public Settings {
public:
    QVariant value(const QString& key) const override { return values.value(key); }
    QStringList keys() const override { return values.keys(); }
    void setValue(const QString& key, const QVariant& value) override { values.insert(key, value); }
    void reportBadValue() override { ++badValues; }

    QVariantMap values;
    int badValues = 0;
};

// The user's own settings: an INI file in the configuration folder ($XDG_CONFIG_HOME, else
// ~/.config), named after the program's reverse-DNS id, org.quorvix.Quorvix.conf. A file
// that cannot be read or written never stops the game: one line on stderr says so. A path
// that holds something other than a regular file (a FIFO, whose reading would never end, a
// device, a folder), or a file larger than any settings file, is neither read nor written:
// the run keeps its choices in memory. The path is looked at once, as the run starts.
class FileSettings final : public Settings {
public:
    // A settings file is a few kilobytes, six names of 1,000 characters included.
    static constexpr qint64 LargestFile = 1 << 20;

    // `fileName` for tests and tools; by default, the user's own file.
    explicit FileSettings(const QString& fileName = QString());
    QVariant value(const QString& key) const override;
    QStringList keys() const override;
    void setValue(const QString& key, const QVariant& value) override;
    void save() override;
    void reportBadValue() override;
    QString fileName() const { return fileName_; }

private:
    void report(const char* problem);

    QString fileName_;
    std::unique_ptr<QSettings> file_;  // none when the path holds no usable file
    QVariantMap memory_;  // the run's choices, when there is no file
    bool reported_ = false;
};

}  // namespace platform
