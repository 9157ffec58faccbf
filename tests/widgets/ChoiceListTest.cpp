#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "ShownWindow.h"
#include "widgets/ChoiceList.h"

namespace mirtal::widgets {
namespace {

class Choice : public ShownWindow {
  protected:
    void SetUp() override {
        list = new ChoiceList(QStringLiteral("CmbIntensity"), &window);
        list->setGeometry(10, 10, 160, 24);
        fill({"Light", "Moderate", "Difficult"});
        show();
        list->setFocus();
    }

    void fill(const QStringList& names) {
        list->clear();
        for (int i = 0; i < names.size(); ++i) {
            list->addItem(names[i], 10 * (i + 1));
        }
    }

    ChoiceList* list = nullptr;
};

// Up and Down pick (see ScreenReaderTest); nothing else changes the list.
TEST_F(Choice, KeysAndTheWheelNeverChangeTheTextOrTheEntry) {
    list->setText(QStringLiteral("Moderate"));
    QSignalSpy picks(list, &ChoiceList::picked);
    QTest::keyClicks(list, QStringLiteral("Difficult"));
    QTest::keyClicks(list->lineEdit(), QStringLiteral("xyz"));
    for (const Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageUp,
                              Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return}) {
        QTest::keyClick(list, key);
        QTest::keyClick(list->lineEdit(), key);
    }
    QTest::keyClick(list->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    const QPoint centre = list->rect().center();
    QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &wheel);

    EXPECT_EQ(list->text(), QStringLiteral("Moderate"));
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(picks.count(), 0);
    EXPECT_EQ(list->count(), 3);
}

TEST_F(Choice, TheProgramSetsAnyText) {
    struct Case {
        QString text;
        int entry;
    };
    for (const Case& c : QList<Case>{{"No Workout", -1}, {"", -1}, {"Difficult", 2}}) {
        list->setText(c.text);
        EXPECT_EQ(list->text(), c.text);
        EXPECT_EQ(list->currentText(), c.text);
        EXPECT_EQ(list->currentIndex(), c.entry) << c.text.toStdString();
    }
}

TEST_F(Choice, DropDownComesBeforeTheListOpensAndAPickCarriesItsData) {
    bool openAtDropDown = true;
    QObject::connect(list, &ChoiceList::dropDown, [&] {
        openAtDropDown = list->view()->isVisible();
        fill({"Good", "Fair", "Poor"});
    });
    QSignalSpy drops(list, &ChoiceList::dropDown);
    QSignalSpy picks(list, &ChoiceList::picked);
    list->setText(QStringLiteral("Excellent"));

    QTest::keyClick(list, Qt::Key_F4);
    ASSERT_EQ(drops.count(), 1);
    EXPECT_FALSE(openAtDropDown);
    ASSERT_TRUE(list->view()->isVisible());
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Good"));
    // Emptied with the list, and not the first new entry either: only a pick shows one.
    EXPECT_EQ(list->text(), QString());
    EXPECT_EQ(list->currentIndex(), -1);

    QAbstractItemView* entries = list->view();
    const QRect fair = entries->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, fair.center());
    EXPECT_FALSE(list->view()->isVisible());
    ASSERT_EQ(picks.count(), 1);
    const int picked = picks.first().first().toInt();
    EXPECT_EQ(picked, 1);
    EXPECT_EQ(list->itemData(picked).toInt(), 20);
    EXPECT_EQ(list->text(), QStringLiteral("Fair"));

    // Alt+Down opens it as well.
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(drops.count(), 2);
    list->hidePopup();
}

}  // namespace
}  // namespace mirtal::widgets
