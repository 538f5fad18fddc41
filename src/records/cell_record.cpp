#include "records/cell_record.h"

namespace scenario::records {

std::string cell_type_name(std::uint8_t type) {
  switch (type) {
    case kFree:
      return "libera";
    case kSignal:
      return "segnale";
    case kSlowEnd:
      return "fine rallentamento";
    case kSlowStart:
      return "inizio rallentamento";
    case kWarningPoint:
      return "punto di avviso";
    case kPreWarning:
      return "preavviso";
    case kSpeedIndicator:
      return "indicatore di velocità";
    case kStationStop:
      return "fermata di stazione";
    case kTunnelMarker:
      return "marcatore di galleria";
    case kAbatementWithSpeed:
      return "abbattimento con velocità";
    case kAbatementWithoutSpeed:
      return "abbattimento senza velocità";
    case kSignBoard:
      return "cartello";
    default:
      return "tipo " + std::to_string(type) + " sconosciuto";
  }
}

}  // namespace scenario::records
