#include "messages/fenster/Platzbedarf.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace rastfang {

namespace {

QString ohneKuerzel(QString sText) {
    // "&Drucken" shows as "Drucken"; "&&" is a literal ampersand.
    sText.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    sText.remove(QLatin1Char('&'));
    sText.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return sText;
}

QSize fuerBeschriftung(const QLabel& lbl) {
    const QSize text = lbl.fontMetrics().size(Qt::TextShowMnemonic, lbl.text());
    const QSize rand = lbl.size() - lbl.contentsRect().size();
    return text + rand;
}

QSize fuerKnopf(const QPushButton& knopf) {
    const QStyle* stil = knopf.style();
    const QFontMetrics fm = knopf.fontMetrics();
    int iBreite = fm.horizontalAdvance(ohneKuerzel(knopf.text()));
    int iHoehe = fm.height();
    if (!knopf.icon().isNull()) {
        iBreite += knopf.iconSize().width() + (knopf.text().isEmpty() ? 0 : 4);
        iHoehe = std::max(iHoehe, knopf.iconSize().height());
    }
    // A picture button only needs its frame around the picture; text keeps the button margin.
    const int iRahmen = stil->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &knopf);
    const int iRand =
        iRahmen +
        (knopf.text().isEmpty() ? 0 : stil->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &knopf));
    return {iBreite + 2 * iRand,
            iHoehe + 2 * stil->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &knopf)};
}

QSize fuerEintrag(const QLineEdit& txt, const QString& sMuster) {
    QStyleOptionFrame opt;
    opt.initFrom(&txt);
    opt.rect = txt.rect();
    opt.lineWidth =
        txt.hasFrame() ? txt.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, &txt) : 0;
    opt.state |= QStyle::State_Sunken;
    QRect flaeche = txt.style()->subElementRect(QStyle::SE_LineEditContents, &opt, &txt);
    flaeche = flaeche.marginsRemoved(txt.textMargins());
    // QLineEdit keeps two pixels free on each side and one above and below, and the cursor
    // takes one more pixel after the text.
    constexpr int RAND_SEITE = 2;
    constexpr int RAND_OBEN = 1;
    const QFontMetrics fm = txt.fontMetrics();
    // At least two pixels of frame on each side, as most styles draw it.
    const int iRahmen = std::max(txt.width() - flaeche.width(), 4);
    const int iBreite = iRahmen + 2 * RAND_SEITE + fm.horizontalAdvance(sMuster) + 1;
    const int iHoehe = txt.height() - flaeche.height() + 2 * RAND_OBEN + fm.height();
    return {iBreite, iHoehe};
}

QSize fuerRahmen(const QGroupBox& rahmen) {
    QStyleOptionGroupBox opt;
    opt.initFrom(&rahmen);
    opt.rect = rahmen.rect();
    opt.text = rahmen.title();
    opt.lineWidth = 1;
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.textAlignment = rahmen.alignment();
    const QRect titel = rahmen.style()->subControlRect(QStyle::CC_GroupBox, &opt,
                                                       QStyle::SC_GroupBoxLabel, &rahmen);
    // The title keeps the same gap to the right edge as to the left one.
    return {titel.right() + 1 + titel.left(), titel.bottom() + 1};
}

}  // namespace

QSize gPlatzbedarf(const QWidget& w, const QString& sMuster) {
    if (const auto* lbl = qobject_cast<const QLabel*>(&w)) return fuerBeschriftung(*lbl);
    if (const auto* knopf = qobject_cast<const QPushButton*>(&w)) return fuerKnopf(*knopf);
    if (const auto* txt = qobject_cast<const QLineEdit*>(&w)) return fuerEintrag(*txt, sMuster);
    if (const auto* rahmen = qobject_cast<const QGroupBox*>(&w)) return fuerRahmen(*rahmen);
    return {0, 0};
}

QSizeF gWachstum(QSize bedarf, QSize vorhanden) {
    const auto faktor = [](int iBedarf, int iVorhanden) {
        return iVorhanden > 0 && iBedarf > iVorhanden ? double(iBedarf) / iVorhanden : 1.0;
    };
    return {faktor(bedarf.width(), vorhanden.width()), faktor(bedarf.height(), vorhanden.height())};
}

}  // namespace rastfang
