// Test helper: the function database as the build compiled it into <build>/catalogue/<language>
// (the files the installation copies), loaded the way the program loads them.
#pragma once

#include <string>

#include "app/catalogue/catalogue.h"

namespace kvcat::test {

// `language` is "en" or "de"; FktAnzahl comes from the compiler's fktanzahl.txt, as the installation writes it.
kv::Catalogue LoadBuiltCatalogue(const std::string& language);

}  // namespace kvcat::test
