#include "listfiles/ListCsv.h"
#include "listfiles/ListReader.h"
#include "model/ListAddition.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

// Any bytes may be offered as a list. Whatever the reader takes must add to an empty list
// keeping its invariants, and the list written as CSV must read back into an empty list as
// the same list.

namespace {

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "list round trip: %s\n", qPrintable(what));
    std::abort();
}

// An empty list with the rows added, or null when they do not fit.
std::unique_ptr<Model> Added(const ListRows& rows) {
    auto model = std::make_unique<Model>();
    ApplyDefaults(*model, QString());
    const ListAddition addition = PlanListAddition(model->list, rows, -1, QStringLiteral("Added"));
    if (!addition.fits()) {
        return nullptr;
    }
    AddListRows(*model, addition);
    if (QString problem; !CheckInvariants(model->list, &problem)) {
        Fail(problem);
    }
    return model;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ListReading first =
        ReadList(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    const std::unique_ptr<Model> added = first.error.isEmpty() ? Added(first.rows) : nullptr;
    if (!added || added->list.Maxtypes < 0) {
        return 0;
    }
    const ListReading second = ReadList(ListCsv(added->list));
    if (!second.error.isEmpty()) {
        Fail(second.error);
    }
    const std::unique_ptr<Model> again = Added(second.rows);
    if (!again || !(again->list == added->list)) {
        Fail(QStringLiteral("the list read back differs"));
    }
    return 0;
}
