// Tempotik — a click-speed meter. Licensed under the MIT licence.
// Runs the built tempotik-trace end to end.
#include <gtest/gtest.h>

#include <QProcess>

#include <fstream>
#include <sstream>
#include <string>

namespace {

struct TraceRun {
    std::string out;
    std::string err;
    int status;
};

std::string readFile(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TraceRun trace(const std::string& input) {
    const std::string dir = testing::TempDir();
    const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string in = dir + name + ".in", out = dir + name + ".out", err = dir + name + ".err";
    std::ofstream(in) << input;
    QProcess driver;
    driver.setStandardInputFile(QString::fromStdString(in));
    driver.setStandardOutputFile(QString::fromStdString(out));
    driver.setStandardErrorFile(QString::fromStdString(err));
    driver.start(QStringLiteral(TEMPOTIK_TRACE), {});
    driver.waitForFinished();
    return {readFile(out), readFile(err), driver.exitCode()};
}

TEST(Trace, PrintsCaptionsCountersAndTimerAfterEachCommand) {
    const TraceRun run = trace("c 5\n\n# comment\nt 49\nt\nr\n");
    EXPECT_EQ(run.out,
              "5 99 10 0 0 0 0 0 0 0 0 5 5 5 0 1\n"
              "5 50 10 0 0 0 0 0 0 0 0 5 5 5 0 1\n"
              "5 49 10 0 0 10 100 600 10 100 600 5 5 0 1 1\n"
              "0 99 10 0 0 0 0 0 10 100 600 0 0 0 0 0\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
}

TEST(Trace, TicksOnlyWhileTheTimerRuns) {
    EXPECT_EQ(trace("t 500\n").out, "0 99 10 0 0 0 0 0 0 0 0 0 0 0 0 0\n");
}

// 32768 half seconds of uninterrupted timing overflow the half-second count on
// the very last period; the failing tick leaves the second's countdown at -1.
TEST(Trace, OverflowEndsTheMeasurementAndTheNextClickStartsAfresh) {
    const TraceRun run = trace("c\nt 1638400\nt 10\nc\n");
    EXPECT_EQ(run.out,
              "1 99 10 0 0 0 0 0 0 0 0 1 1 1 0 1\n"
              "error 6\n"
              "1 -1 7 0 0 0 0 0 0 0 0 0 0 0 32767 0\n"
              "1 -1 7 0 0 0 0 0 0 0 0 0 0 0 32767 0\n"
              "1 99 10 0 0 0 0 0 0 0 0 1 1 1 0 1\n");
    EXPECT_EQ(run.status, 0);
}

TEST(Trace, ErrorDropsTheRestOfTheRepetitions) {
    const TraceRun run = trace("c 274\nt 100\n");
    EXPECT_EQ(run.out,
              "274 99 10 0 0 0 0 0 0 0 0 274 274 274 0 1\n"
              "error 6\n"
              "274 49 10 0 0 0 0 0 0 0 0 274 274 274 0 0\n");
}

TEST(Trace, BadLineStopsWithStatusTwoAfterFlushingWhatCameBefore) {
    for (const char* bad :
         {"x", "c 0", "c 1234567890", "c -1", "c +1", "c  5", "t 5 ", "r 2", "c5", "click", " c"}) {
        const TraceRun run = trace(std::string("c\n") + bad + "\nc\n");
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_EQ(run.out, "1 99 10 0 0 0 0 0 0 0 0 1 1 1 0 1\n") << bad;
        EXPECT_NE(run.err.find("line 2"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
    }
}

TEST(Trace, LargestCountHasNineDigits) {
    EXPECT_EQ(trace("c 999999999\n").out.substr(0, 7), "error 6");
}

}  // namespace
