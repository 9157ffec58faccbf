#include "reports/RowLabelList.h"

#include <gtest/gtest.h>

namespace mirtal::reports {
namespace {

TEST(RowLabelList, LabelsSetInAnyOrderAndAgainReadBackAsSet) {
    RowLabelList labels;
    labels.resize(3);
    EXPECT_EQ(labels.toList(), QStringList({"", "", ""}));
    labels.set(2, u"3 (2026/12/03)");
    labels.set(0, u"1 (2026/12/01)");
    EXPECT_EQ(labels.toList(), QStringList({"1 (2026/12/01)", "", "3 (2026/12/03)"}));

    // A copy keeps its labels while the list is drawn anew many times over, which writes
    // the labels out afresh now and then.
    const RowLabelList before = labels;
    for (int round = 0; round < 50; ++round) {
        for (int index = 0; index < 3; ++index) {
            labels.set(index, QString::number(round * 10 + index));
        }
    }
    EXPECT_EQ(labels.toList(), QStringList({"490", "491", "492"}));
    EXPECT_EQ(before.toList(), QStringList({"1 (2026/12/01)", "", "3 (2026/12/03)"}));

    // A label set from one of the list's own; fewer rows, then more.
    labels.set(1, labels.at(2));
    EXPECT_EQ(labels.at(1), u"492");
    labels.resize(2);
    labels.resize(4);
    EXPECT_EQ(labels.toList(), QStringList({"490", "492", "", ""}));
    EXPECT_EQ(labels.size(), 4);
}

}  // namespace
}  // namespace mirtal::reports
