#include "selfcheck/selfCheckSuite.h"

#include "physics/constants.h"
#include "selfcheck/doubles.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <limits>
#include <sstream>
#include <string>

namespace {

// Records whatever a test tells it to; run is never called.
class RecordingSuite : public SelfCheckSuite {
public:
    void run() override {}
};

std::string reportOf(SelfCheckSuite& suite, const char* name) {
    std::ostringstream out;
    suite.report(name, out);
    return out.str();
}

std::string failureLine(int line, const char* condition) {
    return "\t\tline:" + std::to_string(line) + " condition:" + condition + "\n";
}

// A satellite whose step forgets its pull and coasts in a straight line, and which survives
// being destroyed.
class BrokenDummy : public SatelliteDummy {
public:
    using SatelliteDummy::SatelliteDummy;
    void advance(double seconds) override {
        position.addMetersX(velocity.getDX() * seconds);
        position.addMetersY(velocity.getDY() * seconds);
    }
    void destroy(SatelliteList& /*newDebris*/) override {}
};

// Two cases written as the start-up suites write theirs, run against the broken satellite.
class TestBroken : public SelfCheckSuite {
public:
    static constexpr const char* className = "TestBroken";

    void run() override {
        clear();
        destroy_kills();
        advance_changesPosition();
    }

    int destroyLine = 0;
    int firstAdvanceLine = 0;
    int secondAdvanceLine = 0;

private:
    void destroy_kills() {
        BrokenDummy satellite(Position(6378000.0, 0.0), Velocity(0.0, 1000.0), 4.0);
        SatelliteList newDebris;
        satellite.destroy(newDebris);
        checkThat(newDebris.empty());
        destroyLine = __LINE__ + 1;
        checkThat(!satellite.isAlive());
    }

    void advance_changesPosition() {
        BrokenDummy satellite(Position(6378000.0, 0.0), Velocity(0.0, 1000.0), 4.0);
        satellite.advance(timeStep);
        firstAdvanceLine = __LINE__ + 1;
        checkClose(satellite.getPosition().getMetersX(), 6378000.0 - 2304.0);
        checkThat(satellite.isAlive());
        secondAdvanceLine = __LINE__ + 1;
        checkClose(satellite.getPosition().getMetersY(), 51456.0);
    }
};

} // namespace

TEST(SelfCheckSuite, ReportsNoTestsWhenNothingWasRecorded) {
    RecordingSuite suite;
    EXPECT_EQ(reportOf(suite, "Angle"), "Angle          :\tThere were no tests]\n");
}

TEST(SelfCheckSuite, ListsFailedCasesInNameOrderWithFailuresInCheckOrder) {
    RecordingSuite suite;
    suite.recordCheck(false, "first", 30, "TestSample::zeta");
    suite.recordCheck(true, "passes", 35, "TestSample::middle");
    suite.recordCheck(false, "second", 31, "TestSample::zeta");
    suite.recordCheck(false, "-7900.0", 40, "TestSample::alpha");

    EXPECT_EQ(reportOf(suite, "Sample"), "\tTestSample::alpha()\n"
                                         "\t\tline:40 condition:-7900.0\n"
                                         "\tTestSample::zeta()\n"
                                         "\t\tline:30 condition:first\n"
                                         "\t\tline:31 condition:second\n"
                                         "Sample         :\tThere were 3 tests run for a success "
                                         "rate of: 33.3%\n");
}

TEST(SelfCheckSuite, CaseWithOneFailedCheckIsNotASuccess) {
    RecordingSuite suite;
    suite.recordCheck(true, "a", 1, "TestSample::passThenFail");
    suite.recordCheck(false, "b", 2, "TestSample::passThenFail");
    suite.recordCheck(false, "c", 3, "TestSample::failThenPass");
    suite.recordCheck(true, "d", 4, "TestSample::failThenPass");

    const std::string report = reportOf(suite, "Sample");
    EXPECT_NE(report.find("\tTestSample::failThenPass()\n\t\tline:3 condition:c\n"
                          "\tTestSample::passThenFail()\n\t\tline:2 condition:b\n"),
              std::string::npos);
    EXPECT_NE(report.find("There were 2 tests run for a success rate of: 0.0%\n"),
              std::string::npos);
}

