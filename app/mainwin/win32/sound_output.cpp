// The real sound output (see sound_output.h).
#include "app/mainwin/win32/sound_output.h"

#include <windows.h>
#include <mmsystem.h>

namespace kv {

namespace {
class WinmmSoundOutput : public SoundOutput {
 public:
  unsigned WaveDevices() override { return waveOutGetNumDevs(); }
  void PlayWave(const std::string& path, unsigned flags) override { sndPlaySoundA(path.c_str(), flags); }
};
}  // namespace

SoundOutput& SystemSoundOutput() {
  static WinmmSoundOutput output;
  return output;
}

}  // namespace kv
