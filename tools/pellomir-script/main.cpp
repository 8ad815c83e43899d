// pellomir-script: runs Pellomir on the headless screen under a script (see driver/Driver.h).
#include <iostream>

#include "app/Program.h"
#include "tools/pellomir-script/driver/Driver.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return script::DriverMain(
      args,
      [](const std::vector<std::string>& params) -> script::Program {
        return [params] { return app::RunProgram("pellomir", params); };
      },
      std::cin, std::cout, std::cerr);
}
