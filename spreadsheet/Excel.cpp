#include "spreadsheet/Excel.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "basis/Int16.h"
#include "basis/VbFehler.h"
#include "spreadsheet/Anzeige.h"
#include "spreadsheet/AutoFit.h"
#include "spreadsheet/Palette.h"
#include "spreadsheet/lesen/Oeffnen.h"
#include "spreadsheet/schreiben/Speichern.h"

// Which error for which misuse: everything the application refuses on an object that exists
// raises 1004 with a German reason, as the spreadsheet application does; a sheet index outside
// the collection raises 9; an application that has quit can no longer create or open
// workbooks, which the caller sees as 429, the error of an object that cannot be created.
// Workbooks of a quit application are closed, so every use of them raises 1004.

namespace rastfang::spreadsheet {

namespace {

constexpr int kMaxNamenslaenge = 31;

[[noreturn]] void Verweigert(const QString& sGrund) {
    throw VbFehler(FEHLER_ANWENDUNG, sGrund);
}

void PruefeMappe(const MappenDaten& mappe) {
    if (mappe.bGeschlossen) Verweigert(QStringLiteral("Die Arbeitsmappe ist bereits geschlossen."));
}

/// 0-based position of `blatt` in `mappe`, -1 when it has been deleted.
int Position(const MappenDaten& mappe, const Blatt* blatt) {
    for (size_t i = 0; i < mappe.blaetter.size(); ++i) {
        if (mappe.blaetter[i].get() == blatt) return static_cast<int>(i);
    }
    return -1;
}

void PruefeBlatt(const MappenDaten& mappe, const Blatt* blatt) {
    PruefeMappe(mappe);
    if (Position(mappe, blatt) < 0) {
        Verweigert(QStringLiteral("Das Tabellenblatt gehört nicht mehr zur Arbeitsmappe."));
    }
}

bool IstZiffer(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

/// Reads `s` as a plain number in German regional form, -?(0|[1-9][0-9]{0,14})(,[0-9]+)?;
/// false for anything else. A hand-written scan: the writer passes hundreds of thousands of
/// texts through here.
bool IstRegionaleZahl(const QString& s, double& dWert) {
    const qsizetype n = s.size();
    qsizetype i = 0;
    if (i < n && s[i] == QLatin1Char('-')) ++i;
    const qsizetype lGanzAnfang = i;
    if (i >= n || !IstZiffer(s[i])) return false;
    if (s[i] == QLatin1Char('0')) {
        ++i;
    } else {
        while (i < n && IstZiffer(s[i])) ++i;
        if (i - lGanzAnfang > 15) return false;
    }
    if (i < n) {
        if (s[i] != QLatin1Char(',')) return false;
        ++i;
        const qsizetype lBruchAnfang = i;
        while (i < n && IstZiffer(s[i])) ++i;
        if (i == lBruchAnfang || i != n) return false;
    }
    // The scan above leaves only ASCII digits, "-" and one ",": copied into a buffer on the
    // stack, the number is converted without a temporary byte array (from_chars rounds
    // correctly, as the text-to-number conversion of Qt does).
    std::array<char, 64> puffer{};
    if (n > static_cast<qsizetype>(puffer.size())) {
        QByteArray zahl = s.toLatin1();
        zahl.replace(',', '.');
        bool bOk = false;
        dWert = zahl.toDouble(&bOk);
        if (dWert == 0) dWert = 0;  // "-0" is stored as 0, as the application does
        return bOk;
    }
    const QChar* q = s.constData();
    for (qsizetype k = 0; k < n; ++k) {
        puffer[static_cast<size_t>(k)] = q[k] == u',' ? '.' : static_cast<char>(q[k].unicode());
    }
    const auto r = std::from_chars(puffer.data(), puffer.data() + n, dWert);
    if (r.ec != std::errc() || r.ptr != puffer.data() + n) return false;
    if (dWert == 0) dWert = 0;  // "-0" is stored as 0, as the application does
    return true;
}

void PruefeBlattname(const MappenDaten& mappe, const Blatt* blatt, const QString& sName) {
    if (sName.isEmpty())
        Verweigert(QStringLiteral("Der Name eines Tabellenblatts darf nicht leer sein."));
    if (sName.size() > kMaxNamenslaenge) {
        Verweigert(
            QStringLiteral("Der Name \"%1\" ist zu lang: Ein Tabellenblattname darf höchstens "
                           "31 Zeichen haben.")
                .arg(sName));
    }
    for (const QChar c : sName) {
        if (QStringLiteral("[]:*?/\\").contains(c)) {
            Verweigert(QStringLiteral("Der Name \"%1\" enthält das unzulässige Zeichen \"%2\": "
                                      "Tabellenblattnamen dürfen keines der Zeichen [ ] : * ? / \\ "
                                      "enthalten.")
                           .arg(sName, c));
        }
    }
    if (sName.startsWith(QLatin1Char('\'')) || sName.endsWith(QLatin1Char('\''))) {
        Verweigert(
            QStringLiteral("Der Name \"%1\" darf nicht mit einem Apostroph beginnen oder enden.")
                .arg(sName));
    }
    for (const auto& anderes : mappe.blaetter) {
        if (anderes.get() != blatt && anderes->Name().compare(sName, Qt::CaseInsensitive) == 0) {
            Verweigert(QStringLiteral("Der Name \"%1\" wird bereits von einem anderen Blatt dieser "
                                      "Arbeitsmappe verwendet.")
                           .arg(sName));
        }
    }
}

/// The smallest "TabelleN" that no sheet of `mappe` carries (ignoring case).
QString NaechsterFreierName(const MappenDaten& mappe) {
    for (int n = 1;; ++n) {
        const QString sName = QStringLiteral("Tabelle%1").arg(n);
        const bool bBelegt = std::any_of(
            mappe.blaetter.begin(), mappe.blaetter.end(),
            [&](const auto& b) { return b->Name().compare(sName, Qt::CaseInsensitive) == 0; });
        if (!bBelegt) return sName;
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Range

Range::Range(std::shared_ptr<MappenDaten> mappe, Blatt* blatt, int32_t lZeile1, int32_t lSpalte1,
             int32_t lZeile2, int32_t lSpalte2)
    : m_mappe(std::move(mappe)),
      m_blatt(blatt),
      m_z1(std::min(lZeile1, lZeile2)),
      m_s1(std::min(lSpalte1, lSpalte2)),
      m_z2(std::max(lZeile1, lZeile2)),
      m_s2(std::max(lSpalte1, lSpalte2)) {
    // Whoever builds a range directly gets the same check as Cells: the storage relies on it.
    if (m_z1 < 1 || m_z2 > MAX_ZEILE || m_s1 < 1 || m_s2 > MAX_SPALTE) {
        Verweigert(QStringLiteral("Der Bereich Zeile %1 bis %2, Spalte %3 bis %4 liegt außerhalb "
                                  "des Tabellenblatts.")
                       .arg(m_z1)
                       .arg(m_z2)
                       .arg(m_s1)
                       .arg(m_s2));
    }
}

template <typename F>
void Range::FuerJedeZelle(F&& f) const {
    PruefeBlatt(*m_mappe, m_blatt);
    for (int32_t z = m_z1; z <= m_z2; ++z) {
        for (int32_t s = m_s1; s <= m_s2; ++s) f(m_blatt->Schreib(z, s));
    }
}

template <typename F>
void Range::AendereStil(F&& f) const {
    // A rectangle mostly holds few distinct formats: remember what each old format became, so
    // that the format table is searched once per format, not once per cell.
    std::vector<std::pair<uint32_t, uint32_t>> ersetzt;
    FuerJedeZelle([&](Zelle& zelle) {
        for (const auto& [alt, neu] : ersetzt) {
            if (alt == zelle.stil) {
                zelle.stil = neu;
                return;
            }
        }
        Stil stil = m_mappe->stile[zelle.stil];
        f(stil);
        const uint32_t neu = m_mappe->StilIndex(stil);
        ersetzt.emplace_back(zelle.stil, neu);
        zelle.stil = neu;
    });
}

QString Range::Text() const {
    PruefeBlatt(*m_mappe, m_blatt);
    const Zelle& zelle = m_blatt->Lies(m_z1, m_s1);
    return gsAnzeigeText(zelle, m_mappe->stile[zelle.stil], m_mappe->b1904);
}

QString Range::Value() const {
    PruefeBlatt(*m_mappe, m_blatt);
    const Zelle& zelle = m_blatt->Lies(m_z1, m_s1);
    return gsWertText(zelle, m_mappe->stile[zelle.stil], m_mappe->b1904);
}

void Range::SetValue(const QString& sWert) {
    Zelle neu;
    double dZahl = 0;
    if (sWert.isEmpty()) {
        neu.typ = ZellTyp::Leer;
    } else if (IstRegionaleZahl(sWert, dZahl)) {
        neu.typ = ZellTyp::Zahl;
        neu.zahl = dZahl;
    } else {
        neu.typ = ZellTyp::Text;
        neu.text = sWert;
    }
    FuerJedeZelle([&](Zelle& zelle) {
        zelle.typ = neu.typ;
        zelle.zahl = neu.zahl;
        zelle.text = neu.text;
    });
}

void Range::InteriorObj::SetColorIndex(int16_t iIndex) {
    if (iIndex != KEINE_FARBE && !gbIstPalettenIndex(iIndex)) {
        Verweigert(QStringLiteral("Die Eigenschaft ColorIndex kann nicht auf %1 gesetzt werden: "
                                  "erlaubt sind 1 bis 56 und -4142.")
                       .arg(iIndex));
    }
    m_r.AendereStil([iIndex](Stil& s) { s.iFarbIndex = iIndex; });
}

void Range::FontObj::SetBold(bool bFett) {
    m_r.AendereStil([bFett](Stil& s) { s.bFett = bFett; });
}

void Range::SetHorizontalAlignment(int32_t lAusrichtung) {
    switch (lAusrichtung) {
        case Ausrichtung::STANDARD:
        case Ausrichtung::LINKS:
        case Ausrichtung::ZENTRIERT:
        case Ausrichtung::RECHTS:
            break;
        default:
            Verweigert(QStringLiteral("Die Eigenschaft HorizontalAlignment kann nicht auf %1 "
                                      "gesetzt werden.")
                           .arg(lAusrichtung));
    }
    AendereStil([lAusrichtung](Stil& s) { s.lAusrichtung = lAusrichtung; });
}

void Range::SetNumberFormat(const QString& sFormat) {
    // The empty format means General, as in the application.
    const QString sNeu = sFormat.isEmpty() ? QStringLiteral("General") : sFormat;
    AendereStil([&sNeu](Stil& s) { s.sZahlenformat = sNeu; });
}

void Range::SetLocked(bool bGesperrt) {
    AendereStil([bGesperrt](Stil& s) { s.bGesperrt = bGesperrt; });
}

Range Range::EntireColumn() const {
    return Range(m_mappe, m_blatt, 1, m_s1, MAX_ZEILE, m_s2);
}

void Range::AutoFit() {
    PruefeBlatt(*m_mappe, m_blatt);
    for (int32_t s = m_s1; s <= m_s2; ++s) {
        m_blatt->SetzeSpaltenbreite(s, gdEingepassteBreite(*m_mappe, *m_blatt, s, m_z1, m_z2));
    }
}

double Range::ColumnWidth() const {
    PruefeBlatt(*m_mappe, m_blatt);
    return m_blatt->Spaltenbreite(m_s1);
}

void Range::SetColumnWidth(float fBreite) {
    PruefeBlatt(*m_mappe, m_blatt);
    if (!(fBreite >= 0 && fBreite <= MAX_BREITE)) {
        Verweigert(QStringLiteral("Die Spaltenbreite %1 ist unzulässig: erlaubt sind 0 bis 255.")
                       .arg(static_cast<double>(fBreite)));
    }
    // Widths are kept to hundredths, so that a width read as single and written back (8.43)
    // stays the same number.
    const double dBreite = std::round(static_cast<double>(fBreite) * 100.0) / 100.0;
    for (int32_t s = m_s1; s <= m_s2; ++s) m_blatt->SetzeSpaltenbreite(s, dBreite);
}

// ---------------------------------------------------------------------------------------------
// Worksheet

Worksheet::Worksheet(std::shared_ptr<MappenDaten> mappe, std::shared_ptr<Blatt> blatt)
    : m_mappe(std::move(mappe)), m_blatt(std::move(blatt)) {}

QString Worksheet::Name() const {
    PruefeBlatt(*m_mappe, m_blatt.get());
    return m_blatt->Name();
}

void Worksheet::SetName(const QString& sName) {
    PruefeBlatt(*m_mappe, m_blatt.get());
    PruefeBlattname(*m_mappe, m_blatt.get(), sName);
    m_blatt->SetzeName(sName);
}

Range Worksheet::Cells(int32_t lZeile, int32_t lSpalte) const {
    PruefeBlatt(*m_mappe, m_blatt.get());
    if (lZeile < 1 || lZeile > MAX_ZEILE || lSpalte < 1 || lSpalte > MAX_SPALTE) {
        Verweigert(QStringLiteral("Die Zelle in Zeile %1, Spalte %2 liegt außerhalb des "
                                  "Tabellenblatts (Zeilen 1 bis 1048576, Spalten 1 bis 16384).")
                       .arg(lZeile)
                       .arg(lSpalte));
    }
    return Range(m_mappe, m_blatt.get(), lZeile, lSpalte, lZeile, lSpalte);
}

Range Worksheet::GetRange(const Range& a, const Range& b) const {
    PruefeBlatt(*m_mappe, m_blatt.get());
    if (a.m_blatt != m_blatt.get() || b.m_blatt != m_blatt.get()) {
        Verweigert(
            QStringLiteral("Ein Bereich kann nur Zellen desselben Tabellenblatts umfassen."));
    }
    return Range(m_mappe, m_blatt.get(), std::min(a.m_z1, b.m_z1), std::min(a.m_s1, b.m_s1),
                 std::max(a.m_z2, b.m_z2), std::max(a.m_s2, b.m_s2));
}

void Worksheet::Protect(bool bDrawingObjects, bool bContents, bool bScenarios) {
    PruefeBlatt(*m_mappe, m_blatt.get());
    m_blatt->SetzeSchutz(Blattschutz{true, bDrawingObjects, bContents, bScenarios});
}

void Worksheet::Delete() {
    PruefeBlatt(*m_mappe, m_blatt.get());
    auto& blaetter = m_mappe->blaetter;
    const int iPos = Position(*m_mappe, m_blatt.get());
    const auto lSichtbare = std::count_if(blaetter.begin(), blaetter.end(),
                                          [](const auto& b) { return !b->Versteckt(); });
    if (!m_blatt->Versteckt() && lSichtbare <= 1) {
        Verweigert(QStringLiteral("Das Blatt \"%1\" kann nicht gelöscht werden: Eine Arbeitsmappe "
                                  "muss mindestens ein sichtbares Blatt enthalten.")
                       .arg(m_blatt->Name()));
    }
    m_mappe->Entferne(static_cast<size_t>(iPos));
    // The sheet after the deleted one becomes active when the active one goes, like the tabs do.
    int& iAktiv = m_mappe->iAktivesBlatt;
    if (iPos < iAktiv) --iAktiv;
    iAktiv = std::clamp(iAktiv, 0, static_cast<int>(blaetter.size()) - 1);
}

// ---------------------------------------------------------------------------------------------
// Sheets

int16_t Sheets::Count() const {
    PruefeMappe(*m_mappe);
    return giInt16(static_cast<int64_t>(m_mappe->blaetter.size()));
}

Worksheet Sheets::Item(int32_t iIndex) const {
    PruefeMappe(*m_mappe);
    if (iIndex < 1 || static_cast<size_t>(iIndex) > m_mappe->blaetter.size()) {
        throw VbFehler(FEHLER_INDEX);
    }
    return Worksheet(m_mappe, m_mappe->blaetter[static_cast<size_t>(iIndex - 1)]);
}

Worksheet Sheets::Add() {
    PruefeMappe(*m_mappe);
    auto& blaetter = m_mappe->blaetter;
    const int iPos = std::clamp(m_mappe->iAktivesBlatt, 0, static_cast<int>(blaetter.size()));
    auto blatt = std::make_shared<Blatt>(NaechsterFreierName(*m_mappe));
    blaetter.insert(blaetter.begin() + iPos, blatt);
    m_mappe->iAktivesBlatt = iPos;
    return Worksheet(m_mappe, std::move(blatt));
}

// ---------------------------------------------------------------------------------------------
// Workbook

void Workbook::SaveAs(const QString& sPfad) {
    PruefeMappe(*m_mappe);
    gSpeichereArbeitsmappe(*m_mappe, sPfad);
    m_mappe->sPfad = sPfad;
}

void Workbook::Close() {
    PruefeMappe(*m_mappe);
    m_mappe->bGeschlossen = true;
    // The cells go now; objects still holding a sheet only learn that it is closed.
    while (!m_mappe->blaetter.empty()) m_mappe->Entferne(m_mappe->blaetter.size() - 1);
}

// ---------------------------------------------------------------------------------------------
// Workbooks and Application

namespace {

void PruefeAnwendung(const Application& app) {
    if (app.Beendet()) {
        throw VbFehler(FEHLER_OBJEKT_ERSTELLEN,
                       QStringLiteral("Die Tabellenkalkulation wurde bereits beendet."));
    }
}

void Aufraeumen(std::vector<std::shared_ptr<Workbook>>& mappen) {
    std::erase_if(mappen, [](const auto& m) { return m->Daten()->bGeschlossen; });
}

}  // namespace

std::shared_ptr<Workbook> Workbooks::Open(const QString& sPfad) {
    PruefeAnwendung(m_app);
    auto mappe = std::make_shared<Workbook>(gLiesArbeitsmappe(sPfad));
    Aufraeumen(m_app.m_mappen);
    m_app.m_mappen.push_back(mappe);
    return mappe;
}

std::shared_ptr<Workbook> Workbooks::Add() {
    PruefeAnwendung(m_app);
    auto daten = std::make_shared<MappenDaten>();
    for (int n = 1; n <= 3; ++n) {
        daten->blaetter.push_back(std::make_shared<Blatt>(QStringLiteral("Tabelle%1").arg(n)));
    }
    auto mappe = std::make_shared<Workbook>(std::move(daten));
    Aufraeumen(m_app.m_mappen);
    m_app.m_mappen.push_back(mappe);
    return mappe;
}

int16_t Workbooks::Count() const {
    PruefeAnwendung(m_app);
    const auto n = std::count_if(m_app.m_mappen.begin(), m_app.m_mappen.end(),
                                 [](const auto& m) { return !m->Daten()->bGeschlossen; });
    return giInt16(n);
}

void Application::Quit() {
    // Quitting twice is harmless: the instance is gone either way.
    for (const auto& mappe : m_mappen) {
        if (!mappe->Daten()->bGeschlossen) mappe->Close();
    }
    m_mappen.clear();
    m_bBeendet = true;
}

void Application::QuitOhneRueckfrage() noexcept {
    try {
        SetDisplayAlerts(false);
        Quit();
        SetDisplayAlerts(true);
    } catch (...) {
        // Nobody is left to hear about it; the instance goes away with its owner anyway.
    }
}

}  // namespace rastfang::spreadsheet
