// Whole-program timings: the program started, every window opened and every report drawn,
// on four users with twenty years each and on the same four users with one week, side by side.
//
//   mirtal-timings [RUNS]
//
// Start is a fresh process each time (mirtal_startup, ended when the user window is on
// screen); the windows and reports run in a second process on each file, which reports its
// own peak resident memory. Each step is the median of RUNS runs (5 when not given), as time
// on the clock and as processor time, which a busy machine does not inflate.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRadioButton>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "DataGenerator.h"
#include "Windows.h"
#include "app/Application.h"
#include "app/WindowTable.h"
#include "reports/frmReportMeal.h"
#include "widgets/CommandLabel.h"
#include "windows/BenchProgram.h"

namespace {

using namespace mirtal;

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// A step's time on the clock and the processor time the program spent on it: on a machine
// that other work keeps busy the first grows, the second stays what the step costs.
struct Times {
    double wall = 0;
    double cpu = 0;
};

double processorMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class StepTimer {
  public:
    StepTimer() : cpu_(processorMilliseconds()) { wall_.start(); }
    void stop(std::vector<double>& wall, std::vector<double>& cpu) const {
        wall.push_back(static_cast<double>(wall_.nsecsElapsed()) / 1e6);
        cpu.push_back(processorMilliseconds() - cpu_);
    }

  private:
    QElapsedTimer wall_;
    double cpu_;
};

// ---- Process that opens the windows and draws the reports ---------------------------------

// What the event loop does after a click: lays out and paints what changed, and deletes what
// the handler left for deletion.
void settle() {
    QApplication::processEvents();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void closeAll(app::WindowSwitcher& switcher) {
    for (const app::WindowRow& row : app::windowTable()) {
        switcher.closeWindow(row.id);
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct ReportChoice {
    const char* name;
    const char* view;
    std::vector<const char*> ticked;
};

// Each report with every series a user can tick for it.
const ReportChoice reportChoices[] = {
    {"total meal", "LblViewTMeal", {"ChkMeal", "ChkBonus", "ChkTotal"}},
    {"meals by criterion",
     "LblView",
     {"Check1", "Check2", "Check3", "Check4", "Check5", "Option1"}},
    {"pulse", "LblViewOthers", {"OptPulse"}},
    {"weight", "LblViewOthers", {"OptWeight"}},
    {"morale", "LblViewOthers", {"OptMorale"}},
    {"snacking", "LblViewOthers", {"OptSnack"}},
    {"water", "LblViewOthers", {"OptWater"}},
    {"exercise", "LblViewExercise", {}},
};

// A figure of /proc/self/status: VmHWM, the peak resident memory, or VmRSS, the present one.
qint64 statusKiB(const QByteArray& field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return 0;
}

qint64 residentKiB() {
    return statusKiB("VmRSS:");
}

int measureWindows(const QString& folder, int runs) {
    QTextStream out(stdout);
    bench::SilentMessages messages;
    bench::NoLinks links;
    app::Application program(folder, messages, links);
    registerWindows(program.switcher());
    if (!program.start()) {
        return 1;
    }
    app::WindowSwitcher& switcher = program.switcher();
    program.session().setCurrentUserId(1);
    switcher.closeWindow(app::WindowId::User);
    switcher.showStartWindow();
    closeAll(switcher);

    for (const app::WindowRow& row : app::windowTable()) {
        std::vector<double> wall;
        std::vector<double> cpu;
        for (int run = 0; run < runs; ++run) {
            const StepTimer timer;
            switcher.openWindow(row.id);
            bench::paintOnce(switcher.loadedWindow(row.id));
            timer.stop(wall, cpu);
            closeAll(switcher);
        }
        out << "open window " << app::windowNumber(row.id) << '\t' << median(wall) << '\t'
            << median(cpu) << '\t' << residentKiB() << '\n';
    }

    for (const ReportChoice& choice : reportChoices) {
        for (const bool bars : {false, true}) {
            switcher.openWindow(app::WindowId::Reports);
            auto* window = qobject_cast<reports::frmReportMeal*>(
                switcher.loadedWindow(app::WindowId::Reports));
            bench::paintOnce(window);
            for (const char* name : choice.ticked) {
                window->findChild<QAbstractButton*>(QLatin1String(name))->setChecked(true);
            }
            window
                ->findChild<QRadioButton*>(bars ? QStringLiteral("OptBarChart")
                                                : QStringLiteral("OptLineChart"))
                ->setChecked(true);
            auto* view = window->findChild<widgets::CommandLabel*>(QLatin1String(choice.view));
            std::vector<double> wall;
            std::vector<double> cpu;
            for (int run = 0; run < runs; ++run) {
                const StepTimer timer;
                emit view->clicked();
                settle();
                timer.stop(wall, cpu);
            }
            out << "VIEW " << choice.name << (bars ? ", bars" : ", lines") << '\t' << median(wall)
                << '\t' << median(cpu) << '\t' << residentKiB() << '\n';
            closeAll(switcher);
        }
    }
    out << "peak\t" << statusKiB("VmHWM:") << '\n';
    return 0;
}

// ---- The driver ---------------------------------------------------------------------------

struct Start {
    Times times;
    long peakKiB = 0;
};

double milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

// One fresh start of the program on the folder, timed from fork to its end, which comes once
// the user window has been exposed and painted.
Start startOnce(const QString& folder) {
    const QByteArray probe = MIRTAL_STARTUP_PROBE;
    const QByteArray where = folder.toLocal8Bit();
    QElapsedTimer timer;
    timer.start();
    const pid_t child = fork();
    if (child == 0) {
        execl(probe.constData(), probe.constData(), where.constData(), nullptr);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Start start{{static_cast<double>(timer.nsecsElapsed()) / 1e6,
                 milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime)},
                usage.ru_maxrss};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        start.times = {-1, -1};
    }
    return start;
}

struct Step {
    QString name;
    Times times;
    qint64 residentKiB = 0;  // after the step
};

struct Figures {
    int days = 0;
    QList<Step> steps;
    qint64 startPeakKiB = 0;
    qint64 peakKiB = 0;
};

Figures measure(const bench::GeneratorSettings& settings, int runs) {
    Figures figures;
    const bench::GeneratedDatabase data(settings);
    figures.days = static_cast<int>(data.data().firstDay.daysTo(data.data().lastDay)) + 1;
    startOnce(data.directory());  // the file cache warmed once, as a second start finds it
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        const Start start = startOnce(data.directory());
        wall.push_back(start.times.wall);
        cpu.push_back(start.times.cpu);
        figures.startPeakKiB = std::max<qint64>(figures.startPeakKiB, start.peakKiB);
    }
    figures.steps.append(
        {QStringLiteral("start to the user window"), {median(wall), median(cpu)}, 0});

    QProcess windows;
    windows.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--windows"), data.directory(), QString::number(runs)});
    windows.waitForFinished(-1);
    for (const QByteArray& line : windows.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split('\t');
        if (parts.size() == 2 && parts[0] == "peak") {
            figures.peakKiB = parts[1].toLongLong();
        } else if (parts.size() == 4) {
            figures.steps.append({QString::fromUtf8(parts[0]),
                                  {parts[1].toDouble(), parts[2].toDouble()},
                                  parts[3].toLongLong()});
        }
    }
    if (windows.exitCode() != 0) {
        std::fputs(windows.readAllStandardError().constData(), stderr);
    }
    return figures;
}

QString goalOf(const QString& step) {
    if (step.startsWith(QStringLiteral("start"))) {
        return QStringLiteral("<= 80 ms, <= 3x");
    }
    if (step.startsWith(QStringLiteral("open"))) {
        return QStringLiteral("<= 100 ms, <= 3x");
    }
    if (step.contains(QStringLiteral("bars"))) {
        return QStringLiteral("<= 250 ms, growth <= days");
    }
    return QStringLiteral("<= 100 ms, growth <= days");
}

int drive(int runs) {
    bench::GeneratorSettings week;
    week.days = 7;
    const Figures small = measure(week, runs);
    const Figures large = measure(bench::GeneratorSettings{}, runs);

    QTextStream out(stdout);
    out << QStringLiteral(
               "4 users; %1 days against %2 days (x%3); median of %4 runs; each step as "
               "time on the clock / processor time, in ms; RSS after the step in MB\n")
               .arg(small.days)
               .arg(large.days)
               .arg(static_cast<double>(large.days) / small.days, 0, 'f', 0)
               .arg(runs);
    const auto row = [&out](const QString& step, const QString& a, const QString& b,
                            const QString& ratio, const QString& rss, const QString& goal) {
        out << QStringLiteral("%1 %2 %3 %4 %5  %6\n")
                   .arg(step, -34)
                   .arg(a, 15)
                   .arg(b, 15)
                   .arg(ratio, 11)
                   .arg(rss, 11)
                   .arg(goal);
    };
    const auto pair = [](const Times& t) {
        return QStringLiteral("%1 / %2").arg(t.wall, 0, 'f', 1).arg(t.cpu, 0, 'f', 1);
    };
    const auto mib = [](qint64 kib) { return QString::number(kib / 1024.0, 'f', 1); };
    row(QStringLiteral("step"), QStringLiteral("one week"), QStringLiteral("20 years"),
        QStringLiteral("ratio"), QStringLiteral("RSS"), QStringLiteral("goal"));
    for (qsizetype i = 0; i < large.steps.size() && i < small.steps.size(); ++i) {
        const Step& a = small.steps[i];
        const Step& b = large.steps[i];
        const auto ratio = [](double x, double y) {
            return x > 0 ? QString::number(y / x, 'f', 1) : QStringLiteral("-");
        };
        row(b.name, pair(a.times), pair(b.times),
            ratio(a.times.wall, b.times.wall) + QStringLiteral("/") +
                ratio(a.times.cpu, b.times.cpu),
            b.residentKiB ? mib(a.residentKiB) + QStringLiteral("/") + mib(b.residentKiB)
                          : QString(),
            goalOf(b.name));
    }
    row(QStringLiteral("peak RSS of a start, MB"), mib(small.startPeakKiB), mib(large.startPeakKiB),
        QString(), QString(), QStringLiteral("<= 80 MB"));
    row(QStringLiteral("peak RSS, all windows+reports, MB"), mib(small.peakKiB), mib(large.peakKiB),
        QString(), QString(), QStringLiteral("<= 80 MB"));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (argc == 4 && QByteArray(argv[1]) == "--windows") {
        QApplication qt(argc, argv);
        return measureWindows(QString::fromLocal8Bit(argv[2]), std::max(1, std::atoi(argv[3])));
    }
    QCoreApplication qt(argc, argv);
    return drive(argc > 1 ? std::max(1, std::atoi(argv[1])) : 5);
}
