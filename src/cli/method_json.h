// The JSON form of a method (docs/method-json.md): every stored field, doubles as exact
// decimal texts, so that a method kept as text comes back bit for bit.
#pragma once

#include <string>
#include <string_view>

#include "method/inlet_method.h"

namespace method_tool {

inline constexpr const char* kJsonFormat = "tovrex-method 1";

// The method's stored fields as indented JSON, ending in a line feed.
std::string ExportJson(const InletMethod& method);

// Fills every stored field of `method` from `text`. False with a one-line `error` when
// the text is not JSON of this form: a field missing, unknown, or not a value its kind
// takes. `method` is then unchanged.
bool ImportJson(std::string_view text, InletMethod& method, std::string& error);

}  // namespace method_tool
