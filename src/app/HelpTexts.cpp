#include "app/HelpTexts.h"

#include <QStringList>

#include <initializer_list>

#include "app/WindowTable.h"

namespace mirtal::app {

using namespace Qt::StringLiterals;

namespace {

// One item per line of the text, in order; an empty item is an empty line. Each list starts
// with one, because every help text opens with an empty line.
QString lines(std::initializer_list<QString> items) {
    return QStringList(items).join(u"\r\n"_s);
}

// Some long lines hold a run of blanks in the middle. The run is part of the text, and writing
// it as a count keeps the count readable.
QString blanks(qsizetype count) {
    return QString(count, u' ');
}

}  // namespace

// The blank before the colon of "because :" and "IMPORTANT :" and before the "!" of "fitter !"
// is a no-break space (\u00A0), so the sign never wraps onto a line of its own.

QString targetValuesText() {
    return lines({
        u""_s,
        u"This form is meant for you to set goals. The application tracks two values that show "
        u"how your efforts are paying off: your weight and your resting pulse. Your weight speaks "
        u"for itself, but your pulse is worth watching closely, because\u00A0:"_s,
        u""_s,
        u""_s,
        u"-"_s + blanks(3) +
            u"An increasing pulse reveals that your heart is tired. It requires more effort"_s +
            blanks(22) + u"(heartbeats) to do its job.  This means you need to slow down."_s,
        u"-"_s + blanks(3) +
            u"A decreasing pulse shows that your heart is growing stronger. This means that you"_s +
            blanks(10) + u"are growing fitter\u00A0!"_s,
        u""_s,
        u"IMPORTANT\u00A0:  Strenuous exercise is not for everyone! If you have any doubt "
        u"whatsoever concerning your aptitude, I urge you to see a qualified physician to discuss "
        u"your fitness plans."_s,
        u""_s,
        u"1.  Select a Start date. Default value is today, but you may choose a later date if you "
        u"wish. The reports use this date too: they start from it unless you pick another one."_s,
        u""_s,
        u"2.  Select a target date. This is the date that you would like to see your weight and "
        u"pulse goals become a reality."_s,
        u""_s,
        u"3.  Set a target pulse value. Measure your resting pulse first: sit down and relax for a "
        u"few minutes, then find the beat on your wrist or on the side of your neck. Count the "
        u"beats for fifteen seconds and multiply the number by four; that is your heart rate per "
        u"minute. Set your current rate, or one slightly lower, as your target: your pulse comes "
        u"down slowly as you grow fitter. Take your time!"_s,
        u""_s,
        u"4.  Set a target weight value."_s,
        u""_s,
        u"Enter the required values and click SUBMIT."_s,
        u""_s,
        u""_s,
        u"Note that target values can be changed at any time. To do this,"_s,
        u""_s,
        u"1.  Enter the new values."_s,
        u"2.  Click on UPDATE."_s,
        u"3.  Double click on the data in the data table."_s,
        u"4.  Confirm removal."_s,
        u"5.  Enter the new values and SUBMIT."_s,
        u""_s,
        u"You can also click once on the data in the table, enter the new values and click "
        u"UPDATE."_s,
    });
}

QString addExerciseText() {
    return lines({
        u""_s,
        u"IMPORTANT:  Strenuous exercise is not for everyone! If you have any doubt whatsoever "
        u"concerning your aptitude, I urge you to see a qualified physician to discuss your "
        u"fitness plans."_s,
        u""_s,
        u"This form is meant for you to design your own exercises. Each exercise earns you points "
        u"on every day you carry it out, and you decide how many by choosing its difficulty: the "
        u"harder it is for you, the more it is worth."_s,
        u""_s,
        u"1.  Enter the exercise name."_s,
        u"2.  Select a difficulty level (light, moderate, difficult)."_s,
        u"3.  Enter a more detailed description (optional)."_s,
        u"4.  Click on SUBMIT (bottom right)."_s,
        u""_s,
        u"You can later UPDATE your exercises. As you grow fitter, you may want to make an "
        u"exercise harder, for example by going from 10 push-ups to 20, or from a 20-minute walk "
        u"to a 40-minute one. Or an exercise that used to be difficult may now feel easy, and you "
        u"can move it to an easier list, from difficult to moderate for instance."_s,
        u""_s,
        u"1.  Select an exercise from the table."_s,
        u"2.  Apply changes directly in the fields above."_s,
        u"3.  Click on UPDATE."_s,
        u""_s,
        u"You can also REMOVE an exercise from the table. Note that removing exercises will alter "
        u"the reports as the application will no longer include points previously earned from "
        u"deleted exercises."_s,
        u""_s,
        u"1.  Double click on an exercise in the data table."_s,
        u"2.  Confirm removal."_s,
        u"Or "_s,
        u"1.  Select an exercise in the table."_s,
        u"2.  Click on REMOVE."_s,
        u"3.  Confirm."_s,
        u""_s,
        u"Light exercises earn you one point. Moderate ones earn you three points. Difficult "
        u"exercises earn you five."_s,
        u""_s,
        u"Don’t worry about making your exercises completely coherent from one level to the "
        u"next. There is no need to work out exact proportions between the levels, such as how "
        u"many sit-ups are worth one run. Simply use your own judgement and put each exercise "
        u"where it feels right to you."_s,
        u""_s,
        u"TIP:  Think about adding STRETCHING exercises to the list. A few minutes of stretching "
        u"before and after a workout warm up your muscles, keep you supple and help prevent "
        u"injuries and soreness."_s,
    });
}

QString dailyExerciseText() {
    return lines({
        u""_s,
        u"You will be filling out this form daily. In just seconds!"_s,
        u""_s,
        u"1.  Select Date. Note that the default setting is today’s date, so you will only need "
        u"to do"_s +
            blanks(9) + u"this if you’re entering data for previous days."_s,
        u"2.  Click on the first exercise you’ve done today."_s,
        u"3.  Enter the number of times you’ve done this exercise today."_s,
        u"4.  Click on SUBMIT."_s,
        u"5.  Repeat this process for each exercise you’ve done today."_s,
        u"6.  If you haven't worked out that day, simply click on 'Did not Work Out' and move "
        u"on."_s +
            blanks(9) +
            u"You will score -1 that day, just so that the rest days stand out in the report "
            u"form."_s,
        u""_s,
        u"To correct an entry, you need to remove it and enter it again. To do this:"_s,
        u""_s,
        u"1.  Double click on the corresponding data in the table."_s,
        u"2.  Confirm removal."_s,
        u""_s,
        u"Just remember:"_s,
        u""_s,
        u"IMPORTANT: Strenuous exercise is not for everyone! If you have any doubt whatsoever "
        u"concerning your aptitude, I urge you to see a physician to discuss your fitness "
        u"plans."_s,
    });
}

QString progressLogText() {
    return lines({
        u""_s,
        u"Record your day’s progress each day!  This is the third form you will need to fill out "
        u"each day, but it takes just seconds."_s,
        u""_s,
        u"1.  Select Date.  Note that the default setting is today’s date, so you will only need "
        u"to do"_s +
            blanks(8) + u"this if you’re entering data for previous days."_s,
        u"2.  Check your pulse (make sure you are relaxed) and enter it."_s,
        u"3.  Step on the scale, then record your weight."_s,
        u"4.  Select today’s morale, or general mood.  Morale is very important! Overdoing it "
        u"will"_s +
            blanks(10) +
            u"not only increase your pulse and weaken you. It may also make you feel depressed."_s +
            blanks(8) +
            u"On the other hand, good eating habits and reasonable exercise should make you feel"_s +
            blanks(7) + u"great!"_s,
        u"5.  Click on SUBMIT."_s,
        u""_s,
        u"To correct an entry, you need to double click on the corresponding data in the table. "
        u"Confirm and it will be removed. You can then enter it again."_s,
    });
}

QString mealEvaluationText() {
    return lines({
        u""_s,
        u"This is the second form you will be filling out each day. Don’t let the number of lists "
        u"put you off: once you are used to it, evaluating a meal takes less than a minute."_s,
        u""_s,
        u"1.  Select Date. Note that the default setting is today’s date, so you will only need "
        u"to do"_s +
            blanks(9) + u"this if you’re entering data for previous days."_s,
        u"2.  Click on the BREAKFAST radio button."_s,
        u"3.  If you have not eaten breakfast, click on the “I did not eat” checkbox. This will "
        u"cost"_s +
            blanks(9) + u"you 8 points!"_s,
        u""_s,
        u"Note:  The reason not eating costs points is the way your body reacts. When you skip a "
        u"meal, your body takes it as a sign that food is getting scarce: it slows down and holds "
        u"on to its reserves. You also get hungrier, which makes it much harder to resist snacks "
        u"or a far too big next meal. Regular meals keep your energy steady and your appetite "
        u"under control."_s,
        u""_s,
        u"4.  Otherwise, evaluate your fat intake."_s,
        u"5.  Evaluate your fast sugar (sugar, white bread…) intake."_s,
        u"6.  Evaluate your fiber intake."_s,
        u"7.  Evaluate your overall quantity."_s,
        u"8.  Evaluate your 'Positive Foods' intake.  A word on that at the end of this page."_s,
        u"9.  Check the appropriate bonus boxes."_s,
        u"10.  Click on SUBMIT and repeat for lunch and dinner."_s,
        u"11. Evaluate your snacking for today."_s,
        u"12. Don't forget about WATER! Your body needs plenty of it to work well: water helps "
        u"digestion, carries nutrients to where they are needed and helps you recover after "
        u"exercise. It also keeps you from mistaking thirst for hunger. Drink several glasses "
        u"spread over the day."_s,
        u""_s,
        u"To correct an entry, you need to double click on the corresponding data in the table. "
        u"Confirm and it will be removed. You can then enter it again."_s,
        u""_s,
        u"Each entry earns or costs you points according to how well you’ve done."_s,
        u""_s,
        u"You’ll also find a link called positive foods to a website that sells an e-book on "
        u"dieting. Please note that this is a paid recommendation: I earn a commission if you buy "
        u"the book. I recommend it all the same, because it explains what Positive Foods are: the "
        u"foods that help your body work well and keep you satisfied, so that you can eat better "
        u"without counting every calorie."_s,
        u""_s,
        u"Coming Soon!"_s,
        u"I may be done with it by the time you read this: a workout guide to go with the diet "
        u"plan, which everyone who buys the plan will receive as a free bonus."_s,
    });
}

QString reportsText() {
    return lines({
        u""_s,
        u"This form is there to show you how you’ve been doing in the past days, weeks or "
        u"months."_s,
        u""_s,
        u"Select a start date and end date. Every report covers the days between the two, both "
        u"included. When the form opens, they are set to the start date and the target date you "
        u"entered in the target values form, so you see your whole plan at a glance."_s,
        u""_s,
        u"Chart Type:"_s,
        u"Click to choose either a line graph or bar graph for your reports."_s,
        u""_s,
        u"Meal Section:"_s,
        u"The options in this section cover the meal evaluation data. Where the Total Meal "
        u"section sums up each day in a few broad figures, this section goes into the details: it "
        u"shows the scores of each criterion you rated, either for one meal (breakfast, lunch or "
        u"dinner) or for all the meals of the day (Total)."_s,
        u""_s,
        u"The other options allow you to focus on specific dieting principles: tick Fat Intake, "
        u"Fast Sugar, Fiber, Quantity or Positive Foods to see how well you have kept to each of "
        u"them over time. Tick several boxes to compare them on one chart."_s,
        u""_s,
        u"Others:"_s,
        u"Pulse, weight, morale and snacking reports."_s,
        u"The first three are meant to track the results of your efforts. Pulse and weight are "
        u"drawn next to your target values. If your pulse starts to rise or your morale keeps "
        u"falling, take it as a sign that you are overdoing it: slow down and give your body time "
        u"to recover."_s,
        u""_s,
        u"While snacking rightfully belongs in the Meal section, it is scored once a day rather "
        u"than meal by meal, so its report sits here with the other daily measurements."_s,
        u""_s,
        u"You'll also find that you can track your performance concerning drinking water. Choose "
        u"Water to see your daily water score and make sure you keep drinking enough, day after "
        u"day."_s,
        u""_s,
        u"Exercise:"_s,
        u"This report gives you the total number of exercise points earned each day, according "
        u"to the amount of exercises accomplished and the difficulty thereof."_s,
        u""_s,
        u"Total Meal:"_s,
        u"This report gives you direct access to broad figures."_s,
        u""_s,
        u"Meal:"_s,
        u"Total points earned each day from the pull down selections."_s,
        u""_s,
        u"Bonus:"_s,
        u"Total points earned each day from the bonus checkboxes."_s,
        u""_s,
        u"Total:"_s,
        u"Meal + Bonus"_s,
    });
}

HelpText helpText(WindowId window) {
    for (const WindowRow& row : windowTable()) {
        if (row.id == window && row.helpText) {
            return {QLatin1String(row.helpTitle), row.helpText()};
        }
    }
    return {};
}

}  // namespace mirtal::app
