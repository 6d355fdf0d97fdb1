// Seam for the interface sounds: the number of wave-out devices and playing a wave file.
#pragma once

#include <string>

namespace kv {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual unsigned WaveDevices() = 0;
  // flags: the platform's sound flags (3 = asynchronous, no default sound).
  virtual void PlayWave(const std::string& path, unsigned flags) = 0;
};

// winmm: waveOutGetNumDevs and sndPlaySound.
SoundOutput& SystemSoundOutput();

}  // namespace kv
