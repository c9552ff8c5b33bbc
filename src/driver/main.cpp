// Korvex: converts a PureBasic program into a web application.
#include "driver/startup.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  auto platform = korvex::CreateSystemPlatform(argc, argv);
  return korvex::driver::RunKorvex(*platform);
}
