#pragma once
// A fresh folder under the system's temporary folder for files a test writes itself, removed
// again when the test ends.
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class TTempFolder {
public:
    explicit TTempFolder(const std::string& name)
        : root(std::filesystem::temp_directory_path() /
               ("tovan-test-" + std::to_string(getpid()) + "-" + name)) {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    ~TTempFolder() { std::filesystem::remove_all(root); }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    // Path of a sub-folder (made if needed) ending in a separator, as the game's loaders take
    // folders.
    std::string Path(const std::string& sub = "") const {
        std::filesystem::create_directories(root / sub);
        return ((root / sub) / "").string();
    }
    // Writes the bytes exactly, making the file's folders as needed.
    void Write(const std::string& relativePath, const std::string& bytes = "") const {
        std::filesystem::create_directories((root / relativePath).parent_path());
        std::ofstream(root / relativePath, std::ios::binary) << bytes;
    }
    void Remove(const std::string& relativePath) const {
        std::filesystem::remove(root / relativePath);
    }

private:
    std::filesystem::path root;
};
