#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "DeliveredFolder.h"
#include "progress/TrackerImport.h"
#include "store/CsvExport.h"
#include "store/CsvFolderImport.h"
#include "store/Database.h"
#include "windows/BenchProgram.h"

// The command line's imports as a person would run them: the whole export of four users with
// twenty years each into a fresh database, and twenty years of one person's weights from
// another tracker into a user's progress log. Each run starts on a fresh file, made before
// the clock starts.

namespace mirtal::bench {

namespace {

store::ConnectionSettings twentyYearsFile() {
    BenchProgram& program = BenchProgram::twentyYears();
    return store::connectionSettingsFor(program.switcher().applicationDirectory());
}

void importWholeExport(benchmark::State& state) {
    const QTemporaryDir exported;
    store::exportCsv(twentyYearsFile(), exported.path(), std::nullopt, store::Replace::Allowed);
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = std::make_unique<harness::DeliveredFolder>();
        state.ResumeTiming();
        const store::CsvFolderImportResult result =
            store::importCsvFolder(store::connectionSettingsFor(fresh->path()), exported.path());
        state.counters["rows"] = static_cast<double>(result.rows);
        state.PauseTiming();
        fresh.reset();
        state.ResumeTiming();
    }
    // The round trip: the import exported again gives the same bytes, file for file.
    const harness::DeliveredFolder fresh;
    store::importCsvFolder(store::connectionSettingsFor(fresh.path()), exported.path());
    const QTemporaryDir again;
    store::exportCsv(store::connectionSettingsFor(fresh.path()), again.path(), std::nullopt,
                     store::Replace::Allowed);
    bool identical = true;
    for (const QString& name : QDir(exported.path()).entryList(QDir::Files)) {
        QFile first(QDir(exported.path()).filePath(name));
        QFile second(QDir(again.path()).filePath(name));
        identical = identical && first.open(QIODevice::ReadOnly) &&
                    second.open(QIODevice::ReadOnly) && first.readAll() == second.readAll();
    }
    state.counters["identical"] = identical ? 1 : 0;
}

// 7,300 days of weights, as a tracker writes them: a day with a time, a decimal comma.
QString writeTrackerFile(const QString& folder) {
    const QString path = folder + QStringLiteral("/weights.csv");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("dateTime;weight;pulse\r\n");
    const QDate first(2007, 1, 1);
    for (int i = 0; i < 7300; ++i) {
        file.write(QStringLiteral("%1 07:30:00;%2,%3;%4\r\n")
                       .arg(first.addDays(i).toString(Qt::ISODate))
                       .arg(70 + i % 20)
                       .arg(i % 10)
                       .arg(55 + i % 30)
                       .toUtf8());
    }
    return path;
}

void importTwentyYearsOfWeights(benchmark::State& state) {
    const QTemporaryDir folder;
    const QString file = writeTrackerFile(folder.path());
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = std::make_unique<harness::DeliveredFolder>();
        const store::ConnectionSettings database = store::connectionSettingsFor(fresh->path());
        store::Database::open(database)->execute(
            QStringLiteral("Insert Into User1 Values(1, 'Anna')"));
        state.ResumeTiming();
        const progress::TrackerImportResult result = progress::importTrackerCsv(
            database, {file, QStringLiteral("Anna"), std::nullopt, QStringLiteral("Average")});
        state.counters["rows"] = result.added;
        state.PauseTiming();
        fresh.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(importWholeExport)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(importTwentyYearsOfWeights)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

}  // namespace mirtal::bench
