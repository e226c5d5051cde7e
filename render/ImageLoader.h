// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>
#include <functional>

// Loads the bitmap packaged under its identifier (resources/ResourcePaths.h), converted once
// to the raster layer's format. A missing or unreadable bitmap gives a null image, from which
// every transfer draws nothing.
QImage LoadBitmapById(int id);

// Loads an image file by path in the same way; LoadBitmapById is this for the resource path.
QImage LoadBitmapFile(const QString& path);

// Called with the identifier of every bitmap that LoadBitmapById is asked for, before it is
// loaded, so that the order of the loads can be watched. None by default.
using BitmapLoadObserver = std::function<void(int id)>;
void SetBitmapLoadObserver(BitmapLoadObserver observer);
