#include <gtest/gtest.h>

#include <vector>

#include "Fehler.h"
#include "Plattform.h"
#include "STERROR.h"
#include "TestHilfen.h"

using namespace rastfang;
using rastfang::test::MeldungsRecorder;

namespace {

/// A mouse pointer that remembers every value set.
class ZeigerRecorder : public Mauszeiger {
  public:
    int16_t Lesen() const override { return iWert; }
    void Setzen(int16_t i) override {
        iWert = i;
        gesetzt.push_back(i);
    }
    int16_t iWert = SANDUHR;
    std::vector<int16_t> gesetzt;
};

/// Recorder for the message box and the pointer for one test.
struct Umgebung {
    MeldungsRecorder box;
    ZeigerRecorder zeiger;
    MeldungsBoxTausch boxTausch{box};
    MauszeigerTausch zeigerTausch{zeiger};

    const test::GezeigteMeldung& letzte() const { return box.meldungen.back(); }
};

int16_t fehlerCode(const QString& text, const QString& parameter) {
    try {
        gsStPlatzhalter_Ersetzen(text, parameter);
    } catch (const VbFehler& e) {
        return static_cast<int16_t>(e.Number());
    }
    return 0;
}

}  // namespace

TEST(Platzhalter, SplittingTrimmingAndFitting) {
    // Items that end at ";" lose their blanks, the last keeps them.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("[$1][$2]", "  a  ;  b  "), "[a][  b  ]");
    // No ";": one item, blanks kept.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("[$1]", "  a b  "), "[  a b  ]");
    // A list ending with ";" has an empty last item that must be named.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("[$1]", "a;"), "");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("[$1][$2]", "a;"), "[a][]");
    // Any order, several times.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$2-$1-$2", "x;y"), "y-x-y");
    // Too few items, or an item not named.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$1 $3", "a;b"), "");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$1", "a;b"), "");
    // An empty list is one empty item: a text without placeholder does not fit it.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("ohne", ""), "");
    // "$$" is one "$"; a "$" inside an item is not looked at again.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$$1 $1", "$2"), "$1 $2");
    // Nine items fit nine placeholders; ten never fit.
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$1$2$3$4$5$6$7$8$9", "1;2;3;4;5;6;7;8; 9 "), "12345678 9 ");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$1$2$3$4$5$6$7$8$9", "1;2;3;4;5;6;7;8;9;"), "");
    EXPECT_EQ(gsStPlatzhalter_Ersetzen("$1$2$3$4$5$6$7$8$9", "1;2;3;4;5;6;7;8;9;10;11"), "");
}

TEST(Platzhalter, MalformedDollarRaisesErrorNine) {
    EXPECT_EQ(fehlerCode("a $0 b", "x"), FEHLER_INDEX);
    EXPECT_EQ(fehlerCode("$1 kostet 5$", "x"), FEHLER_INDEX);
    EXPECT_EQ(fehlerCode("$a", "x"), FEHLER_INDEX);
    // A placeholder beyond the items ends the walk before a later malformed "$" is reached.
    EXPECT_EQ(fehlerCode("$5 $", "x"), 0);
}

