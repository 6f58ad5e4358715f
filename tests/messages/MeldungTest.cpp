// The message catalogue, giMeldung with its placeholders, and the common error report.
#include <gtest/gtest.h>

#include <vector>

#include "TestHilfen.h"
#include "basis/Plattform.h"
#include "messages/Fehler.h"
#include "messages/STERROR.h"

using namespace rastfang;

namespace {

/// A mouse pointer that remembers every value set.
class ZeigerRecorder : public Mauszeiger {
  public:
    int16_t Lesen() const override { return iWert; }
    void Setzen(int16_t i) override { gesetzt.push_back(iWert = i); }
    int16_t iWert = SANDUHR;
    std::vector<int16_t> gesetzt;
};

/// Recorders for the message box and the pointer of one test.
struct Umgebung {
    test::MeldungsRecorder box;
    ZeigerRecorder zeiger;
    MeldungsBoxTausch boxTausch{box};
    MauszeigerTausch zeigerTausch{zeiger};
    int16_t iAntwort = 0;

    /// The last box shown as "title|style|text".
    QString letzte() const {
        if (box.meldungen.empty()) return "-";
        const auto& m = box.meldungen.back();
        return m.sTitel + "|" + QString::number(m.iStil) + "|" + m.sText;
    }
    /// Calls giMeldung, keeps its answer and returns the box it showed.
    QString zeige(const QString& ort, const QString& code, const QString& liste,
                  const PendingError& fehler = {}) {
        iAntwort = giMeldung(ort, code, liste, fehler);
        return letzte();
    }
};

int32_t fehlerCode(const QString& text, const QString& parameter) {
    try {
        gsStPlatzhalter_Ersetzen(text, parameter);
    } catch (const VbFehler& e) {
        return e.Number();
    }
    return 0;
}

}  // namespace

TEST(Platzhalter, SplittingFittingAndMalformedDollar) {
    // Items that end at ";" lose their blanks, the last (or only) keeps them.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("[$1][$2]", "  a  ;  b  "), "[a][  b  ]");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("[$1]", "  a b  "), "[  a b  ]");
    // A list ending with ";" has an empty last item that must be named.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("[$1]", "a;"), "");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("[$1][$2]", "a;"), "[a][]");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$2-$1-$2", "x;y"), "y-x-y");
    // Too few items, an item not named, or an empty list (one empty item) without placeholder.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$1 $3", "a;b"), "");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$1", "a;b"), "");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("ohne", ""), "");
    // "$$" is one "$"; a "$" inside an item is not looked at again.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$$1 $1", "$2"), "$1 $2");
    // Nine items fit nine placeholders; ten never fit.
    const QString neun = "$1$2$3$4$5$6$7$8$9";
    EXPECT_EQ(gsStPlatzhalter_Ersetzen(neun, "1;2;3;4;5;6;7;8; 9 "), "12345678 9 ");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen(neun, "1;2;3;4;5;6;7;8;9;"), "");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen(neun, "1;2;3;4;5;6;7;8;9;10;11"), "");

    for (const char* text : {"a $0 b", "$1 kostet 5$", "$a"}) {
        EXPECT_EQ(fehlerCode(text, "x"), FEHLER_INDEX) << text;
    }
    // A placeholder beyond the items ends the walk before a later malformed "$" is reached.
    EXPECT_EQ(fehlerCode("$5 $", "x"), 0);
}

TEST(Katalog, EveryCodeWithItsButtonsAndIcon) {
    const std::vector<std::tuple<int16_t, int16_t, QString>> gruppen{
        {0, 16,
         "VLM00010 VLM00011 VLM00100 VLM00110 VLM00122 VLM00124 VLM00125 VLM00126 VLM00127 "
         "VLM00130 VLM00150 VLM00160 VLM00203 VLM00210 VLM00220 VLM00290 VLM00360 VLM00361 "
         "VLM00364 VLM00365 VLM00380 VLM00381 VLM00382 VLM00383 VLM00384 VLM00385 VLM00386 "
         "VLM00387 VLM00390 VLM00391 VLM00395"},
        {5, 16, "VB00070"},
        {4, 32, "VLM00131 VLM00170 VLM00180 VLM00200 VLM00201 VLM00370"},
        {4, 48, "VB00071"},
        {0, 64, "VLM00132 VLM00133 VLM00134 VLM00140 VLM00212"}};
    size_t anzahl = 0;
    for (const auto& [knoepfe, symbol, codes] : gruppen) {
        for (const QString& code : codes.split(' ')) {
            ++anzahl;
            const StErrorZeile* z = gpStErrorZeile(code);
            ASSERT_NE(z, nullptr) << code.toStdString();
            EXPECT_EQ(z->iKnoepfe, knoepfe) << code.toStdString();
            EXPECT_EQ(z->iSymbol, symbol) << code.toStdString();
            // Every text survives substitution: no malformed "$" in the catalogue.
            const QString text = QString::fromUtf16(z->sText.data(), z->sText.size());
            EXPECT_NO_THROW(gsStPlatzhalter_Ersetzen(text, "x")) << code.toStdString();
        }
    }
    EXPECT_EQ(gStErrorKatalog().size(), anzahl);
    // Codes compare exactly.
    EXPECT_EQ(gpStErrorZeile(u"vlm00125"), nullptr);
    EXPECT_EQ(gpStErrorZeile(u"VLM00125 "), nullptr);
}

