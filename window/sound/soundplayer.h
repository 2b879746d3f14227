#pragma once

#include <QAudio>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

class QAudioSink;

namespace marvane {

// One sound effect: a file decoded once into memory and played on demand on the default audio
// output. Playing is fire-and-forget on the GUI thread; nothing here waits for the device.
class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Closes the player if open, then decodes `fileName` and prepares the default audio output
    // for it. Throws SoundDeviceError when the file does not decode, there is no output device,
    // or the device takes no format for the sound; the player is closed then.
    void open(const QString& fileName);
    void close();
    bool isOpen() const { return sink_ != nullptr; }
    QString fileName() const { return fileName_; }

    // Starts the sound from its beginning, unless it is still playing: then it simply goes on.
    // Does nothing on a closed player; a device that fails to start is not reported.
    void play();
    bool isPlaying() const { return playing_; }

    // The sound's length, and how much of it has been handed to the device in the current or
    // last play, in milliseconds.
    qint64 length() const { return lengthMs_; }
    qint64 position() const;

private:
    void onStateChanged(QAudio::State state);

    QString fileName_;
    QBuffer buffer_;
    std::unique_ptr<QAudioSink> sink_;
    QTimer drainTimer_;
    qint64 lengthMs_ = 0;
    qint64 bytesPerSecond_ = 0;
    bool playing_ = false;
};

}  // namespace marvane
