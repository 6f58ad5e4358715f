#include "app/Einzeilig.h"

#include <QLineEdit>
#include <QValidator>

namespace rastfang {

namespace {

qsizetype ersterUmbruch(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c == u'\r' || c == u'\n' || c == u'\u0085' || c == u'\u2028' || c == u'\u2029') {
            return i;
        }
    }
    return -1;
}

/// Sees every insertion into the entry: the cursor then stands right after the inserted text,
/// so removing from the first break up to the cursor keeps the inserted text's first line and
/// the old text after the insertion point.
class OhneUmbruch final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& sText, int& iPos) const override {
        const qsizetype umbruch = ersterUmbruch(sText);
        if (umbruch < 0) return Acceptable;
        const qsizetype bis = iPos > umbruch ? iPos : sText.size();
        sText.remove(umbruch, bis - umbruch);
        iPos = static_cast<int>(umbruch);
        return Acceptable;
    }
};

}  // namespace

QString gsEinzeilig(const QString& sText) {
    const qsizetype umbruch = ersterUmbruch(sText);
    return umbruch < 0 ? sText : sText.left(umbruch);
}

Eingaben gEinzeilig(Eingaben e) {
    e.sErgebnisdatei = gsEinzeilig(e.sErgebnisdatei);
    e.sZeile = gsEinzeilig(e.sZeile);
    for (QString& s : e.sSpalte) s = gsEinzeilig(s);
    e.sFilterWert = gsEinzeilig(e.sFilterWert);
    e.sErgebnisWorkfile = gsEinzeilig(e.sErgebnisWorkfile);
    return e;
}

void gEinzeiligHalten(QLineEdit& txt) {
    txt.setValidator(new OhneUmbruch(&txt));
}

}  // namespace rastfang
