// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file as the game reads it, on any text: through QSettings' own INI reader into
// the players' choices and the windows' sizes. Every value that comes out is within what it
// can mean, and the choices written back and read again are the same choices.
#include "core/Choices.h"
#include "core/RuleCheck.h"
#include "platform/input/ControllerButton.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

void checkBounds(const core::Choices& choices)
{
    check(choices.rounds >= 1 && choices.rounds <= 999 && choices.difficulty >= 0 && choices.difficulty <= 2);
    const std::int16_t values[core::RuleCount] = {choices.rules.turnsAllowed, choices.rules.turnSeconds,
                                                  choices.rules.idleSeconds, choices.rules.cancelsAllowed,
                                                  choices.rules.stopsAllowed};
    for (int row = 0; row < core::RuleCount; ++row)
        check(values[row] >= core::rules[row].smallest);
    for (int place = 0; place < core::PlayerCount; ++place) {
        check(choices.names[place].size() <= core::LongestName);
        const auto button = platform::ControllerButton::fromText(choices.buttons[place]);
        check(choices.buttons[place].isEmpty() ||
              (button.isValid() && button.copy <= platform::ControllerButton::LargestCopy &&
               button.button <= platform::ControllerButton::LargestButton));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // In memory where there is a place for it: QSettings flushes every file it writes to disk.
    static QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                    ? QStringLiteral("/dev/shm/quorvix-fuzz-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/quorvix-fuzz-XXXXXX"));
    // The same two names for every input, so that QSettings' cache of the files it has read
    // holds the same two entries: a file read with no change pending is always read afresh,
    // and the written one is removed before it is written again.
    static const QString readName = folder.filePath(QStringLiteral("read.conf"));
    static const QString writtenName = folder.filePath(QStringLiteral("written.conf"));
    {
        QFile file(readName);
        check(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    core::Choices choices;
    {
        platform::FileSettings settings(readName);
        choices = core::readChoices(settings);
        checkBounds(choices);
        const QSize smallest(352, 348);
        for (const QString& key : settings.keys()) {
            if (const auto stored = platform::storedWindowSize(settings.value(key), smallest))
                check(stored->width() >= smallest.width() && stored->height() >= smallest.height() &&
                      stored->width() <= platform::LargestWindowSide &&
                      stored->height() <= platform::LargestWindowSide);
        }
    }
    {
        platform::FileSettings written(writtenName);
        core::writeChoices(choices, written);
    }
    {
        platform::FileSettings again(writtenName);
        check(core::readChoices(again) == choices);
    }
    QFile::remove(readName);
    QFile::remove(writtenName);
    return 0;
}
