// Any bytes as every text table and as the settings file: reading, filtering, measuring and
// wrapping never fail, and no entry grows past its table's length.
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/BitmapFont.h"
#include "engine/SettingLoaderClass.h"
#include "engine/TextStringsClass.h"

namespace {

std::string MakeFolder() {
    char pattern[] = "/tmp/tovan-fuzz-texts-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (made == nullptr) std::abort();
    return std::string(made) + "/";
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    // Enough empty lines that no table is short, so the reader stays quiet.
    out << std::string(300, '\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string folder = MakeFolder();
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
