#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Console output plus, at the end, each dataset figure divided by the bare SQLite loop it is paired
// with (benchmarks named "<Pair>/Dataset" and "<Pair>/BareSqlite").
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    std::map<std::string, double> seconds_;
};
