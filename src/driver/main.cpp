// Korvex: converts a PureBasic program into a web application.
#include "driver/startup.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  auto platform = korvex::CreateSystemPlatform(argc, argv);
  if (platform == nullptr) return 0;  // no system to talk to: nothing can be done or shown
  return korvex::driver::RunKorvex(*platform);
}
