#pragma once
// A tiny tmpfs for the full-disk tests, in a mount namespace of the test's own thread (programs it
// starts inherit it), so that a crashed test leaves no mount behind on the machine.

#include <QString>
#include <QTemporaryDir>

namespace rastfang::test {

class KleinerDatentraeger {
  public:
    /// Mounts a tmpfs of `iKiB` KiB at `sOrt`, or at a fresh folder beside the build tree when
    /// `sOrt` is empty (not under /tmp, which a test may cover with a full file system).
    explicit KleinerDatentraeger(int iKiB, const QString& sOrt = {});
    ~KleinerDatentraeger();
    KleinerDatentraeger(const KleinerDatentraeger&) = delete;
    KleinerDatentraeger& operator=(const KleinerDatentraeger&) = delete;

    /// False when mounting was not allowed (a test machine may not grant it): skip the test.
    bool bBereit() const { return m_bBereit; }
    const QString& Pfad() const { return m_sPfad; }
    /// Fills the file system up to `iFreiKiB` KiB with a file named `sName`.
    void Fuellen(int iFreiKiB = 0, const QString& sName = QStringLiteral("fuellung")) const;

  private:
    QTemporaryDir m_ordner;
    QString m_sPfad;
    bool m_bBereit = false;
};

}  // namespace rastfang::test
