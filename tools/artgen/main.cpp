// tovan-art: draws every picture of the manifest into the game folder, plus the contact sheet.
//   tovan-art --manifest <manifest.txt> --font <bold.ttf> --out <game folder>
//             [--only <name prefix>] [--threads <n>]
#include "Canvas.h"
#include "Catalog.h"
#include "ContactSheet.h"
#include "Manifest.h"
#include "TextArt.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

struct TOptions {
    std::string Manifest, Font, Out, Only;
    int Threads = 2;
};

TOptions ReadOptions(int argc, char** argv) {
    TOptions options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--manifest")
            options.Manifest = value;
        else if (key == "--font")
            options.Font = value;
        else if (key == "--out")
            options.Out = value;
        else if (key == "--only")
            options.Only = value;
        else if (key == "--threads")
            options.Threads = std::max(1, std::stoi(value));
        else
            throw std::runtime_error("unknown option " + key);
    }
    if (options.Manifest.empty() || options.Font.empty() || options.Out.empty())
        throw std::runtime_error(
            "usage: tovan-art --manifest <file> --font <ttf> --out <folder> [--only <prefix>]");
    return options;
}

// Pictures that left the manifest would still be loaded by the game: remove them.
void RemoveStalePictures(const std::string& out, const std::vector<TManifestEntry>& entries) {
    namespace fs = std::filesystem;
    std::set<std::string> wanted;
    for (const auto& entry : entries) wanted.insert(entry.File);
    const fs::path images = fs::path(out) / "Images";
    if (!fs::exists(images)) return;
    std::vector<fs::path> stale;
    for (const auto& file : fs::recursive_directory_iterator(images)) {
        const auto ext = file.path().extension();
        if (file.is_regular_file() && (ext == ".png" || ext == ".jpg") &&
            !wanted.contains(fs::relative(file.path(), out).generic_string()))
            stale.push_back(file.path());
    }
    for (const auto& file : stale) fs::remove(file);
}

TSurface DrawPicture(const TManifestEntry& entry, const TPainter& painter) {
    TSurface surface = NewSurface(entry.Width(), entry.Height());
    TContext cr = NewContext(surface.get());
    if (entry.IsJpeg()) {
        cairo_set_source_rgb(cr.get(), 0, 0, 0);
        cairo_paint(cr.get());
    }
    for (int pattern = 0; pattern < entry.Columns * entry.Rows; ++pattern) {
        cairo_save(cr.get());
        cairo_translate(cr.get(), (pattern % entry.Columns) * entry.TileWidth,
                        (pattern / entry.Columns) * entry.TileHeight);
        cairo_rectangle(cr.get(), 0, 0, entry.TileWidth, entry.TileHeight);
        cairo_clip(cr.get());
        painter({cr.get(), entry, pattern, static_cast<double>(entry.TileWidth),
                 static_cast<double>(entry.TileHeight)});
        cairo_restore(cr.get());
    }
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(entry.Name + ": " +
                                 cairo_status_to_string(cairo_status(cr.get())));
    return surface;
}

} // namespace

int main(int argc, char** argv) {
    try {
        const auto started = std::chrono::steady_clock::now();
        const TOptions options = ReadOptions(argc, argv);
        LoadArtFont(options.Font);
        const TCatalog catalog = BuildCatalog();
        std::vector<TManifestEntry> entries = ReadManifest(options.Manifest);
        if (!options.Only.empty())
            std::erase_if(entries,
                          [&](const auto& e) { return e.Name.rfind(options.Only, 0) != 0; });
        for (const auto& entry : entries)
            if (!catalog.Find(entry.Name))
                throw std::runtime_error("no painter for " + entry.Name + " (manifest line " +
                                         std::to_string(entry.Line) + ")");

        std::vector<TSurface> thumbnails(entries.size());
        std::atomic<size_t> next{0};
        std::atomic<bool> failed{false};
        const auto work = [&] {
            for (size_t i = next++; i < entries.size() && !failed; i = next++) {
                try {
                    const auto& entry = entries[i];
                    TSurface picture = DrawPicture(entry, *catalog.Find(entry.Name));
                    const std::string path = options.Out + "/" + entry.File;
                    entry.IsJpeg() ? WriteJpeg(picture.get(), path, 90)
                                   : WritePng(picture.get(), path);
                    thumbnails[i] = MakeThumbnail(picture.get(), entry);
                } catch (const std::exception& error) {
                    std::fprintf(stderr, "tovan-art: %s: %s\n", entries[i].Name.c_str(),
                                 error.what());
                    failed = true;
                }
            }
        };
        std::vector<std::thread> workers;
        for (int t = 1; t < options.Threads; ++t) workers.emplace_back(work);
        work();
        for (auto& worker : workers) worker.join();
        if (failed) return 1;
        if (options.Only.empty()) {
            RemoveStalePictures(options.Out, entries);
            WriteContactSheet(entries, thumbnails, options.Out + "/contact-sheet.png");
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::printf("tovan-art: %zu pictures in %.1f s\n", entries.size(), seconds);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tovan-art: %s\n", error.what());
        return 1;
    }
}
