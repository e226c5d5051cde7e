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
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <span>
#include <utility>

#include "app/DevicePixels.h"
#include "app/KeyTranslation.h"
#include "app/PointerPosition.h"
#include "battle/PlayerControls.h"
#include "render/Raster.h"

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
    const QPoint inWindow = mapTo(window(), QPoint(0, 0));
    tickCanvas_ = rect().translated(inWindow);
    tickContents_ = contentsRect().translated(inWindow);
    tickGeometryStale_ = false;
}

namespace {

// How many device pixels the style's edge lines may reach into the client area at a fractional
// ratio.
constexpr int kEdgeBleed = 2;

// A device rectangle around every device pixel that the platform may count to a logical
// rectangle, whichever way it rounds the rectangle's edges at a fractional ratio.
QRect DevicePixelsAround(const QRect& logical, double ratio) {
    return DeviceRectOf(logical, ratio).adjusted(-1, -1, 1, 1);
}

// The buffer belongs to the platform and is written in place: asking the image for writable bits
// could copy the pixels away from the buffer that is shown.
uchar* PixelsOf(QImage& buffer, QPoint at) {
    return const_cast<uchar*>(buffer.constBits()) + at.y() * buffer.bytesPerLine() +
           static_cast<qsizetype>(at.x()) * static_cast<qsizetype>(sizeof(QRgb));
}

// Copies the `area` of the buffer's device pixels from the picture, whose top left pixel lies at
// `origin` in the buffer. The picture's pixels all carry an alpha of 0xFF, so in any of the
// 32-bit layouts they are opaque colour.
void CopyPicture(const QImage& picture, QPoint origin, QImage& buffer, const QRect& area) {
    if (area.isEmpty()) {
        return;
    }
    if (!IsDrawableFormat(buffer.format()) || picture.format() != QImage::Format_RGB32) {
        QPainter painter(&buffer);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setWorldTransform(
            QTransform::fromScale(1 / buffer.devicePixelRatio(), 1 / buffer.devicePixelRatio()));
        painter.drawImage(area.topLeft(), picture, area.translated(-origin));
        return;
    }
    const auto rowBytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::memcpy(PixelsOf(buffer, QPoint(area.left(), y)),
                    picture.constScanLine(y - origin.y()) +
                        static_cast<qsizetype>(area.left() - origin.x()) *
                            static_cast<qsizetype>(sizeof(QRgb)),
                    rowBytes);
    }
}

// Fills the area of the buffer's device pixels with an opaque colour.
void FillPixels(QImage& buffer, const QRect& area, QRgb colour) {
    if (area.isEmpty()) {
        return;
    }
    if (!IsDrawableFormat(buffer.format())) {
        QPainter painter(&buffer);
        painter.setWorldTransform(
            QTransform::fromScale(1 / buffer.devicePixelRatio(), 1 / buffer.devicePixelRatio()));
        painter.fillRect(area, QColor::fromRgb(colour));
        return;
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* const row = reinterpret_cast<QRgb*>(PixelsOf(buffer, QPoint(area.left(), y)));
        std::fill(row, row + area.width(), colour);
    }
}

}  // namespace

// The device pixels of the buffer that the picture covers: the client area, or less of it while
// the picture still has the size of a client area before a resize.
QRect CArenaCanvas::ShownPicture(const QImage& buffer) const {
    return QRect(tickDeviceRect_.topLeft(), surface_.Image().size()) & tickDeviceRect_ &
           buffer.rect();
}

// Every device pixel of the client area that the platform may count to the named region, a few
// more than a tick drew at a fractional ratio, gets the picture's pixel.
void CArenaCanvas::CopyToBuffer(QImage& buffer, const QRegion& logicalInWindow) const {
    const QImage& picture = surface_.Image();
    const QRect shownPicture = ShownPicture(buffer);
    for (const QRect& logical : logicalInWindow) {
        CopyPicture(picture, tickDeviceRect_.topLeft(), buffer,
                    DevicePixelsAround(logical, tickRatio_) & shownPicture);
    }
}

