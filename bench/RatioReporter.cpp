#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run>& reports) {
    for (const Run& run : reports)
        if (run.run_type == Run::RT_Iteration && run.iterations > 0)
            seconds_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(reports);
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\nDataset CPU time / bare sqlite3 loop over the same rows:\n");
    for (const auto& [name, time] : seconds_) {
        const auto slash = name.find("/Dataset");
        if (slash == std::string::npos)
            continue;
        const std::string pair = name.substr(0, slash);
        const auto bare = seconds_.find(pair + "/BareSqlite");
        if (bare != seconds_.end() && bare->second > 0)
            std::printf("  %-24s %.2fx\n", pair.c_str(), time / bare->second);
    }
}
