#include "tools/assetgen/avi_writer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mem.h>
#include <libswscale/swscale.h>
}

namespace assetgen {

namespace {

// MJPEG quality: 2 is near lossless, 31 a smear. Labels must stay readable.
constexpr int kVideoQuality = 4;
constexpr int kIoBufferBytes = 64 * 1024;

// The muxer writes forwards and comes back to fill in the header and sizes: a seekable buffer in memory.
struct Sink {
  std::string bytes;
  int64_t position = 0;
};

#if LIBAVFORMAT_VERSION_MAJOR >= 61
int WriteBytes(void* opaque, const uint8_t* buffer, int size) {
#else
int WriteBytes(void* opaque, uint8_t* buffer, int size) {
#endif
  auto* sink = static_cast<Sink*>(opaque);
  if (size <= 0) return 0;
  const size_t end = static_cast<size_t>(sink->position) + static_cast<size_t>(size);
  if (sink->bytes.size() < end) sink->bytes.resize(end);
  std::memcpy(sink->bytes.data() + sink->position, buffer, static_cast<size_t>(size));
  sink->position += size;
  return size;
}

int64_t SeekBytes(void* opaque, int64_t offset, int whence) {
  auto* sink = static_cast<Sink*>(opaque);
  if (whence & AVSEEK_SIZE) return static_cast<int64_t>(sink->bytes.size());
  int64_t target = 0;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
      target = offset;
      break;
    case SEEK_CUR:
      target = sink->position + offset;
      break;
    case SEEK_END:
      target = static_cast<int64_t>(sink->bytes.size()) + offset;
      break;
    default:
      return AVERROR(EINVAL);
  }
  if (target < 0) return AVERROR(EINVAL);
  sink->position = target;
  return target;
}

void Check(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string("AVI writer: ") + what);
}

// Everything FFmpeg allocates for one movie, freed in one place whatever throws.
struct Muxing {
  Sink sink;
  AVFormatContext* format = nullptr;
  AVCodecContext* video = nullptr;
  AVStream* videoStream = nullptr;
  AVStream* audioStream = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  SwsContext* scaler = nullptr;

  ~Muxing() {
    sws_freeContext(scaler);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&video);
    if (format) {
      if (format->pb) {
        av_freep(&format->pb->buffer);
        avio_context_free(&format->pb);
      }
      avformat_free_context(format);
    }
  }
};

void OpenVideo(Muxing& m, const AviMovie& movie) {
  const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
  Check(encoder != nullptr, "no MJPEG encoder");
  m.video = avcodec_alloc_context3(encoder);
  Check(m.video != nullptr, "no encoder context");
  m.video->width = movie.width;
  m.video->height = movie.height;
  m.video->pix_fmt = AV_PIX_FMT_YUVJ420P;
  m.video->color_range = AVCOL_RANGE_JPEG;
  m.video->time_base = AVRational{1, movie.framesPerSecond};
  m.video->framerate = AVRational{movie.framesPerSecond, 1};
  m.video->flags |= AV_CODEC_FLAG_QSCALE | AV_CODEC_FLAG_BITEXACT;
  m.video->global_quality = FF_QP2LAMBDA * kVideoQuality;
  m.video->thread_count = 1;
  Check(avcodec_open2(m.video, encoder, nullptr) >= 0, "the MJPEG encoder refused the frame size");
  m.videoStream = avformat_new_stream(m.format, nullptr);
  Check(m.videoStream != nullptr, "no video stream");
  Check(avcodec_parameters_from_context(m.videoStream->codecpar, m.video) >= 0, "video parameters");
  m.videoStream->time_base = m.video->time_base;

  m.frame = av_frame_alloc();
  Check(m.frame != nullptr, "no frame");
  m.frame->format = m.video->pix_fmt;
  m.frame->width = movie.width;
  m.frame->height = movie.height;
  Check(av_frame_get_buffer(m.frame, 0) >= 0, "no frame buffer");
  // The encoder's full-range planes have the layout of plain 4:2:0; the scaler is told the range itself.
  m.scaler = sws_getContext(movie.width, movie.height, AV_PIX_FMT_BGR0, movie.width, movie.height, AV_PIX_FMT_YUV420P,
                            SWS_BICUBIC, nullptr, nullptr, nullptr);
  Check(m.scaler != nullptr, "no scaler");
  const int* coefficients = sws_getCoefficients(SWS_CS_ITU601);
  sws_setColorspaceDetails(m.scaler, coefficients, 1, coefficients, 1, 0, 1 << 16, 1 << 16);
}

