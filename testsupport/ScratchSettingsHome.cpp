// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ScratchSettingsHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "app/SettingsStore.h"

CScratchSettingsHome::CScratchSettingsHome()
    : previousHome(qgetenv("XDG_CONFIG_HOME")),
      hadHome(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    SetCompanyKey(QString::fromLatin1(kCompanyKey));
}

CScratchSettingsHome::~CScratchSettingsHome() {
    if (hadHome) {
        qputenv("XDG_CONFIG_HOME", previousHome);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

bool CScratchSettingsHome::WriteFile(const QByteArray& iniText) const {
    const QString company = QString::fromLatin1(kCompanyKey);
    QFile file(home.filePath(company + '/' + QCoreApplication::applicationName() + ".conf"));
    return QDir(home.path()).mkpath(company) && file.open(QIODevice::WriteOnly) &&
           file.write(iniText) == iniText.size();
}

void CScratchSettingsHome::StoreComputerSides() const {
    WriteSettingInt(kGameSection, kLeftPlayerValue, kComputerDriven);
    WriteSettingInt(kGameSection, kRightPlayerValue, kComputerDriven);
}
