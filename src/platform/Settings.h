// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

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
// that cannot be read or written never stops the game: one line on stderr says so.
class FileSettings final : public Settings {
public:
    // `fileName` for tests and tools; by default, the user's own file.
    explicit FileSettings(const QString& fileName = QString());
    QVariant value(const QString& key) const override;
    QStringList keys() const override { return settings_.allKeys(); }
    void setValue(const QString& key, const QVariant& value) override;
    void save() override;
    void reportBadValue() override;
    QString fileName() const { return settings_.fileName(); }

private:
    void report(const char* problem);

    QSettings settings_;
    bool reported_ = false;
};

}  // namespace platform
