// The message-kind codes of the message dialog on arbitrary text. A normalised code is its own
// normal form and means what the code it came from means.
#include "MessageKind.h"

#include <cstdint>
#include <cstdlib>

using namespace tarvand;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString code = MessageKind::Normalize(text);
    const MessageKind kind = MessageKind::Parse(text);
    const MessageKind again = MessageKind::Parse(code);
    if (code.size() < 3 || MessageKind::Normalize(code) != code || again.buttons() != kind.buttons() ||
        again.icon() != kind.icon() || again.dismissResult() != kind.dismissResult())
        std::abort();
    return 0;
}
