// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Windows.h"

#include "play/MainForm.h"

Windows::Windows(platform::Services& services) : services_(services) {}

Windows::~Windows() = default;

MainForm& Windows::mainForm()
{
    if (!mainForm_) {
        mainForm_ = std::make_unique<MainForm>(*this);
        mainForm_->load();
    }
    return *mainForm_;
}