TEST(Katalog, EveryCodeWithItsButtonsAndIcon) {
    struct Erwartet {
        const char* code;
        int16_t knoepfe, symbol;
    };
    const std::vector<Erwartet> erwartet{
        {"VLM00010", 0, 16}, {"VLM00011", 0, 16}, {"VLM00100", 0, 16}, {"VLM00110", 0, 16},
        {"VLM00122", 0, 16}, {"VLM00124", 0, 16}, {"VLM00125", 0, 16}, {"VLM00126", 0, 16},
        {"VLM00127", 0, 16}, {"VLM00130", 0, 16}, {"VLM00150", 0, 16}, {"VLM00160", 0, 16},
        {"VLM00203", 0, 16}, {"VLM00210", 0, 16}, {"VLM00220", 0, 16}, {"VLM00290", 0, 16},
        {"VLM00360", 0, 16}, {"VLM00361", 0, 16}, {"VLM00364", 0, 16}, {"VLM00365", 0, 16},
        {"VLM00380", 0, 16}, {"VLM00381", 0, 16}, {"VLM00382", 0, 16}, {"VLM00383", 0, 16},
        {"VLM00384", 0, 16}, {"VLM00385", 0, 16}, {"VLM00386", 0, 16}, {"VLM00387", 0, 16},
        {"VLM00390", 0, 16}, {"VLM00391", 0, 16}, {"VLM00395", 0, 16}, {"VB00070", 5, 16},
        {"VLM00131", 4, 32}, {"VLM00170", 4, 32}, {"VLM00180", 4, 32}, {"VLM00200", 4, 32},
        {"VLM00201", 4, 32}, {"VLM00370", 4, 32}, {"VB00071", 4, 48},  {"VLM00132", 0, 64},
        {"VLM00133", 0, 64}, {"VLM00134", 0, 64}, {"VLM00140", 0, 64}, {"VLM00212", 0, 64},
    };
    EXPECT_EQ(gStErrorKatalog().size(), erwartet.size());
    for (const Erwartet& e : erwartet) {
        const StErrorZeile* z = gpStErrorZeile(QString::fromLatin1(e.code));
        ASSERT_NE(z, nullptr) << e.code;
        EXPECT_EQ(z->iKnoepfe, e.knoepfe) << e.code;
        EXPECT_EQ(z->iSymbol, e.symbol) << e.code;
        // Every text survives substitution: no malformed "$" in the catalogue.
        const QString text = QString::fromUtf16(z->sText.data(), z->sText.size());
        EXPECT_NO_THROW(gsStPlatzhalter_Ersetzen(text, "x")) << e.code;
    }
    // Codes compare exactly.
    EXPECT_EQ(gpStErrorZeile(u"vlm00125"), nullptr);
    EXPECT_EQ(gpStErrorZeile(u"VLM00125 "), nullptr);
}

TEST(Meldung, CatalogueRowsTitlesAndAnswers) {
    Umgebung u;
    EXPECT_EQ(giMeldung("", "VLM00125", "Ergebnisdatei"), MsgBox::ANSWER_OK);
    EXPECT_EQ(u.letzte().sText, "Bitte angeben: Ergebnisdatei     ");
    EXPECT_EQ(u.letzte().sTitel, "Fehler VLM00125");
    EXPECT_EQ(u.letzte().iStil, 16);

    u.box.Antworten({MsgBox::ANSWER_YES});
    EXPECT_EQ(giMeldung("", "VLM00131", "/tmp/aus.xlsx"), MsgBox::ANSWER_YES);
    EXPECT_EQ(u.letzte().sText,
              "Die Datei /tmp/aus.xlsx\r\nist schon vorhanden.\r\n\r\n"
              "Soll sie überschrieben werden?");
    EXPECT_EQ(u.letzte().sTitel, "Frage VLM00131");
    EXPECT_EQ(u.letzte().iStil, 36);

    // Empty list: the placeholder stays.
    giMeldung("", "VLM00125", "");
    EXPECT_EQ(u.letzte().sText, "Bitte angeben: $1     ");

    giMeldung("", "VLM00130", "C:\\x.xls");
    EXPECT_EQ(u.letzte().sText, "Die Datei\r\nC:\\x.xls\r\nist nicht vorhanden.");

    giMeldung("", "VLM00140", " ");
    EXPECT_EQ(u.letzte().sText, "Keine unverarbeiteten Schülerdaten vorhanden.");
    EXPECT_EQ(u.letzte().sTitel, "Information VLM00140");
    EXPECT_EQ(u.letzte().iStil, 64);

    giMeldung("", "VLM00110", "");
    EXPECT_EQ(u.letzte().sText,
              "Ergebnisdatei und Datei für extrahierte Daten     \r\n"
              "müssen unterschiedliche Dateien sein.");

    // Abort comes back as Cancel; other answers pass through.
    u.box.Antworten({MsgBox::ANSWER_ABORT, MsgBox::ANSWER_IGNORE});
    EXPECT_EQ(giMeldung("", "VLM00125", "x"), MsgBox::ANSWER_CANCEL);
    EXPECT_EQ(giMeldung("", "VLM00125", "x"), MsgBox::ANSWER_IGNORE);
}

