// Writes the function reference pages of the manual (see reference_writer.h).
#include "tools/kvcat/reference_writer.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "tools/kvcat/cp1252.h"
#include "tools/kvcat/edition.h"

namespace kvcat {
namespace {

// Where a catalogue page shows: tool page and tab, with the manual topic of the tool page. Texts are
// plain code page 1252 (escaped where they are used).
struct PagePlace {
  int page;
  const char* tool[2];  // English, German
  const char* tab[2];
  const char* topic;
};

const PagePlace kPlaces[] = {
    {1, {"Windows", "Windows"}, {"General", "Allgemein"}, "page_windows.htm"},
    {2, {"Windows", "Windows"}, {"Display", "Darstellung"}, "page_windows.htm"},
    {16, {"Windows", "Windows"}, {"Advanced", "Erweitert"}, "page_windows.htm"},
    {4, {"Windows", "Windows"}, {"Mouse", "Maus"}, "page_windows.htm"},
    {3, {"Windows", "Windows"}, {"SysPaths", "SysPfade"}, "page_windows.htm"},
    {5, {"Boot Options", "Boot Optionen"}, {"General", "Allgemeines"}, "page_boot.htm"},
    {6, {"Boot Options", "Boot Optionen"}, {"Logon Screen", "LoginScreen"}, "page_boot.htm"},
    {8, {"Drives & Files", "Datensystem"}, {"Drives", "DriveInfo"}, "page_drives.htm"},
    {9, {"Drives & Files", "Datensystem"}, {"File System", "Dateisystem"}, "page_drives.htm"},
    {12, {"Security", "Sicherheit"}, {"Access", "Zugriff"}, "page_security.htm"},
    {13, {"Security", "Sicherheit"}, {"Logon", "Anmeldung"}, "page_security.htm"},
    {14, {"Security", "Sicherheit"}, {"Policies", "Richtlinien"}, "page_security.htm"},
    {15, {"Network", "Netzwerk"}, {"Network", "Netzwerk"}, "page_network.htm"},
    {17, {"Network", "Netzwerk"}, {"Internet", "Internet"}, "page_network.htm"},
    {10, {"Icons", "Symbole"}, {"Desktop", "Arbeitsplatz"}, "page_icons.htm"},
    {11, {"Icons", "Symbole"}, {"Start Menu", "Startmen\xFC"}, "page_icons.htm"},
    {18, {"Applications", "Anwendungen"}, {"Applications", "Anwendungen"}, "page_applications.htm"},
};

struct Labels {
  const char* reference;
  const char* intro;
  const char* functions;
  const char* number;
  const char* where;
  const char* group;
  const char* setting;
  const char* after;
  const char* systems;
  const char* source;
  const char* noSource;
  const char* seeAlso;
  const char* page;
  const char* onOff;
  const char* text;
  const char* numberValue;
  const char* logOff;
  const char* restart;
  const char* atOnce;
  const char* win2k;
  const char* nt4;
  const char* both;
  const char* lang;
};

const Labels kEnglish = {
    "Function reference",
    "Every function of the function database, page by page, as the program shows it. The texts are the "
    "program's own: the help text is the one the program's help box shows.",
    "functions",
    "Number",
    "Page and tab",
    "Group",
    "Setting",
    "After a change",
    "Systems",
    "Source",
    "no source recorded",
    "How the page works",
    "Page",
    "check box (on/off)",
    "text value",
    "number value",
    "log off and on again",
    "restart Windows",
    "takes effect without log-off or restart",
    "Windows 2000",
    "Windows NT 4.0 only",
    "Windows NT 4.0 and Windows 2000",
    "en",
};

const Labels kGerman = {
    "Funktionsreferenz",
    "Alle Funktionen der Funktionsdatenbank, Seite f&uuml;r Seite, wie das Programm sie zeigt. Die Texte sind "
    "die des Programms: der Hilfetext ist der, den das Hilfefenster des Programms zeigt.",
    "Funktionen",
    "Nummer",
    "Seite und Registerkarte",
    "Gruppe",
    "Einstellung",
    "Nach einer &Auml;nderung",
    "Systeme",
    "Quelle",
    "keine Quelle angegeben",
    "So funktioniert die Seite",
    "Seite",
    "Kontrollk&auml;stchen (ein/aus)",
    "Textwert",
    "Zahlenwert",
    "abmelden und neu anmelden",
    "Windows neu starten",
    "wirksam ohne Abmelden oder Neustart",
    "Windows 2000",
    "nur Windows NT 4.0",
    "Windows NT 4.0 und Windows 2000",
    "de",
};

// Text (code page 1252) as HTML: markup characters escaped.
std::string Escape(const std::string& text) {
  std::string html;
  for (char c : text) {
    switch (c) {
      case '&': html += "&amp;"; break;
      case '<': html += "&lt;"; break;
      case '>': html += "&gt;"; break;
      case '"': html += "&quot;"; break;
      default: html += c;
    }
  }
  return html;
}

// "|" is the program's line break.
std::string EscapeLines(const std::string& text) {
  std::string html = Escape(text);
  std::string out;
  for (char c : html) {
    if (c == '|') out += "<br>";
    else out += c;
  }
  return out;
}

// A help text "heading#body" (the "#" after the first character) shows its heading in bold.
std::string HelpHtml(const std::string& help) {
  const std::size_t hash = help.find('#', 1);
  if (help.empty() || hash == std::string::npos) return "<p>" + EscapeLines(help) + "</p>";
  return "<p><b>" + EscapeLines(help.substr(0, hash)) + "</b><br>" + EscapeLines(help.substr(hash + 1)) + "</p>";
}

// Free text of the "source" field; web addresses become links (opened by the viewer's browser).
std::string SourceHtml(const std::string& utf8) {
  const Cp1252Result converted = Utf8ToCp1252(utf8);
  const std::string text = converted.ok ? converted.text : utf8;
  std::string html;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t http = std::min(text.find("http://", i), text.find("https://", i));
    if (http == std::string::npos) {
      html += Escape(text.substr(i));
      break;
    }
    std::size_t end = text.find_first_of(" \t", http);
    if (end == std::string::npos) end = text.size();
    while (end > http && (text[end - 1] == ')' || text[end - 1] == ',' || text[end - 1] == ';' ||
                          text[end - 1] == '.')) {
      --end;
    }
    const std::string address = Escape(text.substr(http, end - http));
    html += Escape(text.substr(i, http - i)) + "<a href=\"" + address + "\">" + address + "</a>";
    i = end;
  }
  return html;
}

std::string Head(const std::string& title, const Labels& labels) {
  return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n<html lang=\"" + std::string(labels.lang) +
         "\"><head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n"
         "<title>" + title + "</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"manual.css\">\n"
         "</head><body>\n";
}

const PagePlace* PlaceOf(int page) {
  for (const PagePlace& place : kPlaces) {
    if (place.page == page) return &place;
  }
  return nullptr;
}

std::string PageTitle(int page, int lang, const Labels& labels) {
  const PagePlace* place = PlaceOf(page);
  if (!place) return std::string(labels.page) + " " + std::to_string(page);
  return std::string(place->tool[lang]) + " > " + place->tab[lang];
}

std::string ItemHtml(const std::string& name, const std::string& local) {
  return "<LI> <OBJECT type=\"text/sitemap\">\n  <param name=\"Name\" value=\"" + name +
         "\">\n  <param name=\"Local\" value=\"" + local + "\">\n  </OBJECT>\n";
}

std::string SettingText(const kv::FunctionRecord& record, const Labels& labels) {
  switch (record.InputKind) {
    case 0: return labels.onOff;
    case 1: return labels.text;
    case 2: {
      std::string text = labels.numberValue;
      if (record.Maximum > record.Minimum) {
        text += " (" + std::to_string(record.Minimum) + " &ndash; " + std::to_string(record.Maximum) +
                Escape(record.Unit) + ")";
      }
      return text;
    }
    default: return std::to_string(record.InputKind);
  }
}

std::string AfterText(const kv::FunctionRecord& record, const Labels& labels) {
  if (record.RestartLevel == 0) return labels.logOff;
  if (record.RestartLevel == 1) return labels.restart;
  return labels.atOnce;
}

std::string SystemsText(const kv::FunctionRecord& record, const Labels& labels) {
  switch (record.OsFilter) {
    case 0: return labels.win2k;
    case 1: return labels.nt4;
    case 2: return labels.both;
    default: return "os = " + std::to_string(record.OsFilter);
  }
}

struct Entry {
  int number;
  const SourceSection* section;
};

std::string Row(const char* label, const std::string& value) {
  return "<tr><th>" + std::string(label) + "</th><td>" + value + "</td></tr>\n";
}

std::string FunctionHtml(const Entry& entry, const kv::FunctionRecord& record, const std::string& groupCaption,
                         int lang, const Labels& labels) {
  std::string html = "<h3><a name=\"f" + std::to_string(entry.number) + "\"></a>" + Escape(record.Caption) + "</h3>\n";
  html += HelpHtml(record.HelpText);
  html += "<table class=\"fn\">\n";
  html += Row(labels.number, std::to_string(entry.number));
  html += Row(labels.where, Escape(PageTitle(record.Page, lang, labels)));
  html += Row(labels.group, groupCaption.empty() ? std::to_string(record.Group) : Escape(groupCaption));
  html += Row(labels.setting, SettingText(record, labels));
  html += Row(labels.after, AfterText(record, labels));
  html += Row(labels.systems, SystemsText(record, labels));
  const FieldValue* source = entry.section->Find(kSourceField);
  html += Row(labels.source, source && !source->value.empty() ? SourceHtml(source->value)
                                                              : "<i>" + std::string(labels.noSource) + "</i>");
  html += "</table>\n";
  return html;
}

}  // namespace

