// libFuzzer target: the measuring service's delivery file reader. Any bytes
// are read without a crash or a sanitizer report; a file read without an
// error gives animals whose line numbers lie within the file.
#include "measurement/DeliveryFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const herd::DeliveryFile::Result result = herd::DeliveryFile::read(bytes);
    if (result.error.isEmpty()) {
        const qsizetype lines = bytes.count('\n') + 1;
        for (const herd::MeasuredAnimal& a : result.animals)
            if (a.line < 1 || a.line > lines)
                std::abort();
    }
    return 0;
}
