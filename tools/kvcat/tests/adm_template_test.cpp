// The policy templates of the shipped database, read back by a parser written here from the template
// language's documented grammar (CLASS, CATEGORY ... END CATEGORY, POLICY ... END POLICY, KEYNAME,
// VALUENAME, VALUEON / VALUEOFF [NUMERIC], PART name NUMERIC|EDITTEXT ... END PART with MIN, MAX,
// DEFAULT, SPIN; "!!name" references defined in [strings]; ";" comments): both editions are
// well-formed, every policy is exactly its function's registry write, and a policy applied through our
// registry layer gives the state the program reads for "on" (enabled) and "off" (disabled).
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>

#include "app/catalogue/memory_registry_store.h"
#include "app/engine/function_engine.h"
#include "tools/kvcat/adm_template.h"
#include "tools/kvcat/kvcat_commands.h"
#include "tools/kvcat/source_checker.h"
#include "tools/kvcat/source_files.h"

namespace kvcat {
namespace {

struct AdmValue {
  bool present = false;
  bool numeric = false;
  std::string text;
};

struct AdmPart {
  std::string type;  // NUMERIC or EDITTEXT
  std::string valueName;
  std::map<std::string, std::string> numbers;  // MIN, MAX, DEFAULT, SPIN
  AdmValue defaultText;
};

struct AdmPolicy {
  std::string className, name, keyName, valueName;
  AdmValue on, off;
  std::vector<AdmPart> parts;
  std::vector<std::string> categories;  // outermost first
};

struct ParsedAdm {
  std::vector<AdmPolicy> policies;
  std::vector<std::string> references;  // every "!!name" used
  std::map<std::string, std::string> strings;
  std::string error;  // "line N: ..." when the text is not well-formed
};

// Splits one line into words, quoted texts (kept with their quotes) and references; ";" starts a comment.
std::vector<std::string> Tokens(const std::string& line, bool* ok) {
  std::vector<std::string> tokens;
  std::size_t i = 0;
  *ok = true;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == ';') {
      break;
    } else if (c == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string::npos) {
        *ok = false;
        break;
      }
      tokens.push_back(line.substr(i, close - i + 1));
      i = close + 1;
    } else {
      std::size_t end = i;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') ++end;
      tokens.push_back(line.substr(i, end - i));
      i = end;
    }
  }
  return tokens;
}

bool IsQuoted(const std::string& t) { return t.size() >= 2 && t.front() == '"' && t.back() == '"'; }
std::string Unquoted(const std::string& t) { return t.substr(1, t.size() - 2); }

ParsedAdm ParseAdm(const std::string& text) {
  ParsedAdm adm;
  std::istringstream in(text);
  std::string line, className, categoryKey;
  std::vector<std::string> categories;
  std::unique_ptr<AdmPolicy> policy;
  std::unique_ptr<AdmPart> part;
  bool inStrings = false;
  int number = 0;
  const auto fail = [&](const std::string& what) {
    if (adm.error.empty()) adm.error = "line " + std::to_string(number) + ": " + what;
  };
  const auto reference = [&](const std::string& t) {
    if (t.rfind("!!", 0) != 0 || t.size() < 3) return fail("expected !!name, found " + t), std::string();
    adm.references.push_back(t.substr(2));
    return t.substr(2);
  };
  const auto value = [&](const std::vector<std::string>& t, std::size_t from, AdmValue* v) {
    v->present = true;
    v->numeric = t.size() == from + 2 && t[from] == "NUMERIC";
    if (v->numeric) v->text = t[from + 1];
    else if (t.size() == from + 1 && IsQuoted(t[from])) v->text = Unquoted(t[from]);
    else fail("bad value");
  };
  while (std::getline(in, line) && adm.error.empty()) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (inStrings) {
      const std::size_t eq = line.find('=');
      if (line.empty()) continue;
      if (eq == std::string::npos || !IsQuoted(line.substr(eq + 1))) { fail("bad string line"); break; }
      adm.strings[line.substr(0, eq)] = Unquoted(line.substr(eq + 1));
      continue;
    }
    bool ok = true;
    const std::vector<std::string> t = Tokens(line, &ok);
    if (!ok) { fail("unterminated quote"); break; }
    if (t.empty()) continue;
    const std::string& k = t[0];
    if (k == "[strings]") {
      if (policy || !categories.empty()) fail("[strings] inside a block");
      inStrings = true;
    } else if (part) {
      if (k == "END" && t.size() == 2 && t[1] == "PART") policy->parts.push_back(*part), part.reset();
      else if (k == "VALUENAME" && t.size() == 2 && IsQuoted(t[1])) part->valueName = Unquoted(t[1]);
      else if ((k == "MIN" || k == "MAX" || k == "DEFAULT" || k == "SPIN") && t.size() == 2 && !IsQuoted(t[1]))
        part->numbers[k] = t[1];
      else if (k == "DEFAULT" && t.size() == 2) part->defaultText = {true, false, Unquoted(t[1])};
      else fail("unexpected in PART: " + line);
    } else if (policy) {
      if (k == "END" && t.size() == 2 && t[1] == "POLICY") adm.policies.push_back(*policy), policy.reset();
      else if (k == "KEYNAME" && t.size() == 2 && IsQuoted(t[1])) policy->keyName = Unquoted(t[1]);
      else if (k == "VALUENAME" && t.size() == 2 && IsQuoted(t[1])) policy->valueName = Unquoted(t[1]);
      else if (k == "VALUEON") value(t, 1, &policy->on);
      else if (k == "VALUEOFF") value(t, 1, &policy->off);
      else if (k == "PART" && t.size() == 3 && (t[2] == "NUMERIC" || t[2] == "EDITTEXT")) {
        reference(t[1]);
        part = std::make_unique<AdmPart>();
        part->type = t[2];
      } else fail("unexpected in POLICY: " + line);
    } else if (k == "CLASS" && t.size() == 2 && (t[1] == "MACHINE" || t[1] == "USER")) {
      if (!categories.empty()) fail("CLASS inside a CATEGORY");
      className = t[1];
    } else if (k == "CATEGORY" && t.size() == 2) {
      if (className.empty()) fail("CATEGORY before CLASS");
      categories.push_back(reference(t[1]));
    } else if (k == "END" && t.size() == 2 && t[1] == "CATEGORY") {
      if (categories.empty()) fail("END CATEGORY without CATEGORY");
      else categories.pop_back();
    } else if (k == "POLICY" && t.size() == 2) {
      if (categories.empty()) fail("POLICY outside a CATEGORY");
      policy = std::make_unique<AdmPolicy>();
      policy->className = className;
      policy->name = reference(t[1]);
      policy->categories = categories;
    } else {
      fail("unexpected: " + line);
    }
  }
  if (adm.error.empty() && (policy || part || !categories.empty())) adm.error = "block not closed at the end";
  return adm;
}

