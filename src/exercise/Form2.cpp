#include "exercise/Form2.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "store/KeyAllocator.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ChoiceList.h"
#include "widgets/CommandLabel.h"
#include "widgets/Grid.h"
#include "widgets/HoverReset.h"
#include "widgets/NavigationBar.h"
#include "widgets/Twips.h"

namespace mirtal::exercise {

namespace {

const QString restDayIntensity = QStringLiteral("No Workout");

}  // namespace

Form2::Form2(app::WindowSwitcher& switcher)
    : switcher_(switcher),
      frame_(this, switcher, app::WindowId::ExerciseCatalogue, QSize(760, 560)) {
    buildControls();

    // Load.
    frame_.loadCurrentUser();
    CmbIntensity->clear();
    CmbIntensity->addItem(QStringLiteral("Light"));
    CmbIntensity->addItem(QStringLiteral("Moderate"));
    CmbIntensity->addItem(QStringLiteral("Difficult"));
    app::guarded(switcher_.messages(), [this] { RefreshData(); });
}

void Form2::RefreshData() {
    const store::ResultSet rs = switcher_.session().db().select(
        QStringLiteral(
            "  Select SEID, ExerciseName, Intensity, Description From SetExercise Where UserID=") +
        switcher_.session().userIdText() + QStringLiteral(" Order By ExerciseName"));
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
        store::Database& db = switcher_.session().db();
        const QString user = switcher_.session().userIdText();
        // The rest-day row comes with the first exercise; both are kept or neither.
        db.inTransaction([&] {
            qint64 key = store::nextKey(db, QStringLiteral("  Select Max(SEID) From SetExercise"));
            replaceApostrophes();
            const store::ResultSet restDay =
                db.select(QStringLiteral("  Select SEID, Intensity From SetExercise Where "
                                         "Intensity='No Workout' And UserID=") +
                          user);
            if (restDay.recordCount() == 0) {
                db.execute(QStringLiteral("Insert Into SetExercise Values(") +
                           QString::number(key) + QStringLiteral(", ") + user +
                           QStringLiteral(", 'NULL', 'No Workout', 'I rested today.')"));
                ++key;
            }
            db.execute(QStringLiteral("Insert Into SetExercise Values(") + QString::number(key) +
                       QStringLiteral(", ") + user + QStringLiteral(", '") + TxtName->text() +
                       QStringLiteral("', '") + CmbIntensity->text() + QStringLiteral("', '") +
                       TxtDescription->toPlainText() + QStringLiteral("')"));
        });
        ClearData();
        messages.inform(QStringLiteral("Exercise has been added."));
        RefreshData();
    });
}

void Form2::updateExercise() {
    app::Messages& messages = switcher_.messages();
    if (CmbIntensity->text().isEmpty() || TxtName->text().isEmpty() || TxtHidID->text().isEmpty()) {
        messages.inform(QStringLiteral("Please select data in table."));
        return;
    }
    app::guarded(messages, [&] {
        if (messages.ask(QStringLiteral("Confirm update?"))) {
            replaceApostrophes();
            switcher_.session().db().execute(
                QStringLiteral(" Update SetExercise Set") + QStringLiteral(" ExerciseName='") +
                TxtName->text() + QStringLiteral("', Intensity='") + CmbIntensity->text() +
                QStringLiteral("', Description='") + TxtDescription->toPlainText() +
                QStringLiteral("'") + QStringLiteral(" Where SEID=") + TxtHidID->text() +
                QStringLiteral(" And UserID=") + switcher_.session().userIdText());
        }
        RefreshData();
    });
}

void Form2::removeExercise() {
    app::Messages& messages = switcher_.messages();
    if (TxtHidID->text().isEmpty()) {
        messages.inform(QStringLiteral("No data found in this field."));
        return;
    }
    if (!messages.ask(QStringLiteral("Confirm removal?"))) {
        return;
    }
    app::guarded(messages, [this] {
        store::Database& db = switcher_.session().db();
        const QString where =
            TxtHidID->text() + QStringLiteral(" And UserID=") + switcher_.session().userIdText();
        // The exercise's daily entries go first and with it, so that no entry outlives it and
        // a failure halfway removes neither.
        db.inTransaction([&] {
            db.execute(QStringLiteral("Delete From Exercise Where SEID=") + where);
            db.execute(QStringLiteral("Delete From SetExercise Where SEID=") + where);
        });
        ClearData();
        RefreshData();
    });
}

void Form2::pickRow() {
    app::guarded(switcher_.messages(), [this] {
        const store::ResultSet rs = switcher_.session().db().select(
            QStringLiteral(" Select SEID from SetExercise Where UserID=") +
            switcher_.session().userIdText());
        if (rs.recordCount() == 0) {
            return;
        }
        const int row = MSHFlexGrid1->currentGridRow();
        TxtHidID->setText(MSHFlexGrid1->textMatrix(row, 1));
        TxtName->setText(MSHFlexGrid1->textMatrix(row, 2));
        CmbIntensity->setText(MSHFlexGrid1->textMatrix(row, 3));
        TxtDescription->setPlainText(MSHFlexGrid1->textMatrix(row, 4));
        // The rest-day row can be neither changed nor removed here.
        if (CmbIntensity->text() == restDayIntensity) {
            ClearData();
            TxtHidID->clear();
        }
    });
}

void Form2::buildControls() {
    Label1 = frame_.Label1;
    LabelUser = frame_.LabelUser;
    CmdHelp = frame_.CmdHelp;

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

    const auto command = [this](const char* name, const char* caption, const char* shape, int top) {
        auto* label = new widgets::CommandLabel(QLatin1String(name), QLatin1String(caption),
                                                QLatin1String(shape), Frame1);
        label->setGeometry(568, top, 96, 28);
        return label;
    };
    LblAdd = command("LblAdd", "&SUBMIT", "Shape10", 208);
    LblEdit = command("LblEdit", "&UPDATE", "Shape11", 244);
    LblDelete = command("LblDelete", "&REMOVE", "Shape12", 280);
    LblClear = command("LblClear", "&CLEAR", "Shape13", 316);

    widgets::nameByCaption(Label2, TxtName);
    widgets::nameByCaption(Label3, CmbIntensity);
    widgets::nameByCaption(lblDescription, TxtDescription);
    frame_.setReadingOrder({CmdHelp, TxtName, CmbIntensity, TxtDescription, MSHFlexGrid1, LblAdd,
                            LblEdit, LblDelete, LblClear});

    // The frame, not the window, puts every label of the window back to rest.
    widgets::HoverReset::install(Frame1, frame_.bar->labels())
        ->add({LblAdd, LblEdit, LblDelete, LblClear});

    connect(LblAdd, &widgets::CommandLabel::clicked, this, &Form2::addExercise);
    connect(LblEdit, &widgets::CommandLabel::clicked, this, &Form2::updateExercise);
    connect(LblDelete, &widgets::CommandLabel::clicked, this, &Form2::removeExercise);
    connect(LblClear, &widgets::CommandLabel::clicked, this, &Form2::ClearData);
    connect(MSHFlexGrid1, &widgets::Grid::clicked, this, &Form2::pickRow);
    // The click before a double-click has picked the row.
    connect(MSHFlexGrid1, &widgets::Grid::doubleClicked, this, &Form2::removeExercise);
}

}  // namespace mirtal::exercise
