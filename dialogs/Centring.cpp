#include "dialogs/Centring.h"

#include <QGuiApplication>
#include <QScreen>

ScreenRect ToScreenRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

namespace {

// One axis: centre, then push inside the low edge, or else the high edge.
int CentreOnAxis(int size, int centreLow, int centreHigh, int low, int high) {
    int position = (centreLow + centreHigh) / 2 - size / 2;
    if (position < low) {
        position = low;
    } else if (position + size > high) {
        position = high - size;
    }
    return position;
}

}  // namespace

ScreenPosition CentreOver(int width, int height, const ScreenRect& over,
                          const ScreenRect& workArea) {
    return {CentreOnAxis(width, over.left, over.right, workArea.left, workArea.right),
            CentreOnAxis(height, over.top, over.bottom, workArea.top, workArea.bottom)};
}

ScreenRect PrimaryWorkArea() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary ? ToScreenRect(primary->availableGeometry()) : ScreenRect{};
}

ScreenRect WorkAreaNearest(const QRect& rect) {
    const QScreen* nearest = QGuiApplication::screenAt(rect.center());
    if (nearest == nullptr) {
        nearest = QGuiApplication::primaryScreen();
    }
    return nearest ? ToScreenRect(nearest->availableGeometry()) : ScreenRect{};
}
