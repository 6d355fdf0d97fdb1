// The real sound output (see sound_output.h).
#include "app/mainwin/win32/sound_output.h"

#include <windows.h>

#include "app/controls/win32/system_function.h"

namespace kv {

namespace {
// winmm is looked up on first use: the start never plays a sound, and loading winmm brings the
// sound drivers with it. Without winmm there is no device and nothing is played.
class WinmmSoundOutput : public SoundOutput {
 public:
  unsigned WaveDevices() override {
    using DevicesFn = UINT(WINAPI*)();
    static const auto devices = SystemFunction<DevicesFn>("winmm.dll", "waveOutGetNumDevs");
    return devices ? devices() : 0;
  }
  void PlayWave(const std::string& path, unsigned flags) override {
    using PlayFn = BOOL(WINAPI*)(LPCSTR, UINT);
    static const auto play = SystemFunction<PlayFn>("winmm.dll", "sndPlaySoundA");
    if (play) play(path.c_str(), flags);
  }
};
}  // namespace

SoundOutput& SystemSoundOutput() {
  static WinmmSoundOutput output;
  return output;
}

}  // namespace kv
