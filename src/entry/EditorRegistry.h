#pragma once

namespace tarvand {

class TInfoForm;

// Tells the window how to make each editor the module has, so that their tabs show them; the
// tabs of the others keep their stand-in.
void RegisterEditors(TInfoForm& window);

} // namespace tarvand
