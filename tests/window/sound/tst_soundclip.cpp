// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <cstring>

#include "window/sound/soundclip.h"
#include "window/sound/soundvoice.h"

using marvane::decodeSoundFile;
using marvane::renderPcm;
using marvane::SoundClip;
using marvane::SoundFileError;

namespace {

const QString kShippedSounds = QStringLiteral(MARVANE_SOUND_DIR);

template <typename T>
void append(QByteArray& bytes, T value) {
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(T));
}

// A PCM WAV file written by hand, with `extra` chunks between "fmt " and "data".
QByteArray wavFile(int rate, int channels, int bits, const QByteArray& data,
                   const QByteArray& extra = {}) {
    QByteArray body = "WAVEfmt ";
    append<quint32>(body, 16);
    append<quint16>(body, 1);
    append<quint16>(body, quint16(channels));
    append<quint32>(body, quint32(rate));
    append<quint32>(body, quint32(rate * channels * bits / 8));
    append<quint16>(body, quint16(channels * bits / 8));
    append<quint16>(body, quint16(bits));
    body += extra;
    body += "data";
    append<quint32>(body, quint32(data.size()));
    body += data;
    QByteArray file = "RIFF";
    append<quint32>(file, quint32(body.size()));
    return file + body;
}

QByteArray int16Samples(std::initializer_list<qint16> values) {
    QByteArray bytes;
    for (qint16 v : values) append<qint16>(bytes, v);
    return bytes;
}

SoundClip clipOf(int rate, int channels, std::vector<float> samples) {
    SoundClip clip;
    clip.sampleRate = rate;
    clip.channels = channels;
    clip.samples = std::move(samples);
    return clip;
}

QAudioFormat formatOf(int rate, int channels, QAudioFormat::SampleFormat sampleFormat) {
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(sampleFormat);
    return format;
}

template <typename T>
std::vector<T> samplesOf(const QByteArray& pcm) {
    std::vector<T> values(std::size_t(pcm.size()) / sizeof(T));
    std::memcpy(values.data(), pcm.constData(), values.size() * sizeof(T));
    return values;
}

}  // namespace

class SoundClipTest : public QObject {
    Q_OBJECT

private slots:
    void theShippedSoundsAreShortDistinctMonoClipsEndingInSilence() {
        std::vector<SoundClip> clips;
        for (const char* name : {"Ok.wav", "Full.wav", "Bad.wav", "Won.wav"}) {
            const SoundClip clip = decodeSoundFile(kShippedSounds + QLatin1Char('/') + name);
            QCOMPARE(clip.sampleRate, 44100);
            QCOMPARE(clip.channels, 1);
            QVERIFY2(clip.durationMs() >= 230 && clip.durationMs() <= 1500, name);

            const auto tail = clip.samples.end() - 44100 * 180 / 1000;
            QVERIFY2(std::all_of(tail, clip.samples.end(), [](float s) { return s == 0.0f; }),
                     name);
            const float peak = *std::max_element(clip.samples.begin(), tail, [](float a, float b) {
                return std::abs(a) < std::abs(b);
            });
            QVERIFY2(std::abs(peak) > 0.2f && std::abs(peak) < 0.9f, name);
            for (const SoundClip& other : clips) QVERIFY2(other.samples != clip.samples, name);
            clips.push_back(clip);
        }
    }

    void damagedFilesAreRefused_data() {
        QTest::addColumn<QByteArray>("content");
        const QByteArray good = wavFile(8000, 1, 16, QByteArray(1600, '\x10'));
        QTest::newRow("garbage")
            << QByteArray("this is no sound file at all, just text\n").repeated(20);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut inside the header") << good.left(30);
        QTest::newRow("cut inside the data") << good.left(good.size() - 400);
        QTest::newRow("no samples") << wavFile(8000, 1, 16, {});
        QTest::newRow("a bitmap") << QByteArray("BM").append(QByteArray(200, '\0'));
    }

