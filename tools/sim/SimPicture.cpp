// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/sim/SimPicture.h"

#include "play/Sequence.h"

CSimPicture::CSimPicture(int width, int height)
    : extent(ClientOfSize(width, height)), surface(width, height) {}

void CSimPicture::PaintAll(CBattleRound& round) {
    PaintScene(round, art.View(), extent, surface);
}

HitOutcome CSimPicture::Tick(CBattleRound& round) {
    return RunTick(round, art.View(), extent, surface);
}

bool CSimPicture::WritePng(const std::string& path) const {
    return surface.Image()
        .convertToFormat(QImage::Format_RGB888)
        .save(QString::fromStdString(path), "PNG");
}
