// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Play in the real window (offscreen) through Qt Multimedia into the null sink of the PulseAudio
// server that tests/with_null_sound_card.sh starts: parecord records what the card plays, and a
// decoder of tape sound reads the recording back as the entries played.

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <string>

#include "qt/entry_viewer.h"
#include "qt/play_window.h"
#include "qt/qt_desktop.h"
#include "tests/qt/window_test_fixture.h"
#include "tests/realtapes/oracle_tools.h"
#include "tests/realtapes/recording_decoder.h"
#include "tests/realtapes/tzxlist_listing.h"

using namespace murax;

namespace {

constexpr const char* kSink = "murax_play";

}  // namespace

class PlaySoundWindowTest : public QObject, public testing::WindowTest<QtDesktop> {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { beginWindowTest(); }
    void cleanup() { endWindowTest(); }

    void theSelectedEntriesPlayedAreReadBackFromTheSoundCard();
};

void PlaySoundWindowTest::initTestCase()
{
    prepareWindowTests();
    if (!testing::toolInstalled("parecord"))
        MURAX_QT_MISSING_TOOL("parecord (pulseaudio-utils)");
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "run by tests/with_null_sound_card.sh");
}

void PlaySoundWindowTest::theSelectedEntriesPlayedAreReadBackFromTheSoundCard()
{
    // The sample tape, made by zmakebas and pasmo: a program, code and a headerless block. The
    // program and the block, without the code between them, make a short sound.
    QFile sample(MURAX_SOURCE_DIR "/resources/sample/murax-demo.tap");
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray tape = sample.readAll();
    openWindow(tape.toStdString());
    QCOMPARE(list_.count(), 3u);
    window_->listBox().selectRows({1, 3}, 1);

    const QString recording = dir_->filePath("recording.wav");
    QProcess recorder;
    recorder.start("parecord", {QString("--device=") + kSink + ".monitor", "--file-format=wav",
                                "--format=s16le", "--rate=44100", "--channels=1", recording});
    QVERIFY(recorder.waitForStarted());
    QTest::qWait(500);

    // A sound played to its end is not told as a sound card that stopped.
    testing::UnexpectedWindowWatch told;
    window_->showEntryViewer();
    QVERIFY(window_->viewer() != nullptr);
    QTest::mouseClick(window_->viewer()->playButton(), Qt::LeftButton);
    PlayWindow* playing = window_->playWindow();
    QVERIFY2(playing != nullptr && playing->isVisible(), "Play found no sound card");
    QVERIFY(playing->progress()->text().startsWith("Playing 1 of 2: "));
    // The editing goes on meanwhile: the entries played stay those selected at the start.
    window_->listBox().selectRows({2}, 2);
    QTRY_VERIFY_WITH_TIMEOUT(playing->progress()->text().startsWith("Playing 2 of 2"), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(!playing->isVisible(), 30000);
    QVERIFY(!playing->isPlaying());
    QCOMPARE(told.seen, QStringList());

    QTest::qWait(500);
    recorder.terminate();
    QVERIFY(recorder.waitForFinished(5000));

    std::string problem;
    const std::string readBack = testing::tapeOfRecording(testing::bytesOf(recording), problem);
    QCOMPARE(problem, std::string());
    QCOMPARE(readBack, list_.entries()[0] + list_.entries()[2]);
}

QTEST_MAIN(PlaySoundWindowTest)
#include "play_sound_window_test.moc"
