// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRect>
#include <QTemporaryDir>

// Selects the offscreen platform with screens of the given geometry at a pixel ratio of 1,
// through a configuration file that lives as long as the object; there each screen is also its
// own work area, and the first one is the primary screen. Create it before the application.
class COffscreenScreens {
public:
    explicit COffscreenScreens(const QList<QRect>& screens);

    // Whether the application's screens are those asked for, in order; a failure to write the
    // configuration shows here as the platform's default screen.
    bool AsConfigured() const;

private:
    QList<QRect> screens;
    QTemporaryDir configDir;
};
