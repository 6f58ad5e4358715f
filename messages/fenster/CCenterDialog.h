#pragma once
// Centres the next dialog on the screen: the file pickers create one just before they open their
// dialog and let it go when they are done.

#include <memory>

namespace rastfang {

class DialogZentrierer;

/// While an object lives, the first dialog window shown in the application is moved to the
/// centre of the screen, once, keeping its size; later dialogs are left alone. Without a running
/// application it does nothing. Only one should live at a time.
class CCenterDialog {
  public:
    /// Starts watching for the next dialog.
    CCenterDialog();
    /// Stops watching if no dialog came.
    ~CCenterDialog();
    CCenterDialog(const CCenterDialog&) = delete;
    CCenterDialog& operator=(const CCenterDialog&) = delete;

    /// True while no dialog has been centred yet and the watch is in place.
    bool bWartet() const;

  private:
    std::unique_ptr<DialogZentrierer> m_zentrierer;
};

}  // namespace rastfang
