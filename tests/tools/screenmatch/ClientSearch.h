// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

// Where the game's client area may lie in a screenshot of the whole screen. The two energy bars
// run along the client's top edge: the left one, solid grey, starts at the client's left edge and
// the right one, solid red, ends at its right edge (short of it by up to a world unit, as the
// scaling rounds), both (height * 20) / 400 pixels high. So the bars give the client's left and
// top exactly, its width to within a few pixels and its height to within 20 pixels. Each
// candidate is a rectangle inside the screenshot; with a known size, only rectangles of that size.
// `screen` must be in QImage::Format_RGB32 or Format_ARGB32.
std::vector<QRect> ClientCandidates(const QImage& screen, QSize knownSize = QSize());
