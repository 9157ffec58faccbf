// Bad-input sweep through the real windows: every text field and list of windows 1 to 7 gets
// generated inputs (typed, pasted, dropped), every command of the window runs after each
// round, and the file is checked after every command that wrote. Each window's inputs run in
// batches, each batch in a process of its own, so that a crash ends one batch and is counted.
//
//   mirtal-input-sweep INPUTS [SEED] [JOBS]
//
// Prints the number of crashes, sanitizer reports, hangs, rows that break the file's rules,
// rows written by a refused action and integrity failures, then every distinct message shown.
// Ends with 0 only when every count is 0.
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "BatchReport.h"
#include "SweepBatch.h"

namespace {

using namespace mirtal::sweep;

constexpr int windows = static_cast<int>(mirtal::app::windowCount);
constexpr int largestBatch = 2000;
constexpr int batchSeconds = 900;

struct Batch {
    int window;
    int inputs;
    unsigned seed;

    QStringList arguments() const {
        return {QStringLiteral("--batch"), QString::number(window), QString::number(inputs),
                QString::number(seed)};
    }
};

struct Totals {
    qint64 inputs = 0;
    qint64 commands = 0;
    int crashes = 0;
    int hangs = 0;
    int sanitizerReports = 0;
    int brokenRows = 0;
    int refusedWrites = 0;
    int integrityFailures = 0;
    int referenceChanges = 0;
    // Messages grouped by their shape: what was typed, between quotes, left out.
    struct Seen {
        int count = 0;
        QString example;
        QStringList windows;
    };
    QMap<QString, Seen> messages;
    QStringList findings;
};

QString shape(const QString& text) {
    static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\"|\"[\\s\\S]*$"));
    QString result = text;
    result.replace(quoted, QStringLiteral("\"...\""));
    return result;
}

QString shown(QString text, int limit = 160) {
    if (text.size() > limit) {
        text = text.left(limit) + QStringLiteral("... (%1 characters)").arg(text.size());
    }
    text.replace(u'\n', QStringLiteral("\\n"));
    return text;
}

int sanitizerReports(const QString& errors) {
    static const QRegularExpression report(
        QStringLiteral("ERROR: (Address|Leak|Thread|Memory)Sanitizer|runtime error:"));
    return static_cast<int>(errors.count(report));
}

void readBatch(const Batch& batch, QProcess& process, bool finished, Totals& totals) {
    const QString repeat =
        QStringLiteral("mirtal-input-sweep %1").arg(batch.arguments().join(u' '));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    const int reports = sanitizerReports(errors);
    totals.sanitizerReports += reports;
    if (!finished) {
        ++totals.hangs;
        totals.findings << QStringLiteral("hang (over %1 s): %2").arg(batchSeconds).arg(repeat);
    } else if (process.exitStatus() == QProcess::CrashExit || process.exitCode() != 0) {
        ++totals.crashes;
        totals.findings << QStringLiteral("crash (exit %1): %2\n%3")
                               .arg(process.exitCode())
                               .arg(repeat, errors.right(3000));
    } else if (reports > 0) {
        totals.findings << QStringLiteral("sanitizer: %1\n%2").arg(repeat, errors.right(3000));
    }
    const QStringList lines =
        QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString& text : lines) {
        const QStringList f = parseReportLine(text);
        if (f.isEmpty()) {
            continue;
        }
        const QString& kind = f[0];
        if (kind == line::inputs) {
            totals.inputs += f.value(1).toLongLong();
        } else if (kind == line::commands) {
            totals.commands += f.value(1).toLongLong();
        } else if (kind == line::message && f.size() >= 4) {
            Totals::Seen& seen = totals.messages[shape(f[3])];
            seen.count += f[2].toInt();
            if (seen.example.isEmpty()) {
                seen.example = f[3];
            }
            if (!seen.windows.contains(f[1])) {
                seen.windows << f[1];
            }
        } else if (kind == line::refusedWrite) {
            ++totals.refusedWrites;
            totals.findings << QStringLiteral(
                                   "written by a refused action: window %1, %2, "
                                   "messages: %3 (%4)")
                                   .arg(f.value(1), f.value(2), shown(f.value(3), 300), repeat);
        } else if (kind == line::brokenRow) {
            totals.brokenRows += f.value(4).toInt();
            totals.findings << QStringLiteral("rows breaking \"%1\": %2, window %3 after %4 (%5)")
                                   .arg(f.value(3), f.value(4), f.value(1), f.value(2), repeat);
        } else if (kind == line::integrity) {
            ++totals.integrityFailures;
            totals.findings << QStringLiteral("integrity check: %1 (%2)").arg(f.value(2), repeat);
        } else if (kind == line::reference) {
            ++totals.referenceChanges;
            totals.findings << QStringLiteral("reference rows changed, window %1 after %2 (%3)")
                                   .arg(f.value(1), f.value(2), repeat);
        }
    }
}

