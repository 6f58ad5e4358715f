#pragma once
// Where the reader shows its progress: anything that can take a text and repaint at once.
// The main window's status line implements it; without one the reader shows nothing.

#include <QString>

namespace rastfang {

class Statuszeile {
  public:
    virtual ~Statuszeile() = default;
    /// Shows `sText` and repaints immediately.
    virtual void ZeigeText(const QString& sText) = 0;
};

}  // namespace rastfang
