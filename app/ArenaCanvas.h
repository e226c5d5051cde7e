// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QRect>
#include <QSize>
#include <functional>

#include "battle/BattleRound.h"
#include "render/ClientExtent.h"
#include "render/Surface.h"

// The main window's client area, with a sunken edge. Its drawing surface is the window's own
// buffer (the backing store that Qt shows the window from): a tick draws straight into the
// client area's pixels there and shows only the rectangles it drew, a full paint redraws the
// whole client area from inside the paint event, and an expose only shows the buffer again. The
// canvas also turns the player's input into the control rules of the battle; it holds no game
// rules. Everything it measures is in device pixels, so the picture stays crisp on high-density
// screens.
class CArenaCanvas : public QFrame {
    Q_OBJECT

public:
    // `paintScene` draws the whole scene onto the surface, as the paint handler does; the canvas
    // calls it whenever the client area has to be painted as a whole.
    CArenaCanvas(CBattleRound& round, CSurface& surface, std::function<void()> paintScene,
                 QWidget* parent = nullptr);

    // The client extent: the area inside the edge, in device pixels.
    ClientExtent Extent() const;

    // The client area's device pixels in the window's buffer.
    QRect ClientDeviceRect() const;

    // The ratio of device pixels to the widget's logical pixels.
    double PixelRatio() const;

    // Opens the window's buffer for a tick and points the surface at the client area's pixels in
    // it. While the window is hidden (not yet shown) the surface is empty and takes no drawing.
    void BeginTick();

    // Shows the rectangles that the surface recorded since BeginTick, and nothing else, then
    // clears the record.
    void EndTick();

    // Paints the whole client area at once, through the paint event, where the window is shown.
    void PaintAll();

signals:
    // The client area changed its size; the picture has to be drawn anew.
    void clientResized();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PaintEdge();
    void PaintIntoBuffer(QImage& buffer);
    void PaintThroughPainter();
    bool ViewBuffer(QImage& buffer);
    void RefreshTickGeometry();
    void OnScreenChanged();

    CBattleRound& round_;
    CSurface& surface_;
    std::function<void()> paintScene_;
    bool tickOpen_ = false;
    QRect tickClient_;  // the client's device pixels in the buffer the open tick draws into
    // The pixel ratio and the client's device pixels as a tick uses them: asking the widget and
    // its screen every 30 ms costs more than the tick's own arithmetic (see event()).
    bool tickGeometryStale_ = true;
    double tickRatio_ = 1;
    QRect tickDeviceRect_;
};
