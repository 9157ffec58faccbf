#include <QLabel>
#include <QList>
#include <QPointer>
#include <QTest>

#include "app/NavigationLabels.h"
#include "widgets/CommandLabel.h"
#include "widgets/NavigationBar.h"
#include "widgets/ShownWindow.h"

namespace mirtal::app {
namespace {

using widgets::CommandLabel;
using widgets::NavigationBar;

struct Window {
    WindowId id;
    // The shape behind each bar label, in bar order; "" where the window has no such label.
    QList<const char*> shapes;
};

const QStringList barLabels{"LblUser",       "LblProfile", "LblAddExercise", "LblExercise",
                            "LblDailyInput", "LblMeal",    "LblReport"};

const QList<Window> windows{
    {WindowId::ExerciseCatalogue, {"Shape1", "Shape2", "", "Shape3", "Shape4", "Shape5", "Shape6"}},
    {WindowId::DailyExercise, {"Shape1", "Shape2", "Shape3", "", "Shape4", "Shape5", "Shape6"}},
    {WindowId::ProgressLog, {"Shape1", "Shape2", "Shape3", "Shape4", "", "Shape5", "Shape6"}},
    {WindowId::MealEvaluation, {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "", "Shape6"}},
    {WindowId::TargetValues,
     {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "Shape6", "Shape7"}},
    {WindowId::Reports, {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "Shape6", ""}},
};

class Bar : public widgets::ShownWindow {
  protected:
    NavigationBar* build(WindowId own) {
        return new NavigationBar(
            &window, navigationLabels(
                         own, [this](WindowId id) { opened << id; }, [this] { ++closed; }));
    }

    QList<WindowId> opened;
    int closed = 0;
};

TEST_F(Bar, EachWindowCarriesTheOtherWindowsLabelsOverNumberedShapes) {
    for (const Window& w : windows) {
        SCOPED_TRACE(windowRow(w.id).objectName);
        QWidget form;
        NavigationBar bar(&form, navigationLabels(
                                     w.id, [](WindowId) {}, [] {}));
        QStringList expectedLabels;
        for (int i = 0; i < barLabels.size(); ++i) {
            auto* label = form.findChild<QLabel*>(barLabels[i]);
            if (QString(w.shapes[i]).isEmpty()) {
                EXPECT_EQ(label, nullptr) << barLabels[i].toStdString();
                continue;
            }
            expectedLabels << barLabels[i];
            auto* command = qobject_cast<CommandLabel*>(label);
            ASSERT_NE(command, nullptr) << barLabels[i].toStdString();
            ASSERT_NE(command->shape(), nullptr);
            EXPECT_EQ(command->shape()->objectName(), QString(w.shapes[i]));
            EXPECT_EQ(command->shape()->parentWidget(), &form);
        }
        QStringList barOrder;
        for (const CommandLabel* label : bar.labels()) {
            barOrder << label->objectName();
        }
        EXPECT_EQ(barOrder, expectedLabels);
    }
}

TEST_F(Bar, CaptionsAreWrittenAsTheUserKnowsThem) {
    build(WindowId::TargetValues);
    const QStringList captions{
        "&USER",         "&START",           "&ADD EXCERCISE", "&DAILY EXCERCISE",
        "&PROGRESS LOG", "&MEAL EVALUATION", "&REPORT"};
    for (int i = 0; i < barLabels.size(); ++i) {
        EXPECT_EQ(window.findChild<QLabel*>(barLabels[i])->text(), captions[i]);
    }
}

TEST_F(Bar, LabelsOpenTheirWindowAndStartClosesItsOwn) {
    NavigationBar* bar = build(WindowId::TargetValues);
    show();
    for (CommandLabel* label : bar->labels()) {
        QTest::mouseClick(label, Qt::LeftButton);
    }
    EXPECT_EQ(opened, QList<WindowId>({WindowId::User, WindowId::ExerciseCatalogue,
                                       WindowId::DailyExercise, WindowId::ProgressLog,
                                       WindowId::MealEvaluation, WindowId::Reports}));
    EXPECT_EQ(closed, 1);

    // By access key too.
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(opened.last(), WindowId::Reports);
    EXPECT_EQ(closed, 2);
}

TEST_F(Bar, AClickMayUnloadTheWindowThatCarriesTheBar) {
    show();
    for (const char* name : {"LblProfile", "LblMeal"}) {
        SCOPED_TRACE(name);
        QPointer<QWidget> form = new QWidget(&window);
        form->resize(600, 100);
        const auto unload = [&form] { delete form.data(); };
        new NavigationBar(form, navigationLabels(
                                    WindowId::DailyExercise, [&](WindowId) { unload(); }, unload));
        form->show();
        QTest::mouseClick(form->findChild<QLabel*>(QLatin1String(name)), Qt::LeftButton);
        EXPECT_TRUE(form.isNull());
    }
}

}  // namespace
}  // namespace mirtal::app
