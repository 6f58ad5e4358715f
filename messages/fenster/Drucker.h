#pragma once
// Printing an image of a window: one call, so that tests can put a recorder in its place.

#include <QImage>

namespace rastfang {

/// Prints images on the default printer.
class Drucker {
  public:
    virtual ~Drucker() = default;
    /// Prints `bild` at the physical size its dots-per-meter give. Raises VbFehler 482 when it
    /// cannot be printed.
    virtual void Drucken(const QImage& bild) = 0;
};

/// The printer of the desktop: the system's default printer through QPrinter. Without a default
/// printer it raises 482 rather than letting Qt fall back to writing a PDF file.
class QtDrucker : public Drucker {
  public:
    void Drucken(const QImage& bild) override;
};

}  // namespace rastfang
