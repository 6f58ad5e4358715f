#pragma once
// Printing an image of a window: one call, so that tests can put a recorder in its place.

#include <QImage>
#include <QString>
#include <functional>
#include <optional>

namespace rastfang {

/// Prints images on the default printer (or what stands in for it).
class Drucker {
  public:
    virtual ~Drucker() = default;
    /// Prints `bild` at the physical size its dots-per-meter give, on one page. Raises VbFehler
    /// 482 when it cannot be printed.
    virtual void Drucken(const QImage& bild) = 0;
};

/// Asked for the PDF file to write when there is no printer: a path, or nothing when the user
/// cancelled.
using PdfZiel = std::function<std::optional<QString>()>;

/// The printer of the desktop: the system's default printer through QPrinter. Without one it
/// behaves as a PDF printer: `pdfZiel` names the file (nothing printed, no error when it
/// answers nothing). Without a default printer and without `pdfZiel` it raises 482.
class QtDrucker : public Drucker {
  public:
    explicit QtDrucker(PdfZiel pdfZiel = {}) : m_pdfZiel(std::move(pdfZiel)) {}
    void Drucken(const QImage& bild) override;

  private:
    PdfZiel m_pdfZiel;
};

}  // namespace rastfang
