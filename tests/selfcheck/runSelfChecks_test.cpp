#include "selfcheck/runSelfChecks.h"

#include "physics/position.h"
#include "selfcheck/physicsSuites.h"
#include "selfcheck/satelliteSuites.h"
#include "support/fakePlatform.h"
#include "coutCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string reportFromScale(double metersPerPixel) {
    Position::setZoom(metersPerPixel);
    const CoutCapture capture;
    runSelfChecks();
    return capture.text();
}

const char* const allPassing =
    "Angle          :\tThere were 6 tests run for a success rate of: 100.0%\n"
    "Acceleration   :\tThere were 4 tests run for a success rate of: 100.0%\n"
    "Velocity       :\tThere were 5 tests run for a success rate of: 100.0%\n"
    "Position       :\tThere were 14 tests run for a success rate of: 100.0%\n"
    "Satellite      :\tThere were 3 tests run for a success rate of: 100.0%\n"
    "Sputnik        :\tThere were 5 tests run for a success rate of: 100.0%\n"
    "Satellites     :\tThere were 13 tests run for a success rate of: 100.0%\n"
    "Part           :\tThere were 15 tests run for a success rate of: 100.0%\n"
    "Fragment       :\tThere were 11 tests run for a success rate of: 100.0%\n"
    "Bullet         :\tThere were 1 tests run for a success rate of: 100.0%\n"
    "Collision      :\tThere were 1 tests run for a success rate of: 100.0%\n"
    "Ship           :\tThere were 9 tests run for a success rate of: 100.0%\n";

} // namespace

TEST(SelfChecks, StartUpRunPrintsTwelvePassingSummaries) {
    const double saved = Position::getZoom();
    fakeplatform::reset();

    const std::string report = reportFromScale(200000.0);

    EXPECT_EQ(report, allPassing);
    EXPECT_EQ(fakeplatform::consoleSetUps(), 1);
    EXPECT_EQ(Position::getZoom(), 100000.0);

    const std::string marker = "There were ";
    int cases = 0;
    for (auto at = report.find(marker); at != std::string::npos; at = report.find(marker, at + 1)) {
        cases += std::stoi(report.substr(at + marker.size()));
    }
    EXPECT_EQ(cases, 87);
    Position::setZoom(saved);
}

TEST(SelfChecks, ReportDoesNotDependOnTheScaleLeftBehind) {
    const double saved = Position::getZoom();
    EXPECT_EQ(reportFromScale(100000.0), allPassing);
    EXPECT_EQ(reportFromScale(1.0), allPassing);
    EXPECT_EQ(Position::getZoom(), 100000.0);
    Position::setZoom(saved);
}

TEST(SelfChecks, SuitesThatChangeTheScaleLeaveTheExpectedOne) {
    const double saved = Position::getZoom();
    const CoutCapture capture;

    Position::setZoom(123.0);
    TestPosition().run();
    EXPECT_EQ(Position::getZoom(), 123.0);

    TestCollision().run();
    EXPECT_EQ(Position::getZoom(), 100000.0);

    EXPECT_EQ(capture.text(),
              "Position       :\tThere were 14 tests run for a success rate of: 100.0%\n"
              "Collision      :\tThere were 1 tests run for a success rate of: 100.0%\n");
    Position::setZoom(saved);
}

TEST(SelfCheckOnly, TakesExactlyTestAsTheFirstArgument) {
    const char* exact[] = {"corvexa", "--test", "more"};
    EXPECT_TRUE(isSelfCheckOnly(2, exact));
    EXPECT_TRUE(isSelfCheckOnly(3, exact));
    EXPECT_FALSE(isSelfCheckOnly(1, exact));
    for (const char* other : {"--TEST", "--tests", "--tes", "-test", "", "--test "}) {
        const char* argv[] = {"corvexa", other};
        EXPECT_FALSE(isSelfCheckOnly(2, argv)) << '"' << other << '"';
    }
    const char* second[] = {"corvexa", "x", "--test"};
    EXPECT_FALSE(isSelfCheckOnly(3, second));
}
