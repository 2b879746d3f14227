// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/sound/audioserver.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtEndian>
#include <csignal>
#include <cstdlib>

namespace marvane::test {

namespace {

constexpr int kRecordRate = 44100;
// Below this, quiet samples between loud ones are part of the sound.
constexpr qint64 kGapSamples = kRecordRate * 20 / 1000;

QString pactl(const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    const bool finished = process.waitForFinished(10000);
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The indexes of the entries of a `pactl list` listing whose process id is `pid`.
QList<int> entriesOfProcess(const QString& listing, const QString& heading, qint64 pid) {
    QList<int> found;
    int current = -1;
    const QRegularExpression start(QStringLiteral("^%1 #(\\d+)").arg(heading));
    const QRegularExpression owner(QStringLiteral("application\\.process\\.id = \"(\\d+)\""));
    for (const QString& line : listing.split(QLatin1Char('\n'))) {
        if (const auto match = start.match(line); match.hasMatch()) {
            current = match.captured(1).toInt();
        } else if (const auto match = owner.match(line);
                   match.hasMatch() && match.captured(1).toLongLong() == pid && current >= 0) {
            found.append(current);
        }
    }
    return found;
}

}  // namespace

QString audioServerProblem() {
    bool ok = false;
    const QString info = pactl({QStringLiteral("info")}, &ok);
    if (!ok || !info.contains(QLatin1String("Default Sink: "))) {
        return QStringLiteral(
            "No audio output device: start an audio server (scripts/marvane.sh test starts a "
            "PulseAudio null sink; pactl comes with pulseaudio-utils) to run this test");
    }
    return {};
}

bool audioServerRequired() {
    return qEnvironmentVariable("CI") == QLatin1String("true") ||
           qEnvironmentVariable("MARVANE_REQUIRE_AUDIO") == QLatin1String("1");
}

QList<int> ourSinkInputs() {
    return entriesOfProcess(pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}),
                            QStringLiteral("Sink Input"), QCoreApplication::applicationPid());
}

void startTiedToUs(QProcess& process, const QString& program, const QStringList& arguments) {
    const pid_t us = ::getpid();
    process.setChildProcessModifier([us] {
        // Sent when the thread that started the child ends; tests start them on the main thread.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != us) ::_exit(127);  // we were gone before that took hold
    });
    process.start(program, arguments);
}

PrivateAudioServer::PrivateAudioServer() {
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    qunsetenv("PULSE_SERVER");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), runtime_.path());
    server_.setProcessEnvironment(environment);
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(QProcess::nullDevice());
}

PrivateAudioServer::~PrivateAudioServer() { kill(); }

QString PrivateAudioServer::problem() {
    for (const char* tool : {"pulseaudio", "pactl"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return QStringLiteral("%1 is needed to run an audio server of the test's own")
                .arg(QLatin1String(tool));
    }
    return {};
}

bool PrivateAudioServer::start() {
    kill();
    // In the foreground: a daemon would leave us, and outlive a test that is killed.
    startTiedToUs(server_, QStringLiteral("pulseaudio"),
                  {QStringLiteral("--daemonize=no"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("-n"),
                   QStringLiteral("--load=module-null-sink sink_name=own"),
                   QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1")});
    if (!server_.waitForStarted(10000)) return false;
    QElapsedTimer clock;
    clock.start();
    while (!audioServerProblem().isEmpty()) {
        if (server_.state() != QProcess::Running || clock.elapsed() > 20000) return false;
        QTest::qWait(100);
    }
    return true;
}

void PrivateAudioServer::kill() {
    if (server_.state() == QProcess::NotRunning) return;
    server_.kill();  // also ends a server that was stopped
    server_.waitForFinished(10000);
}

OutputRecorder::OutputRecorder() {
    startTiedToUs(parec_, QStringLiteral("parec"),
                  {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--format=s16le"),
                   QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(kRecordRate),
                   QStringLiteral("--latency-msec=50"), QStringLiteral("--raw")});
    // Drained as it comes: a full pipe would stall parec and drop what the server sends it.
    QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { readAvailable(); });
    parec_.waitForStarted();
}

OutputRecorder::~OutputRecorder() {
    parec_.terminate();
    if (!parec_.waitForFinished(5000)) parec_.kill();
    parec_.waitForFinished(5000);
}

bool OutputRecorder::isRecording() const {
    if (parec_.state() != QProcess::Running) return false;
    return !entriesOfProcess(pactl({QStringLiteral("list"), QStringLiteral("source-outputs")}),
                             QStringLiteral("Source Output"), parec_.processId())
                .isEmpty();
}

bool OutputRecorder::heardSound() {
    readAvailable();
    return firstAudible_ >= 0;
}

qint64 OutputRecorder::audibleSpanMs() {
    readAvailable();
    return firstAudible_ < 0 ? 0 : (lastAudible_ - firstAudible_) * 1000 / kRecordRate;
}

qint64 OutputRecorder::audibleMs() {
    readAvailable();
    return audibleSamples_ * 1000 / kRecordRate;
}

qint64 OutputRecorder::silenceSinceMs() {
    readAvailable();
    return (samples_ - std::max<qint64>(lastAudible_, 0)) * 1000 / kRecordRate;
}

qint64 OutputRecorder::recordedMs() {
    readAvailable();
    return samples_ * 1000 / kRecordRate;
}

qint64 OutputRecorder::soundStartMs(qint64 fromMs) {
    readAvailable();
    for (const qint64 start : std::as_const(soundStarts_)) {
        if (start * 1000 / kRecordRate >= fromMs) return start * 1000 / kRecordRate;
    }
    return -1;
}

void OutputRecorder::readAvailable() {
    pending_ += parec_.readAllStandardOutput();
    const qsizetype count = pending_.size() / 2;
    for (qsizetype i = 0; i < count; ++i, ++samples_) {
        if (isAudible(qFromLittleEndian<qint16>(pending_.constData() + 2 * i) / 32768.0f)) {
            if (firstAudible_ < 0) firstAudible_ = samples_;
            // A tone dips below the threshold at every zero crossing; that is not silence.
            const qint64 since = samples_ - lastAudible_;
            if (lastAudible_ < 0 || since > kGapSamples) soundStarts_.append(samples_);
            audibleSamples_ += lastAudible_ >= 0 && since <= kGapSamples ? since : 1;
            lastAudible_ = samples_;
        }
    }
    pending_.remove(0, count * 2);
}

// About -30 dBFS: far above the dither of silence, far below the peaks of every sound of the game.
bool isAudible(float sample) { return std::abs(sample) > 0.03f; }

}  // namespace marvane::test
