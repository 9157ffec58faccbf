// Runs every file of the folders given through the fuzzer's statement check, built with the
// ordinary compiler: the test suite's short run of the fuzzing corpus. Each seed also goes
// through cut short at every length, which reaches the unclosed literals, half statements
// and stray tails that a typing slip or a damaged text would give.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "fuzz/StatementCheck.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: mirtal-statement-replay CORPUS_FOLDER...\n");
        return 2;
    }
    mirtal::fuzz::StatementCheck check;
    int files = 0;
    long runs = 0;
    for (int a = 1; a < argc; ++a) {
        const QDir folder(QString::fromLocal8Bit(argv[a]));
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "%s cannot be read\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray seed = file.readAll();
            for (qsizetype length = seed.size(); length >= 0; --length) {
                check.check({seed.constData(), static_cast<std::size_t>(length)});
                ++runs;
            }
            ++files;
        }
    }
    if (files == 0) {
        std::fprintf(stderr, "no corpus files found\n");
        return 1;
    }
    std::printf("%d corpus files, %ld statement texts checked\n", files, runs);
    return 0;
}
