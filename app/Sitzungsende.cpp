#include "app/Sitzungsende.h"

#include <fcntl.h>
#include <unistd.h>
#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include "app/frmRasterfang.h"
#include "basis/Abbruchschutz.h"

namespace rastfang {

Sitzungsende::Sitzungsende(frmRasterfang& fenster, std::function<void()> beenden)
    : m_fenster(fenster), m_beenden(std::move(beenden)) {
    if (::pipe2(m_pipe.data(), O_CLOEXEC | O_NONBLOCK) == 0) {
        m_melder = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
        connect(m_melder.get(), &QSocketNotifier::activated, this, &Sitzungsende::SignalLesen);
        gAbbruchSignaleEinrichten(m_pipe[1]);
    }
#ifndef QT_NO_SESSIONMANAGER
    // The session manager may end the program without closing the window.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { m_fenster.Form_Unload(); });
    }
#endif
}

Sitzungsende::~Sitzungsende() {
    gAbbruchSignaleZuruecksetzen();
    m_melder.reset();
    for (const int fd : m_pipe) {
        if (fd >= 0) ::close(fd);
    }
}

void Sitzungsende::SignalLesen() {
    char puffer[16];
    while (::read(m_pipe[0], puffer, sizeof puffer) > 0) {
    }
    if (m_fenster.isVisible()) m_fenster.close();
    if (m_beenden) m_beenden();
}

}  // namespace rastfang
