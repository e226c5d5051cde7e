#pragma once

#include <gtest/gtest.h>

#include <QImage>

// Pixel-for-pixel comparison of two pictures, naming the first difference and how many
// pixels differ.
::testing::AssertionResult SamePixels(const QImage& actual, const QImage& expected);
