#pragma once

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

// Runs the dialog modally over owner. On IDOK path holds the chosen full path (UTF-8).
int RunQtFileDialog(QWidget* owner, const FileDialogOptions& options, std::string& path);
