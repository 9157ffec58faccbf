#include <gtest/gtest.h>

#include "store/KeyAllocator.h"
#include "support/TestDatabase.h"

namespace mirtal {
namespace {

const QString allocate = QStringLiteral("  Select Max(UserID) From User1");

void addUser(testing::TestDatabase& t) {
    const qint64 key = store::nextKey(t.db(), allocate);
    t.db().execute(QStringLiteral("Insert Into User1 Values(%1, 'U%1')").arg(key));
}

TEST(KeyAllocation, FirstKeyIsOneThenHighestIsReusedButNotAMiddleOne) {
    testing::TestDatabase t;
    EXPECT_EQ(store::nextKey(t.db(), allocate), 1);
    for (int i = 0; i < 5; ++i) {
        addUser(t);
    }
    EXPECT_EQ(store::nextKey(t.db(), allocate), 6);

    t.db().execute(QStringLiteral("Delete  From User1 Where UserID=5"));
    EXPECT_EQ(store::nextKey(t.db(), allocate), 5);

    t.db().execute(QStringLiteral("Delete  From User1 Where UserID=3"));
    EXPECT_EQ(store::nextKey(t.db(), allocate), 5);
    EXPECT_EQ(t.statements.first(), allocate);
}

}  // namespace
}  // namespace mirtal
