// The form library's edit masks turned into Qt input masks, and the date check of the host's date
// object, on arbitrary text.
#include "EditMask.h"
#include "TMyDate.h"

#include <cstdint>

using namespace tarvand;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    ui::EditMask::toInputMask(text);
    static const TMyDate date([] { return QTime(12, 0); });
    date.IsValidDate(text);
    return 0;
}
