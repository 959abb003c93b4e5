// The pages that ship beside the program: every picture they show was drawn at build time.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>

namespace {

TEST(ShippedPages, EveryPictureThePagesShowExistsAtItsSize) {
  int pictures = 0;
  for (const char* page : {"instructions.html", "contact.html"}) {
    QFile file(QString(VANDREL_HELP_DIR) + "/" + page);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << page;
    const QRegularExpression image(R"re(<img src="([^"]+)"[^>]*width="(\d+)" height="(\d+)")re");
    for (const QRegularExpressionMatch& match : image.globalMatch(html)) {
      const QImage picture(QString(VANDREL_HELP_DIR) + "/" + match.captured(1));
      EXPECT_FALSE(picture.isNull()) << match.captured(1).toStdString();
      EXPECT_EQ(picture.width(), match.captured(2).toInt()) << match.captured(1).toStdString();
      EXPECT_EQ(picture.height(), match.captured(3).toInt()) << match.captured(1).toStdString();
      ++pictures;
    }
  }
  EXPECT_GE(pictures, 25) << "all pieces, the source, the drain and the buttons";
}

}  // namespace
