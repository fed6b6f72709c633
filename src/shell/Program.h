// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {
struct Services;
}

class Windows;

// The program's entry point and the routines every window shares.
namespace Program {

// Opens the first window.
void Main(Windows& windows);

// Asks "Do you want to quit?"; Yes ends the program, No returns 1.
int ConfirmQuit(platform::Services& services);

// Opens the help file in the help viewer.
void ShowHelp(platform::Services& services);

}  // namespace Program
