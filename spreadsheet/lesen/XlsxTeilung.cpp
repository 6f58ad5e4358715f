#include "spreadsheet/lesen/XlsxTeilung.h"

#include <algorithm>

namespace rastfang::spreadsheet {

namespace {

constexpr size_t NICHTS = std::string_view::npos;

bool istLeerraum(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

/// Whether the element name that was matched just before `nAb` ends there.
bool endetName(std::string_view sXml, size_t nAb) {
    return nAb < sXml.size() && (istLeerraum(sXml[nAb]) || sXml[nAb] == '>' || sXml[nAb] == '/');
}

/// Just past the '>' of the tag that begins at `nAb`, quoted values skipped; NICHTS when the
/// document ends first.
size_t tagEnde(std::string_view sXml, size_t nAb) {
    char cAnfuehrung = 0;
    for (size_t i = nAb; i < sXml.size(); ++i) {
        const char c = sXml[i];
        if (cAnfuehrung != 0) {
            if (c == cAnfuehrung) cAnfuehrung = 0;
        } else if (c == '"' || c == '\'') {
            cAnfuehrung = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return NICHTS;
}

/// Whether start tag `sTag` ("<row ...>") has an attribute whose local name is "r", the way
/// the sheet reader finds it.
bool hatZeilennummer(std::string_view sTag) {
    size_t i = sTag.find_first_of(" \t\r\n");
    while (i != NICHTS && i < sTag.size()) {
        while (i < sTag.size() && istLeerraum(sTag[i])) ++i;
        const size_t nName = i;
        while (i < sTag.size() && sTag[i] != '=' && !istLeerraum(sTag[i]) && sTag[i] != '>' &&
               sTag[i] != '/') {
            ++i;
        }
        std::string_view name = sTag.substr(nName, i - nName);
        if (const size_t n = name.find(':'); n != NICHTS) name.remove_prefix(n + 1);
        while (i < sTag.size() && (istLeerraum(sTag[i]) || sTag[i] == '=')) ++i;
        if (i >= sTag.size() || (sTag[i] != '"' && sTag[i] != '\'')) return false;
        if (name == "r") return true;
        i = sTag.find(sTag[i], i + 1);
        if (i != NICHTS) ++i;
    }
    return false;
}

/// Where the root element's start tag begins: after the XML declaration, comments and
/// processing instructions; NICHTS when there is a document type declaration or no root.
size_t wurzelAnfang(std::string_view sXml) {
    for (size_t i = sXml.find('<'); i != NICHTS && i + 1 < sXml.size(); i = sXml.find('<', i)) {
        if (sXml.substr(i, 4) == "<!--") {
            i = sXml.find("-->", i);
            if (i == NICHTS) return NICHTS;
        } else if (sXml[i + 1] == '?') {
            i = sXml.find("?>", i);
            if (i == NICHTS) return NICHTS;
        } else if (sXml[i + 1] == '!') {
            return NICHTS;
        } else {
            return i;
        }
    }
    return NICHTS;
}

}  // namespace

std::optional<Blatthaelften> gBlatthaelften(std::string_view sXml, size_t nAb) {
    const size_t nWurzel = wurzelAnfang(sXml);
    if (nWurzel == NICHTS) return std::nullopt;
    const size_t nWurzelEnde = tagEnde(sXml, nWurzel);
    const size_t nWurzelName = sXml.find_first_of(" \t\r\n/>", nWurzel + 1);
    if (nWurzelEnde == NICHTS || nWurzelName == NICHTS) return std::nullopt;
    const std::string_view wurzel = sXml.substr(nWurzel + 1, nWurzelName - nWurzel - 1);
    // Writers give all elements of a sheet the root's prefix, if any.
    const size_t nDoppelpunkt = wurzel.find(':');
    const std::string sPraefix(nDoppelpunkt == NICHTS ? "" : wurzel.substr(0, nDoppelpunkt + 1));

    const std::string sDaten = "<" + sPraefix + "sheetData";
    const size_t nDaten = sXml.find(sDaten, nWurzelEnde);
    if (nDaten == NICHTS || !endetName(sXml, nDaten + sDaten.size())) return std::nullopt;
    const size_t nInhalt = tagEnde(sXml, nDaten);
    if (nInhalt == NICHTS || sXml[nInhalt - 2] == '/') return std::nullopt;
    const size_t nDatenEnde = sXml.rfind("</" + sPraefix + "sheetData");
    if (nDatenEnde == NICHTS || nDatenEnde < nInhalt) return std::nullopt;

    const std::string sZeile = "<" + sPraefix + "row";
    const size_t nMitte =
        nAb == NICHTS ? nInhalt + (nDatenEnde - nInhalt) / 2 : std::max(nAb, nInhalt);
    // The search goes on after each tag it looked at, so that no byte is scanned twice.
    size_t n = sXml.find(sZeile, nMitte);
    for (; n != NICHTS && n < nDatenEnde; n = sXml.find(sZeile, n)) {
        if (!endetName(sXml, n + sZeile.size())) {
            n += sZeile.size();
            continue;
        }
        const size_t nEnde = tagEnde(sXml, n);
        if (nEnde == NICHTS) return std::nullopt;
        if (hatZeilennummer(sXml.substr(n, nEnde - n))) break;
        n = nEnde;
    }
    if (n == NICHTS || n >= nDatenEnde) return std::nullopt;
    Blatthaelften haelften;
    haelften.nZweiteAb = n;
    haelften.sVorspann.append(sXml.substr(0, nWurzelEnde))
        .append(sXml.substr(nDaten, nInhalt - nDaten));
    haelften.sSchluss = "</" + sPraefix + "sheetData></" + std::string(wurzel) + ">";
    return haelften;
}

}  // namespace rastfang::spreadsheet
