#include "meals/MealPointList.h"

#include <QLabel>
#include <QLineEdit>

#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "meals/MealStatements.h"
#include "meals/ScoreLookup.h"
#include "store/Vocabulary.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ChoiceList.h"

namespace mirtal::meals {

namespace {

const int gap = 8;
const int scoreCaptionWidth = 48;
const int scoreWidth = 52;

}  // namespace

MealPointList::MealPointList(int category, const QString& caption, const QString& listName,
                             const QString& scoreName, app::WindowSwitcher& switcher,
                             ScoreLookup& lookup, QWidget* parent)
    : QObject(parent),
      category_(category),
      switcher_(switcher),
      lookup_(lookup),
      caption_(new QLabel(caption, parent)),
      list_(new widgets::ChoiceList(listName, parent)),
      scoreCaption_(new QLabel(QStringLiteral("Score :"), parent)),
      scoreField_(new QLineEdit(parent)) {
    setObjectName(listName + QStringLiteral("Choices"));
    widgets::nameByCaption(caption_, list_);
    scoreField_->setObjectName(scoreName);
    scoreField_->setReadOnly(true);
    scoreCaption_->setBuddy(scoreField_);
    // Every row has a "Score :"; read out, the field says whose score it is.
    scoreField_->setAccessibleName(list_->accessibleName() + u' ' +
                                   widgets::spokenCaption(scoreCaption_->text()));
    connect(list_, &widgets::ChoiceList::dropDown, this, &MealPointList::fill);
    connect(list_, &widgets::ChoiceList::picked, this, &MealPointList::pick);
}

int MealPointList::rowHeight() {
    return 26;
}

void MealPointList::placeInRow(int left, int top, int captionWidth, int listWidth) {
    caption_->setGeometry(left, top, captionWidth, rowHeight());
    left += captionWidth + gap;
    list_->setGeometry(left, top, listWidth, rowHeight());
    left += listWidth + gap;
    scoreCaption_->setGeometry(left, top, scoreCaptionWidth, rowHeight());
    scoreField_->setGeometry(left + scoreCaptionWidth, top, scoreWidth, rowHeight());
}

void MealPointList::placeInTwoRows(int left, int top, int captionWidth, int listWidth) {
    caption_->setGeometry(left, top, captionWidth, rowHeight());
    left += captionWidth + gap;
    list_->setGeometry(left, top, listWidth, rowHeight());
    top += rowHeight() + gap / 2;
    scoreCaption_->setGeometry(left, top, scoreCaptionWidth, rowHeight());
    scoreField_->setGeometry(left + scoreCaptionWidth, top, scoreWidth, rowHeight());
}

void MealPointList::clear() {
    list_->setText(QString());
    scoreField_->clear();
}

void MealPointList::fill() {
    // The choice shown stays shown, so that closing the list without a pick changes nothing.
    const QString shown = list_->text();
    list_->clear();
    app::guarded(switcher_.messages(), [this] {
        store::ResultSet rs = switcher_.session().db().select(statements::choicesOf(category_));
        for (; !rs.eof(); rs.moveNext()) {
            list_->addItem(rs.field(u"MealName").toString(), rs.field(u"MID"));
        }
    });
    list_->setText(shown);
}

void MealPointList::pick(int index) {
    lookup_.setPickedKey(list_->itemData(index));
    app::Messages& messages = switcher_.messages();
    bool found = false;
    app::guarded(messages, [&] {
        found = lookup_.ScoreVal(switcher_.session().db());
        if (!found) {
            messages.inform(store::vocabulary::duplicateChoiceMessage);
        }
    });
    // A choice whose score is not known is not taken: showing the score of an earlier pick,
    // maybe of another list, would let a wrong score be stored.
    if (found) {
        scoreField_->setText(lookup_.lookedUpScore());
    } else {
        clear();
    }
}

}  // namespace mirtal::meals