TEST(Meldung, CatalogueRowsTitlesAndAnswers) {
    Umgebung u;
    EXPECT_EQ(u.zeige("", "VLM00125", "Ergebnisdatei"),
              "Fehler VLM00125|16|Bitte angeben: Ergebnisdatei     ");
    EXPECT_EQ(u.iAntwort, MsgBox::ANSWER_OK);
    u.box.Antworten({MsgBox::ANSWER_YES});
    EXPECT_EQ(u.zeige("", "VLM00131", "/tmp/aus.xlsx"),
              "Frage VLM00131|36|Die Datei /tmp/aus.xlsx\r\nist schon vorhanden.\r\n\r\n"
              "Soll sie überschrieben werden?");
    EXPECT_EQ(u.iAntwort, MsgBox::ANSWER_YES);
    // An empty list: the placeholder stays.
    EXPECT_EQ(u.zeige("", "VLM00125", ""), "Fehler VLM00125|16|Bitte angeben: $1     ");
    EXPECT_EQ(u.zeige("", "VLM00130", "C:\\x.xls"),
              "Fehler VLM00130|16|Die Datei\r\nC:\\x.xls\r\nist nicht vorhanden.");
    EXPECT_EQ(u.zeige("", "VLM00140", " "),
              "Information VLM00140|64|Keine unverarbeiteten Schülerdaten vorhanden.");
    EXPECT_EQ(u.zeige("", "VLM00110", ""),
              "Fehler VLM00110|16|Ergebnisdatei und Datei für extrahierte Daten     \r\n"
              "müssen unterschiedliche Dateien sein.");
    // Abort comes back as Cancel; other answers pass through.
    u.box.Antworten({MsgBox::ANSWER_ABORT, MsgBox::ANSWER_IGNORE});
    EXPECT_EQ(giMeldung("", "VLM00125", "x"), MsgBox::ANSWER_CANCEL);
    EXPECT_EQ(giMeldung("", "VLM00125", "x"), MsgBox::ANSWER_IGNORE);
}

TEST(Meldung, MismatchReportAndLineBreakRows) {
    Umgebung u;
    const QString titel = "Fehlerhafte Meldung|48|Übergebene Parameter (";
    EXPECT_EQ(u.zeige("", "VLM00110", "x"),
              titel +
                  "x)\r\nund Meldung (Ergebnisdatei und Datei für extrahierte Daten     \r\n"
                  "müssen unterschiedliche Dateien sein.) passen nicht zusammen");
    EXPECT_EQ(u.zeige("", "VLM00127", "Zeilennummer;zwei"),
              titel +
                  "Zeilennummer;zwei)\r\nund Meldung ($1: Ungültiger Wert     ) passen nicht "
                  "zusammen");
    EXPECT_EQ(u.zeige("", "VLM00125", "1;2;3;4;5;6;7;8;9;10"),  // ten items never fit
              titel +
                  "1;2;3;4;5;6;7;8;9;10)\r\nund Meldung (Bitte angeben: $1     ) passen "
                  "nicht zusammen");
    // A question that does not fit becomes a warning with only OK; the place is still added.
    u.box.Antworten({MsgBox::ANSWER_OK});
    EXPECT_EQ(u.zeige("Form_Load/frmRasterfang", "VLM00131", "a;b").section('|', 0, 1),
              "Fehlerhafte Meldung|48");
    EXPECT_EQ(u.iAntwort, MsgBox::ANSWER_OK);
    EXPECT_TRUE(
        u.letzte().endsWith(") passen nicht zusammen\r\n\r\nFunktion: Form_Load/frmRasterfang"));

    // Only VLM00210 and VLM00212 rewrite "\n"; the mismatch report shows the rewritten list.
    EXPECT_EQ(u.zeige("", "VLM00210", "a\\nb"), "Fehler VLM00210|16|a\r\nb");
    EXPECT_EQ(u.zeige("", "VLM00212", "  eins\\nzwei  "),
              "Information VLM00212|64|  eins\r\nzwei  ");
    EXPECT_EQ(u.zeige("", "VLM00210", "a\\nb;c"),
              titel + "a\r\nb;c)\r\nund Meldung ($1) passen nicht zusammen");
    EXPECT_EQ(u.zeige("", "VLM00125", "a\\nb"), "Fehler VLM00125|16|Bitte angeben: a\\nb     ");
}

