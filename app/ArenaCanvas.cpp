// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ArenaCanvas.h"

#include <QBackingStore>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QResizeEvent>
#include <QWindow>
#include <cmath>
#include <utility>

#include "app/DevicePixels.h"
#include "app/KeyTranslation.h"
#include "app/PointerPosition.h"
#include "battle/PlayerControls.h"

CArenaCanvas::CArenaCanvas(CBattleRound& round, CSurface& surface, std::function<void()> paintScene,
                           QWidget* parent)
    : QFrame(parent), round_(round), surface_(surface), paintScene_(std::move(paintScene)) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel of the canvas is painted by its paint event; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double CArenaCanvas::PixelRatio() const {
    return devicePixelRatioF();
}

QRect CArenaCanvas::ClientDeviceRect() const {
    const QRect inside = contentsRect();
    const QRect inWindow(mapTo(window(), inside.topLeft()), inside.size());
    return DeviceRectOf(inWindow, PixelRatio());
}

ClientExtent CArenaCanvas::Extent() const {
    // A canvas thinner than its own edge has no client area at all, not a negative one.
    const QRect client = ClientDeviceRect();
    return ClientOfSize(std::max(client.width(), 0), std::max(client.height(), 0));
}

void CArenaCanvas::RefreshTickGeometry() {
    tickRatio_ = PixelRatio();
    tickDeviceRect_ = ClientDeviceRect();
    tickGeometryStale_ = false;
}

bool CArenaCanvas::ViewBuffer(QImage& buffer) {
    if (tickGeometryStale_) {
        RefreshTickGeometry();
    }
    tickClient_ = tickDeviceRect_ & buffer.rect();
    if (tickClient_.isEmpty()) {
        surface_.View(nullptr, 0, 0, 0, buffer.format());
        return false;
    }
    // The buffer belongs to the platform and is written in place: asking the image for writable
    // bits could copy the pixels away from the buffer that is shown.
    uchar* const bits = const_cast<uchar*>(buffer.constBits()) +
                        tickClient_.y() * buffer.bytesPerLine() +
                        tickClient_.x() * static_cast<qsizetype>(sizeof(QRgb));
    if (!surface_.Views(bits, tickClient_.width(), tickClient_.height(), buffer.bytesPerLine())) {
        surface_.View(bits, tickClient_.width(), tickClient_.height(), buffer.bytesPerLine(),
                      buffer.format());
    }
    return true;
}

void CArenaCanvas::BeginTick() {
    tickOpen_ = false;
    // A hidden window has no buffer of its own to draw in: Wayland's backing store makes one
    // only for a window being shown, and opening it sooner crashes inside Qt. That happens when
    // the game is ended during the setup dialog and its timer ticks before the window's close.
    // Showing the window later paints it whole.
    QBackingStore* const store = backingStore();
    if (store == nullptr || store->handle() == nullptr || !window()->isVisible()) {
        surface_.View(nullptr, 0, 0, 0, QImage::Format_RGB32);
        return;
    }
    // Which rectangles a tick draws is known only once it has drawn them; the buffer is opened
    // here for the pixels, and told the rectangles before they are shown (EndTick).
    store->beginPaint(QRegion());
    QPaintDevice* const device = store->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) {
        store->endPaint();
        surface_.View(nullptr, 0, 0, 0, QImage::Format_RGB32);
        return;
    }
    ViewBuffer(*static_cast<QImage*>(device));
    tickOpen_ = true;
}

void CArenaCanvas::EndTick() {
    if (!tickOpen_) {
        surface_.ClearDamage();
        return;
    }
    tickOpen_ = false;
    QBackingStore* const store = backingStore();
    store->endPaint();
    const double ratio = tickRatio_;
    QRegion drawn;
    for (const QRect& area : surface_.Damage()) {
        drawn += LogicalCover(area.translated(tickClient_.topLeft()), ratio);
    }
    surface_.ClearDamage();
    if (drawn.isEmpty()) {
        return;
    }
    // Declaring the drawn region is what lets the platform send exactly those pixels (and, for
    // X11's shared memory, wait until the server has read the previous ones). The window is
    // opaque, so the declaration clears nothing.
    store->beginPaint(drawn);
    store->endPaint();
    QWindow* const window = this->window()->windowHandle();
    if (window != nullptr && window->isExposed()) {
        store->flush(drawn, window);
    }
}

void CArenaCanvas::PaintAll() {
    repaint();
}

