// Command dispatch of kvcat.
#include "tools/kvcat/kvcat_commands.h"

#include <map>

#include "app/catalogue/catalogue_file.h"
#include "tools/kvcat/adm_command.h"
#include "tools/kvcat/edition.h"
#include "tools/kvcat/reference_command.h"
#include "tools/kvcat/source_checker.h"
#include "tools/kvcat/source_files.h"
#include "tools/kvcat/source_parser.h"
#include "tools/kvcat/source_writer.h"

namespace kvcat {
namespace {

constexpr const char* kUsage =
    "usage: kvcat compile --lang en|de --out DIR SOURCES...\n"
    "       kvcat decompile [--lang en|de] --fkt FILE --hdl FILE --idx FILE --count N [--out FILE]\n"
    "       kvcat check SOURCES...\n"
    "       kvcat adm --lang en|de --out FILE SOURCES...\n"
    "       kvcat reference --lang en|de --out DIR SOURCES...\n"
    "SOURCES are .kvf files or folders searched for them.\n";

// "--name value" options followed by positional arguments.
struct Options {
  std::map<std::string, std::string> named;
  std::vector<std::string> positional;
  std::string error;
};

Options ParseOptions(const std::vector<std::string>& arguments, std::size_t first,
                     const std::vector<std::string>& allowed) {
  Options options;
  for (std::size_t i = first; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.rfind("--", 0) != 0 || !options.positional.empty()) {
      options.positional.push_back(argument);
      continue;
    }
    const std::string name = argument.substr(2);
    bool known = false;
    for (const std::string& candidate : allowed) known = known || candidate == name;
    if (!known) {
      options.error = "unknown option " + argument;
    } else if (i + 1 >= arguments.size()) {
      options.error = "option " + argument + " needs a value";
    } else {
      options.named[name] = arguments[++i];
    }
  }
  return options;
}

bool ParseLanguage(const std::string& text, Language& language) {
  if (text == "en") language = Language::English;
  else if (text == "de") language = Language::German;
  else return false;
  return true;
}

void PrintDiagnostics(const Diagnostics& diagnostics, std::ostream& err) {
  for (const Diagnostic& d : diagnostics) err << FormatDiagnostic(d) << "\n";
}

// Sources named on the command line, parsed; false (with messages) when any is missing or broken.
bool LoadArguments(const std::vector<std::string>& arguments, CatalogueSource& source, Diagnostics& diagnostics,
                   std::ostream& err) {
  std::vector<std::string> missing;
  const std::vector<std::string> files = CollectSources(arguments, missing);
  for (const std::string& name : missing) err << name << ": no such file or folder\n";
  if (files.empty() && missing.empty()) err << "no .kvf sources found\n";
  source = LoadSources(files, diagnostics);
  return missing.empty() && !files.empty();
}

int Compile(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = ParseOptions(arguments, 2, {"lang", "out"});
  Language language = Language::English;
  if (!options.error.empty() || !options.named.count("out") || !options.named.count("lang") ||
      !ParseLanguage(options.named.at("lang"), language) || options.positional.empty()) {
    err << (options.error.empty() ? "" : options.error + "\n") << kUsage;
    return 2;
  }
  CatalogueSource source;
  Diagnostics diagnostics;
  const bool loaded = LoadArguments(options.positional, source, diagnostics, err);
  const Diagnostics problems = CheckSource(source, {false, language});
  diagnostics.insert(diagnostics.end(), problems.begin(), problems.end());
  PrintDiagnostics(diagnostics, err);
  if (!loaded || !diagnostics.empty()) return 1;

  const Edition edition = BuildEdition(source, language);
  const std::string folder = options.named.at("out");
  if (!EnsureFolder(folder)) {
    err << folder << ": cannot create the folder\n";
    return 1;
  }
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } files[] = {
      {"Korvn2k.fkt", kv::EncodeFunctionFile(edition.functions)},
      {"Korvn2k.hdl", kv::EncodeGroupCaptionFile(edition.captions)},
      {"Korvn2k.idx", kv::EncodePageIndexFile(edition.slots)},
  };
  for (const auto& file : files) {
    if (!WriteFileAtomically(folder + "/" + file.name, file.bytes)) {
      err << folder << "/" << file.name << ": cannot write\n";
      return 1;
    }
  }
  if (!WriteFileAtomically(folder + "/fktanzahl.txt", std::to_string(edition.fktAnzahl) + "\n")) {
    err << folder << "/fktanzahl.txt: cannot write\n";
    return 1;
  }
  out << "kvcat: " << LanguageSuffix(language) << " edition, FktAnzahl " << edition.fktAnzahl << ", written to "
      << folder << "\n";
  return 0;
}

