#include "Beispiel.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>

#include "TestHilfen.h"

namespace rastfang::test {

using namespace rastfang::tabelle;

std::shared_ptr<Workbook> gBeispielMappe(Application& app) {
    auto mappe = app.GetWorkbooks().Add();
    Worksheet blatt = mappe->Worksheets().Add();
    blatt.SetName("VELMORA");
    while (mappe->GetSheets().Count() > 1) mappe->GetSheets()(2).Delete();

    auto zeile = [&](int32_t z, const QStringList& werte) {
        for (int i = 0; i < werte.size(); ++i) {
            if (!werte[i].isEmpty()) blatt.Cells(z, i + 1).SetValue(werte[i]);
        }
    };
    auto bereich = [&](int32_t z, int32_t s1, int32_t s2) {
        return blatt.GetRange(blatt.Cells(z, s1), blatt.Cells(z, s2));
    };
    // Header line.
    zeile(1, {"Azubi-ID", "Name", "Vorname", "GebDat", "Beruf", "Deutsch", "Mathematik"});
    bereich(1, 1, 25).Interior().SetColorIndex(19);
    bereich(1, 1, 25).Font().SetBold(true);
    bereich(1, 6, 25).SetHorizontalAlignment(Ausrichtung::ZENTRIERT);
    // Apprentice lines.
    zeile(2, {"", "Müller", "Jörg", "01.02.1990", "Koch", "2,3", "1"});
    zeile(3, {"0815", "Schmidt-Großkopf", "Anna", "24.12.1989", "Bäckerin", "=1+1", "4,5"});
    for (int32_t z = 2; z <= 3; ++z) {
        blatt.Cells(z, 1).SetNumberFormat("0");
        bereich(z, 1, 5).Interior().SetColorIndex(19);
        bereich(z, 6, 25).SetLocked(false);
        bereich(z, 2, 4).SetLocked(false);
        bereich(z, 6, 25).SetNumberFormat("0.0");
        bereich(z, 6, 25).SetHorizontalAlignment(Ausrichtung::RECHTS);
    }
    // Spare line.
    blatt.Cells(4, 1).SetNumberFormat("0");
    bereich(4, 1, 5).Interior().SetColorIndex(19);
    bereich(4, 1, 25).SetLocked(false);
    bereich(4, 6, 25).SetNumberFormat("0.0");
    bereich(4, 6, 25).SetHorizontalAlignment(Ausrichtung::RECHTS);

    bereich(1, 1, 25).EntireColumn().AutoFit();
    for (int32_t s = 6; s <= 7; ++s) blatt.Cells(1, s).SetColumnWidth(12.0f);
    blatt.GetRange(blatt.Cells(5, 1), blatt.Cells(104, 25)).SetLocked(false);
    blatt.Protect(false, true, false);
    return mappe;
}

QJsonObject gPythonJson(const QString& sSkript, const QStringList& argumente) {
    const QString sAus = gsPython(sSkript, argumente);
    QJsonParseError fehler;
    const QJsonDocument doc = QJsonDocument::fromJson(sAus.toUtf8(), &fehler);
    EXPECT_EQ(fehler.error, QJsonParseError::NoError) << sAus.toStdString();
    return doc.object();
}

QJsonObject gXlsxGelesen(const QString& sPfad) {
    return gPythonJson(QStringLiteral(R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
def zelle(c):
    t = [repr(c.value), c.fill.fgColor.rgb if c.fill.fill_type == "solid" else "",
         "fett" if c.font.b else "", (c.alignment.horizontal or "").replace("general", ""),
         "" if c.number_format == "General" else "[%s]" % c.number_format,
         "" if c.protection.locked else "offen"]
    return " ".join(x for x in t if x)
p = ws.protection
print(json.dumps({"sheets": wb.sheetnames, "active": wb.active.title,
                  "prot": [p.sheet, p.objects, p.scenarios, p.password],
                  "widths": {k: d.width for k, d in ws.column_dimensions.items() if d.customWidth},
                  "cells": {c.coordinate: zelle(c) for row in ws.iter_rows(1, 110, 1, 26)
                            for c in row if c.value is not None or c.has_style}}))
)"),
                       {sPfad});
}

void pruefeBeispielZellen(const QJsonObject& zellen) {
    // clang-format off
    const std::pair<const char*, const char*> soll[] = {
        {"A1", "'Azubi-ID' FFFFFFCC fett"},         {"E1", "'Beruf' FFFFFFCC fett"},
        {"F1", "'Deutsch' FFFFFFCC fett center"},   {"Y1", "None FFFFFFCC fett center"},
        {"A2", "None FFFFFFCC [0]"},                {"B2", "'Müller' FFFFFFCC offen"},
        {"C2", "'Jörg' FFFFFFCC offen"},            {"D2", "'01.02.1990' FFFFFFCC offen"},
        {"E2", "'Koch' FFFFFFCC"},                  {"F2", "2.3 right [0.0] offen"},
        {"G2", "1 right [0.0] offen"},              {"H2", "None right [0.0] offen"},
        {"Y2", "None right [0.0] offen"},           {"A3", "'0815' FFFFFFCC [0]"},
        {"E3", "'Bäckerin' FFFFFFCC"},              {"F3", "'=1+1' right [0.0] offen"},
        {"A4", "None FFFFFFCC [0] offen"},          {"F4", "None right [0.0] offen"},
        {"Y4", "None right [0.0] offen"},           {"A5", "None offen"},
        {"Y104", "None offen"},
    };
    // clang-format on
    for (const auto& [sAdresse, sZelle] : soll) {
        EXPECT_EQ(zellen[sAdresse].toString().toStdString(), sZelle) << sAdresse;
    }
    EXPECT_FALSE(zellen.contains("Z1"));
    EXPECT_FALSE(zellen.contains("A105"));
}

QStringList gDateienIn(const QString& sOrdner) {
    return QDir(sOrdner).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

}  // namespace rastfang::test
