#pragma once
// The random part of the hidden names our saves use beside a user's file (temporary files,
// the set-aside old output): short, so that any legal file name still fits beside them.

#include <QString>

namespace rastfang {

/// Six random characters from a–z and 0–9.
QString gsZufallsteil();

}  // namespace rastfang
