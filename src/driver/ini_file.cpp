// IniFile; see ini_file.h.
#include "driver/ini_file.h"

#include "platform/codepage.h"
#include "common/text.h"

namespace korvex::driver {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

#ifdef _WIN32
constexpr const char* kNewFileLineEnd = "\r\n";
#else
constexpr const char* kNewFileLineEnd = "\n";
#endif

}  // namespace

// "[name]" starts a group, "key = value" is a key line; empty lines, lines
// starting with ";" or "#" and anything else are kept but mean nothing.
IniFile::Line IniFile::ParseLine(std::string_view raw, bool windows1252) {
  auto decode = [windows1252](std::string_view s) {
    return windows1252 ? platform::Utf8FromWindows1252(s) : std::string(s);
  };
  Line line;
  line.Raw = std::string(raw);
  std::string text = TrimBlanks(raw);
  if (text.empty() || text[0] == ';' || text[0] == '#') return line;
  if (text[0] == '[') {
    size_t close = text.find(']');
    if (close == std::string::npos) return line;
    line.Kind = LineKind::Group;
    line.Name = decode(std::string_view(text).substr(1, close - 1));
    return line;
  }
  size_t equals = text.find('=');
  if (equals == std::string::npos) return line;
  std::string key = TrimBlanks(std::string_view(text).substr(0, equals));
  if (key.empty()) return line;
  line.Kind = LineKind::Key;
  line.Name = decode(key);
  line.Value = decode(TrimBlanks(std::string_view(text).substr(equals + 1)));
  return line;
}

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile ini;
  if (StartsWith(bytes, kUtf8Mark)) {
    ini.utf8Mark_ = true;
    bytes.remove_prefix(kUtf8Mark.size());
  }
  // Without the mark, bytes that are no UTF-8 come from an editor that
  // writes Windows-1252.
  ini.windows1252_ = !ini.utf8Mark_ && !platform::IsValidUtf8(bytes);
  size_t pos = 0;
  while (pos < bytes.size()) {
    // A line ends at CR LF, LF or CR.
    size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = bytes.size();
    size_t next = end;
    if (next < bytes.size()) next += (bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n') ? 2 : 1;
    Line line = ParseLine(bytes.substr(pos, end - pos), ini.windows1252_);
    line.End = std::string(bytes.substr(end, next - end));
    if (line.Kind == LineKind::Group) ini.groupCount_++;
    line.Group = ini.groupCount_ - 1;
    ini.lines_.push_back(std::move(line));
    pos = next;
  }
  return ini;
}

std::string IniFile::Serialize() const {
  std::string out(utf8Mark_ ? kUtf8Mark : "");
  for (const Line& line : lines_) out += line.Raw + line.End;
  return out;
}

std::vector<IniGroup> IniFile::Groups() const {
  std::vector<IniGroup> groups(groupCount_);
  for (const Line& line : lines_) {
    if (line.Kind == LineKind::Group) groups[line.Group].Name = line.Name;
    if (line.Kind == LineKind::Key) groups[line.Group].Keys.push_back({line.Name, line.Value});
  }
  return groups;
}

int IniFile::LastGroupNamed(std::string_view name) const {
  int found = -1;
  for (const Line& line : lines_)
    if (line.Kind == LineKind::Group && line.Name == name) found = line.Group;
  return found;
}

std::string IniFile::Value(int group, std::string_view key, const std::string& fallback) const {
  const std::string* value = &fallback;
  for (const Line& line : lines_)
    if (line.Kind == LineKind::Key && line.Group == group && line.Name == key) value = &line.Value;
  return *value;
}

std::string IniFile::Encode(const std::string& text) const {
  return windows1252_ ? platform::Windows1252FromUtf8(text) : text;
}

std::string IniFile::DefaultEnd() const {
  for (const Line& line : lines_)
    if (!line.End.empty()) return line.End;
  return kNewFileLineEnd;
}

void IniFile::SetValue(int group, std::string_view key, const std::string& value) {
  Line* last = nullptr;
  for (Line& line : lines_)
    if (line.Kind == LineKind::Key && line.Group == group && line.Name == key) last = &line;
  if (last != nullptr) {
    if (last->Value == value) return;
    // Keep the key as written and the blank after "=", if there was one.
    size_t equals = last->Raw.find('=');
    std::string prefix = last->Raw.substr(0, equals + 1);
    bool blank = equals + 1 < last->Raw.size() && (last->Raw[equals + 1] == ' ' || last->Raw[equals + 1] == '\t');
    last->Raw = prefix + (blank ? " " : "") + Encode(value);
    last->Value = value;
    return;
  }
  Line line;
  line.Kind = LineKind::Key;
  line.Raw = Encode(std::string(key)) + "=" + Encode(value);
  line.Group = group;
  line.Name = std::string(key);
  line.Value = value;
  InsertLine(InsertPosition(group), std::move(line));
}

size_t IniFile::InsertPosition(int group) const {
  size_t pos = 0;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.Group != group) continue;
    if (line.Kind == LineKind::Key || (line.Kind == LineKind::Group && group > 0)) pos = i + 1;
  }
  return pos;
}

void IniFile::InsertLine(size_t pos, Line line) {
  std::string end = DefaultEnd();
  // A last line without a line end gets one before anything follows it.
  if (pos > 0 && lines_[pos - 1].End.empty()) lines_[pos - 1].End = end;
  line.End = end;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(line));
}

int IniFile::AppendGroup(const std::string& name) {
  if (!lines_.empty() && !TrimBlanks(lines_.back().Raw).empty()) {
    Line spacer;
    spacer.Group = groupCount_ - 1;
    InsertLine(lines_.size(), std::move(spacer));
  }
  Line header;
  header.Kind = LineKind::Group;
  header.Raw = "[" + Encode(name) + "]";
  header.Group = groupCount_++;
  header.Name = name;
  InsertLine(lines_.size(), std::move(header));
  return groupCount_ - 1;
}

}  // namespace korvex::driver
