// The benchmarks' entry point. With the window built, a Qt application on the
// offscreen platform lets the window benchmarks show a real window anywhere.
#include <benchmark/benchmark.h>

#ifdef CORVANE_BENCH_WINDOW
#include <QApplication>
#endif

int main(int argc, char** argv) {
#ifdef CORVANE_BENCH_WINDOW
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
