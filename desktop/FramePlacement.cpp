// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/FramePlacement.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <utility>

CFramePlacement::CFramePlacement(QWidget& window) : window(window) {
    window.installEventFilter(this);
}

// The window system tells the frame with a move or a resize of the window; a platform that knows
// it as soon as the window exists sends neither after showing it, so showing counts too.
bool CFramePlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
                FrameMayBeKnown();
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void CFramePlacement::PlaceBy(Placement newPlacement) {
    placement = std::move(newPlacement);
    outerSize.reset();
    settled = false;
    const ScreenPosition position = placement(window.width(), window.height());
    window.move(position.x, position.y);
    FrameMayBeKnown();
}

void CFramePlacement::SizeAndPlaceBy(OuterSize outer, Placement newPlacement) {
    placement = std::move(newPlacement);
    outerSize = outer;
    settled = false;
    window.resize(outer.width, outer.height);
    const ScreenPosition position = placement(outer.width, outer.height);
    window.move(position.x, position.y);
    FrameMayBeKnown();
}

void CFramePlacement::FrameMayBeKnown() {
    if (!placement || settled || !window.isVisible()) {
        return;
    }
    const QSize frameOuter = window.frameGeometry().size();
    const QSize frame = frameOuter - window.size();
    if (frame.isNull()) {
        return;  // no frame reported (yet): the outer size is the window's own
    }
    settled = true;
    OuterSize outer{frameOuter.width(), frameOuter.height()};
    if (outerSize) {
        outer = *outerSize;
        window.resize(std::max(outer.width - frame.width(), 1),
                      std::max(outer.height - frame.height(), 1));
    }
    const ScreenPosition position = placement(outer.width, outer.height);
    window.move(position.x, position.y);
}
