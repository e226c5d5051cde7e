// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <functional>

// The per-user settings store: a few named values in sections, kept between runs in
// $XDG_CONFIG_HOME/<company key>/<application key>.conf. Every operation opens the file, does
// its one thing and lets go of it again, so nothing is cached between calls and two running
// games each write their own values at their end. Use the store while the application object
// exists: the application key is the name of the running executable.

inline constexpr char kCompanyKey[] = "Brontel";

inline constexpr char kAppearanceSection[] = "Vzhled";
inline constexpr char kWindowRectValue[] = "pozice";

inline constexpr char kGameSection[] = "Hra";
inline constexpr char kLeftPlayerValue[] = "PL1";
inline constexpr char kRightPlayerValue[] = "PL2";

// What a player value holds: which side the program drives, and what a missing value reads as.
inline constexpr int kPersonDriven = 0;
inline constexpr int kComputerDriven = 1;
inline constexpr int kPlayerUnset = -1;

// Only exactly 1 hands a side to the program; anything else stored there leaves it to a person.
constexpr bool IsComputerDriven(int stored) {
    return stored == kComputerDriven;
}

// The application key for an executable's path: its file name after the last "/", without
// what follows the file name's last "." ("duel.exe" gives "duel"). A leading "." belongs to
// the name of a hidden file and is kept. Empty when the path names no file.
QString ApplicationKeyFromPath(const QString& executablePath);

// Names the company folder for every later operation. Until a non-empty name is given, nothing
// can be read or written.
void SetCompanyKey(const QString& name);

// The stored text, or the default when the value is missing or cannot be read as text.
QString ReadSettingText(const QString& section, const QString& value,
                        const QString& fallback = QString());

// The stored number, or the default when the value is missing or is not a decimal integer
// within the signed 32-bit range.
int ReadSettingInt(const QString& section, const QString& value, int fallback);

// Each returns true only when the value has reached the file.
bool WriteSettingText(const QString& section, const QString& value, const QString& text);
bool WriteSettingInt(const QString& section, const QString& value, int number);

// Called after every write with its section and value and whether it reached the file, so the
// order and outcome of the writes can be watched. None by default.
using SettingWriteObserver =
    std::function<void(const QString& section, const QString& value, bool written)>;
void SetSettingWriteObserver(SettingWriteObserver observer);
