#include "frontends/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "res/catalogue.h"

void InstallQtTranslations(QCoreApplication& application) {
  const std::string_view code = LanguageCode(TextLanguage());
  const QString name = QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()));
  QLocale::setDefault(QLocale(name));
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral("qtbase_") + name,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}
