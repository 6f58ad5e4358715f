#include "messages/fenster/CCenterDialog.h"

#include "messages/fenster/CenterDlg.h"

namespace rastfang {

CCenterDialog::CCenterDialog() : m_zentrierer(std::make_unique<DialogZentrierer>()) {}

CCenterDialog::~CCenterDialog() = default;

bool CCenterDialog::bWartet() const {
    return m_zentrierer->bWartet();
}

}  // namespace rastfang
