#include <QLabel>
#include <QList>
#include <QPointer>
#include <QTest>

#include "ShownWindow.h"
#include "widgets/CommandLabel.h"
#include "widgets/NavigationBar.h"

namespace mirtal::widgets {
namespace {

struct Window {
    int number;
    const char* name;
    // The shape behind each bar label, in bar order; "" where the window has no such label.
    QList<const char*> shapes;
};

const QStringList barLabels{"LblUser",       "LblProfile", "LblAddExercise", "LblExercise",
                            "LblDailyInput", "LblMeal",    "LblReport"};

const QList<Window> windows{
    {2, "Form2", {"Shape1", "Shape2", "", "Shape3", "Shape4", "Shape5", "Shape6"}},
    {3, "Form3", {"Shape1", "Shape2", "Shape3", "", "Shape4", "Shape5", "Shape6"}},
    {4, "Form4", {"Shape1", "Shape2", "Shape3", "Shape4", "", "Shape5", "Shape6"}},
    {5, "Form5", {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "", "Shape6"}},
    {6, "Form6", {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "Shape6", "Shape7"}},
    {7, "frmReportMeal", {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "Shape6", ""}},
};

class Bar : public ShownWindow {
  protected:
    NavigationBar* build(int windowNumber) {
        return new NavigationBar(
            &window, windowNumber, [this](int n) { opened << n; }, [this] { ++closed; });
    }

    QList<int> opened;
    int closed = 0;
};

TEST_F(Bar, EachWindowCarriesTheOtherWindowsLabelsOverNumberedShapes) {
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        QWidget form;
        NavigationBar bar(
            &form, w.number, [](int) {}, [] {});
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
    build(6);
    const QStringList captions{
        "&USER",         "&START",           "&ADD EXCERCISE", "&DAILY EXCERCISE",
        "&PROGRESS LOG", "&MEAL EVALUATION", "&REPORT"};
    for (int i = 0; i < barLabels.size(); ++i) {
        EXPECT_EQ(window.findChild<QLabel*>(barLabels[i])->text(), captions[i]);
    }
}

TEST_F(Bar, LabelsOpenTheirWindowAndStartClosesItsOwn) {
    NavigationBar* bar = build(6);
    show();
    for (CommandLabel* label : bar->labels()) {
        QTest::mouseClick(label, Qt::LeftButton);
    }
    EXPECT_EQ(opened, QList<int>({1, 2, 3, 4, 5, 7}));
    EXPECT_EQ(closed, 1);

    // By access key too.
    QTest::keyClick(&window, Qt::Key_R, Qt::AltModifier);
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(opened.last(), 7);
    EXPECT_EQ(closed, 2);
}

TEST_F(Bar, AClickMayUnloadTheWindowThatCarriesTheBar) {
    show();
    for (const char* name : {"LblProfile", "LblMeal"}) {
        SCOPED_TRACE(name);
        QPointer<QWidget> form = new QWidget(&window);
        form->resize(600, 100);
        const auto unload = [&form] { delete form.data(); };
        new NavigationBar(
            form, 3, [&](int) { unload(); }, unload);
        form->show();
        QTest::mouseClick(form->findChild<QLabel*>(QLatin1String(name)), Qt::LeftButton);
        EXPECT_TRUE(form.isNull());
    }
}

TEST_F(Bar, LabelsLieInOneRowThatFitsTheirCaptions) {
    NavigationBar* bar = build(2);
    bar->moveTo(QPoint(30, 40));
    int left = 30;
    for (const CommandLabel* label : bar->labels()) {
        EXPECT_EQ(label->y(), 40);
        EXPECT_GE(label->x(), left);
        const QString caption = QString(label->text()).remove(u'&');
        EXPECT_GT(label->width(), label->fontMetrics().horizontalAdvance(caption));
        left = label->geometry().right();
    }
    EXPECT_EQ(bar->size().width(), bar->labels().last()->geometry().right() - 30 + 1);
}

}  // namespace
}  // namespace mirtal::widgets
