// Exporting and importing the JSON form through the list of stored fields.
#include "cli/method_json.h"

#include <algorithm>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/method_fields.h"

namespace method_tool {

namespace {

// Exported in the order of the stored fields; imported into a plain map, whose lookups
// stay fast whatever number of keys a hostile file holds.
using Json = nlohmann::ordered_json;
using Dom = nlohmann::json;

constexpr const char* kFormatPath = "/format";
// The form itself nests six deep.
constexpr std::size_t kMaxDepth = 16;

bool ReadNumber(const Dom& value, double& number) {
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

bool ReadInteger(const Dom& value, int32_t& integer) {
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

// The parsed text, built by hand from the parser's events so that what a JSON reader
// would take silently is refused with the place it is at: nesting deeper than the form
// ever needs (before it is built, so no depth reaches the stack) and a key given twice
// in one object (a reader of the file would see one value and the import take another).
class Builder : public nlohmann::json_sax<Dom> {
 public:
  explicit Builder(Dom& root) : root_(root) {}
  std::string error;

  bool null() override { return Put(nullptr); }
  bool boolean(bool value) override { return Put(value); }
  bool number_integer(number_integer_t value) override { return Put(value); }
  bool number_unsigned(number_unsigned_t value) override { return Put(value); }
  bool number_float(number_float_t value, const string_t&) override { return Put(value); }
  bool string(string_t& value) override { return Put(std::move(value)); }
  bool binary(binary_t& value) override { return Put(Dom::binary(std::move(value))); }
  bool start_object(std::size_t) override { return Open(Dom::object()); }
  bool start_array(std::size_t) override { return Open(Dom::array()); }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }
  bool key(string_t& key) override {
    Level& level = open_.back();
    level.key = level.path + "/" + key;
    if (level.value->contains(key)) {
      error = level.key + ": given twice";
      return false;
    }
    level.name = key;
    return true;
  }
  bool parse_error(std::size_t, const std::string&,
                   const nlohmann::detail::exception& ex) override {
    // The parser's message says where: "... parse error at line 3, column 7: ...".
    const std::string what = ex.what();
    const std::size_t at = what.find("line ");
    const std::size_t end = what.find(':', at);
    error = "not JSON text of a method";
    if (at != std::string::npos && end != std::string::npos) {
      error += " (a syntax error at " + what.substr(at, end - at) + ")";
    }
    return false;
  }

 private:
  struct Level {
    Dom* value;
    std::string path;  // JSON pointer of the container
    std::string name;  // an object's pending key
    std::string key;   // its pointer
  };

  // Where the next value goes, and its pointer.
  Dom* Slot(std::string& path) {
    if (open_.empty()) return &root_;
    Level& level = open_.back();
    if (level.value->is_array()) {
      path = level.path + "/" + std::to_string(level.value->size());
      return &level.value->emplace_back();
    }
    path = level.key;
    return &(*level.value)[level.name];
  }
  bool Put(Dom value) {
    std::string path;
    *Slot(path) = std::move(value);
    return true;
  }
  bool Open(Dom container) {
    std::string path;
    Dom* slot = Slot(path);
    if (open_.size() == kMaxDepth) {
      error = (path.empty() ? "/" : path) + ": nested deeper than " + std::to_string(kMaxDepth) +
              " levels";
      return false;
    }
    *slot = std::move(container);
    open_.push_back({slot, path, "", ""});
    return true;
  }
  bool Close() {
    open_.pop_back();
    return true;
  }

  Dom& root_;
  std::vector<Level> open_;
};

bool ParseJson(std::string_view text, Dom& root, std::string& error) {
  Builder builder(root);
  if (Dom::sax_parse(text.begin(), text.end(), &builder)) return true;
  error = builder.error;
  return false;
}

const Dom* Find(const Dom& object, const std::string& key) {
  const auto found = object.find(key);
  return found == object.end() ? nullptr : &*found;
}

// A value as a one-line message shows it: containers by kind, long texts cut short.
std::string Describe(const Dom& value) {
  if (value.is_object()) return "an object";
  if (value.is_array()) return "an array";
  std::string text = value.dump();
  if (text.size() > 40) {
    std::size_t cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text = text.substr(0, cut) + "...";
  }
  return text;
}

// The value at the field's pointer. Its segments that are numbers index an array, the
// others name an object's key; a container of the other kind is refused by name, so
// that an object with keys "0".."3" cannot stand in for the four rows.
const Dom* At(const Dom& root, const std::string& pointer, std::string& error) {
  const Dom* node = &root;
  std::size_t at = 1;
  while (at <= pointer.size()) {
    const std::size_t end = std::min(pointer.find('/', at), pointer.size());
    const std::string segment = pointer.substr(at, end - at);
    const std::string path = pointer.substr(0, at - 1);
    const bool index = segment.find_first_not_of("0123456789") == std::string::npos;
    if (index ? !node->is_array() : !node->is_object()) {
      error = (path.empty() ? "/" : path) + ": " + Describe(*node) + " is not " +
              (index ? "an array" : "an object");
      return nullptr;
    }
    const std::size_t i = index ? std::stoul(segment) : 0;
    node = index ? (i < node->size() ? &(*node)[i] : nullptr) : Find(*node, segment);
    if (node == nullptr) {
      error = "missing field " + pointer.substr(0, end);
      return nullptr;
    }
    at = end + 1;
  }
  return node;
}

// True when every key and array element under `node` is a field of the form or a
// container of one; the depth is bounded by the parser.
bool OnlyKnown(const Dom& node, const std::string& path, const std::set<std::string>& known,
               std::string& error) {
  if (!node.is_object() && !node.is_array()) return true;
  std::size_t index = 0;
  for (const auto& [key, value] : node.items()) {
    const std::string child = path + "/" + (node.is_array() ? std::to_string(index++) : key);
    if (!known.contains(child)) {
      error = "unknown field " + child;
      return false;
    }
    if (!OnlyKnown(value, child, known, error)) return false;
  }
  return true;
}

}  // namespace

std::string ExportJson(const InletMethod& method) {
  InletMethod copy = method;
  Json flat = Json::object();
  flat[kFormatPath] = kJsonFormat;
  for (const StoredField& field : StoredFields(copy)) {
    if (field.number) {
      flat[field.Path()] = ExactText(*field.number);
    } else {
      flat[field.Path()] = *field.integer;
    }
  }
  return flat.unflatten().dump(2) + "\n";
}

bool ImportJson(std::string_view text, InletMethod& method, std::string& error) {
  Dom root;
  if (!ParseJson(text, root, error)) return false;
  const Dom* format = root.is_object() ? Find(root, "format") : nullptr;
  if (format == nullptr || *format != kJsonFormat) {
    error = std::string("not a method in the JSON form \"") + kJsonFormat + "\"";
    return false;
  }
  InletMethod imported = method;
  const std::vector<StoredField> fields = StoredFields(imported);
  std::set<std::string> known = {"", kFormatPath};
  for (const StoredField& field : fields) {
    const std::string path = field.Path();
    const Dom* value = At(root, path, error);
    if (value == nullptr) return false;
    const bool ok =
        field.number ? ReadNumber(*value, *field.number) : ReadInteger(*value, *field.integer);
    if (!ok) {
      error = path + ": " + Describe(*value) +
              (field.number ? " is not a number text" : " is not a 32-bit whole number");
      return false;
    }
    for (std::size_t slash = 0; slash != std::string::npos; slash = path.find('/', slash + 1))
      known.insert(path.substr(0, slash));
    known.insert(path);
  }
  if (!OnlyKnown(root, "", known, error)) return false;
  method = imported;
  return true;
}

}  // namespace method_tool
