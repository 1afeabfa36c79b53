#pragma once

#include <iostream>
#include <map>
#include <string>
#include <vector>

// One failed check: the source text of its condition (or of the expected value) and its line.
struct CheckFailure {
    std::string condition;
    int line;
};

// The base of every start-up suite: records which cases ran and which of their checks failed,
// then prints the suite's block of the report.
class SelfCheckSuite {
public:
    SelfCheckSuite() : tolerance(0.0001) { clear(); }
    virtual ~SelfCheckSuite() = default;

    SelfCheckSuite(const SelfCheckSuite&) = delete;
    SelfCheckSuite& operator=(const SelfCheckSuite&) = delete;

    // Clears, runs every case in order and reports.
    virtual void run() = 0;

    // A case counts once however many checks it makes, and fails if any of them failed.
    void recordCheck(bool condition, const char* conditionText, int line, const char* caseName);
    // Both ends of the tolerance count as equal; not-a-number never does.
    bool approxEqual(double actual, double expected) const;
    // Leaves the stream left-justified and in fixed notation with one decimal.
    void report(const char* name, std::ostream& out = std::cout);
    void clear() { cases.clear(); }

protected:
    // Case name to its failures; byte-wise name order is the order of the report.
    std::map<std::string, std::vector<CheckFailure>> cases;
    double tolerance;
};

// The checks of a case. Each suite names itself in a className constant, so that a case is
// recorded as "TestFragment::advance_expires" and not just by its function name.
#define checkThat(condition)                                                                       \
    recordCheck((condition), #condition, __LINE__,                                                 \
                (std::string(className) + "::" + __func__).c_str())

#define checkClose(actual, expected)                                                               \
    recordCheck(approxEqual((actual), (expected)), #expected, __LINE__,                            \
                (std::string(className) + "::" + __func__).c_str())
