#pragma once

#include <QFrame>
#include <QSize>

#include "battle/BattleRound.h"
#include "render/ClientExtent.h"
#include "render/Surface.h"

// The main window's client area, with a sunken edge. It shows the window surface pixel for
// pixel and turns the player's input into the control rules of the battle; it never draws into
// the surface itself and holds no game rules. Everything it measures is in device pixels, the
// pixels of the surface, so the picture stays crisp on high-density screens.
class CArenaCanvas : public QFrame {
    Q_OBJECT

public:
    CArenaCanvas(CBattleRound& round, const CSurface& surface, QWidget* parent = nullptr);

    // The client extent: the area inside the edge, in device pixels.
    ClientExtent Extent() const;

    // The ratio of device pixels to the widget's logical pixels.
    double PixelRatio() const;

    // Shows the parts of the surface that were drawn since the last call.
    void ShowDamage(const CSurface& surface);

signals:
    // The client area changed its size; the picture has to be drawn anew.
    void clientResized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CBattleRound& round_;
    const CSurface& surface_;
};
