#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

#include "ShownWindow.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"

namespace mirtal::widgets {
namespace {

QAccessibleActionInterface* actions(QObject* control) {
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(control);
    return seen ? seen->actionInterface() : nullptr;
}

// Stands for a screen reader that is listening while the window is built: it resolves a
// command label as soon as Qt tells about it, and keeps what it got.
class ListeningReader : public QObject {
  public:
    ListeningReader() { qApp->installEventFilter(this); }
    ~ListeningReader() override { qApp->removeEventFilter(this); }

    int resolved = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (qobject_cast<CommandLabel*>(watched) && !seen_.contains(watched)) {
            seen_ << watched;
            QAccessible::queryAccessibleInterface(watched);
            ++resolved;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QSet<QObject*> seen_;
};

class ScreenReader : public ShownWindow {};

// ctest runs each test in a process of its own, so this label is the first one built there.
TEST_F(ScreenReader, TheFirstCommandLabelBuiltOffersPressFromTheStart) {
    ListeningReader reader;
    auto* start = new CommandLabel(QStringLiteral("LblStart"), QStringLiteral("&START"),
                                   QStringLiteral("Shape1"), &window);
    show();
    ASSERT_GT(reader.resolved, 0);
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(start);
    EXPECT_EQ(seen->role(), QAccessible::Button);
    EXPECT_EQ(seen->text(QAccessible::Name), QStringLiteral("START"));
    ASSERT_NE(seen->actionInterface(), nullptr);
    EXPECT_TRUE(
        seen->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

TEST_F(ScreenReader, APressReturnsAtOnceAndTheCommandsMessageBoxOpensRightAfter) {
    auto* remove = new CommandLabel(QStringLiteral("LblDelete"), QStringLiteral("&REMOVE"),
                                    QStringLiteral("Shape2"), &window);
    show();
    bool boxOpened = false;
    QObject::connect(remove, &CommandLabel::clicked, &window, [&] {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Mirtal"),
                        QStringLiteral("Are you sure?"), QMessageBox::Yes | QMessageBox::No,
                        &window);
        QTimer::singleShot(0, &box, [&] {
            boxOpened = box.isVisible();
            box.reject();
        });
        box.exec();
    });
    QSignalSpy clicks(remove, &CommandLabel::clicked);

    actions(remove)->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    ASSERT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 1; }));
    EXPECT_TRUE(boxOpened);

    // A label that goes away before its turn runs nothing.
    actions(remove)->doAction(QAccessibleActionInterface::pressAction());
    delete remove;
    QApplication::processEvents();
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ScreenReader, DateFieldsStepAsTheUpAndDownKeysDo) {
    auto* picker = new DatePicker(QStringLiteral("DTPicker1"), &window);
    picker->setGeometry(10, 10, 140, 26);
    show();
    picker->setFocus();
    QAccessibleActionInterface* steps = actions(picker);
    ASSERT_NE(steps, nullptr);
    EXPECT_TRUE(steps->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    EXPECT_TRUE(steps->actionNames().contains(QAccessibleActionInterface::decreaseAction()));
    QSignalSpy closeUps(picker, &DatePicker::closeUp);

    struct Case {
        QDateTimeEdit::Section section;
        Qt::Key key;
        QString action;
    };
    const QDate start(2026, 12, 8);
    for (const Case& c :
         {Case{QDateTimeEdit::DaySection, Qt::Key_Up, QAccessibleActionInterface::increaseAction()},
          Case{QDateTimeEdit::DaySection, Qt::Key_Down,
               QAccessibleActionInterface::decreaseAction()},
          Case{QDateTimeEdit::MonthSection, Qt::Key_Down,
               QAccessibleActionInterface::decreaseAction()},
          Case{QDateTimeEdit::YearSection, Qt::Key_Up,
               QAccessibleActionInterface::increaseAction()}}) {
        SCOPED_TRACE(c.action.toStdString());
        picker->setDate(start);
        picker->setCurrentSection(c.section);
        QTest::keyClick(picker, c.key);
        const QDate byKey = picker->date();
        ASSERT_NE(byKey, start);

        picker->setDate(start);
        picker->setCurrentSection(c.section);
        steps->doAction(c.action);
        EXPECT_EQ(picker->date(), byKey);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(picker)->text(QAccessible::Value),
                  byKey.toString(DatePicker::displayFormatText));
    }
    EXPECT_EQ(closeUps.count(), 0);

    // Off, it steps no more than the keys would.
    picker->setDate(start);
    picker->setEnabled(false);
    steps->doAction(QAccessibleActionInterface::increaseAction());
    EXPECT_EQ(picker->date(), start);
}

TEST_F(ScreenReader, ADateFieldsTextIsStillReadAsText) {
    auto* picker = new DatePicker(QStringLiteral("DTPicker1"), &window);
    picker->setDate(QDate(2026, 12, 8));
    show();
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(picker);
    ASSERT_NE(seen->textInterface(), nullptr);
    EXPECT_EQ(seen->textInterface()->text(0, seen->textInterface()->characterCount()),
              QStringLiteral("2026/12/08"));
}

class ScreenReaderList : public ShownWindow {
  protected:
    void SetUp() override {
        list = new ChoiceList(QStringLiteral("CmbUser"), &window);
        list->setGeometry(10, 10, 160, 24);
        for (const char* name : {"Ann", "Bob", "Cy"}) {
            list->addItem(QString::fromLatin1(name), list->count() + 1);
        }
        show();
        list->setFocus();
    }

