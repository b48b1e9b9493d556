// Any bytes as every text table and as the settings file: reading, filtering, measuring and
// wrapping never fail, and no entry grows past its table's length.
#include "engine/BitmapFont.h"
#include "engine/SettingLoaderClass.h"
#include "engine/TextStringsClass.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The tables live in a fresh folder under the system's temporary folder, removed at exit.
class TFuzzFolder {
public:
    TFuzzFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tovan-fuzz-texts-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        root = pattern;
    }
    ~TFuzzFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    TFuzzFolder(const TFuzzFolder&) = delete;
    TFuzzFolder& operator=(const TFuzzFolder&) = delete;
    std::string Path() const { return root.string() + "/"; }

private:
    std::filesystem::path root;
};

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    // Enough empty lines that no table is short, so the reader stays quiet.
    out << std::string(300, '\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TFuzzFolder fuzzFolder;
    static const std::string folder = fuzzFolder.Path();
    for (int t = 0; t < TextTableCount; ++t)
        WriteFile(folder + TTextStrings::FileOf(static_cast<TTextTable>(t)).FileName, data, size);
    WriteFile(folder + TSettingLoader::FileName, data, size);

    const TTextStrings texts(folder);
    const TSettingLoader settings(folder);
    if (settings.Language > laSE) std::abort();

    for (int t = 0; t < TextTableCount; ++t) {
        const auto table = static_cast<TTextTable>(t);
        for (int line = 0; line <= TTextStrings::LineCount(table) + 1; ++line) {
            const std::string& entry = texts.Entry(table, line);
            if (entry.size() > TTextStrings::FileOf(table).EntryLength) std::abort();
            for (TGameFontKind font : {fkAirstripComment, fkAirstripNormal}) {
                const std::string shown = FilterText(font, entry);
                TextWidth(font, shown, 0, 0.7f);
                WrapText(font, shown, 0, line % 22, 1 + line * 7, 0.59f);
            }
        }
    }
    return 0;
}
