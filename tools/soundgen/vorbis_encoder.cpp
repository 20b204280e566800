#include "vorbis_encoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstring>

namespace soundgen {
namespace {

void AppendPage(gamefile::Bytes& out, const ogg_page& page) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

// Owns the libvorbis state for one encode and frees it on every path.
struct EncoderState {
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  ogg_stream_state stream;
  bool analysisReady = false;

  EncoderState() {
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
  }
  ~EncoderState() {
    if (analysisReady) {
      ogg_stream_clear(&stream);
      vorbis_block_clear(&block);
      vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
  EncoderState(const EncoderState&) = delete;
  EncoderState& operator=(const EncoderState&) = delete;
};

// Pulls every finished packet out of the encoder into Ogg pages.
void DrainPackets(EncoderState& s, gamefile::Bytes& out) {
  ogg_packet packet;
  ogg_page page;
  while (vorbis_analysis_blockout(&s.dsp, &s.block) == 1) {
    vorbis_analysis(&s.block, nullptr);
    vorbis_bitrate_addblock(&s.block);
    while (vorbis_bitrate_flushpacket(&s.dsp, &packet)) {
      ogg_stream_packetin(&s.stream, &packet);
      while (ogg_stream_pageout(&s.stream, &page)) AppendPage(out, page);
    }
  }
}

}  // namespace

Outcome<gamefile::Bytes> EncodeVorbis(const StereoBuffer& sound, float quality) {
  EncoderState s;
  if (vorbis_encode_init_vbr(&s.info, 2, kSampleRate, quality) != 0) {
    return Outcome<gamefile::Bytes>::Fail("Vorbis-Kodierer lehnt die Einstellungen ab");
  }
  vorbis_comment_add_tag(&s.comment, "ENCODER", "Vistrel soundgen");
  vorbis_analysis_init(&s.dsp, &s.info);
  vorbis_block_init(&s.dsp, &s.block);
  ogg_stream_init(&s.stream, 0x56697374);  // fixed serial: the same bytes on every build
  s.analysisReady = true;

  gamefile::Bytes out;
  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&s.dsp, &s.comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&s.stream, &header);
  ogg_stream_packetin(&s.stream, &commentHeader);
  ogg_stream_packetin(&s.stream, &codeHeader);
  ogg_page page;
  while (ogg_stream_flush(&s.stream, &page)) AppendPage(out, page);

  constexpr std::size_t kChunk = 4096;
  for (std::size_t at = 0; at < sound.frames(); at += kChunk) {
    const std::size_t n = std::min(kChunk, sound.frames() - at);
    float** buffer = vorbis_analysis_buffer(&s.dsp, static_cast<int>(n));
    std::memcpy(buffer[0], sound.left.data() + at, n * sizeof(float));
    std::memcpy(buffer[1], sound.right.data() + at, n * sizeof(float));
    vorbis_analysis_wrote(&s.dsp, static_cast<int>(n));
    DrainPackets(s, out);
  }
  vorbis_analysis_wrote(&s.dsp, 0);  // end of stream
  DrainPackets(s, out);
  while (ogg_stream_flush(&s.stream, &page)) AppendPage(out, page);
  return out;
}

}  // namespace soundgen
