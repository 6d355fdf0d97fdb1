// The restore window's logic (see restore_window_model.h).
#include "app/restore/restore_window_model.h"

#include <utility>

#include "app/restore/profile_codec.h"
#include "app/restore/master_profile_owner.h"
#include "app/restore/profile_file.h"
#include "app/restore/profile_values.h"
#include "app/restore/recovery_profile.h"

namespace kv {

namespace {
std::string WithoutAccessKeys(std::string caption) {
  std::string out;
  for (char c : caption)
    if (c != '&') out += c;
  return out;
}

bool HasEntries(const ProfileRecord& record) {
  for (const RegistryAction& e : record.Entries)
    if (!e.KeyPath.empty()) return true;
  return false;
}
}  // namespace

RestoreOpeningTexts OpeningTexts(const RestoreRequest& request, const TextSource& text, const Catalogue& catalogue) {
  RestoreOpeningTexts t;
  std::string scope;
  switch (request.Mode) {
    case RestoreMode::Group:
      t.Heading = text(143);
      scope = request.ToolTitle + "\\ " + WithoutAccessKeys(request.TabCaption);
      t.ListTitle = text(154) + scope;
      break;
    case RestoreMode::All:
      t.Heading = text(150);
      scope = text(155);
      t.ListTitle = scope;
      break;
    case RestoreMode::Single: {
      t.Heading = text(144);
      scope = text(157);
      const FunctionRecord* f = catalogue.Function(request.FunctionNumber);
      t.ListTitle = f ? f->Caption : std::string();
      break;
    }
  }
  t.Headline = text(142) + " :  " + scope;
  return t;
}

bool IsFunctionSelected(const RestoreRequest& request, int functionNumber, const ProfileRecord& record) {
  switch (request.Mode) {
    case RestoreMode::Group: return record.Page == request.Page;
    case RestoreMode::All: return true;
    case RestoreMode::Single: return functionNumber == request.FunctionNumber;
  }
  return false;
}

int RestoreResult::FailedCount() const {
  int n = 0;
  for (const FunctionRestore& f : Functions)
    if (f.Outcome == FunctionOutcome::Failed) ++n;
  return n;
}

int RestoreResult::DifferingCount() const {
  int n = 0;
  for (const FunctionRestore& f : Functions)
    if (f.Differs) ++n;
  return n;
}

RestoreWindowModel::RestoreWindowModel(std::string& currentProfilePath, std::string undoFilePath, FileStore& files,
                                       const Catalogue& catalogue, TextSource text)
    : currentPath_(currentProfilePath),
      undoPath_(std::move(undoFilePath)),
      files_(files),
      catalogue_(catalogue),
      text_(std::move(text)) {}

void RestoreWindowModel::Open(const RestoreRequest& request) {
  request_ = request;
  texts_ = OpeningTexts(request, text_, catalogue_);
  Release();
  boxKind_ = ProfileBoxKind::Empty;
  restoreShown_ = false;
  lines_.clear();
}

void RestoreWindowModel::LoadProfile(ProfileQuestions& questions) {
  const int n = FunctionCount();
  for (;;) {
    if (!files_.Exists(currentPath_)) currentPath_ = undoPath_;
    if (!files_.Exists(currentPath_)) return;  // the window keeps what it showed
    ProfileTable table = ReadProfile(files_, currentPath_, n);
    if (ProfileMayBeRestored(table, n)) {
      table_ = std::move(table);
      restoreShown_ = true;
      boxKind_ = SameProfilePath(currentPath_, undoPath_) ? ProfileBoxKind::Master : ProfileBoxKind::File;
      return;
    }
    table_.clear();
    boxKind_ = ProfileBoxKind::None;
    restoreShown_ = false;
    // Offering the master profile instead of a damaged master profile would ask the same question forever.
    if (SameProfilePath(currentPath_, undoPath_)) {
      questions.MasterDamaged();
      return;
    }
    if (!questions.UseMasterInstead()) return;
    currentPath_ = undoPath_;
  }
}

void RestoreWindowModel::ChooseProfile(const std::string& path, ProfileQuestions& questions) {
  if (path.empty()) return;
  currentPath_ = path;
  LoadProfile(questions);
}

void RestoreWindowModel::ChooseMaster(ProfileQuestions& questions) {
  if (SameProfilePath(currentPath_, undoPath_)) return;
  currentPath_ = undoPath_;
  LoadProfile(questions);
}

PreviewLine RestoreWindowModel::PreviewOf(int functionNumber, const Registry& registry) const {
  PreviewLine line;
  line.Function = functionNumber;
  const FunctionRecord* function = catalogue_.Function(functionNumber);
  if (function) line.Caption = function->Caption;
  if (!function || !restoreShown_ || functionNumber < 0 || functionNumber > FunctionCount() ||
      static_cast<std::size_t>(functionNumber) >= table_.size())
    return line;
  const std::string absent = text_(827);
  const auto shown = [&absent](const std::string& data, int kind) {
    const bool missing = kind == KindDword ? data == kMissingDwordText : data == kMissingText;
    return missing ? absent : data;
  };
  const ProfileRecord& record = table_[static_cast<std::size_t>(functionNumber)];
  for (std::size_t d = 0; d < record.Entries.size(); ++d) {
    const RegistryAction& entry = record.Entries[d];
    if (!EntryFitsAction(entry, function->OnActions[d])) continue;  // left out, or not its value: never restored
    PreviewValue value;
    value.Name = entry.ValueName.empty() ? "@" : entry.ValueName;
    value.Stored = shown(entry.Data, entry.ValueKind);
    const std::string current = CaptureEntry(registry, entry.KeyPath, entry.ValueName, entry.ValueKind);
    value.Current = shown(current, entry.ValueKind);
    value.Differs = !CapturedHolds(entry, current, BitOfAction(function->OnActions[d]));
    line.Differs = line.Differs || value.Differs;
    line.Values.push_back(value);
  }
  return line;
}

std::vector<PreviewLine> RestoreWindowModel::Preview(const Registry& registry) const {
  std::vector<PreviewLine> lines;
  const int n = FunctionCount();
  if (!restoreShown_ || table_.size() < ProfileRecordCount(n)) return lines;
  for (int i = 0; i <= n; ++i) {
    const ProfileRecord& record = table_[static_cast<std::size_t>(i)];
    if (!IsFunctionSelected(request_, i, record) || !HasEntries(record)) continue;
    PreviewLine line = PreviewOf(i, registry);
    if (!line.Values.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

RegFileExport RestoreWindowModel::RegFile() const {
  const int n = FunctionCount();
  if (!restoreShown_ || table_.size() < ProfileRecordCount(n)) return RegFileExport();
  const RestoreRequest request = request_;
  return ExportProfileAsRegFile(
      table_, n, [this](int i) { return catalogue_.Function(i); },
      [request](int i, const ProfileRecord& record) { return IsFunctionSelected(request, i, record); }, currentPath_);
}

bool RestoreWindowModel::ExportRegFile(const std::string& path) const {
  const RegFileExport exported = RegFile();
  if (path.empty() || exported.Text.empty()) return false;
  return ReplaceFileAtomically(files_, path, std::vector<std::uint8_t>(exported.Text.begin(), exported.Text.end()));
}

void RestoreWindowModel::Release() { ProfileTable().swap(table_); }

std::string RestoreWindowModel::SubTextOf(const FunctionRestore& done) const {
  if (done.Outcome == FunctionOutcome::Failed) return text_(812);
  if (done.SkippedPerUser) return text_(822);
  switch (done.LeftOut) {
    case LeftOutReason::Unreadable: return text_(819);
    case LeftOutReason::TooLong: return text_(820);
    case LeftOutReason::Secret: return text_(821);
    case LeftOutReason::None: break;
  }
  return "OK";
}

RestoreResult RestoreWindowModel::Restore(Registry& registry, RestoreProgress* progress) {
  RestoreResult result;
  lines_.clear();
  const int n = FunctionCount();
  if (!restoreShown_ || table_.size() < ProfileRecordCount(n)) return result;
  RestoreRules rules;
  rules.SkipPerUserValues =
      boxKind_ == ProfileBoxKind::Master && !MayRestoreMasterPerUserValues(registry, currentUser_);
  for (int i = 0; i <= n; ++i) {
    const ProfileRecord& record = table_[static_cast<std::size_t>(i)];
    if (!IsFunctionSelected(request_, i, record) || !HasEntries(record)) continue;
    const FunctionRecord* function = catalogue_.Function(i);
    FunctionRestore done;
    done.Function = i;
    done.Listed = !record.Entries[0].KeyPath.empty();
    done.RestartLevel = function ? function->RestartLevel : 0;
    if (done.Listed) {
      lines_.push_back(RestoreLine{i, function ? function->Caption : std::string(), std::string()});
      if (progress) progress->LineAdded(lines_.back());
    }
    const FunctionRestoreReport report = RestoreFunction(registry, record, function, rules);
    done.Outcome = report.Outcome;
    done.Changed = report.Changed;
    done.LeftOut = report.LeftOut;
    done.SkippedPerUser = report.SkippedPerUser;
    done.Differs = report.Differs;
    if (done.Changed && done.RestartLevel >= 0 && done.RestartLevel < 31) result.NeedBits |= 1 << done.RestartLevel;
    if (done.Listed) {
      lines_.back().SubText = SubTextOf(done);
      if (progress) progress->LineFinished(lines_.size() - 1, lines_.back());
    }
    result.Functions.push_back(done);
  }
  return result;
}

}  // namespace kv
