// Keeps C++ exceptions inside the library: the host calls through a C interface, and
// an exception unwinding into it would tear the host down.
#pragma once

namespace hostutil {

// Runs `body`, turning an escaping exception (an allocation failure) into `failure`.
template <class Result, class Body>
Result NoThrow(Result failure, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return failure;
  }
}

}  // namespace hostutil
