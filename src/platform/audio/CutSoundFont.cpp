// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/CutSoundFont.h"

#include <QFile>
#include <QtEndian>

#include <fluidsynth.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

namespace {

// A soundfont's numbers are little-endian.
std::uint32_t read16(const char* at)
{
    return qFromLittleEndian<quint16>(at);
}

std::uint32_t read32(const char* at)
{
    return qFromLittleEndian<quint32>(at);
}

void write16(char* at, std::uint32_t value)
{
    qToLittleEndian(quint16(value), at);
}

void write32(char* at, std::uint32_t value)
{
    qToLittleEndian(quint32(value), at);
}

// The nine parts of the preset data, in the order a soundfont must have them, with the size
// of one record of each. Every part ends with a record that only closes it.
enum Part { Presets, PresetZones, PresetModulators, PresetGenerators, Instruments, InstrumentZones,
            InstrumentModulators, InstrumentGenerators, Samples, PartCount };
constexpr const char* partIds[PartCount] = {"phdr", "pbag", "pmod", "pgen", "inst", "ibag", "imod", "igen", "shdr"};
constexpr int recordSizes[PartCount] = {38, 4, 10, 4, 22, 4, 10, 4, 46};

constexpr int instrumentGenerator = 41;  // a preset zone's generator that names its instrument

// One part as records: where they start, their size and how many there are.
struct Records {
    const char* data = nullptr;
    int size = 0;
    int count = 0;  // with the closing record
    const char* at(int i) const { return data + std::ptrdiff_t(i) * size; }
};

// A header part (presets or instruments) with its zones, their generators and modulators:
// the zones of header i are [zoneStart(i), zoneStart(i + 1)).
struct Level {
    Records headers, zones, modulators, generators;
    int zoneIndexAt;  // where a header record holds its first zone's number

    int zoneStart(int header) const { return int(read16(headers.at(header) + zoneIndexAt)); }
    int generatorStart(int zone) const { return int(read16(zones.at(zone))); }
    int modulatorStart(int zone) const { return int(read16(zones.at(zone) + 2)); }

    // Every header's zones, and every zone's generators and modulators, lie in order inside
    // their parts, so that copying by these numbers reads nothing outside.
    bool wellFormed() const
    {
        for (int h = 0; h + 1 < headers.count; ++h) {
            if (zoneStart(h) > zoneStart(h + 1))
                return false;
        }
        if (zoneStart(headers.count - 1) > zones.count - 1)
            return false;
        for (int z = 0; z + 1 < zones.count; ++z) {
            if (generatorStart(z) > generatorStart(z + 1) || modulatorStart(z) > modulatorStart(z + 1))
                return false;
        }
        return generatorStart(zones.count - 1) <= generators.count - 1 &&
               modulatorStart(zones.count - 1) <= modulators.count - 1;
    }
};

// The parts of a cut, filled header by header.
struct CutLevel {
    QByteArray headers, zones, modulators, generators;

    // Copies header h of `level` with its zones, their generators (each passed through
    // `generator` first) and modulators.
    template <typename Generator>
    void copy(const Level& level, int h, Generator generator)
    {
        appendHeader(level, level.headers.at(h));
        for (int z = level.zoneStart(h); z < level.zoneStart(h + 1); ++z) {
            appendZone(level);
            for (int g = level.generatorStart(z); g < level.generatorStart(z + 1); ++g) {
                QByteArray record(level.generators.at(g), level.generators.size);
                generator(record.data());
                generators += record;
            }
            modulators.append(level.modulators.at(level.modulatorStart(z)),
                              (level.modulatorStart(z + 1) - level.modulatorStart(z)) * level.modulators.size);
        }
    }

    // The closing records, each numbering the end of the part it points into.
    void close(const Level& level)
    {
        appendHeader(level, level.headers.at(level.headers.count - 1));
        appendZone(level);
        generators.append(level.generators.at(level.generators.count - 1), level.generators.size);
        modulators.append(level.modulators.at(level.modulators.count - 1), level.modulators.size);
    }

private:
    // A header whose zones start with the next zone of the cut.
    void appendHeader(const Level& level, const char* original)
    {
        QByteArray header(original, level.headers.size);
        write16(header.data() + level.zoneIndexAt, std::uint32_t(zones.size() / level.zones.size));
        headers += header;
    }
    // A zone whose generators and modulators start with the next ones of the cut.
    void appendZone(const Level& level)
    {
        char zone[4];
        write16(zone, std::uint32_t(generators.size() / level.generators.size));
        write16(zone + 2, std::uint32_t(modulators.size() / level.modulators.size));
        zones.append(zone, 4);
    }
};

void appendPart(QByteArray& list, int part, const QByteArray& records)
{
    char header[8];
    std::memcpy(header, partIds[part], 4);
    write32(header + 4, std::uint32_t(records.size()));
    list.append(header, 8);
    list += records;
}

}  // namespace

