#pragma once

// The local socket of the raise channel. It lives in a module of its own
// (loaded with QLibrary) so that the network library and the ten libraries
// it pulls in are not loaded, relocated and paid for in memory before the
// first window paints; a refused start loads it only to send its request.

#include <QString>

#include <functional>

class QObject;

namespace amorisk::raisesocket {

// Listens at `path`, calling `onRaise` for each request; the server is a
// child of `owner`. False when the socket cannot be taken.
using ListenFunction
        = bool (*)(const QString &path, QObject *owner, const std::function<void()> &onRaise);
// Sends one request to whoever listens at `path`. False when nothing took it.
using RequestFunction = bool (*)(const QString &path);

inline constexpr char moduleName[] = "amorisk-raise";
inline constexpr char listenSymbol[] = "amoriskRaiseListen";
inline constexpr char requestSymbol[] = "amoriskRaiseRequest";

} // namespace amorisk::raisesocket
