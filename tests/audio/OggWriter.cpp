#include "OggWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vorbis/vorbisenc.h>

namespace {

constexpr long SampleRate = 44100;

void WritePages(ogg_stream_state& stream, FILE* file, bool flush) {
    ogg_page page;
    while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
        std::fwrite(page.header, 1, page.header_len, file);
        std::fwrite(page.body, 1, page.body_len, file);
    }
}

} // namespace

bool WriteOggTone(const std::string& path, double seconds, double frequency) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, SampleRate, 0.3f) != 0) {
        std::fclose(file);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    WritePages(stream, file, true);

    // Feeds `count` samples (0 ends the stream) and writes what the encoder makes of them.
    auto encode = [&](long count) {
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                WritePages(stream, file, false);
            }
        }
    };
    const long total = static_cast<long>(seconds * SampleRate);
    constexpr long Chunk = 1024;
    for (long done = 0; done < total; done += Chunk) {
        const long count = std::min(Chunk, total - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        for (long i = 0; i < count; ++i)
            buffer[0][i] =
                0.4f * static_cast<float>(std::sin(2 * M_PI * frequency * (done + i) / SampleRate));
        encode(count);
    }
    encode(0);
    WritePages(stream, file, true);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return std::fclose(file) == 0;
}