// The edge and the ring of pixels between it and the client area come from the style; the
// ring is filled first, so that a pixel the edge's lines leave out at a fractional pixel ratio
// shows the window's colour, never an old picture.
void CArenaCanvas::PaintEdge() {
    {
        QPainter painter(this);
        painter.setClipRegion(QRegion(rect()).subtracted(QRegion(contentsRect())));
        painter.fillRect(rect(), palette().window());
    }
}

void CArenaCanvas::PaintIntoBuffer(QImage& buffer) {
    if (ViewBuffer(buffer)) {
        paintScene_();
    }
    surface_.ClearDamage();
}

// Painting somewhere other than the window's buffer (a grab of the widget, for one): the scene
// is drawn into a picture of its own, which is dropped again afterwards.
void CArenaCanvas::PaintThroughPainter() {
    const ClientExtent client = Extent();
    surface_.Resize(client.Width(), client.Height());
    paintScene_();
    QImage picture = surface_.Image();
    picture.setDevicePixelRatio(PixelRatio());
    {
        QPainter painter(this);
        painter.drawImage(contentsRect().topLeft(), picture);
    }
    surface_.View(nullptr, 0, 0, 0, QImage::Format_RGB32);
}

// The pixel ratio and the client's device pixels change only with the canvas's place or size in
// the window, its style or font, or the screen; each of these marks the tick's copy of them
// stale. A full paint follows every change the window system knows of, so it takes them anew.
bool CArenaCanvas::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Paint:
        case QEvent::StyleChange:
        case QEvent::FontChange:
        case QEvent::ContentsRectChange:
            tickGeometryStale_ = true;
            break;
        default:
            break;
    }
    return QFrame::event(event);
}

void CArenaCanvas::paintEvent(QPaintEvent* event) {
    PaintEdge();
    QFrame::paintEvent(event);
    // The paint handler draws the whole client area, whatever part was invalid. In the window's
    // own paint the painter draws into the buffer, and so does the scene, pixel for pixel.
    QBackingStore* const store = backingStore();
    QPaintDevice* const buffer = store != nullptr ? store->paintDevice() : nullptr;
    QPaintDevice* target = nullptr;
    {
        QPainter painter(this);
        target = painter.paintEngine() != nullptr ? painter.paintEngine()->paintDevice() : nullptr;
    }
    if (buffer != nullptr && target == buffer && buffer->devType() == QInternal::Image) {
        PaintIntoBuffer(*static_cast<QImage*>(buffer));
    } else {
        PaintThroughPainter();
    }
}

void CArenaCanvas::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    emit clientResized();
}

void CArenaCanvas::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    // Moving to a screen of another density changes the device pixels behind the same size.
    if (QWindow* window = this->window()->windowHandle()) {
        connect(window, &QWindow::screenChanged, this, &CArenaCanvas::OnScreenChanged,
                Qt::UniqueConnection);
    }
}

void CArenaCanvas::OnScreenChanged() {
    tickGeometryStale_ = true;
    emit clientResized();
}

// While a button is held, Qt delivers the pointer's moves here from anywhere: over the edge, the
// menu bar or outside the window. Only moves over the client area steer; a target stays in
// force when the pointer leaves it.
void CArenaCanvas::mouseMoveEvent(QMouseEvent* event) {
    const ClientExtent client = Extent();
    const auto pointer =
        PointerInClient(event->position(), contentsRect().topLeft(), PixelRatio(), client);
    if (pointer && MovePointer(round_, pointer->x, pointer->y, client.Width(), client.Height()) ==
                       ControlResult::Ignored) {
        return;
    }
    QFrame::mouseMoveEvent(event);
}

// A press on the edge around the client area is not on the playfield and fires nothing.
void CArenaCanvas::mousePressEvent(QMouseEvent* event) {
    const bool overClient =
        PointerInClient(event->position(), contentsRect().topLeft(), PixelRatio(), Extent())
            .has_value();
    if (event->button() == Qt::LeftButton && overClient &&
        PressLeftButton(round_) == ControlResult::Ignored) {
        return;
    }
    QFrame::mousePressEvent(event);
}

// The second press of a double click is not a new shot: only single presses fire.
void CArenaCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void CArenaCanvas::keyPressEvent(QKeyEvent* event) {
    if (IsSystemKey(event->modifiers())) {
        QFrame::keyPressEvent(event);
        return;
    }
    const int virtualKey = VirtualKeyFromQt(event->key(), event->modifiers());
    if (PressKey(round_, virtualKey) == ControlResult::Ignored) {
        return;
    }
    QFrame::keyPressEvent(event);
}
