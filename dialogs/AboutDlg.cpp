// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/AboutDlg.h"

#include "desktop/ScreenGeometry.h"

CAboutDlg::CAboutDlg(QWidget* mainWindow) : CTemplateDialog(kAboutDialogTemplate, mainWindow) {
    if (mainWindow != nullptr) {
        PlaceBy([mainWindow](int width, int height) {
            const QRect over = mainWindow->frameGeometry();
            return CentreOver(width, height, ToScreenRect(over), WorkAreaNearest(over));
        });
    }
}
