#include "DecodeClip.h"

#include "ClipRecords.h"
#include "ClipViewInput.h"
#include "ContainerHeaders.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <memory>
#include <vector>

namespace orrinvale {

namespace {

struct CloseInput {
    void operator()(AVFormatContext* input) const { avformat_close_input(&input); }
};
struct FreeCodec {
    void operator()(AVCodecContext* codec) const { avcodec_free_context(&codec); }
};
struct FreeConverter {
    void operator()(SwrContext* converter) const { swr_free(&converter); }
};
struct FreePacket {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FreeFrame {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};

// Converts decoded frames (or, with none, what the converter still holds)
// and appends them to the samples, up to the limit.
class Output {
public:
    Output(SwrContext* converter, std::size_t maxBytes) : converter_(converter), maxBytes_(maxBytes) {}

    // False once the limit is reached.
    bool add(const AVFrame* frame)
    {
        const int in = frame ? frame->nb_samples : 0;
        const int room = swr_get_out_samples(converter_, in);
        if (room < 0)
            return false;
        buffer_.resize(static_cast<std::size_t>(room) * kClipBytesPerFrame + kClipBytesPerFrame);
        std::uint8_t* out = buffer_.data();
        const std::uint8_t** input = frame ? const_cast<const std::uint8_t**>(frame->extended_data) : nullptr;
        const int converted = swr_convert(converter_, &out, room + 1, input, in);
        if (converted < 0)
            return false;
        const std::size_t bytes = static_cast<std::size_t>(converted) * kClipBytesPerFrame;
        samples_.append(reinterpret_cast<const char*>(buffer_.data()), std::min(bytes, maxBytes_ - samples_.size()));
        return samples_.size() < maxBytes_;
    }

    // Takes what the converter still holds.
    void drain()
    {
        while (samples_.size() < maxBytes_ && swr_get_out_samples(converter_, 0) > 0) {
            const std::size_t before = samples_.size();
            if (!add(nullptr) || samples_.size() == before)
                break;
        }
    }

