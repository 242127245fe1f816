#include "platform/QtSoundOutput.h"

#include "assets/sounds/WaveImage.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>
#include <QTimer>

#include <cstring>
#include <limits>

namespace strhaven {

namespace {

// Feeds the sink from the sound data in memory. A looping source starts again
// at the beginning without a gap; a single sound is followed by silence for
// as long as the sink runs, so a sound shorter than the sink's buffer still
// starts, and plays out whole until the next sound replaces it.
class PcmSource final : public QIODevice {
public:
    PcmSource(QByteArray pcm, bool looping, char silence)
        : m_pcm(std::move(pcm)), m_looping(looping), m_silence(silence) {}

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return std::numeric_limits<int>::max(); }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        qint64 copied = 0;
        while (copied < maxSize) {
            if (m_position >= m_pcm.size()) {
                if (!m_looping) {
                    std::memset(data + copied, m_silence, static_cast<size_t>(maxSize - copied));
                    return maxSize;
                }
                m_position = 0;
            }
            const qint64 chunk = qMin(maxSize - copied, m_pcm.size() - m_position);
            std::memcpy(data + copied, m_pcm.constData() + m_position, static_cast<size_t>(chunk));
            copied += chunk;
            m_position += chunk;
        }
        return copied;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_pcm;
    qsizetype m_position = 0;
    bool m_looping;
    char m_silence;
};

QAudioFormat audioFormat(const WaveImage& wave)
{
    QAudioFormat format;
    format.setSampleRate(wave.sampleRate);
    format.setChannelCount(wave.channels);
    switch (wave.bitsPerSample) {
    case 8: format.setSampleFormat(QAudioFormat::UInt8); break;
    case 16: format.setSampleFormat(QAudioFormat::Int16); break;
    default: format.setSampleFormat(QAudioFormat::Int32); break;
    }
    return format;
}

// Short enough that a sound replaced the moment its length has passed has
// already been heard to its end, long enough not to run dry between feeds.
constexpr int BufferMilliseconds = 80;
constexpr int FeedMilliseconds = 10;

// The sink is fed by pushing from a timer of our own: the sink's own pulling
// proved unsteady with the sound servers we target, falling behind real time.
// Declared in this order so that the sink goes before the source it reads.
struct Playback {
    Playback(QByteArray pcm, bool looping, char silence) : source(std::move(pcm), looping, silence) {}

    void feed()
    {
        if (!input || sink->state() == QAudio::StoppedState || sink->error() != QAudio::NoError)
            return;
        qint64 free = sink->bytesFree();
        free -= free % frameBytes;
        if (free <= 0)
            return;
        QByteArray chunk(free, Qt::Uninitialized);
        source.read(chunk.data(), free);
        input->write(chunk);
    }

    PcmSource source;
    int frameBytes = 1;
    QTimer feeder;
    std::unique_ptr<QAudioSink> sink;
    QIODevice* input = nullptr; // owned by the sink
};

} // namespace

struct QtSoundOutput::Engine {
    std::unique_ptr<Playback> playback;

    void play(const QAudioDevice& device, const QByteArray& wave, const WaveImage& image, bool looping)
    {
        stop();
        const char silence = image.bitsPerSample == 8 ? '\x80' : '\0';
        auto next = std::make_unique<Playback>(image.pcm(wave), looping, silence);
        next->frameBytes = image.bytesPerFrame();
        next->source.open(QIODevice::ReadOnly);
        next->sink = std::make_unique<QAudioSink>(device, audioFormat(image));
        next->sink->setBufferSize(image.byteRate() / 1000 * BufferMilliseconds);
        next->input = next->sink->start();
        Playback* p = next.get();
        next->feeder.setTimerType(Qt::PreciseTimer);
        next->feeder.setInterval(FeedMilliseconds);
        QObject::connect(&next->feeder, &QTimer::timeout, [p] { p->feed(); });
        p->feed();
        next->feeder.start();
        playback = std::move(next);
    }

    void stop()
    {
        if (!playback)
            return;
        playback->feeder.stop();
        playback->sink->stop();
        playback.reset();
    }
};

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput()
{
    if (!m_audioContext)
        return;
    // The sink must go on the thread it was made on.
    QMetaObject::invokeMethod(m_audioContext, [this] { m_engine->stop(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_audioContext;
}

// The audio thread and the media back end start with the first sound, so a
// game played without sound never loads them.
void QtSoundOutput::ensureStarted()
{
    if (m_audioContext)
        return;
    m_engine = std::make_unique<Engine>();
    m_audioContext = new QObject;
    m_thread.setObjectName(QStringLiteral("sound output"));
    m_audioContext->moveToThread(&m_thread);
    m_thread.start();
}

int QtSoundOutput::deviceCount() { return static_cast<int>(QMediaDevices::audioOutputs().size()); }

void QtSoundOutput::start(const QByteArray& wave, bool looping)
{
    const auto image = WaveImage::parse(wave);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!image || image->dataSize == 0 || device.isNull()) {
        stop();
        return;
    }
    ensureStarted();
    // `wave` is copied into the call (sharing its data), so the sound stays
    // valid on the audio thread whatever the caller does with its own copy.
    QMetaObject::invokeMethod(
        m_audioContext, [this, device, wave, image = *image, looping] { m_engine->play(device, wave, image, looping); },
        Qt::QueuedConnection);
}

void QtSoundOutput::play(const QByteArray& wave) { start(wave, false); }

void QtSoundOutput::playLooping(const QByteArray& wave) { start(wave, true); }

void QtSoundOutput::stop()
{
    if (!m_audioContext)
        return; // nothing was ever played
    // Blocking, so that the sound has stopped when the caller goes on.
    QMetaObject::invokeMethod(m_audioContext, [this] { m_engine->stop(); }, Qt::BlockingQueuedConnection);
}

} // namespace strhaven
