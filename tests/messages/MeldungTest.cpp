// The message catalogue, giMeldung with its placeholders, and the common error report.
#include <gtest/gtest.h>

#include <vector>

#include "TestHilfen.h"
#include "basis/Plattform.h"
#include "messages/Fehler.h"
#include "messages/STERROR.h"

using namespace rastfang;
using rastfang::test::giFehler;

namespace {

class Meldung : public ::testing::Test {
  protected:
    test::EingesetzterRecorder box;
    test::ProtokollZeiger zeiger{Mauszeiger::SANDUHR};
    MauszeigerTausch zeigerTausch{zeiger};

    /// The last box shown as "title|style|text".
    QString letzte() const {
        if (box.meldungen.empty()) return "-";
        const auto& m = box.meldungen.back();
        return m.sTitel + "|" + QString::number(m.iStil) + "|" + m.sText;
    }
    /// Calls giMeldung and expects the box it shows.
    void pruefe(const QString& sCode, const QString& sListe, const QString& sBox,
                const PendingError& fehler = {}, const QString& sOrt = {}) {
        giMeldung(sOrt, sCode, sListe, fehler);
        EXPECT_EQ(letzte(), sBox) << sCode.toStdString() << " / " << sListe.toStdString();
    }
};

class Fehlerbericht : public Meldung {};

}  // namespace

TEST(Platzhalter, ReplacesOnlyWhenItemsAndPlaceholdersFit) {
    // Only the last item keeps its blanks; a list ending with ";" has an empty last item that
    // must be named; too few items, an item not named or ten items give "", and so does a
    // placeholder beyond the items before a later malformed "$".
    const char* const neun = "$1$2$3$4$5$6$7$8$9";
    const char* const faelle[][3] = {{"[$1][$2]", "  a  ;  b  ", "[a][  b  ]"},
                                     {"[$1][$2]", "a;", "[a][]"},
                                     {"$2-$1-$2", "x;y", "y-x-y"},
                                     {"$$1 $1", "$2", "$1 $2"},
                                     {"$1 $3", "a;b", ""},
                                     {"$1", "a;b", ""},
                                     {"ohne", "", ""},
                                     {neun, "1;2;3;4;5;6;7;8; 9 ", "12345678 9 "},
                                     {neun, "1;2;3;4;5;6;7;8;9;", ""},
                                     {"$5 $", "x", ""}};
    for (const auto& [sText, sListe, sErwartet] : faelle)
        EXPECT_EQ(gsStPlatzhalter_Ersetzen(sText, sListe), sErwartet) << sText;
    for (const char* text : {"a $0 b", "$1 kostet 5$", "$a"})
        EXPECT_EQ(giFehler([&] { gsStPlatzhalter_Ersetzen(text, "x"); }), FEHLER_INDEX) << text;
}

TEST(Katalog, HoldsOnlyWellFormedTextsUnderExactCodes) {
    for (const StErrorZeile& z : gStErrorKatalog()) {
        const QString text = QString::fromUtf16(z.sText.data(), z.sText.size());
        EXPECT_NO_THROW(gsStPlatzhalter_Ersetzen(text, "x")) << text.toStdString();
    }
    EXPECT_EQ(gpStErrorZeile(u"vlm00125"), nullptr);
    EXPECT_EQ(gpStErrorZeile(u"VLM00125 "), nullptr);
}

TEST_F(Meldung, ShowsTheCatalogueTextWithTitleAndStyle) {
    pruefe("VLM00125", "Ergebnisdatei", "Fehler VLM00125|16|Bitte angeben: Ergebnisdatei     ");
    pruefe("VLM00131", "/tmp/aus.xlsx",
           "Frage VLM00131|36|Die Datei /tmp/aus.xlsx\r\nist schon vorhanden.\r\n\r\n"
           "Soll sie überschrieben werden?");
    pruefe("VLM00125", "", "Fehler VLM00125|16|Bitte angeben: $1     ");  // $1 stays
    pruefe("VLM00140", " ",
           "Information VLM00140|64|Keine unverarbeiteten Schülerdaten vorhanden.");
    // Only the catalogue's free-text entries (VLM00210, VLM00212) rewrite "\n".
    pruefe("VLM00210", "a\\nb", "Fehler VLM00210|16|a\r\nb");
    pruefe("VLM00125", "a\\nb", "Fehler VLM00125|16|Bitte angeben: a\\nb     ");
}

