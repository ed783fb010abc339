#include "field_text.h"

#include <algorithm>
#include <array>

#include "numbers.h"
#include "run_failure.h"

namespace velmora {

namespace {

struct FieldFormat {
  std::string_view name;
  std::string_view before;
  int decimals;  // -1: shown as it is, not rounded
  std::string_view after;
};

constexpr std::string_view kSeconds = " 秒";

// Indexed by ResultField.
constexpr std::array<FieldFormat, kResultFieldCount> kFormats = {{
    {"Text8", "   ", 2, kSeconds},
    {"Text9", "   ", 2, kSeconds},
    {"Text10", "  ", 2, kSeconds},
    {"Text11", "  ", 2, kSeconds},
    {"Text12", "  ", 2, kSeconds},
    {"Text13", "", 2, " 单位"},
    {"Text16", "   ", 4, ""},
    {"Text17", "   ", 4, ""},
    {"Text15", " ", 2, kSeconds},
    {"Text25", " 1/", -1, ""},
    {"Text18", "  ", 2, " 毫米"},
    {"Text14", "  ", 3, ""},
    {"Text21", "  ", 3, ""},
    {"Text23", "  ", 3, ""},
    {"Text24", "  ", 3, ""},
    {"Text19", "  ", 3, ""},
    {"Text20", "  ", 3, ""},
}};

const FieldFormat& FormatOf(ResultField field) {
  return kFormats[static_cast<std::size_t>(field)];
}

}  // namespace

std::string_view FieldName(ResultField field) {
  return FormatOf(field).name;
}

std::string ResultText(ResultField field, double value) {
  const FieldFormat& format = FormatOf(field);
  char text[kNumberTextCapacity + 16];
  char* end = std::copy(format.before.begin(), format.before.end(), text);
  end += format.decimals < 0 ? WriteNumberText(value, end)
                             : WriteRoundedNumberText(value, format.decimals, end);
  end = std::copy(format.after.begin(), format.after.end(), end);
  return std::string(text, end);
}

void Emit(Outbox& out, ResultField field, double value) {
  CheckFloatingPointFaults();
  CheckFinite(value);
  out.push_back({field, ResultText(field, value)});
}

}  // namespace velmora
