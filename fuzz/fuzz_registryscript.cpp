#include "script/RegistryScript.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Any bytes may be offered as a registry script to import. Whatever the reader accepts must
// survive being exported and read again unchanged.

namespace {

bool SameSections(const StoreSections& a, const StoreSections& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const StoreSection& x, const StoreSection& y) {
                          return x.name == y.name && x.values == y.values;
                      });
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "registry script round trip: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const ScriptContent first = ReadRegistryScript(bytes);
    if (!first.ok) {
        return 0;
    }
    const ScriptText script = WriteRegistryScript(first.sections);
    if (!script.warnings.isEmpty()) {
        Fail("a value read back holds a line break");
    }
    const ScriptContent second = ReadRegistryScript(script.bytes);
    if (!second.ok) {
        Fail(qPrintable(second.reason));
    }
    if (!SameSections(first.sections, second.sections)) {
        Fail("the sections read back differ");
    }
    return 0;
}
