#include "KilledRun.h"

#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace mirtal::crashloop {

void runAndKill(const QString& program, const QStringList& arguments, qint64 killAfterMs,
                const std::function<void(const QByteArray&)>& takeLine) {
    int out[2];
    if (pipe(out) != 0) {
        std::perror("pipe");
        std::exit(2);
    }
    std::vector<QByteArray> texts{program.toLocal8Bit()};
    for (const QString& argument : arguments) {
        texts.push_back(argument.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (QByteArray& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    QByteArray buffer;
    QElapsedTimer clock;
    clock.start();
    bool killed = false;
    for (;;) {
        const qint64 left = killAfterMs - clock.elapsed();
        if (!killed && left <= 0) {
            kill(child, SIGKILL);
            killed = true;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(out[0], &readable);
        timeval wait{0,
                     killed ? 100000 : static_cast<suseconds_t>(std::max<qint64>(left, 1) * 1000)};
        if (select(out[0] + 1, &readable, nullptr, nullptr, &wait) <= 0) {
            continue;
        }
        char chunk[4096];
        const ssize_t n = read(out[0], chunk, sizeof chunk);
        if (n <= 0) {
            break;  // the program is gone and everything it wrote has been read
        }
        buffer.append(chunk, n);
        for (qsizetype end; (end = buffer.indexOf('\n')) >= 0; buffer.remove(0, end + 1)) {
            takeLine(buffer.left(end));
        }
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFSIGNALED(status)) {
        std::fprintf(stderr, "%s ended by itself (status %d) before it was killed\n",
                     qPrintable(program), status);
        std::exit(2);
    }
}

}  // namespace mirtal::crashloop
