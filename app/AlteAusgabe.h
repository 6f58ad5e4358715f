#pragma once
// The output file the user agreed to replace. It is not removed at the "Ja": it is set aside in
// its own folder, inside a hidden folder with a short name, and keeps its own name there. When
// the run has put the new output in place it goes to the desktop trash (deleted where there is
// no trash); when the run fails it gets its name back. A set-aside file left by a killed run is
// never deleted by the program.

#include <QString>

namespace rastfang {

/// Whether the user's trash can take files: the data folder that holds it must exist (Qt would
/// otherwise drop the file into a "files" folder of the current directory).
bool gbPapierkorbVorhanden();

/// Moves the file `sPfad` to the trash when `gbPapierkorbVorhanden`, else (or when the move
/// fails) deletes it. Raises error 70 when access is denied, 75 for any other failure.
void gAlteAusgabeEntfernen(const QString& sPfad);

class AlteAusgabe {
  public:
    /// Sets the file `sPfad` aside: afterwards no file of that name exists. Raises error 70
    /// when access is denied, 75 for any other failure (the file then stays where it was).
    explicit AlteAusgabe(const QString& sPfad);
    /// Gives the file its name back unless Verwerfen() was called.
    ~AlteAusgabe();
    AlteAusgabe(const AlteAusgabe&) = delete;
    AlteAusgabe& operator=(const AlteAusgabe&) = delete;

    /// Where the file lies now.
    const QString& Beiseite() const { return m_sBeiseite; }

    /// The new output is in place: the old file goes to the trash (or is deleted). Failures
    /// leave it where it lies; nothing is raised.
    void Verwerfen();

    /// Gives the file its old name back when no file holds that name now; true when it did.
    bool Zurueckgeben();

  private:
    QString m_sOriginal;
    QString m_sOrdner;  ///< the hidden folder that holds the set-aside file
    QString m_sBeiseite;
    bool m_bErledigt = false;
};

}  // namespace rastfang
