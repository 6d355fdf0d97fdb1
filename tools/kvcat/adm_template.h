// The policy template ("KORVN2K.ADM") of one catalogue edition, in the administrative template
// language that Windows NT 4.0's System Policy Editor and Windows 2000's Group Policy both read:
// CLASS MACHINE / CLASS USER by the root of a function's key, a CATEGORY per page holding a CATEGORY
// per group, and per function a POLICY:
//   - on/off functions whose "on" action writes one text or DWORD value and whose "off" action writes
//     or deletes that value: KEYNAME, VALUENAME, VALUEON and VALUEOFF ("text" or NUMERIC n); an "off"
//     delete is written by leaving VALUEOFF out (a disabled policy then deletes its value);
//   - number functions writing the input as a DWORD: PART NUMERIC with MIN, MAX and DEFAULT;
//   - text functions writing the input as a text: PART EDITTEXT (with DEFAULT when there is one).
// Everything else (bit functions, several values, binary data, path variables, default values, roots
// other than HKLM/HKCU) is left out and counted in a comment at the top. Captions go to [strings] in
// the edition's language; the text is in code page 1252, lines end CR LF.
#pragma once

#include <string>

#include "tools/kvcat/edition.h"

namespace kvcat {

struct AdmTemplate {
  std::string text;
  int policies = 0;
  int leftOut = 0;  // functions with a caption that no policy can express
};

AdmTemplate WriteAdmTemplate(const Edition& edition, Language language);

}  // namespace kvcat
