#include "test_support/ogg.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace testsupport {

bool WriteOgg(const std::string& path, const OggTone& tone) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  vorbis_info info;
  vorbis_info_init(&info);
  vorbis_encode_init_vbr(&info, tone.channels, tone.rate, 0.1f);
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);
  bool written = true;
  auto writePage = [&](const ogg_page& page) {
    written &= std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), file) ==
               static_cast<std::size_t>(page.header_len);
    written &= std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), file) ==
               static_cast<std::size_t>(page.body_len);
  };
  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &headerComment);
  ogg_stream_packetin(&stream, &headerCode);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) writePage(page);

  const int totalFrames = static_cast<int>(tone.seconds * tone.rate);
  int done = 0;
  bool finished = false;
  while (!finished) {
    const int chunk = std::min(1024, totalFrames - done);
    if (chunk <= 0) {
      vorbis_analysis_wrote(&dsp, 0);
    } else {
      float** buffer = vorbis_analysis_buffer(&dsp, chunk);
      for (int i = 0; i < chunk; ++i) {
        const float value =
            tone.amplitude * static_cast<float>(std::sin((done + i) * 2 * M_PI * tone.frequency / tone.rate));
        for (int c = 0; c < tone.channels; ++c) buffer[c][i] = value;
      }
      vorbis_analysis_wrote(&dsp, chunk);
      done += chunk;
    }
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page) != 0) {
          writePage(page);
          if (ogg_page_eos(&page) != 0) finished = true;
        }
      }
    }
    if (chunk <= 0 && !finished) {
      while (ogg_stream_flush(&stream, &page) != 0) writePage(page);
      finished = true;
    }
  }
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return std::fclose(file) == 0 && written;
}

}  // namespace testsupport
