#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace mirtal {
namespace {

struct Output {
    int code = -1;
    QString out;
    QString err;
};

Output run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000)) {
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The manual page as `man` formats it: groff, with every warning on, has nothing to say.
TEST(ManualPage, RendersWithoutWarnings) {
    // -P-cbou: plain text, without the overstriking of bold and underlined words.
    const Output groff =
        run(QStringLiteral("groff"),
            {QStringLiteral("-ww"), QStringLiteral("-man"), QStringLiteral("-Tutf8"),
             QStringLiteral("-P-cbou"), QStringLiteral(MIRTAL_MANUAL_PAGE)});
    EXPECT_EQ(groff.code, 0);
    EXPECT_EQ(groff.err, QString());
    EXPECT_TRUE(groff.out.contains(QStringLiteral("EXIT STATUS")));
}

// Every option the program's help lists is described in the manual page, so that the two
// cannot drift apart when an option is added.
TEST(ManualPage, DescribesEveryOptionOfTheHelp) {
    const Output help = run(QStringLiteral(MIRTAL_PROGRAM), {QStringLiteral("--help")});
    ASSERT_EQ(help.code, 0) << help.err.toStdString();
    QFile page(QStringLiteral(MIRTAL_MANUAL_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    // The page's text without its font changes, with its escaped dashes as typed.
    const QString text = QString::fromUtf8(page.readAll())
                             .remove(QRegularExpression(QStringLiteral(R"(\\f[BIRP])")))
                             .replace(QStringLiteral("\\-"), QStringLiteral("-"));

    QStringList options;
    static const QRegularExpression optionLine(QStringLiteral(R"(^\s+-)"));
    static const QRegularExpression optionName(
        QStringLiteral(R"((?:^|[\s,])(--?[a-z][a-z0-9-]*))"));
    for (const QString& line : help.out.split(u'\n')) {
        if (!line.contains(optionLine)) {
            continue;
        }
        // The names stand left of the two blanks that begin the description.
        const QString names = line.trimmed().section(QStringLiteral("  "), 0, 0);
        for (const QRegularExpressionMatch& m : optionName.globalMatch(names)) {
            options << m.captured(1);
        }
    }
    ASSERT_TRUE(options.contains(QStringLiteral("--export-csv"))) << help.out.toStdString();
    for (const QString& option : options) {
        const QRegularExpression word(QStringLiteral("(^|[^A-Za-z0-9-])%1([^A-Za-z0-9-]|$)")
                                          .arg(QRegularExpression::escape(option)),
                                      QRegularExpression::MultilineOption);
        EXPECT_TRUE(text.contains(word)) << option.toStdString();
    }
}

}  // namespace
}  // namespace mirtal
