// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/DialogTitleBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

bool DrawsOwnTitleBar(QStringView platform, QStringView desktops) {
    if (platform != u"wayland") {
        return false;
    }
    for (const QStringView desktop : desktops.split(u':')) {
        if (desktop.compare(u"GNOME", Qt::CaseInsensitive) == 0) {
            return true;
        }
    }
    return false;
}

CDialogTitleBar::CDialogTitleBar(const QString& title, bool closeButton, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    auto* label = new QLabel(title, this);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label, 1);
    if (closeButton) {
        auto* close = new QToolButton(this);
        close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
        close->setAutoRaise(true);
        close->setFocusPolicy(Qt::NoFocus);
        connect(close, &QToolButton::clicked, this, &CDialogTitleBar::closeRequested);
        layout->addWidget(close);
    }
}

// The window system moves the window, as it does by a title bar of its own.
void CDialogTitleBar::mousePressEvent(QMouseEvent* event) {
    QWindow* const window = this->window()->windowHandle();
    if (event->button() == Qt::LeftButton && window != nullptr && window->startSystemMove()) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CDialogTitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window().color().darker(106));
    painter.setPen(palette().mid().color());
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());
}
