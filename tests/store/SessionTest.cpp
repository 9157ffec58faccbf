#include <gtest/gtest.h>

#include "support/TestDatabase.h"

namespace mirtal {
namespace {

using UserLoad = store::Session::UserLoad;

TEST(LoadCurrentUser, OneRowSetsTheNameNoneEmptiesItTwoKeepIt) {
    testing::TestDatabase t;
    store::Session& s = t.session();
    t.db().execute(QStringLiteral("Insert Into User1 Values(1, 'Ann')"));
    s.setCurrentUserId(1);
    EXPECT_EQ(s.LoadCurrentUser(), UserLoad::Loaded);
    EXPECT_EQ(s.currentUserName(), QStringLiteral("Ann"));
    EXPECT_EQ(t.statements.last(),
              QStringLiteral(" Select UserID, UserName From User1 Where UserID=1"));

    // Keys are the program's own work, so a duplicate can only come from outside; the
    // window reports it and the name stays.
    t.db().selectNative("DROP TABLE User1");
    t.db().selectNative("CREATE TABLE User1 (UserID INTEGER, UserName TEXT)");
    t.db().selectNative("INSERT INTO User1 VALUES (1, 'Bob'), (1, 'Cy')");
    EXPECT_EQ(s.LoadCurrentUser(), UserLoad::Duplicate);
    EXPECT_EQ(s.currentUserName(), QStringLiteral("Ann"));

    s.setCurrentUserId(7);
    EXPECT_EQ(s.LoadCurrentUser(), UserLoad::Missing);
    EXPECT_EQ(s.currentUserName(), QString());
}

}  // namespace
}  // namespace mirtal
