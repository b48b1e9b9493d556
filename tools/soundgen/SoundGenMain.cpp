// tovan-sound: builds the game's sound effects, music and voices from content/sounds/.
//   tovan-sound effects <effects.txt> <game folder>
//   tovan-sound music <music.txt> <instruments.txt> <game folder>
//   tovan-sound voices <voices.txt> <text folder> <game folder> [espeak-ng program]
#include "EffectBuilder.h"
#include "MusicBuilder.h"
#include "VoiceBuilder.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

constexpr int kThreads = 2;

int Usage() {
    std::fprintf(
        stderr, "usage: tovan-sound effects <effects.txt> <game folder>\n"
                "       tovan-sound music <music.txt> <instruments.txt> <game folder>\n"
                "       tovan-sound voices <voices.txt> <text folder> <game folder> [espeak-ng]\n");
    return 2;
}

int Run(const std::vector<std::string>& args) {
    if (args.size() == 3 && args[0] == "effects") {
        BuildEffects(LoadRecipeFile(args[1]), args[2] + "/Sounds", kThreads);
        return 0;
    }
    if (args.size() == 4 && args[0] == "music") {
        BuildMusic(LoadRecipeFile(args[1]), LoadRecipeFile(args[2]), args[3] + "/Music", kThreads);
        return 0;
    }
    if ((args.size() == 4 || args.size() == 5) && args[0] == "voices") {
        const std::string espeak = args.size() == 5 ? args[4] : "";
        if (espeak.empty() || espeak.ends_with("NOTFOUND")) {
            std::printf(
                "  espeak-ng is not installed: the voices are skipped and the game plays none\n");
            return 0;
        }
        BuildVoices(espeak, LoadRecipeFile(args[1]), args[2], args[3] + "/Voices", kThreads);
        return 0;
    }
    return Usage();
}

} // namespace

int main(int argc, char** argv) {
    // A synthesiser that quits early must not take the builder down with a broken pipe.
    std::signal(SIGPIPE, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto started = std::chrono::steady_clock::now();
    try {
        const int result = Run(args);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        if (result == 0) std::printf("  %s done in %.1f s\n", args[0].c_str(), took.count());
        return result;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tovan-sound: %s\n", error.what());
        return 1;
    }
}
