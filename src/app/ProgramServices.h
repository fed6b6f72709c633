// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/input/Controllers.h"
#include "platform/input/KeyState.h"
#include "platform/network/Phones.h"
#include "platform/Random.h"
#include "platform/Services.h"
#include "platform/window/Form.h"
#include "platform/window/Help.h"
#include "platform/window/MessageBoxes.h"
#include "platform/window/ScreenMemory.h"
#include "platform/window/Timer.h"

#include <utility>

// The real platform services, in one set, as the program runs with them. The music device
// and the settings store are the caller's choice: the program's own (FluidSynth, the user's
// settings file), or a silent device and settings in memory for a run that must neither
// sound nor remember (the benchmarks).
template <typename Music, typename Settings>
struct ProgramServices {
    explicit ProgramServices(QString dataFolder)
        : services{application, clock,  random,     keys,     controllers, messages,
                   music,       help,   timers,     activation, settings, screen, phones, std::move(dataFolder)}
    {
    }

    platform::ProcessApplication application;
    platform::SystemClock clock;
    platform::SystemRandom random;
    platform::KeyboardKeyState keys;
    platform::SdlControllers controllers;
    platform::Activation activation;
    platform::QtMessageBoxes messages{activation};
    Music music;
    platform::HelpViewer help{screen};
    platform::QtTimerFactory timers{messages};
    Settings settings;
    platform::ScreenMemory screen{settings, timers};
    platform::Phones phones{messages};
    platform::Services services;
};
