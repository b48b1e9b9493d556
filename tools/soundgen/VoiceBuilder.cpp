#include "VoiceBuilder.h"

#include "Parallel.h"
#include "Synth.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr double kVoicePeakDb = -3;
constexpr double kFitMargin = 0.15; // seconds of air left at the end of a fitted clip

// A child process with its standard input and output on pipes; no shell is involved.
struct TChild {
    pid_t pid = 0;
    int input = -1;
    int output = -1;
};

// The pipes close on exec: voices are built on several threads at once, and a child that
// inherited another child's pipe end would keep that one waiting for an end of input forever.
TChild Spawn(const std::vector<std::string>& arguments) {
    int toChild[2], fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    if (pipe2(fromChild, O_CLOEXEC) != 0) {
        close(toChild[0]);
        close(toChild[1]);
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
    posix_spawn_file_actions_addclose(&actions, toChild[1]);
    posix_spawn_file_actions_addclose(&actions, fromChild[0]);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    TChild child{0, toChild[1], fromChild[0]};
    const int spawned = posix_spawnp(&child.pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(toChild[0]);
    close(fromChild[1]);
    if (spawned != 0) {
        close(child.input);
        close(child.output);
        throw std::runtime_error(arguments[0] + " cannot be started: " + std::strerror(spawned));
    }
    return child;
}

std::string RunWithInput(const std::vector<std::string>& arguments, const std::string& input) {
    const TChild child = Spawn(arguments);
    // A line of text fits the pipe, so writing it all before reading cannot block.
    for (std::size_t written = 0; written < input.size();) {
        const ssize_t n = write(child.input, input.data() + written, input.size() - written);
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    close(child.input);
    std::string output;
    char buffer[65536];
    for (ssize_t n; (n = read(child.output, buffer, sizeof buffer)) > 0;) output.append(buffer, n);
    close(child.output);
    int status = 0;
    waitpid(child.pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(arguments[0] + " failed");
    return output;
}

uint32_t ReadLittle(const std::string& bytes, std::size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// 16-bit PCM WAV as espeak-ng streams it (its data size may be a placeholder: read to the end).
TAudio ParseWav(const std::string& bytes) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
        throw std::runtime_error("the synthesiser gave no WAV data");
    TAudio audio;
    int bits = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const uint32_t size = ReadLittle(bytes, at + 4, 4);
        at += 8;
        if (id == "fmt " && at + 16 <= bytes.size()) {
            audio.channels = static_cast<int>(ReadLittle(bytes, at + 2, 2));
            audio.rate = static_cast<int>(ReadLittle(bytes, at + 4, 4));
            bits = static_cast<int>(ReadLittle(bytes, at + 14, 2));
        } else if (id == "data") {
            if (bits != 16 || audio.channels != 1)
                throw std::runtime_error("unexpected WAV format");
            const std::size_t end =
                std::min<std::size_t>(bytes.size(), at + std::min<std::size_t>(size, bytes.size()));
            for (std::size_t i = at; i + 1 < end; i += 2)
                audio.samples.push_back(static_cast<int16_t>(ReadLittle(bytes, i, 2)) / 32768.0f);
            return audio;
        }
        at += size + (size & 1);
    }
    throw std::runtime_error("the WAV data has no samples");
}

// Doubles the rate with a windowed-sinc half-band filter; other rates are interpolated.
TSamples ToGameRate(const TAudio& audio) {
    if (audio.rate == kSampleRate) return audio.samples;
    TSamples out;
    if (audio.rate * 2 == kSampleRate) {
        constexpr int kHalfTaps = 24;
        std::vector<double> taps(2 * kHalfTaps + 1);
        for (int k = -kHalfTaps; k <= kHalfTaps; ++k) {
            const double x = k * 0.5;
            const double sinc = k == 0 ? 1.0 : std::sin(kPi * x) / (kPi * x);
            const double window = 0.42 + 0.5 * std::cos(kPi * k / (kHalfTaps + 1)) +
                                  0.08 * std::cos(2 * kPi * k / (kHalfTaps + 1));
            taps[k + kHalfTaps] = sinc * window;
        }
        const auto frames = static_cast<long>(audio.samples.size());
        out.resize(frames * 2);
        for (long n = 0; n < frames * 2; ++n) {
            double sum = 0;
            for (int k = -kHalfTaps; k <= kHalfTaps; ++k) {
                const long m = n - k;
                if (m % 2 != 0 || m < 0 || m / 2 >= frames) continue;
                sum += taps[k + kHalfTaps] * audio.samples[m / 2];
            }
            out[n] = static_cast<float>(sum);
        }
        return out;
    }
    const double ratio = static_cast<double>(audio.rate) / kSampleRate;
    const auto frames = static_cast<std::size_t>(audio.samples.size() / ratio);
    for (std::size_t n = 0; n < frames; ++n) {
        const double at = n * ratio;
        const auto i = static_cast<std::size_t>(at);
        const double f = at - i;
        const float a = audio.samples[i];
        const float b = i + 1 < audio.samples.size() ? audio.samples[i + 1] : 0.0f;
        out.push_back(static_cast<float>(a + (b - a) * f));
    }
    return out;
}

// Speech starts and ends with a little air, no more.
void TrimSilence(TSamples& samples) {
    constexpr double kFloorDb = -45, kAirSeconds = 0.02;
    TrimSilentEnd(samples, kFloorDb, kAirSeconds);
    const float floor = PeakOf(samples) * static_cast<float>(DbToGain(kFloorDb));
    std::size_t first = 0;
    while (first < samples.size() && std::abs(samples[first]) <= floor) ++first;
    const std::size_t air = SecondsToSamples(kAirSeconds);
    samples.erase(samples.begin(),
                  samples.begin() + static_cast<long>(first > air ? first - air : 0));
}

struct TCharacterVoice {
    std::string voice;
    int pitch;
    int speed;
    int fastest;
};

TCharacterVoice VoiceOf(const TRecipeFile& settings, int speaker) {
    const std::string block = speaker == kNarrator ? "Narrator"
                              : speaker == kHero   ? "Hero"
                                                   : "Client" + std::to_string(speaker);
    const TRecipe* recipe = settings.Find(block);
    if (recipe == nullptr) throw TRecipeError(settings.path + ": no [" + block + "] voice");
    const int speed = static_cast<int>(recipe->Number("speed", 150));
    return {recipe->Text("voice", "en"), static_cast<int>(recipe->Number("pitch", 50)), speed,
            static_cast<int>(recipe->Number("fastest", speed * 1.4))};
}

TAudio SpeakLine(const std::string& espeak, const TRecipeFile& settings, const TVoiceLine& line) {
    const TCharacterVoice voice = VoiceOf(settings, line.speaker);
    const std::string text = SpokenText(line.text);
    bool exact = false;
    const double limit = ClipLimit(settings, line, exact);
    TAudio speech = Speak(espeak, text, voice.voice, voice.pitch, voice.speed);
    if (limit > 0 && speech.Seconds() > limit - kFitMargin) {
        // Talk faster to fit the balloon, but not faster than the character can still be
        // understood.
        const double wanted = voice.speed * speech.Seconds() / (limit - kFitMargin) * 1.04;
        const int speed = std::min(voice.fastest, static_cast<int>(std::ceil(wanted)));
        speech = Speak(espeak, text, voice.voice, voice.pitch, speed);
        if (speech.Seconds() > limit)
            std::fprintf(stderr,
                         "warning: %s/%s lasts %.2f s, more than the %.2f s its balloon waits\n",
                         line.folder.c_str(), line.name.c_str(), speech.Seconds(), limit);
    }
    if (exact && speech.Seconds() < limit) speech.samples.resize(SecondsToSamples(limit), 0.0f);
    return speech;
}

void RemoveStaleClips(const std::string& folder, const std::set<std::string>& kept) {
    if (!std::filesystem::exists(folder)) return;
    for (const auto& file : std::filesystem::recursive_directory_iterator(folder))
        if (file.path().extension() == ".ogg" && !kept.contains(file.path().string()))
            std::filesystem::remove(file.path());
}

} // namespace

TAudio Speak(const std::string& espeak, const std::string& utf8Text, const std::string& voice,
             int pitch, int wordsPerMinute) {
    const std::string wav =
        RunWithInput({espeak, "-v", voice, "-p", std::to_string(pitch), "-s",
                      std::to_string(wordsPerMinute), "-b", "1", "--stdin", "--stdout"},
                     utf8Text + "\n");
    const TAudio raw = ParseWav(wav);
    TSamples samples = ToGameRate(raw);
    if (PeakOf(samples) <= 0)
        throw std::runtime_error("the synthesiser gave silence for \"" + utf8Text + "\"");
    TrimSilence(samples);
    RemoveDcOffset(samples);
    FadeEdges(samples, 0.005, 0.005);
    const auto scale = static_cast<float>(DbToGain(kVoicePeakDb) / PeakOf(samples));
    for (float& s : samples) s *= scale;
    return {1, kSampleRate, std::move(samples)};
}

double ClipLimit(const TRecipeFile& settings, const TVoiceLine& line, bool& exact) {
    exact = false;
    if (line.conversation == 0) return 0;
    const TRecipe* durations = settings.Find("Durations");
    if (durations == nullptr) return 0;
    if (const std::string* row = durations->FindSetting(std::to_string(line.conversation))) {
        std::istringstream words(*row);
        double seconds = 0;
        for (int i = 1; words >> seconds; ++i)
            if (i == line.line) {
                exact = true;
                return seconds;
            }
    }
    return durations->Number("default", 5.0);
}

void BuildVoices(const std::string& espeak, const TRecipeFile& settings,
                 const std::string& textFolder, const std::string& voiceFolder, int threads) {
    std::vector<TVoiceLine> lines;
    std::vector<std::string> entries;
    if (ReadTextTable(textFolder + "/GameTutorial.txt", kTutorialEntries, 255, entries))
        lines = TutorialVoiceLines(entries);
    else
        std::printf("  no %s/GameTutorial.txt: no tutorial voices\n", textFolder.c_str());
    if (ReadTextTable(textFolder + "/CharacterChats.txt", kChatEntries, 255, entries)) {
        const std::vector<TVoiceLine> chats = ChatVoiceLines(entries);
        lines.insert(lines.end(), chats.begin(), chats.end());
    } else {
        std::printf("  no %s/CharacterChats.txt: no chat voices\n", textFolder.c_str());
    }
    std::vector<std::string> paths(lines.size());
    std::vector<double> seconds(lines.size(), 0);
    ParallelFor(static_cast<int>(lines.size()), threads, [&](int i) {
        const TVoiceLine& line = lines[i];
        if (!IsSpeakable(line)) return;
        const std::string folder = voiceFolder + "/" + line.folder;
        std::filesystem::create_directories(folder);
        const TAudio speech = SpeakLine(espeak, settings, line);
        paths[i] = folder + "/" + line.name + ".ogg";
        seconds[i] = speech.Seconds();
        WriteOggFile(paths[i], speech, 0.3f, -1.0);
    });
    const std::set<std::string> kept(paths.begin(), paths.end());
    RemoveStaleClips(voiceFolder + "/Tutorial", kept);
    RemoveStaleClips(voiceFolder + "/Chats", kept);
    double total = 0;
    for (const double s : seconds) total += s;
    std::printf("  %zu voice clips, %.1f s of speech\n", kept.size() - kept.count(""), total);
}
