#include "Cp1252.h"
#include "FieldReader.h"
#include "FuzzSupport.h"
#include "GeneralItems.h"

// The general language file, all its items read as the program reads them, and a clave file,
// whose first item is the clave.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = Cp1252::decode(FuzzSupport::bytes(data, size));
    const QStringList items = FieldReader::readItems(text, GeneralItems::ItemCount);
    if (items.size() != GeneralItems::ItemCount) {
        FuzzSupport::fail("the general file did not give every item");
    }
    for (const QString &item : items) {
        if (item.contains(u'\r') || item.contains(u'\n')) {
            FuzzSupport::fail("an item ran over a line end");
        }
    }
    if (FieldReader::readItems(text, 1).value(0) != items.value(0)) {
        FuzzSupport::fail("the clave differs from the first of all items");
    }
    return 0;
}
