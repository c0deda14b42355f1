#include "serviceobject/results.h"
#include "serviceobject/service.h"
#include "serviceobject/service_state.h"

namespace service {

int32_t NotSupported() { return Report(ResultIllegal, "Метод не поддерживается объектом"); }

void RefuseProperty() { Report(ResultIllegal, "Свойство не поддерживается объектом"); }

int32_t PrintFixedOutputNotSupported() {
  ServiceState().FDuplicateReceipt = 0;
  return NotSupported();
}

}  // namespace service