std::optional<QByteArray> cutPresetData(const QByteArray& presetData, const std::set<MidiInstrument>& presets)
{
    const char* data = presetData.constData();
    const qsizetype size = presetData.size();
    if (size < 12 || std::memcmp(data, "LIST", 4) != 0 || std::memcmp(data + 8, "pdta", 4) != 0 ||
        read32(data + 4) != std::uint32_t(size - 8))
        return std::nullopt;
    Records parts[PartCount];
    qsizetype at = 12;
    for (int part = 0; part < PartCount; ++part) {
        if (size - at < 8 || std::memcmp(data + at, partIds[part], 4) != 0)
            return std::nullopt;
        const std::uint32_t length = read32(data + at + 4);
        if (length > std::uint32_t(size - at - 8) || length % recordSizes[part] != 0 || length == 0 ||
            length / recordSizes[part] > 0xFFFF + 1)
            return std::nullopt;
        parts[part] = {data + at + 8, recordSizes[part], int(length / recordSizes[part])};
        at += 8 + qsizetype(length);
    }
    const Level presetLevel{parts[Presets], parts[PresetZones], parts[PresetModulators], parts[PresetGenerators], 24};
    const Level instrumentLevel{parts[Instruments], parts[InstrumentZones], parts[InstrumentModulators],
                                parts[InstrumentGenerators], 20};
    if (!presetLevel.wellFormed() || !instrumentLevel.wellFormed())
        return std::nullopt;

    // The presets kept, and the instruments they use in the order first used.
    std::vector<int> kept;
    std::map<int, int> newInstrument;
    std::vector<int> instruments;
    for (int p = 0; p + 1 < presetLevel.headers.count; ++p) {
        const char* header = presetLevel.headers.at(p);
        if (presets.count({int(read16(header + 22)), int(read16(header + 20))}) == 0)
            continue;
        kept.push_back(p);
        for (int z = presetLevel.zoneStart(p); z < presetLevel.zoneStart(p + 1); ++z) {
            for (int g = presetLevel.generatorStart(z); g < presetLevel.generatorStart(z + 1); ++g) {
                const char* generator = presetLevel.generators.at(g);
                if (read16(generator) != instrumentGenerator)
                    continue;
                const int instrument = int(read16(generator + 2));
                if (instrument >= instrumentLevel.headers.count - 1)
                    return std::nullopt;
                if (newInstrument.emplace(instrument, int(instruments.size())).second)
                    instruments.push_back(instrument);
            }
        }
    }
    if (kept.empty())
        return std::nullopt;

    CutLevel cutPresets, cutInstruments;
    for (const int p : kept) {
        cutPresets.copy(presetLevel, p, [&](char* generator) {
            if (read16(generator) == instrumentGenerator)
                write16(generator + 2, std::uint32_t(newInstrument.at(int(read16(generator + 2)))));
        });
    }
    cutPresets.close(presetLevel);
    for (const int i : instruments)
        cutInstruments.copy(instrumentLevel, i, [](char*) {});
    cutInstruments.close(instrumentLevel);

    QByteArray list("LIST\0\0\0\0pdta", 12);
    appendPart(list, Presets, cutPresets.headers);
    appendPart(list, PresetZones, cutPresets.zones);
    appendPart(list, PresetModulators, cutPresets.modulators);
    appendPart(list, PresetGenerators, cutPresets.generators);
    appendPart(list, Instruments, cutInstruments.headers);
    appendPart(list, InstrumentZones, cutInstruments.zones);
    appendPart(list, InstrumentModulators, cutInstruments.modulators);
    appendPart(list, InstrumentGenerators, cutInstruments.generators);
    appendPart(list, Samples, QByteArray(parts[Samples].data, parts[Samples].count * parts[Samples].size));
    write32(list.data() + 4, std::uint32_t(list.size() - 8));
    return list;
}

namespace {

// A cut as FluidSynth reads it: the file up to its preset data, with the size in its first
// chunk header made the cut's, then the cut preset data.
struct Cut {
    QString path;
    QByteArray start;  // the file's first 12 bytes, its size the cut's
    qint64 presetDataAt = 0;
    QByteArray presetData;

