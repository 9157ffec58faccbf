#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "ShownWindow.h"
#include "widgets/Colours.h"
#include "widgets/CommandLabel.h"
#include "widgets/HoverReset.h"

namespace mirtal::widgets {
namespace {

// A window laid out as the data windows are: a background picture over the whole window, two
// command labels and a link label on it, and a frame with its own command label and a field.
class Hover : public ShownWindow {
  protected:
    void SetUp() override {
        bak = new QLabel(&window);
        bak->setObjectName(QStringLiteral("bak"));
        bak->setGeometry(0, 0, 640, 400);
        user = new CommandLabel(QStringLiteral("LblUser"), QStringLiteral("&USER"),
                                QStringLiteral("Shape1"), &window);
        user->setGeometry(10, 10, 100, 20);
        report = new CommandLabel(QStringLiteral("LblReport"), QStringLiteral("&REPORT"),
                                  QStringLiteral("Shape2"), &window);
        report->setGeometry(120, 10, 100, 20);
        url =
            CommandLabel::link(QStringLiteral("LblURL"), QStringLiteral("&What's this?"), &window);
        url->setGeometry(230, 10, 100, 20);
        frame = new QGroupBox(QStringLiteral("Frame2"), &window);
        frame->setObjectName(QStringLiteral("Frame2"));
        frame->setGeometry(10, 100, 300, 200);
        submit = new CommandLabel(QStringLiteral("LblSnack"), QStringLiteral("&SUBMIT"),
                                  QStringLiteral("Shape10"), frame);
        submit->setGeometry(20, 30, 100, 20);
        field = new QLineEdit(frame);
        field->setGeometry(20, 100, 100, 20);

        HoverReset::install(&window, {user, report, url});
        HoverReset::install(bak, {user, report, url});
        HoverReset::install(frame, {submit});
        show();
        // The pointer starts on no label.
        QTest::mouseMove(&window, QPoint(600, 450));
    }

    void hoverAll() {
        for (CommandLabel* label : {user, report, url, submit}) {
            QTest::mouseMove(label);
        }
    }

    QLabel* bak = nullptr;
    CommandLabel* user = nullptr;
    CommandLabel* report = nullptr;
    CommandLabel* url = nullptr;
    QGroupBox* frame = nullptr;
    CommandLabel* submit = nullptr;
    QLineEdit* field = nullptr;
};

bool lit(const CommandLabel* label) {
    return label->textColour() == colours::red && label->faceColour() == colours::white;
}

bool atRest(const CommandLabel* label) {
    const QColor text = label->isLink() ? colours::blue : colours::black;
    return label->textColour() == text && label->faceColour() == colours::lightGrey;
}

TEST_F(Hover, LabelsStartAtRestAndTheFaceOfACommandLabelIsItsShape) {
    for (const CommandLabel* label : {user, report, url, submit}) {
        EXPECT_TRUE(atRest(label)) << label->objectName().toStdString();
    }
    EXPECT_EQ(url->textColour(), colours::blue);
    EXPECT_EQ(url->shape(), nullptr);
    BackingShape* shape = window.findChild<BackingShape*>(QStringLiteral("Shape1"));
    ASSERT_EQ(shape, user->shape());
    EXPECT_EQ(shape->geometry(), user->geometry());
    EXPECT_EQ(shape->fillColour(), colours::lightGrey);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("LblUser")), user);
}

TEST_F(Hover, LabelsStayLitUntilThePointerCrossesTheirResetSurface) {
    QTest::mouseMove(user);
    EXPECT_TRUE(lit(user));
    EXPECT_TRUE(atRest(report));

    // Straight from one label to the next: both stay lit.
    QTest::mouseMove(report, QPoint(1, 10));
    EXPECT_TRUE(lit(user));
    EXPECT_TRUE(lit(report));

    QTest::mouseMove(url);
    EXPECT_TRUE(lit(url));

    QTest::mouseMove(bak, QPoint(400, 350));
    for (const CommandLabel* label : {user, report, url}) {
        EXPECT_TRUE(atRest(label)) << label->objectName().toStdString();
    }
}

