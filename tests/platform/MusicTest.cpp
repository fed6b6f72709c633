// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/CutSoundFont.h"
#include "platform/audio/FluidSynthMusic.h"
#include "platform/audio/MidiFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

using namespace platform;

namespace {

const QString piece = QStringLiteral(QUORVIX_DATA_DIR "/Zarvels.mid");  // 12 seconds long

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The loudest sample FluidSynth's file driver has written to `path` so far (raw 16-bit audio).
int loudest(const QString& path)
{
    const QByteArray audio = contents(path);
    const auto* samples = reinterpret_cast<const qint16*>(audio.constData());
    int peak = 0;
    for (qsizetype i = 0; i < audio.size() / 2; ++i)
        peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

}  // namespace

// FluidSynth's file driver plays in real time without a sound card. A muted piece plays no
// note; the event sounds play over it, and on after it has closed.
TEST(FluidSynthMusic, KnowsTheLengthAtOncePlaysInRealTimeAndTheEventSoundsOverAMutedPieceAndAfterIt)
{
    QTemporaryDir folder;
    const QString audio = folder.filePath("audio.raw");
    FluidSynthMusic music(FluidSynthMusic::defaultSoundFont(), QStringLiteral("file"), audio);
    music.playSound(GameSound::Buzz);  // nothing open: nothing happens
    music.setDeviceType(QStringLiteral("Sequencer"));
    music.setFileName(piece);
    music.setMute(true);
    ASSERT_TRUE(music.open());
    const long length = music.length();
    EXPECT_EQ(length, readMidiPiece(contents(piece))->ticks);
    music.play();
    QTest::qWait(400);
    const long played = music.position();
    EXPECT_NEAR(double(played) / length, 0.4 / 12.0, 0.02);
    music.stop();
    QTest::qWait(200);
    EXPECT_EQ(music.position(), played) << "Stop keeps the position";
    music.play();
    QTest::qWait(200);
    EXPECT_GT(music.position(), played) << "and Play goes on from there";
    EXPECT_LT(loudest(audio), 100);
    ASSERT_TRUE(music.openSounds());
    music.close();
    EXPECT_EQ(std::pair(music.length(), music.position()), std::pair(0L, 0L));
    QTest::qWait(100);
    EXPECT_LT(loudest(audio), 100);
    music.playSound(GameSound::Buzz);
    QTest::qWait(300);
    music.closeSounds();
    EXPECT_GT(loudest(audio), 3000);
}

TEST(FluidSynthMusic, ReportsEveryReasonItCannotPlay)
{
    QTemporaryDir folder;
    QFile damaged(folder.filePath("damaged.mid"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(contents(piece).left(60));
    damaged.close();
    const QString soundFont = FluidSynthMusic::defaultSoundFont();
    const struct {
        QString soundFont, driver, deviceType, file;
    } failures[] = {
        {soundFont, "file", "Sequencer", folder.filePath("missing.mid")},
        {soundFont, "file", "Sequencer", damaged.fileName()},
        {soundFont, "file", "CDAudio", piece},
        {folder.filePath("none.sf2"), "file", "Sequencer", piece},
        {soundFont, "no-such-driver", "Sequencer", piece},
    };
    for (const auto& f : failures) {
        FluidSynthMusic music(f.soundFont, f.driver, QStringLiteral("/dev/null"));
        music.setDeviceType(f.deviceType);
        music.setFileName(f.file);
        EXPECT_FALSE(music.open()) << f.file.toStdString() << " " << f.driver.toStdString();
        EXPECT_EQ(music.openSounds(), f.soundFont == soundFont && f.driver == "file")
            << "the sounds need the soundfont and the driver, not the piece";
        // Commands with nothing open do nothing.
        music.play();
        music.stop();
        music.close();
        EXPECT_EQ(std::pair(music.length(), music.position()), std::pair(0L, 0L));
    }
}

// A soundfont cut down to the pieces' instruments holds exactly those presets, and each
// sounds sample for sample as it does from the whole soundfont, its samples read when it is
// first chosen as a piece's instruments are.
TEST(CutSoundFont, HoldsThePiecesInstrumentsAndEachSoundsAsInTheWholeSoundFont)
{
    std::set<MidiInstrument> instruments;
    for (const char* name : {"Zarvels.mid", "Zarvelm.mid", "Zarvell.mid"}) {
        const auto midi = readMidiPiece(contents(QStringLiteral(QUORVIX_DATA_DIR "/") + QLatin1String(name)));
        ASSERT_TRUE(midi);
        instruments.insert(midi->instruments.begin(), midi->instruments.end());
    }
    ASSERT_GT(instruments.size(), 4u) << "each piece's lead, the bass, the piano and the drums";

    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_synth_t* whole = new_fluid_synth(settings);
    fluid_synth_t* cutDown = new_fluid_synth(settings);
    addCutSoundFontLoader(cutDown);
    const QString soundFont = FluidSynthMusic::defaultSoundFont();
    const CutSoundFont cut(soundFont, instruments);
    ASSERT_FALSE(cut.isEmpty());
    const int wholeId = fluid_synth_sfload(whole, QFile::encodeName(soundFont).constData(), 1);
    const int cutId = fluid_synth_sfload(cutDown, cut.name().constData(), 1);
    ASSERT_NE(wholeId, FLUID_FAILED);
    ASSERT_NE(cutId, FLUID_FAILED);

    std::set<MidiInstrument> held;
    fluid_sfont_t* font = fluid_synth_get_sfont_by_id(cutDown, cutId);
    fluid_sfont_iteration_start(font);
    while (fluid_preset_t* preset = fluid_sfont_iteration_next(font))
        held.insert({fluid_preset_get_banknum(preset), fluid_preset_get_num(preset)});
    EXPECT_EQ(held, instruments);

    const auto sound = [](fluid_synth_t* synth, int id, MidiInstrument instrument) {
        const int channel = instrument.bank == 128 ? 9 : 0;
        fluid_synth_program_select(synth, channel, id, unsigned(instrument.bank), unsigned(instrument.program));
        std::vector<float> left(8192), right(8192);
        for (const int key : {36, 42, 60, 84})
            fluid_synth_noteon(synth, channel, key, 100);
        fluid_synth_write_float(synth, 4096, left.data(), 0, 1, right.data(), 0, 1);
        fluid_synth_all_notes_off(synth, channel);
        fluid_synth_write_float(synth, 4096, left.data(), 4096, 1, right.data(), 4096, 1);
        fluid_synth_all_sounds_off(synth, -1);
        left.insert(left.end(), right.begin(), right.end());
        return left;
    };
    for (const MidiInstrument& instrument : instruments) {
        const auto expected = sound(whole, wholeId, instrument);
        EXPECT_NE(std::count(expected.begin(), expected.end(), 0.0f), std::ptrdiff_t(expected.size()));
        EXPECT_EQ(sound(cutDown, cutId, instrument), expected) << instrument.bank << ":" << instrument.program;
    }
    delete_fluid_synth(cutDown);
    delete_fluid_synth(whole);
    delete_fluid_settings(settings);
}
