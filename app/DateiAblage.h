#pragma once
// Dropping a workbook from the file manager onto the main window: the file's path goes into an
// entry instead of the drag's text (a "file://" address) being typed into whatever lies below.

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace rastfang {

/// The local path of the one file that `daten` carries; empty when it carries no file, a file
/// that is not local, or more than one.
QString gsAbgelegteDatei(const QMimeData& daten);

/// Accepts a dropped file on `fenster` and on every text entry in it (entries added later are
/// not covered) and hands its path to `ablegen` together with the widget it was dropped on (the
/// window itself when dropped between the entries). Drags without exactly one local file pass
/// on untouched, so dropping text into an entry still works. Offers to copy, never to move, so
/// the file manager leaves the file where it is.
class DateiAblage : public QObject {
  public:
    DateiAblage(QWidget& fenster, std::function<void(QObject* ziel, const QString& sPfad)> ablegen);

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    std::function<void(QObject*, const QString&)> m_ablegen;
};

}  // namespace rastfang
