// IniFile: the ini files of the settings folder, Korvex.ini (one
// "[profile:Name]" group per profile) and SetupPicker.ini ("SelectedProject"
// before any group). Read by the converter, written by the sibling tools.
//   [profile:Shop]
//   serverpath = D:\www\shop\       ->  group "profile:Shop", key "serverpath"
// Group names and keys are kept exactly as written (case counts); blanks and
// tabs around keys and values are dropped. Names and values are handed out
// in UTF-8: a file with the UTF-8 mark or with valid UTF-8 bytes is UTF-8,
// any other file Windows-1252. Changed lines are written back in the file's
// own encoding, every other byte is kept.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvex::driver {

/// One "key = value" line as read.
struct IniKey {
  std::string Name;
  std::string Value;
};

/// One group; the first group of every file is the unnamed one holding the
/// keys before the first "[...]" line.
struct IniGroup {
  std::string Name;
  std::vector<IniKey> Keys;
};

class IniFile {
 public:
  /// The file's bytes; an empty text is an empty file.
  static IniFile Parse(std::string_view bytes);
  /// The bytes to write back: unchanged lines exactly as read.
  std::string Serialize() const;

  /// Every group in file order, the unnamed group first (it may be empty).
  std::vector<IniGroup> Groups() const;
  /// Number of groups, the unnamed one included.
  int GroupCount() const { return groupCount_; }
  /// Index of the last group with exactly this name, -1 when there is none.
  int LastGroupNamed(std::string_view name) const;
  /// The value of the last key line of that name in the group; fallback when
  /// the group has no such key.
  std::string Value(int group, std::string_view key, const std::string& fallback = "") const;
  /// Gives the key that value: its last line in the group is rewritten (left
  /// alone when it already holds the value), or a new line follows the
  /// group's last key line.
  void SetValue(int group, std::string_view key, const std::string& value);
  /// Adds "[name]" at the end of the file; returns its index.
  int AppendGroup(const std::string& name);

 private:
  enum class LineKind { Other, Group, Key };
  struct Line {
    LineKind Kind = LineKind::Other;
    std::string Raw;     // the bytes of the line without its line end
    std::string End;     // "\r\n", "\n", "\r" or "" for a last line without one
    int Group = 0;       // index of the group the line belongs to
    std::string Name;    // group name or key, in UTF-8
    std::string Value;   // key value, in UTF-8
  };

  static Line ParseLine(std::string_view raw, bool windows1252);
  /// A UTF-8 text in the file's encoding.
  std::string Encode(const std::string& text) const;
  std::string DefaultEnd() const;
  /// Position after which a new key line of the group goes.
  size_t InsertPosition(int group) const;
  void InsertLine(size_t pos, Line line);

  std::vector<Line> lines_;
  bool utf8Mark_ = false;    // the file starts with the UTF-8 mark
  bool windows1252_ = false; // the file is no UTF-8
  int groupCount_ = 1;
};

}  // namespace korvex::driver