    // The entry an assistive tool sees inside the list, by its name.
    QAccessibleInterface* entry(const QString& name) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(list);
        for (int i = 0; i < box->childCount(); ++i) {
            QAccessibleInterface* part = box->child(i);
            for (int j = 0; j < part->childCount(); ++j) {
                if (part->child(j)->text(QAccessible::Name) == name) {
                    return part->child(j);
                }
            }
        }
        return nullptr;
    }

    void toggle(const QString& name) {
        QAccessibleInterface* item = entry(name);
        ASSERT_NE(item, nullptr) << name.toStdString();
        ASSERT_NE(item->actionInterface(), nullptr);
        item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }

    ChoiceList* list = nullptr;
};

TEST_F(ScreenReaderList, ToggleOnAnEntryPicksItIntoTheBox) {
    QSignalSpy picks(list, &ChoiceList::picked);
    toggle(QStringLiteral("Bob"));
    EXPECT_EQ(list->text(), QStringLiteral("Bob"));
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(list->itemData(picks.last().first().toInt()).toInt(), 2);

    // In the open list too, where the keys move the cursor without picking.
    list->showPopup();
    ASSERT_TRUE(list->view()->isVisible());
    QTest::keyClick(list->view(), Qt::Key_Down);
    EXPECT_EQ(picks.count(), 1);
    toggle(QStringLiteral("Ann"));
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_EQ(list->text(), QStringLiteral("Ann"));
    ASSERT_EQ(picks.count(), 2);
    EXPECT_EQ(picks.last().first().toInt(), 0);
}

TEST_F(ScreenReaderList, UpAndDownPickTheNextEntryAsAPickFromTheOpenListDoes) {
    QSignalSpy picks(list, &ChoiceList::picked);
    struct Case {
        Qt::Key key;
        const char* shown;
        int picksSoFar;
    };
    // From no entry the first; the ends stay put and pick nothing again.
    for (const Case& c :
         {Case{Qt::Key_Down, "Ann", 1}, Case{Qt::Key_Down, "Bob", 2}, Case{Qt::Key_Down, "Cy", 3},
          Case{Qt::Key_Down, "Cy", 3}, Case{Qt::Key_Up, "Bob", 4}, Case{Qt::Key_Up, "Ann", 5},
          Case{Qt::Key_Up, "Ann", 5}}) {
        QTest::keyClick(list->lineEdit(), c.key);
        EXPECT_EQ(list->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(picks.count(), c.picksSoFar) << c.shown;
        EXPECT_FALSE(list->view()->isVisible());
    }
    EXPECT_EQ(picks.last().first().toInt(), 0);

    list->clear();
    QTest::keyClick(list->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(list->text(), QString());
    EXPECT_EQ(picks.count(), 5);
}

}  // namespace
}  // namespace mirtal::widgets
