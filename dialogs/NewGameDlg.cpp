// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/NewGameDlg.h"

#include <QCheckBox>

namespace {

// A field outside the check box's states (0 cleared, 1 checked, 2 indeterminate) shows as
// cleared. This dialog's fields only ever hold 0 or 1, so the rule never changes one here; it
// stays because it is the check-box exchange's own rule, which a field set from outside (both
// are public) also meets.
int CheckState(int field) {
    return (field < 0 || field > 2) ? 0 : field;
}

}  // namespace

CNewGameDlg::CNewGameDlg(QWidget* parent, CBattleRound& round, CTickControl& tick)
    : CTemplateDialog(kSetupDialogTemplate, parent), round(round), tick(tick) {
    leftHuman = round.leftShip.computer ? 0 : 1;
    rightHuman = round.rightShip.computer ? 0 : 1;
    tick.StopTick();
}

void CNewGameDlg::DoDataExchange(bool toControls) {
    auto* left = qobject_cast<QCheckBox*>(Control(kLeftHumanCheckBox));
    auto* right = qobject_cast<QCheckBox*>(Control(kRightHumanCheckBox));
    if (toControls) {
        leftHuman = CheckState(leftHuman);
        rightHuman = CheckState(rightHuman);
        left->setChecked(leftHuman == 1);
        right->setChecked(rightHuman == 1);
    } else {
        leftHuman = left->isChecked() ? 1 : 0;
        rightHuman = right->isChecked() ? 1 : 0;
    }
}

void CNewGameDlg::OnOK() {
    DoDataExchange(false);
    round.leftShip.computer = (leftHuman == 0);
    round.rightShip.computer = (rightHuman == 0);
    tick.StartTick();
    CTemplateDialog::OnOK();
}

// Cancelling must not leave the battle frozen for good: the sides stay as they were and the
// battle goes on, as after OK without changes.
void CNewGameDlg::OnCancel() {
    tick.StartTick();
    CTemplateDialog::OnCancel();
}
