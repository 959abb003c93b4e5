#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The icon of a message box style: the stop sign for MB_ICONERROR, the information sign for
// MB_ICONINFORMATION, none otherwise.
QMessageBox::Icon MessageBoxIcon(unsigned type);

// A modal box over owner (may be null) with the caption, the text as it stands (never read as
// markup) and one OK button. Returns IDOK, however it was closed.
int RunMessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type);
