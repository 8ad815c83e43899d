#include "tools/pellomir-script/driver/Driver.h"

#include <charconv>
#include <sstream>

#include "platform/base/Files.h"

namespace script {

namespace {

constexpr const char* kUsage =
    "usage: pellomir-script [--screen WxH] [--dpi N] [--extended-borders] SCRIPT [-- PROGRAM ARGUMENTS...]";

bool ParseInt(std::string_view s, int lo, int hi, int& out) {
  if (s.empty()) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size() && out >= lo && out <= hi;
}

std::optional<std::string> ReadAll(std::istream& in) {
  std::ostringstream s;
  s << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return s.str();
}

}  // namespace

std::optional<DriverArgs> ParseDriverArgs(const std::vector<std::string>& args, std::string& error) {
  DriverArgs d;
  bool haveScript = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      d.programArgs.assign(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    }
    if (a == "--extended-borders") {
      d.run.extendedBorders = true;
      continue;
    }
    if (a == "--screen" || a == "--dpi") {
      if (i + 1 == args.size()) {
        error = a + " needs a value";
        return std::nullopt;
      }
      const std::string& v = args[++i];
      if (a == "--dpi") {
        if (!ParseInt(v, 24, 960, d.run.dpi)) {
          error = "--dpi takes a density from 24 to 960, not \"" + v + "\"";
          return std::nullopt;
        }
        continue;
      }
      std::size_t x = v.find('x');
      if (x == std::string::npos || !ParseInt(std::string_view(v).substr(0, x), 64, 16384, d.run.screen.cx) ||
          !ParseInt(std::string_view(v).substr(x + 1), 64, 16384, d.run.screen.cy)) {
        error = "--screen takes WIDTHxHEIGHT, each from 64 to 16384, not \"" + v + "\"";
        return std::nullopt;
      }
      continue;
    }
    if (a.size() > 1 && a[0] == '-') {
      error = "unknown option \"" + a + "\"";
      return std::nullopt;
    }
    if (haveScript) {
      error = "one script only (program arguments go after \"--\")";
      return std::nullopt;
    }
    d.scriptPath = a;
    haveScript = true;
  }
  if (!haveScript) {
    error = "no script given";
    return std::nullopt;
  }
  return d;
}

int DriverMain(const std::vector<std::string>& args, const ProgramFactory& makeProgram, std::istream& in,
               std::ostream& out, std::ostream& err) {
  std::string error;
  std::optional<DriverArgs> d = ParseDriverArgs(args, error);
  if (!d) {
    err << "pellomir-script: " << error << '\n' << kUsage << '\n';
    return kExitError;
  }
  std::optional<std::string> text;
  if (d->scriptPath == "-") {
    text = ReadAll(in);
  } else if (base::FileReadResult file = base::ReadFileBytes(d->scriptPath); file.Ok()) {
    text.emplace(file.bytes.begin(), file.bytes.end());
  }
  if (!text) {
    err << "pellomir-script: cannot read the script \"" << d->scriptPath << "\"\n";
    return kExitError;
  }
  return RunScriptText(*text, d->run, makeProgram(d->programArgs), out, err);
}

}  // namespace script
