// Once SDL audio is up, SIGTERM and SIGINT must still end the program.

#include "playbackfixture.h"
#include "wavwriter.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <csignal>

namespace {

struct SignalCase {
    const char* label;
    int signal;
};

void PrintTo(const SignalCase& c, std::ostream* os) {
    *os << c.label;
}

class SignalTest : public PlaybackTest, public testing::WithParamInterface<SignalCase> {};

TEST_P(SignalTest, EndsTheProcessAfterASoundHasPlayed) {
    testwav::writeWav(path("a.wav"), {}, testwav::tone(440, 0.05, 48000));

    QProcess probe;
    probe.setWorkingDirectory(QString::fromStdString(path("")));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SDL_AUDIODRIVER", "disk");
    env.insert("SDL_DISKAUDIOFILE", QString::fromStdString(capturePath()));
    probe.setProcessEnvironment(env);
    probe.start(SIGNAL_PROBE, {"a.wav"});
    ASSERT_TRUE(probe.waitForStarted(10000));
    ASSERT_TRUE(probe.waitForReadyRead(20000));
    EXPECT_EQ(probe.readLine().trimmed().toStdString(), "played");

    ::kill(static_cast<pid_t>(probe.processId()), GetParam().signal);
    const bool ended = probe.waitForFinished(10000);
    if (!ended) {
        probe.kill();
        probe.waitForFinished();
    }
    ASSERT_TRUE(ended) << "the probe ignored the signal";
    EXPECT_EQ(probe.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(probe.exitCode(), GetParam().signal);
}

const SignalCase kSignals[] = {{"SIGTERM", SIGTERM}, {"SIGINT", SIGINT}};
INSTANTIATE_TEST_SUITE_P(Signals, SignalTest, testing::ValuesIn(kSignals),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
