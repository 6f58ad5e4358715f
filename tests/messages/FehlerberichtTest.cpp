#include <gtest/gtest.h>

#include "Fehler.h"
#include "TestHilfen.h"

using namespace rastfang;
using rastfang::test::MeldungsRecorder;

TEST(Fehlerbericht, TitleTextAndStyle) {
    MeldungsRecorder box;
    MeldungsBoxTausch tausch(box);

    gZeigeFehlerbericht({1004, "Die Datei kann nicht geöffnet werden."}, "OpenFile",
                        "/CXlsExtract");
    ASSERT_EQ(box.meldungen.size(), 1u);
    EXPECT_EQ(box.meldungen[0].sTitel, "Fehler VB01004");
    EXPECT_EQ(box.meldungen[0].sText,
              "Die Datei kann nicht geöffnet werden.\r\n\r\nFunktion: OpenFile/CXlsExtract");
    EXPECT_EQ(box.meldungen[0].iStil, 16);

    // An empty description starts with the empty line.
    gZeigeFehlerbericht({13, ""}, "WriteLine", "/CXlsWrite");
    EXPECT_EQ(box.meldungen[1].sText, "\r\n\r\nFunktion: WriteLine/CXlsWrite");
    EXPECT_EQ(box.meldungen[1].sTitel, "Fehler VB00013");

    // Negative numbers in hexadecimal; 70 and 71 get no buttons of their own here.
    gZeigeFehlerbericht({-2146827284, "x"}, "Init", "/CXlsExtract");
    EXPECT_EQ(box.meldungen[2].sTitel, "Fehler VB800A03ECH");
    gZeigeFehlerbericht({70, "Zugriff verweigert"}, "OpenFile", "/CXlsWrite");
    EXPECT_EQ(box.meldungen[3].sTitel, "Fehler VB00070");
    EXPECT_EQ(box.meldungen[3].iStil, 16);
    EXPECT_EQ(box.meldungen[3].sText, "Zugriff verweigert\r\n\r\nFunktion: OpenFile/CXlsWrite");
}

TEST(Fehlerbericht, SameLayoutAsTheMessageRoutine) {
    MeldungsRecorder box;
    MeldungsBoxTausch tausch(box);
    const PendingError fehler{1004, "Anwendungsfehler"};
    gZeigeFehlerbericht(fehler, "cmdStart", "/frmRasterfang");
    giMeldung("cmdStart/frmRasterfang", "", "", fehler);
    ASSERT_EQ(box.meldungen.size(), 2u);
    EXPECT_EQ(box.meldungen[0].sText, box.meldungen[1].sText);
    EXPECT_EQ(box.meldungen[0].sTitel, box.meldungen[1].sTitel);
    EXPECT_EQ(box.meldungen[0].iStil, box.meldungen[1].iStil);
}
