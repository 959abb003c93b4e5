// The leaderboard, name and About dialogs as their Qt windows show them.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/about_dlg.h"
#include "app/input_name_dlg.h"
#include "app/list_dlg.h"
#include "frontends/qt/qt_framework.h"
#include "tests/qt/modal_helpers.h"

namespace {

QPushButton* ButtonOf(QWidget* window, const QString& text) {
  for (QPushButton* button : window->findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

QStringList RowTexts(const QTableWidget* table) {
  QStringList rows;
  for (int row = 0; row < table->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
      cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
    }
    rows << cells.join(" | ");
  }
  return rows;
}

QStringList DefaultRows() {
  QStringList rows;
  for (int k = 1; k <= 10; ++k) rows << QString("%1 | 佚名 | 0").arg(k, 2, 10, QChar('0'));
  return rows;
}

class ShellDialogs : public ::testing::Test {
 protected:
  ModalWatchdog m_watchdog;
  QtFramework m_framework;
};

TEST_F(ShellDialogs, LeaderboardListsTenRowsAndClearsThemWithoutClosing) {
  Leaderboard board;
  board.InsertScore("张三", 120);
  board.InsertScore("一个很长很长很长很长很长很长的名字", 35);
  CListDlg dialog(m_framework, board);
  WhenModalOpens([&](QWidget* modal) {
    EXPECT_EQ(modal->windowTitle(), QString("排行榜"));
    EXPECT_EQ(modal->size(), QSize(294, 264));
    auto* table = modal->findChild<QTableWidget*>();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->showGrid());
    EXPECT_EQ(table->selectionBehavior(), QAbstractItemView::SelectRows);
    QStringList expected = DefaultRows();
    expected[0] = "01 | 张三 | 120";
    expected[1] = "02 | 一个很长很长很长很长很长很长的名字 | 35";
    EXPECT_EQ(RowTexts(table), expected);
    for (int column = 0; column < 3; ++column) {
      EXPECT_GE(table->columnWidth(column), table->horizontalHeader()->sectionSizeHint(column));
      EXPECT_GE(table->columnWidth(column), static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column));
    }
    EXPECT_EQ(modal->focusWidget(), ButtonOf(modal, "确定"));

    ButtonOf(modal, "清空")->click();
    EXPECT_TRUE(modal->isVisible());
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QString("姓名"));
    EXPECT_EQ(RowTexts(table), DefaultRows());
    ButtonOf(modal, "确定")->click();
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(board.entries[0], (LeaderboardEntry{"佚名", 0.0}));
}

TEST_F(ShellDialogs, NameDialogOffersTheNameAndEnterAcceptsIt) {
  CInputNameDlg dialog(m_framework);
  dialog.m_strName = "李四";
  WhenModalOpens([&](QWidget* modal) {
    EXPECT_EQ(modal->windowTitle(), QString("榜上有名"));
    EXPECT_NE(ButtonOf(modal, "确定"), nullptr);
    EXPECT_EQ(modal->findChild<QLineEdit*>()->text(), QString("李四"));
    EXPECT_EQ(modal->findChild<QLabel*>()->text(),
              QString("您的分数已经冲入排行榜，请留下您的姓名:"));
    EXPECT_EQ(modal->focusWidget(), ButtonOf(modal, "确定"));
    QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strName, "李四");

  WhenModalOpens([&](QWidget* modal) {
    auto* edit = modal->findChild<QLineEdit*>();
    edit->setText("王五");
    QTest::keyClick(edit, Qt::Key_Return);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strName, "王五");
}

TEST_F(ShellDialogs, NameDialogClosedWithEscOrTheCloseBoxKeepsTheOfferedName) {
  CInputNameDlg dialog(m_framework);
  dialog.m_strName = "李四";
  for (bool escape : {true, false}) {
    WhenModalOpens([&](QWidget* modal) {
      modal->findChild<QLineEdit*>()->setText("王五");
      if (escape) {
        QTest::keyClick(modal, Qt::Key_Escape);
      } else {
        modal->close();
      }
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_strName, "李四");
  }
}

TEST_F(ShellDialogs, AboutBoxShowsTitleIconTextAndOk) {
  CAboutDlg dialog(m_framework);
  WhenModalOpens([&](QWidget* modal) {
    EXPECT_EQ(modal->windowTitle(), QString("关于 Flumora"));
    EXPECT_EQ(modal->size(), QSize(374, 120));
    EXPECT_GE(modal->findChildren<QLabel*>().size(), 3);
    bool icon = false;
    for (const QLabel* label : modal->findChildren<QLabel*>()) {
      icon |= label->pixmap().size() == QSize(32, 32);
    }
    EXPECT_TRUE(icon) << "the program's icon";
    EXPECT_FALSE(modal->windowIcon().isNull());
    ButtonOf(modal, "确定")->click();
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
