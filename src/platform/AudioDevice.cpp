#include "platform/AudioDevice.h"

#include "platform/AudioSdlDevice.h"

#include <cstdio>

std::unique_ptr<TAudioDevice> OpenAudioDevice() {
    std::string whyNot;
    if (auto device = TSdlAudioDevice::Open(whyNot)) return device;
    std::fprintf(stderr, "Running without sound: %s.\n", whyNot.c_str());
    return std::make_unique<TNullAudioDevice>();
}