// The windows take turns, so that a run stopped early has still swept every window.
QList<Batch> plan(qint64 inputs, unsigned seed) {
    QList<Batch> batches;
    qint64 left[windows + 1] = {};
    for (int window = 1; window <= windows; ++window) {
        left[window] = inputs / windows + (window <= inputs % windows ? 1 : 0);
    }
    for (bool more = true; more;) {
        more = false;
        for (int window = 1; window <= windows; ++window) {
            if (left[window] > 0) {
                const int size = static_cast<int>(std::min<qint64>(left[window], largestBatch));
                batches.append(
                    {window, size, seed + static_cast<unsigned>(batches.size()) * 7919u});
                left[window] -= size;
                more = true;
            }
        }
    }
    return batches;
}

// After each batch, on the error stream: how far the run is and what it has found so far.
void progress(const Totals& totals, qsizetype done, qsizetype all, qint64 seconds) {
    std::fprintf(stderr,
                 "[%lld/%lld batches, %lld s] inputs %lld, commands %lld, crashes %d, hangs %d, "
                 "sanitizer reports %d, broken rows %d, refused writes %d, integrity %d\n",
                 static_cast<long long>(done), static_cast<long long>(all),
                 static_cast<long long>(seconds), static_cast<long long>(totals.inputs),
                 static_cast<long long>(totals.commands), totals.crashes, totals.hangs,
                 totals.sanitizerReports, totals.brokenRows, totals.refusedWrites,
                 totals.integrityFailures);
}

int sweep(qint64 inputs, unsigned seed, int jobs) {
    QElapsedTimer clock;
    clock.start();
    const QList<Batch> batches = plan(inputs, seed);
    Totals totals;
    struct Running {
        Batch batch;
        std::unique_ptr<QProcess> process;
        QElapsedTimer since;
    };
    QList<std::shared_ptr<Running>> running;
    qsizetype next = 0;
    while (next < batches.size() || !running.isEmpty()) {
        while (next < batches.size() && running.size() < jobs) {
            auto r = std::make_shared<Running>(
                Running{batches[next++], std::make_unique<QProcess>(), QElapsedTimer()});
            r->process->start(QCoreApplication::applicationFilePath(), r->batch.arguments());
            r->since.start();
            running.append(r);
        }
        for (qsizetype i = 0; i < running.size(); ++i) {
            Running& r = *running[i];
            const bool finished = r.process->waitForFinished(50);
            const bool late = !finished && r.since.elapsed() > batchSeconds * 1000;
            if (!finished && !late) {
                continue;
            }
            if (late) {
                r.process->kill();
                r.process->waitForFinished();
            }
            readBatch(r.batch, *r.process, !late, totals);
            running.removeAt(i--);
            progress(totals, next - running.size(), batches.size(), clock.elapsed() / 1000);
        }
    }

    QTextStream out(stdout);
    out << "inputs: " << totals.inputs << " in " << batches.size() << " batches over windows 1 to "
        << windows << ", commands run: " << totals.commands << ", " << clock.elapsed() / 1000
        << " s\n"
        << "crashes: " << totals.crashes << "\n"
        << "hangs: " << totals.hangs << "\n"
        << "sanitizer reports: " << totals.sanitizerReports << "\n"
        << "rows that break the file's rules: " << totals.brokenRows << "\n"
        << "rows written by a refused action: " << totals.refusedWrites << "\n"
        << "integrity check failures: " << totals.integrityFailures << "\n"
        << "reference rows changed: " << totals.referenceChanges << "\n";
    for (const QString& finding : totals.findings) {
        out << "  " << finding << "\n";
    }
    out << "distinct messages shown: " << totals.messages.size() << "\n";
    for (auto it = totals.messages.cbegin(); it != totals.messages.cend(); ++it) {
        out << QStringLiteral("  %1x windows %2: %3\n")
                   .arg(it.value().count, 6)
                   .arg(it.value().windows.join(u','), shown(it.value().example));
    }
    out.flush();
    const bool clean = totals.crashes + totals.hangs + totals.sanitizerReports + totals.brokenRows +
                           totals.refusedWrites + totals.integrityFailures +
                           totals.referenceChanges ==
                       0;
    return clean && totals.inputs == inputs ? 0 : 1;
}

int usage() {
    std::fputs("usage: mirtal-input-sweep INPUTS [SEED] [JOBS]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && QByteArray(argv[1]) == "--batch") {
        QApplication qt(argc, argv);
        BatchSettings settings;
        settings.window = mirtal::app::WindowId{std::atoi(argv[2])};
        settings.inputs = std::atoi(argv[3]);
        settings.seed = static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10));
        QTextStream out(stdout);
        return runBatch(settings, out) ? 0 : 3;
    }
    if (argc < 2 || argc > 4) {
        return usage();
    }
    QCoreApplication qt(argc, argv);
    const qint64 inputs = std::atoll(argv[1]);
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    const int jobs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;
    if (inputs <= 0) {
        return usage();
    }
    return sweep(inputs, seed, jobs);
}
