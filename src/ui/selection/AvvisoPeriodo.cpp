#include "AvvisoPeriodo.h"

namespace ui {

AvvisoPeriodo& AvvisoPeriodo::istanza() {
    static AvvisoPeriodo avviso;
    return avviso;
}

} // namespace ui
