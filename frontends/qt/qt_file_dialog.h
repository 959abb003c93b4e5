#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "platform/framework.h"

class QFileDialog;
class QWidget;

// The filter list "text|patterns|text|patterns||" as Qt name filters: each text, followed by
// its patterns in brackets unless the text already ends with them ("游戏存档 (*.flm)").
QStringList NameFilters(std::string_view filter);

// Sets up dialog as options ask: open or save, the filters, the extension added to a typed
// name without one, the initial name, and the question before overwriting a file on save.
// The open dialog accepts a typed name of a file that does not exist.
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogOptions& options);

// Where the next dialog starts: the folder of the file chosen last in this run, else the
// user's documents folder, else the home folder.
QString StartFolder();

// Runs Qt's own dialog modally over owner, starting in StartFolder(). On IDOK path holds the
// chosen full path (UTF-8), and its folder becomes the start of the next dialog.
int RunQtFileDialog(QWidget* owner, const FileDialogOptions& options, std::string& path);
