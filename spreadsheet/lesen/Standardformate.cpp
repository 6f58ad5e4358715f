#include "spreadsheet/lesen/Standardformate.h"

namespace rastfang::spreadsheet {

QString gsStandardformat(int iId) {
    switch (iId) {
        case 1:
            return QStringLiteral("0");
        case 2:
            return QStringLiteral("0.00");
        case 3:
            return QStringLiteral("#,##0");
        case 4:
            return QStringLiteral("#,##0.00");
        case 5:
            return QStringLiteral("#,##0 \"€\";-#,##0 \"€\"");
        case 6:
            return QStringLiteral("#,##0 \"€\";[Red]-#,##0 \"€\"");
        case 7:
            return QStringLiteral("#,##0.00 \"€\";-#,##0.00 \"€\"");
        case 8:
            return QStringLiteral("#,##0.00 \"€\";[Red]-#,##0.00 \"€\"");
        case 9:
            return QStringLiteral("0%");
        case 10:
            return QStringLiteral("0.00%");
        case 11:
            return QStringLiteral("0.00E+00");
        case 12:
            return QStringLiteral("# ?/?");
        case 13:
            return QStringLiteral("# ?\?/?\?");
        case 14:
            return QStringLiteral("DD.MM.YYYY");
        case 15:
            return QStringLiteral("DD. MMM YY");
        case 16:
            return QStringLiteral("DD. MMM");
        case 17:
            return QStringLiteral("MMM YY");
        case 18:
            return QStringLiteral("h:mm AM/PM");
        case 19:
            return QStringLiteral("h:mm:ss AM/PM");
        case 20:
            return QStringLiteral("hh:mm");
        case 21:
            return QStringLiteral("hh:mm:ss");
        case 22:
            return QStringLiteral("DD.MM.YYYY hh:mm");
        case 37:
            return QStringLiteral("#,##0 ;(#,##0)");
        case 38:
            return QStringLiteral("#,##0 ;[Red](#,##0)");
        case 39:
            return QStringLiteral("#,##0.00;(#,##0.00)");
        case 40:
            return QStringLiteral("#,##0.00;[Red](#,##0.00)");
        case 41:
            return QStringLiteral("_-* #,##0_-;-* #,##0_-;_-* \"-\"_-;_-@_-");
        case 42:
            return QStringLiteral("_-* #,##0 \"€\"_-;-* #,##0 \"€\"_-;_-* \"-\" \"€\"_-;_-@_-");
        case 43:
            return QStringLiteral("_-* #,##0.00_-;-* #,##0.00_-;_-* \"-\"??_-;_-@_-");
        case 44:
            return QStringLiteral(
                "_-* #,##0.00 \"€\"_-;-* #,##0.00 \"€\"_-;_-* \"-\"?? \"€\"_-;_-@_-");
        case 45:
            return QStringLiteral("mm:ss");
        case 46:
            return QStringLiteral("[h]:mm:ss");
        case 47:
            return QStringLiteral("mm:ss.0");
        case 48:
            return QStringLiteral("##0.0E+0");
        case 49:
            return QStringLiteral("@");
        default:
            return QStringLiteral("General");
    }
}

}  // namespace rastfang::spreadsheet
