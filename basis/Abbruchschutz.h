#pragma once
// What a terminating signal (SIGTERM, SIGHUP, SIGINT) must still put right: the temporary file of
// a save in progress is removed, and an old output that was set aside gets its name back. The
// paths are kept where the signal handler can reach them without allocating; the handler does
// only async-signal-safe calls. With a wake-up descriptor (the window) the handler also writes
// one byte to it, so that the event loop can close the window the ordinary way; without one
// (the command line) the process then ends by the signal's default action.

#include <QString>

namespace rastfang {

/// Installs the handlers for SIGTERM, SIGHUP and SIGINT and ignores SIGXFSZ (a file-size limit
/// then fails the write instead of killing the process half-way). `iWeckFd` is the write end of
/// a pipe for the event loop, or -1 to end the process after the clean-up.
void gAbbruchSignaleEinrichten(int iWeckFd);

/// Restores the default actions of the signals `gAbbruchSignaleEinrichten` handles.
void gAbbruchSignaleZuruecksetzen();

/// True once a terminating signal has arrived since the handlers were installed.
bool gbAbbruchSignalErhalten();

/// Announces the temporary file of a save in progress (file-system encoding); empty to withdraw.
void gTempDateiAnmelden(const QByteArray& name);

/// Announces that the old output `sOriginal` now lies under the hidden name `sBeiseite`;
/// empty texts withdraw it. Both paths absolute.
void gBeiseiteAnmelden(const QString& sBeiseite, const QString& sOriginal);

/// The set-aside file announced for the target `sOriginal` (absolute), else the empty text.
QString gsBeiseiteFuer(const QString& sOriginal);

/// Gives the set-aside file `beiseite` the name `original` when no file holds that name; true
/// on success. Async-signal-safe: a rename that refuses to replace, else a hard link.
bool gbNameZurueckgeben(const char* beiseite, const char* original);

}  // namespace rastfang
