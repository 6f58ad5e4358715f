#pragma once
// The other ways a desktop program is ended: SIGTERM or SIGHUP (a shutdown, a closed terminal,
// an administrator's kill) and the end of the desktop session. Each saves the presets through
// the window's unload, as the close box does. The signal handler only writes a byte into a
// pipe; the event loop reads it and does the real work.

#include <QObject>
#include <array>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace rastfang {

class frmRasterfang;

class Sitzungsende : public QObject {
    Q_OBJECT
  public:
    /// Watches for the signals and the session's end on behalf of `fenster`. After a signal
    /// the window is closed (which unloads it) and `beenden` runs, typically ending the
    /// event loop. While the watcher lives, a signal during a save also removes the save's
    /// temporary file (see Abbruchschutz).
    Sitzungsende(frmRasterfang& fenster, std::function<void()> beenden);
    ~Sitzungsende() override;
    Sitzungsende(const Sitzungsende&) = delete;
    Sitzungsende& operator=(const Sitzungsende&) = delete;

  private:
    void SignalLesen();

    frmRasterfang& m_fenster;
    std::function<void()> m_beenden;
    std::array<int, 2> m_pipe{-1, -1};
    std::unique_ptr<QSocketNotifier> m_melder;
};

}  // namespace rastfang
