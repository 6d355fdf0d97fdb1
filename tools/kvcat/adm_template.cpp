// Policy template writer (see adm_template.h).
#include "tools/kvcat/adm_template.h"

#include <map>
#include <vector>

namespace kvcat {
namespace {

constexpr const char* kEol = "\r\n";

enum class PolicyClass { Machine, User };

// One function as a policy, ready to print.
struct Policy {
  int number = 0;
  PolicyClass policyClass = PolicyClass::Machine;
  std::vector<std::string> lines;  // the lines between POLICY and END POLICY
};

bool UsedAction(const kv::RegistryAction& a) { return !a.KeyPath.empty(); }

// The one used action of three, or nullptr when none or several are used.
const kv::RegistryAction* SingleAction(const std::array<kv::RegistryAction, 3>& actions) {
  const kv::RegistryAction* single = nullptr;
  for (const kv::RegistryAction& a : actions) {
    if (!UsedAction(a)) continue;
    if (single) return nullptr;
    single = &a;
  }
  return single;
}

// Splits "HKEY_LOCAL_MACHINE\sub" / "HKEY_CURRENT_USER\sub" into class and subkey.
bool ClassAndKey(const std::string& keyPath, PolicyClass* policyClass, std::string* subKey) {
  const std::size_t slash = keyPath.find('\\');
  if (slash == std::string::npos || slash + 1 >= keyPath.size()) return false;
  const std::string root = keyPath.substr(0, slash);
  if (root == "HKEY_LOCAL_MACHINE" || root == "HKLM") *policyClass = PolicyClass::Machine;
  else if (root == "HKEY_CURRENT_USER" || root == "HKCU") *policyClass = PolicyClass::User;
  else return false;
  *subKey = keyPath.substr(slash + 1);
  return true;
}

// A quoted template text; a quote cannot be written inside one, so such texts are refused.
bool Quoted(const std::string& text, std::string* out) {
  if (text.find('"') != std::string::npos) return false;
  *out = "\"" + text + "\"";
  return true;
}

// VALUEON / VALUEOFF operand of a write: "text" or NUMERIC n. (A delete has no operand: a policy
// without VALUEOFF deletes its value when disabled.)
bool ValueOperand(const kv::RegistryAction& a, std::string* out) {
  if (a.Mode != 0 || a.Data.find('%') != std::string::npos) return false;  // path variables: per machine
  if (a.ValueKind == kv::KindDword) {
    const std::size_t first = !a.Data.empty() && a.Data[0] == '-' ? 1 : 0;
    if (first >= a.Data.size() || a.Data.size() - first > 10) return false;
    for (std::size_t k = first; k < a.Data.size(); ++k)
      if (a.Data[k] < '0' || a.Data[k] > '9') return false;  // "&H..." or a fraction: not a plain number
    *out = "NUMERIC " + a.Data;
    return true;
  }
  if (a.ValueKind == kv::KindText) return Quoted(a.Data, out);
  return false;  // binary data
}

std::string StringId(int function) { return "F" + std::to_string(function); }

bool MakePolicy(int number, const kv::FunctionRecord& f, Policy* policy) {
  const kv::RegistryAction* on = SingleAction(f.OnActions);
  if (!on || on->ValueName.empty()) return false;
  std::string subKey, quotedKey, quotedName;
  if (!ClassAndKey(on->KeyPath, &policy->policyClass, &subKey)) return false;
  if (!Quoted(subKey, &quotedKey) || !Quoted(on->ValueName, &quotedName)) return false;
  policy->number = number;
  policy->lines = {"KEYNAME " + quotedKey};
  const std::string part = "PART !!" + StringId(number);
  switch (f.InputKind) {
    case 0: {
      const kv::RegistryAction* off = SingleAction(f.OffActions);
      if (!off || off->KeyPath != on->KeyPath || off->ValueName != on->ValueName) return false;
      if (on->ValueKind != off->ValueKind) return false;
      std::string onValue, offValue;
      if (!ValueOperand(*on, &onValue)) return false;  // "on" deletes: not expressible
      const bool offDeletes = off->Mode == 1;
      if (!offDeletes && !ValueOperand(*off, &offValue)) return false;
      policy->lines.push_back("VALUENAME " + quotedName);
      policy->lines.push_back("VALUEON " + onValue);
      if (!offDeletes) policy->lines.push_back("VALUEOFF " + offValue);
      return true;
    }
    case 2: {
      if (on->Mode != 0 || on->ValueKind != kv::KindDword || on->Data != "%INPUT%") return false;
      policy->lines.push_back(part + " NUMERIC");
      policy->lines.push_back("  VALUENAME " + quotedName);
      policy->lines.push_back("  MIN " + std::to_string(f.Minimum));
      if (f.Maximum > 0) policy->lines.push_back("  MAX " + std::to_string(f.Maximum));
      policy->lines.push_back("  DEFAULT " + std::to_string(f.DefaultNumber));
      if (f.Increment > 1) policy->lines.push_back("  SPIN " + std::to_string(f.Increment));
      policy->lines.push_back("END PART");
      return true;
    }
    case 1: {
      if (on->Mode != 0 || on->ValueKind != kv::KindText || on->Data != "%INPUT%") return false;
      std::string quotedDefault;
      policy->lines.push_back(part + " EDITTEXT");
      policy->lines.push_back("  VALUENAME " + quotedName);
      if (!f.DefaultText.empty() && Quoted(f.DefaultText, &quotedDefault))
        policy->lines.push_back("  DEFAULT " + quotedDefault);
      policy->lines.push_back("END PART");
      return true;
    }
    default: return false;
  }
}

// A [strings] value: quotes cannot be written inside one; line breaks ("|") become blanks.
std::string StringValue(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '"' ? '\'' : (c == '|' ? ' ' : c);
  return "\"" + out + "\"";
}

}  // namespace

AdmTemplate WriteAdmTemplate(const Edition& edition, Language language) {
  AdmTemplate result;
  // class -> page -> group -> policies, each in function order.
  std::map<PolicyClass, std::map<int, std::map<int, std::vector<Policy>>>> tree;
  std::map<std::string, std::string> strings;
  for (int i = 0; i <= edition.fktAnzahl && static_cast<std::size_t>(i) < edition.functions.size(); ++i) {
    const kv::FunctionRecord& f = edition.functions[static_cast<std::size_t>(i)];
    if (f.Caption.empty()) continue;  // no function (a gap in the numbering)
    const bool grouped = f.Page >= 0 && static_cast<std::size_t>(f.Page) < edition.captions.size() &&
                         f.Group >= 1 && f.Group < kv::kCaptionsPerRecord &&
                         !edition.captions[static_cast<std::size_t>(f.Page)].Captions[f.Group].empty();
    Policy policy;
    if (!grouped || !MakePolicy(i, f, &policy)) {
      ++result.leftOut;
      continue;
    }
    tree[policy.policyClass][f.Page][f.Group].push_back(policy);
    strings[StringId(i)] = f.Caption;
    ++result.policies;
  }

  std::string& out = result.text;
  out = std::string("; Korvane 2000 policy template, ") + (language == Language::German ? "German" : "English") +
        " edition (FktAnzahl " + std::to_string(edition.fktAnzahl) + ")." + kEol;
  out += "; For the System Policy Editor of Windows NT 4.0 and Group Policy of Windows 2000." + std::string(kEol);
  out += "; " + std::to_string(result.policies) + " functions as policies; " + std::to_string(result.leftOut) +
         " functions left out (bit functions, several values, binary data, path variables)." + kEol;
  for (const auto& byClass : tree) {
    out += std::string(kEol) + "CLASS " + (byClass.first == PolicyClass::Machine ? "MACHINE" : "USER") + kEol;
    for (const auto& byPage : byClass.second) {
      const kv::GroupCaptionRecord& page = edition.captions[static_cast<std::size_t>(byPage.first)];
      const std::string pageId = "P" + std::to_string(byPage.first);
      strings[pageId] = page.Title.empty() ? "Korvane " + std::to_string(byPage.first) : page.Title;
      out += std::string(kEol) + "CATEGORY !!" + pageId + kEol;
      for (const auto& byGroup : byPage.second) {
        const std::string groupId = pageId + "G" + std::to_string(byGroup.first);
        strings[groupId] = page.Captions[static_cast<std::size_t>(byGroup.first)];
        out += "  CATEGORY !!" + groupId + kEol;
        for (const Policy& policy : byGroup.second) {
          out += "    POLICY !!" + StringId(policy.number) + kEol;
          for (const std::string& line : policy.lines) out += "      " + line + kEol;
          out += "    END POLICY" + std::string(kEol);
        }
        out += "  END CATEGORY" + std::string(kEol);
      }
      out += "END CATEGORY" + std::string(kEol);
    }
  }
  out += std::string(kEol) + "[strings]" + kEol;
  for (const auto& s : strings) out += s.first + "=" + StringValue(s.second) + kEol;
  return result;
}

}  // namespace kvcat
