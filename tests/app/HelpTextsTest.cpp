#include "app/HelpTexts.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace mirtal::app {
namespace {

using namespace Qt::StringLiterals;

// Non-ASCII characters are written by code point, so that the expectations do not depend on how
// this file's own bytes are decoded.

QStringList linesOf(const QString& text) {
    return text.split(u"\r\n"_s);
}

QString blanks(int count) {
    return QString(count, u' ');
}

const QString noBreakSpace{QChar(0xA0)};

struct WindowHelp {
    WindowId window;
    const char* title;
    int lineCount;
};

TEST(HelpTexts, EachDataWindowHasItsTitleAndALineBrokenTextOpeningWithAnEmptyLine) {
    const WindowHelp cases[] = {
        {WindowId::ExerciseCatalogue, "ADD EXERCISE", 30},
        {WindowId::DailyExercise, "DAILY EXERCISE", 18},
        {WindowId::ProgressLog, "PROGRESS LOG", 10},
        {WindowId::MealEvaluation, "MEAL EVALUATION", 27},
        {WindowId::TargetValues, "TARGET VALUES", 29},
        {WindowId::Reports, "REPORTS", 35},
    };
    for (const WindowHelp& c : cases) {
        SCOPED_TRACE(c.title);
        const HelpText help = helpText(c.window);
        EXPECT_EQ(help.title.toStdString(), c.title);
        EXPECT_TRUE(help.text.startsWith(u"\r\n"_s));
        const QStringList lines = linesOf(help.text);
        EXPECT_EQ(lines.size(), c.lineCount);
        for (const QString& line : lines) {
            EXPECT_FALSE(line.contains(u'\r') || line.contains(u'\n')) << line.toStdString();
        }
    }
}

TEST(HelpTexts, TheUserWindowAndUnknownNumbersHaveNoHelpText) {
    for (int number : {0, 1, 8}) {
        const HelpText help = helpText(WindowId{number});
        EXPECT_TRUE(help.title.isEmpty()) << number;
        EXPECT_TRUE(help.text.isEmpty()) << number;
    }
}

struct ExactLine {
    WindowId window;
    int line;  // 0 is the empty line every text opens with
    QString expected;
};

TEST(HelpTexts, LinesWithRunsOfBlanksAndSpecialCharactersAreExact) {
    const ExactLine cases[] = {
        {WindowId::TargetValues, 4,
         u"-"_s + blanks(3) +
             u"An increasing pulse reveals that your heart is tired. It requires more effort"_s +
             blanks(22) + u"(heartbeats) to do its job.  This means you need to slow down."_s},
        {WindowId::TargetValues, 5,
         u"-"_s + blanks(3) +
             u"A decreasing pulse shows that your heart is growing stronger. This means that you"_s +
             blanks(10) + u"are growing fitter"_s + noBreakSpace + u"!"_s},
        {WindowId::TargetValues, 7,
         u"IMPORTANT"_s + noBreakSpace +
             u":  Strenuous exercise is not for everyone! If you have any doubt whatsoever "
             u"concerning your aptitude, I urge you to see a qualified physician to discuss your "
             u"fitness plans."_s},
        {WindowId::ExerciseCatalogue, 20, u"Or "_s},
        {WindowId::DailyExercise, 3,
         u"1.  Select Date. Note that the default setting is today\u2019s date, "
         u"so you will only need to do"_s +
             blanks(9) + u"this if you\u2019re entering data for previous days."_s},
        {WindowId::DailyExercise, 8,
         u"6.  If you haven't worked out that day, "
         u"simply click on 'Did not Work Out' and move on."_s +
             blanks(9) +
             u"You will score -1 that day, just so that the rest days stand out in the report "
             u"form."_s},
        {WindowId::ProgressLog, 3,
         u"1.  Select Date.  Note that the default setting is today\u2019s date, "
         u"so you will only need to do"_s +
             blanks(8) + u"this if you\u2019re entering data for previous days."_s},
        {WindowId::ProgressLog, 6,
         u"4.  Select today\u2019s morale, or general mood.  "
         u"Morale is very important! Overdoing it will"_s +
             blanks(10) +
             u"not only increase your pulse and weaken you. It may also make you feel depressed."_s +
             blanks(8) +
             u"On the other hand, good eating habits and reasonable exercise should make you feel"_s +
             blanks(7) + u"great!"_s},
        {WindowId::MealEvaluation, 5,
         u"3.  If you have not eaten breakfast, "
         u"click on the \u201CI did not eat\u201D checkbox. This will cost"_s +
             blanks(9) + u"you 8 points!"_s},
        {WindowId::MealEvaluation, 10,
         u"5.  Evaluate your fast sugar (sugar, white bread\u2026) intake."_s},
    };
    for (const ExactLine& c : cases) {
        const QStringList lines = linesOf(helpText(c.window).text);
        ASSERT_LT(c.line, lines.size()) << "window " << windowNumber(c.window);
        EXPECT_EQ(lines[c.line].toStdString(), c.expected.toStdString())
            << "window " << windowNumber(c.window) << ", line " << c.line;
    }
}

struct Paragraph {
    WindowId window;
    int line;
    QString opening;
    QString closing;  // empty when only the opening is fixed
};

TEST(HelpTexts, WrittenParagraphsKeepTheirOpeningAndClosingWords) {
    const Paragraph cases[] = {
        {WindowId::TargetValues, 1, u"This form is meant for you to set goals."_s,
         u"because"_s + noBreakSpace + u":"_s},
        {WindowId::TargetValues, 13, u"3.  Set a target pulse value."_s, u"Take your time!"_s},
        {WindowId::ExerciseCatalogue,
         27,
         u"Don\u2019t worry about making your exercises completely coherent"_s,
         {}},
        {WindowId::MealEvaluation, 17, u"12. Don't forget about WATER!"_s, {}},
        {WindowId::MealEvaluation, 26, u"I may be done with it by the time you read this"_s, {}},
        {WindowId::Reports, 3, u"Select a start date and end date."_s, {}},
    };
    for (const Paragraph& c : cases) {
        const QStringList lines = linesOf(helpText(c.window).text);
        ASSERT_LT(c.line, lines.size()) << "window " << windowNumber(c.window);
        const QString& line = lines[c.line];
        EXPECT_TRUE(line.startsWith(c.opening) && line.endsWith(c.closing))
            << "window " << windowNumber(c.window) << ", line " << c.line << ": "
            << line.toStdString();
    }
}

}  // namespace
}  // namespace mirtal::app
