#include "frontends/qt/qt_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "frontends/qt/qt_strings.h"

namespace {

// The folder of the file chosen last in this run; empty before the first choice.
QString s_lastFolder;

}  // namespace

QStringList NameFilters(std::string_view filter) {
  const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& text = parts[i];
    if (text.isEmpty()) break;  // "||" ends the list
    const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    const QString suffix = QStringLiteral("(%1)").arg(patterns);
    filters << (text.endsWith(suffix) ? text : QStringLiteral("%1 %2").arg(text, suffix));
  }
  return filters;
}

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogOptions& options) {
  dialog.setAcceptMode(options.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList filters = NameFilters(options.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(ToQString(options.defaultExt));
  if (!options.fileName.empty()) dialog.selectFile(ToQString(options.fileName));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, options.open || !options.overwritePrompt);
}

QString StartFolder() {
  if (!s_lastFolder.isEmpty() && QFileInfo(s_lastFolder).isDir()) return s_lastFolder;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

// Qt's own dialog, not the desktop's: it speaks the program's language with Qt's translations
// and behaves the same everywhere.
int RunQtFileDialog(QWidget* owner, const FileDialogOptions& options, std::string& path) {
  QFileDialog dialog(owner);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setDirectory(StartFolder());
  ConfigureFileDialog(dialog, options);
  if (dialog.exec() != QDialog::Accepted) return IDCANCEL;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return IDCANCEL;
  path = ToUtf8(chosen.front());
  s_lastFolder = QFileInfo(chosen.front()).absolutePath();
  return IDOK;
}
