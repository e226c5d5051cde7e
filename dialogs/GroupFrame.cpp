#include "dialogs/GroupFrame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// Where the title starts on the frame's top line, and the gap kept clear around it.
constexpr int kTitleIndent = 6;
constexpr int kTitleGap = 2;

}  // namespace

CGroupFrame::CGroupFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void CGroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();

    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(0, metrics.height() / 2, 0, 0);
    frame.lineWidth = 1;
    frame.midLineWidth = 0;
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frame, &painter, this);

    const QRect titleArea(kTitleIndent, 0, metrics.horizontalAdvance(title()) + 2 * kTitleGap,
                          metrics.height());
    painter.fillRect(titleArea, palette().window());
    style()->drawItemText(&painter, titleArea, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}
