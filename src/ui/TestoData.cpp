#include "TestoData.h"

#include "Programma.h"
#include "core/Formato.h"

namespace ui {

QString testoData(const std::string& record) {
    const core::Data data = core::Data::daRecord(record);
    return data.valida() ? QString::fromStdString(data.testo()) : testoArchivio(record).trimmed();
}

} // namespace ui
