// "kvcat reference --lang en|de --out DIR SOURCES...": writes the manual's function reference of one
// language edition (reference_writer.h) into DIR. Same exit codes as the other commands: 0 written,
// 1 the sources have errors or a file cannot be written (nothing is written on source errors), 2 usage.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kvcat {

constexpr const char* kReferenceUsage = "       kvcat reference --lang en|de --out DIR SOURCES...\n";

int RunReference(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace kvcat
