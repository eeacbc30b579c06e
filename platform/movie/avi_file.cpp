#include "platform/movie/avi_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <system_error>

#include "engine/file_limits.h"
#include "engine/game_path.h"
#include "platform/movie/avi_audio.h"
#include "platform/movie/avi_demuxer.h"
#include "platform/movie/avi_frames.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace kestrine {

namespace {

// A file cannot hold more than this many streams we look at; the player uses the first two anyway.
constexpr unsigned kMostStreams = 16;
// Reading stops after this many packets: no real movie of ours comes near it.
constexpr int64_t kMostPackets = 4'000'000;
// The sound is kept decoded in memory: at most ten minutes at 48,000 samples a second, and never more than
// a generous 64 samples for every byte of the file (no codec packs sound tighter), so a small broken file
// cannot make the reader fill the memory.
constexpr int64_t kMostAudioSamples = 48'000LL * 60 * 10;
constexpr int64_t kMostAudioSamplesPerByte = 64;
// Frame rates a movie can sensibly have; a stream outside them is not treated as video.
constexpr double kSlowestFramesPerSecond = 0.5;
constexpr double kFastestFramesPerSecond = 1000.0;

int32_t Saturate(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

AviStreamInfo DescribeVideo(const AVStream& stream) {
  AviStreamInfo info;
  const AVRational base = stream.time_base;
  if (base.num <= 0 || base.den <= 0) return info;
  const double fps = static_cast<double>(base.den) / base.num;
  if (fps < kSlowestFramesPerSecond || fps > kFastestFramesPerSecond) return info;
  info.type = AviStreamType::Video;
  info.scale = base.num;
  info.rate = base.den;
  info.width = std::max(0, stream.codecpar->width);
  info.height = std::max(0, stream.codecpar->height);
  return info;
}

// The decoding of one audio stream to 16-bit PCM at its own rate, one or two channels.
class AudioDecoding {
 public:
  AudioDecoding() = default;
  AudioDecoding(const AudioDecoding&) = delete;
  AudioDecoding& operator=(const AudioDecoding&) = delete;
  ~AudioDecoding() {
    swr_free(&resampler_);
    avcodec_free_context(&codec_);
    av_frame_free(&frame_);
    av_channel_layout_uninit(&outLayout_);
    av_channel_layout_uninit(&inLayout_);
  }

  bool Open(const AVStream& stream, int64_t mostSamples) {
    const AVCodecParameters& par = *stream.codecpar;
    if (par.sample_rate < 1000 || par.sample_rate > 192000) return false;
    if (par.ch_layout.nb_channels < 1 || par.ch_layout.nb_channels > 8) return false;
    const AVCodec* decoder = avcodec_find_decoder(par.codec_id);
    if (!decoder) return false;
    codec_ = avcodec_alloc_context3(decoder);
    frame_ = av_frame_alloc();
    if (!codec_ || !frame_ || avcodec_parameters_to_context(codec_, &par) < 0) return false;
    codec_->thread_count = 1;
    codec_->pkt_timebase = stream.time_base;
    if (avcodec_open2(codec_, decoder, nullptr) < 0) return false;
    rate_ = par.sample_rate;
    channels_ = std::min(par.ch_layout.nb_channels, 2);
    av_channel_layout_default(&outLayout_, channels_);
    mostSamples_ = mostSamples;
    pcm_ = std::make_shared<std::vector<int16_t>>();
    return true;
  }

  void Feed(const AVPacket* packet) {
    if (Full()) return;
    // A packet the decoder refuses is skipped; the rest of the sound still plays.
    if (avcodec_send_packet(codec_, packet) < 0 && packet) return;
    while (!Full() && avcodec_receive_frame(codec_, frame_) == 0) {
      Convert();
      av_frame_unref(frame_);
    }
  }

  int Rate() const { return rate_; }
  int Channels() const { return channels_; }
  std::shared_ptr<std::vector<int16_t>> Pcm() const { return pcm_; }

 private:
  bool Full() const { return static_cast<int64_t>(pcm_->size()) / channels_ >= mostSamples_; }

  bool SameInput(const AVFrame& f) const {
    return resampler_ && f.format == inFormat_ && f.sample_rate == inRate_ &&
           av_channel_layout_compare(&f.ch_layout, &inLayout_) == 0;
  }

  bool Configure(const AVFrame& f) {
    swr_free(&resampler_);
    av_channel_layout_uninit(&inLayout_);
    if (f.sample_rate < 1000 || f.sample_rate > 192000 || f.ch_layout.nb_channels < 1) return false;
    if (f.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
      av_channel_layout_default(&inLayout_, f.ch_layout.nb_channels);
    } else if (av_channel_layout_copy(&inLayout_, &f.ch_layout) < 0) {
      return false;
    }
    if (swr_alloc_set_opts2(&resampler_, &outLayout_, AV_SAMPLE_FMT_S16, rate_, &inLayout_,
                            static_cast<AVSampleFormat>(f.format), f.sample_rate, 0, nullptr) < 0 ||
        swr_init(resampler_) < 0) {
      swr_free(&resampler_);
      return false;
    }
    inFormat_ = f.format;
    inRate_ = f.sample_rate;
    // What the comparison in SameInput sees for an unordered layout.
    if (f.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
      av_channel_layout_uninit(&inLayout_);
      av_channel_layout_copy(&inLayout_, &f.ch_layout);
    }
    return true;
  }

  void Convert() {
    if (frame_->nb_samples <= 0) return;
    if (!SameInput(*frame_) && !Configure(*frame_)) return;
    const int room = swr_get_out_samples(resampler_, frame_->nb_samples);
    if (room <= 0) return;
    const size_t before = pcm_->size();
    pcm_->resize(before + static_cast<size_t>(room) * channels_);
    uint8_t* out = reinterpret_cast<uint8_t*>(pcm_->data() + before);
    const int got =
        swr_convert(resampler_, &out, room, const_cast<const uint8_t**>(frame_->extended_data), frame_->nb_samples);
    pcm_->resize(before + static_cast<size_t>(std::max(got, 0)) * channels_);
    const size_t most = static_cast<size_t>(mostSamples_) * channels_;
    if (pcm_->size() > most) pcm_->resize(most);
  }

  AVCodecContext* codec_ = nullptr;
  AVFrame* frame_ = nullptr;
  SwrContext* resampler_ = nullptr;
  AVChannelLayout outLayout_{};
  AVChannelLayout inLayout_{};
  int inFormat_ = -1;
  int inRate_ = 0;
  int rate_ = 0;
  int channels_ = 1;
  int64_t mostSamples_ = 0;
  std::shared_ptr<std::vector<int16_t>> pcm_;
};

int64_t SourceBytes(const AviSource& source) {
  if (source.bytes) return static_cast<int64_t>(source.bytes->size());
  std::error_code ec;
  const auto size = std::filesystem::file_size(source.path, ec);
  return ec ? 0 : static_cast<int64_t>(size);
}

}  // namespace

struct AviFile::Stream {
  AviStreamInfo info;
  int index = 0;  // the demuxer's number of the stream
  std::shared_ptr<const std::vector<int16_t>> pcm;
};

int32_t AviSampleToTime(const AviStreamInfo& info, int64_t sample) {
  if (info.rate <= 0 || info.scale <= 0) return 0;
  // 128 bits: a sample number and a scale from a broken file must not overflow on the way.
  const __int128 ms = static_cast<__int128>(sample) * 1000 * info.scale / info.rate;
  if (ms > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (ms < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(ms);
}

int32_t AviTimeToSample(const AviStreamInfo& info, int64_t ms) {
  if (info.rate <= 0 || info.scale <= 0) return 0;
  const __int128 scaled = static_cast<__int128>(ms) * info.rate;
  const __int128 divisor = static_cast<__int128>(1000) * info.scale;
  // Rounded down, also below zero: the sample showing at that time.
  __int128 sample = scaled / divisor;
  if (scaled % divisor != 0 && scaled < 0) --sample;
  if (sample > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (sample < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(sample);
}

AviFile::AviFile() = default;
AviFile::~AviFile() = default;

std::unique_ptr<AviFile> AviFile::Open(const std::string& gamePath) {
  const std::optional<std::string> path = engine::ResolveGamePath(gamePath);
  if (!path) return nullptr;
  // Looked at before it is opened: the scan reads the whole file, and a pipe would never end.
  struct stat info {};
  if (::stat(path->c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  if (static_cast<uint64_t>(info.st_size) > engine::MaxFileBytes(engine::FileKind::Movie)) return nullptr;
  AviSource source;
  source.path = *path;
  return Scan(source);
}

std::unique_ptr<AviFile> AviFile::OpenMemory(std::string bytes) {
  AviSource source;
  source.bytes = std::make_shared<const std::string>(std::move(bytes));
  return Scan(source);
}

// Reads the whole file once: the streams' lengths are counted from their data, and the sound is decoded.
std::unique_ptr<AviFile> AviFile::Scan(const AviSource& source) {
  std::unique_ptr<AviDemuxer> demuxer = AviDemuxer::Open(source);
  if (!demuxer) return nullptr;
  AVFormatContext* format = demuxer->Context();
  std::unique_ptr<AviFile> file(new AviFile);
  file->source_ = std::make_unique<AviSource>(source);

  const unsigned count = std::min(format->nb_streams, kMostStreams);
  const int64_t mostAudio =
      std::min(kMostAudioSamples, std::max<int64_t>(SourceBytes(source), 1) * kMostAudioSamplesPerByte);
  std::vector<std::unique_ptr<AudioDecoding>> audio(count);
  std::vector<int64_t> frames(count, 0);
  for (unsigned i = 0; i < count; ++i) {
    const AVStream& stream = *format->streams[i];
    Stream s;
    s.index = static_cast<int>(i);
    if (stream.codecpar->codec_type == AVMEDIA_TYPE_VIDEO) {
      s.info = DescribeVideo(stream);
    } else if (stream.codecpar->codec_type == AVMEDIA_TYPE_AUDIO) {
      auto decoding = std::make_unique<AudioDecoding>();
      if (decoding->Open(stream, mostAudio)) {
        s.info.type = AviStreamType::Audio;
        s.info.rate = decoding->Rate();
        s.info.scale = 1;
        s.info.channels = decoding->Channels();
        s.info.sampleSize = decoding->Channels() * static_cast<int32_t>(sizeof(int16_t));
        audio[i] = std::move(decoding);
      }
    }
    file->streams_.push_back(s);
  }

  AVPacket* packet = av_packet_alloc();
  if (!packet) return nullptr;
  for (int64_t n = 0; n < kMostPackets && av_read_frame(format, packet) >= 0; ++n) {
    const int index = packet->stream_index;
    if (index >= 0 && static_cast<unsigned>(index) < count) {
      if (file->streams_[index].info.type == AviStreamType::Video) ++frames[index];
      if (audio[index]) audio[index]->Feed(packet);
    }
    av_packet_unref(packet);
  }
  av_packet_free(&packet);

  for (unsigned i = 0; i < count; ++i) {
    Stream& s = file->streams_[i];
    if (s.info.type == AviStreamType::Video) s.info.length = Saturate(frames[i]);
    if (audio[i]) {
      audio[i]->Feed(nullptr);  // what the decoder still holds
      s.pcm = audio[i]->Pcm();
      s.info.length = Saturate(static_cast<int64_t>(s.pcm->size()) / s.info.channels);
    }
  }
  return file;
}

int AviFile::StreamCount() const { return static_cast<int>(streams_.size()); }

const AviStreamInfo* AviFile::StreamInfo(int index) const {
  if (index < 0 || index >= StreamCount()) return nullptr;
  return &streams_[static_cast<size_t>(index)].info;
}

std::unique_ptr<AviFrameDecoder> AviFile::OpenFrames(int index) const {
  const AviStreamInfo* info = StreamInfo(index);
  if (!info || info->type != AviStreamType::Video) return nullptr;
  return AviFrameDecoder::Open(*source_, streams_[static_cast<size_t>(index)].index, *info);
}

std::unique_ptr<AviAudioReader> AviFile::OpenAudio(int index) const {
  const AviStreamInfo* info = StreamInfo(index);
  if (!info || info->type != AviStreamType::Audio) return nullptr;
  return std::make_unique<AviAudioReader>(*info, streams_[static_cast<size_t>(index)].pcm);
}

}  // namespace kestrine