    qint64 size() const { return presetDataAt + presetData.size(); }
};

std::mutex cutsLock;
std::map<QByteArray, std::shared_ptr<const Cut>>& cuts()
{
    static std::map<QByteArray, std::shared_ptr<const Cut>> registered;
    return registered;
}

struct OpenCut {
    std::shared_ptr<const Cut> cut;
    QFile file;
    qint64 position = 0;
};

// FluidSynth opens a soundfont again to read a preset's samples when the preset is first
// chosen, in its audio thread: the cuts are shared under a lock, and each opening reads
// through a file of its own.
void* openCut(const char* name)
{
    std::shared_ptr<const Cut> cut;
    {
        const std::lock_guard lock(cutsLock);
        const auto found = cuts().find(QByteArray(name));
        if (found == cuts().end())
            return nullptr;
        cut = found->second;
    }
    auto open = std::make_unique<OpenCut>();
    open->cut = cut;
    open->file.setFileName(cut->path);
    if (!open->file.open(QIODevice::ReadOnly))
        return nullptr;
    return open.release();
}

int readCut(void* buffer, fluid_long_long_t count, void* handle)
{
    auto& open = *static_cast<OpenCut*>(handle);
    const Cut& cut = *open.cut;
    if (count < 0 || count > cut.size() - open.position)
        return FLUID_FAILED;
    QByteArray bytes(qsizetype(count), Qt::Uninitialized);
    const qint64 fromFile = std::min<qint64>(count, std::max<qint64>(0, cut.presetDataAt - open.position));
    if (fromFile > 0 && (!open.file.seek(open.position) || open.file.read(bytes.data(), fromFile) != fromFile))
        return FLUID_FAILED;
    for (qint64 i = open.position; i < std::min<qint64>(open.position + count, cut.start.size()); ++i)
        bytes[qsizetype(i - open.position)] = cut.start[qsizetype(i)];
    if (count > fromFile) {
        const qint64 from = open.position + fromFile - cut.presetDataAt;
        std::memcpy(bytes.data() + fromFile, cut.presetData.constData() + from, std::size_t(count - fromFile));
    }
    std::memcpy(buffer, bytes.constData(), std::size_t(count));
    open.position += count;
    return FLUID_OK;
}

int seekCut(void* handle, fluid_long_long_t offset, int origin)
{
    auto& open = *static_cast<OpenCut*>(handle);
    const qint64 base = origin == SEEK_SET ? 0 : origin == SEEK_CUR ? open.position : open.cut->size();
    if (origin != SEEK_SET && origin != SEEK_CUR && origin != SEEK_END)
        return FLUID_FAILED;
    const qint64 position = base + offset;
    if (position < 0 || position > open.cut->size())
        return FLUID_FAILED;
    open.position = position;
    return FLUID_OK;
}

fluid_long_long_t tellCut(void* handle)
{
    return static_cast<OpenCut*>(handle)->position;
}

int closeCut(void* handle)
{
    delete static_cast<OpenCut*>(handle);
    return FLUID_OK;
}

// Where the preset data list starts in the soundfont `file` and how long it is, if it is the
// file's last chunk.
std::optional<std::pair<qint64, qint64>> presetDataOf(QFile& file)
{
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8) != "sfbk")
        return std::nullopt;
    const qint64 end = file.size();
    for (qint64 at = 12; end - at >= 12;) {
        if (!file.seek(at))
            return std::nullopt;
        const QByteArray chunk = file.read(12);
        if (chunk.size() < 12)
            return std::nullopt;
        const qint64 length = 8 + qint64(read32(chunk.constData() + 4));
        if (chunk.startsWith("LIST") && chunk.mid(8) == "pdta")
            return end - at - length <= 1 ? std::optional(std::pair(at, length)) : std::nullopt;
        at += length + (length & 1);
    }
    return std::nullopt;
}

}  // namespace

void addCutSoundFontLoader(fluid_synth_t* synth)
{
    fluid_sfloader_t* loader = new_fluid_defsfloader(fluid_synth_get_settings(synth));
    if (!loader)
        return;
    fluid_sfloader_set_callbacks(loader, openCut, readCut, seekCut, tellCut, closeCut);
    fluid_synth_add_sfloader(synth, loader);
}

CutSoundFont::CutSoundFont(const QString& path, const std::set<MidiInstrument>& presets)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const auto place = presetDataOf(file);
    if (!place || place->second > (qint64(1) << 24) || !file.seek(place->first))
        return;
    auto cut = std::make_shared<Cut>();
    const auto presetData = cutPresetData(file.read(place->second), presets);
    if (!presetData || !file.seek(0))
        return;
    cut->path = path;
    cut->presetDataAt = place->first;
    cut->presetData = *presetData;
    cut->start = file.read(12);
    write32(cut->start.data() + 4, std::uint32_t(cut->size() - 8));

    static std::atomic<int> serial = 0;
    name_ = QFile::encodeName(path) + "#cut" + QByteArray::number(++serial);
    const std::lock_guard lock(cutsLock);
    cuts()[name_] = std::move(cut);
}

CutSoundFont::~CutSoundFont()
{
    if (name_.isEmpty())
        return;
    const std::lock_guard lock(cutsLock);
    cuts().erase(name_);
}

}  // namespace platform
