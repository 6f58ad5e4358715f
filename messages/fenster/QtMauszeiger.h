#pragma once
// The application-wide mouse pointer of the desktop program, as an override cursor.

#include <cstdint>

#include "basis/Plattform.h"

namespace rastfang {

/// The Qt implementation of the mouse-pointer seam: any value but 0 sets one application-wide
/// override cursor (11 the hourglass), 0 removes it. The value set is remembered for `Lesen`.
/// Destroying it removes an override cursor it still holds.
class QtMauszeiger : public Mauszeiger {
  public:
    QtMauszeiger() = default;
    ~QtMauszeiger() override;
    QtMauszeiger(const QtMauszeiger&) = delete;
    QtMauszeiger& operator=(const QtMauszeiger&) = delete;

    /// The value last set (0 at the start).
    int16_t Lesen() const override { return m_iZeiger; }
    /// Sets the pointer; setting the value already set changes nothing.
    void Setzen(int16_t iZeiger) override;

  private:
    int16_t m_iZeiger = STANDARD;
};

}  // namespace rastfang
