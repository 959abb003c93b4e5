#pragma once

class QCoreApplication;

// Installs Qt's own Chinese (zh_CN) texts into application, so the file dialogs and the buttons
// of message boxes speak the game's language. Without the translation files installed Qt's
// English texts stay; that is not an error.
void InstallQtTranslations(QCoreApplication& application);
