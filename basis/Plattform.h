#pragma once
// The seams to the desktop: everything that would block or need a screen (the modal message
// box, the application-wide mouse pointer) goes through one small interface each. The program
// installs the Qt implementations at start-up, the command line installs stderr ones, and tests
// install recorders. Without an installed implementation the stderr message box and a mouse
// pointer that only remembers its value are used, so nothing ever blocks by accident.

#include <QString>
#include <cstdint>

namespace rastfang {

/// Message-box style numbers (button set + icon) and answer numbers.
namespace MsgBox {
inline constexpr int16_t OK_ONLY = 0;
inline constexpr int16_t YES_NO = 4;
inline constexpr int16_t RETRY_CANCEL = 5;
inline constexpr int16_t CRITICAL = 16;
inline constexpr int16_t QUESTION = 32;
inline constexpr int16_t EXCLAMATION = 48;
inline constexpr int16_t INFORMATION = 64;

inline constexpr int16_t ANSWER_OK = 1;
inline constexpr int16_t ANSWER_CANCEL = 2;
inline constexpr int16_t ANSWER_ABORT = 3;
inline constexpr int16_t ANSWER_RETRY = 4;
inline constexpr int16_t ANSWER_IGNORE = 5;
inline constexpr int16_t ANSWER_YES = 6;
inline constexpr int16_t ANSWER_NO = 7;
}  // namespace MsgBox

/// The standard modal message box: shows text and title with the buttons and icon that the
/// style number names, waits for the user, returns the answer number.
class MeldungsBox {
  public:
    virtual ~MeldungsBox() = default;
    virtual int16_t Zeige(const QString& sText, int16_t iStil, const QString& sTitel) = 0;
};

/// The application-wide mouse pointer: 0 default, 11 hourglass.
class Mauszeiger {
  public:
    static constexpr int16_t STANDARD = 0;
    static constexpr int16_t SANDUHR = 11;
    virtual ~Mauszeiger() = default;
    virtual int16_t Lesen() const = 0;
    virtual void Setzen(int16_t iZeiger) = 0;
};

/// The message box in use.
MeldungsBox& gMeldungsBox();
/// The mouse pointer in use.
Mauszeiger& gMauszeiger();

/// Where the implementation of seam `Naht` in use is installed (nullptr: the fallback). Each
/// seam defines its own; only `NahtTausch` writes it.
template <typename Naht>
Naht*& gNahtSitz();
template <>
MeldungsBox*& gNahtSitz<MeldungsBox>();
template <>
Mauszeiger*& gNahtSitz<Mauszeiger>();

/// Installs `neu` (not owned) as the implementation of seam `Naht` for the lifetime of the
/// guard and puts the previous one back.
template <typename Naht>
class NahtTausch {
  public:
    explicit NahtTausch(Naht& neu) : m_vorher(gNahtSitz<Naht>()) { gNahtSitz<Naht>() = &neu; }
    ~NahtTausch() { gNahtSitz<Naht>() = m_vorher; }
    NahtTausch(const NahtTausch&) = delete;
    NahtTausch& operator=(const NahtTausch&) = delete;

  private:
    Naht* m_vorher;
};

using MeldungsBoxTausch = NahtTausch<MeldungsBox>;
using MauszeigerTausch = NahtTausch<Mauszeiger>;

/// The message box of the command line: prints the title on one line and then the text (CR LF
/// turned into "\n") to stderr, and answers without asking: Yes/No styles with the configured
/// Yes/No answer, Retry/Cancel with Cancel, everything else with OK. The answer to a question
/// follows as a line "Antwort: Ja", "Antwort: Nein" or "Antwort: Abbrechen".
class StderrMeldungsBox : public MeldungsBox {
  public:
    explicit StderrMeldungsBox(bool bJaAntworten = false) : m_bJa(bJaAntworten) {}
    int16_t Zeige(const QString& sText, int16_t iStil, const QString& sTitel) override;
    /// Number of boxes shown so far.
    int iAnzahl() const { return m_iAnzahl; }

  private:
    bool m_bJa;
    int m_iAnzahl = 0;
};

/// A mouse pointer without a screen: it only remembers the value set.
class MerkenderMauszeiger : public Mauszeiger {
  public:
    int16_t Lesen() const override { return m_iZeiger; }
    void Setzen(int16_t iZeiger) override { m_iZeiger = iZeiger; }

  private:
    int16_t m_iZeiger = STANDARD;
};

}  // namespace rastfang
