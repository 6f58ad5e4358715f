#include "messages/fenster/frmMessage.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <utility>

#include "messages/Fehler.h"
#include "messages/fenster/CenterDlg.h"
#include "messages/fenster/MessageLayout.h"
#include "messages/fenster/Platzbedarf.h"

namespace rastfang {

namespace {

QFont schriftText() {
    // A fixed-pitch face lines up the blank-padded columns of the summary.
    QFont f(QStringLiteral("Courier New"), 9);
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    return f;
}

QFont schriftKnopf() {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(true);
    return f;
}

QPushButton* neuerKnopf(const QString& sText, const QString& sName, float fBreite,
                        QWidget* eltern) {
    auto* knopf = new QPushButton(sText, eltern);  // owned by the window
    knopf->setObjectName(sName);
    knopf->setFont(schriftKnopf());
    // No default button: Enter must not close or print the window.
    knopf->setAutoDefault(false);
    knopf->setDefault(false);
    knopf->resize(giTwipsZuPixel(fBreite, eltern->logicalDpiX()),
                  giTwipsZuPixel(MessageMasse::KNOPF_HOEHE, eltern->logicalDpiY()));
    return knopf;
}

}  // namespace

frmMessage::frmMessage(QWidget* hauptfenster, Drucker* drucker)
    : QDialog(hauptfenster),
      m_eigenerDrucker(drucker ? nullptr : std::make_unique<QtDrucker>()),
      m_drucker(drucker ? drucker : m_eigenerDrucker.get()) {
    setWindowTitle(QStringLiteral("Ergebnisse"));
    setSizeGripEnabled(false);

    m_txtMessage = new QPlainTextEdit(this);  // owned by the window
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setFont(schriftText());
    m_txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMessage->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtMessage->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtMessage->move(0, 0);
    // Like a multi-line text box of the original platform, Tab moves on instead of inserting.
    m_txtMessage->setTabChangesFocus(true);

    m_cmdOK =
        neuerKnopf(QStringLiteral("&OK"), QStringLiteral("cmdOK"), MessageMasse::OK_BREITE, this);
    m_cmdDrucken = neuerKnopf(QStringLiteral("&Drucken"), QStringLiteral("cmdDrucken"),
                              MessageMasse::DRUCKEN_BREITE, this);
    // Buttons grow where the font needs more room than the designed width gives.
    for (auto [knopf, fBreite] :
         {std::pair{m_cmdOK, &m_fOkBreite}, std::pair{m_cmdDrucken, &m_fDruckenBreite}}) {
        const int iBedarf = gPlatzbedarf(*knopf).width();
        if (iBedarf > knopf->width()) {
            *fBreite = gfPixelZuTwips(iBedarf + 1, logicalDpiX());
            knopf->resize(iBedarf + 1, knopf->height());
        }
    }
    setTabOrder(m_txtMessage, m_cmdOK);
    setTabOrder(m_cmdOK, m_cmdDrucken);

    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cmdDrucken, &QPushButton::clicked, this, &frmMessage::cmdDrucken_Click);

    resize(giTwipsZuPixel(MessageMasse::ENTWURF_BREITE, logicalDpiX()),
           giTwipsZuPixel(MessageMasse::ENTWURF_HOEHE, logicalDpiY()));
}

frmMessage::~frmMessage() = default;

void frmMessage::sMessage(const QString& sText) {
    m_sMessage = sText;
}

void frmMessage::done(int iErgebnis) {
    m_bGeladen = false;
    QDialog::done(iErgebnis);
    if (m_schleife) m_schleife->exit();
}

int frmMessage::exec() {
    // QDialog::exec's own loop ends only by hiding the window; a failed print must end the
    // wait with the window still there, so the wait is a loop of our own.
    const bool bWarModal = testAttribute(Qt::WA_ShowModal);
    setAttribute(Qt::WA_ShowModal, true);
    setResult(Rejected);
    QEventLoop schleife;
    const QPointer<frmMessage> selbst(this);
    m_schleife = &schleife;
    show();
    if (isVisible()) schleife.exec(QEventLoop::DialogExec);
    if (!selbst) return Rejected;
    m_schleife = nullptr;
    setAttribute(Qt::WA_ShowModal, bWarModal);
    if (m_fehler) std::rethrow_exception(std::exchange(m_fehler, nullptr));
    return result();
}

void frmMessage::showEvent(QShowEvent* ereignis) {
    if (!ereignis->spontaneous() && !m_bGeladen) {
        m_bGeladen = true;
        Form_Load();
    }
    QDialog::showEvent(ereignis);
}

