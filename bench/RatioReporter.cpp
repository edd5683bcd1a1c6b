#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& reports) {
    for (const Run& run : reports)
        if (run.run_type == Run::RT_Iteration && run.iterations > 0)
            seconds_[run.run_name.function_name] =
                clock_ == Clock::Real ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(reports);
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\nDataset %s time / bare loop over the same rows:\n",
                clock_ == Clock::Real ? "wall" : "CPU");
    for (const auto& [name, time] : seconds_) {
        const auto slash = name.find("/Dataset");
        if (slash == std::string::npos)
            continue;
        const std::string pair = name.substr(0, slash);
        // The first name from "<Pair>/Bare" on, when it starts so.
        const auto bare = seconds_.lower_bound(pair + "/Bare");
        if (bare != seconds_.end() && bare->first.rfind(pair + "/Bare", 0) == 0 && bare->second > 0)
            std::printf("  %-24s %.2fx\n", pair.c_str(), time / bare->second);
    }
}
