#pragma once
// A frame sequence written as characters, one per tick: "1".."9" and "A".."Z" name patterns,
// "-" draws nothing. Owners call Advance and then CurrentFrame once per tick.
#include <string>
#include <string_view>

class TAnimData {
public:
    bool Looped = true;

    const std::string& Seq() const { return seq_; }
    // Stores the text upper-cased, cut to 255 characters; the position stays.
    void SetSeq(std::string_view seq);
    // 1-based place in Seq; 0 before the first Advance (reads as 1).
    int Position() const { return position_; }

    // Pattern index of the current character; -999 (nothing drawn) for "-", for a character
    // that names no pattern, and for an empty sequence.
    int CurrentFrame();
    // A looped sequence of n characters cycles through its first n - 1; a sequence that is not
    // looped stays on its last character.
    void Advance();
    bool IsLastFrame() const { return position_ == static_cast<int>(seq_.size()); }
    bool IsBlankFrame() { return CurrentFrame() == -999; }
    void Reset() { position_ = 0; }

private:
    std::string seq_ = "1";
    int position_ = 0;
};
