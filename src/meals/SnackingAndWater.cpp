#include "meals/SnackingAndWater.h"

#include <QLabel>
#include <QLineEdit>

#include "app/EditFlow.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "meals/MealPointList.h"
#include "meals/MealStatements.h"
#include "store/KeyAllocator.h"
#include "store/Vocabulary.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/DatePicker.h"
#include "widgets/HoverReset.h"

namespace mirtal::meals {

namespace vocabulary = store::vocabulary;

namespace {

constexpr int snackingCategory = 6;
constexpr int waterCategory = 7;
// The frame's width, and the room for the captions of its two lists.
constexpr int frameWidth = 312;
constexpr int captionWidth = 72;

}  // namespace

SnackingAndWater::SnackingAndWater(app::WindowSwitcher& switcher, ScoreLookup& lookup,
                                   const widgets::DatePicker* day, std::function<void()> refresh,
                                   QWidget* parent)
    : QGroupBox(QStringLiteral("*****"), parent),
      switcher_(switcher),
      day_(day),
      refresh_(std::move(refresh)) {
    setObjectName(QStringLiteral("Frame2"));
    snacking_ = new MealPointList(snackingCategory, QStringLiteral("Snacking :"),
                                  QStringLiteral("CmbSnacking"), QStringLiteral("TxtScore6"),
                                  switcher, lookup, this);
    water_ = new MealPointList(waterCategory, QStringLiteral("Water :"), QStringLiteral("CmbWater"),
                               QStringLiteral("TxtScore7"), switcher, lookup, this);
    CmbSnacking = snacking_->list();
    TxtScore6 = snacking_->scoreField();
    CmbWater = water_->list();
    TxtScore7 = water_->scoreField();

    TxtHidID2 = new QLineEdit(this);
    TxtHidID2->setObjectName(QStringLiteral("TxtHidID2"));
    TxtHidID2->hide();

    LblSnack = new widgets::CommandLabel(QStringLiteral("LblSnack"), QStringLiteral("&SUBMIT"),
                                         QStringLiteral("Shape10"), this);
    LblEdit = new widgets::CommandLabel(QStringLiteral("LblEdit"), QStringLiteral("&UPDATE"),
                                        QStringLiteral("Shape11"), this);
    LblDelete = new widgets::CommandLabel(QStringLiteral("LblDelete"), QStringLiteral("&DELETE"),
                                          QStringLiteral("Shape12"), this);
    widgets::HoverReset::install(this, {LblSnack, LblEdit, LblDelete});
    layOut();

    connect(LblSnack, &widgets::CommandLabel::clicked, this, &SnackingAndWater::add);
    connect(LblEdit, &widgets::CommandLabel::clicked, this, &SnackingAndWater::update);
    connect(LblDelete, &widgets::CommandLabel::clicked, this, &SnackingAndWater::remove);
}

void SnackingAndWater::layOut() {
    setFixedSize(frameWidth, 204);
    const int rows = 2 * MealPointList::rowHeight() + 4;
    const int listWidth = frameWidth - 24 - captionWidth - 8;
    snacking_->placeInTwoRows(12, 24, captionWidth, listWidth);
    water_->placeInTwoRows(12, 24 + rows + 10, captionWidth, listWidth);
    const int commandWidth = (frameWidth - 24 - 2 * 10) / 3;
    int left = 12;
    for (widgets::CommandLabel* command : {LblSnack, LblEdit, LblDelete}) {
        command->setGeometry(left, 24 + 2 * (rows + 10) + 4, commandWidth, 28);
        left += commandWidth + 10;
    }
}

void SnackingAndWater::reload() {
    const store::ResultSet rs = switcher_.session().db().select(
        statements::daySnacking(switcher_.session().userIdText(), day_->date()));
    if (rs.recordCount() == 1) {
        TxtHidID2->setText(rs.field(u"DSID").toString());
        TxtScore6->setText(rs.field(u"Snacking").toString());
        TxtScore7->setText(rs.field(u"Water").toString());
    } else {
        // No key of another day's entry is kept, so DELETE never removes an entry that is not
        // on screen.
        TxtHidID2->clear();
        if (rs.recordCount() == 0) {
            TxtScore6->clear();
            TxtScore7->clear();
        }
    }
    showChoiceOf(snacking_);
    showChoiceOf(water_);
}

void SnackingAndWater::showChoiceOf(MealPointList* choices) {
    QLineEdit* score = choices->scoreField();
    if (score->text().isEmpty()) {
        score->setText(QStringLiteral("0"));
    }
    const store::ResultSet rs = switcher_.session().db().select(
        statements::choicesScoring(choices->category(), score->text()));
    // Only a choice that the score names alone is shown; any other text would not be the
    // stored choice.
    choices->list()->setText(rs.recordCount() == 1 ? rs.field(u"MealName").toString() : QString());
}

bool SnackingAndWater::scoresChosen() {
    app::Messages& messages = switcher_.messages();
    if (CmbSnacking->text().isEmpty()) {
        messages.inform(QStringLiteral("Snacking  Score is empty."));
        return false;
    }
    if (CmbWater->text().isEmpty()) {
        messages.inform(QStringLiteral("Water Score is empty."));
        return false;
    }
    return true;
}

QString SnackingAndWater::snackingScore() const {
    return TxtScore6->text();
}

QString SnackingAndWater::waterScore() const {
    return TxtScore7->text();
}

void SnackingAndWater::forgetShownEntry() {
    TxtHidID2->clear();
}

QList<QWidget*> SnackingAndWater::readingOrder() const {
    return {CmbSnacking, TxtScore6, CmbWater, TxtScore7, LblSnack, LblEdit, LblDelete};
}

void SnackingAndWater::runCommand(
    const std::function<void(store::Database&, const QString&)>& command) {
    if (!scoresChosen()) {
        return;
    }
    app::guarded(switcher_.messages(), [&] {
        command(switcher_.session().db(), switcher_.session().userIdText());
        refresh_();
    });
}

void SnackingAndWater::add() {
    runCommand([this](store::Database& db, const QString& userId) {
        app::Messages& messages = switcher_.messages();
        const qint64 key = store::nextKey(db, statements::lastSnackingKey());
        const store::ResultSet rs = db.select(statements::daySnackingKeys(userId, day_->date()));
        if (rs.recordCount() == 1) {
            messages.inform(
                QStringLiteral("You have already added today's water and snacking meal."));
        } else if (rs.recordCount() > 1) {
            messages.inform(vocabulary::duplicateChoiceMessage);
        } else {
            db.execute(statements::insertSnacking(key, userId, day_->date(), TxtScore6->text(),
                                                  TxtScore7->text()));
            messages.inform(QStringLiteral("Snacking meal and water is added."));
        }
    });
}

// The window reloads also after No, so that the lists and scores show the stored entry again.
void SnackingAndWater::update() {
    runCommand([this](store::Database& db, const QString& userId) {
        app::Messages& messages = switcher_.messages();
        const store::ResultSet rs = db.select(statements::daySnackingKeys(userId, day_->date()));
        if (rs.recordCount() == 0) {
            messages.inform(QStringLiteral("You have not any water and snacking meal to update."));
        } else if (rs.recordCount() > 1) {
            messages.inform(vocabulary::duplicateChoiceMessage);
        } else if (messages.ask(QStringLiteral("Confirm update snacking meal?"),
                                QStringLiteral("Message"))) {
            db.execute(statements::updateSnacking(rs.field(u"DSID").toString(), userId,
                                                  day_->date(), TxtScore6->text(),
                                                  TxtScore7->text()));
        }
    });
}

void SnackingAndWater::remove() {
    app::removePicked(
        switcher_.messages(), *TxtHidID2,
        {.nothingPicked = {QStringLiteral("You can not delete the snacks since you haven't "
                                          "selected any snacks for today's meal."),
                           QStringLiteral("Delete Message"), app::Messages::Icon::Exclamation},
         .question = QStringLiteral("Confirm removal snacking meal?"),
         .deleteRow =
             [this](const QString& key) {
                 switcher_.session().db().execute(
                     statements::removeSnacking(key, switcher_.session().userIdText()));
             },
         .afterwards =
             [this] {
                 TxtHidID2->clear();
                 refresh_();
             }});
}

}  // namespace mirtal::meals
