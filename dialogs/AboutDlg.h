// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/TemplateDialog.h"

// The About box: the game's name and both sides' emblems. The battle goes on behind it.
class CAboutDlg : public CTemplateDialog {
    Q_OBJECT

public:
    // Opens centred over the main window, moved inside the work area where it would stick out.
    explicit CAboutDlg(QWidget* mainWindow);
};