Edition ShippedEdition(Language language) {
  std::vector<std::string> missing;
  Diagnostics diagnostics;
  const CatalogueSource source = LoadSources(CollectSources({KV_DATABASE_DIR}, missing), diagnostics);
  EXPECT_TRUE(missing.empty() && diagnostics.empty());
  return BuildEdition(source, language);
}

std::string RootOf(const AdmPolicy& p) {
  return p.className == "MACHINE" ? "HKEY_LOCAL_MACHINE\\" : "HKEY_CURRENT_USER\\";
}

const kv::RegistryAction& OnlyUsed(const std::array<kv::RegistryAction, 3>& actions) {
  int used = 0;
  const kv::RegistryAction* found = &actions[0];
  for (const kv::RegistryAction& a : actions)
    if (!a.KeyPath.empty()) ++used, found = &a;
  EXPECT_EQ(used, 1);
  return *found;
}

// The data the template writes, as the registry layer's key form.
void ExpectValue(const AdmValue& v, const kv::RegistryAction& a, const std::string& where) {
  ASSERT_TRUE(v.present) << where;
  EXPECT_EQ(v.numeric, a.ValueKind == kv::KindDword) << where;
  EXPECT_EQ(v.text, a.Data) << where;
}

class PolicyTemplate : public testing::TestWithParam<Language> {};

