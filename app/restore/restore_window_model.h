// The restore window (form UNDO) without windows: its three modes and their texts, the current profile
// (a recovery profile or the master profile, validated when loaded), the profile box and Restore
// button states, and the restore run with the list lines it shows and the log-off/restart need it raises.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/catalogue/catalogue.h"
#include "app/catalogue/registry.h"
#include "app/restore/file_store.h"
#include "app/restore/function_restore.h"
#include "app/restore/profile_record.h"
#include "app/restore/reg_file_export.h"

namespace kv {

inline constexpr int kRestoreToolId = 99;

enum class RestoreMode { Group = 0, All = 1, Single = 2 };

// How the window was opened.
struct RestoreRequest {
  RestoreMode Mode = RestoreMode::All;
  int Page = 0;            // Group: the page number whose profile records are restored
  int FunctionNumber = 0;  // Single: the one function
  int ReturnTool = -1;     // tool and tab to go back to
  int ReturnTab = 0;
  std::string ToolTitle;   // Group: the main window's headline when opened
  std::string TabCaption;  // Group: the source page's current tab caption
};

// Texts set when the window opens.
struct RestoreOpeningTexts {
  std::string Heading;    // Label4
  std::string ListTitle;  // the list's title line
  std::string Headline;   // the main window's headline while the window is shown
};

using TextSource = std::function<std::string(int id)>;

RestoreOpeningTexts OpeningTexts(const RestoreRequest& request, const TextSource& text, const Catalogue& catalogue);

// Whether function i (with its profile record) is restored in this mode. Group mode selects by the
// page stored in the profile, not by the catalogue.
bool IsFunctionSelected(const RestoreRequest& request, int functionNumber, const ProfileRecord& record);

// What the profile box shows.
enum class ProfileBoxKind {
  Empty,   // nothing loaded yet
  None,    // text 158: no valid profile
  Master,  // text 153
  File,    // the profile's path (shortened by the window to the box width)
};

// The questions loading may ask.
class ProfileQuestions {
 public:
  virtual ~ProfileQuestions() = default;
  // The chosen file is no valid profile (heading 151, text 152): use the master profile instead?
  virtual bool UseMasterInstead() = 0;
  // The master profile itself is not valid (heading 151, text 814); there is nothing to fall back to.
  virtual void MasterDamaged() = 0;
};

struct RestoreLine {
  int Function = 0;
  std::string Caption;
  std::string SubText;  // "OK"; text 812 when an entry could not be set back; 819/820 when a value of
                        // the function was left out of the profile (unreadable / too long); 821 for a password; 822 when
                        // per-user values of the master profile were left out (another user installed)
};

struct FunctionRestore {
  int Function = 0;
  bool Listed = false;  // entry 0 held a value, so the function got a list line
  FunctionOutcome Outcome = FunctionOutcome::Unchanged;
  bool Changed = false;  // some value was written back or deleted (raises the function's need bit)
  std::int16_t RestartLevel = 0;  // from the catalogue
  LeftOutReason LeftOut = LeftOutReason::None;
  bool SkippedPerUser = false;
  bool Differs = false;  // afterwards one of its values still differs from the profile (the preview's count)
};

struct RestoreResult {
  std::vector<FunctionRestore> Functions;  // every selected function with at least one entry
  std::int32_t NeedBits = 0;               // bit 0 log-off, bit 1 restart (from restored functions)
  int FailedCount() const;
  int DifferingCount() const;  // what Preview would count right after this restore, without reading again
};

// Told about each list line as the restore goes (the window adds it, and shows the progress a few
// times a second).
class RestoreProgress {
 public:
  virtual ~RestoreProgress() = default;
  virtual void LineAdded(const RestoreLine& line) = 0;
  virtual void LineFinished(std::size_t index, const RestoreLine& line) = 0;
};

// One value of a function in the restore preview: what the profile holds and what the registry
// holds now, as text (absent values show the window's "absent" text).
struct PreviewValue {
  std::string Name;     // value name ("@" for a key's default value)
  std::string Stored;
  std::string Current;
  bool Differs = false;  // a restore would write or delete it (of a bit function: its bit)
};

// One function in the restore preview.
struct PreviewLine {
  int Function = 0;
  std::string Caption;
  bool Differs = false;
  std::vector<PreviewValue> Values;
};

class RestoreWindowModel {
 public:
  // `currentProfilePath` outlives the window (a chosen profile stays current); "" = the master profile.
  RestoreWindowModel(std::string& currentProfilePath, std::string undoFilePath, FileStore& files,
                     const Catalogue& catalogue, TextSource text);

  // The account of the user running the program ("DOMAIN\user"; "" when unknown).
  void SetCurrentUser(std::string account) { currentUser_ = std::move(account); }

  // Reinitialises the window for a request; the profile is loaded separately (LoadProfile).
  void Open(const RestoreRequest& request);
  const RestoreRequest& Request() const { return request_; }
  const RestoreOpeningTexts& Texts() const { return texts_; }

  // Loads the current profile (falls back to the master profile when the chosen file is gone).
  void LoadProfile(ProfileQuestions& questions);
  // A file chosen in the open dialog ("" = cancelled: nothing changes).
  void ChooseProfile(const std::string& path, ProfileQuestions& questions);
  // The master profile button: reloads only when another profile is current.
  void ChooseMaster(ProfileQuestions& questions);

  ProfileBoxKind BoxKind() const { return boxKind_; }
  const std::string& CurrentPath() const { return currentPath_; }
  bool RestoreShown() const { return restoreShown_; }
  bool ProfileLoaded() const { return !table_.empty(); }

  // Restores the selected functions from the loaded profile; the list is cleared first. Nothing
  // happens while no valid profile is loaded.
  RestoreResult Restore(Registry& registry, RestoreProgress* progress);
  const std::vector<RestoreLine>& Lines() const { return lines_; }

  // What a restore would change: one line per function of the window's scope that the profile holds
  // values for, in function order; empty while no valid profile is loaded. Only values a restore
  // would write are shown (a function's own values, not those the scan left out).
  std::vector<PreviewLine> Preview(const Registry& registry) const;
  // The same for one function (its values whatever the scope; no values when the profile has none).
  PreviewLine PreviewOf(int functionNumber, const Registry& registry) const;

  // The loaded profile as a REGEDIT4 file, within the window's scope (all functions, the group, the
  // one function); empty text while no valid profile is loaded.
  RegFileExport RegFile() const;
  // Writes RegFile() to `path`, replacing a file there atomically; false when nothing was written.
  bool ExportRegFile(const std::string& path) const;

  // Releases the profile table (window closed).
  void Release();

 private:
  int FunctionCount() const { return catalogue_.FktAnzahl; }
  std::string SubTextOf(const FunctionRestore& done) const;

  std::string& currentPath_;
  std::string undoPath_;
  FileStore& files_;
  const Catalogue& catalogue_;
  TextSource text_;
  RestoreRequest request_;
  RestoreOpeningTexts texts_;
  ProfileTable table_;
  ProfileBoxKind boxKind_ = ProfileBoxKind::Empty;
  bool restoreShown_ = false;
  std::vector<RestoreLine> lines_;
  std::string currentUser_;
};

}  // namespace kv
