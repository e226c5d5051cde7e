// SPDX-FileCopyrightText: 2026 The Skirmora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// skirmora-sim: the battle without a window, deterministic from its seed and input script.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/sim/InputScript.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/Simulation.h"

namespace {

constexpr int kExitBadInput = 2;

int Refuse(const std::string& message) {
    std::cerr << "skirmora-sim: " << message << '\n' << kSimUsage;
    return kExitBadInput;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const auto parsed = ParseSimOptions(args);
    if (const auto* error = std::get_if<OptionsError>(&parsed)) {
        return Refuse(error->message);
    }
    const SimOptions& options = std::get<SimOptions>(parsed);
    if (options.help) {
        std::cout << kSimHelp;
        return std::cout.flush() ? 0 : 1;
    }

    std::vector<ScriptEvent> events;
    if (!options.inputPath.empty()) {
        std::ifstream file(options.inputPath, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        if (!file) {
            return Refuse("argument --input: cannot read '" + options.inputPath + "'");
        }
        auto script = ParseInputScript(text.str());
        if (const auto* error = std::get_if<ScriptError>(&script)) {
            std::cerr << "skirmora-sim: " << options.inputPath << ":" << error->line << ": "
                      << error->message << '\n';
            return kExitBadInput;
        }
        events = std::move(std::get<std::vector<ScriptEvent>>(script));
    }

    std::ios::sync_with_stdio(false);
    CSimulation simulation(options, std::move(events));
    simulation.Run(options.trace ? &std::cout : nullptr);
    std::cout.flush();
    if (!options.pngPath.empty() && !simulation.WritePicture(options.pngPath)) {
        std::cerr << "skirmora-sim: cannot write '" << options.pngPath << "'\n";
        return 1;
    }
    return std::cout ? 0 : 1;
}
