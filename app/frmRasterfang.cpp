#include "app/frmRasterfang.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "app/DateiAblage.h"
#include "app/Dateiauswahl.h"
#include "app/Einzeilig.h"
#include "app/ErgebnisDrucker.h"
#include "app/Punktbild.h"
#include "app/Spaltenfuellung.h"
#include "app/Twips.h"
#include "app/Vorbelegung.h"
#include "messages/fenster/Platzbedarf.h"
#include "messages/fenster/frmMessage.h"

namespace rastfang {

namespace {

constexpr int CLIENT_BREITE = 5712;
constexpr int CLIENT_HOEHE = 5892;
constexpr int STATUS_HOEHE = 312;

// Top of the six column entries inside the frame, in twips.
constexpr std::array<int, 6> SPALTE_OBEN{240, 612, 972, 1344, 1704, 2064};
// The labels of the column entries (lblAnz 1..6) and their tops inside the frame.
constexpr std::array<const char*, 6> SPALTE_TEXT{"Name (muss mit 'Name' bezeichnet sein)",
                                                 "Vorname",
                                                 "Geburtsdatum (kann leer bleiben)",
                                                 "Beruf",
                                                 "Erste Ergebnisspalte",
                                                 "Datenfilter (kann leer bleiben)"};
constexpr std::array<int, 6> LABEL_OBEN{300, 660, 1032, 1392, 1764, 2124};

QFont fensterSchrift() {
    QFont schrift;
    schrift.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Arial")});
    schrift.setPointSize(8);
    schrift.setBold(true);
    return schrift;
}

QFont pfeilSchrift() {
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    schrift.setPointSize(9);
    schrift.setBold(true);
    return schrift;
}

}  // namespace

frmRasterfang::frmRasterfang(QWidget* parent) : QDialog(parent) {
    // A main window, not a transient dialog: it has its own task-bar entry and ends the program.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Berufsschulergebnisse extrahieren"));
    setFont(fensterSchrift());
    ErzeugeSteuerelemente();
    LegeTabfolgeFest();
    m_status = std::make_unique<Statusfeld>(*txtStatus);
    m_zusammenfassungsAnzeige = [this](const QString& sText) { ZeigeZusammenfassung(sText); };
    Form_Load();
    // A child of the window, which owns and ends it.
    new DateiAblage(*this, [this](QObject* ziel, const QString& sPfad) {
        setzeDateipfad(ziel == txtErgebnisWorkfile ? Eingabefeld::ErgebnisWorkfile
                                                   : Eingabefeld::Ergebnisdatei,
                       sPfad);
    });
    txtErgebnisdatei->setFocus(Qt::OtherFocusReason);
}

frmRasterfang::~frmRasterfang() = default;

QRect frmRasterfang::Pixel(int l, int t, int w, int h) const {
    return gPixelRechteck(l, t, w, h, logicalDpiX() * m_dSkalaX, logicalDpiY() * m_dSkalaY);
}

void frmRasterfang::Platziere(QWidget* w, int l, int t, int iBreite, int iHoehe) {
    m_entwurf.push_back({w, QRect(l, t, iBreite, iHoehe)});
    w->setGeometry(Pixel(l, t, iBreite, iHoehe));
}

void frmRasterfang::Einpassen() {
    // The twips table was drawn for a narrow 8-point face. Where the font the desktop really
    // has needs more room, the whole layout grows by the same factor, so that every caption
    // shows in full and the arrangement stays as designed.
    const QString sZweiBuchstaben = QStringLiteral("WW");
    const QString sFuenfZiffern = QStringLiteral("00000");
    double dX = 1.0;
    double dY = 1.0;
    for (const auto& [w, twips] : m_entwurf) {
        QString sMuster;
        if (w == txtZeile) sMuster = sFuenfZiffern;
        if (std::find(txtSpalte.begin(), txtSpalte.end(), w) != txtSpalte.end())
            sMuster = sZweiBuchstaben;
        const QSizeF f = gWachstum(gPlatzbedarf(*w, sMuster), w->size());
        dX = std::max(dX, f.width());
        dY = std::max(dY, f.height());
    }
    if (dX == 1.0 && dY == 1.0) return;
    // A little more than the bare factor, so that rounding to whole pixels takes nothing away.
    m_dSkalaX = dX == 1.0 ? 1.0 : dX * 1.01;
    m_dSkalaY = dY == 1.0 ? 1.0 : dY * 1.01;
    for (const auto& [w, twips] : m_entwurf)
        w->setGeometry(Pixel(twips.x(), twips.y(), twips.width(), twips.height()));
    const QRect fenster = Pixel(0, 0, CLIENT_BREITE, CLIENT_HOEHE);
    setFixedSize(fenster.size());
}

void frmRasterfang::ErzeugeSteuerelemente() {
    setFixedSize(Pixel(0, 0, CLIENT_BREITE, CLIENT_HOEHE).size());

    const auto eintrag = [this](QWidget* eltern, const QString& sName, QRect ort) {
        auto* txt = new QLineEdit(eltern);
        txt->setObjectName(sName);
        Platziere(txt, ort);
        gMarkierenBeiFokus(*txt);
        gEinzeiligHalten(*txt);
        return txt;
    };
    const auto beschriftung = [this](QWidget* eltern, const QString& sName, const char* pszText,
                                     QRect ort) {
        auto* lbl = new QLabel(QString::fromUtf8(pszText), eltern);
        lbl->setObjectName(sName);
        Platziere(lbl, ort);
        return lbl;
    };
    const auto pfeil = [this](int iIndex, QRect ort) {
        auto* cmd = new QPushButton(this);
        cmd->setObjectName(QStringLiteral("cmdPfeil_%1").arg(iIndex));
        Platziere(cmd, ort);
        cmd->setFont(pfeilSchrift());
        cmd->setIcon(QIcon(gPunktbild()));
        cmd->setIconSize(QSize(16, 16));
        connect(cmd, &QPushButton::clicked, this, [this, iIndex] { cmdPfeil_Click(iIndex); });
        return cmd;
    };

    lblErgebnisDatei[0] =
        beschriftung(this, QStringLiteral("lblErgebnisDatei_0"), "Ergebnisdatei von Berufsschule",
                     QRect(156, 144, 4800, 204));
    txtErgebnisdatei =
        eintrag(this, QStringLiteral("txtErgebnisdatei"), QRect(156, 384, 4872, 312));
    cmdPfeil[0] = pfeil(0, QRect(5040, 384, 336, 312));

    lblAnz[7] =
        beschriftung(this, QStringLiteral("lblAnz_7"),
                     "Zeilennummer für Startzeile (kann leer bleiben)", QRect(300, 816, 4272, 228));
    lblAnz[8] = beschriftung(this, QStringLiteral("lblAnz_8"),
                             "(erste Zeile mit Fachüberschriften)", QRect(300, 1056, 4272, 204));
    txtZeile = eintrag(this, QStringLiteral("txtZeile"), QRect(4608, 888, 588, 312));

    fraSpalten = new QGroupBox(QStringLiteral("Spaltenpositionen der Felder (z.B. DN)"), this);
    fraSpalten->setObjectName(QStringLiteral("fraSpalten"));
    Platziere(fraSpalten, QRect(156, 1392, 5220, 2508));
    for (size_t i = 0; i < txtSpalte.size(); ++i) {
        lblAnz[i + 1] = beschriftung(fraSpalten, QStringLiteral("lblAnz_%1").arg(i + 1),
                                     SPALTE_TEXT[i], QRect(144, LABEL_OBEN[i], 3564, 204));
        txtSpalte[i] = eintrag(fraSpalten, QStringLiteral("txtSpalte_%1").arg(i),
                               QRect(3744, SPALTE_OBEN[i], 588, 312));
        txtSpalte[i]->installEventFilter(this);
    }
    lblErgebnisDatei[1] = beschriftung(fraSpalten, QStringLiteral("lblErgebnisDatei_1"), "Wert",
                                       QRect(4416, 1824, 612, 204));
    txtFilterWert =
        eintrag(fraSpalten, QStringLiteral("txtFilterWert"), QRect(4452, 2064, 588, 312));

    lblAnz[0] =
        beschriftung(this, QStringLiteral("lblAnz_0"),
                     "Datei für extrahierte Berufsschulergebnisse", QRect(156, 4068, 4800, 204));
    txtErgebnisWorkfile =
        eintrag(this, QStringLiteral("txtErgebnisWorkfile"), QRect(156, 4308, 4872, 312));
    cmdPfeil[1] = pfeil(1, QRect(5040, 4308, 336, 312));

    cmdOK = new QPushButton(QStringLiteral("&Start"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    Platziere(cmdOK, QRect(1416, 4980, 1236, 360));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmRasterfang::cmdOK_Click);

    cmdAbort = new QPushButton(QStringLiteral("&Beenden"), this);
    cmdAbort->setObjectName(QStringLiteral("cmdAbort"));
    Platziere(cmdAbort, QRect(2940, 4980, 1236, 360));
    connect(cmdAbort, &QPushButton::clicked, this, &QWidget::close);

    // Shows progress only: the user may click into it but never tabs into it.
    txtStatus = new QLineEdit(this);
    txtStatus->setObjectName(QStringLiteral("txtStatus"));
    Platziere(txtStatus, QRect(-12, 5580, 5724, STATUS_HOEHE));
    txtStatus->setReadOnly(true);
    txtStatus->setFocusPolicy(Qt::ClickFocus);

    // A screen reader names each entry by the label beside it instead of "Eingabefeld".
    std::vector<std::pair<QLabel*, QLineEdit*>> paare{{lblErgebnisDatei[0], txtErgebnisdatei},
                                                      {lblAnz[7], txtZeile},
                                                      {lblErgebnisDatei[1], txtFilterWert},
                                                      {lblAnz[0], txtErgebnisWorkfile}};
    for (size_t i = 0; i < txtSpalte.size(); ++i) paare.push_back({lblAnz[i + 1], txtSpalte[i]});
    for (const auto& [lbl, txt] : paare) {
        lbl->setBuddy(txt);
        txt->setAccessibleName(lbl->text());
    }

    Einpassen();
}

void frmRasterfang::LegeTabfolgeFest() {
    // Labels and the frame hold tab positions in between but never take the focus.
    const std::array<QWidget*, 14> folge{
        txtErgebnisdatei,    cmdPfeil[0],  txtZeile,     txtSpalte[0], txtSpalte[1],
        txtSpalte[2],        txtSpalte[3], txtSpalte[4], txtSpalte[5], txtFilterWert,
        txtErgebnisWorkfile, cmdPfeil[1],  cmdOK,        cmdAbort};
    for (size_t i = 0; i + 1 < folge.size(); ++i) QWidget::setTabOrder(folge[i], folge[i + 1]);
}

void frmRasterfang::Form_Load() {
    Eingaben vorbelegt = eingaben();
    gVorbelegungLesen(vorbelegt);
    setzeEingaben(vorbelegt);
    // The status line runs along the whole bottom edge, whatever its designed place.
    const int iHoehe = giPixel(STATUS_HOEHE, logicalDpiY());
    txtStatus->setGeometry(0, height() - iHoehe, width(), iHoehe);
}

Eingaben frmRasterfang::eingaben() const {
    Eingaben e;
    e.sErgebnisdatei = txtErgebnisdatei->text();
    e.sZeile = txtZeile->text();
    for (size_t i = 0; i < txtSpalte.size(); ++i) e.sSpalte[i] = txtSpalte[i]->text();
    e.sFilterWert = txtFilterWert->text();
    e.sErgebnisWorkfile = txtErgebnisWorkfile->text();
    return e;
}

void frmRasterfang::setzeEingaben(const Eingaben& eingaben) {
    const Eingaben e = gEinzeilig(eingaben);
    txtErgebnisdatei->setText(e.sErgebnisdatei);
    txtZeile->setText(e.sZeile);
    for (size_t i = 0; i < txtSpalte.size(); ++i) txtSpalte[i]->setText(e.sSpalte[i]);
    txtFilterWert->setText(e.sFilterWert);
    txtErgebnisWorkfile->setText(e.sErgebnisWorkfile);
}

void frmRasterfang::setzeDateipfad(Eingabefeld feld, const QString& sPfad) {
    // setText passes no validator: a dropped or passed path is cut here like a pasted one.
    if (QLineEdit* ziel = Fokusziel(feld, 0)) ziel->setText(gsEinzeilig(sPfad));
}

void frmRasterfang::setzeZusammenfassungsAnzeige(std::function<void(const QString&)> anzeige) {
    m_zusammenfassungsAnzeige = std::move(anzeige);
}

void frmRasterfang::ZeigeZusammenfassung(const QString& sText) {
    // A failure of printing is thrown from exec() to the handler of "&Start".
    const std::unique_ptr<Drucker> drucker = gErgebnisDrucker(txtErgebnisWorkfile->text());
    frmMessage fenster(this, drucker.get());
    fenster.sMessage(sText);
    fenster.exec();
}

QLineEdit* frmRasterfang::Fokusziel(Eingabefeld feld, int iIndex) const {
    switch (feld) {
        case Eingabefeld::Ergebnisdatei:
            return txtErgebnisdatei;
        case Eingabefeld::Spalte:
            return txtSpalte.at(static_cast<size_t>(iIndex));
        case Eingabefeld::ErgebnisWorkfile:
            return txtErgebnisWorkfile;
    }
    return nullptr;
}

void frmRasterfang::cmdOK_Click() {
    StartRueckmeldungen rueck;
    rueck.fokusSetzen = [this](Eingabefeld feld, int iIndex) {
        if (QLineEdit* ziel = Fokusziel(feld, iIndex)) ziel->setFocus(Qt::OtherFocusReason);
    };
    rueck.statuszeile = m_status.get();
    rueck.zusammenfassungZeigen = m_zusammenfassungsAnzeige;
    m_letztesErgebnis = gStartAusfuehren(eingaben(), rueck);
}

void frmRasterfang::cmdPfeil_Click(int iIndex) {
    if (iIndex == 0) {
        ErgebnisdateiAuswaehlen(*txtErgebnisdatei);
    } else {
        ExtraktdateiAuswaehlen(*txtErgebnisWorkfile);
    }
}

void frmRasterfang::txtSpalte_LostFocus(int iIndex) {
    if (iIndex != 0) return;
    std::array<QString, 6> sSpalte;
    for (size_t i = 0; i < txtSpalte.size(); ++i) sSpalte[i] = txtSpalte[i]->text();
    if (!gbSpaltenFuellen(sSpalte)) return;
    for (size_t i = 1; i + 1 < txtSpalte.size(); ++i) txtSpalte[i]->setText(sSpalte[i]);
}

bool frmRasterfang::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut) {
        // Switching to another program or opening a menu keeps the focus in the entry.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason) {
            for (size_t i = 0; i < txtSpalte.size(); ++i) {
                if (objekt == txtSpalte[i]) txtSpalte_LostFocus(static_cast<int>(i));
            }
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void frmRasterfang::keyPressEvent(QKeyEvent* ereignis) {
    // Esc presses the cancel button; QDialog would merely hide the window, skipping the unload.
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        cmdAbort->click();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void frmRasterfang::Form_Unload() {
    gVorbelegungSchreiben(eingaben());
}

void frmRasterfang::closeEvent(QCloseEvent* ereignis) {
    Form_Unload();
    QDialog::closeEvent(ereignis);
}

}  // namespace rastfang
