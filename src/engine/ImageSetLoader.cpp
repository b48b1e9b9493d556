#include "engine/ImageSetLoader.h"

#include "engine/OmegaImageList.h"

void TImageSetLoader::Start(int set, const std::string& folder, bool jpgFiles, bool pngFiles) {
    set_ = set;
    folder_ = folder;
    files_.clear();
    next_ = 0;
    auto add = [this](const char* extension) {
        for (std::string& file : ImageFilesOf(folder_, extension))
            files_.push_back(std::move(file));
    };
    if (jpgFiles) add(".jpg");
    if (pngFiles) add(".png");
}

bool TImageSetLoader::LoadNext(TOmegaImageList& list, int count) {
    for (; count > 0 && !Finished(); --count) {
        const std::string& file = files_[next_++];
        try {
            const TImageListItem& item = list.LoadImageFile(folder_, file);
            if (OnImageLoaded) OnImageLoaded(set_, item);
        } catch (const TImageDecodeError& error) {
            // One broken picture leaves a gap, not a set that never finishes.
            if (OnImageSkipped) OnImageSkipped(std::string("Picture skipped: ") + error.what());
        }
    }
    return Finished();
}

void TImageSetLoader::LoadRest(TOmegaImageList& list) {
    LoadNext(list, ImageCount() - LoadedCount());
}
