#include "OggCodec.h"

#include "Synth.h"
#include "files/AtomicWrite.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

namespace {

void AppendPage(std::string& out, const ogg_page& page) {
    out.append(reinterpret_cast<const char*>(page.header), page.header_len);
    out.append(reinterpret_cast<const char*>(page.body), page.body_len);
}

struct TMemoryReader {
    const std::string* bytes;
    std::size_t at = 0;
};

size_t ReadMemory(void* target, size_t size, size_t count, void* source) {
    auto* reader = static_cast<TMemoryReader*>(source);
    const std::size_t wanted = size * count;
    const std::size_t left = reader->bytes->size() - reader->at;
    const std::size_t taken = std::min(wanted, left);
    std::memcpy(target, reader->bytes->data() + reader->at, taken);
    reader->at += taken;
    return size == 0 ? 0 : taken / size;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* reader = static_cast<TMemoryReader*>(source);
    const auto size = static_cast<ogg_int64_t>(reader->bytes->size());
    ogg_int64_t target = offset;
    if (whence == SEEK_CUR) target += static_cast<ogg_int64_t>(reader->at);
    if (whence == SEEK_END) target += size;
    if (target < 0 || target > size) return -1;
    reader->at = static_cast<std::size_t>(target);
    return 0;
}

long TellMemory(void* source) {
    return static_cast<long>(static_cast<TMemoryReader*>(source)->at);
}

float PeakOfAudio(const TAudio& audio) {
    return PeakOf(audio.samples);
}

} // namespace

std::string EncodeOgg(const TAudio& audio, float quality, uint32_t serial) {
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, audio.channels, audio.rate, quality) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("the Vorbis encoder refused the format");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ARTIST", "The Saga of Tovan");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, static_cast<int>(serial & 0x7fffffff));

    std::string out;
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) AppendPage(out, page);

    auto drain = [&] {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) AppendPage(out, page);
            }
        }
    };
    constexpr std::size_t kChunk = 4096;
    const std::size_t frames = audio.Frames();
    for (std::size_t done = 0; done < frames; done += kChunk) {
        const std::size_t count = std::min(kChunk, frames - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        for (std::size_t i = 0; i < count; ++i)
            for (int c = 0; c < audio.channels; ++c)
                buffer[c][i] = audio.samples[(done + i) * audio.channels + c];
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page) != 0) AppendPage(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

bool DecodeOgg(const std::string& bytes, TAudio& audio) {
    TMemoryReader reader{&bytes, 0};
    OggVorbis_File file;
    const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
    if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0) return false;
    const vorbis_info* info = ov_info(&file, -1);
    audio = {};
    audio.channels = info->channels;
    audio.rate = static_cast<int>(info->rate);
    bool ok = true;
    while (true) {
        float** pcm = nullptr;
        int section = 0;
        const long frames = ov_read_float(&file, &pcm, 4096, &section);
        if (frames == 0) break;
        if (frames < 0) {
            ok = false;
            break;
        }
        for (long i = 0; i < frames; ++i)
            for (int c = 0; c < audio.channels; ++c) audio.samples.push_back(pcm[c][i]);
    }
    ov_clear(&file);
    return ok;
}

bool DecodeOggFile(const std::string& path, TAudio& audio) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return DecodeOgg(bytes.str(), audio);
}

double WriteOggFile(const std::string& path, TAudio audio, float quality, double maxPeakDb) {
    const auto serial =
        static_cast<uint32_t>(HashName(std::filesystem::path(path).filename().string()));
    for (int attempt = 0;; ++attempt) {
        const std::string bytes = EncodeOgg(audio, quality, serial);
        TAudio decoded;
        if (!DecodeOgg(bytes, decoded))
            throw std::runtime_error(path + ": encoded stream does not decode");
        const double peakDb = GainToDb(PeakOfAudio(decoded));
        if (peakDb <= maxPeakDb || attempt == 4) {
            if (peakDb > maxPeakDb) throw std::runtime_error(path + ": peak stays above the limit");
            if (const std::string error = WriteFileAtomic(path, bytes); !error.empty())
                throw std::runtime_error(path + ": " + error);
            return peakDb;
        }
        // Vorbis rings a little above the source peak: lower by the overshoot and a margin.
        const auto scale = static_cast<float>(DbToGain(maxPeakDb - peakDb - 0.1));
        for (float& s : audio.samples) s *= scale;
    }
}
