// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "battle/BattleRound.h"
#include "dialogs/TemplateDialog.h"
#include "dialogs/TickControl.h"

// The setup dialog: for each side, whether a person plays it. The battle stands still while it
// is open; closing it, by OK or by cancelling, starts the tick again. OK applies both choices;
// cancelling keeps the sides as they were.
class CNewGameDlg : public CTemplateDialog {
    Q_OBJECT

public:
    // Stops the tick at once; the round's computer flags fill the check boxes.
    CNewGameDlg(QWidget* parent, CBattleRound& round, CTickControl& tick);

    int leftHuman = 0;   // check box 1000: nonzero means a person plays the left side
    int rightHuman = 0;  // check box 1001: the same for the right side

protected:
    void DoDataExchange(bool toControls) override;
    void OnOK() override;
    void OnCancel() override;

private:
    CBattleRound& round;
    CTickControl& tick;
};