TEST(Meldung, MismatchReport) {
    Umgebung u;
    giMeldung("", "VLM00110", "x");
    EXPECT_EQ(u.letzte().sText,
              "Übergebene Parameter (x)\r\nund Meldung (Ergebnisdatei und Datei für extrahierte "
              "Daten     \r\nmüssen unterschiedliche Dateien sein.) passen nicht zusammen");
    EXPECT_EQ(u.letzte().sTitel, "Fehlerhafte Meldung");
    EXPECT_EQ(u.letzte().iStil, 48);

    giMeldung("", "VLM00127", "Zeilennummer;zwei");
    EXPECT_EQ(u.letzte().sText,
              "Übergebene Parameter (Zeilennummer;zwei)\r\nund Meldung ($1: Ungültiger Wert     "
              ") passen nicht zusammen");
    EXPECT_EQ(u.letzte().sTitel, "Fehlerhafte Meldung");

    // A question that does not fit becomes a warning with only OK; the place is still added.
    u.box.Antworten({MsgBox::ANSWER_OK});
    EXPECT_EQ(giMeldung("Form_Load/frmRasterfang", "VLM00131", "a;b"), MsgBox::ANSWER_OK);
    EXPECT_EQ(u.letzte().iStil, 48);
    EXPECT_TRUE(u.letzte().sText.endsWith(
        ") passen nicht zusammen\r\n\r\nFunktion: Form_Load/frmRasterfang"));

    // Ten items never fit.
    giMeldung("", "VLM00125", "1;2;3;4;5;6;7;8;9;10");
    EXPECT_EQ(u.letzte().sTitel, "Fehlerhafte Meldung");
    EXPECT_EQ(u.letzte().sText,
              "Übergebene Parameter (1;2;3;4;5;6;7;8;9;10)\r\nund Meldung (Bitte angeben: $1     "
              ") passen nicht zusammen");
}

TEST(Meldung, LineBreakRowsRewriteBackslashN) {
    Umgebung u;
    giMeldung("", "VLM00210", "a\\nb");
    EXPECT_EQ(u.letzte().sText, "a\r\nb");
    EXPECT_EQ(u.letzte().sTitel, "Fehler VLM00210");
    EXPECT_EQ(u.letzte().iStil, 16);

    giMeldung("", "VLM00212", "  eins\\nzwei  ");
    EXPECT_EQ(u.letzte().sText, "  eins\r\nzwei  ");
    EXPECT_EQ(u.letzte().sTitel, "Information VLM00212");

    // Only those two rows rewrite; the mismatch report shows the rewritten list.
    giMeldung("", "VLM00210", "a\\nb;c");
    EXPECT_EQ(u.letzte().sText,
              "Übergebene Parameter (a\r\nb;c)\r\nund Meldung ($1) passen nicht zusammen");
    giMeldung("", "VLM00125", "a\\nb");
    EXPECT_EQ(u.letzte().sText, "Bitte angeben: a\\nb     ");
}

