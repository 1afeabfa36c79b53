#include "selfcheck/selfCheckSuite.h"

#include <algorithm>
#include <iomanip>

void SelfCheckSuite::recordCheck(bool condition, const char* conditionText, int line,
                                 const char* caseName) {
    const std::string sFunc(caseName);
    if (condition) {
        cases[sFunc];
        return;
    }
    CheckFailure failure{conditionText, line};
    cases[sFunc].push_back(failure);
}

bool SelfCheckSuite::approxEqual(double actual, double expected) const {
    const double difference = actual - expected;
    return difference >= -tolerance && difference <= tolerance;
}

void SelfCheckSuite::report(const char* name, std::ostream& out) {
    for (const auto& [caseName, failures] : cases) {
        if (failures.empty()) {
            continue;
        }
        out << "\t" << caseName << "()\n";
        for (const CheckFailure& failure : failures) {
            out << "\t\tline:" << failure.line << " condition:" << failure.condition << "\n";
        }
    }

    out << std::left << std::setw(15) << name << ":\t";
    if (cases.empty()) {
        out << "There were no tests]\n";
        return;
    }

    const auto successes = std::count_if(cases.begin(), cases.end(),
                                         [](const auto& entry) { return entry.second.empty(); });
    const double rate = static_cast<double>(successes) / static_cast<double>(cases.size()) * 100.0;
    out << "There were " << cases.size() << " tests run for a success rate of: " << std::fixed
        << std::showpoint << std::setprecision(1) << rate << "%\n";
    clear();
}
