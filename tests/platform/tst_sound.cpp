// The looping tick sound, heard through SDL's disk audio driver, which writes every sample the
// device plays into a file.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/SoundPlayer.h"
#include "support/LoadedWindow.h"

namespace {

QByteArray wavOf(const QByteArray& pcm, int channels = 1, int rate = 8000, int bits = 16) {
    QByteArray wav;
    auto put32 = [&](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
    wav += "RIFF";
    put32(quint32(36 + pcm.size()));
    wav += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(quint16(channels));
    put32(quint32(rate));
    put32(quint32(rate * channels * bits / 8));
    put16(quint16(channels * bits / 8));
    put16(quint16(bits));
    wav += "data";
    put32(quint32(pcm.size()));
    return wav + pcm;
}

QByteArray distinctSamples(int count) {
    QByteArray pcm;
    for (int i = 0; i < count; ++i) {
        const qint16 sample = qint16(i * 37 - 7000);
        pcm.append(reinterpret_cast<const char*>(&sample), 2);
    }
    return pcm;
}

// A paused SDL device plays silence, and the device is opened paused: a buffer of silence may
// come before the first sample. That is latency before the first tick, not a gap in the loop.
QByteArray withoutLeadingSilence(const QByteArray& played, int frameBytes) {
    qsizetype start = 0;
    while (start + frameBytes <= played.size() &&
           played.mid(start, frameBytes).count('\0') == frameBytes)
        start += frameBytes;
    return played.mid(start);
}

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString capture_;

    QByteArray captured() {
        QFile file(capture_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase() {
        capture_ = dir_.filePath(QStringLiteral("played.raw"));
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(capture_));
    }
    void init() { QFile::remove(capture_); }

    void theSamplesLoopUnchangedWithoutGaps() {
        const QByteArray pcm = distinctSamples(400);  // 50 ms at 8 kHz
        platform::SoundPlayer player;
        player.playLooped(wavOf(pcm));
        QVERIFY(player.playing());
        QTest::qWait(400);
        player.stop();
        QVERIFY(!player.playing());
        QTest::qWait(100);  // the device closes in the background
        const QByteArray played = withoutLeadingSilence(captured(), 2);
        QVERIFY2(played.size() >= 3 * pcm.size(), qPrintable(QString::number(played.size())));
        for (qsizetype i = 0; i < played.size(); ++i) {
            if (played[i] != pcm[i % pcm.size()] && played[i] != 0)
                QFAIL(qPrintable(QStringLiteral("byte %1").arg(i)));
        }
        // After the loop's samples, at most the silence of the buffers the close waited for.
        const qsizetype silentFrom = played.indexOf(QByteArray(64, '\0'));
        if (silentFrom >= 0)
            QCOMPARE(played.mid(silentFrom).count('\0'), played.size() - silentFrom);
        const qsizetype stoppedAt = captured().size();
        QTest::qWait(200);
        QCOMPARE(captured().size(), stoppedAt);  // stopped means stopped
    }

    // Every Start is heard from the first sample, also after a Stop in the middle of the loop.
    // (The disk driver starts its file anew with every device, and every Start opens one.)
    void everyStartBeginsAtTheFirstSample() {
        const QByteArray pcm = distinctSamples(800);  // 100 ms at 8 kHz
        platform::SoundPlayer player;
        const QByteArray wav = wavOf(pcm);
        player.playLooped(wav);
        QTest::qWait(130);
        player.stop();
        QTest::qWait(100);
        player.playLooped(wav);
        QTest::qWait(100);
        player.stop();
        QTest::qWait(100);
        const QByteArray played = withoutLeadingSilence(captured(), 2);
        QVERIFY2(played.size() > 200, qPrintable(QString::number(played.size())));
        QCOMPARE(played.left(200), pcm.left(200));
    }

    // A file at an absurd rate is resampled once, so its device has short buffers like any other.
    void aOneHertzFileStillPlays() {
        QByteArray pcm;
        for (const qint16 sample : {qint16(12000), qint16(-12000)}) {
            pcm.append(reinterpret_cast<const char*>(&sample), 2);
        }
        platform::SoundPlayer player;
        player.playLooped(wavOf(pcm, 1, 1));
        QVERIFY(player.playing());
        QTest::qWait(400);
        player.stop();
        const QByteArray played = withoutLeadingSilence(captured(), 2);
        QVERIFY2(played.size() >= 2 * 400, qPrintable(QString::number(played.size())));
    }

    void stereoLoopsWholeFrames() {
        const QByteArray pcm = distinctSamples(802);  // 401 stereo frames
        platform::SoundPlayer player;
        player.playLooped(wavOf(pcm, 2));
        QTest::qWait(200);
        player.stop();
        const QByteArray played = withoutLeadingSilence(captured(), 4);
        QVERIFY(played.size() > pcm.size());
        QCOMPARE(played.mid(pcm.size(), 64), pcm.left(64));
    }

    // 8-bit samples are unsigned: their silence is 0x80, and a zero byte is a full swing down,
    // heard as a click before the first tick and after Stop.
    void eightBitSilenceIsTheMiddleValue() {
        QByteArray pcm;
        for (int i = 0; i < 400; ++i) pcm.append(char(0x10 + i % 0xe0));  // never 0x80, never 0
        platform::SoundPlayer player;
        player.playLooped(wavOf(pcm, 1, 8000, 8));
        QTest::qWait(200);
        player.stop();
        QTest::qWait(100);
        const QByteArray played = captured();
        QVERIFY(played.contains(pcm.left(100)));
        QCOMPARE(played.count('\0'), 0);
    }

    void badImagesPlayNothing_data() {
        QTest::addColumn<QByteArray>("image");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << wavOf(QByteArray());
        QTest::newRow("garbage") << QByteArray("this is not a sound file at all, just text");
        QTest::newRow("truncated header") << wavOf(distinctSamples(100)).left(20);
    }
    void badImagesPlayNothing() {
        QFETCH(QByteArray, image);
        platform::SoundPlayer player;
        player.playLooped(image);
        QVERIFY(!player.playing());
        QTest::qWait(50);
        QVERIFY(captured().isEmpty());
        player.stop();
    }

    // The sound menu only changes the setting; Start and Stop start and stop the loop.
    void soundFollowsStartAndStopNotTheMenu() {
        LoadedWindow w(kDefaultSettings);
        w.state().tickSoundData = wavOf(distinctSamples(400));
        w->cmdStart_Click();
        QVERIFY(w->tickSound.playing());
        w->mnuSoundOff_Click();
        QVERIFY(w->tickSound.playing());
        w->cmdStart_Click();
        QVERIFY(!w->tickSound.playing());
        w->cmdStart_Click();
        QVERIFY(!w->tickSound.playing());
        w->mnuSoundOn_Click();
        QVERIFY(!w->tickSound.playing());
        w->cmdStart_Click();
        w->cmdStart_Click();
        QVERIFY(w->tickSound.playing());
        w->close();  // unloading silences it
        QVERIFY(!w->tickSound.playing());
        QVERIFY(w.machine.messages.isEmpty());
    }

    void theShippedTickIsASecondLongWithOneTickAtItsStart() {
        QFile file(QStringLiteral(TAMORU_SOURCE_DIR "/assets/tick.wav"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        QCOMPARE(wav.mid(20, 2), QByteArray("\x01\x00", 2));  // PCM
        QCOMPARE(wav.mid(34, 2), QByteArray("\x10\x00", 2));  // 16-bit
        const QByteArray pcm = wav.mid(44);
        QCOMPARE(pcm.size(), 2 * 44100);
        const auto* samples = reinterpret_cast<const qint16*>(pcm.constData());
        int loud = 0;
        for (int i = 0; i < 44100; ++i) {
            if (std::abs(samples[i]) > 1000) {
                QVERIFY2(i < 441, "sound after the first 10 ms");
                ++loud;
            }
        }
        QVERIFY(loud > 20);
    }
};

QTEST_MAIN(SoundTest)
#include "tst_sound.moc"
