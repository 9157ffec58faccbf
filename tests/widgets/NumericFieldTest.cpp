#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "ShownWindow.h"
#include "support/ScriptedMessages.h"
#include "widgets/NumericField.h"
#include "widgets/SelectedNumber.h"

namespace mirtal::widgets {
namespace {

class Numeric : public ShownWindow {
  protected:
    void SetUp() override {
        const SelectedNumber::Refuse refuse = messages.refusal();
        pulse =
            new NumericField(QStringLiteral("TxtPulse"), QStringLiteral("Pulse"), refuse, &window);
        pulse->setGeometry(10, 10, 100, 24);
        weight = new NumericField(QStringLiteral("TxtWeight"), QStringLiteral("Weight"), refuse,
                                  &window);
        weight->setGeometry(10, 40, 100, 24);
        show();
        pulse->setFocus();
    }

    testing::ScriptedMessages messages;
    NumericField* pulse = nullptr;
    NumericField* weight = nullptr;
};

TEST_F(Numeric, TypedCharactersOtherThanDigitsPointAndBackspaceAreRefused) {
    struct Case {
        const char* what;
        Qt::Key key;
        QString after;  // the field held "12"
        bool refused;
    };
    const QList<Case> cases{
        {"digit", Qt::Key_7, "127", false},           {"point", Qt::Key_Period, "12.", false},
        {"backspace", Qt::Key_Backspace, "1", false}, {"letter", Qt::Key_A, "12", true},
        {"Enter", Qt::Key_Return, "12", true},        {"minus", Qt::Key_Minus, "12", true},
        {"blank", Qt::Key_Space, "12", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pulse->setText(QStringLiteral("12"));
        messages.shown.clear();
        QTest::keyClick(pulse, c.key);
        EXPECT_EQ(pulse->text(), c.after);
        if (c.refused) {
            ASSERT_EQ(messages.shown.size(), 1);
            EXPECT_EQ(messages.shown[0].text, QStringLiteral("Valied Numbers Only"));
            EXPECT_EQ(messages.shown[0].title, QStringLiteral("Mirtal"));
            EXPECT_FALSE(messages.shown[0].question);
        } else {
            EXPECT_TRUE(messages.shown.isEmpty());
        }
    }
}

TEST_F(Numeric, KeysThatTypeNothingMoveAsUsual) {
    pulse->setText(QStringLiteral("80.5"));
    QTest::keyClick(pulse, Qt::Key_Left);
    QTest::keyClick(pulse, Qt::Key_Left);
    EXPECT_EQ(pulse->cursorPosition(), 2);
    QTest::keyClick(pulse, Qt::Key_Delete);
    EXPECT_EQ(pulse->text(), QStringLiteral("805"));
    QTest::keyClick(pulse, Qt::Key_Tab);
    EXPECT_TRUE(weight->hasFocus());
    QTest::keyClick(weight, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(pulse->hasFocus());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Numeric, PastedOrDroppedTextMustBeDigitsAndPoints) {
    struct Case {
        QString given;
        QString after;  // the field held "1"
        bool refused;
    };
    for (const Case& c : QList<Case>{{"12a", "1", true},
                                     {"-3", "1", true},
                                     {"0, Weight=0 Where 1=1", "1", true},
                                     {"2.5", "12.5", false},
                                     {"1.2.3", "11.2.3", false}}) {
        SCOPED_TRACE(c.given.toStdString());
        const QString refusal = QStringLiteral("Only digits and a point can go into Pulse: \"") +
                                c.given + QStringLiteral("\" was not taken.");
        messages.shown.clear();
        pulse->setText(QStringLiteral("1"));
        QApplication::clipboard()->setText(c.given);
        QTest::keyClick(pulse, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(pulse->text(), c.after) << "pasted";
        EXPECT_EQ(messages.texts(), c.refused ? QStringList{refusal} : QStringList());

        messages.shown.clear();
        pulse->setText(QStringLiteral("1"));
        QMimeData dragged;
        dragged.setText(c.given);
        const QPoint end(pulse->width() - 2, pulse->height() / 2);
        QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pulse, &enter);
        QDropEvent drop(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(pulse, &drop);
        EXPECT_EQ(pulse->text(), c.after) << "dropped";
        EXPECT_EQ(messages.texts(), c.refused ? QStringList{refusal} : QStringList());
    }
}

TEST_F(Numeric, TheProgramSetsAnyText) {
    pulse->setText(QStringLiteral("n/a"));
    EXPECT_EQ(pulse->text(), QStringLiteral("n/a"));
}

TEST_F(Numeric, TheCheckBeforeAStatementNamesTheFieldThatHoldsNoNumber) {
    pulse->setText(QStringLiteral("72."));
    weight->setText(QStringLiteral("1.2.3"));
    EXPECT_FALSE(checkNumbers({pulse, weight}));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Weight must be a number")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("\"1.2.3\"")));
    EXPECT_TRUE(weight->hasFocus());

    weight->setText(QStringLiteral(".5"));
    EXPECT_TRUE(checkNumbers({pulse, weight}));
    EXPECT_EQ(messages.shown.size(), 1);

    // A pasted page of digits is named by its start, so the box stays readable.
    pulse->setText(QString(10000, u'7'));
    EXPECT_FALSE(checkNumbers({pulse, weight}));
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].text.contains(QString(40, u'7') + QStringLiteral("...\"")));
    EXPECT_LT(messages.shown[1].text.size(), 200);
}

TEST(WellFormedNumber, HasDigitsAndAtMostOnePoint) {
    struct Case {
        const char* text;
        bool wellFormed;
    };
    for (const Case& c :
         {Case{"64", true}, Case{"80.5", true}, Case{".5", true}, Case{"5.", true},
          Case{"007", true}, Case{"", false}, Case{".", false}, Case{"1.2.3", false},
          Case{"..5", false}, Case{"12\n", false}, Case{"1 2", false}, Case{"-1", false}}) {
        EXPECT_EQ(isWellFormedNumber(QString::fromLatin1(c.text)), c.wellFormed) << c.text;
    }
}

TEST(AcceptableNumber, KeepsTheWholePartShort) {
    struct Case {
        const char* text;
        bool acceptable;
    };
    for (const Case& c :
         {Case{"123456789", true}, Case{"123456789.25", true}, Case{"1234567890", false},
          Case{"1234567890.5", false}, Case{"12345678901234567890", false}, Case{".", false}}) {
        EXPECT_EQ(isAcceptableNumber(QString::fromLatin1(c.text)), c.acceptable) << c.text;
    }
}

TEST(NumberKey, DigitsPointAndBackspacePass) {
    for (const QChar c : QStringLiteral("0123456789.\b")) {
        EXPECT_TRUE(SelectedNumber::passes(c)) << int(c.unicode());
    }
    for (const QChar c : QStringLiteral("aZ-+, \r\t\x0661")) {
        EXPECT_FALSE(SelectedNumber::passes(c)) << int(c.unicode());
    }
}

}  // namespace
}  // namespace mirtal::widgets
