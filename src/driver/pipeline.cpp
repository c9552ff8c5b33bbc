// The pass pipeline. Each row is one step: the pass, and whether an empty
// result ends the run. Moving a pass means moving its row.
#include "driver/pipeline.h"

#include <utility>

#include "driver/profiles.h"
#include "passes/comment_blocks.h"
#include "passes/compiler_conditions.h"
#include "passes/data_sections.h"
#include "passes/directives.h"
#include "passes/include_expansion.h"
#include "passes/output_cleanup.h"
#include "server/server_procedures.h"
#include "translate/dispatcher.h"

namespace korvex::driver {
namespace {

std::string DebuggerLine(RunState& run, const std::string& text) {
  bool off = run.platform.GetEnv("PB_TOOL_Debugger") == "0";
  return (off ? "DisableDebugger\r\n" : "EnableDebugger\r\n") + text;
}

std::string AnalyzingTitle(RunState& run, const std::string& text) {
  run.PrintLine("Analyzing CompilerInfos...");
  run.PrintLine("");
  return text;
}

std::string DirectiveScan(RunState& run, const std::string& text) {
  passes::ScanDirectives(run, text);
  return text;
}

// A failed selection has printed why; the empty text ends the run.
std::string ProfileSelection(RunState& run, const std::string& text) {
  return SelectProfile(run) ? text : std::string();
}

}  // namespace

std::vector<PassStep> StandardPasses() {
  using A = AfterStep;
  return {
      {"debugger line", DebuggerLine},
      {"comment blocks", passes::StripBlocks, A::StopIfEmptyAndPause},
      {"include expansion", passes::ExpandIncludes},
      {"comment blocks again", passes::StripBlocks},
      // after the includes, whose macros and conditions count; before the
      // data sections and the server procedures, which a condition may
      // leave out
      {"macros and compiler conditions", passes::ExpandMacrosAndConditions, A::StopIfEmpty},
      {"data values and labels", passes::CollectData},
      {"data sections and included binaries", passes::StripDataSections},
      {"analyzing title", AnalyzingTitle},
      {"directive scan", DirectiveScan},
      {"profile selection", ProfileSelection, A::StopIfEmpty},
      {"server procedures", server::BuildServerProcedures, A::StopIfEmpty},
      {"statement translation", translate::TranslateStatements, A::StopIfEmpty},
      {"raw blocks", passes::UncommentRawBlocks},
      {"directive comments", passes::CommentDirectives},
      {"clean-up", passes::CleanUpOutput},
  };
}

std::string RunPasses(RunState& run, std::string text, const std::vector<PassStep>& steps) {
  for (const PassStep& step : steps) {
    text = step.Run(run, std::move(text));
    if (!text.empty() || step.Check == AfterStep::GoOn) continue;
    if (step.Check == AfterStep::StopIfEmptyAndPause) run.PauseAtExit = 1;
    return "";
  }
  return text;
}

// The program is one async function that the runtime's KVX_Main runs, so
// that its commands that wait can be awaited.
std::string WrapScript(const std::string& text) {
  return "$(function () {\t$(document).ready(function () { "
         "cCommon.KVX_Main(async function () { \n" +
         text + "\n }); }); });";
}

}  // namespace korvex::driver