// The edge and the ring of device pixels between it and the client area, within `area` of the
// buffer: the ring is filled with the window's colour pixel by pixel, so that no pixel is left to
// the platform's rounding of logical rectangles at a fractional ratio, and the style draws the
// edge's lines over it.
void CArenaCanvas::PaintEdgeInto(QImage& buffer, const QRect& area) {
    const QRect client = tickDeviceRect_;
    const QRect canvas = DeviceRectOf(tickCanvas_, tickRatio_) & area & buffer.rect();
    const QRgb colour = palette().window().color().rgba();
    for (const QRect& ring : QRegion(canvas).subtracted(QRegion(client))) {
        FillPixels(buffer, ring, colour);
    }
    // The lines only near the area: the style's own rounding may draw a pixel or two beyond it,
    // which then gets the colour it already had.
    const QRect lines = LogicalCover(area, tickRatio_);
    {
        QPainter painter(&buffer);
        painter.setClipRect(lines);
        painter.translate(tickCanvas_.topLeft());
        drawFrame(&painter);
    }
    // At a fractional ratio the style's lines reach a little into the client area; its outermost
    // pixels are the picture's.
    const QImage& picture = surface_.Image();
    const QRect shownPicture = ShownPicture(buffer);
    const QRect inner = shownPicture.adjusted(kEdgeBleed, kEdgeBleed, -kEdgeBleed, -kEdgeBleed);
    const QRect reach = DevicePixelsAround(lines, tickRatio_);
    for (const QRect& band : QRegion(shownPicture & reach).subtracted(QRegion(inner))) {
        CopyPicture(picture, client.topLeft(), buffer, band);
    }
}

void CArenaCanvas::ShowDrawn() {
    const std::span<const QRect> drawn = surface_.Damage();
    if (drawn.empty()) {
        return;
    }
    // A hidden window has no buffer of its own to show: Wayland's backing store makes one only
    // for a window being shown, and opening it sooner crashes inside Qt. That happens when the
    // game is ended during the setup dialog and its timer ticks before the window's close.
    // Showing the window later paints it whole.
    QBackingStore* const store = backingStore();
    if (store == nullptr || store->handle() == nullptr || !window()->isVisible()) {
        surface_.ClearDamage();
        return;
    }
    if (tickGeometryStale_) {
        RefreshTickGeometry();
    }
    // The buffer is told the rectangles before they are painted: Wayland's backing store keeps
    // only what it was told in each of the buffers it hands out in turn. The region stays on the
    // canvas, so the platform's rounding of it never reaches the menu bar.
    QRegion shown;
    for (const QRect& area : drawn) {
        shown += LogicalCover(area.translated(tickDeviceRect_.topLeft()), tickRatio_) & tickCanvas_;
    }
    surface_.ClearDamage();
    if (shown.isEmpty()) {
        return;
    }
    store->beginPaint(shown);
    QPaintDevice* const device = store->paintDevice();
    if (device != nullptr && device->devType() == QInternal::Image) {
        auto& buffer = *static_cast<QImage*>(device);
        // At a fractional ratio a tile at the client's side takes in a little of the edge too.
        if (!tickContents_.contains(shown.boundingRect())) {
            PaintEdgeInto(buffer, DevicePixelsAround(shown.boundingRect(), tickRatio_));
        }
        CopyToBuffer(buffer, shown);
    }
    store->endPaint();
    QWindow* const window = this->window()->windowHandle();
    if (window != nullptr && window->isExposed()) {
        store->flush(shown, window);
    }
}

void CArenaCanvas::PaintAll() {
    repaint();
}

// The paint handler's drawing: the whole scene into the picture, at the client area's size.
void CArenaCanvas::PaintWholePicture() {
    const ClientExtent client = Extent();
    if (surface_.Width() != client.Width() || surface_.Height() != client.Height()) {
        surface_.Resize(client.Width(), client.Height());
    }
    paintScene_();
    surface_.ClearDamage();
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
    // The paint handler draws the whole client area, whatever part was invalid.
    PaintWholePicture();
    // In the window's own paint the painter draws into the buffer, and so do the edge and the
    // picture, pixel for pixel; painted somewhere else (a grab of the widget, for one), both are
    // drawn through a painter.
    QBackingStore* const store = backingStore();
    QPaintDevice* const buffer = store != nullptr ? store->paintDevice() : nullptr;
    QPaintDevice* target = nullptr;
    {
        QPainter painter(this);
        target = painter.paintEngine() != nullptr ? painter.paintEngine()->paintDevice() : nullptr;
    }
    if (buffer != nullptr && target == buffer && buffer->devType() == QInternal::Image) {
        RefreshTickGeometry();
        auto& image = *static_cast<QImage*>(buffer);
        PaintEdgeInto(image, image.rect());
        CopyToBuffer(image, QRegion(tickContents_));
    } else {
        QPainter painter(this);
        painter.setClipRegion(QRegion(rect()).subtracted(QRegion(contentsRect())));
        painter.fillRect(rect(), palette().window());
        drawFrame(&painter);
        painter.setClipping(false);
        QImage picture = surface_.Image();
        picture.setDevicePixelRatio(PixelRatio());
        painter.drawImage(contentsRect().topLeft(), picture);
    }
    // A paint of part of the client area, which only the platform asks for, shows the whole
    // picture at once, and is followed by a paint of the whole for Wayland's other buffers, which
    // keep only what a paint names.
    if (!QRegion(contentsRect()).subtracted(event->region()).isEmpty()) {
        update(contentsRect());
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
