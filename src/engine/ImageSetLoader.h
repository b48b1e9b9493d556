#pragma once
// TImageSetLoader: loads an image set a few pictures at a time, so a frame can draw the
// loading bar between steps and the window keeps answering the desktop. The one file list
// both counts the pictures and loads them, and a picture that cannot be decoded is reported and
// skipped: the set always finishes.
#include <functional>
#include <string>
#include <vector>

class TImageListItem;
class TOmegaImageList;

class TImageSetLoader {
public:
    // Each picture added to the list, and each one skipped with the reason.
    std::function<void(int set, const TImageListItem& item)> OnImageLoaded;
    std::function<void(const std::string& message)> OnImageSkipped;

    // The set's ".jpg" files and then its ".png" files, in sorted order, from folder.
    void Start(int set, const std::string& folder, bool jpgFiles = true, bool pngFiles = true);
    // Loads up to count more pictures into the list; true once the set is done.
    bool LoadNext(TOmegaImageList& list, int count);
    // Loads what is left in one go.
    void LoadRest(TOmegaImageList& list);

    int ImageCount() const { return static_cast<int>(files_.size()); }
    int LoadedCount() const { return static_cast<int>(next_); }
    bool Finished() const { return next_ >= files_.size(); }

private:
    int set_ = -1;
    std::string folder_;
    std::vector<std::string> files_;
    size_t next_ = 0;
};