    std::string take() { return std::move(samples_); }

private:
    SwrContext* converter_;
    std::size_t maxBytes_;
    std::vector<std::uint8_t> buffer_;
    std::string samples_;
};

// The clips are WMA in ASF; a player who replaces one may well use WAV,
// MP3, Ogg or FLAC. None of these containers refers to another file.
constexpr const char* kContainers = "asf,wav,mp3,ogg,flac";
constexpr int kLowestRate = 8000;
constexpr int kHighestRate = 192000;
constexpr int kMostChannels = 8;

bool knownCodec(std::string_view name)
{
    static constexpr std::string_view kCodecs[] = {"wmav1", "wmav2", "wmapro", "mp3", "mp3float", "vorbis", "libvorbis",
                                                   "opus", "libopus", "flac"};
    return name.substr(0, 4) == "pcm_" || std::find(std::begin(kCodecs), std::end(kCodecs), name) != std::end(kCodecs);
}

using Input = std::unique_ptr<AVFormatContext, CloseInput>;
using Codec = std::unique_ptr<AVCodecContext, FreeCodec>;
using Converter = std::unique_ptr<SwrContext, FreeConverter>;

// Opens the clip's container through the view, which FFmpeg reads instead
// of the file.
Input openContainer(const std::string& path, ClipViewInput& reader)
{
    AVFormatContext* opened = avformat_alloc_context();
    if (!reader.context() || !opened) {
        avformat_free_context(opened);
        return nullptr;
    }
    opened->pb = reader.context();
    // Any other file FFmpeg would open is read as a local file whatever the
    // name looks like, and nothing else: a playlist among the clips may not
    // send the libraries to the network.
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    // Only containers that hold their own sound: a playlist or a
    // concatenation would open other files.
    av_dict_set(&options, "format_whitelist", kContainers, 0);
    const int status = avformat_open_input(&opened, ("file:" + path).c_str(), nullptr, &options);
    av_dict_free(&options);
    if (status < 0)
        return nullptr;
    Input input(opened);
    if (avformat_find_stream_info(input.get(), nullptr) < 0)
        return nullptr;
    return input;
}

// The clip's sound stream with its decoder opened, or nothing when the
// stream is of a codec, rate or channel count no clip has.
Codec openSound(AVFormatContext* input, int& stream)
{
    const AVCodec* decoder = nullptr;
    stream = av_find_best_stream(input, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (stream < 0 || !decoder || !knownCodec(decoder->name))
        return nullptr;
    // A rate of 1 Hz would become 44,100 times its size on the way out.
    const AVCodecParameters* format = input->streams[stream]->codecpar;
    if (format->sample_rate < kLowestRate || format->sample_rate > kHighestRate || format->ch_layout.nb_channels < 1 ||
        format->ch_layout.nb_channels > kMostChannels)
        return nullptr;
    Codec codec(avcodec_alloc_context3(decoder));
    if (!codec || avcodec_parameters_to_context(codec.get(), format) < 0 ||
        avcodec_open2(codec.get(), decoder, nullptr) < 0)
        return nullptr;
    if (codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&codec->ch_layout, codec->ch_layout.nb_channels);
    return codec;
}

// Converts the codec's samples to the clips' one format: 16-bit stereo at
// the clips' rate.
Converter makeConverter(AVCodecContext& codec)
{
    SwrContext* made = nullptr;
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (swr_alloc_set_opts2(&made, &stereo, AV_SAMPLE_FMT_S16, kClipSampleRate, &codec.ch_layout, codec.sample_fmt,
                            codec.sample_rate, 0, nullptr) < 0)
        return nullptr;
    Converter converter(made);
    // A mono clip plays at its own level on both sides, not 3 dB down.
    static constexpr double kMonoToBothSides[kClipChannels] = {1.0, 1.0};
    if (codec.ch_layout.nb_channels == 1 && swr_set_matrix(converter.get(), kMonoToBothSides, 1) < 0)
        return nullptr;
    if (swr_init(converter.get()) < 0)
        return nullptr;
    return converter;
}

// Decodes the stream's packets into the output, up to its limit. False
// when nothing decoded, the codec failed or the clip took the decoder to
// its memory cap.
class PacketDecoder {
public:
    PacketDecoder(AVFormatContext* input, ClipViewInput& reader, int stream, AVCodecContext* codec, Output& output)
        : input_(input), reader_(reader), stream_(stream), codec_(codec), output_(output)
    {
    }

    bool run()
    {
        const std::unique_ptr<AVPacket, FreePacket> packet(av_packet_alloc());
        if (!packet || !frame_)
            return false;
        bool going = true;
        bool decodedAny = false;
        int read = 0;
        while (going && (read = av_read_frame(input_, packet.get())) >= 0) {
            reader_.packetTaken();
            if (packet->stream_index == stream_) {
                const int sent = avcodec_send_packet(codec_, packet.get());
                // A damaged packet is skipped, as players do; the rest may decode.
                if (sent >= 0) {
                    decodedAny = true;
                    going = receive();
                } else if (sent != AVERROR_INVALIDDATA) {
                    broken_ = true;
                    going = false;
                }
            }
            av_packet_unref(packet.get());
        }
        // A read that reached the decoder's memory cap, or more than it may
        // keep (see ClipViewInput): a bad clip, however much of it decoded.
        if (read == AVERROR(ENOMEM))
            broken_ = true;
        if (going && !broken_) {
            // The end of the file: the codec gives up the frames it delays.
            avcodec_send_packet(codec_, nullptr);
            receive();
        }
        output_.drain();
        return decodedAny && !broken_;
    }

private:
    // Takes every frame the codec has ready; false when the clip is done
    // (cut at the limit, or drained) or broken.
    bool receive()
    {
        for (;;) {
            const int got = avcodec_receive_frame(codec_, frame_.get());
            if (got == AVERROR(EAGAIN))
                return true;
            if (got == AVERROR_EOF)
                return false;
            if (got < 0) {
                broken_ = true;
                return false;
            }
            const bool more = output_.add(frame_.get());
            av_frame_unref(frame_.get());
            if (!more)
                return false;
        }
    }

    AVFormatContext* input_;
    ClipViewInput& reader_;
    int stream_;
    AVCodecContext* codec_;
    Output& output_;
    const std::unique_ptr<AVFrame, FreeFrame> frame_{av_frame_alloc()};
    bool broken_ = false;
};

} // namespace

std::optional<std::string> decodeClip(const std::string& path, std::size_t maxBytes)
{
    // A FIFO, a device or a folder could block or never end: only plain files.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;

    // FFmpeg reads the clip through a view of it that leaves out large
    // metadata, which it would read whole into memory.
    ClipFile file(path);
    if (!file.isOpen())
        return std::nullopt;
    const std::optional<ClipView> view = viewOfClip(file);
    if (!view)
        return std::nullopt;
    ClipViewInput reader(file, *view);
    const Input input = openContainer(path, reader);
    int stream = -1;
    const Codec codec = input ? openSound(input.get(), stream) : nullptr;
    const Converter converter = codec ? makeConverter(*codec) : nullptr;
    if (!converter)
        return std::nullopt;
    Output output(converter.get(), maxBytes);
    const bool decoded = PacketDecoder(input.get(), reader, stream, codec.get(), output).run();
    std::string samples = output.take();
    if (!decoded || samples.empty())
        return std::nullopt;
    return samples;
}

} // namespace orrinvale
