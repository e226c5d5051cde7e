// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// skirmora-screen-match: whether a screenshot shows the game's client area exactly as the
// simulator draws it for one of a few seeds after some tick.
//
//   skirmora-screen-match SCREENSHOT --seeds FIRST-LAST --max-ticks N [--size WxH]
//                         [--closest-png FILE]
//
// Exit status 0 for an exact match, 1 for none (the closest is reported), 2 for bad input or a
// screenshot without the game's client area in it.

#include <QImage>
#include <QString>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ClientSearch.h"
#include "PixelDifference.h"
#include "TickSearch.h"

namespace {

constexpr int kExitNoMatch = 1;
constexpr int kExitBadInput = 2;

constexpr const char* kUsage =
    "usage: skirmora-screen-match SCREENSHOT --seeds FIRST-LAST --max-ticks N [--size WxH]\n"
    "                             [--closest-png FILE]\n";

struct Options {
    std::string screenshot;
    std::uint32_t firstSeed = 0;
    std::uint32_t lastSeed = 0;
    int maxTicks = -1;
    QSize size;
    std::string closestPng;
};

// Two numbers around `separator`, each fully read.
std::optional<std::pair<long long, long long>> Pair(std::string_view text, char separator) {
    const auto at = text.find(separator);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    bool firstOk = false;
    bool secondOk = false;
    const long long first = QString::fromUtf8(text.substr(0, at)).toLongLong(&firstOk);
    const long long second = QString::fromUtf8(text.substr(at + 1)).toLongLong(&secondOk);
    if (!firstOk || !secondOk) {
        return std::nullopt;
    }
    return std::pair{first, second};
}

std::optional<Options> Parse(const std::vector<std::string_view>& args) {
    Options options;
    bool seeds = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--seeds" && hasValue) {
            const auto range = Pair(args[++i], '-');
            if (!range || range->first < 0 || range->second < range->first ||
                range->second > UINT32_MAX) {
                return std::nullopt;
            }
            options.firstSeed = static_cast<std::uint32_t>(range->first);
            options.lastSeed = static_cast<std::uint32_t>(range->second);
            seeds = true;
        } else if (arg == "--max-ticks" && hasValue) {
            bool ok = false;
            options.maxTicks = QString::fromUtf8(args[++i]).toInt(&ok);
            if (!ok || options.maxTicks < 0) {
                return std::nullopt;
            }
        } else if (arg == "--size" && hasValue) {
            const auto size = Pair(args[++i], 'x');
            if (!size || size->first <= 0 || size->second <= 0 || size->first > 100000 ||
                size->second > 100000) {
                return std::nullopt;
            }
            options.size = QSize(static_cast<int>(size->first), static_cast<int>(size->second));
        } else if (arg == "--closest-png" && hasValue) {
            options.closestPng = args[++i];
        } else if (!arg.starts_with("--") && options.screenshot.empty()) {
            options.screenshot = arg;
        } else {
            return std::nullopt;
        }
    }
    if (options.screenshot.empty() || !seeds || options.maxTicks < 0) {
        return std::nullopt;
    }
    return options;
}

std::ostream& operator<<(std::ostream& out, const QRect& rect) {
    return out << rect.width() << 'x' << rect.height() << " at " << rect.x() << ',' << rect.y();
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = Parse({argv + 1, argv + argc});
    if (!options) {
        std::cerr << kUsage;
        return kExitBadInput;
    }
    const QImage original(QString::fromStdString(options->screenshot));
    if (original.isNull()) {
        std::cerr << "skirmora-screen-match: cannot read '" << options->screenshot << "'\n";
        return kExitBadInput;
    }
    const QImage screen = original.convertToFormat(
        original.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);

    const std::vector<QRect> candidates = ClientCandidates(screen, options->size);
    if (candidates.empty()) {
        std::cout << "no client area: no energy bars of the game found in the screenshot\n";
        return kExitBadInput;
    }
    // Where the bars leave the height open, the right one is the one whose picture comes
    // closest; the first seed's full paint is close enough to tell.
    QRect client;
    std::int64_t fewest = -1;
    for (const QRect& candidate : candidates) {
        const ClosestTick start =
            FindClosestTick(screen, candidate, options->firstSeed, options->firstSeed, 0);
        if (fewest < 0 || start.differing < fewest) {
            fewest = start.differing;
            client = candidate;
        }
    }
    std::cout << "client area: " << client << '\n';

    const std::int64_t translucent = CountTranslucent(original, client);
    std::cout << "translucent client pixels: " << translucent << '\n';

    const ClosestTick closest = FindClosestTick(screen, client, options->firstSeed,
                                                options->lastSeed, options->maxTicks, true);
    if (!options->closestPng.empty()) {
        closest.picture.convertToFormat(QImage::Format_RGB888)
            .save(QString::fromStdString(options->closestPng), "PNG");
    }
    const std::int64_t pixels = static_cast<std::int64_t>(client.width()) * client.height();
    const std::string repaint = closest.repaintAfter < 0
                                    ? std::string()
                                    : " (the whole picture repainted after tick " +
                                          std::to_string(closest.repaintAfter) + ")";
    if (closest.differing == 0 && translucent == 0) {
        std::cout << "match: seed " << closest.seed << " tick " << closest.tick << repaint << '\n';
        return 0;
    }
    std::cout << "no match; closest: seed " << closest.seed << " tick " << closest.tick << repaint
              << ", " << closest.differing << " of " << pixels << " pixels differ\n";
    return kExitNoMatch;
}
