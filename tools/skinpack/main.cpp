// skinpack: the command-line tool that builds, lists and unpacks skin packages.
#include <iostream>
#include <string>
#include <vector>

#include "tools/skinpack/SkinPackCommands.h"

namespace {

constexpr char kUsage[] =
    "usage:\n"
    "  skinpack pack <folder> <package.asz> [--order NAME,NAME,...] [--preview <picture>]\n"
    "  skinpack list <package.asz>\n"
    "  skinpack unpack <package.asz> <folder> [--preview <picture>]\n"
    "\n"
    "pack stores every file of the folder: the --order names first, the rest sorted by name.\n";

std::vector<std::string> SplitComma(const std::string& s) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= s.size()) {
    const std::size_t comma = s.find(',', start);
    const std::size_t end = comma == std::string::npos ? s.size() : comma;
    if (end > start) out.push_back(s.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::vector<std::string> positional;
  std::vector<std::string> order;
  std::string preview;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--order" || args[i] == "--preview") && i + 1 < args.size()) {
      if (args[i] == "--order") order = SplitComma(args[++i]);
      else preview = args[++i];
    } else if (args[i] == "-h" || args[i] == "--help") {
      std::cout << kUsage;
      return 0;
    } else {
      positional.push_back(args[i]);
    }
  }
  const std::string command = positional.empty() ? "" : positional[0];
  if (command == "pack" && positional.size() == 3) {
    return skinpack::Pack(positional[1], positional[2], order, preview, std::cout, std::cerr);
  }
  if (command == "list" && positional.size() == 2 && order.empty() && preview.empty()) {
    return skinpack::List(positional[1], std::cout, std::cerr);
  }
  if (command == "unpack" && positional.size() == 3 && order.empty()) {
    return skinpack::Unpack(positional[1], positional[2], preview, std::cout, std::cerr);
  }
  std::cerr << kUsage;
  return 2;
}
