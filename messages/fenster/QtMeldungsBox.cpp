#include "messages/fenster/QtMeldungsBox.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace rastfang {

namespace {

// The button-set part of a style number is its lowest four bits, the icon the next four.
int16_t knoepfeTeil(int16_t iStil) {
    return static_cast<int16_t>(iStil & 0x0F);
}
int16_t symbolTeil(int16_t iStil) {
    return static_cast<int16_t>(iStil & 0xF0);
}

// Room that a window frame takes beside its title: icon, minimise, maximise and close.
constexpr int RAUM_FUER_RAHMENKNOEPFE = 112;

QString deutscheBeschriftung(QMessageBox::StandardButton knopf) {
    switch (knopf) {
        case QMessageBox::Ok:
            return QStringLiteral("OK");
        case QMessageBox::Cancel:
            return QStringLiteral("Abbrechen");
        case QMessageBox::Abort:
            return QStringLiteral("&Abbrechen");
        case QMessageBox::Retry:
            return QStringLiteral("&Wiederholen");
        case QMessageBox::Ignore:
            return QStringLiteral("&Ignorieren");
        case QMessageBox::Yes:
            return QStringLiteral("&Ja");
        case QMessageBox::No:
            return QStringLiteral("&Nein");
        default:
            return {};
    }
}

}  // namespace

QMessageBox::Icon gSymbolAusStil(int16_t iStil) {
    switch (symbolTeil(iStil)) {
        case MsgBox::CRITICAL:
            return QMessageBox::Critical;
        case MsgBox::QUESTION:
            return QMessageBox::Question;
        case MsgBox::EXCLAMATION:
            return QMessageBox::Warning;
        case MsgBox::INFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons gKnoepfeAusStil(int16_t iStil) {
    switch (knoepfeTeil(iStil)) {
        case 1:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case 2:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case 3:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgBox::YES_NO:
            return QMessageBox::Yes | QMessageBox::No;
        case MsgBox::RETRY_CANCEL:
            return QMessageBox::Retry | QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;
    }
}

int16_t giAntwortAusKnopf(QMessageBox::StandardButton knopf) {
    switch (knopf) {
        case QMessageBox::Ok:
            return MsgBox::ANSWER_OK;
        case QMessageBox::Abort:
            return MsgBox::ANSWER_ABORT;
        case QMessageBox::Retry:
            return MsgBox::ANSWER_RETRY;
        case QMessageBox::Ignore:
            return MsgBox::ANSWER_IGNORE;
        case QMessageBox::Yes:
            return MsgBox::ANSWER_YES;
        case QMessageBox::No:
            return MsgBox::ANSWER_NO;
        default:
            return MsgBox::ANSWER_CANCEL;
    }
}

int16_t QtMeldungsBox::Zeige(const QString& sText, int16_t iStil, const QString& sTitel) {
    // The texts break lines with CR LF; a label would show the CR as a second break.
    QString sAnzeige = sText;
    sAnzeige.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    QMessageBox box(gSymbolAusStil(iStil), sTitel, sAnzeige, gKnoepfeAusStil(iStil));
    box.setTextFormat(Qt::PlainText);
    for (QAbstractButton* knopf : box.buttons()) {
        const QString beschriftung = deutscheBeschriftung(box.standardButton(knopf));
        if (!beschriftung.isEmpty()) knopf->setText(beschriftung);
    }
    // The window manager writes the title into the frame beside its own buttons and cuts it
    // where a short text leaves the box narrow ("Fehler…00130"), hiding the code that users
    // quote when they ask for help. The box is kept wide enough for the title in bold.
    if (auto* raster = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titelSchrift = box.font();
        titelSchrift.setBold(true);
        const int iBreite =
            QFontMetrics(titelSchrift).horizontalAdvance(sTitel) + RAUM_FUER_RAHMENKNOEPFE;
        auto* abstand = new QSpacerItem(iBreite, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
        raster->addItem(abstand, raster->rowCount(), 0, 1, raster->columnCount());  // owns it
    }
    box.exec();
    QAbstractButton* gedrueckt = box.clickedButton();
    return giAntwortAusKnopf(gedrueckt ? box.standardButton(gedrueckt) : QMessageBox::NoButton);
}

}  // namespace rastfang
