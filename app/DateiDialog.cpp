#include "app/DateiDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

namespace rastfang {

namespace {
// The installed file dialog. Like the message box it stands for the desktop, one per process.
DateiDialog* g_dialog = nullptr;

DateiDialog& qtDialog() {
    static QtDateiDialog dialog;
    return dialog;
}

// A folder typed the Windows way ("C:\Daten\") names nothing here; the same path with "/" often
// does (entries brought over from a Windows installation or typed by habit).
QString startordner(const QString& sOrdner) {
    if (sOrdner.isEmpty() || QDir(sOrdner).exists()) return sOrdner;
    QString sSchraeg = sOrdner;
    sSchraeg.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(sSchraeg).exists() ? sSchraeg : sOrdner;
}

// Qt's file model writes sizes and modification times in the system's language, which on a
// desktop set to English or C would be the English texts ("6.30 KiB") in a German dialog.
class DeutscheDetailspalten : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int iRolle) const override {
        constexpr int SPALTE_GROESSE = 1;
        constexpr int SPALTE_GEAENDERT = 3;
        const auto* modell = qobject_cast<const QFileSystemModel*>(sourceModel());
        const QLocale deutsch(QLocale::German, QLocale::Germany);
        if (modell && index.column() == SPALTE_GEAENDERT && iRolle == Qt::DisplayRole) {
            const QDateTime zeit = modell->lastModified(mapToSource(index));
            return deutsch.toString(zeit, QLocale::ShortFormat);
        }
        if (modell && index.column() == SPALTE_GROESSE && iRolle == Qt::DisplayRole &&
            !modell->isDir(mapToSource(index))) {
            return deutsch.formattedDataSize(modell->size(mapToSource(index)));
        }
        return QIdentityProxyModel::data(index, iRolle);
    }
};

// The dialog itself does not touch the current folder, but relative paths elsewhere in the
// program are resolved against it, so it is put back whatever happens while the dialog is open.
class AktuellerOrdnerWahrer {
  public:
    AktuellerOrdnerWahrer() : m_sOrdner(QDir::currentPath()) {}
    ~AktuellerOrdnerWahrer() {
        if (QDir::currentPath() != m_sOrdner) QDir::setCurrent(m_sOrdner);
    }
    AktuellerOrdnerWahrer(const AktuellerOrdnerWahrer&) = delete;
    AktuellerOrdnerWahrer& operator=(const AktuellerOrdnerWahrer&) = delete;

  private:
    const QString m_sOrdner;
};
}  // namespace

std::optional<QString> QtDateiDialog::Zeige(const DateiDialogOptionen& optionen) {
    const AktuellerOrdnerWahrer ordner;
    const bool bSpeichern = optionen.art == DateiDialogOptionen::Art::Speichern;

    QFileDialog dialog(QApplication::activeWindow(), optionen.sTitel);
    // Qt's own dialog: it is a QDialog like any other, so the centring on the screen reaches it,
    // and it looks the same on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setProxyModel(new DeutscheDetailspalten(&dialog));  // owned by the dialog
    dialog.setAcceptMode(bSpeichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(optionen.bMussExistieren ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, optionen.bKeineUeberschreibFrage);
    dialog.setNameFilters(optionen.filter);
    if (!optionen.sGewaehlterFilter.isEmpty()) dialog.selectNameFilter(optionen.sGewaehlterFilter);
    const QString sOrdner = startordner(optionen.sStartordner);
    if (!sOrdner.isEmpty()) dialog.setDirectory(sOrdner);
    dialog.selectFile(optionen.sDateiName);
    // Qt sizes the detail columns for short English texts ("128.88 GB", "mp3Folder"), which cuts
    // German sizes ("11,28 KiB") and types ("…-Arbeitsblatt"); they take what their texts need,
    // the name column the rest of a dialog made wider for them where the screen has the room.
    if (auto* liste = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* kopf = liste->header();
        kopf->setStretchLastSection(false);
        kopf->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int i = 1; i < kopf->count(); ++i)
            kopf->setSectionResizeMode(i, QHeaderView::ResizeToContents);
        constexpr int BREITE_MIT_DETAILS = 900;
        const QScreen* schirm = dialog.screen();
        const int iPlatz = schirm ? schirm->availableGeometry().width() * 9 / 10 : 0;
        const int iBreite = std::min(BREITE_MIT_DETAILS, iPlatz);
        if (iBreite > dialog.width()) dialog.resize(iBreite, dialog.height());
    }

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList gewaehlt = dialog.selectedFiles();
    if (gewaehlt.isEmpty() || gewaehlt.first().isEmpty()) return std::nullopt;
    return gewaehlt.first();
}

DateiDialog& gDateiDialog() {
    return g_dialog ? *g_dialog : qtDialog();
}

template <>
DateiDialog*& gNahtSitz<DateiDialog>() {
    return g_dialog;
}

}  // namespace rastfang
