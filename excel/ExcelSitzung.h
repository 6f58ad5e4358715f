#pragma once
// The spreadsheet application of one reader or writer: started on request, reported on
// failure under the owner's error source, and shut down without questions at the end.

#include <QString>
#include <memory>

#include "spreadsheet/Excel.h"

namespace rastfang {

class ExcelSitzung {
  public:
    /// `sFehlerquelle` is the source named in every error report of the owner ("/CXlsWrite").
    explicit ExcelSitzung(QString sFehlerquelle) : m_sFehlerquelle(std::move(sFehlerquelle)) {}
    /// Ends the application (alerts off, Quit, alerts on) when one was started; an unsaved
    /// workbook is discarded. Never throws.
    ~ExcelSitzung();
    ExcelSitzung(const ExcelSitzung&) = delete;
    ExcelSitzung& operator=(const ExcelSitzung&) = delete;

    /// Starts the application (once). False after an error report naming procedure "Init".
    bool Starten();
    /// The started application; error 91 before Starten succeeded.
    spreadsheet::Application& Anwendung() const;
    /// Shows the common error report for the exception being handled, naming `sProzedur` and
    /// the owner's source; call only from a catch.
    void ZeigeFehler(const QString& sProzedur) const;

  private:
    QString m_sFehlerquelle;
    std::unique_ptr<spreadsheet::Application> m_oExcel;
};

}  // namespace rastfang
