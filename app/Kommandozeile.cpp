#include "app/Kommandozeile.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "app/Spaltenfuellung.h"
#include "app/StartBefehl.h"
#include "basis/Plattform.h"

namespace rastfang {

namespace {

// An option that takes a value, and the entry the value goes to.
struct WertOption {
    const char* pszName;
    QString Eingaben::*feld;  // null for the column entries
    int iSpalte;              // column entry index, or -1
};

const std::array<WertOption, 8> WERT_OPTIONEN{{
    {"--name", nullptr, 0},
    {"--vorname", nullptr, 1},
    {"--geburtsdatum", nullptr, 2},
    {"--beruf", nullptr, 3},
    {"--erstes-ergebnis", nullptr, 4},
    {"--datenfilter", nullptr, 5},
    {"--filterwert", &Eingaben::sFilterWert, -1},
    {"--startzeile", &Eingaben::sZeile, -1},
}};

Befehlszeile fehler(const QString& sText) {
    Befehlszeile b;
    b.art = Befehlszeile::Art::Fehler;
    b.sFehler = sText;
    return b;
}

const WertOption* findeOption(const QString& sName) {
    for (const WertOption& o : WERT_OPTIONEN) {
        if (sName == QLatin1String(o.pszName)) return &o;
    }
    return nullptr;
}

void schreibe(std::FILE* ziel, const QString& sText) {
    const QByteArray utf8 = sText.toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<size_t>(utf8.size()), ziel);
    std::fflush(ziel);
}

}  // namespace

Befehlszeile gBefehlszeileLesen(const QStringList& argumente) {
    Befehlszeile b;
    const bool bExtract = !argumente.isEmpty() && argumente.first() == QStringLiteral("extract");
    if (bExtract) b.art = Befehlszeile::Art::Extract;

    QStringList dateien;
    std::array<bool, 6> bSpalteGegeben{};
    bool bOptionenZuEnde = false;
    for (qsizetype i = bExtract ? 1 : 0; i < argumente.size(); ++i) {
        const QString& sArg = argumente[i];
        // A lone "-" is a file name as well (as the shells' convention for stdin reads it).
        if (bOptionenZuEnde || !sArg.startsWith(QLatin1Char('-')) || sArg.size() == 1) {
            dateien << sArg;
            continue;
        }
        if (sArg == QStringLiteral("--")) {
            bOptionenZuEnde = true;
            continue;
        }
        if (sArg == QStringLiteral("--help")) {
            b.art = Befehlszeile::Art::Hilfe;
            return b;
        }
        if (sArg == QStringLiteral("--version")) {
            b.art = Befehlszeile::Art::Version;
            return b;
        }
        if (bExtract && sArg == QStringLiteral("--ueberschreiben")) {
            b.bUeberschreiben = true;
            continue;
        }
        const qsizetype gleich = sArg.indexOf(QLatin1Char('='));
        const QString sName = gleich < 0 ? sArg : sArg.left(gleich);
        const WertOption* option = bExtract ? findeOption(sName) : nullptr;
        if (!option) return fehler(QStringLiteral("Unbekannte Option: %1").arg(sName));
        QString sWert;
        if (gleich >= 0) {
            sWert = sArg.mid(gleich + 1);
        } else if (i + 1 < argumente.size()) {
            sWert = argumente[++i];
        } else {
            return fehler(QStringLiteral("Der Option %1 fehlt ihr Wert.").arg(sName));
        }
        if (option->iSpalte >= 0) {
            b.eingaben.sSpalte[static_cast<size_t>(option->iSpalte)] = sWert;
            bSpalteGegeben[static_cast<size_t>(option->iSpalte)] = true;
        } else {
            b.eingaben.*(option->feld) = sWert;
        }
    }
    if (!bExtract) {
        if (dateien.size() > 1) {
            return fehler(
                QStringLiteral("Das Fenster öffnet nur eine DATEI; zu viel: %1").arg(dateien[1]));
        }
        if (!dateien.isEmpty()) b.sDatei = dateien.first();
        return b;
    }
    if (dateien.size() != 2) {
        return fehler(QStringLiteral("extract braucht genau zwei Dateien: EINGABE und AUSGABE."));
    }
    b.eingaben.sErgebnisdatei = dateien[0];
    b.eingaben.sErgebnisWorkfile = dateien[1];

    if (!bSpalteGegeben[1] && !bSpalteGegeben[2] && !bSpalteGegeben[3] && !bSpalteGegeben[4]) {
        gbSpaltenFuellen(b.eingaben.sSpalte);
    }
    return b;
}