void OpenAudio(Muxing& m, const engine::PcmData& sound) {
  m.audioStream = avformat_new_stream(m.format, nullptr);
  Check(m.audioStream != nullptr, "no audio stream");
  AVCodecParameters* par = m.audioStream->codecpar;
  par->codec_type = AVMEDIA_TYPE_AUDIO;
  par->codec_id = AV_CODEC_ID_PCM_S16LE;
  par->sample_rate = sound.sampleRate;
  av_channel_layout_default(&par->ch_layout, sound.channels);
  par->bits_per_coded_sample = 16;
  par->block_align = 2 * sound.channels;
  par->bit_rate = static_cast<int64_t>(sound.sampleRate) * 16 * sound.channels;
  m.audioStream->time_base = AVRational{1, sound.sampleRate};
}

void Write(Muxing& m, AVStream* stream, AVRational from) {
  av_packet_rescale_ts(m.packet, from, stream->time_base);
  m.packet->stream_index = stream->index;
  Check(av_interleaved_write_frame(m.format, m.packet) >= 0, "cannot write a packet");
}

void DrainVideo(Muxing& m) {
  while (avcodec_receive_packet(m.video, m.packet) == 0) Write(m, m.videoStream, m.video->time_base);
}

void EncodeFrame(Muxing& m, const AviMovie& movie, int index) {
  engine::EngineBitmap image(movie.width, movie.height);
  image.Clear(0, 0, 0);
  movie.paint(index, image);
  Check(av_frame_make_writable(m.frame) >= 0, "frame not writable");
  const uint8_t* planes[1] = {reinterpret_cast<const uint8_t*>(image.Pixels().data())};
  const int strides[1] = {movie.width * 4};
  sws_scale(m.scaler, planes, strides, 0, movie.height, m.frame->data, m.frame->linesize);
  m.frame->pts = index;
  m.frame->quality = m.video->global_quality;
  Check(avcodec_send_frame(m.video, m.frame) >= 0, "cannot encode a frame");
  DrainVideo(m);
}

// The sound of frame `index`'s time span, as one raw PCM packet (so sound and pictures interleave).
void WriteSoundOfFrame(Muxing& m, const AviMovie& movie, int index, bool last) {
  const engine::PcmData& sound = movie.sound;
  const int64_t total = static_cast<int64_t>(sound.Frames());
  const int64_t fps = std::max(movie.framesPerSecond, 1);
  const int64_t begin = std::min(total, index * sound.sampleRate / fps);
  const int64_t end = last ? total : std::min(total, (index + 1) * sound.sampleRate / fps);
  if (end <= begin) return;
  const size_t bytes = static_cast<size_t>(end - begin) * static_cast<size_t>(sound.channels) * sizeof(int16_t);
  Check(av_new_packet(m.packet, static_cast<int>(bytes)) >= 0, "no packet");
  std::memcpy(m.packet->data, sound.samples.data() + begin * sound.channels, bytes);
  m.packet->pts = m.packet->dts = begin;
  m.packet->duration = end - begin;
  Write(m, m.audioStream, AVRational{1, sound.sampleRate});
}

}  // namespace

std::string EncodeAvi(const AviMovie& movie) {
  Check(movie.framesPerSecond > 0, "frame rate");
  const bool hasVideo = movie.frameCount > 0 && movie.paint;
  const bool hasAudio = movie.sound.Frames() > 0 && (movie.sound.channels == 1 || movie.sound.channels == 2);
  Check(hasVideo || hasAudio, "a movie needs pictures or sound");

  Muxing m;
  Check(avformat_alloc_output_context2(&m.format, nullptr, "avi", nullptr) >= 0 && m.format, "no AVI muxer");
  m.format->flags |= AVFMT_FLAG_BITEXACT;
  auto* buffer = static_cast<uint8_t*>(av_malloc(kIoBufferBytes));
  Check(buffer != nullptr, "no memory");
  m.format->pb = avio_alloc_context(buffer, kIoBufferBytes, 1, &m.sink, nullptr, WriteBytes, SeekBytes);
  if (!m.format->pb) av_free(buffer);
  Check(m.format->pb != nullptr, "no output");
  m.packet = av_packet_alloc();
  Check(m.packet != nullptr, "no packet");

  if (hasVideo) OpenVideo(m, movie);
  if (hasAudio) OpenAudio(m, movie.sound);
  Check(avformat_write_header(m.format, nullptr) >= 0, "cannot write the header");

  // Sound-only movies still come in frame-sized pieces.
  const int64_t seconds100 = static_cast<int64_t>(movie.sound.Frames()) * 100 / std::max(movie.sound.sampleRate, 1);
  const int steps = hasVideo ? movie.frameCount
                             : static_cast<int>(std::max<int64_t>(1, (seconds100 * movie.framesPerSecond + 99) / 100));
  for (int i = 0; i < steps; ++i) {
    if (hasVideo) EncodeFrame(m, movie, i);
    if (hasAudio) WriteSoundOfFrame(m, movie, i, i == steps - 1);
  }
  if (hasVideo) {
    avcodec_send_frame(m.video, nullptr);
    DrainVideo(m);
  }
  Check(av_write_trailer(m.format) >= 0, "cannot finish the file");
  avio_flush(m.format->pb);
  return m.sink.bytes;
}

}  // namespace assetgen
