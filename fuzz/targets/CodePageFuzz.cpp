// The byte encodings of exported text on arbitrary input: the DOS Persian code page, which writes
// at most one byte per character, and code page 1256, every byte of which decodes to a character
// that encodes back to it.
#include "Cp1256.h"
#include "IranSystem.h"

#include <cstdint>
#include <cstdlib>

using namespace tarvand;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    if (IranSystem::Encode(text).size() > text.size())
        std::abort();
    const QString decoded = Cp1256::decode(bytes);
    if (decoded.size() != bytes.size() || Cp1256::encode(decoded) != bytes)
        std::abort();
    Cp1256::encode(text);
    return 0;
}
