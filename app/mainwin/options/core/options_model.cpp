// Options dialog model (see options_model.h).
#include "app/mainwin/options/core/options_model.h"

#include "app/mainwin/options/core/options_store.h"
#include "app/mainwin/options/core/password_rules.h"

namespace kv {

namespace {

constexpr int kPasswordHeadline = 114;
constexpr int kMismatchText = 116;
constexpr int kLengthText = 117;
constexpr int kReadsAsNoneText = 858;
constexpr int kOptionsHeadline = 829;

int Tick(bool on) { return on ? kTicked : kUnticked; }

}  // namespace

OptionsModel::OptionsModel(Registry& reg, ProgramSettings& settings, BarModel& bar, unsigned waveDevices)
    : reg_(reg), settings_(settings), bar_(bar), waveDevices_(waveDevices) {}

void OptionsModel::Load() {
  loading_ = true;
  const std::string clear = ReadClearPassword(reg_);
  passwordTicked_ = !clear.empty();
  passwords_ = {clear, clear};
  checks_[kCheckSaveLastWinPos] = Tick(settings_.SaveLastWinPos);
  checks_[kCheckSoundEffekts] = waveDevices_ == 0 ? kGreyed : Tick(settings_.SoundEffekts);
  checks_[kCheckDlgFade] = Tick(settings_.DlgFade);
  checks_[kCheckShowSysTray] = Tick(ReadBool(reg_, kMainSetKey, "ShowSysTray", true));
  checks_[kCheckViewAppLogo] = Tick(ReadBool(reg_, kMainSetKey, "ViewAppLogo", true));
  checks_[kCheckViewLastTool] = Tick(settings_.ViewLastTool);
  checks_[kCheckMenuAnimation] = Tick(bar_.MenuAnimation() != 2);
  checks_[kCheckViewSaveInfo] = Tick(settings_.ViewSaveInfo);
  const BarBand* side = bar_.Band(kSideBarBand);
  const BandLook look = side ? side->Look : BandLook();
  backStyle_ = look.BackStyle;
  colours_ = {look.BackColor, look.BackEndColor, look.FolderTextColor, look.ToolTextColor};
  applyEnabled_ = false;
  closed_ = false;
}

int OptionsModel::Check(int index) const {
  return index >= 0 && index < kOptionCheckCount ? checks_[static_cast<std::size_t>(index)] : kUnticked;
}

bool OptionsModel::CheckEnabled(int index) const { return Check(index) != kGreyed; }

const std::string& OptionsModel::PasswordText(int box) const { return passwords_[box == 1 ? 1 : 0]; }

std::uint32_t OptionsModel::Colour(int button) const {
  return button >= 0 && button < kColourButtonCount ? colours_[static_cast<std::size_t>(button)] : 0;
}

void OptionsModel::Changed() { applyEnabled_ = true; }

void OptionsModel::SetCheck(int index, bool ticked) {
  if (loading_ || index < 0 || index >= kOptionCheckCount || !CheckEnabled(index)) return;
  checks_[static_cast<std::size_t>(index)] = Tick(ticked);
  Changed();
}

bool OptionsModel::SetPasswordTicked(bool ticked) {
  if (loading_) return false;
  passwordTicked_ = ticked;
  Changed();
  return ticked && tab_ == 0;
}

void OptionsModel::EditPassword(int box, const std::string& text) {
  if (loading_ || box < 0 || box > 1) return;
  passwords_[static_cast<std::size_t>(box)] = text;
  Changed();
}

void OptionsModel::SelectBackStyle(int index) {
  if (loading_ || index < 0 || index >= kBackStyleCount) return;
  backStyle_ = index;
  Changed();
}

void OptionsModel::ColourChosen(int button, std::uint32_t colour) {
  if (loading_ || button < 0 || button >= kColourButtonCount) return;
  colour &= 0xFFFFFFu;
  std::uint32_t& current = colours_[static_cast<std::size_t>(button)];
  if (colour == current) return;
  current = colour;
  Changed();
}

bool OptionsModel::ChangeTab(int tab) {
  if (tab < 0 || tab >= kOptionsTabCount || tab == tab_) return false;
  tab_ = tab;
  return visible_;
}

bool OptionsModel::StorePasswordChoice(OptionsMessage* message) {
  if (passwordTicked_) {
    switch (CheckNewPassword(passwords_[0], passwords_[1])) {
      case PasswordCheck::Mismatch: *message = {kPasswordHeadline, kMismatchText}; return false;
      case PasswordCheck::BadLength: *message = {kPasswordHeadline, kLengthText}; return false;
      case PasswordCheck::ReadsAsNone: *message = {kPasswordHeadline, kReadsAsNoneText}; return false;
      case PasswordCheck::Accepted: break;
    }
    // The confirmation as typed is what gets stored.
    if (StorePassword(reg_, passwords_[1])) return true;
  } else if (RemovePassword(reg_)) {
    return true;
  }
  *message = {kPasswordHeadline, kPasswordStoreFailedText};
  return false;
}

bool OptionsModel::Save(OptionsMessage* message) {
  OptionsMessage none;
  if (!message) message = &none;
  *message = OptionsMessage();
  if (!StorePasswordChoice(message)) return false;

  const int menuAnimation = checks_[kCheckMenuAnimation] == kTicked ? 1 : 2;
  const bool soundFixed = checks_[kCheckSoundEffekts] == kGreyed;
  settings_.SaveLastWinPos = checks_[kCheckSaveLastWinPos] == kTicked;
  // Without a sound device the box could not be changed, so the stored choice is kept as it is.
  if (!soundFixed) settings_.SoundEffekts = checks_[kCheckSoundEffekts] == kTicked;
  settings_.DlgFade = checks_[kCheckDlgFade] == kTicked;
  settings_.ViewLastTool = checks_[kCheckViewLastTool] == kTicked;
  settings_.ViewSaveInfo = checks_[kCheckViewSaveInfo] == kTicked;
  settings_.MenuAnimation = menuAnimation;

  auto writeBool = [&](const char* name, int index) {
    return reg_.RegWriteDword(kMainSetKey, name, checks_[static_cast<std::size_t>(index)] == kTicked ? -1 : 0);
  };
  bool stored = writeBool("SaveLastWinPos", kCheckSaveLastWinPos);
  if (!soundFixed) stored = writeBool("SoundEffekts", kCheckSoundEffekts) && stored;
  stored = writeBool("DlgFade", kCheckDlgFade) && stored;
  stored = writeBool("ShowSysTray", kCheckShowSysTray) && stored;
  stored = writeBool("ViewAppLogo", kCheckViewAppLogo) && stored;
  stored = reg_.RegWriteDword(kMainSetKey, "MenuAnimation", menuAnimation) && stored;
  stored = writeBool("ViewSaveInfo", kCheckViewSaveInfo) && stored;

  BandLook look;
  look.BackStyle = backStyle_;
  look.BackColor = colours_[0];
  look.BackEndColor = colours_[1];
  look.FolderTextColor = colours_[2];
  look.ToolTextColor = colours_[3];
  if (bar_.SetBandLook(kSideBarBand, look)) {
    // What the band took is what gets stored.
    stored = WriteSideBarLook(reg_, bar_.Band(kSideBarBand)->Look) && stored;
    bar_.RecalcLayout();
  }
  bar_.SetMenuAnimation(menuAnimation);
  if (!stored) *message = {kOptionsHeadline, kOptionsStoreFailedText};
  return stored;
}

bool OptionsModel::PressOk(OptionsMessage* message) {
  if (!Save(message)) return false;
  closed_ = true;
  return true;
}

bool OptionsModel::PressApply(OptionsMessage* message) {
  const bool stored = Save(message);
  applyEnabled_ = false;
  return stored;
}

}  // namespace kv
