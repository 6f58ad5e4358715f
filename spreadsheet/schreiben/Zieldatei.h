#pragma once
// The file a save goes to, written atomically: the content goes into a temporary file in the
// target's own folder (so that the final rename stays on one file system and is atomic), which
// replaces the target only when it is complete. Whatever goes wrong, the target keeps its old
// content and no temporary file is left behind (a terminating signal removes it too; one left by
// a killed save is removed at a later save into that folder). The temporary name is short, so
// every legal target name can be saved. A replaced target keeps its mode.

#include <sys/types.h>
#include <QByteArray>
#include <QFile>
#include <QString>

namespace rastfang::spreadsheet {

class Zieldatei {
  public:
    /// Prepares saving to `sPfad`: checks the target and creates the temporary file. Raises
    /// VbFehler 1004 naming the file and the reason (missing folder, no write permission, a
    /// folder in the way, …).
    explicit Zieldatei(const QString& sPfad);
    /// Removes the temporary file unless Uebernehmen() succeeded.
    ~Zieldatei();
    Zieldatei(const Zieldatei&) = delete;
    Zieldatei& operator=(const Zieldatei&) = delete;

    /// The target as the user named it, absolute.
    const QString& Pfad() const { return m_sPfad; }
    /// The temporary file in file-system encoding, for libraries that open it themselves.
    const QByteArray& TempName() const { return m_tempName; }
    /// The open descriptor of the temporary file (-1 after SchliesseHandle()).
    int Handle() const { return m_fd; }
    /// Closes the descriptor so that a library can rewrite the temporary file by name.
    void SchliesseHandle();

    /// The temporary file's path as text.
    QString TempPfad() const { return QFile::decodeName(m_tempName); }

    /// Flushes the temporary file to disk and renames it onto the target, with the mode of the
    /// file it replaces (or of the old output set aside for it), else the umask's default.
    void Uebernehmen();

    /// Raises 1004: the file cannot be saved, for `sGrund`.
    [[noreturn]] void Fehler(const QString& sGrund) const;
    /// Raises 1004 with the German reason for the system error `iErrno`.
    [[noreturn]] void SystemFehler(int iErrno) const;

  private:
    mode_t Zielmodus() const;

    QString m_sPfad;
    QString m_sOrdner;
    QByteArray m_tempName;
    int m_fd = -1;
    bool m_bUebernommen = false;
    mode_t m_iNeuModus = 0644;
};

/// The German reason for the system error `iErrno` when writing into folder `sOrdner`.
QString gsSchreibgrund(int iErrno, const QString& sOrdner);

}  // namespace rastfang::spreadsheet
