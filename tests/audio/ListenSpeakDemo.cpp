// Shows the speaking practice pane running one attempt on its own: the model is a synthesized
// sentence, the "microphone" plays the same sentence a little slower, and the pane ends with both
// waveforms and its rating. Used by scripts/listen-speak-demo.sh to take a screenshot.
//
//   listenspeak_demo

#include "app/FileUtils.h"
#include "app/Globals.h"
#include "audio/CFileSoundDevices.h"
#include "audio/CListenSpeakDlg.h"
#include "audio/CWaveFileView.h"
#include "data/CADODatabase.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixturePictures.h"
#include "fixtures/FixtureSounds.h"
#include "fixtures/FixtureSpeech.h"
#include "fixtures/TempFolder.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

bool Fail(const std::string& what) {
    std::fprintf(stderr, "listenspeak_demo: %s\n", what.c_str());
    return false;
}

// The word database for the character line and the two sounds of the attempt.
bool PrepareContent(const TempFolder& dir, const std::string& mp3, CADODatabase& wordDb) {
    std::string error;
    if (!fixtures::BuildWordDatabase(dir / "word.dll", {"en"}, error) ||
        !fixtures::AddWordPictures(dir / "word.dll", error))
        return Fail(error);
    if (!wordDb.Open("Data Source=" + (dir / "word.dll")))
        return Fail("cannot open the word database");
    g_pWordDb = &wordDb;
    g_strTempLessonDir = dir / "templesson";
    if (!MakeDirectoryPath(g_strTempLessonDir) || !fixtures::MakeSpokenMp3("你好，我是学生。", mp3, error))
        return Fail(error);
    CWaveFileView spoken;
    try {
        spoken.Load(mp3 + ".source.wav");
    } catch (...) {
        return Fail("cannot read the spoken sentence");
    }
    std::vector<std::int16_t> microphone(2400, 0);
    const std::vector<std::int16_t> slower = fixtures::AtSpeed(spoken, 1.1);
    microphone.insert(microphone.end(), slower.begin(), slower.end());
    return fixtures::WriteBinaryFile(dir / "microphone.raw", fixtures::SampleBytes(microphone)) ||
           Fail("cannot write the microphone file");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TempFolder dir;
    CADODatabase wordDb;
    const std::string mp3 = dir / "templesson/S010101.mp3";
    if (!PrepareContent(dir, mp3, wordDb))
        return 1;
    CFileSoundDevices devices(GetSystemClock(), dir / "microphone.raw", "");
    SetSoundDevices(&devices);

    int status = 0;
    {
        CListenSpeakDlg panel;
        panel.setWindowTitle(QStringLiteral("Speaking practice"));
        panel.SetSentenceText(u"你好 ， 我 是 学生 。", u"nǐhǎo , wǒ shì xuésheng .");
        if (!panel.SetModel(mp3)) {
            Fail("the model was not taken");
            return 1;
        }
        panel.move(20, 20);
        panel.show();
        QTimer::singleShot(500, &panel, [&panel] { panel.OnPlayModel(); });
        auto* prompt = panel.findChild<QLabel*>(QString::number(CListenSpeakDlg::IDC_PROMPT));
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [prompt] {
            static QString last;
            if (prompt->text() != last)
                std::printf("prompt: %s\n", qPrintable(last = prompt->text()));
            std::fflush(stdout);
        });
        watch.start(100);
        status = app.exec();
    }
    SetSoundDevices(nullptr);
    g_pWordDb = nullptr;
    return status;
}