std::string ReferencePageName(int page) {
  char name[32];
  std::snprintf(name, sizeof name, "ref_%02d.htm", page);
  return name;
}

std::vector<ReferenceFile> WriteReference(const CatalogueSource& source, Language language) {
  const int lang = language == Language::German ? 1 : 0;
  const Labels& labels = lang ? kGerman : kEnglish;
  const Edition edition = BuildEdition(source, language);

  // Functions by catalogue page, in group and number order.
  std::map<int, std::vector<Entry>> byPage;
  for (const SourceSection& section : source.sections) {
    if (section.kind != SectionKind::Function || section.number < 0 || section.number > edition.fktAnzahl) continue;
    const int number = static_cast<int>(section.number);
    byPage[edition.functions[static_cast<std::size_t>(number)].Page].push_back({number, &section});
  }
  // Pages in the order of the tool pages and their tabs; pages the table does not know follow.
  std::vector<int> order;
  for (const PagePlace& place : kPlaces) {
    if (byPage.count(place.page)) order.push_back(place.page);
  }
  for (const auto& [page, entries] : byPage) {
    if (!PlaceOf(page)) order.push_back(page);
  }

  std::vector<ReferenceFile> files;
  std::string overview = Head(labels.reference, labels) + "<h1>" + labels.reference + "</h1>\n<p>" + labels.intro +
                         "</p>\n<ul>\n";
  std::string toc = ItemHtml(labels.reference, "reference.htm") + "<UL>\n";
  std::string index;
  for (int page : order) {
    std::vector<Entry>& entries = byPage[page];
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
      const auto& ra = edition.functions[static_cast<std::size_t>(a.number)];
      const auto& rb = edition.functions[static_cast<std::size_t>(b.number)];
      return ra.Group != rb.Group ? ra.Group < rb.Group : a.number < b.number;
    });
    const std::string title = Escape(PageTitle(page, lang, labels));
    const std::string name = ReferencePageName(page);
    const kv::GroupCaptionRecord* captions =
        page >= 0 && page < kv::kGroupCaptionRecords ? &edition.captions[static_cast<std::size_t>(page)] : nullptr;
    std::string html = Head(labels.reference + std::string(": ") + title, labels) + "<h1>" + title + "</h1>\n";
    if (const PagePlace* place = PlaceOf(page)) {
      html += "<p><a href=\"" + std::string(place->topic) + "\">" + labels.seeAlso + "</a></p>\n";
    }
    int group = -1;
    for (const Entry& entry : entries) {
      const kv::FunctionRecord& record = edition.functions[static_cast<std::size_t>(entry.number)];
      const std::string groupCaption =
          captions && record.Group >= 1 && record.Group < kv::kCaptionsPerRecord ? captions->Captions[record.Group] : "";
      if (record.Group != group) {
        group = record.Group;
        html += "<h2>" + (groupCaption.empty() ? std::to_string(group) : Escape(groupCaption)) + "</h2>\n";
      }
      html += FunctionHtml(entry, record, groupCaption, lang, labels);
      index += ItemHtml(Escape(record.Caption), name + "#f" + std::to_string(entry.number));
    }
    html += "</body></html>\n";
    files.push_back({name, html});
    overview += "<li><a href=\"" + name + "\">" + title + "</a> (" + std::to_string(entries.size()) + " " +
                labels.functions + ")</li>\n";
    toc += ItemHtml(title, name);
  }
  overview += "</ul>\n</body></html>\n";
  toc += "</UL>\n";
  files.insert(files.begin(), {"reference.htm", overview});
  files.push_back({"reference.hhc", toc});
  files.push_back({"reference.hhk", index});
  return files;
}

}  // namespace kvcat
