// The chooser of maps, worked by the keys as by a screen reader's user.
#include "MapCatalogue.h"
#include "MapChooser.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
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
    ASSERT_EQ(list->count(), static_cast<int>(std::size(kMaps)));
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

TEST(MapChooser, PlaysNothingWhileNoMapIsChosen)
{
    MapChooser chooser("europe");
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    auto* list = chooser.findChild<QListWidget*>();
    auto* play = chooser.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(play->isEnabled());
    // A Ctrl+click on the chosen map clears the choice: Play waits.
    const QRect europe = list->visualItemRect(list->currentItem());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, europe.center());
    EXPECT_EQ(chooser.chosen(), "");
    EXPECT_FALSE(play->isEnabled());
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(chooser.isVisible());
    // Enter on the map in focus chooses it and plays it.
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
    EXPECT_EQ(chooser.chosen(), "europe");
}
