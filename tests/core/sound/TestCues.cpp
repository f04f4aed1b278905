#include "core/sound/Cues.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vortalex;

namespace {

const QString kProgramDir = QStringLiteral(VORTALEX_PROGRAM_DIR);

void touch(const QString& path) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

// Reads the header of a PCM WAV file: channels, rate and the sample data size.
struct WavInfo {
    bool valid = false;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    qint64 dataBytes = 0;
};

WavInfo readWav(const QString& path) {
    QFile f(path);
    WavInfo info;
    if (!f.open(QIODevice::ReadOnly)) {
        return info;
    }
    const QByteArray bytes = f.readAll();
    const auto u16 = [&](int at) {
        return static_cast<int>(static_cast<quint8>(bytes[at]) |
                                (static_cast<quint8>(bytes[at + 1]) << 8));
    };
    const auto u32 = [&](int at) {
        return static_cast<qint64>(static_cast<quint32>(u16(at)) |
                                   (static_cast<quint32>(u16(at + 2)) << 16));
    };
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE" ||
        u32(4) + 8 != bytes.size()) {
        return info;
    }
    int at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = u32(at + 4);
        if (id == "fmt ") {
            info.channels = u16(at + 10);
            info.rate = static_cast<int>(u32(at + 12));
            info.bits = u16(at + 22);
        } else if (id == "data") {
            info.dataBytes = size;
            info.valid = at + 8 + size <= bytes.size() && u16(20) == 1;
        }
        at += 8 + static_cast<int>(size + (size & 1));
    }
    return info;
}

} // namespace

class TestCues : public QObject {
    Q_OBJECT
private slots:
    void cueNamesResolveIgnoringLetterCase() {
        QTemporaryDir dir;
        touch(dir.filePath(QStringLiteral("shuffle.wav")));
        touch(dir.filePath(QStringLiteral("WRONG WORD.wav")));
        const QString shuffle = dir.filePath(QStringLiteral("shuffle.wav"));
        QCOMPARE(resolveCueFile(dir.path(), QStringLiteral("\\shuffle.wav")), shuffle);
        QCOMPARE(resolveCueFile(dir.path(), QStringLiteral("\\Shuffle.wav")), shuffle);
        QCOMPARE(resolveCueFile(dir.path(), QStringLiteral("\\SHUFFLE.WAV")), shuffle);
        QCOMPARE(resolveCueFile(dir.path(), QStringLiteral("\\wrong word.WAV")),
                 dir.filePath(QStringLiteral("WRONG WORD.wav")));
    }

    void missingFilesAndPathsOutsideTheFolderResolveToNothing() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        touch(dir.filePath(QStringLiteral("sub/x.wav")));
        QVERIFY(resolveCueFile(dir.path(), QStringLiteral("\\ohno.wav")).isEmpty());
        QVERIFY(resolveCueFile(dir.path(), QStringLiteral("\\")).isEmpty());
        QVERIFY(resolveCueFile(dir.path(), QStringLiteral("\\sub")).isEmpty());
        QVERIFY(resolveCueFile(dir.path(), QStringLiteral("\\sub\\x.wav")).isEmpty());
        QVERIFY(resolveCueFile(dir.path(), QStringLiteral("\\..\\x.wav")).isEmpty());
    }

    void theBuildWroteEveryCueAsAPlayableWav_data() {
        QTest::addColumn<QString>("cue");
        for (const Cue c : {Cue::Clicking, Cue::Level, Cue::Quit, Cue::LevelChosen, Cue::Slide,
                            Cue::Correct, Cue::CorrectLower, Cue::WrongWord, Cue::Play,
                            Cue::Shuffle, Cue::TileDown, Cue::OhNo, Cue::Winner}) {
            QTest::newRow(qPrintable(cueFileName(c))) << cueFileName(c);
        }
    }
    void theBuildWroteEveryCueAsAPlayableWav() {
        QFETCH(QString, cue);
        const QString path = resolveCueFile(kProgramDir, cue);
        QVERIFY2(!path.isEmpty(), qPrintable(cue));
        const WavInfo wav = readWav(path);
        QVERIFY(wav.valid);
        QCOMPARE(wav.channels, 1);
        QCOMPARE(wav.bits, 16);
        const double seconds = double(wav.dataBytes) / (wav.rate * 2);
        QVERIFY2(seconds > 0.02 && seconds < 2.0, qPrintable(QString::number(seconds)));
    }
};

QTEST_GUILESS_MAIN(TestCues)
#include "TestCues.moc"
