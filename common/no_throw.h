// The barrier at every exported function of the plug-in and the host's library
// stand-ins: their callers reach them through a C interface, and a C++ exception
// unwinding into a host (or through a window procedure) would tear it down.
#pragma once

// Runs `body` and returns what it returns; an escaping exception (an allocation failure,
// the only kind this code can meet) becomes `failure` instead.
template <class Result, class Body>
Result NoThrow(Result failure, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return failure;
  }
}
