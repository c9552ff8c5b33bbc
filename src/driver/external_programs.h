// Other programs: the one start operation, the syntax check by PBCompiler,
// and the IDE editor's text saved to a temporary source.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/run_state.h"

namespace korvex::driver {

/// How a program is started. Open keeps the child to be asked for its exit
/// code; Read captures its standard output line by line; Wait blocks until
/// it ends.
struct StartFlags {
  bool Wait = false;
  bool Open = false;
  bool Read = false;
};

/// The command line of a start: the program string as it is when it begins
/// with a double quote, else in double quotes; then a blank and the
/// parameters unless they are "".
std::string CommandLine(const std::string& program, const std::string& parameters);

/// Starts a program; workingFolder "" keeps the converter's own. When the
/// process cannot be created and nothing is to be read, the program string
/// goes to the shell to be opened as a document or address. Returns the
/// child when Open or Read is set and it started, else nullptr; *started
/// tells whether a process was created.
std::unique_ptr<ChildProcess> StartProgram(RunState& run, const std::string& program,
                                           const std::string& parameters,
                                           const std::string& workingFolder, StartFlags flags,
                                           bool* started = nullptr);

/// Prints every output line of a child started with Read, as it arrives,
/// also what is still waiting after the child ended; then its exit code.
int EchoOutputUntilEnd(RunState& run, ChildProcess& child);

/// Runs "/CHECK" on the source, echoing the compiler's lines; 1 when valid.
int SyntaxCheck(RunState& run);

/// The value of a decimal number as the IDE's variables hold it: leading
/// blanks and tabs skipped, an optional sign, digits up to the first other
/// character; "" gives 0. Too many digits saturate instead of wrapping.
int64_t ParseDecimal(const std::string& text);

/// The longest editor text that is read; a larger answer to the length
/// message comes from a stale handle and is taken as no text.
inline constexpr int64_t kMaxEditorTextLength = int64_t{64} << 20;

/// Saves the IDE editor's text to the temporary folder and sets
/// TempSourceFile; returns TempSourceFile ("" when there is no text).
std::string EditorTextToTempFile(RunState& run);

}  // namespace korvex::driver
