#include "exercise/Form2.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/EditCommands.h"
#include "app/EditFlow.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "exercise/DayPoints.h"
#include "exercise/ExerciseStatements.h"
#include "store/KeyAllocator.h"
#include "store/Vocabulary.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/Grid.h"
#include "widgets/HoverReset.h"
#include "widgets/NavigationBar.h"
#include "widgets/Twips.h"

namespace mirtal::exercise {

Form2::Form2(app::WindowSwitcher& switcher)
    : switcher_(switcher),
      frame_(this, switcher, app::WindowId::ExerciseCatalogue, QSize(760, 560)) {
    buildControls();

    // Load.
    frame_.loadCurrentUser();
    CmbIntensity->clear();
    for (const QString& intensity : intensities()) {
        CmbIntensity->addItem(intensity);
    }
    app::guarded(switcher_.messages(), [this] { RefreshData(); });
}

void Form2::RefreshData() {
    const store::ResultSet rs = db().select(statements::catalogueOfUser(user()));
    if (rs.recordCount() > 0) {
        MSHFlexGrid1->showRows(rs);
        MSHFlexGrid1->setColWidth(0, widgets::twips(250));
        MSHFlexGrid1->setColWidth(1, 0);
    }
}

void Form2::ClearData() {
    TxtName->clear();
    CmbIntensity->setText(QString());
    TxtDescription->clear();
}

QString Form2::user() const {
    return switcher_.session().userIdText();
}

store::Database& Form2::db() {
    return switcher_.session().db();
}

void Form2::replaceApostrophes() {
    TxtName->setText(TxtName->text().replace(u'\'', u'`'));
    TxtDescription->setPlainText(TxtDescription->toPlainText().replace(u'\'', u'`'));
}

void Form2::addExercise() {
    app::Messages& messages = switcher_.messages();
    if (CmbIntensity->text().isEmpty() || TxtName->text().isEmpty()) {
        messages.inform(QStringLiteral("Unable to submit. Please check the empty field. * "));
        return;
    }
    app::guarded(messages, [&] {
        store::Database& db = this->db();
        // The rest-day row comes with the first exercise; both are kept or neither.
        db.inTransaction([&] {
            qint64 key = store::nextKey(db, statements::lastExerciseKey());
            replaceApostrophes();
            if (db.select(statements::restDayRowOfUser(user())).recordCount() == 0) {
                db.execute(statements::insertRestDayRow(key, user()));
                ++key;
            }
            db.execute(statements::insertExercise(
                key, user(), TxtName->text(), CmbIntensity->text(), TxtDescription->toPlainText()));
        });
        ClearData();
        messages.inform(QStringLiteral("Exercise has been added."));
        RefreshData();
    });
}

void Form2::updateExercise() {
    if (CmbIntensity->text().isEmpty() || TxtName->text().isEmpty() || TxtHidID->text().isEmpty()) {
        switcher_.messages().inform(QStringLiteral("Please select data in table."));
        return;
    }
    const auto write = [this] {
        replaceApostrophes();
        db().execute(statements::updateExercise(TxtHidID->text(), user(), TxtName->text(),
                                                CmbIntensity->text(),
                                                TxtDescription->toPlainText()));
    };
    app::updatePicked(switcher_.messages(),
                      {.write = write, .afterwards = [this] { RefreshData(); }});
}

void Form2::removeExercise() {
    // The exercise's daily entries go first and with it, so that no entry outlives it and a
    // failure halfway removes neither.
    const auto removeWithEntries = [this](const QString& key) {
        store::Database& db = this->db();
        db.inTransaction([&] {
            db.execute(statements::deleteEntriesOfExercise(key, user()));
            db.execute(statements::deleteExercise(key, user()));
        });
    };
    app::removePicked(switcher_.messages(), *TxtHidID,
                      {.deleteRow = removeWithEntries, .afterwards = [this] {
                           ClearData();
                           RefreshData();
                       }});
}

void Form2::pickRow() {
    const bool picked = app::pickRow(
        switcher_.messages(), switcher_.session(), statements::anyExerciseOfUser(user()),
        *MSHFlexGrid1, *TxtHidID, {{2, TxtName}, {3, CmbIntensity}, {4, TxtDescription}});
    // The rest-day row can be neither changed nor removed here.
    if (picked && CmbIntensity->text() == store::vocabulary::restDayIntensity) {
        ClearData();
        TxtHidID->clear();
    }
}

void Form2::buildControls() {
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(40, 74, 680, frame_.barTop() - 18 - 74);

    TxtHidID = new QLineEdit(Frame1);
    TxtHidID->setObjectName(QStringLiteral("TxtHidID"));
    TxtHidID->setReadOnly(true);
    // The key is shown, never typed: Tab passes it by.
    TxtHidID->setFocusPolicy(Qt::NoFocus);
    TxtHidID->setGeometry(16, 16, 72, 24);
    TxtHidID->setAccessibleName(widgets::pickedRowKeyName);

    Label2 = new QLabel(QStringLiteral("Excercise Name :"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 50, 300, 22);
    TxtName = new QLineEdit(Frame1);
    TxtName->setObjectName(QStringLiteral("TxtName"));
    TxtName->setGeometry(16, 72, 320, 26);

    Label3 = new QLabel(QStringLiteral("Intensity :"), Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(356, 50, 180, 22);
    CmbIntensity = new widgets::ChoiceList(QStringLiteral("CmbIntensity"), Frame1);
    CmbIntensity->setGeometry(356, 72, 180, 26);

    lblDescription = new QLabel(QStringLiteral("Description :"), Frame1);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setGeometry(16, 108, 300, 22);
    TxtDescription = new QPlainTextEdit(Frame1);
    TxtDescription->setObjectName(QStringLiteral("TxtDescription"));
    TxtDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A description is a line or two of prose: Tab moves on to the next control.
    TxtDescription->setTabChangesFocus(true);
    TxtDescription->setGeometry(16, 130, 520, 64);

    MSHFlexGrid1 = new widgets::Grid(QStringLiteral("MSHFlexGrid1"), Frame1);
    MSHFlexGrid1->setGeometry(16, 208, 536, 184);
    // Until the user has a catalogue the grid shows the columns it will fill.
    MSHFlexGrid1->showRows({QStringLiteral("SEID"), QStringLiteral("ExerciseName"),
                            QStringLiteral("Intensity"), QStringLiteral("Description")},
                           {});

    const auto commands = app::EditCommands::build(Frame1, QPoint(568, 208), 36);
    LblAdd = commands.add;
    LblEdit = commands.edit;
    LblDelete = commands.remove;
    LblClear = commands.clear;

    widgets::nameByCaption(Label2, TxtName);
    widgets::nameByCaption(Label3, CmbIntensity);
    widgets::nameByCaption(lblDescription, TxtDescription);
    frame_.setReadingOrder({frame_.CmdHelp, TxtName, CmbIntensity, TxtDescription, MSHFlexGrid1,
                            LblAdd, LblEdit, LblDelete, LblClear});

    // The frame, not the window, puts every label of the window back to rest.
    widgets::HoverReset::install(Frame1, frame_.bar->labels())->add(commands.all());

    app::connectEdits(commands, *MSHFlexGrid1, this,
                      {.submit = [this] { addExercise(); },
                       .update = [this] { updateExercise(); },
                       .remove = [this] { removeExercise(); },
                       .clear = [this] { ClearData(); },
                       .pick = [this] { pickRow(); }});
}

}  // namespace mirtal::exercise
