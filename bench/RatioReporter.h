#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Console output plus, at the end, each dataset figure divided by the bare loop of the database's
// own library it is paired with (benchmarks named "<Pair>/Dataset" and "<Pair>/Bare…", such as
// "<Pair>/BareSqlite"): by CPU time, or by wall-clock time where a server works beside us.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    enum class Clock { Cpu, Real };
    explicit RatioReporter(Clock clock = Clock::Cpu) : clock_(clock) {}

    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    Clock clock_;
    std::map<std::string, double> seconds_;
};
