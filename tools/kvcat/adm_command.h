// "kvcat adm --lang en|de --out FILE SOURCES...": checks the sources like "compile" and writes the
// edition's policy template (adm_template.h) atomically.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kvcat {

// Exit code: 0 written, 1 the sources have errors or the file cannot be written, 2 usage error.
int RunAdmCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace kvcat