    void damagedFilesAreRefused() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("Ok.wav")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QVERIFY_THROWS_EXCEPTION(SoundFileError, decodeSoundFile(file.fileName()));
    }

    void aMissingFileIsRefused() {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(SoundFileError, decodeSoundFile(dir.filePath("none.wav")));
    }

    void wavFilesWithMoreChunksAndChannelsDecode() {
        // An odd-sized chunk is padded to an even length before the next one starts.
        QByteArray list = "LIST";
        append<quint32>(list, 3);
        list += QByteArray("abc\0", 4);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("stereo.wav")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(wavFile(22050, 2, 16, int16Samples({16384, -16384, 0, 8192}), list));
        file.close();

        const SoundClip clip = decodeSoundFile(file.fileName());
        QCOMPARE(clip.sampleRate, 22050);
        QCOMPARE(clip.channels, 2);
        QCOMPARE(clip.frames(), 2);
        QCOMPARE(clip.samples, (std::vector<float>{0.5f, -0.5f, 0.0f, 0.25f}));
    }

    void theAudiblePartEndsAtTheLastSampleAboveSilence() {
        // Stereo: a frame counts while either channel can be heard; near-silent dither does not.
        const SoundClip clip = clipOf(
            1000, 2,
            {0.0f, 0.0f, 0.3f, 0.0f, 0.0f, -0.2f, 0.0001f, 0.0f, 0.0f, -0.0002f, 0.0f, 0.0f});
        QCOMPARE(clip.audibleFrames(), 3);
        QCOMPARE(clipOf(1000, 1, {0.0f, 0.0f}).audibleFrames(), 0);
        QCOMPARE(clipOf(1000, 1, {0.0f, 1.0f}).audibleFrames(), 2);

        const SoundClip won = decodeSoundFile(kShippedSounds + QStringLiteral("/Won.wav"));
        QVERIFY(won.audibleFrames() > won.frames() / 2);
        QVERIFY(won.audibleFrames() <= won.frames() - 44100 * 180 / 1000);
    }

    void renderingKeepsTheSamplesUpToTheFrameAsked() {
        const SoundClip clip = clipOf(1000, 1, {0.5f, -1.0f, 2.0f});
        const QByteArray pcm = renderPcm(clip, formatOf(1000, 1, QAudioFormat::Int16), 3);
        QCOMPARE(samplesOf<qint16>(pcm), (std::vector<qint16>{16384, -32767, 32767}));

        const QByteArray bytes = renderPcm(clip, formatOf(1000, 1, QAudioFormat::UInt8), 2);
        QCOMPARE(samplesOf<quint8>(bytes), (std::vector<quint8>{192, 1}));

        const QByteArray floats = renderPcm(clip, formatOf(1000, 1, QAudioFormat::Float), 99);
        QCOMPARE(samplesOf<float>(floats), (std::vector<float>{0.5f, -1.0f, 1.0f}));
        QVERIFY(renderPcm(clip, formatOf(1000, 1, QAudioFormat::Float), 0).isEmpty());

        // Silence is what a sample of 0 renders to, in every format.
        const SoundClip quiet = clipOf(1000, 1, {0.0f});
        for (const auto format :
             {QAudioFormat::UInt8, QAudioFormat::Int16, QAudioFormat::Int32, QAudioFormat::Float}) {
            const QByteArray zero = renderPcm(quiet, formatOf(1000, 1, format), 1);
            QCOMPARE(zero, QByteArray(zero.size(), marvane::silenceByte(format)));
        }
    }

    void aSourceMakesUpTheSilenceAroundItsSamples() {
        // Read in pieces of every size, the stream is the lead, the samples and the trail.
        for (qint64 piece = 1; piece <= 9; ++piece) {
            qint64 reported = -1;
            marvane::PcmSource source("abc", 2, 3, '.', [&](qint64 done) { reported = done; });
            QVERIFY(source.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
            for (int pass = 0; pass < 2; ++pass) {
                QByteArray heard;
                while (!source.exhausted()) heard += source.read(piece);
                QCOMPARE(heard, QByteArray("..abc..."));
                QCOMPARE(reported, 8);
                QVERIFY(source.read(piece).isEmpty());  // over, yet never at its end
                QVERIFY(!source.atEnd());
                source.rewind();
            }
        }
    }

    void renderingRemixesChannelsAndResamples() {
        const auto mono = formatOf(2000, 1, QAudioFormat::Float);
        const auto stereo = formatOf(2000, 2, QAudioFormat::Float);

        const SoundClip one = clipOf(2000, 1, {0.25f, -0.5f});
        QCOMPARE(samplesOf<float>(renderPcm(one, stereo, 2)),
                 (std::vector<float>{0.25f, 0.25f, -0.5f, -0.5f}));

        const SoundClip two = clipOf(2000, 2, {0.5f, 0.0f, -0.25f, -0.75f});
        QCOMPARE(samplesOf<float>(renderPcm(two, mono, 2)), (std::vector<float>{0.25f, -0.5f}));

        const SoundClip slow = clipOf(1000, 1, {0.0f, 1.0f, 0.5f});
        QCOMPARE(samplesOf<float>(renderPcm(slow, mono, 3)),
                 (std::vector<float>{0.0f, 0.5f, 1.0f, 0.75f, 0.5f}));

        const SoundClip fast = clipOf(4000, 1, {0.0f, 0.1f, 0.2f, 0.3f, 0.4f});
        QCOMPARE(samplesOf<float>(renderPcm(fast, mono, 5)),
                 (std::vector<float>{0.0f, 0.2f, 0.4f}));
    }
};

QTEST_GUILESS_MAIN(SoundClipTest)
#include "tst_soundclip.moc"
