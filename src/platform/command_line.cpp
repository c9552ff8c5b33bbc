// Windows command-line splitting; see command_line.h.
// The command line  "C:\My Tools\pbcompiler" /CHECK "a \"b\".pb"  gives the
// three arguments  C:\My Tools\pbcompiler  /CHECK  a "b".pb
#include "platform/command_line.h"

namespace korvex::platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: quotes toggle grouping and are dropped; backslashes are
// ordinary characters, so "C:\dir\" stays a folder path. Ends at a blank
// outside quotes.
std::string ReadProgramName(std::string_view line, size_t& i) {
  std::string name;
  bool quoted = false;
  for (; i < line.size(); ++i) {
    char c = line[i];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && IsBlank(c)) {
      break;
    } else {
      name += c;
    }
  }
  return name;
}

// A run of backslashes: before a quote they escape in pairs, and an odd one
// out makes the quote literal; anywhere else they are kept as they are.
void ReadBackslashes(std::string_view line, size_t& i, std::string& arg) {
  size_t count = 0;
  while (i < line.size() && line[i] == '\\') {
    ++count;
    ++i;
  }
  if (i < line.size() && line[i] == '"') {
    arg.append(count / 2, '\\');
    if (count % 2 == 1) {
      arg += '"';
      ++i;
    }
    // An even count leaves the quote to group, handled by the caller.
  } else {
    arg.append(count, '\\');
  }
}

// One argument after the program name, starting at a non-blank.
std::string ReadArgument(std::string_view line, size_t& i) {
  std::string arg;
  bool quoted = false;
  while (i < line.size()) {
    char c = line[i];
    if (!quoted && IsBlank(c)) break;
    if (c == '\\') {
      ReadBackslashes(line, i, arg);
    } else if (c == '"') {
      // "" inside quotes: a literal quote, and the group goes on.
      if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        arg += '"';
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
    } else {
      arg += c;
      ++i;
    }
  }
  return arg;
}

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> args;
  if (commandLine.empty()) return args;
  size_t i = 0;
  args.push_back(ReadProgramName(commandLine, i));
  while (true) {
    while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
    if (i >= commandLine.size()) break;
    args.push_back(ReadArgument(commandLine, i));
  }
  return args;
}

}  // namespace korvex::platform
