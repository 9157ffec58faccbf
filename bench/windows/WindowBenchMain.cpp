#include <benchmark/benchmark.h>

#include <QApplication>

#include "store/DateText.h"

// The windows' benchmarks register themselves (BENCHMARK in each file) and run offscreen.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    mirtal::store::DateText::setDateSeparator(QStringLiteral("/"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
