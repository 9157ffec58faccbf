#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store/Backup.h"
#include "store/CsvExport.h"
#include "windows/BenchProgram.h"

// The command line's export and backup on four users with twenty years each, as a person
// would run them: every table to CSV files, and an encrypted, checked copy of the file.

namespace mirtal::bench {

namespace {

store::ConnectionSettings twentyYearsFile() {
    BenchProgram& program = BenchProgram::twentyYears();
    return store::connectionSettingsFor(program.switcher().applicationDirectory());
}

void exportAllUsersToCsv(benchmark::State& state) {
    const store::ConnectionSettings database = twentyYearsFile();
    const QTemporaryDir out;
    for (auto _ : state) {
        const store::CsvExportResult result =
            store::exportCsv(database, out.path(), std::nullopt, store::Replace::Allowed);
        state.counters["rows"] = static_cast<double>(result.rows);
    }
    qint64 bytes = 0;
    for (const QFileInfo& file : QDir(out.path()).entryInfoList(QDir::Files)) {
        bytes += file.size();
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void exportOneUserToCsv(benchmark::State& state) {
    const store::ConnectionSettings database = twentyYearsFile();
    const QTemporaryDir out;
    for (auto _ : state) {
        store::exportCsv(database, out.path(), QStringLiteral("Anna"), store::Replace::Allowed);
    }
}

void backupWithCheck(benchmark::State& state) {
    const store::ConnectionSettings database = twentyYearsFile();
    const QTemporaryDir out;
    const QString copy = out.filePath(QStringLiteral("saved.mdb"));
    for (auto _ : state) {
        store::backupDatabase(database, copy, store::Replace::Allowed);
    }
    state.counters["MB"] = static_cast<double>(QFileInfo(copy).size()) / 1e6;
}

BENCHMARK(exportAllUsersToCsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(exportOneUserToCsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(backupWithCheck)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

}  // namespace mirtal::bench
