#pragma once
// Shared helpers of the tests: fixture paths, the independent reader, a message-box recorder.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "basis/Plattform.h"

namespace rastfang::test {

/// Path of a committed fixture file under tests/data.
QString gsTestdatei(const QString& sName);

/// Runs /usr/bin/python3 with `sSkript` (source text) and arguments; returns its stdout.
/// Fails the current test (ADD_FAILURE) when the interpreter exits non-zero.
QString gsPython(const QString& sSkript, const QStringList& argumente = {});

/// One message box as it was shown.
struct GezeigteMeldung {
    QString sText;
    int16_t iStil;
    QString sTitel;
    int16_t iZeiger;  ///< the mouse pointer while the box waited
};

/// A message box that records every call and answers from a script (default: OK for OK styles,
/// the first scripted answer otherwise; without script Yes/No answers No, Retry/Cancel Cancel).
class MeldungsRecorder : public MeldungsBox {
  public:
    int16_t Zeige(const QString& sText, int16_t iStil, const QString& sTitel) override;
    /// Queues the answers of the next boxes.
    void Antworten(std::initializer_list<int16_t> antworten) {
        m_antworten.insert(m_antworten.end(), antworten);
    }
    std::vector<GezeigteMeldung> meldungen;

  private:
    std::deque<int16_t> m_antworten;
};

}  // namespace rastfang::test
