#include "platform/movie/avi_frames.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/movie/avi_demuxer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

namespace kestrine {

namespace {

// Frames larger than this are refused by the decoder: no movie of ours comes near, and a broken header must
// not make it allocate gigabytes.
constexpr int64_t kMostFramePixels = 4096LL * 4096;
constexpr int kMostFrameSide = 4096;
// Packets read for one frame at most (a long run of another stream's packets, or of broken ones).
constexpr int kMostPacketsPerFrame = 1 << 16;
// Pixels the picture converter may write at once along a row.
constexpr size_t kConverterBlock = 32;

}  // namespace

struct AviFrameDecoder::Codec {
  AviSource source;
  int stream = 0;
  std::unique_ptr<AviDemuxer> demuxer;
  AVCodecContext* context = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  SwsContext* scaler = nullptr;
  std::vector<uint32_t> converted;  // the converter's output, rows padded (see Convert)
  bool flushed = false;  // the end of the data was sent to the decoder
  int64_t counter = 0;   // the sample of the next frame when the file gives no time stamps

  ~Codec() { Close(); }

  void Close() {
    sws_freeContext(scaler);
    scaler = nullptr;
    avcodec_free_context(&context);
    av_frame_free(&frame);
    av_packet_free(&packet);
    demuxer.reset();
  }

  bool OpenAtStart() {
    Close();
    flushed = false;
    counter = 0;
    demuxer = AviDemuxer::Open(source);
    if (!demuxer) return false;
    AVFormatContext* format = demuxer->Context();
    if (stream < 0 || static_cast<unsigned>(stream) >= format->nb_streams) return false;
    const AVStream& s = *format->streams[stream];
    const AVCodec* decoder = avcodec_find_decoder(s.codecpar->codec_id);
    if (!decoder) return false;
    context = avcodec_alloc_context3(decoder);
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    if (!context || !frame || !packet || avcodec_parameters_to_context(context, s.codecpar) < 0) return false;
    context->thread_count = 1;
    context->max_pixels = kMostFramePixels;
    context->pkt_timebase = s.time_base;
    // Only this stream's packets are wanted from this demuxer.
    for (unsigned i = 0; i < format->nb_streams; ++i)
      format->streams[i]->discard = static_cast<int>(i) == stream ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    return avcodec_open2(context, decoder, nullptr) >= 0;
  }
};

std::unique_ptr<AviFrameDecoder> AviFrameDecoder::Open(const AviSource& source, int streamIndex,
                                                       const AviStreamInfo& info) {
  std::unique_ptr<AviFrameDecoder> decoder(new AviFrameDecoder);
  decoder->codec_ = std::make_unique<Codec>();
  decoder->codec_->source = source;
  decoder->codec_->stream = streamIndex;
  decoder->info_ = info;
  if (!decoder->codec_->OpenAtStart()) return nullptr;
  return decoder;
}

AviFrameDecoder::~AviFrameDecoder() = default;

bool AviFrameDecoder::Restart() {
  decoded_ = -1;
  shown_ = -1;
  firstDecoded_ = -1;
  return codec_->OpenAtStart();
}

bool AviFrameDecoder::DecodeNext() {
  Codec& c = *codec_;
  if (!c.context) return false;
  for (int packets = 0; packets < kMostPacketsPerFrame; ++packets) {
    const int received = avcodec_receive_frame(c.context, c.frame);
    if (received == 0) {
      const int64_t stamp = c.frame->best_effort_timestamp;
      const bool first = decoded_ < 0;
      decoded_ = stamp != AV_NOPTS_VALUE && stamp >= 0 ? stamp : c.counter;
      if (first) firstDecoded_ = decoded_;
      c.counter = decoded_ + 1;
      return true;
    }
    if (received != AVERROR(EAGAIN) || c.flushed) return false;
    if (av_read_frame(c.demuxer->Context(), c.packet) < 0) {
      avcodec_send_packet(c.context, nullptr);
      c.flushed = true;
      continue;
    }
    // A packet the decoder refuses is skipped: the frame before it stays on screen.
    if (c.packet->stream_index == c.stream) avcodec_send_packet(c.context, c.packet);
    av_packet_unref(c.packet);
  }
  return false;
}

bool AviFrameDecoder::Convert() {
  Codec& c = *codec_;
  const AVFrame& f = *c.frame;
  if (f.width <= 0 || f.height <= 0 || f.width > kMostFrameSide || f.height > kMostFrameSide || f.format < 0)
    return false;
  c.scaler = sws_getCachedContext(c.scaler, f.width, f.height, static_cast<AVPixelFormat>(f.format), f.width, f.height,
                                  AV_PIX_FMT_BGR0, SWS_POINT, nullptr, nullptr, nullptr);
  if (!c.scaler) return false;
  // The converter writes whole blocks of pixels, past the end of a narrow row (a picture one pixel wide
  // got sixteen written per row): it writes into rows padded to a block and a spare row, and only the
  // picture is copied out.
  const size_t width = static_cast<size_t>(f.width);
  const size_t height = static_cast<size_t>(f.height);
  const size_t stride = (width + kConverterBlock - 1) / kConverterBlock * kConverterBlock;
  c.converted.assign(stride * (height + 1), 0);
  // BGR0 in memory is 0x00RRGGBB read as one little-endian word.
  uint8_t* planes[4] = {reinterpret_cast<uint8_t*>(c.converted.data()), nullptr, nullptr, nullptr};
  int strides[4] = {static_cast<int>(stride * 4), 0, 0, 0};
  if (sws_scale(c.scaler, f.data, f.linesize, 0, f.height, planes, strides) <= 0) return false;
  frame_.width = f.width;
  frame_.height = f.height;
  frame_.pixels.resize(width * height);
  for (size_t row = 0; row < height; ++row)
    std::copy_n(c.converted.begin() + static_cast<std::ptrdiff_t>(row * stride), width,
                frame_.pixels.begin() + static_cast<std::ptrdiff_t>(row * width));
  return true;
}

const AviFrame* AviFrameDecoder::GetFrame(int32_t sample) {
  if (sample < info_.start || static_cast<int64_t>(sample) >= static_cast<int64_t>(info_.start) + info_.length)
    return nullptr;
  // Going back before the frame on screen means decoding from the start again, unless that frame is the
  // first the file has: nothing comes before it.
  if (shown_ >= 0 && sample < shown_ && shown_ != firstDecoded_) Restart();
  while (decoded_ < sample && DecodeNext()) {
  }
  if (decoded_ < 0) return nullptr;
  if (shown_ != decoded_) {
    if (!Convert()) return shown_ >= 0 ? &frame_ : nullptr;
    shown_ = decoded_;
  }
  return &frame_;
}

}  // namespace kestrine
