// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/KeyTranslation.h"

#include "battle/PlayerControls.h"

int VirtualKeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier) && qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        return vk::kNumpad0 + (qtKey - Qt::Key_0);
    }
    // Letters and digits of the main keyboard share their codes with ASCII capitals and digits.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey;
    }
    switch (qtKey) {
        case Qt::Key_Space:
            return vk::kSpace;
        case Qt::Key_PageUp:
            return vk::kPrior;
        case Qt::Key_PageDown:
            return vk::kNext;
        case Qt::Key_End:
            return vk::kEnd;
        case Qt::Key_Home:
            return vk::kHome;
        case Qt::Key_Left:
            return vk::kLeft;
        case Qt::Key_Up:
            return vk::kUp;
        case Qt::Key_Right:
            return vk::kRight;
        case Qt::Key_Down:
            return vk::kDown;
        case Qt::Key_Insert:
            return vk::kInsert;
        case Qt::Key_Clear:
            return vk::kClear;
        default:
            return 0;
    }
}

bool IsSystemKey(Qt::KeyboardModifiers modifiers) {
    return modifiers.testFlag(Qt::AltModifier);
}
