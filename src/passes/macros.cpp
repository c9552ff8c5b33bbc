// Macro definitions and their expansion; see macros.h.
#include "passes/macros.h"

#include "common/text.h"

namespace korvex::passes {
namespace {

// A chain of macros using macros deeper than this is cut off.
constexpr int kMaxDepth = 64;
// An expansion may grow the text to this many times its size (plus a
// fixed allowance); beyond it the rest stays unexpanded.
constexpr size_t kGrowthFactor = 64;
constexpr size_t kGrowthAllowance = 1 << 20;

bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

// The end of the name starting at i: letters, digits, "_", and a "$" at
// the end of it.
size_t IdentifierEnd(std::string_view s, size_t i) {
  while (i < s.size() && IsIdentChar(s[i])) ++i;
  if (i < s.size() && s[i] == '$') ++i;
  return i;
}

// The end of the string, character constant or comment starting at i, or i
// when none starts there. "~"..."" strings know the backslash escapes.
size_t LiteralEnd(std::string_view s, size_t i) {
  char c = s[i];
  if (c == ';') {
    size_t end = s.find('\n', i);
    return end == std::string_view::npos ? s.size() : end;
  }
  if (c == '~' && i + 1 < s.size() && s[i + 1] == '"') {
    for (size_t j = i + 2; j < s.size(); ++j) {
      if (s[j] == '\\') ++j;
      else if (s[j] == '"') return j + 1;
    }
    return s.size();
  }
  if (c == '"' || c == '\'') {
    size_t end = s.find(c, i + 1);
    return end == std::string_view::npos ? s.size() : end + 1;
  }
  return i;
}

size_t SkipBlanks(std::string_view s, size_t i) {
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  return i;
}

// "(a, f(b, c), "x,y")" at i: the arguments, trimmed, and the position after
// the ")"; false when no "(" stands at i or it is never closed.
bool ReadArguments(std::string_view s, size_t& i, std::vector<std::string>& arguments) {
  size_t j = SkipBlanks(s, i);
  if (j >= s.size() || s[j] != '(') return false;
  int depth = 0;
  size_t start = j + 1;
  for (; j < s.size(); ++j) {
    size_t literal = LiteralEnd(s, j);
    if (literal != j && s[j] != ';') {
      j = literal - 1;
      continue;
    }
    char c = s[j];
    if (c == '(') {
      ++depth;
    } else if (c == ')' && --depth == 0) {
      arguments.push_back(TrimBlanks(s.substr(start, j - start)));
      i = j + 1;
      return true;
    } else if (c == ',' && depth == 1) {
      arguments.push_back(TrimBlanks(s.substr(start, j - start)));
      start = j + 1;
    } else if (c == '\n' || c == ';') {
      return false;
    }
  }
  return false;
}

}  // namespace

struct MacroTable::Expansion {
  const ConstantText& constants;
  std::vector<std::string>& problems;
  std::string out;
  size_t limit;
  bool stopped = false;
};

bool MacroTable::Begin(std::string_view statement) {
  size_t i = SkipBlanks(statement, IdentifierEnd(statement, SkipBlanks(statement, 0)));
  size_t end = IdentifierEnd(statement, i);
  if (end == i || !IsIdentStart(statement[i])) return false;
  Macro m;
  m.name = std::string(statement.substr(i, end - i));
  std::vector<std::string> parameters;
  size_t after = end;
  if (ReadArguments(statement, after, parameters)) {
    m.hasParameterList = true;
    for (const std::string& p : parameters) {
      if (p.empty()) continue;
      size_t eq = p.find('=');
      m.parameters.push_back(LowerAscii(TrimBlanks(p.substr(0, eq))));
      m.defaults.push_back(eq == std::string::npos ? "" : TrimBlanks(p.substr(eq + 1)));
    }
  }
  open_ = LowerAscii(m.name);
  macros_[open_] = std::move(m);
  return true;
}

void MacroTable::AddLine(std::string_view line) {
  auto it = macros_.find(open_);
  if (it != macros_.end()) it->second.body.emplace_back(line);
}

void MacroTable::End() { open_.clear(); }

void MacroTable::Undefine(std::string_view name) { macros_.erase(LowerAscii(TrimBlanks(name))); }

bool MacroTable::Has(std::string_view name) const { return macros_.count(LowerAscii(name)) != 0; }

std::string MacroTable::Expand(std::string_view text, const ConstantText& constants,
                               std::vector<std::string>& problems) {
  Expansion e{constants, problems, "", text.size() * kGrowthFactor + kGrowthAllowance};
  ExpandInto(e, text, 0);
  return std::move(e.out);
}

void MacroTable::ExpandInto(Expansion& e, std::string_view text, int depth) {
  size_t i = 0;
  while (i < text.size()) {
    size_t literal = LiteralEnd(text, i);
    if (literal != i) {
      e.out.append(text, i, literal - i);
      i = literal;
      continue;
    }
    char c = text[i];
    if (c == '#' && i + 1 < text.size() && IsIdentStart(text[i + 1])) {
      size_t end = IdentifierEnd(text, i + 1);
      std::optional<std::string> value;
      if (e.constants) value = e.constants(LowerAscii(text.substr(i + 1, end - i - 1)));
      if (value) e.out += *value;
      else e.out.append(text, i, end - i);
      i = end;
      continue;
    }
    if (!IsIdentStart(c) || (i > 0 && IsIdentChar(text[i - 1]))) {
      e.out += c;
      ++i;
      continue;
    }
    size_t end = IdentifierEnd(text, i);
    std::string lower = LowerAscii(text.substr(i, end - i));
    size_t next = end;
    if (e.stopped || !ExpandUse(e, text, next, lower, depth)) {
      e.out.append(text, i, end - i);
      next = end;
    }
    i = next;
  }
}

// The use of the macro lower at text[i...] (i after its name): expands it
// into e.out and moves i past its arguments. False when lower is no macro,
// or no use of one that can be expanded here.
bool MacroTable::ExpandUse(Expansion& e, std::string_view text, size_t& i, const std::string& lower,
                           int depth) {
  auto found = macros_.find(lower);
  if (found == macros_.end() || lower == open_) return false;
  Macro& m = found->second;
  for (const std::string& a : active_) {
    if (a != lower) continue;
    e.problems.push_back("the macro " + m.name + " uses itself; that use is left as it is");
    return false;
  }
  if (depth >= kMaxDepth) {
    e.problems.push_back("macros that use macros nest too deeply at " + m.name);
    return false;
  }
  std::vector<std::string> arguments;
  size_t after = i;
  if (m.hasParameterList && !ReadArguments(text, after, arguments)) return false;
  if (e.out.size() > e.limit) {
    e.stopped = true;
    e.problems.push_back("the expansion of the macro " + m.name + " grows too large; the rest is left as it is");
    return false;
  }
  i = after;
  // The arguments are expanded before they go in, so that a macro may take
  // a use of itself as its argument: Twice(Twice(1)).
  for (std::string& a : arguments) {
    Expansion inner{e.constants, e.problems, "", e.limit > e.out.size() ? e.limit - e.out.size() : 0};
    ExpandInto(inner, a, depth + 1);
    e.stopped = e.stopped || inner.stopped;
    a = std::move(inner.out);
  }
  std::string body = Substitute(m, arguments);
  active_.push_back(lower);
  ExpandInto(e, body, depth + 1);
  active_.pop_back();
  return true;
}

// The body with the arguments in place of the parameters (a missing one
// takes its default), MacroExpandedCount as the number of this expansion,
// and every "#" that glues two pieces of text dropped: Type#Case  ->  TypeCase.
std::string MacroTable::Substitute(Macro& m, const std::vector<std::string>& arguments) {
  ++m.expansions;
  std::string body;
  for (size_t k = 0; k < m.body.size(); ++k) {
    if (k > 0) body += '\n';
    body += m.body[k];
  }
  std::string out;
  size_t i = 0;
  while (i < body.size()) {
    size_t literal = LiteralEnd(body, i);
    if (literal != i) {
      out.append(body, i, literal - i);
      i = literal;
      continue;
    }
    char c = body[i];
    bool glued = !out.empty() && (IsIdentChar(out.back()) || out.back() == '"');
    if (c == '#' && glued && i + 1 < body.size() && (IsIdentStart(body[i + 1]) || body[i + 1] == '"')) {
      ++i;  // the glue itself goes
      continue;
    }
    if (!IsIdentStart(c) || (i > 0 && IsIdentChar(body[i - 1]))) {
      out += c;
      ++i;
      continue;
    }
    size_t end = IdentifierEnd(body, i);
    std::string lower = LowerAscii(body.substr(i, end - i));
    size_t p = 0;
    while (p < m.parameters.size() && m.parameters[p] != lower) ++p;
    if (p < m.parameters.size()) out += p < arguments.size() && !arguments[p].empty() ? arguments[p] : m.defaults[p];
    else if (lower == "macroexpandedcount") out += std::to_string(m.expansions);
    else out.append(body, i, end - i);
    i = end;
  }
  return out;
}

}  // namespace korvex::passes
