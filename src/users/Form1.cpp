#include "users/Form1.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/Border.h"
#include "app/Links.h"
#include "app/PlatformSettings.h"
#include "app/Resources.h"
#include "app/StoreGuard.h"
#include "app/WindowSwitcher.h"
#include "app/WindowTable.h"
#include "store/KeyAllocator.h"
#include "users/UserRemoval.h"
#include "users/UserStatements.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ChoiceList.h"
#include "widgets/Colours.h"
#include "widgets/CommandLabel.h"
#include "widgets/HoverReset.h"
#include "widgets/ReadingOrder.h"
#include "widgets/Twips.h"

namespace mirtal::users {

using widgets::twips;

Form1::Form1(app::WindowSwitcher& switcher) : switcher_(switcher) {
    app::nameWindow(this, app::WindowId::User);
    buildControls();

    // Load.
    app::LayoutBorder(this);
    app::guarded(switcher_.messages(), [this] { switcher_.session().OpenConnection(); });
    CmbUser->clear();
    CmbUser->setText(QString());
    TxtUser->setMaxLength(20);
}

void Form1::RefreshData() {
    store::Session& session = switcher_.session();
    bool userExists = false;
    if (session.currentUserId()) {
        const store::ResultSet rs = session.db().select(statements::userRow(session.userIdText()));
        userExists = rs.recordCount() > 0;
    }
    if (!userExists) {
        CmbUser->clear();
        CmbUser->setText(QString());
        switcher_.closeMainWindow();
    }
}

void Form1::fillUserList() {
    app::guarded(switcher_.messages(), [this] {
        CmbUser->clear();
        store::ResultSet rs = switcher_.session().db().select(statements::allUsers());
        for (; !rs.eof(); rs.moveNext()) {
            CmbUser->addItem(rs.field(u"UserName").toString(), rs.field(u"UserID"));
        }
        CmbUser->setText(QString());
    });
}

void Form1::userPicked(int index) {
    switcher_.session().setCurrentUserId(CmbUser->itemData(index).toLongLong());
}

void Form1::addUser() {
    app::Messages& messages = switcher_.messages();
    if (TxtUser->text().isEmpty()) {
        messages.inform(QStringLiteral("Add User"));
        return;
    }
    const bool added = app::guarded(messages, [this] {
        store::Database& db = switcher_.session().db();
        const qint64 key = store::nextKey(db, statements::lastUserKey());
        TxtUser->setText(QString(TxtUser->text()).replace(u'\'', u'`'));
        db.execute(statements::insertUser(key, TxtUser->text()));
    });
    if (added) {
        TxtUser->clear();
        messages.inform(QStringLiteral("User has been added."));
    }
}

void Form1::removeUser() {
    app::Messages& messages = switcher_.messages();
    store::Session& session = switcher_.session();
    if (CmbUser->text().isEmpty() || !session.currentUserId()) {
        messages.inform(QStringLiteral("Please select user."));
        return;
    }
    if (messages.ask(QStringLiteral("Are you sure?\nUser will be permanently deleted."))) {
        if (app::guarded(messages, [&] { removeUserData(session.db(), session.userIdText()); })) {
            messages.inform(QStringLiteral("Successfully Removed."));
        }
    }
    app::guarded(messages, [this] { RefreshData(); });
}

void Form1::start() {
    if (CmbUser->text().isEmpty()) {
        switcher_.messages().inform(QStringLiteral("You did't select the user. Select the user"));
        return;
    }
    app::WindowSwitcher& switcher = switcher_;
    close();
    switcher.showStartWindow();
    app::SetDateSeparator();
    app::SetTimeFormat();
}

void Form1::openWebSite() {
    switcher_.links().open(app::sitePage(switcher_.applicationDirectory(), QStringLiteral("/")));
}

void Form1::showHelp() {
    switcher_.messages().inform(
        QStringLiteral(
            "1. If this is the first time you are using Mirtal, enter a new username and "
            "press ENTER, or click on ADD.\n"
            "2. Select your user name from the pull down list and click START.\n"
            "3. REMOVE will delete the selected user permanently, along with all "
            "corresponding data."),
        QStringLiteral("USER"));
}

void Form1::buildControls() {
    setFixedSize(480, 290);
    setWindowIcon(app::resourcePicture(QStringLiteral(":/mirtal.png")));

    // The background picture is also the surface that puts the labels back to rest.
    bak = new QLabel(this);
    bak->setObjectName(QStringLiteral("bak"));
    bak->setGeometry(rect());
    bak->setAutoFillBackground(true);
    QPalette grey = bak->palette();
    grey.setColor(QPalette::Window, widgets::colours::lightGrey);
    bak->setPalette(grey);
    setPalette(grey);
    app::addBorderPictures(this);
    bak->lower();

    Label1 = new QLabel(QStringLiteral("User"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(40, 42, 56, 26);

    CmbUser = new widgets::ChoiceList(QStringLiteral("CmbUser"), this);
    CmbUser->setGeometry(100, 42, 220, 26);
    CmbUser->setText(QStringLiteral("Select user."));

    LblStart = new widgets::CommandLabel(QStringLiteral("LblStart"), QStringLiteral("&START"),
                                         QStringLiteral("Shape1"), this);
    LblStart->setGeometry(344, 40, 96, 28);
    LblDelete = new widgets::CommandLabel(QStringLiteral("LblDelete"), QStringLiteral("&REMOVE"),
                                          QStringLiteral("Shape2"), this);
    LblDelete->setGeometry(344, 76, 96, 28);

    Frame1 = new QGroupBox(QStringLiteral("Add /Remove User"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(40, 118, 400, 84);
    Label2 = new QLabel(QStringLiteral("Name"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(16, 34, 50, 26);
    TxtUser = new QLineEdit(QStringLiteral("New user name."), Frame1);
    TxtUser->setObjectName(QStringLiteral("TxtUser"));
    TxtUser->setGeometry(66, 34, 200, 26);
    LblAdd = new widgets::CommandLabel(QStringLiteral("LblAdd"), QStringLiteral("&ADD"),
                                       QStringLiteral("Shape3"), Frame1);
    LblAdd->setGeometry(290, 33, 96, 28);

    LblURL = widgets::CommandLabel::link(QStringLiteral("LblURL"),
                                         QStringLiteral("Mirtal home page"), this);
    LblURL->setGeometry(40, 232, 160, 24);

    CmdHelp = new QPushButton(QStringLiteral("Help"), this);
    CmdHelp->setObjectName(QStringLiteral("CmdHelp"));
    CmdHelp->setGeometry(344, 230, 96, 28);

    widgets::nameByCaption(Label1, CmbUser);
    widgets::nameByCaption(Label2, TxtUser);
    widgets::setReadingOrder({CmbUser, LblStart, LblDelete, TxtUser, LblAdd, LblURL, CmdHelp});
    CmbUser->setFocus();

    widgets::HoverReset::install(Frame1, {LblAdd});
    widgets::HoverReset::install(bak, {LblDelete, LblStart, LblURL});

    connect(CmbUser, &widgets::ChoiceList::dropDown, this, &Form1::fillUserList);
    connect(CmbUser, &widgets::ChoiceList::picked, this, &Form1::userPicked);
    connect(TxtUser, &QLineEdit::returnPressed, this, &Form1::addUser);
    connect(LblAdd, &widgets::CommandLabel::clicked, this, &Form1::addUser);
    connect(LblDelete, &widgets::CommandLabel::clicked, this, &Form1::removeUser);
    connect(LblStart, &widgets::CommandLabel::clicked, this, &Form1::start);
    connect(LblURL, &widgets::CommandLabel::clicked, this, &Form1::openWebSite);
    connect(CmdHelp, &QPushButton::clicked, this, &Form1::showHelp);
}

}  // namespace mirtal::users