TEST_P(PolicyTemplate, IsWellFormedAndEachPolicyIsExactlyItsFunctionsWrite) {
  const Edition edition = ShippedEdition(GetParam());
  const AdmTemplate written = WriteAdmTemplate(edition, GetParam());
  const ParsedAdm adm = ParseAdm(written.text);
  ASSERT_EQ(adm.error, "");
  ASSERT_GT(adm.policies.size(), 0u);
  EXPECT_EQ(static_cast<int>(adm.policies.size()), written.policies);
  EXPECT_NE(written.text.find(std::to_string(written.leftOut) + " functions left out"), std::string::npos);
  for (const std::string& r : adm.references) {
    ASSERT_TRUE(adm.strings.count(r)) << "!!" << r << " not in [strings]";
    EXPECT_FALSE(adm.strings.at(r).empty()) << r;
  }
  int captioned = 0;
  for (const kv::FunctionRecord& f : edition.functions) captioned += f.Caption.empty() ? 0 : 1;
  captioned -= edition.functions.back().Caption.empty() ? 0 : 1;  // record N + 1 is never a function
  EXPECT_EQ(written.policies + written.leftOut, captioned);

  for (const AdmPolicy& p : adm.policies) {
    ASSERT_EQ(p.name[0], 'F');
    const int n = std::stoi(p.name.substr(1));
    ASSERT_TRUE(n >= 0 && n <= edition.fktAnzahl) << p.name;
    const kv::FunctionRecord& f = edition.functions[static_cast<std::size_t>(n)];
    const std::string where = p.name + " " + f.Caption;
    std::string shown = f.Caption;  // a [strings] text holds no quote and no line break
    for (char& c : shown) c = c == '"' ? '\'' : (c == '|' ? ' ' : c);
    EXPECT_EQ(adm.strings.at(p.name), shown) << where;
    const std::string pageId = "P" + std::to_string(f.Page);
    EXPECT_EQ(p.categories, (std::vector<std::string>{pageId, pageId + "G" + std::to_string(f.Group)})) << where;
    const kv::RegistryAction& on = OnlyUsed(f.OnActions);
    EXPECT_EQ(RootOf(p) + p.keyName, on.KeyPath) << where;
    const std::string valueName = p.parts.empty() ? p.valueName : p.parts[0].valueName;
    EXPECT_EQ(valueName, on.ValueName) << where;
    switch (f.InputKind) {
      case 0: {
        ASSERT_TRUE(p.parts.empty()) << where;
        ExpectValue(p.on, on, where + " VALUEON");
        const kv::RegistryAction& off = OnlyUsed(f.OffActions);
        EXPECT_EQ(off.KeyPath, on.KeyPath) << where;
        EXPECT_EQ(off.ValueName, on.ValueName) << where;
        if (off.Mode == 1) EXPECT_FALSE(p.off.present) << where << ": a disabled policy deletes the value";
        else ExpectValue(p.off, off, where + " VALUEOFF");
        break;
      }
      case 2:
        ASSERT_EQ(p.parts.size(), 1u) << where;
        EXPECT_EQ(p.parts[0].type, "NUMERIC") << where;
        EXPECT_EQ(on.ValueKind, kv::KindDword) << where;
        EXPECT_EQ(p.parts[0].numbers.at("MIN"), std::to_string(f.Minimum)) << where;
        if (f.Maximum > 0) {
          EXPECT_EQ(p.parts[0].numbers.at("MAX"), std::to_string(f.Maximum)) << where;
        }
        EXPECT_EQ(p.parts[0].numbers.at("DEFAULT"), std::to_string(f.DefaultNumber)) << where;
        break;
      case 1:
        ASSERT_EQ(p.parts.size(), 1u) << where;
        EXPECT_EQ(p.parts[0].type, "EDITTEXT") << where;
        EXPECT_EQ(on.ValueKind, kv::KindText) << where;
        if (!f.DefaultText.empty()) {
          EXPECT_EQ(p.parts[0].defaultText.text, f.DefaultText) << where;
        }
        break;
      default: ADD_FAILURE() << where << ": input kind " << f.InputKind;
    }
  }
}

// What System Policy or Group Policy does with an on/off policy, done through our registry layer:
// enabled writes VALUEON, disabled writes VALUEOFF or deletes the value. The program must then show
// the state its own "on" and "off" give.
TEST_P(PolicyTemplate, AppliedPoliciesReadAsTheStatesTheProgramSets) {
  const Edition edition = ShippedEdition(GetParam());
  const ParsedAdm adm = ParseAdm(WriteAdmTemplate(edition, GetParam()).text);
  ASSERT_EQ(adm.error, "");
  kv::Catalogue catalogue;
  catalogue.FktAnzahl = static_cast<std::int16_t>(edition.fktAnzahl);
  catalogue.Functions = edition.functions;
  int checked = 0;
  for (const AdmPolicy& p : adm.policies) {
    if (!p.parts.empty()) continue;
    const int n = std::stoi(p.name.substr(1));
    for (const bool enabled : {true, false}) {
      kv::MemoryRegistryStore byPolicy, byProgram;
      kv::Registry policyRegistry(byPolicy), programRegistry(byProgram);
      const AdmValue& v = enabled ? p.on : p.off;
      const std::string key = RootOf(p) + p.keyName;
      if (!v.present) policyRegistry.RegDelete(key, p.valueName);
      else if (v.numeric) policyRegistry.RegWriteDword(key, p.valueName, std::stoi(v.text));
      else policyRegistry.RegWriteString(key, p.valueName, v.text);
      kv::FunctionEngine program(programRegistry, catalogue);
      program.ApplyFunctionState(n, enabled);
      EXPECT_EQ(kv::FunctionEngine(policyRegistry, catalogue).ReadCheckState(n), program.ReadCheckState(n))
          << p.name << " " << catalogue.Functions[static_cast<std::size_t>(n)].Caption
          << (enabled ? " enabled" : " disabled");
    }
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(Editions, PolicyTemplate, testing::Values(Language::English, Language::German));

}  // namespace
}  // namespace kvcat
