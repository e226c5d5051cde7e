#include "app/ArenaCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWindow>
#include <cmath>

#include "app/KeyTranslation.h"
#include "app/PointerPosition.h"
#include "battle/PlayerControls.h"

CArenaCanvas::CArenaCanvas(CBattleRound& round, const CSurface& surface, QWidget* parent)
    : QFrame(parent), round_(round), surface_(surface) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel inside the edge comes from the surface; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double CArenaCanvas::PixelRatio() const {
    return devicePixelRatioF();
}

ClientExtent CArenaCanvas::Extent() const {
    // A canvas thinner than its own edge has no client area at all, not a negative one.
    const QSize logical = contentsRect().size().expandedTo(QSize(0, 0));
    const double ratio = PixelRatio();
    return ClientOfSize(static_cast<int>(std::lround(logical.width() * ratio)),
                        static_cast<int>(std::lround(logical.height() * ratio)));
}

void CArenaCanvas::ShowDamage(const CSurface& surface) {
    const double ratio = PixelRatio();
    const QPoint origin = contentsRect().topLeft();
    for (const QRect& area : surface.Damage()) {
        const QRectF logical(area.x() / ratio, area.y() / ratio, area.width() / ratio,
                             area.height() / ratio);
        update(logical.toAlignedRect().translated(origin));
    }
}

void CArenaCanvas::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    // Only the exposed part of the client area is copied, pixel for pixel from the surface.
    const QRect exposed = event->rect() & contentsRect();
    if (exposed.isEmpty()) {
        return;
    }
    const double ratio = PixelRatio();
    const QRectF target(exposed);
    const QRectF source(target.translated(-contentsRect().topLeft()).topLeft() * ratio,
                        target.size() * ratio);
    QPainter painter(this);
    painter.drawImage(target, surface_.Image(), source);
}

void CArenaCanvas::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    emit clientResized();
}

void CArenaCanvas::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    // Moving to a screen of another density changes the device pixels behind the same size.
    if (QWindow* window = this->window()->windowHandle()) {
        connect(window, &QWindow::screenChanged, this, &CArenaCanvas::clientResized,
                Qt::UniqueConnection);
    }
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