bool ReadBytes(const std::string& path, std::vector<std::uint8_t>& bytes, std::ostream& err) {
  std::string contents;
  if (!ReadWholeFile(path, contents)) {
    err << path << ": cannot read\n";
    return false;
  }
  bytes.assign(contents.begin(), contents.end());
  return true;
}

int Decompile(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = ParseOptions(arguments, 2, {"lang", "fkt", "hdl", "idx", "count", "out"});
  Language language = Language::English;
  const bool complete = options.named.count("fkt") && options.named.count("hdl") && options.named.count("idx") &&
                        options.named.count("count");
  if (!options.error.empty() || !complete || !options.positional.empty() ||
      (options.named.count("lang") && !ParseLanguage(options.named.at("lang"), language))) {
    err << (options.error.empty() ? "" : options.error + "\n") << kUsage;
    return 2;
  }
  std::int16_t count = 0;
  if (!ParseFieldNumber(options.named.at("count"), count) || count < 0 || count > 32766) {
    err << "--count must be FktAnzahl, 0 to 32766\n";
    return 2;
  }
  std::vector<std::uint8_t> fkt, hdl, idx;
  if (!ReadBytes(options.named.at("fkt"), fkt, err) || !ReadBytes(options.named.at("hdl"), hdl, err) ||
      !ReadBytes(options.named.at("idx"), idx, err)) {
    return 1;
  }
  Edition edition;
  edition.fktAnzahl = count;
  edition.functions = kv::DecodeFunctionFile(fkt, static_cast<std::size_t>(count) + 2);
  edition.captions = kv::DecodeGroupCaptionFile(hdl);
  edition.slots = kv::DecodePageIndexFile(idx);
  const WrittenSource written = WriteSource(edition, language);
  for (const std::string& problem : written.problems) err << "kvcat: warning: " << problem << "\n";
  if (options.named.count("out")) {
    if (!WriteFileAtomically(options.named.at("out"), written.text)) {
      err << options.named.at("out") << ": cannot write\n";
      return 1;
    }
  } else {
    out << written.text;
  }
  return 0;
}

int Check(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  if (arguments.size() < 3) {
    err << kUsage;
    return 2;
  }
  CatalogueSource source;
  Diagnostics diagnostics;
  const bool loaded =
      LoadArguments(std::vector<std::string>(arguments.begin() + 2, arguments.end()), source, diagnostics, err);
  const Diagnostics problems = CheckSource(source, {true, Language::English, true});
  diagnostics.insert(diagnostics.end(), problems.begin(), problems.end());
  PrintDiagnostics(diagnostics, err);
  if (!loaded || !diagnostics.empty()) {
    err << diagnostics.size() << " problem(s)\n";
    return 1;
  }
  int functions = 0, untraced = 0;
  for (const SourceSection& section : source.sections) {
    if (section.kind != SectionKind::Function) continue;
    ++functions;
    const FieldValue* cited = section.Find(kSourceField);
    untraced += cited && IsUntracedSource(cited->value);
  }
  out << "kvcat: " << functions << " functions, no problems";
  if (untraced > 0) out << " (" << untraced << " behind the program's own controls still untraced)";
  out << "\n";
  return 0;
}

}  // namespace

bool LoadCheckedEdition(const std::vector<std::string>& arguments, Language language, std::ostream& err,
                        CatalogueSource* source) {
  std::vector<std::string> missing;
  const std::vector<std::string> files = CollectSources(arguments, missing);
  for (const std::string& name : missing) err << name << ": no such file or folder\n";
  Diagnostics diagnostics;
  *source = LoadSources(files, diagnostics);
  const Diagnostics problems = CheckSource(*source, {false, language});
  diagnostics.insert(diagnostics.end(), problems.begin(), problems.end());
  for (const Diagnostic& d : diagnostics) err << FormatDiagnostic(d) << "\n";
  return missing.empty() && !files.empty() && diagnostics.empty();
}

CatalogueSource LoadSources(const std::vector<std::string>& files, Diagnostics& diagnostics) {
  CatalogueSource source;
  for (const std::string& file : files) {
    std::string text;
    if (!ReadWholeFile(file, text)) {
      diagnostics.push_back({{file, 0}, "file", "cannot read"});
      continue;
    }
    ParseSource(file, text, source, diagnostics);
  }
  return source;
}

int RunKvcat(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const std::string command = arguments.size() > 1 ? arguments[1] : "";
  if (command == "compile") return Compile(arguments, out, err);
  if (command == "decompile") return Decompile(arguments, out, err);
  if (command == "check") return Check(arguments, out, err);
  if (command == "adm") return RunAdmCommand(arguments, out, err);
  if (command == "reference") return RunReference(arguments, out, err);
  err << kUsage;
  return 2;
}

}  // namespace kvcat
