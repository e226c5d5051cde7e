// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Counts the heap allocations the calling thread makes between StartCounting and StopCounting:
// every call of malloc and its family, the door through which operator new and Qt's containers
// reach the heap as well. A program that links this counts through it alone.

void StartCounting();
long long StopCounting();

// Where the first few of the allocations last counted came from: a stack a line, innermost
// first, for a failure message.
std::string CountedOrigins();

template <typename Work>
long long AllocationsDuring(const Work& work) {
    StartCounting();
    work();
    return StopCounting();
}
