// SPDX-License-Identifier: GPL-3.0-or-later
// The game's windows, headless, with the real services: the finder window's own time to a
// solution (the search with the window's events let run between attempts, from the modal
// show to the solution shown), and a full repaint of the board on a 4K screen.
#include "app/Program.h"
#include "app/ProgramServices.h"
#include "core/Game.h"
#include "core/puzzle/Target.h"
#include "platform/audio/MusicDevice.h"
#include "platform/input/PadNavigator.h"
#include "platform/Settings.h"
#include "windows/finder/FinderWindow.h"
#include "windows/play/PlayWindow.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

namespace {

// The services the program runs with, but silent and remembering nothing.
using RealServices = ProgramServices<platform::SilentMusicDevice, platform::MemorySettings>;

void FinderWindowToSolution(benchmark::State& state)
{
    RealServices real{QString()};
    platform::RandomSource& random = real.random;
    core::Game game;
    Program program(real.services, game);
    FinderWindow& finder = program.finderWindow();

    // Exit as soon as the search has shown its solution.
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (finder.isVisible() && !finder.isSearching())
            finder.hide();
    });
    watcher.start(0);

    std::vector<double> milliseconds;
    for (auto _ : state) {
        core::Deal numbers{};
        for (int k = 0; k < core::DealSize; ++k)
            numbers[k] = core::dealNumber(k, random);
        std::optional<int> target;
        while (!(target = core::candidateTarget(numbers, random, [] {}))) {
        }
        finder.prepareSearch(numbers, *target);
        const auto start = std::chrono::steady_clock::now();
        finder.showModal();
        milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["ms_median"] = milliseconds[milliseconds.size() / 2];
    state.counters["ms_p99"] = milliseconds[milliseconds.size() * 99 / 100];
}
BENCHMARK(FinderWindowToSolution)->Iterations(2000)->Unit(benchmark::kMillisecond);

// Every element of the board painted again into the back buffer at 3840 x 2160 device
// pixels, and the whole back buffer copied to the window: the most any change can cost.
void BoardRepaintAt4K(benchmark::State& state)
{
    RealServices real{QString()};
    core::Game game;
    game.playing = {true, true};
    Program program(real.services, game);
    PlayWindow& play = program.playWindow();
    play.show();
    play.resize((QSizeF(3840, 2160) / play.devicePixelRatioF()).toSize());
    for (auto _ : state) {
        play.prepareRound();
        play.repaint();
    }
    state.counters["back_buffer_pixels"] = play.backBuffer().width() * play.backBuffer().height();
}
BENCHMARK(BoardRepaintAt4K)->Unit(benchmark::kMillisecond);

// What the controllers add to each buzzer poll, with four pads plugged in and a button of
// each assigned to a place: reading the devices, then a look at every place's button. Then the
// same poll with the pads' navigation read as a round of pad players reads it: every fourth
// tick (the pads' poll runs at 40 ms, the buzzer poll at 10 ms) the pads' d-pads, sticks and
// buttons are read and turned into presses, on the devices the buzzer poll has just read.
// `ratio` is the second's time per tick over the first's, measured in the same run.
void BuzzerPollWithFourControllers(benchmark::State& state)
{
    qputenv("QUORVIX_VIRTUAL_PADS", "4");
    platform::SdlControllers controllers;
    qunsetenv("QUORVIX_VIRTUAL_PADS");
    controllers.pump();
    char kind[33];
    SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(0), kind, sizeof kind);
    std::array<platform::ControllerButton, 6> buttons{};
    for (int place = 0; place < 4; ++place)
        buttons[place] = {QString::fromLatin1(kind), place, place};
    platform::PadNavigator navigator;
    int down = 0;
    const auto poll = [&](bool withPads, int tick) {
        controllers.pump();
        for (const auto& button : buttons)
            down += controllers.isDown(button);
        if (withPads && tick % 4 == 0)
            down += int(navigator.read(controllers.pads(), &controllers).size());
    };
    using Clock = std::chrono::steady_clock;
    Clock::duration today{}, withPads{};
    for (auto _ : state) {
        // In turns, so that both meet the same machine.
        for (const bool pads : {false, true}) {
            const auto start = Clock::now();
            for (int tick = 0; tick < 100; ++tick)
                poll(pads, tick);
            (pads ? withPads : today) += Clock::now() - start;
        }
    }
    benchmark::DoNotOptimize(down);
    state.counters["us_per_tick"] = std::chrono::duration<double, std::micro>(today).count() / (100.0 * state.iterations());
    state.counters["ratio"] = double(withPads.count()) / double(today.count());
}
BENCHMARK(BuzzerPollWithFourControllers)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
