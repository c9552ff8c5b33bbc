// Deployment. Not built yet.
#include "driver/deployment.h"

namespace korvex::driver {

void Deploy(RunState& run, const std::string& script) {
  (void)script;
  run.PrintLine("");
  run.PrintLine("Ready :-)");
  run.PrintLine("");
}

}  // namespace korvex::driver
