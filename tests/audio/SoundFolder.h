#pragma once
// A fresh folder under the system's temporary folder, removed again when the test ends.
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class TSoundFolder {
public:
    explicit TSoundFolder(const std::string& name)
        : root(std::filesystem::temp_directory_path() /
               ("tovan-audio-" + std::to_string(getpid()) + "-" + name)) {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    ~TSoundFolder() { std::filesystem::remove_all(root); }

    // Folder path ending in a separator, as the players take it.
    std::string Path(const std::string& sub = "") const {
        std::filesystem::create_directories(root / sub);
        return ((root / sub) / "").string();
    }
    // An empty file: enough for the recording device, which only checks that it exists.
    void Touch(const std::string& relativePath) const {
        std::filesystem::create_directories((root / relativePath).parent_path());
        std::ofstream(root / relativePath) << "";
    }

private:
    std::filesystem::path root;
};
