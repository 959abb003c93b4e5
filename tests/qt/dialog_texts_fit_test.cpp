// Every dialog's texts fit their controls in every language: each text measured with Qt's own
// text layout in the dialog's font, against the control the template gives it.

#include <gtest/gtest.h>

#include <algorithm>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>

#include "app/about_dlg.h"
#include "app/input_name_dlg.h"
#include "app/list_dlg.h"
#include "frontends/qt/qt_framework.h"
#include "tests/qt/modal_helpers.h"
#include "tests/support/scoped_language.h"

namespace {

// The width a button needs for its text: the text as the button lays it out, with the style's
// margins and frame around it.
int NeededWidth(const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.features = button->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
  const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
  return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button).width();
}

void ExpectTextsFit(QWidget* window, const std::string& where) {
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;  // the icon
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
        << where << ": \"" << label->text().toStdString() << "\"";
  }
  for (const QPushButton* button : window->findChildren<QPushButton*>()) {
    EXPECT_LE(NeededWidth(button), button->width())
        << where << ": button \"" << button->text().toStdString() << "\"";
  }
  // The list's columns, each as wide as its heading and its rows need, side by side.
  for (QTableWidget* table : window->findChildren<QTableWidget*>()) {
    const auto* view = static_cast<const QAbstractItemView*>(table);
    int columns = 0;
    for (int column = 0; column < table->columnCount(); ++column) {
      columns += std::max(table->horizontalHeader()->sectionSizeHint(column),
                          view->sizeHintForColumn(column));
    }
    EXPECT_LE(columns, table->viewport()->width()) << where << ": the list's columns";
  }
}

TEST(DialogTexts, FitTheirControlsInEveryLanguage) {
  ModalWatchdog watchdog;
  QtFramework framework;
  for (int language = 0; language < LanguageCount(); ++language) {
    const std::string code(LanguageCode(language));
    ScopedLanguage speaking(code);
    Leaderboard board;  // ten default rows: the default name in this language's words
    CAboutDlg about(framework);
    CListDlg list(framework, board);
    CInputNameDlg name(framework);
    const std::pair<CDialog*, const char*> dialogs[] = {
        {&about, "About"}, {&list, "leaderboard"}, {&name, "name"}};
    for (const auto& [dialog, what] : dialogs) {
      int seen = 0;
      WhenModalOpens([&, what = what](QWidget* modal) {
        ++seen;
        ExpectTextsFit(modal, code + " " + what);
        modal->close();
      });
      dialog->DoModal();
      EXPECT_EQ(seen, 1) << code << " " << what;
    }
  }
}

}  // namespace
