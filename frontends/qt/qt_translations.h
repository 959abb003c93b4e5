#pragma once

class QCoreApplication;

// Installs Qt's own texts in the language of this run (res/catalogue.h) into application, so
// the file dialogs and the buttons of message boxes speak the game's language, and makes it
// Qt's default locale. Without Qt's translation files for it installed (English needs none),
// Qt's English texts stay; that is not an error.
void InstallQtTranslations(QCoreApplication& application);
