#pragma once
// An error the game cannot go on after (a texture that cannot be made, no display): the
// program shows its text and ends with exit code 1. Frames never swallow it.
#include <stdexcept>

class TFatalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
