#pragma once
// The three commands of skinpack, on native paths. Each returns the process exit code and
// writes its report to out and its errors to err.
#include <iosfwd>
#include <string>
#include <vector>

namespace skinpack {

// Packs the regular files of folder into package: the names in order first (in that
// order), then the other files sorted by name; preview (a picture file, may be empty) is
// appended as the preview block and is not packed as a member.
int Pack(const std::string& folder, const std::string& package, const std::vector<std::string>& order,
         const std::string& preview, std::ostream& out, std::ostream& err);

// Lists the members of a package: unpacked size, packed size, kind, name; then the preview.
int List(const std::string& package, std::ostream& out, std::ostream& err);

// Writes every member of a package into folder (created when missing), and the preview
// picture to preview when that is not empty.
int Unpack(const std::string& package, const std::string& folder, const std::string& preview, std::ostream& out,
           std::ostream& err);

}  // namespace skinpack
