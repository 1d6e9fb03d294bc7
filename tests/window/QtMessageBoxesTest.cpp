// The message boxes: the report's lines kept whole, boxes that fit any screen.
#include "ErrorReport.h"
#include "QtMessageBoxes.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace orrinvale;

TEST(QtMessageBoxes, LoneCarriageReturnsBecomeLineBreaksOnlyOnScreen)
{
    EXPECT_EQ(displayText("desc\r\nin X at line 5\r\rPlease"), QStringLiteral("desc\nin X at line 5\n\nPlease"));
}

TEST(QtMessageBoxes, TheErrorReportKeepsEachLineOnOneLineUnderItsExactTitle)
{
    const std::string text = errorReportText("Control array element '77' doesn't exist", origin::kDropVerdict, 108,
                                             "support@orrinvale.example");
    const auto box = makeMessageBox(std::string(kErrorBoxTitle), text, BoxIcon::Warning, nullptr);
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Application Error"));
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->wordWrap());
    const QStringList lines = displayText(text).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    for (const QString& line : lines)
        EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width()) << line.toStdString();
    // Four lines high, no more.
    EXPECT_LT(label->height(), 5 * label->fontMetrics().lineSpacing());
}

TEST(QtMessageBoxes, ALineWiderThanTheScreenIsWrappedOnceAndTheBoxStaysOnScreen)
{
    const auto box = makeMessageBox("Application Error", std::string(400, 'W') + "\r\nin Form1 at line 100",
                                    BoxIcon::Warning, nullptr);
    struct Counter : QObject {
        int layouts = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            layouts += e->type() == QEvent::LayoutRequest;
            return false;
        }
    } counter;
    box->installEventFilter(&counter);
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    const int settled = counter.layouts;
    QTest::qWait(300);
    EXPECT_LE(counter.layouts - settled, 1) << "no layout loop";

    const QRect room = box->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(box->frameGeometry())) << "the box on its screen";
    const auto* ok = box->button(QMessageBox::Ok);
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(room.contains(QRect(ok->mapToGlobal(QPoint()), ok->size()))) << "its OK button in sight";
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    EXPECT_TRUE(label->wordWrap());
    EXPECT_GT(label->width(), room.width() / 2) << "wrapped at the screen's width";
}

TEST(QtMessageBoxes, ATextTallerThanTheScreenScrollsWithOkInSight)
{
    std::string text = "Missed:";
    for (int i = 0; i < 60; ++i)
        text += "\n\u2022 State " + std::to_string(i) + " (1 wrong drop)";
    const auto box = makeMessageBox("Orrinvale", text, BoxIcon::None, nullptr);
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    const QRect room = box->screen()->availableGeometry();
    EXPECT_TRUE(room.contains(box->frameGeometry()));
    EXPECT_GT(box->height(), room.height() * 3 / 4) << "as tall as the screen allows";
    const auto* ok = box->button(QMessageBox::Ok);
    EXPECT_TRUE(room.contains(QRect(ok->mapToGlobal(QPoint()), ok->size())));
    auto* scroll = box->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(scroll->focusPolicy(), Qt::StrongFocus);
    auto* bar = scroll->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    scroll->setFocus();
    for (int page = 0; page < 10; ++page)
        QTest::keyClick(scroll, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->maximum()) << "the last line reached by keys";
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    EXPECT_TRUE(label->accessibleName().endsWith(QStringLiteral("State 59 (1 wrong drop)")));
}
