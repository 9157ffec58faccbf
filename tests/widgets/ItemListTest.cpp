#include <QSignalSpy>
#include <QTest>

#include "ShownWindow.h"
#include "widgets/ItemList.h"

namespace mirtal::widgets {
namespace {

class Items : public ShownWindow {
  protected:
    void SetUp() override {
        list = new ItemList(QStringLiteral("ListLight"), &window);
        list->setGeometry(10, 10, 200, 120);
        show();
    }

    void click(int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }

    ItemList* list = nullptr;
};

TEST_F(Items, EntriesCarryTheirDatumAndAClickOrTheKeysChooseOne) {
    QSignalSpy picks(list, &ItemList::picked);
    list->addEntry(QStringLiteral("Walk"), 2);
    list->addEntry(QStringLiteral("Stretch"), 5);
    list->addEntry(QStringLiteral("Swim"), 9);
    EXPECT_EQ(list->objectName(), QStringLiteral("ListLight"));
    EXPECT_EQ(list->itemData(1).toInt(), 5);
    EXPECT_FALSE(list->itemData(3).isValid());
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_EQ(picks.count(), 0);

    click(1);
    click(1);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    // At the end of the list the keys move nothing and choose nothing.
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(picks.count(), 3);
    EXPECT_EQ(picks[0][0].toInt(), 1);
    EXPECT_EQ(picks[1][0].toInt(), 1);
    EXPECT_EQ(picks[2][0].toInt(), 2);
    EXPECT_EQ(list->selectedItems().value(0)->text(), QStringLiteral("Swim"));

    list->clear();
    list->addEntry(QStringLiteral("Row"), 4);
    EXPECT_EQ(picks.count(), 3);
    EXPECT_TRUE(list->selectedItems().isEmpty());
}

TEST_F(Items, TabFramesTheFirstEntryWithoutChoosingItAndSpaceChoosesIt) {
    QSignalSpy picks(list, &ItemList::picked);
    list->addEntry(QStringLiteral("Walk"), 2);
    list->addEntry(QStringLiteral("Stretch"), 5);
    // The list took the focus when the window came up empty; now Tab brings it back.
    list->clearFocus();
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(picks.count(), 0);
    QTest::keyClick(list, Qt::Key_Space);
    ASSERT_EQ(picks.count(), 1);
    EXPECT_EQ(picks[0][0].toInt(), 0);
    EXPECT_EQ(list->selectedItems().value(0)->text(), QStringLiteral("Walk"));
}

}  // namespace
}  // namespace mirtal::widgets
