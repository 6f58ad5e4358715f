#pragma once
// The two pickers behind the browse buttons of the main window: they start the file dialog at
// the path the entry names and put the chosen path back into the entry.

#include "app/DateiDialog.h"

class QLineEdit;

namespace rastfang {

/// Lets the user choose the input results workbook with the open dialog (an existing file only),
/// starting in the folder and with the file name of `txtErgebnisdatei`. A chosen path without any
/// point gets ".xls"; the entry then holds the path and receives the focus. Cancel or any failure
/// leaves entry and focus untouched, without a message.
void ErgebnisdateiAuswaehlen(QLineEdit& txtErgebnisdatei);

/// Lets the user choose the output workbook with the save dialog (no question before replacing
/// a file: that comes when the run starts), starting from `txtErgebnisWorkfile`. A chosen path
/// without any point gets ".xml"; otherwise as ErgebnisdateiAuswaehlen.
void ExtraktdateiAuswaehlen(QLineEdit& txtErgebnisWorkfile);

}  // namespace rastfang
