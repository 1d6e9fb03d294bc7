// The chooser of maps, worked by the keys as by a screen reader's user.
#include "MapCatalogue.h"
#include "MapChooser.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace orrinvale;

TEST(MapChooser, ListsEachMapWithItsCountAndPlaysTheOneChosenByKeys)
{
    MapChooser chooser("us-states");
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    auto* list = chooser.findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), static_cast<int>(kMaps.size()));
    EXPECT_EQ(list->item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("US states, 50 states"));
    EXPECT_TRUE(list->item(1)->data(Qt::AccessibleTextRole).toString().startsWith(QStringLiteral("Africa, ")));
    EXPECT_TRUE(list->item(1)->data(Qt::AccessibleTextRole).toString().endsWith(QStringLiteral(" countries")));
    EXPECT_FALSE(list->item(1)->icon().isNull());
    EXPECT_TRUE(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Right);
    QTest::keyClick(list, Qt::Key_Right);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.chosen(), "asia");
}
