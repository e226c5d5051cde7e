// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <functional>

#include "battle/BattleRound.h"
#include "render/ClientExtent.h"
#include "render/Surface.h"

// The main window's client area, with a sunken edge. The scene is drawn into a picture of the
// client area's device pixels (the surface), and the canvas shows it through the window's buffer
// (the backing store that Qt shows the window from): after a tick it names the rectangles the
// tick drew to the buffer, copies them over and shows just those; a full paint redraws the whole
// picture from inside the paint event and copies what the paint covers; an expose only shows the
// buffer again. The buffer cannot be the picture itself: a Wayland compositor is handed several
// buffers in turn, and Qt keeps in each only what was named before it was painted, clearing that
// to see-through first, and at a fractional pixel ratio a named logical rectangle takes device
// pixels beyond the ones a tick drew, which the picture restores. The canvas also turns the
// player's input into the control rules of the battle; it holds no game rules. Everything it
// measures is in device pixels, so the picture stays crisp on high-density screens.
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

    // Shows the rectangles that the surface recorded since it was last shown, and nothing else,
    // then clears the record. While the window is hidden (not yet shown) nothing is shown:
    // showing the window paints it whole.
    void ShowDrawn();

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
    void PaintEdgeInto(QImage& buffer, const QRect& area);
    void PaintWholePicture();
    QRect ShownPicture(const QImage& buffer) const;
    void CopyToBuffer(QImage& buffer, const QRegion& logicalInWindow) const;
    void RefreshTickGeometry();
    void OnScreenChanged();

    CBattleRound& round_;
    CSurface& surface_;
    std::function<void()> paintScene_;
    // The canvas's place in the window as showing a tick needs it: asking the widget and its
    // screen every 30 ms costs more than the tick's own arithmetic (see event()).
    bool tickGeometryStale_ = true;
    double tickRatio_ = 1;
    QRect tickDeviceRect_;  // the client's device pixels in the window's buffer
    QRect tickCanvas_;      // the canvas, edge included, in the window's logical pixels
    QRect tickContents_;    // the client area in the window's logical pixels
};
