// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/SettingsStore.h"

// A settings home of its own in XDG_CONFIG_HOME while the object lives, with the company key set
// as the application sets it, so that what the game stores never touches the user's settings.
class CScratchSettingsHome {
public:
    CScratchSettingsHome() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        SetCompanyKey(company);
    }
    ~CScratchSettingsHome() {
        if (hadHome) {
            qputenv("XDG_CONFIG_HOME", previousHome);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
    }
    CScratchSettingsHome(const CScratchSettingsHome&) = delete;
    CScratchSettingsHome& operator=(const CScratchSettingsHome&) = delete;

    QString Path() const { return home.path(); }

    // The application's name names the settings file, so this needs the application object.
    // Writes the file; false when it could not.
    bool WriteFile(const QByteArray& iniText) const {
        QFile file(home.filePath(company + '/' + QCoreApplication::applicationName() + ".conf"));
        return QDir(home.path()).mkpath(company) && file.open(QIODevice::WriteOnly) &&
               file.write(iniText) == iniText.size();
    }

private:
    const QByteArray previousHome = qgetenv("XDG_CONFIG_HOME");
    const bool hadHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QString company = QString::fromLatin1(kCompanyKey);
    QTemporaryDir home;
};
