// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "OffscreenScreens.h"
#include "app/DuelApp.h"

// The game's own application object on the offscreen platform, with two screens of known size:
// the primary one and a second one to its right.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const COffscreenScreens screens({kTestScreen, kSecondScreen});
    const CDuelApp application(argc, argv);
    return screens.AsConfigured() ? RUN_ALL_TESTS() : 1;
}