TEST_F(Meldung, ReportsAListThatDoesNotFitTheText) {
    const QString sFalsch = "Fehlerhafte Meldung|48|Übergebene Parameter (";
    pruefe("VLM00127", "Zeilennummer;zwei",
           sFalsch +
               "Zeilennummer;zwei)\r\nund Meldung ($1: Ungültiger Wert     ) passen nicht "
               "zusammen\r\n\r\nFunktion: Form_Load/frmRasterfang",
           {}, "Form_Load/frmRasterfang");
    pruefe("VLM00210", "a\\nb;c", sFalsch + "a\r\nb;c)\r\nund Meldung ($1) passen nicht zusammen");
}

TEST_F(Meldung, ShowsThePendingErrorUnlessACodeIsGiven) {
    pruefe("", "", "Fehler VB00070|21|Zugriff verweigert", {70, "Zugriff verweigert"});
    pruefe("", "",
           "Warnung VB00071|52|Das Diskettenlaufwerk ist nicht bereit.\r\n"
           "Wollen Sie den Zugriff wiederholen?",
           {71, "Datenträger nicht bereit"});
    pruefe("VLM00125", "x", "Fehler VLM00125|16|Bitte angeben: x     ",
           {13, "Typen unverträglich"});
    pruefe("VLM99999", "", "Fehler VLM99999|16|Unbekannter Fehler");
    pruefe("VB00013", "", "Fehler VB00013|16|");
    pruefe("", "", "Fehler |16|Unbekannter Fehler");
    pruefe("", "", "Fehler VB01004|16|Die Datei fehlt.\r\n\r\nFunktion: cmdStart/frmRasterfang",
           {1004, "Die Datei fehlt."}, "cmdStart/frmRasterfang");
}

TEST_F(Meldung, ReturnsTheAnswerWithAbortAsCancel) {
    box.Antworten(
        {MsgBox::ANSWER_YES, MsgBox::ANSWER_NO, MsgBox::ANSWER_ABORT, MsgBox::ANSWER_IGNORE});
    EXPECT_EQ(giMeldung("", "VLM00131", "x"), MsgBox::ANSWER_YES);
    EXPECT_EQ(giMeldung("", "VLM00131", "x"), MsgBox::ANSWER_NO);
    EXPECT_EQ(giMeldung("", "", "", {70, "Zugriff verweigert"}), MsgBox::ANSWER_CANCEL);
    EXPECT_EQ(giMeldung("", "", "", {70, "Zugriff verweigert"}), MsgBox::ANSWER_IGNORE);
    // A question that does not fit becomes a warning with only OK.
    EXPECT_EQ(giMeldung("", "VLM00131", "a;b"), MsgBox::ANSWER_OK);
}

TEST_F(Meldung, SetsTheArrowWhileTheBoxWaits) {
    giMeldung("", "VLM00125", "x");
    // A malformed "$" (here in an error's description) escapes to the caller without a box;
    // the pointer stays at the arrow until the caller's handler restores it.
    EXPECT_THROW(giMeldung("", "", "x", PendingError{13, "kostet 5$"}), VbFehler);
    EXPECT_EQ(box.meldungen.size(), 1u);
    EXPECT_EQ(zeiger.werte, (std::vector<int16_t>{0, Mauszeiger::SANDUHR, 0}));
}

TEST_F(Fehlerbericht, ShowsTheErrorWithItsPlace) {
    gZeigeFehlerbericht({1004, "Die Datei fehlt."}, "OpenFile", "/CXlsExtract");
    // The hourglass of the run gives way to the arrow while the report waits, and comes back.
    EXPECT_EQ(box.meldungen.back().iZeiger, Mauszeiger::STANDARD);
    EXPECT_EQ(zeiger.werte, (std::vector<int16_t>{0, Mauszeiger::SANDUHR}));
    EXPECT_EQ(letzte(), "Fehler VB01004|16|Die Datei fehlt.\r\n\r\nFunktion: OpenFile/CXlsExtract");
    // 70 gets no buttons of its own here.
    gZeigeFehlerbericht({70, "Zugriff verweigert"}, "OpenFile", "/CXlsWrite");
    EXPECT_EQ(letzte(), "Fehler VB00070|16|Zugriff verweigert\r\n\r\nFunktion: OpenFile/CXlsWrite");
}
