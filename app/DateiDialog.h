#pragma once
// The seam to the desktop's file dialog: the pickers describe what they want and get a path or
// nothing back, so that tests can stand in for the modal dialog and check what it was asked.

#include <QString>
#include <QStringList>
#include <optional>

#include "basis/Plattform.h"

namespace rastfang {

/// What a file dialog is asked to show.
struct DateiDialogOptionen {
    enum class Art { Oeffnen, Speichern };

    Art art = Art::Oeffnen;                ///< open dialog or save dialog
    QString sTitel;                        ///< window title
    QStringList filter;                    ///< the filters in Qt form ("Name (*.a *.b)"), in order
    QString sGewaehlterFilter;             ///< the filter preselected (one of `filter`)
    QString sStartordner;                  ///< initial folder; empty: the dialog's own choice
    QString sDateiName;                    ///< initial file name; may be empty
    bool bMussExistieren = false;          ///< only an existing file may be chosen
    bool bKeineUeberschreibFrage = false;  ///< the save dialog does not ask before replacing
};

/// A modal file dialog.
class DateiDialog {
  public:
    virtual ~DateiDialog() = default;
    /// Shows the dialog and waits for the user. Returns the full path chosen, or nothing when
    /// the user cancelled or the dialog failed. Must not change the process's current folder.
    virtual std::optional<QString> Zeige(const DateiDialogOptionen& optionen) = 0;
};

/// The file dialog of Qt (QFileDialog, Qt's own widgets, not the platform's native dialog, so
/// that it behaves alike everywhere and can be centred like every other Qt dialog).
class QtDateiDialog : public DateiDialog {
  public:
    std::optional<QString> Zeige(const DateiDialogOptionen& optionen) override;
};

/// The file dialog in use: the installed one, else a QtDateiDialog.
DateiDialog& gDateiDialog();

template <>
DateiDialog*& gNahtSitz<DateiDialog>();
/// Installs a file dialog for the lifetime of the guard and puts the previous one back.
using DateiDialogTausch = NahtTausch<DateiDialog>;

}  // namespace rastfang
