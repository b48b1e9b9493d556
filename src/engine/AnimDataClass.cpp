#include "engine/AnimDataClass.h"

#include "engine/ImageDrawing.h"

#include <cctype>

namespace {
int PatternOf(char c) {
    if (c >= '1' && c <= '9') return c - '1';
    if (c >= 'A' && c <= 'Z') return c - 'A';
    return NoPattern;
}
} // namespace

void TAnimData::SetSeq(std::string_view seq) {
    seq_.assign(seq.substr(0, 255));
    for (char& c : seq_) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

int TAnimData::CurrentFrame() {
    if (position_ < 1) position_ = 1;
    if (position_ > static_cast<int>(seq_.size())) return NoPattern;
    return PatternOf(seq_[position_ - 1]);
}

void TAnimData::Advance() {
    ++position_;
    const int length = static_cast<int>(seq_.size());
    if (position_ >= length) position_ = Looped ? 1 : length;
}