void frmMessage::Form_Load() {
    m_txtMessage->setPlainText(m_sMessage);

    if (const QWidget* haupt = parentWidget()) {
        // The outer height of the main window. Before the first showing our own frame is not
        // known yet; the main window's frame stands in for it.
        int iRahmen = frameGeometry().height() - height();
        if (iRahmen <= 0) iRahmen = haupt->frameGeometry().height() - haupt->height();
        resize(width(), haupt->frameGeometry().height() - iRahmen);
    }

    // Opens centred on the screen, not over the main window.
    gZentrieren(*this);
}

void frmMessage::resizeEvent(QResizeEvent* ereignis) {
    QDialog::resizeEvent(ereignis);
    Form_Resize();
}

void frmMessage::Form_Resize() {
    const double dDpiX = logicalDpiX();
    const double dDpiY = logicalDpiY();
    const QSize rahmen = frameGeometry().size() - size();

    MessageFenstermasse masse;
    masse.fRahmenBreite = gfPixelZuTwips(rahmen.width(), dDpiX);
    masse.fRahmenHoehe = gfPixelZuTwips(rahmen.height(), dDpiY);
    masse.fOkBreite = m_fOkBreite;
    masse.fDruckenBreite = m_fDruckenBreite;

    // Keep the window system from making the window smaller than the layout allows.
    const MessageLayout kleinst = gMessageLayout(masse);
    const QSize minimum(giTwipsZuPixel(kleinst.fAussenBreite, dDpiX) - rahmen.width(),
                        giTwipsZuPixel(kleinst.fAussenHoehe, dDpiY) - rahmen.height());
    if (minimumSize() != minimum) setMinimumSize(minimum);

    masse.fAussenBreite = gfPixelZuTwips(width() + rahmen.width(), dDpiX);
    masse.fAussenHoehe = gfPixelZuTwips(height() + rahmen.height(), dDpiY);
    const MessageLayout l = gMessageLayout(masse);

    const int iBreite = giTwipsZuPixel(l.fAussenBreite, dDpiX) - rahmen.width();
    const int iHoehe = giTwipsZuPixel(l.fAussenHoehe, dDpiY) - rahmen.height();
    if (iBreite > width() || iHoehe > height()) {
        // Snapping back resizes again, and the layout follows from there.
        resize(std::max(iBreite, width()), std::max(iHoehe, height()));
        if (size() == QSize(std::max(iBreite, width()), std::max(iHoehe, height()))) return;
    }

    const int iTextHoehe =
        l.fTextHoehe ? giTwipsZuPixel(*l.fTextHoehe, dDpiY) : m_txtMessage->height();
    m_txtMessage->setGeometry(0, 0, giTwipsZuPixel(l.fTextBreite, dDpiX), iTextHoehe);
    m_cmdOK->move(giTwipsZuPixel(l.fOkLinks, dDpiX), giTwipsZuPixel(l.fOkOben, dDpiY));
    m_cmdDrucken->move(giTwipsZuPixel(l.fDruckenLinks, dDpiX),
                       giTwipsZuPixel(l.fDruckenOben, dDpiY));
}

void frmMessage::keyPressEvent(QKeyEvent* ereignis) {
    // Esc prints instead of closing: "&Drucken" is the window's cancel button.
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        m_cmdDrucken->click();
        ereignis->accept();
        return;
    }
    // No default button, but Enter presses the button that has the focus.
    const bool bEnter = ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter;
    if (bEnter && (focusWidget() == m_cmdOK || focusWidget() == m_cmdDrucken)) {
        static_cast<QPushButton*>(focusWidget())->click();
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void frmMessage::cmdDrucken_Click() {
    try {
        QImage bild = grab().toImage();
        const double dPunkteProMeter = logicalDpiX() * bild.devicePixelRatio() / 0.0254;
        bild.setDotsPerMeterX(static_cast<int>(dPunkteProMeter));
        bild.setDotsPerMeterY(static_cast<int>(dPunkteProMeter));
        m_drucker->Drucken(bild);
    } catch (...) {
        // No handling of its own: a modal showing hands the failure to its caller. Shown
        // without waiting, nobody can take it over, and the window reports it itself.
        if (m_schleife) {
            m_fehler = std::current_exception();
            m_schleife->exit();
            return;
        }
        gZeigeFehlerbericht(gAktuellerFehler(std::current_exception()),
                            QStringLiteral("cmdDrucken_Click"), QStringLiteral("/frmMessage"));
    }
}

}  // namespace rastfang
