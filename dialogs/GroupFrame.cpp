// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/GroupFrame.h"

#include <QPainter>
#include <QStyle>

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

    // The classic etched frame, drawn here rather than by the style: styles place a group box's
    // frame below a title row of their own, where the template's controls would cross it.
    const QRect box = rect().adjusted(0, metrics.height() / 2, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.adjusted(1, 1, 0, 0));

    const QRect titleArea(kTitleIndent, 0, metrics.horizontalAdvance(title()) + 2 * kTitleGap,
                          metrics.height());
    painter.fillRect(titleArea, palette().window());
    style()->drawItemText(&painter, titleArea, Qt::AlignCenter, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}
