// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

// A group box drawn the way the dialog templates were laid out for: an etched frame whose top
// line runs through the middle of the title. The controls it frames are its siblings, placed
// by the template inside it, so it takes no input and holds no layout of its own.
class CGroupFrame : public QGroupBox {
    Q_OBJECT

public:
    CGroupFrame(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
