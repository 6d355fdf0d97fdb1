// Registers the window classes of all four small controls ("Korvane2K.CoolBttn", "Korvane2K.PicBttn",
// "Korvane2K.UpDown", "Korvane2K.Progress"), so windows can be made by class name. The wrappers'
// Create registers its own class, so this is only needed for windows made by name.
#pragma once

namespace kv::controls {

bool RegisterControlClasses();

}  // namespace kv::controls
