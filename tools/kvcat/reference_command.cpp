// The reference command of kvcat (see reference_command.h).
#include "tools/kvcat/reference_command.h"

#include "tools/kvcat/kvcat_commands.h"
#include "tools/kvcat/reference_writer.h"
#include "tools/kvcat/source_checker.h"
#include "tools/kvcat/source_files.h"

namespace kvcat {

int RunReference(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  // arguments: kvcat reference --lang L --out DIR SOURCES... (the two options in either order)
  std::string lang, folder;
  std::size_t i = 2;
  for (; i + 1 < arguments.size() && arguments[i].rfind("--", 0) == 0; i += 2) {
    if (arguments[i] == "--lang") lang = arguments[i + 1];
    else if (arguments[i] == "--out") folder = arguments[i + 1];
    else break;
  }
  if ((lang != "en" && lang != "de") || folder.empty() || i >= arguments.size() || arguments[i].rfind("--", 0) == 0) {
    err << "usage:\n" << kReferenceUsage;
    return 2;
  }
  const Language language = lang == "de" ? Language::German : Language::English;
  CatalogueSource source;
  if (!LoadCheckedEdition(std::vector<std::string>(arguments.begin() + static_cast<long>(i), arguments.end()),
                          language, err, &source)) {
    return 1;
  }

  if (!EnsureFolder(folder)) {
    err << folder << ": cannot create the folder\n";
    return 1;
  }
  const std::vector<ReferenceFile> reference = WriteReference(source, language);
  for (const ReferenceFile& file : reference) {
    if (!WriteFileAtomically(folder + "/" + file.name, file.contents)) {
      err << folder << "/" << file.name << ": cannot write\n";
      return 1;
    }
  }
  out << "kvcat: " << lang << " function reference, " << reference.size() << " files, written to " << folder << "\n";
  return 0;
}

}  // namespace kvcat