QString gsAufrufhilfe() {
    return QStringLiteral(
        "Aufruf:\n"
        "  rastfang [--] [DATEI]            öffnet das Hauptfenster; DATEI kommt als\n"
        "                                   Ergebnisdatei in das erste Eingabefeld\n"
        "  rastfang extract [Optionen] [--] EINGABE AUSGABE\n"
        "                                   extrahiert die Azubis und Noten aus der\n"
        "                                   Ergebnisdatei EINGABE in die neue Datei AUSGABE\n"
        "\n"
        "Optionen von extract (SPALTE: Spaltenbuchstaben, z.B. DN):\n"
        "  --name SPALTE             Spalte der Namen (muss mit 'Name' bezeichnet sein)\n"
        "  --vorname SPALTE          Spalte der Vornamen\n"
        "  --geburtsdatum SPALTE     Spalte der Geburtsdaten (kann fehlen)\n"
        "  --beruf SPALTE            Spalte der Berufe\n"
        "  --erstes-ergebnis SPALTE  erste Ergebnisspalte\n"
        "  --datenfilter SPALTE      Spalte des Datenfilters (kann fehlen)\n"
        "  --filterwert TEXT         Wert, den der Datenfilter zeigen muss (genau so)\n"
        "  --startzeile TEXT         Zeile mit den Fachüberschriften (kann fehlen)\n"
        "  --ueberschreiben          eine vorhandene AUSGABE ersetzen (sonst: Abbruch)\n"
        "\n"
        "Allgemeine Optionen:\n"
        "  --help                    diese Hilfe\n"
        "  --version                 Name und Version des Programms\n"
        "  --                        beendet die Optionen: alles danach ist eine Datei,\n"
        "                            auch wenn es mit - beginnt (z.B. -x.xlsx)\n"
        "\n"
        "Fehlen --vorname, --geburtsdatum, --beruf und --erstes-ergebnis, folgen sie wie im\n"
        "Fenster der Namensspalte (D ergibt E, F, G und H).\n"
        "\n"
        "Exit-Status: 0 fertig (Zusammenfassung auf stdout), 1 Eingabe abgelehnt,\n"
        "2 falscher Aufruf, 3 Abbruch mit Fehlermeldung. Meldungen gehen nach stderr.\n");
}

QString gsVersion() {
    return QStringLiteral("rastfang " RASTFANG_VERSION "\n");
}

bool gbAnzeigeVorhanden() {
    for (const char* pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* pszWert = std::getenv(pszName);
        if (pszWert && *pszWert) return true;
    }
    return false;
}

int giExtractAusfuehren(const Befehlszeile& befehl) {
    StderrMeldungsBox box(befehl.bUeberschreiben);
    const MeldungsBoxTausch tausch(box);

    StartRueckmeldungen rueck;
    rueck.zusammenfassungZeigen = [](const QString& sText) {
        QString sAusgabe = sText;
        sAusgabe.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        schreibe(stdout, sAusgabe + QLatin1Char('\n'));
    };
    switch (gStartAusfuehren(befehl.eingaben, rueck)) {
        case StartErgebnis::Fertig:
            return Exitcode::FERTIG;
        case StartErgebnis::PruefungNichtBestanden:
            return Exitcode::ABGELEHNT;
        case StartErgebnis::Abgebrochen:
        case StartErgebnis::Fehler:
            return Exitcode::FEHLERBERICHT;
    }
    return Exitcode::FEHLERBERICHT;
}

}  // namespace rastfang