TEST(Meldung, PendingErrorsAndUnknownCodes) {
    Umgebung u;
    u.box.Antworten({MsgBox::ANSWER_RETRY});
    EXPECT_EQ(giMeldung("", "", "", PendingError{70, "Zugriff verweigert"}), MsgBox::ANSWER_RETRY);
    EXPECT_EQ(u.letzte().sTitel, "Fehler VB00070");
    EXPECT_EQ(u.letzte().sText, "Zugriff verweigert");
    EXPECT_EQ(u.letzte().iStil, 21);

    u.box.Antworten({MsgBox::ANSWER_NO});
    EXPECT_EQ(giMeldung("", "", "", PendingError{71, "Datenträger nicht bereit"}),
              MsgBox::ANSWER_NO);
    EXPECT_EQ(u.letzte().sTitel, "Warnung VB00071");
    EXPECT_EQ(u.letzte().sText,
              "Das Diskettenlaufwerk ist nicht bereit.\r\nWollen Sie den Zugriff wiederholen?");
    EXPECT_EQ(u.letzte().iStil, 52);

    giMeldung("", "", "", PendingError{13, "Typen unverträglich"});
    EXPECT_EQ(u.letzte().sTitel, "Fehler VB00013");
    EXPECT_EQ(u.letzte().sText, "Typen unverträglich");
    EXPECT_EQ(u.letzte().iStil, 16);

    giMeldung("", "", "", PendingError{-2147417848, "Automatisierungsfehler"});
    EXPECT_EQ(u.letzte().sTitel, "Fehler VB80010108H");
    EXPECT_EQ(u.letzte().sText, "Automatisierungsfehler");
    giMeldung("", "", "", PendingError{-1, "x"});
    EXPECT_EQ(u.letzte().sTitel, "Fehler VBFFFFFFFFH");

    // A code passed in wins over the pending error.
    giMeldung("", "VLM00125", "x", PendingError{13, "Typen unverträglich"});
    EXPECT_EQ(u.letzte().sTitel, "Fehler VLM00125");

    // Unknown code, a "VB" code passed in, and an empty code without error.
    giMeldung("", "VLM99999", "");
    EXPECT_EQ(u.letzte().sText, "Unbekannter Fehler");
    EXPECT_EQ(u.letzte().sTitel, "Fehler VLM99999");
    EXPECT_EQ(u.letzte().iStil, 16);
    giMeldung("", "VB00013", "");
    EXPECT_EQ(u.letzte().sText, "");
    EXPECT_EQ(u.letzte().sTitel, "Fehler VB00013");
    giMeldung("", "", "");
    EXPECT_EQ(u.letzte().sTitel, "Fehler ");
    EXPECT_EQ(u.letzte().sText, "Unbekannter Fehler");

    // The run's handler adds its place under the error.
    giMeldung("cmdStart/frmRasterfang", "", "", PendingError{1004, "Die Datei fehlt."});
    EXPECT_EQ(u.letzte().sText, "Die Datei fehlt.\r\n\r\nFunktion: cmdStart/frmRasterfang");
    EXPECT_EQ(u.letzte().sTitel, "Fehler VB01004");
    giMeldung("Form_Load/frmRasterfang", "VLM00125", "Ergebnisdatei");
    EXPECT_EQ(u.letzte().sText,
              "Bitte angeben: Ergebnisdatei     \r\n\r\nFunktion: Form_Load/frmRasterfang");
}

TEST(Meldung, PointerSetToArrowAndRestored) {
    Umgebung u;
    u.zeiger.iWert = Mauszeiger::SANDUHR;
    giMeldung("", "VLM00125", "x");
    EXPECT_EQ(u.zeiger.gesetzt, (std::vector<int16_t>{0, 11}));
    EXPECT_EQ(u.zeiger.iWert, 11);

    // A malformed "$" (here in an error's description) escapes to the caller without a box;
    // the pointer stays at the arrow until the caller's handler restores it.
    u.zeiger.gesetzt.clear();
    const size_t vorher = u.box.meldungen.size();
    try {
        giMeldung("", "", "x", PendingError{13, "kostet 5$"});
        ADD_FAILURE() << "no error raised";
    } catch (const VbFehler& e) {
        EXPECT_EQ(e.Number(), FEHLER_INDEX);
    }
    EXPECT_EQ(u.box.meldungen.size(), vorher);
    EXPECT_EQ(u.zeiger.gesetzt, (std::vector<int16_t>{0}));
}
