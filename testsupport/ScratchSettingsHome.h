// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A settings home of its own in XDG_CONFIG_HOME while the object lives, with the company key set
// as the application sets it, so that what the game stores never touches the user's settings.
class CScratchSettingsHome {
public:
    CScratchSettingsHome();
    ~CScratchSettingsHome();
    CScratchSettingsHome(const CScratchSettingsHome&) = delete;
    CScratchSettingsHome& operator=(const CScratchSettingsHome&) = delete;

    QString Path() const { return home.path(); }

    // Writes the application's settings file; false when it could not. The application's name
    // names the file, so these need the application object.
    bool WriteFile(const QByteArray& iniText) const;
    // Stores both sides as computer driven, as an earlier game would have left them; the setup
    // dialog then opens with both boxes cleared.
    void StoreComputerSides() const;

private:
    QTemporaryDir home;
    QByteArray previousHome;
    bool hadHome = false;
};
