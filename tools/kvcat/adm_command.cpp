// The "adm" command of kvcat (see adm_command.h).
#include "tools/kvcat/adm_command.h"

#include "tools/kvcat/adm_template.h"
#include "tools/kvcat/kvcat_commands.h"
#include "tools/kvcat/source_checker.h"
#include "tools/kvcat/source_files.h"

namespace kvcat {

int RunAdmCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  std::string lang, file;
  std::vector<std::string> sources;
  for (std::size_t i = 2; i < arguments.size(); ++i) {
    const bool named = arguments[i] == "--lang" || arguments[i] == "--out";
    if (named && sources.empty() && i + 1 < arguments.size()) {
      (arguments[i] == "--lang" ? lang : file) = arguments[i + 1];
      ++i;
    } else {
      sources.push_back(arguments[i]);
    }
  }
  if ((lang != "en" && lang != "de") || file.empty() || sources.empty()) {
    err << "usage: kvcat adm --lang en|de --out FILE SOURCES...\n";
    return 2;
  }
  const Language language = lang == "de" ? Language::German : Language::English;
  CatalogueSource source;
  if (!LoadCheckedEdition(sources, language, err, &source)) return 1;

  const AdmTemplate adm = WriteAdmTemplate(BuildEdition(source, language), language);
  if (!WriteFileAtomically(file, adm.text)) {
    err << file << ": cannot write\n";
    return 1;
  }
  out << "kvcat: " << lang << " policy template, " << adm.policies << " policies, " << adm.leftOut
      << " functions left out, written to " << file << "\n";
  return 0;
}

}  // namespace kvcat