TEST(Meldung, PendingErrorsUnknownCodesAndPlaces) {
    Umgebung u;
    u.box.Antworten({MsgBox::ANSWER_RETRY, MsgBox::ANSWER_NO});
    EXPECT_EQ(u.zeige("", "", "", {70, "Zugriff verweigert"}),
              "Fehler VB00070|21|Zugriff verweigert");
    EXPECT_EQ(u.iAntwort, MsgBox::ANSWER_RETRY);
    EXPECT_EQ(u.zeige("", "", "", {71, "Datenträger nicht bereit"}),
              "Warnung VB00071|52|Das Diskettenlaufwerk ist nicht bereit.\r\n"
              "Wollen Sie den Zugriff wiederholen?");
    EXPECT_EQ(u.iAntwort, MsgBox::ANSWER_NO);
    EXPECT_EQ(u.zeige("", "", "", {13, "Typen unverträglich"}),
              "Fehler VB00013|16|Typen unverträglich");
    EXPECT_EQ(u.zeige("", "", "", {-2147417848, "Automatisierungsfehler"}),
              "Fehler VB80010108H|16|Automatisierungsfehler");
    EXPECT_EQ(u.zeige("", "", "", {-1, "x"}), "Fehler VBFFFFFFFFH|16|x");
    // A code passed in wins over the pending error.
    EXPECT_EQ(u.zeige("", "VLM00125", "x", {13, "Typen unverträglich"}),
              "Fehler VLM00125|16|Bitte angeben: x     ");
    // Unknown code, a "VB" code passed in, and an empty code without error.
    EXPECT_EQ(u.zeige("", "VLM99999", ""), "Fehler VLM99999|16|Unbekannter Fehler");
    EXPECT_EQ(u.zeige("", "VB00013", ""), "Fehler VB00013|16|");
    EXPECT_EQ(u.zeige("", "", ""), "Fehler |16|Unbekannter Fehler");
    // The handler's place goes under the text.
    EXPECT_EQ(u.zeige("cmdStart/frmRasterfang", "", "", {1004, "Die Datei fehlt."}),
              "Fehler VB01004|16|Die Datei fehlt.\r\n\r\nFunktion: cmdStart/frmRasterfang");
    EXPECT_EQ(u.zeige("Form_Load/frmRasterfang", "VLM00125", "Ergebnisdatei"),
              "Fehler VLM00125|16|Bitte angeben: Ergebnisdatei     \r\n\r\n"
              "Funktion: Form_Load/frmRasterfang");
}

TEST(Meldung, PointerSetToArrowAndRestored) {
    Umgebung u;
    giMeldung("", "VLM00125", "x");
    EXPECT_EQ(u.zeiger.gesetzt, (std::vector<int16_t>{0, Mauszeiger::SANDUHR}));
    // A malformed "$" (here in an error's description) escapes to the caller without a box;
    // the pointer stays at the arrow until the caller's handler restores it.
    u.zeiger.gesetzt.clear();
    u.box.meldungen.clear();
    try {
        giMeldung("", "", "x", PendingError{13, "kostet 5$"});
        ADD_FAILURE() << "no error raised";
    } catch (const VbFehler& e) {
        EXPECT_EQ(e.Number(), FEHLER_INDEX);
    }
    EXPECT_TRUE(u.box.meldungen.empty());
    EXPECT_EQ(u.zeiger.gesetzt, (std::vector<int16_t>{0}));
}

TEST(Fehlerbericht, TitleTextAndStyle) {
    Umgebung u;
    gZeigeFehlerbericht({1004, "Die Datei kann nicht geöffnet werden."}, "OpenFile",
                        "/CXlsExtract");
    // The hourglass of the run gives way to the arrow while the report waits, and comes back.
    EXPECT_EQ(u.box.meldungen.back().iZeiger, Mauszeiger::STANDARD);
    EXPECT_EQ(u.zeiger.gesetzt, (std::vector<int16_t>{0, Mauszeiger::SANDUHR}));
    EXPECT_EQ(u.letzte(),
              "Fehler VB01004|16|Die Datei kann nicht geöffnet werden.\r\n\r\n"
              "Funktion: OpenFile/CXlsExtract");
    gZeigeFehlerbericht({13, ""}, "WriteLine", "/CXlsWrite");  // starts with the empty line
    EXPECT_EQ(u.letzte(), "Fehler VB00013|16|\r\n\r\nFunktion: WriteLine/CXlsWrite");
    gZeigeFehlerbericht({-2146827284, "x"}, "Init", "/CXlsExtract");
    EXPECT_EQ(u.letzte(), "Fehler VB800A03ECH|16|x\r\n\r\nFunktion: Init/CXlsExtract");
    // 70 gets no buttons of its own here.
    gZeigeFehlerbericht({70, "Zugriff verweigert"}, "OpenFile", "/CXlsWrite");
    EXPECT_EQ(u.letzte(),
              "Fehler VB00070|16|Zugriff verweigert\r\n\r\nFunktion: OpenFile/CXlsWrite");
}
