#include <gtest/gtest.h>

#include <QFile>

#include "DeliveredFolder.h"
#include "ProgramHarness.h"
#include "Unattended.h"
#include "app/OpeningAhead.h"
#include "support/QtApplication.h"
#include "support/ScriptedMessages.h"

namespace mirtal {
namespace {

// The opening begun before the windowing system starts belongs to the file it was begun for,
// and only once.
TEST(OpeningAhead, IsHandedOverOnceAndOnlyForItsFile) {
    const harness::DeliveredFolder folder;
    app::OpeningAhead ahead(folder.path());
    EXPECT_FALSE(ahead.takeFor(folder.filePath(QStringLiteral("Other.mdb"))).valid());
    store::DatabaseOpening opening = ahead.takeFor(folder.file());
    ASSERT_TRUE(opening.valid());
    EXPECT_NE(opening.get(), nullptr);
    EXPECT_FALSE(ahead.takeFor(folder.file()).valid());
}

// The start that takes an opening over shows the user window on the file it opened, and
// reports a file that cannot be opened as the start without it does.
TEST(OpeningAhead, TheStartTakesItOverAndReportsItsFailure) {
    testing::ensureQtApplication();
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "damaged file" : "delivered file");
        const harness::DeliveredFolder folder;
        if (damaged) {
            QFile file(folder.file());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(4096, 'x'));
        }
        app::OpeningAhead ahead(folder.path());
        testing::ScriptedMessages messages;
        harness::RecordingLinks links;
        harness::ProgramHarness program(folder.path(), messages, links);
        EXPECT_EQ(program.app.start(&ahead), !damaged);
        EXPECT_FALSE(ahead.takeFor(folder.file()).valid());
        if (damaged) {
            ASSERT_EQ(messages.shown.size(), 1);
            EXPECT_TRUE(messages.shown[0].text.contains(folder.file()));
            EXPECT_EQ(program.switcher().loadedWindow(app::WindowId::User), nullptr);
        } else {
            EXPECT_TRUE(messages.shown.isEmpty());
            EXPECT_TRUE(program.switcher().loadedWindow(app::WindowId::User)->isVisible());
            EXPECT_TRUE(program.session().isOpen());
        }
    }
}

}  // namespace
}  // namespace mirtal
