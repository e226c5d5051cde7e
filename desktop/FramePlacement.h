// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "desktop/ScreenRect.h"

class QEvent;
class QWidget;

// Places a top-level window by its outer rectangle, although the window system tells the frame
// around it only once it is on the screen: some platforms at once, others with a later move or
// resize. The window is placed at once with its own size standing for the outer size, and once
// more by its real outer size when the frame is first known. It watches the window's moves,
// resizes and showing itself, so a window that uses it needs no handler of its own for them.
class CFramePlacement : public QObject {
public:
    // Where the window's outer rectangle goes, for its outer width and height.
    using Placement = std::function<ScreenPosition(int width, int height)>;

    explicit CFramePlacement(QWidget& window);

    // Places the window by `placement` and keeps its size.
    void PlaceBy(Placement placement);

    // Gives the window the outer size `outer` and places it by `placement`. Until the frame is
    // known the whole outer size goes to the window itself; then the window shrinks by the
    // frame, never below one pixel.
    void SizeAndPlaceBy(OuterSize outer, Placement placement);

    // Whether the frame has been taken into account: until then the window's own size stands
    // for its outer size.
    bool FrameSettled() const { return settled; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Places the window again if its frame has just become known; once only.
    void FrameMayBeKnown();

    QWidget& window;
    Placement placement;
    std::optional<OuterSize> outerSize;
    bool settled = false;
};
