#include "ListenSpeakFixture.h"

#include "app/CLog.h"
#include "app/FileUtils.h"
#include "app/Globals.h"
#include "audio/CSoundPlayer.h"
#include "fixtures/FixtureDatabases.h"
#include "fixtures/FixturePictures.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>

using namespace std::chrono_literals;

namespace {
constexpr auto kThreadWait = std::chrono::seconds(20);
}

void ListenSpeakFixture::SetUp() {
    std::string error;
    ASSERT_TRUE(fixtures::BuildWordDatabase(m_dir / "word.dll", {"en"}, error)) << error;
    ASSERT_TRUE(fixtures::AddWordPictures(m_dir / "word.dll", error)) << error;
    ASSERT_TRUE(m_wordDb.Open("Data Source=" + (m_dir / "word.dll")));
    g_pWordDb = &m_wordDb;
    g_strTempLessonDir = m_dir / "templesson";
    ASSERT_TRUE(MakeDirectoryPath(g_strTempLessonDir));
    m_previousNotice = SetUserNotice(&m_notice);
}

void ListenSpeakFixture::TearDown() {
    m_panel.reset();
    // Whatever the panel started playing ends before its devices and clock go.
    GetSoundPlayer().Stop();
    EXPECT_TRUE(GetSoundPlayer().WaitUntilIdle(kThreadWait));
    if (m_devicesInstalled)
        SetSoundDevices(m_previousDevices);
    SetUserNotice(m_previousNotice);
    g_pWordDb = nullptr;
}

void ListenSpeakFixture::UseDevices(ISoundDevices* devices) {
    ISoundDevices* previous = SetSoundDevices(devices);
    if (!m_devicesInstalled)
        m_previousDevices = previous;
    m_devicesInstalled = true;
}

void ListenSpeakFixture::MakePanel() {
    m_panel = std::make_unique<CListenSpeakDlg>(nullptr, m_clock);
    m_clock.SetSettle([this] { EXPECT_TRUE(m_panel->WaitUntilSoundIdle(kThreadWait)); });
}

void ListenSpeakFixture::Settle() {
    ASSERT_TRUE(m_panel->WaitUntilSoundIdle(kThreadWait));
    ASSERT_TRUE(GetSoundPlayer().WaitUntilIdle(kThreadWait));
}

void ListenSpeakFixture::Run(IClock::Duration total) {
    for (IClock::Duration done{0}; done < total; done += 100ms) {
        Settle();
        m_clock.Advance(100ms);
        QCoreApplication::processEvents();
    }
    Settle();
}

bool ListenSpeakFixture::RunUntilRated(IClock::Duration limit) {
    for (IClock::Duration done{0}; done < limit; done += 100ms) {
        Run(100ms);
        const QString prompt = Prompt();
        if (prompt == "good!" || prompt == "Not So bad!" || prompt == "Try again!")
            return true;
    }
    return false;
}

QString ListenSpeakFixture::Prompt() const {
    auto* prompt = m_panel->findChild<QLabel*>(QString::number(CListenSpeakDlg::IDC_PROMPT));
    return prompt ? prompt->text() : QString();
}

std::vector<double> ListenSpeakFixture::LastRatingLogLine() const {
    const QString log = QString::fromStdString(ReadWholeFile(g_log.GetPath()).value_or(""));
    static const QRegularExpression line(QStringLiteral("\\s(-?[0-9.]+),(-?[0-9.]+),(-?[0-9.]+)\\r?$"),
                                         QRegularExpression::MultilineOption);
    std::vector<double> values;
    QRegularExpressionMatchIterator it = line.globalMatch(log);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        values = {match.captured(1).toDouble(), match.captured(2).toDouble(), match.captured(3).toDouble()};
    }
    return values;
}
