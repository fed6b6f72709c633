// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace platform {

class Activation;
class Application;
class Clock;
class Controllers;
class Help;
class KeyState;
class MessageBoxes;
class MusicDevice;
class Phones;
class RandomSource;
class ScreenMemory;
class Settings;
class TimerFactory;

// Everything the windows ask of the desktop, in one set. main.cpp fills it with the real
// services; the tests fill it with doubles, so that time, chance, keys, message boxes and
// music are theirs to script.
struct Services {
    Application& application;
    Clock& clock;
    RandomSource& random;
    KeyState& keys;
    Controllers& controllers;  // game controllers and USB buzzers
    MessageBoxes& messages;
    MusicDevice& music;
    Help& help;
    TimerFactory& timers;
    Activation& activation;  // which window is active
    Settings& settings;      // what the game remembers between runs
    ScreenMemory& screen;    // full screen and the windows' sizes, from run to run
    Phones& phones;          // the room's phones as buzzers, while the players want them
    QString dataFolder;  // where the program's data files lie
};

}  // namespace platform
