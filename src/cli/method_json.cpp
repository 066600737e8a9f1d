// Exporting and importing the JSON form through the list of stored fields.
#include "cli/method_json.h"

#include <algorithm>
#include <limits>

#include <nlohmann/json.hpp>

#include "cli/method_fields.h"

namespace method_tool {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kFormatPath = "/format";
constexpr int kMaxDepth = 16;

bool ReadNumber(const Json& value, double& number) {
  if (value.is_string()) return ParseExactText(value.get_ref<const std::string&>(), number);
  // A plain JSON number typed by hand is taken as well; JSON has no NaN or infinity.
  if (value.is_number_float())
    number = value.get<double>();
  else if (value.is_number_unsigned())
    number = static_cast<double>(value.get<uint64_t>());
  else if (value.is_number_integer())
    number = static_cast<double>(value.get<int64_t>());
  else
    return false;
  return true;
}

bool ReadInteger(const Json& value, int32_t& integer) {
  if (value.is_number_unsigned()) {
    const uint64_t v = value.get<uint64_t>();
    if (v > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return false;
    integer = static_cast<int32_t>(v);
    return true;
  }
  if (!value.is_number_integer()) return false;
  const int64_t v = value.get<int64_t>();
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) {
    return false;
  }
  integer = static_cast<int32_t>(v);
  return true;
}

}  // namespace

std::string ExportJson(const InletMethod& method) {
  InletMethod copy = method;
  Json flat = Json::object();
  flat[kFormatPath] = kJsonFormat;
  for (const StoredField& field : StoredFields(copy)) {
    if (field.number) {
      flat[field.path] = ExactText(*field.number);
    } else {
      flat[field.path] = *field.integer;
    }
  }
  return flat.unflatten().dump(2) + "\n";
}

bool ImportJson(std::string_view text, InletMethod& method, std::string& error) {
  // The parser keeps its own stack, but flatten() recurses: a hostile nesting depth is
  // refused before it. The form itself nests six deep.
  int depth = 0;
  const auto deepest = [&depth](int level, Json::parse_event_t, Json&) {
    depth = std::max(depth, level);
    return true;
  };
  const Json parsed = Json::parse(text.begin(), text.end(), deepest, false);
  if (parsed.is_discarded() || !parsed.is_object() || depth > kMaxDepth) {
    error = "not JSON text of a method";
    return false;
  }
  // Every value by its JSON pointer: missing and unknown fields are then plain lookups.
  const Json flat = parsed.flatten();
  const auto format = flat.find(kFormatPath);
  if (format == flat.end() || *format != kJsonFormat) {
    error = std::string("not a method in the JSON form \"") + kJsonFormat + "\"";
    return false;
  }
  InletMethod imported = method;
  const std::vector<StoredField> fields = StoredFields(imported);
  for (const StoredField& field : fields) {
    const auto value = flat.find(field.path);
    if (value == flat.end()) {
      error = "missing field " + field.path;
      return false;
    }
    const bool ok =
        field.number ? ReadNumber(*value, *field.number) : ReadInteger(*value, *field.integer);
    if (!ok) {
      error = field.path + ": " + value->dump() +
              (field.number ? " is not a number text" : " is not a 32-bit whole number");
      return false;
    }
  }
  if (flat.size() != fields.size() + 1) {
    for (const auto& [path, value] : flat.items()) {
      bool known = path == kFormatPath;
      for (const StoredField& field : fields) known = known || field.path == path;
      if (!known) {
        error = "unknown field " + path;
        return false;
      }
    }
  }
  method = imported;
  return true;
}

}  // namespace method_tool