TEST_F(Hover, EachSurfaceResetsOnlyItsOwnLabelsAndOnlyOverItself) {
    struct Case {
        const char* where;
        QWidget* widget;
        QPoint at;
        QList<CommandLabel*> reset;
    };
    const QList<Case> cases{
        {"field inside the frame", field, QPoint(5, 5), {}},
        {"bare frame", frame, QPoint(200, 150), {submit}},
        {"window below the picture", &window, QPoint(400, 450), {user, report, url}},
        {"background picture", bak, QPoint(500, 300), {user, report, url}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        hoverAll();
        QTest::mouseMove(c.widget, c.at);
        for (const CommandLabel* label : {user, report, url, submit}) {
            EXPECT_EQ(atRest(label), c.reset.contains(label)) << label->objectName().toStdString();
            EXPECT_EQ(lit(label), !c.reset.contains(label)) << label->objectName().toStdString();
        }
        QTest::mouseMove(&window, QPoint(600, 420 + static_cast<int>(c.at.x() % 40)));
    }
}

TEST_F(Hover, ShapeAreaOutsideTheCaptionIsTheWindowBeneath) {
    // A caption smaller than its shape: the rest of the rectangle is only painted.
    user->shape()->setGeometry(10, 10, 200, 40);
    QTest::mouseMove(user);
    QTest::mouseMove(&window, QPoint(150, 45));
    EXPECT_TRUE(atRest(user));
}

TEST_F(Hover, ALeftClickOrTheAccessKeyClicks) {
    QSignalSpy clicks(user, &CommandLabel::clicked);
    QTest::mouseClick(user, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(user, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&window, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 2);
    // The caption keeps its "&"; the label draws it as the underlined letter.
    EXPECT_EQ(user->text(), QStringLiteral("&USER"));
    EXPECT_EQ(user->buddy(), user);
}

TEST_F(Hover, AnAccessKeySharedByTwoLabelsClicksNeitherButTakesTheFocusFromOneToTheOther) {
    auto* start = new CommandLabel(QStringLiteral("LblProfile"), QStringLiteral("&START"),
                                   QStringLiteral("Shape3"), &window);
    start->show();
    QSignalSpy submits(submit, &CommandLabel::clicked);
    QSignalSpy starts(start, &CommandLabel::clicked);
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    QWidget* first = QApplication::focusWidget();
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    QWidget* second = QApplication::focusWidget();
    EXPECT_EQ(submits.count() + starts.count(), 0);
    EXPECT_EQ(QList<QWidget*>({first, second}).count(submit), 1);
    EXPECT_EQ(QList<QWidget*>({first, second}).count(start), 1);
    // Where the key has left the focus, Enter clicks.
    QTest::keyClick(second, Qt::Key_Return);
    EXPECT_EQ((second == start ? starts : submits).count(), 1);
}

TEST_F(Hover, TabReachesALabelWhereEnterOrSpaceClicksAndItsColoursStayAsThePointerLeftThem) {
    QSignalSpy clicks(user, &CommandLabel::clicked);
    field->setFocus();
    QTest::mouseMove(report);
    // From the last control Tab wraps round to the first label.
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), user);
    EXPECT_TRUE(atRest(user));
    EXPECT_TRUE(lit(report));
    // A click does not take the focus from where the person was.
    QTest::mouseClick(report, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), user);

    QTest::keyClick(user, Qt::Key_Return);
    QTest::keyClick(user, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(user, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);
    QTest::keyClick(user, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(user, Qt::Key_X);
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(Hover, AssistiveToolsSeeButtonsAndLinksNamedByTheirCaptionsThatTheyCanPress) {
    QSignalSpy clicks(submit, &CommandLabel::clicked);
    struct Case {
        CommandLabel* label;
        QAccessible::Role role;
        const char* name;
    };
    for (const Case& c : {Case{submit, QAccessible::Button, "SUBMIT"},
                          Case{url, QAccessible::Link, "What's this?"}}) {
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(c.label);
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(seen->role(), c.role);
        EXPECT_EQ(seen->text(QAccessible::Name), QString::fromUtf8(c.name));
        EXPECT_TRUE(seen->state().focusable);
        ASSERT_NE(seen->actionInterface(), nullptr);
        EXPECT_TRUE(seen->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
    QAccessible::queryAccessibleInterface(submit)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    // The press returns before the command runs (see ScreenReaderTest).
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 1; }));
}

TEST_F(Hover, HidingALabelHidesItsShape) {
    user->hide();
    EXPECT_FALSE(user->shape()->isVisible());
    user->show();
    EXPECT_TRUE(user->shape()->isVisible());
}

}  // namespace
}  // namespace mirtal::widgets