TEST(SelfCheckSuite, ThirteenOfFourteenPrintsAsNinetyTwoPointNine) {
    RecordingSuite suite;
    for (int i = 0; i < 14; ++i) {
        suite.recordCheck(true, "ok", i, ("TestSample::case" + std::to_string(i)).c_str());
    }
    suite.recordCheck(false, "startX + 200.0", 50, "TestSample::case7");
    suite.recordCheck(false, "!fragment.isAlive()", 51, "TestSample::case7");

    EXPECT_EQ(reportOf(suite, "Fragment"),
              "\tTestSample::case7()\n"
              "\t\tline:50 condition:startX + 200.0\n"
              "\t\tline:51 condition:!fragment.isAlive()\n"
              "Fragment       :\tThere were 14 tests run for a success rate of: 92.9%\n");
}

TEST(SelfCheckSuite, LongNamesArePrintedWhole) {
    RecordingSuite suite;
    EXPECT_EQ(reportOf(suite, "FifteenCharName"), "FifteenCharName:\tThere were no tests]\n");
    suite.recordCheck(true, "ok", 1, "TestSample::one");
    EXPECT_EQ(reportOf(suite, "AMuchLongerSuiteName"),
              "AMuchLongerSuiteName:\tThere were 1 tests run for a success rate of: 100.0%\n");
}

TEST(SelfCheckSuite, ReportForgetsTheRecordedCases) {
    RecordingSuite suite;
    suite.recordCheck(false, "x", 1, "TestSample::one");
    reportOf(suite, "Sample");
    EXPECT_EQ(reportOf(suite, "Sample"), "Sample         :\tThere were no tests]\n");
}

TEST(SelfCheckSuite, ApproxEqualIncludesBothBoundsAndRejectsNaN) {
    const RecordingSuite suite;
    EXPECT_TRUE(suite.approxEqual(0.0001, 0.0));
    EXPECT_TRUE(suite.approxEqual(0.0, 0.0001));
    EXPECT_TRUE(suite.approxEqual(-7900.0, -7900.0));
    EXPECT_FALSE(suite.approxEqual(0.00010001, 0.0));
    EXPECT_FALSE(suite.approxEqual(0.0, 0.00010001));

    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(suite.approxEqual(nan, 0.0));
    EXPECT_FALSE(suite.approxEqual(0.0, nan));
    EXPECT_FALSE(suite.approxEqual(nan, nan));
}

TEST(SelfCheckSuite, BrokenObjectIsReportedWithCaseLineAndCheckText) {
    TestBroken suite;
    suite.run();

    const std::string expected = std::string("\tTestBroken::advance_changesPosition()\n") +
                                 failureLine(suite.firstAdvanceLine, "6378000.0 - 2304.0") +
                                 failureLine(suite.secondAdvanceLine, "51456.0") +
                                 "\tTestBroken::destroy_kills()\n" +
                                 failureLine(suite.destroyLine, "!satellite.isAlive()") +
                                 "Broken         :\tThere were 2 tests run for a success rate "
                                 "of: 0.0%\n";
    EXPECT_EQ(reportOf(suite, "Broken"), expected);
}

TEST(SelfCheckSuite, ReportLeavesTheNumberFormatSet) {
    RecordingSuite suite;
    suite.recordCheck(true, "ok", 1, "TestSample::one");
    std::ostringstream out;
    suite.report("Sample", out);
    out.str("");

    out << 2.0 << "|" << 3.14159 << "|" << std::setw(4) << 7 << "|";
    EXPECT_EQ(out.str(), "2.0|3.1|7   |");
}
